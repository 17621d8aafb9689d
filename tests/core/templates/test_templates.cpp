// Templates of the screen: what a saved template holds, and how loading one
// marks the fields that the next write sends.
#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"
#include "core/templates/Templates.h"

#include "support/PanelPages.h"

#include <QHash>

#include <gtest/gtest.h>

#include <utility>

using namespace velmar;

namespace {

class Templates : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogue.Llegir_parametres());
        for (FieldModel *m : {&a, &b}) {
            ASSERT_EQ(m->InicialitzaPunters(catalogue), QStringList());
            m->Esborra_param();
        }
    }

    // A value as the read cycle leaves it: shown and stored, not marked.
    static void readEdit(FieldModel &m, const char *name, const QString &v)
    {
        EditField *e = m.edit(QString::fromLatin1(name));
        e->setText(v);
        e->setStore(v);
    }
    static void readRow(FieldModel &m, const char *grid, int row, const QStringList &cells)
    {
        GridModel *g = m.grid(QString::fromLatin1(grid));
        for (int c = 0; c < cells.size(); ++c) {
            g->load(c, row, cells[c]);
            if (g->design().checkColumns.contains(c))
                g->setFlagWord(c, row, cells[c] == u"1" ? 1 : 0);
        }
    }
    static QStringList row(FieldModel &m, const char *grid, int r)
    {
        QStringList cells;
        GridModel *g = m.grid(QString::fromLatin1(grid));
        for (int c = 0; c < g->columns(); ++c)
            cells << g->cell(c, r);
        return cells;
    }
    static TemplateContent content(const QList<TemplateEntry> &entries, bool partial = false)
    {
        const TemplateRead r = parseTemplate(encodeTemplate(partial, entries));
        EXPECT_TRUE(r.content) << r.error.toStdString();
        return r.content.value_or(TemplateContent());
    }
    static QStringList keys(const QList<TemplateEntry> &entries)
    {
        QStringList k;
        for (const TemplateEntry &e : entries)
            k << e.key;
        return k;
    }

    ParamCatalogue catalogue;
    FieldModel a;
    FieldModel b;
};

TEST_F(Templates, ACompleteTemplateCarriesTheScreenToAnotherAndMarksAllOfIt)
{
    readEdit(a, "EProgEmpresa", QStringLiteral("Velmar; Ñandú"));
    readEdit(a, "EProgRef", QString());
    a.comboBox(u"CBHora")->setCurrentIndex(13);
    for (int i : {0, 2, 3})
        a.checkList(u"CLBPartsActives")->setChecked(i, true);
    a.checkBox(u"CBHexaCra")->setChecked(true);
    readRow(a, "SGOperadores", 2, {"Vodafone", "ac.vodafone.es", "vodafone", "vodafone"});
    readRow(a, "SGEntrades", 16, {"16", "Door", "10", "3", "1"});
    readRow(a, "SGSortides", 1, {"1", "0", "1", "0", "1", "0", "0", "0", "0", "0", "1"});
    readRow(a, "SGTamper", 1, {"Tamper", "93", "102", "30", "30", "1"});
    readRow(a, "SGPerduaCOM", 2, {"Pérdida ADSL", "1", "0", "1", "E350", "Fallo/Vuelta"});

    const QList<TemplateEntry> saved = templateEntries(a, {}, false);
    const QByteArray bytes = encodeTemplate(false, saved);
    const QString text = QString::fromLatin1(bytes);
    for (const char *line : {"1590=Estandar {", "102=Velmar; \xd1" "and\xfa {", "104= {", "120=(UTC+03:00)",
                             "106=1011 {", "1132=1 {", "8502=Vodafone;ac.vodafone.es;vodafone;vodafone; {",
                             "3016=Door;10;3;1 {", "3301=0;1;0;1;0;0;0;0;0;1 {",
                             "3503=Tamper;93;102;30;30;1 {", "3606=1;0;1;E350;Fallo/Vuelta {"})
        EXPECT_TRUE(text.contains(QLatin1String(line))) << line;
    EXPECT_FALSE(keys(saved).contains(QStringLiteral("200"))) << "EMAC is never written";
    EXPECT_FALSE(keys(saved).contains(QStringLiteral("8501"))) << "operator rows without a name";
    EXPECT_FALSE(keys(saved).contains(QStringLiteral("4040"))) << "doors page not offered";

    const TemplateApply applied = applyTemplate(b, content(saved), {});
    ASSERT_TRUE(applied.ok) << applied.message.toStdString();
    EXPECT_EQ(b.edit(u"EProgEmpresa")->text(), QStringLiteral("Velmar; Ñandú"));
    EXPECT_TRUE(b.edit(u"EProgEmpresa")->isChangedMark());
    EXPECT_FALSE(b.edit(u"ECentral")->isChangedMark()) << "the panel value only serves the check";
    EXPECT_EQ(b.comboBox(u"CBHora")->currentIndex(), 13);
    EXPECT_EQ(b.checkList(u"CLBPartsActives")->value(), QStringLiteral("1011"));
    EXPECT_TRUE(b.checkBox(u"CBHexaCra")->checked());
    EXPECT_TRUE(b.checkBox(u"CBHexaCra")->isChangedMark());
    EXPECT_EQ(row(b, "SGEntrades", 16), QStringList({"16", "Door", "10", "3", "1"}));
    EXPECT_TRUE(b.grid(u"SGEntrades")->normallyOpen(16));
    EXPECT_EQ(b.grid(u"SGEntrades")->marker(1, 16), GridModel::kMarkerChanged);
    EXPECT_EQ(b.grid(u"SGSortides")->stored(2, 1), QStringLiteral("1")) << "flags are sent from the store";
    EXPECT_EQ(b.grid(u"SGSortides")->flagWord(2, 1), 3);
    EXPECT_EQ(row(b, "SGPerduaCOM", 2).mid(1), QStringList({"1", "0", "1", "E350", "Fallo/Vuelta"}));
    EXPECT_EQ(b.grid(u"SGOperadores")->colour(), FieldColour::Changed);
    EXPECT_GT(b.ncampsModificats, 0);

    // Saved again, the loaded screen gives the same file.
    EXPECT_EQ(encodeTemplate(false, templateEntries(b, {}, false)), bytes);
}

