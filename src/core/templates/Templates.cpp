#include "core/templates/Templates.h"

#include "core/params/FieldModel.h"
#include "core/programming/GridRecords.h"
#include "core/programming/PageLayout.h"

#include <QCoreApplication>
#include <QHash>

namespace {
// The translation context of these texts (lupdate reads it from here).
struct Templates {
    Q_DECLARE_TR_FUNCTIONS(Templates)
};
} // namespace

namespace velmar {

namespace {

const QString kPanelKey = QStringLiteral("1590");

// How a grid row is written to a template and read back.
enum class RowForm {
    Operators,  // every column, each followed by ";"; rows with a first column
    Joined,     // columns from the first data column to the last, joined by ";"
    Test,       // its first three columns joined
    LevelsNo,   // every column but the last followed by ";", then the stored flag
    LabelledNo, // columns 1 to next-to-last followed by ";", then the stored flag
    Captioned,  // columns 1 to the last, joined
    Zones,      // the first three columns, each followed by ";"; up to an empty row
    Door,       // the stored output flag, ";", columns 2 to the last joined
    PanelEvent, // columns 1 to the last, joined; up to an empty row
};

RowForm rowForm(QStringView name)
{
    static const QHash<QString, RowForm> forms = {
        {QStringLiteral("SGOperadores"), RowForm::Operators},
        {QStringLiteral("SGCra"), RowForm::Joined},
        {QStringLiteral("SGEntradesOpc"), RowForm::Joined},
        {QStringLiteral("SGSortidesOpc"), RowForm::Joined},
        {QStringLiteral("SGInici"), RowForm::Joined},
        {QStringLiteral("SGTestOpc"), RowForm::Joined},
        {QStringLiteral("SGTamperOpc"), RowForm::Joined},
        {QStringLiteral("SGAlimOpc"), RowForm::Joined},
        {QStringLiteral("SGBCApp"), RowForm::Joined},
        {QStringLiteral("SGTest"), RowForm::Test},
        {QStringLiteral("SGTamper"), RowForm::LevelsNo},
        {QStringLiteral("SGAlim"), RowForm::LevelsNo},
        {QStringLiteral("SGEntrades"), RowForm::LabelledNo},
        {QStringLiteral("SGSortides"), RowForm::LabelledNo},
        {QStringLiteral("SGSortidesTemps"), RowForm::LabelledNo},
        {QStringLiteral("SGSortidesEnt"), RowForm::LabelledNo},
        {QStringLiteral("SGPerduaCOM"), RowForm::Captioned},
        {QStringLiteral("SGCentralAgui"), RowForm::Captioned},
        {QStringLiteral("SGLlistatZonesAgui"), RowForm::Zones},
        {QStringLiteral("SGBoto1"), RowForm::Door},
        {QStringLiteral("SGBoto2"), RowForm::Door},
        {QStringLiteral("SGBoto3"), RowForm::Door},
        {QStringLiteral("SGBoto4"), RowForm::Door},
    };
    return forms.value(name.toString(), RowForm::PanelEvent);
}

int firstColumn(RowForm f)
{
    switch (f) {
    case RowForm::LabelledNo:
    case RowForm::Captioned:
    case RowForm::Door:
    case RowForm::PanelEvent:
        return 1;
    default:
        return 0;
    }
}

int lastColumn(const GridModel &g, RowForm f)
{
    return f == RowForm::Test || f == RowForm::Zones ? qMin(2, g.columns() - 1) : g.columns() - 1;
}

// Rows are written up to the first empty one.
bool upToEmpty(RowForm f)
{
    return f == RowForm::Zones || f == RowForm::Door || f == RowForm::PanelEvent;
}

// The module's own grids, in the order a template holds them.
const char *const kModuleGrids[] = {
    "SGOperadores", "SGCra", "SGEntrades", "SGEntradesOpc", "SGSortides", "SGSortidesTemps",
    "SGSortidesEnt", "SGSortidesOpc", "SGInici", "SGTest", "SGTestOpc", "SGTamper", "SGTamperOpc",
    "SGAlim", "SGAlimOpc", "SGPerduaCOM",
};

bool modulePage(QStringView page)
{
    return page == u"PConfig" || page == u"PConfigSoft" || page == u"PUsuari";
}

// The grids a template covers: the module's own, then those of the panel
// (or doors) page offered.
QList<GridModel *> templateGrids(const FieldModel &fields, const TemplateScope &scope)
{
    QList<GridModel *> grids;
    for (const char *name : kModuleGrids)
        if (GridModel *g = fields.grid(QString::fromLatin1(name)))
            grids << g;
    const QString page = pageOfTab(scope.panelTab);
    if (page.isEmpty())
        return grids;
    for (GridModel *g : fields.PunterStringGrid())
        if (g->design().page == page && g->Tag > 0 && !grids.contains(g))
            grids << g;
    return grids;
}

// An edit box of the panel or doors pages belongs to a template only while
// its page is offered; EMAC is the module's own and never written.
bool editInScope(const EditField &e, const TemplateScope &scope)
{
    if (e.name() == u"EMAC" || e.Tag <= 0)
        return false;
    return modulePage(e.page()) || e.page() == pageOfTab(scope.panelTab);
}

// The door timing edits 2 and 3 of a button travel with its first.
bool doorTimingFollower(const EditField &e)
{
    return e.name().startsWith(u"ETActivatB") || e.name().startsWith(u"ETDesactivantB");
}

QList<EditField *> doorTriple(const FieldModel &fields, const EditField &first)
{
    const QString n = first.name().mid(QStringLiteral("ETActivantB").size());
    return {fields.edit(QStringLiteral("ETActivantB") + n), fields.edit(QStringLiteral("ETActivatB") + n),
            fields.edit(QStringLiteral("ETDesactivantB") + n)};
}

bool isNumber(const QString &text)
{
    bool ok = false;
    text.toLongLong(&ok);
    return ok;
}

// The panel type a template carries: the module's panel name when one is
// attached, else the panel box's text; "Estandar" without a panel.
QString panelValue(const FieldModel &fields, const TemplateScope &scope)
{
    if (!scope.central.isEmpty())
        return scope.central;
    const EditField *e = fields.edit(u"ECentral");
    const QString text = e ? e->text() : QString();
    if (text.isEmpty() || (isNumber(text) && text.toLongLong() == 0))
        return QStringLiteral("Estandar");
    return text;
}

// A cell as the template writes it: check-box cells as their stored flag.
QString cellText(const GridModel &g, int column, int row)
{
    if (g.design().checkColumns.contains(column))
        return normaliseFlag(g.stored(column, row));
    return recordFieldText(g.cell(column, row));
}

QString rowValue(const GridModel &g, int row, RowForm f)
{
    const int first = firstColumn(f);
    const int last = lastColumn(g, f);
    QString v;
    auto joined = [&](int from, int to) {
        QStringList parts;
        for (int c = from; c <= to; ++c)
            parts << cellText(g, c, row);
        return parts.join(u';');
    };
    auto trailing = [&](int from, int to) {
        QString s;
        for (int c = from; c <= to; ++c)
            s += cellText(g, c, row) + u';';
        return s;
    };
    switch (f) {
    case RowForm::Operators:
    case RowForm::Zones:
        return trailing(first, last);
    case RowForm::LevelsNo:
    case RowForm::LabelledNo:
        return trailing(first, last - 1) + cellText(g, last, row);
    case RowForm::Door:
        return cellText(g, 1, row) + u';' + joined(2, last);
    default:
        return joined(first, last);
    }
}

// The row holds nothing but its label and flags.
bool rowEmpty(const GridModel &g, int row, RowForm f)
{
    for (int c = firstColumn(f); c <= lastColumn(g, f); ++c) {
        if ((c == 0 && g.hasFixedColumn()) || g.design().checkColumns.contains(c))
            continue;
        if (!g.cell(c, row).isEmpty())
            return false;
    }
    return true;
}

bool rowChanged(const GridModel &g, int row, RowForm f)
{
    for (int c = firstColumn(f); c <= lastColumn(g, f); ++c)
        if (g.cellDiffers(c, row) || g.marker(c, row) == GridModel::kMarkerChanged
            || (g.flagWord(c, row) & 2))
            return true;
    return false;
}

QList<int> rowsWritten(const GridModel &g, RowForm f)
{
    QList<int> rows;
    for (int r = 1; r <= g.dataRows(); ++r) {
        if (upToEmpty(f) && rowEmpty(g, r, f))
            break;
        if (f == RowForm::Operators && g.cell(0, r).isEmpty())
            continue;
        rows << r;
    }
    return rows;
}

// The value of a row from a template goes into its cells, marked as changed;
// check-box cells take the flag as the editor does when ticked.
void fillRow(GridModel &g, int row, const QString &value, RowForm f)
{
    const QStringList fields = value.split(u';');
    const int first = firstColumn(f);
    for (int c = first; c <= lastColumn(g, f); ++c) {
        if (c == 0 && g.hasFixedColumn())
            continue;
        const QString text = fields.value(c - first);
        if (g.design().checkColumns.contains(c)) {
            const QString flag = normaliseFlag(text);
            g.setCell(c, row, flag);
            g.setStored(c, row, flag);
            g.setFlagWord(c, row, (flag == u"1" ? 1 : 0) | 2);
        } else {
            g.setCell(c, row, recordFieldText(text));
        }
        g.setMarker(c, row, GridModel::kMarkerChanged);
    }
}

void markChanged(FieldModel &fields, BoundField &f)
{
    if (!f.isChangedMark())
        ++fields.ncampsModificats;
    f.setColour(FieldColour::Changed);
    f.setEnabled(true);
}

// Each control of a table whose key the template holds takes its value
// (when apply accepts it) and is marked as changed.
template <typename Field, typename Apply>
void applySingles(FieldModel &fields, const QList<Field *> &table, const TemplateContent &content,
                  TemplateApply &result, Apply apply)
{
    for (Field *c : table) {
        const std::optional<QString> v = c->Tag > 0 ? content.value(QString::number(c->Tag)) : std::nullopt;
        if (!v || !apply(*c, *v))
            continue;
        markChanged(fields, *c);
        ++result.applied;
    }
}

// The module's panel and the template's must go together.
bool panelsMatch(const QString &central, const QString &tplPanel)
{
    if (central.isEmpty())
        return tplPanel.contains(u"Estandar");
    return central.contains(tplPanel) || !tplPanel.contains(u"AE/SA") || central.contains(u"AE/SA")
           || central.contains(u"AGE");
}

} // namespace

QString templateRowKey(const GridModel &g, int row)
{
    const int number = g.Tag + row - 1;
    if (g.design().binding == GridBinding::DoorButton)
        return QStringLiteral("40") + QString::number(number - 4000, 16).toUpper();
    // Event texts of the panels whose records run in hexadecimal from 9601.
    if (isPanelEventGrid(g.name()) && g.Tag == 9601)
        return QStringLiteral("96") + QStringLiteral("%1").arg(row, 2, 16, QChar(u'0')).toUpper();
    return QString::number(number);
}

namespace {

// A row whose key is also the number of a single field of its page (row 50
// of the Zafir grid and the bus address are both 9750) goes under its record
// code in eight digits, a key no field has, so neither takes the other's value.
QString rowKey(const FieldModel &fields, const GridModel &g, int row)
{
    const QString key = templateRowKey(g, row);
    bool ok = false;
    const int number = key.toInt(&ok);
    if (!ok)
        return key;
    auto taken = [&](const auto &table) {
        for (const BoundField *f : table)
            if (f->Tag == number && f->page() == g.design().page)
                return true;
        return false;
    };
    if (taken(fields.PunterEdit()) || taken(fields.PunterCheckBox())
        || taken(fields.PunterCheckListBox()) || taken(fields.PunterComboBox()))
        return g.recordCode(row).rightJustified(8, u'0');
    return key;
}

} // namespace

QList<TemplateEntry> templateEntries(const FieldModel &fields, const TemplateScope &scope, bool partial)
{
    QList<TemplateEntry> out;
    auto add = [&out](int number, const QString &value, const QString &comment) {
        out << TemplateEntry{QString::number(number), value, comment};
    };

    for (const EditField *e : fields.PunterEdit()) {
        if (!editInScope(*e, scope) || doorTimingFollower(*e))
            continue;
        if (e->name() == u"ECentral") {
            add(e->Tag, panelValue(fields, scope), e->name());
            continue;
        }
        if (e->name().startsWith(u"ETActivantB")) {
            QStringList parts;
            bool changed = false;
            for (const EditField *t : doorTriple(fields, *e)) {
                parts << (t ? t->text() : QString());
                changed = changed || (t && t->isChangedMark());
            }
            if (!partial || changed)
                add(e->Tag, parts.join(u';'), e->name());
            continue;
        }
        if (!partial || e->isChangedMark())
            add(e->Tag, e->text(), e->name());
    }
    for (const ComboBoxField *c : fields.PunterComboBox())
        if (c->Tag > 0 && (!partial || c->isChangedMark()))
            add(c->Tag, c->items().value(c->currentIndex()), c->name());
    for (const CheckBoxField *c : fields.PunterCheckBox())
        if (c->Tag > 0 && (!partial || c->isChangedMark()))
            add(c->Tag, c->value(), c->name());
    for (const CheckListField *c : fields.PunterCheckListBox())
        if (c->Tag > 0 && (!partial || c->isChangedMark()))
            add(c->Tag, c->value(), c->name());

    for (const GridModel *g : templateGrids(fields, scope)) {
        const RowForm f = rowForm(g->name());
        for (int r : rowsWritten(*g, f)) {
            if (partial && !rowChanged(*g, r, f))
                continue;
            out << TemplateEntry{rowKey(fields, *g, r), rowValue(*g, r, f),
                                 g->name() + u' ' + QString::number(r)};
        }
    }
    return out;
}

TemplateApply applyTemplate(FieldModel &fields, const TemplateContent &content, const TemplateScope &scope)
{
    TemplateApply result;
    const std::optional<QString> panel = content.value(kPanelKey);
    if (!panel) {
        result.title = QStringLiteral("ERROR");
        result.message = Templates::tr("Esta plantilla no es correcta");
        return result;
    }
    if (scope.moduleLinked && !panelsMatch(scope.central, *panel)) {
        result.title = QStringLiteral("ERROR");
        result.message = Templates::tr("El tipo de central de la plantilla y del equipo no coinciden");
        return result;
    }

    for (EditField *e : fields.PunterEdit()) {
        if (!editInScope(*e, scope) || doorTimingFollower(*e) || e->name() == u"ECentral")
            continue;
        const std::optional<QString> v = content.value(QString::number(e->Tag));
        if (!v)
            continue;
        if (e->name().startsWith(u"ETActivantB")) {
            const QStringList parts = v->split(u';');
            const QList<EditField *> triple = doorTriple(fields, *e);
            for (int i = 0; i < triple.size(); ++i) {
                if (!triple[i])
                    continue;
                triple[i]->setText(parts.value(i));
                markChanged(fields, *triple[i]);
            }
            ++result.applied;
            continue;
        }
        e->setText(*v);
        markChanged(fields, *e);
        ++result.applied;
    }
    applySingles(fields, fields.PunterComboBox(), content, result, [](ComboBoxField &c, const QString &v) {
        const int index = int(c.items().indexOf(v));
        if (index >= 0)
            c.setCurrentIndex(index);
        return index >= 0;
    });
    applySingles(fields, fields.PunterCheckBox(), content, result, [](CheckBoxField &c, const QString &v) {
        c.setChecked(v == u"1");
        return true;
    });
    applySingles(fields, fields.PunterCheckListBox(), content, result, [](CheckListField &c, const QString &v) {
        for (int i = 0; i < c.items().size(); ++i)
            c.setChecked(i, i < v.size() && v.at(i) == u'1');
        return true;
    });

    for (GridModel *g : templateGrids(fields, scope)) {
        const RowForm f = rowForm(g->name());
        QList<QPair<int, QString>> rows;
        for (int r = 1; r <= g->dataRows(); ++r)
            if (const std::optional<QString> v = content.value(rowKey(fields, *g, r)))
                rows << qMakePair(r, *v);
        if (rows.isEmpty())
            continue;
        // A panel's or the doors' list is replaced as a whole.
        if (!modulePage(g->design().page) && g->name() != u"SGBCApp")
            g->clear();
        for (const auto &[r, v] : std::as_const(rows)) {
            fillRow(*g, r, v, f);
            ++fields.ncampsModificats;
            ++result.applied;
        }
        if (!content.partial)
            g->setColour(FieldColour::Changed);
    }
    result.ok = true;
    return result;
}

} // namespace velmar
