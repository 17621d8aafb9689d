#include "core/editor/CellRules.h"

#include <QCoreApplication>
#include <QSet>

namespace velmar::editor {

namespace {

constexpr int kAliasLength = 12;
constexpr int kContactIdLength = 8;
constexpr int kNameLength = 32;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isHex(QChar c)
{
    return isDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool isChar(const Key &key, bool (*test)(QChar))
{
    return key.kind == KeyKind::Character && test(key.ch);
}

// Grids with a filter of their own; every other grid is filtered by the
// headings of its columns (the message grids, the receiving-centre copy, the
// zone list and the panels' event grids).
bool hasOwnFilter(const QString &name)
{
    static const QSet<QString> own = {
        QStringLiteral("SGEntrades"),  QStringLiteral("SGSortides"),
        QStringLiteral("SGSortidesTemps"), QStringLiteral("SGSortidesEnt"),
        QStringLiteral("SGTamper"),    QStringLiteral("SGAlim"),
        QStringLiteral("SGTest"),      QStringLiteral("SGTelefons"),
        QStringLiteral("SGUsuaris"),   QStringLiteral("SGOperadores"),
        QStringLiteral("SGBoto1"),     QStringLiteral("SGBoto2"),
        QStringLiteral("SGBoto3"),     QStringLiteral("SGBoto4"),
    };
    return own.contains(name);
}

// Rows of a grid bound to a block parameter travel to the module as records;
// the door lists (no parameter) are kept in the cloud.
bool carriesRecords(const GridDesign &grid) { return !grid.hint.isEmpty(); }

// Panel event grids whose event kinds have four digits; the others have three.
bool fourDigitEventKinds(const QString &name)
{
    static const QSet<QString> four = {
        QStringLiteral("SGCentralAD300"),  QStringLiteral("SGCentralID3000"),
        QStringLiteral("SGCentralAD600"),  QStringLiteral("SGCentralCtec"),
        QStringLiteral("SGCentralMA2000"), QStringLiteral("SGCentralJadeBird"),
        QStringLiteral("SGCentralPL1000"),
    };
    return four.contains(name);
}

bool isNoticeFlagHeading(const QString &h)
{
    return h.contains(u"App") || h.contains(u"SMS") || h.contains(u"EMail") || h.contains(u"Email");
}

ColumnEditor kind(CellKind k, bool list = false)
{
    ColumnEditor e;
    e.kind = k;
    e.showsList = list;
    return e;
}

// Copy and paste act on the whole cell in every filtered column.
KeyVerdict clipboardOr(const Key &key, KeyVerdict otherwise)
{
    if (key.kind == KeyKind::Copy)
        return KeyVerdict::Copy;
    if (key.kind == KeyKind::Paste)
        return KeyVerdict::Paste;
    return otherwise;
}

KeyVerdict judgeShared(const GridDesign &grid, const ColumnEditor &editor, const QString &text,
                       const Key &key)
{
    const bool toggles = optionList(grid).escapeToggles;
    switch (editor.kind) {
    case CellKind::Fixed:
        return KeyVerdict::Refuse;
    case CellKind::ContactId: {
        const bool clip = key.kind == KeyKind::Backspace || key.kind == KeyKind::Copy
                          || key.kind == KeyKind::Paste;
        // A Contact ID code has at most 8 hexadecimal digits.
        if (text.size() >= kContactIdLength)
            return clip ? clipboardOr(key, KeyVerdict::Accept) : KeyVerdict::Refuse;
        if (clip || isChar(key, isHex))
            return clipboardOr(key, KeyVerdict::Accept);
        return KeyVerdict::Refuse;
    }
    case CellKind::EventKind:
        // The length test comes first and covers every key, backspace too.
        if (text.size() >= editor.maxLength)
            return KeyVerdict::Refuse;
        if (key.kind == KeyKind::Backspace || isChar(key, isHex))
            return KeyVerdict::Accept;
        return KeyVerdict::Refuse;
    case CellKind::Option:
        // Typing in a list column never reaches the cell: it acts as Escape.
        return toggles ? KeyVerdict::ToggleList : KeyVerdict::CloseList;
    case CellKind::Name:
        if (text.size() >= kNameLength
            && (key.kind == KeyKind::Character || key.kind == KeyKind::Control))
            return KeyVerdict::Refuse;
        break;
    default:
        break;
    }
    if (key.kind == KeyKind::Escape)
        return toggles ? KeyVerdict::ToggleList : KeyVerdict::CloseList;
    return clipboardOr(key, KeyVerdict::Accept);
}

KeyVerdict judgeOwn(const ColumnEditor &editor, const QString &text, const Key &key)
{
    // Escape keeps its meaning (it cancels the cell being typed).
    if (key.kind == KeyKind::Escape)
        return KeyVerdict::Accept;
    switch (editor.kind) {
    case CellKind::Fixed:
        return KeyVerdict::Refuse;
    case CellKind::Digits:
        if (key.kind == KeyKind::Backspace || isChar(key, isDigit))
            return KeyVerdict::Accept;
        return clipboardOr(key, KeyVerdict::Refuse);
    case CellKind::Alias:
        if (text.size() >= kAliasLength
            && (key.kind == KeyKind::Character || key.kind == KeyKind::Control))
            return KeyVerdict::Refuse;
        return clipboardOr(key, KeyVerdict::Accept);
    case CellKind::Hora:
        if (key.kind == KeyKind::Copy || key.kind == KeyKind::Paste)
            return clipboardOr(key, KeyVerdict::Refuse);
        return horaAccepts(text, key) ? KeyVerdict::Accept : KeyVerdict::Refuse;
    case CellKind::Phone:
        if (key.kind == KeyKind::Backspace || isChar(key, isDigit)
            || (key.kind == KeyKind::Character && key.ch == u'+'))
            return KeyVerdict::Accept;
        return clipboardOr(key, KeyVerdict::Refuse);
    case CellKind::Check:
    case CellKind::TextCheck:
    case CellKind::ReadOnly:
    case CellKind::Option:
        return key.kind == KeyKind::Copy ? KeyVerdict::Copy : KeyVerdict::Refuse;
    default:
        // Free text keeps the editor's own clipboard keys.
        return KeyVerdict::Accept;
    }
}

} // namespace

ColumnEditor columnEditor(const GridDesign &grid, int column)
{
    if (column < 0 || column >= grid.columns)
        return kind(CellKind::ReadOnly);
    if (column == 0 && grid.labels != RowLabels::None)
        return kind(CellKind::Fixed);
    if (grid.checkColumns.contains(column))
        return kind(CellKind::Check);

    const QString &name = grid.name;
    const QString heading = grid.headers.value(column);

    if (name == u"SGTelefons") {
        switch (column) {
        case 0:
        case 3: return kind(CellKind::TextCheck);
        case 1: return kind(CellKind::Phone);
        case 4: return kind(CellKind::Option, true);
        default: return kind(CellKind::Text);
        }
    }
    if (name == u"SGUsuaris") {
        switch (column) {
        case 0:
        case 3: return kind(CellKind::TextCheck);
        case 2:
        case 5: return kind(CellKind::ReadOnly);
        default: return kind(CellKind::Text);
        }
    }
    if (hasOwnFilter(name)) {
        if (heading.contains(u"Alias"))
            return kind(CellKind::Alias);
        if (name == u"SGTest")
            return kind(column == 2 ? CellKind::Hora : CellKind::Text);
        const bool digits = (name == u"SGEntrades" && (column == 2 || column == 3))
                            || (name == u"SGSortidesTemps" && column >= 2 && column <= 4)
                            || ((name == u"SGTamper" || name == u"SGAlim") && column >= 1
                                && column <= 4);
        return kind(digits ? CellKind::Digits : CellKind::Text);
    }

    // Filtered by heading, in the order the shared filter tests them.
    if (heading.contains(u"Código CID"))
        return kind(CellKind::ContactId, name == u"SGLlistatZonesAgui");
    if (heading.contains(u"Tipo evento")) {
        ColumnEditor e = kind(CellKind::EventKind);
        e.maxLength = fourDigitEventKinds(name) ? 4 : 3;
        return e;
    }
    if (heading.contains(u"NOMBRE"))
        return kind(CellKind::Name);
    if (isNoticeFlagHeading(heading))
        return kind(CellKind::Option, !optionList(grid).name.isEmpty());
    return kind(CellKind::Text);
}

OptionList optionList(const GridDesign &grid)
{
    static const QList<std::pair<const char *, const char *>> lists = {
        {"SGEntradesOpc", "CBSGEntrades"}, {"SGSortidesOpc", "CBSGSortides"},
        {"SGTamperOpc", "CBSGTamper"},     {"SGAlimOpc", "CBSGAlim"},
        {"SGTestOpc", "CBSGTest"},         {"SGPerduaCOM", "CBSGPerduaCOM"},
        {"SGInici", "CBSGInici"},          {"SGCra", "CBSGCra"},
        {"SGTelefons", "CBSGTelefons"},
    };
    OptionList l;
    if (grid.name == u"SGLlistatZonesAgui") {
        l.name = QStringLiteral("CBSGLlistatZones");
        // Only the code goes into the cell: the names are shown translated
        // (context "FieldModel").
        l.items = QStringList{
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "110=Fuego")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "111=Humo")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "112=Combustión")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "113=Detector de flujo (agua)")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "114=Calor")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "115=Pulsador")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "116=Detector de conducto")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "117=Detector de alarma")),
        };
        l.width = 200;
        l.valueBeforeEquals = true;
        return l;
    }
    // The panels' grids: CBSG followed by the grid's own suffix
    // (SGCentralID3000 -> CBSGID3000, SGCentralAgui -> CBSGAgui, SGBCApp -> CBSGBCApp).
    QString panelList;
    if (grid.name.startsWith(u"SGCentral"))
        panelList = QStringLiteral("CBSG") + grid.name.mid(9);
    else if (grid.name == u"SGBCApp")
        panelList = QStringLiteral("CBSGBCApp");
    for (const auto &[gridName, listName] : lists) {
        if (grid.name != QLatin1String(gridName) && panelList.isEmpty())
            continue;
        l.name = panelList.isEmpty() ? QString::fromLatin1(listName) : panelList;
        l.items = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                   QStringLiteral("3"), QStringLiteral("4")};
        l.preselection = QStringLiteral("1");
        l.escapeToggles = grid.name == u"SGEntradesOpc" || grid.name == u"SGCra";
        l.clickToggles = grid.name == u"SGCra";
        // One cell, always the current one: selecting it again opens nothing.
        l.clickOpens = grid.name == u"SGBCApp";
        return l;
    }
    return l;
}