TEST_F(Templates, RowKeysFollowTheGridsStyle)
{
    const struct {
        const char *grid;
        int row;
        const char *key;
    } cases[] = {
        {"SGCentralSyncro", 10, "960A"}, {"SGCentralBC600", 255, "96FF"}, {"SGCentralCofem", 10, "9710"},
        {"SGCentralUrano", 1, "9761"},   {"SGBoto1", 1, "4010"},          {"SGBoto4", 4, "401F"},
        {"SGEntrades", 16, "3016"},      {"SGOperadores", 16, "8516"},    {"SGAlim", 1, "3504"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(templateRowKey(*a.grid(QString::fromLatin1(c.grid)), c.row), QLatin1String(c.key)) << c.grid;
}

TEST_F(Templates, APartialTemplateHoldsOnlyWhatChanged)
{
    readRow(a, "SGOperadores", 2, {"Vodafone", "ac.vodafone.es", "", ""});
    readRow(a, "SGOperadores", 3, {"Orange", "orangeworld", "orange", "orange"});
    readEdit(a, "EProgEmpresa", QStringLiteral("Velmar"));
    readEdit(a, "EProgRef", QStringLiteral("Obra"));
    a.grid(u"SGOperadores")->setCell(1, 3, QStringLiteral("internet"));
    EditField *ref = a.edit(u"EProgRef");
    ref->setTextByUser(QStringLiteral("Obra 7"));
    a.EditChange(ref, {true, false});

    const QList<TemplateEntry> saved = templateEntries(a, {}, true);
    EXPECT_EQ(keys(saved), QStringList({"104", "1590", "8503"}));

    // Loaded as partial, the grid is not marked as a whole.
    const TemplateApply applied = applyTemplate(b, content(saved, true), {});
    ASSERT_TRUE(applied.ok);
    EXPECT_EQ(b.edit(u"EProgRef")->text(), QStringLiteral("Obra 7"));
    EXPECT_EQ(row(b, "SGOperadores", 3), QStringList({"Orange", "internet", "orange", "orange"}));
    EXPECT_EQ(b.grid(u"SGOperadores")->colour(), FieldColour::Window);
    EXPECT_EQ(b.edit(u"EProgEmpresa")->text(), QString());
}

TEST_F(Templates, TheTemplatesPanelMustSuitTheModule)
{
    const struct {
        bool linked;
        const char *central;
        const char *panel;
        bool ok;
    } cases[] = {
        {true, "", "Estandar", true},   {true, "", "BC600", false},       {true, "AGE44", "AE/SA", true},
        {true, "BC600", "AE/SA", false}, {true, "AE/SA-2", "AE/SA", true}, {true, "BC600", "BC600", true},
        {false, "", "AE/SA", true},
    };
    for (const auto &c : cases) {
        FieldModel m;
        ASSERT_EQ(m.InicialitzaPunters(catalogue), QStringList());
        readEdit(m, "EProgEmpresa", QStringLiteral("before"));
        const TemplateApply r = applyTemplate(
            m, content({{"1590", QLatin1String(c.panel), "ECentral"}, {"102", "after", "EProgEmpresa"}}),
            {QString(), QLatin1String(c.central), c.linked});
        EXPECT_EQ(r.ok, c.ok) << c.central << " / " << c.panel;
        if (c.ok)
            continue;
        EXPECT_EQ(r.message, QStringLiteral("El tipo de central de la plantilla y del equipo no coinciden"));
        EXPECT_EQ(m.edit(u"EProgEmpresa")->text(), QStringLiteral("before"));
        EXPECT_FALSE(m.edit(u"EProgEmpresa")->isChangedMark());
        EXPECT_EQ(m.ncampsModificats, 0);
    }

    const TemplateApply noPanel = applyTemplate(a, content({{"102", "after", "EProgEmpresa"}}), {});
    EXPECT_FALSE(noPanel.ok);
    EXPECT_EQ(noPanel.message, QStringLiteral("Esta plantilla no es correcta"));
    EXPECT_EQ(a.edit(u"EProgEmpresa")->text(), QString());
}

TEST_F(Templates, PanelAndDoorPagesGoOnlyWithTheirPageOffered)
{
    const TemplateScope doors{QStringLiteral("TSPortes"), QStringLiteral("Puertas"), true};
    const std::pair<const char *, const char *> edits[] = {
        {"ETActivantB1", "5"}, {"ETActivatB1", "10"}, {"ETDesactivantB1", "6"}, {"EAliesB1", "Garaje"}};
    for (const auto &[name, v] : edits)
        readEdit(a, name, QLatin1String(v));
    readRow(a, "SGBoto1", 1, {"1", "1", "3", "10", "20"});
    readRow(a, "SGBoto1", 2, {"2", "0", "4", "", ""});

    const QList<TemplateEntry> saved = templateEntries(a, doors, false);
    const QString text = QString::fromLatin1(encodeTemplate(false, saved));
    EXPECT_TRUE(text.contains(QLatin1String("\r\n4040=5;10;6 {"))) << qPrintable(text.left(2000));
    EXPECT_TRUE(text.contains(QLatin1String("\r\n4001=Garaje {")));
    EXPECT_TRUE(text.contains(QLatin1String("\r\n4010=1;3;10;20 {")));
    EXPECT_TRUE(text.contains(QLatin1String("\r\n4011=0;4;; {")));
    EXPECT_FALSE(keys(saved).contains(QStringLiteral("4012"))) << "door rows stop at the first empty one";
    EXPECT_FALSE(keys(saved).contains(QStringLiteral("9601"))) << "no other panel's list";

    readRow(b, "SGBoto1", 3, {"3", "1", "9", "9", "9"});
    ASSERT_TRUE(applyTemplate(b, content(saved), doors).ok);
    EXPECT_EQ(b.edit(u"ETActivatB1")->text(), QStringLiteral("10"));
    EXPECT_TRUE(b.edit(u"ETDesactivantB1")->isChangedMark());
    EXPECT_EQ(row(b, "SGBoto1", 1), QStringList({"1", "1", "3", "10", "20"}));
    EXPECT_EQ(b.grid(u"SGBoto1")->flagWord(1, 1), 3);
    EXPECT_EQ(row(b, "SGBoto1", 3).mid(2), QStringList({"", "", ""})) << "the door list is replaced";

    // The same file on a module whose page is a panel's leaves the doors alone.
    FieldModel c;
    ASSERT_EQ(c.InicialitzaPunters(catalogue), QStringList());
    ASSERT_TRUE(applyTemplate(c, content(saved), {QStringLiteral("TSCentralSyncro"), QStringLiteral("Syncro"), false}).ok);
    EXPECT_EQ(c.edit(u"ETActivatB1")->text(), QString());
    EXPECT_EQ(c.grid(u"SGBoto1")->cell(2, 1), QString());
}

// Every page offered, filled in full: no two entries share a key (a shared
// key gives both controls the first line's value), and the Zafir page's
// address and its grid's row 50, both number 9750, each come back as saved.
TEST_F(Templates, NoTwoControlsOfAPageShareAKey)
{
    for (EditField *e : a.PunterEdit())
        e->setText(e->name());
    for (GridModel *g : a.PunterStringGrid())
        for (int r = 1; r <= g->dataRows(); ++r)
            for (int c = 0; c < g->columns(); ++c)
                g->setCell(c, r, QString::number(r));
    for (const auto &[tab, central] : velmar::test::kPanelPages) {
        const TemplateScope scope{QLatin1String(tab), QLatin1String(central), true};
        QHash<QString, QString> owner;
        for (const TemplateEntry &e : templateEntries(a, scope, false)) {
            const QString key = e.key.toUpper();
            EXPECT_FALSE(owner.contains(key))
                << tab << ": " << key.toStdString() << " for " << owner.value(key).toStdString()
                << " and " << e.comment.toStdString();
            owner.insert(key, e.comment);
        }
    }

    const TemplateScope zafir{QStringLiteral("TSCentralZafir"), QStringLiteral("Cofem-A"), true};
    readEdit(a, "EAdrecaZafir", QStringLiteral("0A"));
    readRow(a, "SGCentralZafir", 50, {"", "245", "1", "0", "0", "63100112", "Fin/Vuelta"});
    const QList<TemplateEntry> saved = templateEntries(a, zafir, false);
    EXPECT_TRUE(keys(saved).contains(QStringLiteral("00009732"))) << "row 50 under its record code";
    EXPECT_EQ(keys(saved).count(QStringLiteral("9750")), 1);
    ASSERT_TRUE(applyTemplate(b, content(saved), zafir).ok);
    EXPECT_EQ(b.edit(u"EAdrecaZafir")->text(), QStringLiteral("0A"));
    EXPECT_EQ(row(b, "SGCentralZafir", 50).mid(1),
              QStringList({"245", "1", "0", "0", "63100112", "Fin/Vuelta"}));
}

} // namespace
