#include "core/programming/GridRecords.h"

#include "core/panels/PanelPages.h"
#include "core/params/GridModel.h"

namespace velmar {

namespace {

struct ShapeOf {
    const char16_t *grid;
    RecordShape shape;
};

// Grids whose record is not one field per column; every other bound grid is
// Plain or, with a fixed first column, Captioned.
constexpr ShapeOf kShapes[] = {
    {u"SGEntrades", RecordShape::Entrades},
    {u"SGSortides", RecordShape::SortidesFlags},
    {u"SGSortidesTemps", RecordShape::SortidesTemps},
    {u"SGSortidesEnt", RecordShape::SortidesEnt},
    {u"SGTest", RecordShape::Test},
    {u"SGTamper", RecordShape::TamperAlim},
    {u"SGAlim", RecordShape::TamperAlim},
    {u"SGBoto1", RecordShape::DoorButton},
    {u"SGBoto2", RecordShape::DoorButton},
    {u"SGBoto3", RecordShape::DoorButton},
    {u"SGBoto4", RecordShape::DoorButton},
    {u"SGLlistatZonesAgui", RecordShape::Zones},
    {u"SGPerduaCOM", RecordShape::Captioned},
    {u"SGCentralAgui", RecordShape::Captioned},
    {u"SGCentralCofem", RecordShape::Captioned},
    {u"SGCentralUrano", RecordShape::Captioned},
};

bool isInteger(const QString &s)
{
    bool ok = false;
    s.trimmed().toLongLong(&ok);
    return ok;
}

// The alias travels last and is shown first.
bool aliasFirst(RecordShape s)
{
    return s == RecordShape::Entrades || s == RecordShape::SortidesTemps || s == RecordShape::Test
           || s == RecordShape::TamperAlim;
}

// A cell as a field of the record: whatever the user put in it, the record
// keeps the fields of its form.
QString field(const GridModel &g, int column, int row)
{
    return recordFieldText(g.cell(column, row));
}

QString joined(const GridModel &g, int row, int from, int to)
{
    QStringList parts;
    for (int c = from; c <= to; ++c)
        parts << field(g, c, row);
    return parts.join(u';');
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

RecordShape recordShape(QStringView gridName)
{
    for (const ShapeOf &s : kShapes)
        if (gridName == QStringView(s.grid))
            return s.shape;
    if (isPanelEventGrid(gridName))
        return RecordShape::PanelEvent;
    return RecordShape::Plain;
}

// Event-kind panels (the first field is "kind:app flag") and their widths
// come with the panel pages.
bool isPanelEventGrid(QStringView gridName)
{
    return panels::hasEventKind(gridName);
}

int eventKindWidth(QStringView gridName, const QString &central)
{
    return panels::eventKindWidth(gridName, central);
}

QString emptyIfOnlySeparators(const QString &value)
{
    if (value.isEmpty())
        return value;
    for (QChar c : value)
        if (c != u';' && c != u':')
            return value;
    return QString();
}

QString normaliseFlag(const QString &text)
{
    return text.isEmpty() || text == u"0" ? QStringLiteral("0") : QStringLiteral("1");
}

std::optional<QStringList> decodeRecord(QStringView gridName, bool fixedColumn, int columns,
                                        const QString &value, int number)
{
    if (columns < 1)
        return std::nullopt;
    const RecordShape shape = recordShape(gridName);

    QStringList f;
    if (value.isEmpty()) {
        for (int i = 0; i < columns - 1; ++i)
            f << QString();
    } else {
        f = value.split(u';');
    }

    if (aliasFirst(shape) && !f.isEmpty())
        f.prepend(f.takeLast());

    switch (shape) {
    case RecordShape::PanelEvent:
        if (!f.isEmpty()) {
            const QString first = f.takeFirst();
            const qsizetype colon = first.indexOf(u':');
            f.prepend(colon < 0 ? QString() : first.mid(colon + 1));
            f.prepend(colon < 0 ? first : first.left(colon));
        }
        break;
    case RecordShape::SortidesFlags:
        f.clear();
        for (qsizetype i = 0; i < 10; ++i)
            f << (i < value.size() ? QString(value.at(i)) : QString());
        break;
    case RecordShape::SortidesEnt: {
        const QStringList parts = value.split(u';');
        const QString inputs = parts.value(1);
        f.clear();
        for (qsizetype i = 0; i < 16; ++i)
            f << (i < inputs.size() ? QString(inputs.at(i)) : QString());
        f << parts.value(0);
        break;
    }
    case RecordShape::Zones:
        if (!value.contains(u';')) {
            if (isInteger(value) && number == 9750)
                return std::nullopt;
            f = QStringList{QString(), value};
        }
        break;
    default:
        break;
    }

    // Fields go from column 1 on a grid with a fixed column, else column 0.
    QStringList cols;
    if (fixedColumn)
        cols << QString();
    for (const QString &field : std::as_const(f)) {
        if (cols.size() >= columns)
            break;
        cols << field;
    }
    while (cols.size() < columns)
        cols << QString();
    return cols;
}

void loadRecord(GridModel &g, int row, const QStringList &columns, const QString &central)
{
    const GridDesign &d = g.design();
    const int width = recordShape(g.name()) == RecordShape::PanelEvent ? eventKindWidth(g.name(), central) : 0;
    for (int c = g.hasFixedColumn() ? 1 : 0; c < g.columns(); ++c) {
        QString text = columns.value(c);
        if (d.checkColumns.contains(c)) {
            text = normaliseFlag(text);
            g.load(c, row, text);
            g.setFlagWord(c, row, text == u"1" ? 1 : 0);
            continue;
        }
        // A cell holds only what its record field can carry, from the module
        // as from the user, so a row read and written back stays the same.
        text = recordFieldText(text);
        // An empty kind stays empty: padding it would invent an event.
        if (c == 1 && width > 0 && !text.isEmpty() && text.size() < width)
            text = text.rightJustified(width, u'0');
        g.load(c, row, text);
    }
}

QString serialiseRow(const GridModel &g, int row)
{
    const int last = g.columns() - 1;
    auto c = [&](int col) { return field(g, col, row); };
    auto no = [&] { return flagText(g.normallyOpen(row)); };
    auto storedFlag = [&](int col) { return normaliseFlag(g.stored(col, row)); };

    QString v;
    switch (recordShape(g.name())) {
    case RecordShape::Plain:
        v = joined(g, row, 0, last);
        break;
    case RecordShape::Captioned:
    case RecordShape::Zones:
        v = joined(g, row, 1, last);
        break;
    case RecordShape::Entrades:
        v = QStringList{c(2), c(3), no(), c(1)}.join(u';');
        break;
    case RecordShape::SortidesFlags:
        for (int col = 1; col <= 10; ++col)
            v += storedFlag(col);
        break;
    case RecordShape::SortidesTemps:
        v = QStringList{c(2), c(3), c(4), no(), c(1)}.join(u';');
        break;
    case RecordShape::SortidesEnt:
        v = storedFlag(17) + u';';
        for (int col = 1; col <= 16; ++col)
            v += storedFlag(col);
        break;
    case RecordShape::Test:
        v = QStringList{c(1), c(2), c(0)}.join(u';');
        break;
    case RecordShape::TamperAlim:
        v = QStringList{c(1), c(2), c(3), c(4), no(), c(0)}.join(u';');
        break;
    case RecordShape::DoorButton:
        v = QStringList{flagText(g.flagWord(1, row) & 1), c(2), c(3), c(4)}.join(u';');
        break;
    case RecordShape::PanelEvent:
        v = c(1) + u':' + joined(g, row, 2, last);
        break;
    }
    return emptyIfOnlySeparators(v);
}

bool Verifica_StringGrid(const GridModel &grid, const QString &echo, int row)
{
    return echo == serialiseRow(grid, row);
}

QString replyValue(const QString &reply)
{
    const qsizetype colon = reply.indexOf(u':');
    if (colon < 0)
        return QString();
    QString v = reply.mid(colon + 1);
    const qsizetype cr = v.indexOf(u'\r');
    if (cr >= 0)
        v.truncate(cr);
    return v;
}

bool acceptsPageReply(const QString &reply, const QString &espero)
{
    if (reply.size() < 6 || reply.at(0) != u'+' || reply.at(5) != u':')
        return false;
    const QString r5 = reply.left(5);
    if (r5.contains(QLatin1String("xx")))
        return false;
    if (r5 == espero)
        return true;
    if (espero.contains(QLatin1String("xxx")))
        return true;
    return espero.contains(QLatin1String("xx")) && espero.size() > 1 && r5.at(1) == espero.at(1);
}

} // namespace velmar
