#include "core/params/FieldModel.h"

#include "core/link/LinkState.h"
#include "core/params/ControlTable.h"
#include "core/params/ParamCatalogue.h"

#include <optional>

namespace velmar {

namespace {

// A value "read as an integer" the way the editor pages always have: leading
// blanks, an optional sign, then decimal digits or "$"/"0x" and hexadecimal
// digits; anything else (a comma, trailing text) is not an integer.
std::optional<int> readInteger(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-')) {
        negative = s.at(i) == u'-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s.at(i) == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s.at(i) == u'0' && (s.at(i + 1) == u'x' || s.at(i + 1) == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    qint64 v = 0;
    for (; i < s.size(); ++i) {
        const char16_t u = s.at(i).unicode();
        int digit;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (base == 16 && u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else if (base == 16 && u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else
            return std::nullopt;
        v = v * base + digit;
        if (v > qint64(0x80000000))
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v > 0x7FFFFFFF)
        return std::nullopt;
    return int(v);
}

// A parameter code read as a decimal number, for binding; codes with
// hexadecimal digits, "+N" or nothing at all do not bind.
std::optional<int> decimalCode(const QString &code)
{
    if (code.isEmpty() || code.size() > 9)
        return std::nullopt;
    int v = 0;
    for (QChar c : code) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    return v;
}

} // namespace

FieldModel::FieldModel(QObject *parent) : QObject(parent)
{
    for (const ControlDesign &d : ControlTable::edits()) {
        auto *e = new EditField(d.name, d.hint, d.offset, d.page, this);
        e->setReadOnly(d.readOnly);
        e->setEnabled(!d.disabled);
        e->password = d.password;
        e->setColour(e->normalColour());
        m_edits << e;
        m_byName.insert(d.name, e);
    }
    for (const ControlDesign &d : ControlTable::comboBoxes()) {
        auto *c = new ComboBoxField(d.name, d.hint, d.offset, d.page, ControlTable::horaEntries(), this);
        m_comboBoxes << c;
        m_byName.insert(d.name, c);
    }
    for (const ControlDesign &d : ControlTable::checkLists()) {
        auto *l = new CheckListField(d.name, d.hint, d.offset, d.page, ControlTable::partsActives(), this);
        m_checkLists << l;
        m_byName.insert(d.name, l);
    }
    for (const ControlDesign &d : ControlTable::checkBoxes()) {
        auto *b = new CheckBoxField(d.name, d.hint, d.offset, d.page, d.indicator, this);
        m_checkBoxes << b;
        m_byName.insert(d.name, b);
    }
    for (const GridDesign &s : ControlTable::grids()) {
        auto *g = new GridModel(s, this);
        m_grids << g;
        m_gridByName.insert(s.name, g);
    }
}

QStringList FieldModel::InicialitzaPunters(const ParamCatalogue &catalogue)
{
    m_punterEdit = m_edits;
    m_punterComboBox = m_comboBoxes;
    m_punterCheckListBox = m_checkLists;
    m_punterCheckBox = m_checkBoxes;
    m_punterStringGrid = m_grids;

    QStringList failed;
    auto bindSingle = [&](BoundField *f) {
        if (f->hint().isEmpty() || f->Tag >= 100)
            return;
        if (const auto n = decimalCode(catalogue.code(f->hint())))
            f->Tag += *n;
        else
            failed << f->name();
    };
    for (EditField *e : std::as_const(m_punterEdit))
        bindSingle(e);
    for (CheckListField *l : std::as_const(m_punterCheckListBox))
        bindSingle(l);
    for (CheckBoxField *b : std::as_const(m_punterCheckBox))
        bindSingle(b);
    for (ComboBoxField *c : std::as_const(m_punterComboBox)) {
        if (c->hint().isEmpty())
            continue;
        if (const auto n = decimalCode(catalogue.code(c->hint())))
            c->Tag = *n;
        else
            failed << c->name();
    }

    for (GridModel *g : std::as_const(m_punterStringGrid)) {
        const GridDesign &s = g->design();
        if (s.hint.isEmpty())
            continue;
        const QString code = catalogue.code(s.hint);
        if (g->Tag < 100) {
            if (s.binding == GridBinding::DoorButton) {
                // 4010, 4014, 4018, 401C: the records of button n follow
                // on from 4000 + the code's last two hexadecimal digits.
                bool ok = code.size() >= 2;
                const int low = ok ? code.right(2).toInt(&ok, 16) : 0;
                if (ok)
                    g->Tag = 4000 + low;
                else
                    failed << g->name();
            } else if (const auto n = decimalCode(code)) {
                g->Tag += *n;
            } else {
                failed << g->name();
            }
        }
        if (g->Tag >= 100)
            g->firstCode = s.binding == GridBinding::DoorButton
                               ? code
                               : ParamCatalogue::codeFromNumber(g->Tag);
    }

    auto tagOf = [this](const char *name) {
        const GridModel *g = grid(QString::fromLatin1(name));
        return g ? g->Tag : 0;
    };
    TagCraOpc = tagOf("SGCra");
    TagEntradesOpc = tagOf("SGEntradesOpc");
    TagSortidesOpc = tagOf("SGSortidesOpc");
    TagTamperOpc = tagOf("SGTamperOpc");
    TagAlimOpc = tagOf("SGAlimOpc");
    TagInici = tagOf("SGInici");
    TagTestOpc = tagOf("SGTestOpc");
    TagPerduaCom = tagOf("SGPerduaCOM");
    TagCentral = tagOf("SGCentralAgui");
    TagLlistatZones = tagOf("SGLlistatZonesAgui");
    TagBC600 = tagOf("SGCentralBC600");
    TagBCOpc = tagOf("SGBCApp");
    TagBotoPortes = tagOf("SGBoto1");
    TagCentralCofem = tagOf("SGCentralCofem");
    TagCentralUrano = tagOf("SGCentralUrano");
    TagCentralSyncro = tagOf("SGCentralSyncro");
    TagCentralSupra = tagOf("SGCentralSupra");
    TagCentralZafir = tagOf("SGCentralZafir");
    TagCentralAD300 = tagOf("SGCentralAD300");
    TagCentralID3000 = tagOf("SGCentralID3000");
    TagCentralDetnovCCD = tagOf("SGCentralDetnovCCD");
    TagCentralAD600 = tagOf("SGCentralAD600");
    TagCentralCtec = tagOf("SGCentralCtec");
    TagCentralMA2000 = tagOf("SGCentralMA2000");
    TagCentralJAdeBird = tagOf("SGCentralJadeBird");
    TagCentralPL1000 = tagOf("SGCentralPL1000");
    return failed;
}

BoundField *FieldModel::field(QStringView name) const
{
    return m_byName.value(name.toString());
}

EditField *FieldModel::edit(QStringView name) const
{
    BoundField *f = field(name);
    return f && f->kind() == ControlKind::Edit ? static_cast<EditField *>(f) : nullptr;
}

CheckBoxField *FieldModel::checkBox(QStringView name) const
{
    BoundField *f = field(name);
    return f && f->kind() == ControlKind::CheckBox ? static_cast<CheckBoxField *>(f) : nullptr;
}

CheckListField *FieldModel::checkList(QStringView name) const
{
    BoundField *f = field(name);
    return f && f->kind() == ControlKind::CheckList ? static_cast<CheckListField *>(f) : nullptr;
}

ComboBoxField *FieldModel::comboBox(QStringView name) const
{
    BoundField *f = field(name);
    return f && f->kind() == ControlKind::ComboBox ? static_cast<ComboBoxField *>(f) : nullptr;
}

GridModel *FieldModel::grid(QStringView name) const
{
    return m_gridByName.value(name.toString());
}

Delivery FieldModel::deliver(int number, const QString &value, const FieldContext &context)
{
    return route(number, {}, value, context);
}

Delivery FieldModel::deliverReply(QStringView code, const QString &value, const FieldContext &context)
{
    const auto number = ParamCatalogue::numberFromCode(code, context.aguileraPageShown());
    if (!number)
        return {};
    return route(*number, code, value, context);
}

Delivery FieldModel::route(int number, QStringView code, const QString &value,
                           const FieldContext &context)
{
    Delivery d;
    d.number = number;
    // A single control answers to its number written as four digits.
    const bool ownCode = code.isEmpty()
                         || code.compare(ParamCatalogue::codeFromNumber(number), Qt::CaseInsensitive) == 0;

    // 1. Every edit box of the number. The bridged panel's page shares no
    // file name or bus address with the others.
    const bool aguilera = context.aguileraPageShown();
    if (ownCode && !((number == 9750 || number == 9500) && aguilera)) {
        const bool doorTimes = number >= 4040 && number <= 4043;
        const QStringList parts = doorTimes ? value.split(u';') : QStringList();
        for (EditField *e : std::as_const(m_punterEdit)) {
            if (e->Tag != number)
                continue;
            // The three time boxes of a button take the parts in order.
            const QString text = doorTimes ? parts.value(d.edits.size()) : value;
            e->setText(text);
            e->setStore(text);
            e->setColour(e->normalColour());
            e->setEnabled(true);
            d.edits << e;
        }
    }

    // 2. The time-zone list: the offset is the entry index less 10.
    for (ComboBoxField *c : std::as_const(m_punterComboBox)) {
        if (c->Tag != number || !ownCode)
            continue;
        // An offset past the list leaves no entry selected.
        const auto offset = readInteger(value);
        int index = 11;
        if (offset)
            index = (*offset >= -10 && *offset < c->items().size() - 10) ? *offset + 10 : -1;
        c->setCurrentIndex(index);
        c->setStore(value);
        d.comboBox = c;
        return d;
    }

    // 3. A check list: one digit per item, up to the first non-digit.
    for (CheckListField *l : std::as_const(m_punterCheckListBox)) {
        if (l->Tag != number || !ownCode)
            continue;
        for (qsizetype i = 0; i < value.size() && i < l->items().size(); ++i) {
            const QChar ch = value.at(i);
            if (ch < u'0' || ch > u'9')
                break;
            l->setChecked(int(i), ch == u'1');
        }
        l->setStore(value);
        d.checkList = l;
        return d;
    }

    // 4. The first grid whose records include the number; a panel's grid
    // only while its page is the one shown.
    for (GridModel *g : std::as_const(m_punterStringGrid)) {
        if (!g->takesNumber(number, context.central))
            continue;
        const QString &tab = g->design().panelTab;
        if (!tab.isEmpty() && tab != context.panelTab)
            continue;
        // A record answers to its own code only (first code + row - 1).
        if (!code.isEmpty()
            && code.compare(g->recordCode(g->rowOf(number)), Qt::CaseInsensitive) != 0)
            continue;
        d.grid = g;
        return d;
    }

    // 5. Check boxes, in table order. The VPN box shows ConfigVPN whatever
    // the value; it reflects two parameters, not the one read.
    d.reachedCheckBoxes = true;
    for (CheckBoxField *b : std::as_const(m_punterCheckBox))
        if (b->name() == u"CBConfigVPN")
            b->setChecked(ConfigVPN);
    for (CheckBoxField *b : std::as_const(m_punterCheckBox)) {
        if (b->Tag != number || !ownCode)
            continue;
        if (b->name() != u"CBConfigVPN")
            b->setChecked(readInteger(value) == 1);
        b->setStore(value);
        b->setColour(FieldColour::LightBlue);
        d.checkBox = b;
        break;
    }
    return d;
}

bool FieldModel::userChanged(BoundField *f, FieldColour rest)
{
    if (!f->isChangedMark()) {
        if (f->userChangedNothing())
            return false;
        f->markByUser();
        ++ncampsModificats;
        return true;
    }
    if (!f->backToUnchanged())
        return true;
    // Changed back to what it was: no change any more, its count taken back
    // (never below nothing: a write that left fields red has set it to 0).
    f->setColour(rest);
    ncampsModificats = qMax(0, ncampsModificats - 1);
    return false;
}

bool FieldModel::EditChange(EditField *edit, const ChangeContext &context)
{
    if (!edit || !context.circuit || context.busy || !edit->modified())
        return false;
    return userChanged(edit, edit->normalColour());
}

bool FieldModel::CheckBoxClick(CheckBoxField *box, const ChangeContext &context)
{
    if (!box)
        return false;
    if (box->colour() == FieldColour::ButtonFace) {
        box->setChecked(false);
        return false;
    }
    if (!context.circuit || context.busy)
        return false;
    return userChanged(box, FieldColour::LightBlue);
}

bool FieldModel::CLBPartsActivesClick(const ChangeContext &context)
{
    CheckListField *l = checkList(u"CLBPartsActives");
    if (!l || !context.circuit || context.busy)
        return false;
    return userChanged(l, FieldColour::Window);
}

bool FieldModel::CBHoraChange()
{
    ComboBoxField *c = comboBox(u"CBHora");
    if (!c)
        return false;
    return userChanged(c, FieldColour::Window);
}

void FieldModel::Esborra_param()
{
    for (EditField *e : std::as_const(m_edits)) {
        e->setText(QString());
        e->setStore(QString());
        e->setColour(e->normalColour());
    }
    for (ComboBoxField *c : std::as_const(m_comboBoxes)) {
        c->setCurrentIndex(-1);
        c->setStore(QString());
    }
    for (CheckBoxField *b : std::as_const(m_checkBoxes)) {
        b->setChecked(false);
        b->setStore(QString());
        b->setColour(FieldColour::LightBlue);
    }
    for (CheckListField *l : std::as_const(m_checkLists)) {
        l->uncheckAll();
        l->setStore(QString());
    }

    Esborra_operadores();
    Esborra_Cra();
    Esborra_entrades();
    Esborra_sortides();
    Esborra_Inici();
    Esborra_Test();
    Esborra_Tamper();
    Esborra_Alim();
    Esborra_PerduaCOM();
    Esborra_Central();
    Esborra_LlistatZones();
    Esborra_BC600();
    Esborra_BCApp();
    Esborra_BotonsPortes();
    Esborra_CentralCofem();
    Esborra_CentralUrano();
    Esborra_CentralSyncro();
    Esborra_CentralAvenarBosch();
    Esborra_CentralSupra();
    Esborra_CentralZafir();
    Esborra_CentralAD300();
    Esborra_CentralID3000();
    Esborra_CentralDetnovCCD();
    Esborra_CentralAD600();
    Esborra_CentralCtec();
    Esborra_CentralMA2000();
    Esborra_CentralJadeBird();
    Esborra_CentralPL1000();
    emit paramCleared();
}

void FieldModel::Esborra_Camps(LinkState &link)
{
    ncampsGravats = 0;
    link.circuit = false;
    // A link lost in the middle of a write, or before it, must not take the
    // user's unwritten changes with it: they stay, marked, with the values
    // read before them, for the module found next.
    if (ncampsModificats == 0)
        Esborra_param();
    Esborra_Portes(0);
    emit disconnectedReset();
}

void FieldModel::CampsPantallaCLWindow()
{
    auto restore = [](BoundField *f, FieldColour normal) {
        if (!f->isChangedMark())
            return;
        f->setColour(normal);
        f->setEnabled(true);
    };
    for (EditField *e : std::as_const(m_edits))
        restore(e, e->normalColour());
    for (CheckBoxField *b : std::as_const(m_checkBoxes))
        restore(b, FieldColour::LightBlue);
    for (CheckListField *l : std::as_const(m_checkLists))
        restore(l, FieldColour::Window);
    for (ComboBoxField *c : std::as_const(m_comboBoxes))
        restore(c, FieldColour::Window);
}

void FieldModel::clearGrids(std::initializer_list<const char *> names)
{
    for (const char *name : names)
        if (GridModel *g = grid(QString::fromLatin1(name)))
            g->clear();
}

void FieldModel::Esborra_Cra() { clearGrids({"SGCra"}); }
void FieldModel::Esborra_entrades() { clearGrids({"SGEntrades", "SGEntradesOpc"}); }
void FieldModel::Esborra_sortides()
{
    clearGrids({"SGSortides", "SGSortidesTemps", "SGSortidesEnt", "SGSortidesOpc"});
}
void FieldModel::Esborra_Tamper() { clearGrids({"SGTamper", "SGTamperOpc"}); }
void FieldModel::Esborra_Alim() { clearGrids({"SGAlim", "SGAlimOpc"}); }
void FieldModel::Esborra_Inici() { clearGrids({"SGInici"}); }
void FieldModel::Esborra_Test() { clearGrids({"SGTest", "SGTestOpc"}); }
void FieldModel::Esborra_PerduaCOM() { clearGrids({"SGPerduaCOM"}); }
void FieldModel::Esborra_operadores() { clearGrids({"SGOperadores"}); }
void FieldModel::Esborra_Central() { clearGrids({"SGCentralAgui"}); }
void FieldModel::Esborra_LlistatZones() { clearGrids({"SGLlistatZonesAgui"}); }
void FieldModel::Esborra_BC600() { clearGrids({"SGCentralBC600"}); }
void FieldModel::Esborra_BCApp() { clearGrids({"SGBCApp"}); }
void FieldModel::Esborra_BotonsPortes() { clearGrids({"SGBoto1", "SGBoto2", "SGBoto3", "SGBoto4"}); }
void FieldModel::Esborra_CentralCofem() { clearGrids({"SGCentralCofem"}); }
void FieldModel::Esborra_CentralUrano() { clearGrids({"SGCentralUrano"}); }
void FieldModel::Esborra_CentralSyncro() { clearGrids({"SGCentralSyncro"}); }
void FieldModel::Esborra_CentralAvenarBosch() { clearGrids({"SGCentralAvenarBosch"}); }
void FieldModel::Esborra_CentralAD300() { clearGrids({"SGCentralAD300"}); }
void FieldModel::Esborra_CentralSupra() { clearGrids({"SGCentralSupra"}); }
void FieldModel::Esborra_CentralZafir() { clearGrids({"SGCentralZafir"}); }
void FieldModel::Esborra_CentralID3000() { clearGrids({"SGCentralID3000"}); }
void FieldModel::Esborra_CentralDetnovCCD() { clearGrids({"SGCentralDetnovCCD"}); }
void FieldModel::Esborra_CentralAD600() { clearGrids({"SGCentralAD600"}); }
void FieldModel::Esborra_CentralCtec() { clearGrids({"SGCentralCtec"}); }
void FieldModel::Esborra_CentralMA2000() { clearGrids({"SGCentralMA2000"}); }
void FieldModel::Esborra_CentralJadeBird() { clearGrids({"SGCentralJadeBird"}); }
void FieldModel::Esborra_CentralPL1000() { clearGrids({"SGCentralPL1000"}); }

void FieldModel::Esborra_Portes(int opcio)
{
    if (opcio == 0 || opcio == 1)
        clearGrids({"SGTelefons"});
    if (opcio == 0 || opcio == 2)
        clearGrids({"SGUsuaris"});
    emit doorListsCleared(opcio);
}

} // namespace velmar
