#include "core/programming/PageLayout.h"

#include "core/panels/PanelPages.h"
#include "core/params/FieldModel.h"

namespace velmar {

namespace {

// The user tab holds its grids in three sections; each section's grids are
// read as block dumps, the first of each block asking for the whole block.
QList<PageChild> userSections()
{
    auto section = [](const char *name, QStringList grids) {
        PageChild c;
        c.kind = PageChild::Kind::Section;
        c.name = QString::fromLatin1(name);
        c.grids = std::move(grids);
        return c;
    };
    return {
        section("PEntrades", {QStringLiteral("SGEntrades"), QStringLiteral("SGEntradesOpc")}),
        section("PSortides", {QStringLiteral("SGSortides"), QStringLiteral("SGSortidesTemps"),
                              QStringLiteral("SGSortidesEnt"), QStringLiteral("SGSortidesOpc")}),
        section("PSistema", {QStringLiteral("SGInici"), QStringLiteral("SGTest"),
                             QStringLiteral("SGTamper"), QStringLiteral("SGAlim"),
                             QStringLiteral("SGTestOpc"), QStringLiteral("SGTamperOpc"),
                             QStringLiteral("SGAlimOpc"), QStringLiteral("SGPerduaCOM")}),
    };
}

template <typename List>
void addControls(QList<PageChild> &children, const List &list, QStringView page)
{
    for (const auto *f : list) {
        if (f->page() != page)
            continue;
        PageChild c;
        c.name = f->name();
        children << c;
    }
}

} // namespace

QString pageOfTab(QStringView tab)
{
    if (tab == u"TSConfiguracio")
        return QStringLiteral("PConfig");
    if (tab == u"TSConfigSoft")
        return QStringLiteral("PConfigSoft");
    if (tab == u"TSUsuari")
        return QStringLiteral("PUsuari");
    if (tab == u"TSPortes")
        return QStringLiteral("PPortes");
    if (tab.startsWith(u"TSCentral"))
        return QStringLiteral("P") + tab.sliced(2).toString();
    return QString();
}

QList<PageChild> pageChildren(const FieldModel &fields, QStringView page)
{
    if (page == u"PUsuari")
        return userSections();
    QList<PageChild> children;
    addControls(children, fields.PunterEdit(), page);
    addControls(children, fields.PunterComboBox(), page);
    addControls(children, fields.PunterCheckListBox(), page);
    addControls(children, fields.PunterCheckBox(), page);
    // A panel's event grid sits in a panel of its own: it is read as a dump
    // of its block, not as one record. The bridged panel's page reads its
    // whole 9xxx range at its end instead.
    const panels::PanelPageForm *form = page == u"PCentralAguilera" ? nullptr : panels::formOfPage(page);
    for (const GridModel *g : fields.PunterStringGrid()) {
        if (g->design().page != page)
            continue;
        PageChild c;
        c.name = g->name();
        if (form && g->name() == QLatin1String(form->grid)) {
            c.kind = PageChild::Kind::Section;
            c.name = page.toString() + QStringLiteral("Eventos");
            c.grids = {g->name()};
        }
        children << c;
    }
    return children;
}

void clearPageForRead(FieldModel &fields, QStringView page)
{
    auto clearEdits = [&](bool keepApp) {
        for (EditField *e : fields.PunterEdit()) {
            if (e->page() != page || (keepApp && e->name().contains(QLatin1String("EApp"))))
                continue;
            e->setText(QString());
            e->setStore(QString());
            e->setColour(e->normalColour());
        }
    };

    if (page == u"PConfig") {
        clearEdits(false);
        for (CheckListField *l : fields.PunterCheckListBox())
            if (l->page() == page)
                l->uncheckAll();
        fields.Esborra_operadores();
    } else if (page == u"PConfigSoft") {
        clearEdits(true);
        fields.Esborra_Cra();
    } else if (page == u"PUsuari") {
        fields.Esborra_entrades();
        fields.Esborra_sortides();
        fields.Esborra_Tamper();
        fields.Esborra_Alim();
        fields.Esborra_Inici();
        fields.Esborra_Test();
        fields.Esborra_PerduaCOM();
    } else {
        clearEdits(false);
        for (GridModel *g : fields.PunterStringGrid())
            if (g->design().page == page && g->Tag > 0)
                g->clear();
    }
}

} // namespace velmar