KeyVerdict judgeKey(const GridDesign &grid, int column, const QString &cellText, Key key)
{
    const ColumnEditor editor = columnEditor(grid, column);
    const KeyVerdict verdict = hasOwnFilter(grid.name) ? judgeOwn(editor, cellText, key)
                                                        : judgeShared(grid, editor, cellText, key);
    // The record separator would split the row's record in two.
    if (verdict == KeyVerdict::Accept && key.kind == KeyKind::Character
        && userCellText(grid, QString(key.ch)).isEmpty())
        return KeyVerdict::Refuse;
    return verdict;
}

bool pasteAccepted(const GridDesign &grid, int column, const QString &clipboard)
{
    switch (columnEditor(grid, column).kind) {
    case CellKind::ContactId:
        if (clipboard.size() > kContactIdLength)
            return false;
        for (QChar c : clipboard)
            if (!isHex(c))
                return false;
        return true;
    case CellKind::Fixed:
    case CellKind::Option:
    case CellKind::Check:
    case CellKind::TextCheck:
    case CellKind::ReadOnly:
    case CellKind::EventKind:
        return false;
    default:
        return true;
    }
}

QString userCellText(const GridDesign &grid, const QString &text)
{
    return carriesRecords(grid) ? recordFieldText(text) : text;
}

