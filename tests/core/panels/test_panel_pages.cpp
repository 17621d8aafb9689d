// The panels' programming pages as data: their forms bound through the field
// model, and the read and write cycles working on them unchanged.
#include "core/panels/PanelCatalogue.h"
#include "core/panels/PanelPages.h"
#include "core/programming/GridRecords.h"

#include "core/programming/Rig.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::panels;
using velmar::test::Rig;

namespace {

// A rig whose panel grids carry their pages' headings and captions, with a
// panel attached and its page shown.
struct PanelRig : Rig {
    explicit PanelRig(const char *central, const char *tab)
    {
        state.central = QString::fromLatin1(central);
        installPageForms(fields, state.central);
        view.setCurrentTab(QString::fromLatin1(tab));
    }

    // Runs the page read, answering every single request with `single` and
    // every block request with `dump`; returns the requests in order.
    QStringList readPage(const QMap<QString, QByteArray> &single, const QByteArray &dump)
    {
        QStringList asked;
        reader.BBLlegirPagClick();
        for (int guard = 0; guard < 40; ++guard) {
            reader.TimerLlegirTimer();
            const QStringList words = sent();
            if (words.isEmpty())
                continue;
            asked << words;
            const QString code = words.last().mid(3);
            if (code == u"vEr")
                break;
            if (code.endsWith(u"xx")) {
                reply((dump + "+" + code.toLatin1() + ":Ok\r\n").constData());
                continue;
            }
            reply(("+" + code.toLatin1() + ":" + single.value(code) + "\r\n").constData());
        }
        return asked;
    }
};

TEST(PanelPages, EveryFormIsBoundThroughTheFieldModel)
{
    Rig r;
    for (const PanelPageForm &f : pageForms()) {
        const QString page = pageOf(QString::fromLatin1(f.tab));
        const auto boxOn = [&](const char *name, int number) {
            const EditField *e = r.edit(name);
            ASSERT_NE(e, nullptr) << name;
            EXPECT_EQ(e->page(), page) << name;
            EXPECT_EQ(e->Tag, number) << name;
        };
        boxOn(f.baudEdit, 1500);
        if (*f.fileEdit)
            boxOn(f.fileEdit, qstrcmp(f.tab, "TSCentralAguilera") == 0 ? 9000 : 9500);
        if (*f.addressEdit)
            boxOn(f.addressEdit, 9750);
        if (*f.grid) {
            const GridModel *g = r.grid(f.grid);
            ASSERT_NE(g, nullptr) << f.grid;
            EXPECT_EQ(g->design().page, page);
            EXPECT_EQ(g->design().panelTab, QLatin1String(f.tab));
            EXPECT_EQ(g->columns(), f.form == EventForm::Captioned ? 6 : 7) << f.grid;
            EXPECT_EQ(g->design().labels == RowLabels::Numbers, f.form == EventForm::Numbered) << f.grid;
        }
    }
    // Every page of the catalogue has a form, the doors' page its own.
    for (const PanelModel &m : catalogue()) {
        if (*m.tab && qstrcmp(m.tab, "TSPortes") != 0) {
            EXPECT_NE(pageForm(QString::fromLatin1(m.tab)), nullptr) << m.tab;
        }
    }
}

TEST(PanelPages, GridsCarryTheirPagesHeadingsAndCaptions)
{
    Rig r;
    installPageForms(r.fields, u"Urano");
    const struct {
        const char *grid;
        int row;
        const char *caption;
    } captions[] = {
        {"SGCentralAgui", 1, "Alarma"},
        {"SGCentralAgui", 9, " Fallo de tierra"},
        {"SGCentralCofem", 15, "Relé Aborto"},
        {"SGCentralCofem", 29, " Avería batería descargada"},
        {"SGCentralUrano", 10, " Sirenas fallo/anuladas"},
        {"SGCentralZafir", 14, "Avería comunicación Módulo 'Remote'"},
        {"SGCentralZafir", 42, " Zona anulada"},
        {"SGCentralZafir", 43, ""},
        {"SGCentralBC600", 255, "255"},
        {"SGCentralAD600", 74, "74"},
    };
    for (const auto &c : captions) {
        EXPECT_EQ(r.grid(c.grid)->cell(0, c.row), QString::fromUtf8(c.caption)) << c.grid << " " << c.row;
        EXPECT_EQ(r.grid(c.grid)->stored(0, c.row), QString::fromUtf8(c.caption)) << c.grid;
    }
    const QStringList six = {"", "App", "SMS", "EMail", "Código CID", "Texto del mensaje"};
    const QStringList seven = {"N.", "Tipo evento", "App", "SMS", "EMail", "Código CID",
                               "Texto del mensaje"};
    for (int c = 0; c < 7; ++c) {
        if (c < 6) {
            EXPECT_EQ(r.grid("SGCentralCofem")->heading(c), six[c]);
        }
        EXPECT_EQ(r.grid("SGCentralID3000")->heading(c), seven[c]);
        EXPECT_EQ(r.grid("SGCentralZafir")->heading(c), c == 0 ? QString() : seven[c]);
    }

    // A Komttech names Urano's row 10 otherwise, and a Urano again as before;
    // nothing read into the grid is lost by the change.
    r.grid("SGCentralUrano")->load(4, 3, QStringLiteral("1373"));
    refreshCaptions(r.fields, u"Komttech");
    EXPECT_EQ(r.grid("SGCentralUrano")->cell(0, 10), QStringLiteral(" Av. sirenas anuladas"));
    refreshCaptions(r.fields, u"Urano");
    EXPECT_EQ(r.grid("SGCentralUrano")->cell(0, 10), QStringLiteral(" Sirenas fallo/anuladas"));
    EXPECT_EQ(r.grid("SGCentralUrano")->cell(4, 3), QStringLiteral("1373"));
    EXPECT_FALSE(r.grid("SGCentralUrano")->cellDiffers(0, 10));
}

TEST(PanelPages, EventKindsArePaddedToTheirPagesWidth)
{
    const struct {
        const char *grid;
        const char *central;
        const char *kind;
    } cases[] = {
        {"SGCentralBC600", "BC600", "0005"},
        {"SGCentralBC600", "BC216", "05"},
        {"SGCentralBC600", "BC600 v2", "05"}, // exactly "BC600" only
        {"SGCentralID3000", "ID3000", "0005"},
        {"SGCentralSupra", "Komttech", "005"},
        {"SGCentralSyncro", "Syncro", "05"},
        {"SGCentralZafir", "Cofem-A", "5"},
    };
    for (const auto &c : cases) {
        Rig r;
        GridModel &g = *r.grid(c.grid);
        const auto cols = decodeRecord(g.name(), g.hasFixedColumn(), g.columns(),
                                       QStringLiteral("5:0;1;0;63100112;Sirena activa/Sirena parada"), g.Tag);
        ASSERT_TRUE(cols);
        loadRecord(g, 1, *cols, QString::fromLatin1(c.central));
        EXPECT_EQ(r.row(c.grid, 1, 1), QStringList({c.kind, "0", "1", "0", "63100112",
                                                    "Sirena activa/Sirena parada"}))
            << c.grid << " " << c.central;
    }
}

TEST(PanelPages, PageReadAsksForTheEventBlockAsOneDump)
{
    const struct {
        const char *central;
        const char *tab;
        const char *grid;
        QStringList asked;
        QByteArray dump;
        int row;
        QStringList cells; // from column 1
    } cases[] = {
        {"BC600", "TSCentralBC600", "SGCentralBC600",
         {"vm+9500", "vm+1500", "vm+96xx", "vm+1141", "vm+vEr"},
         "+9601:245:0;1;0;63100112;Sirena activa/Sirena parada\r\n+96FF:7:1;1;1;1110;Fin\r\n", 255,
         {"0007", "1", "1", "1", "1110", "Fin"}},
        {"Cofem CLVR", "TSCentralCofem", "SGCentralCofem",
         {"vm+1500", "vm+9750", "vm+9500", "vm+97xx", "vm+vEr"},
         "+971D:1;0;0;1302;Bateria descargada/Bateria bien\r\n+9750:0A\r\n", 29,
         {"1", "0", "0", "1302", "Bateria descargada/Bateria bien"}},
        {"Syncro", "TSCentralSyncro", "SGCentralSyncro",
         {"vm+1500", "vm+9500", "vm+96xx", "vm+vEr"},
         "+9610:33:2;0;4;1110;Fuego/Fin de fuego\r\n", 16,
         {"33", "2", "0", "4", "1110", "Fuego/Fin de fuego"}},
        {"Komttech", "TSCentralSupra", "SGCentralSupra",
         {"vm+1500", "vm+9500", "vm+97xx", "vm+vEr"},
         "+978B:1:0;0;0;;\r\n+9792:2:1;1;1;;\r\n", 43, {"001", "0", "0", "0", "", ""}},
    };
    for (const auto &c : cases) {
        PanelRig r(c.central, c.tab);
        const QStringList asked = r.readPage({{"1141", "1"}, {"9750", "0A"}}, c.dump);
        EXPECT_EQ(asked, c.asked) << c.tab;
        EXPECT_EQ(r.row(c.grid, c.row, 1), c.cells) << c.tab;
        EXPECT_FALSE(r.view.busy());
    }
}

TEST(PanelPages, EraseCommandsCoverExactlyTheEventBlock)
{
    Rig r;
    const struct {
        const char *grid;
        QStringList commands;
    } cases[] = {
        {"SGCentralBC600", {"vm+96xx=0"}},
        {"SGCentralCofem", {"vm+970x=0", "vm+971x=0"}},
        {"SGCentralUrano", {"vm+976x=0"}},
        {"SGCentralSupra", {"vm+976x=0", "vm+977x=0", "vm+978x=0", "vm+979x=0"}},
        {"SGCentralZafir", {"vm+970x=0", "vm+971x=0", "vm+972x=0", "vm+973x=0"}},
        {"SGCentralAD600", {"vm+960x=0", "vm+961x=0", "vm+962x=0", "vm+963x=0", "vm+964x=0"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(eventBlockErase(*r.grid(c.grid)), c.commands) << c.grid;
    // No erase reaches the page's address (9750) or file name (9500).
    for (const PanelPageForm &f : pageForms()) {
        if (!*f.grid)
            continue;
        for (const QString &cmd : eventBlockErase(*r.grid(f.grid))) {
            const QString pattern = cmd.mid(3, 4);
            for (const char *kept : {"9750", "9500", "1500"}) {
                bool hit = true;
                for (int i = 0; i < 4; ++i)
                    hit = hit && (pattern.at(i) == u'x' || pattern.at(i) == QLatin1Char(kept[i]));
                EXPECT_FALSE(hit) << f.grid << " " << qPrintable(cmd) << " " << kept;
            }
        }
    }
}

TEST(PanelPages, PageWriteOfAWhollyChangedGridErasesItsBlockFirst)
{
    PanelRig r("Cofem CLVR", "TSCentralCofem");
    GridModel &g = *r.grid("SGCentralCofem");
    g.setCell(4, 2, QStringLiteral("1140"));
    g.setColour(FieldColour::Changed); // an imported list replaces the module's
    r.writer.BBGravarPagClick();
    r.scheduler.advance(0);
    EXPECT_EQ(r.sent(), QStringList({"vm+inf", "vm+970x=0"}));
    // The module acknowledges each erase; the write goes on regardless.
    r.reply("+970x:Erased\r\n");
    r.scheduler.advance(300);
    EXPECT_EQ(r.sent(), QStringList({"vm+971x=0"}));
    r.reply("+971x:Erased\r\n");
    EXPECT_TRUE(r.writer.running());
    r.scheduler.advance(300);
    EXPECT_TRUE(r.writer.timerActive());
    // Then the changed row, and the write ends as usual.
    QStringList written;
    for (int guard = 0; guard < 10 && written.isEmpty(); ++guard) {
        r.writer.TimerGravarTimer();
        written = r.sent();
    }
    EXPECT_EQ(written, QStringList{"vm+9702=;;;1140;"});
    r.reply("+9702:;;;1140;\r\n");
    QStringList rest;
    for (int guard = 0; guard < 10 && r.writer.running(); ++guard) {
        r.writer.TimerGravarTimer();
        rest << r.sent();
    }
    EXPECT_EQ(rest, QStringList{"vm+vEr"});
    EXPECT_FALSE(g.cellDiffers(4, 2));
}

TEST(PanelPages, PageWriteOfChangedRowsOnlyErasesNothing)
{
    PanelRig r("BC600", "TSCentralBC600");
    GridModel &g = *r.grid("SGCentralBC600");
    g.setCell(6, 3, QStringLiteral("Texto nuevo"));
    r.writer.BBGravarPagClick();
    EXPECT_EQ(r.sent(), QStringList({"vm+inf"}));
    EXPECT_TRUE(r.writer.timerActive());
}

TEST(PanelPages, AddressFieldsTakeTwoHexadecimalDigits)
{
    const struct {
        QChar key;
        bool backspace;
        bool accepted;
    } keys[] = {{u'7', false, true}, {u'a', false, true}, {u'F', false, true},
                {u'g', false, false}, {u' ', false, false}, {QChar(), true, true}};
    for (const auto &k : keys)
        EXPECT_EQ(hexaKeyAccepted(k.key, k.backspace), k.accepted) << int(k.key.unicode());
    EXPECT_EQ(padAddress(QStringLiteral("7")), QStringLiteral("07"));
    EXPECT_EQ(padAddress(QStringLiteral("1F")), QStringLiteral("1F"));
    EXPECT_EQ(padAddress(QString()), QString());
}

} // namespace