QString optionValue(const OptionList &list, const QString &item)
{
    if (!list.valueBeforeEquals)
        return item;
    const qsizetype eq = item.indexOf(u'=');
    return eq < 0 ? item : item.left(eq);
}

EditFilter editFilterOf(QStringView name)
{
    static const QSet<QString> numbers = {
        QStringLiteral("EEmailPort"),  QStringLiteral("EPortCRA11"), QStringLiteral("EPortCRA12"),
        QStringLiteral("EPortCRA21"),  QStringLiteral("EPortCRA22"), QStringLiteral("EPollingCRA1"),
        QStringLiteral("EPinSIM"),
    };
    static const QSet<QString> hexa = {
        QStringLiteral("EAbonatCra11"), QStringLiteral("EAbonatCra12"),
        QStringLiteral("EAbonatCra21"), QStringLiteral("EAbonatCra22"),
    };
    static const QSet<QString> phones = {
        QStringLiteral("ETelSMS1"), QStringLiteral("ETelSMS2"), QStringLiteral("ETelSMS3"),
        QStringLiteral("ETelSMS4"), QStringLiteral("EProgTel"),
    };
    const QString n = name.toString();
    if (numbers.contains(n))
        return EditFilter::Number;
    if (hexa.contains(n))
        return EditFilter::Hexa;
    if (phones.contains(n))
        return EditFilter::Telephone;
    return EditFilter::None;
}

bool editAccepts(EditFilter filter, Key key)
{
    if (key.kind != KeyKind::Character)
        return true;
    switch (filter) {
    case EditFilter::None: return true;
    case EditFilter::Number: return isDigit(key.ch);
    case EditFilter::Hexa: return isHex(key.ch);
    case EditFilter::Telephone: return isDigit(key.ch) || key.ch == u'+' || key.ch == u';';
    }
    return true;
}

bool horaAccepts(const QString &text, Key key)
{
    if (key.kind == KeyKind::Backspace)
        return true;
    if (key.kind != KeyKind::Character)
        return false;
    const QChar c = key.ch;
    if (!isDigit(c) && c != u':')
        return false;
    auto twoDigits = [&](qsizetype at, int &value) {
        if (!isDigit(text.at(at)) || !isDigit(c))
            return false;
        value = (text.at(at).unicode() - u'0') * 10 + (c.unicode() - u'0');
        return true;
    };
    int value = 0;
    switch (text.size()) {
    case 0: return c >= u'0' && c <= u'2';
    case 1: return twoDigits(0, value) && value <= 23;
    case 2: return c == u':';
    case 3: return c >= u'0' && c <= u'5';
    case 4: return twoDigits(3, value) && value < 60;
    default: return true; // beyond the fifth character nothing is judged
    }
}

} // namespace velmar::editor
