// The panels' event-text files: what an import puts into a page's grid and
// marks for the next write, what an export writes, and the erase commands.
#include "core/files/EventTextFile.h"
#include "core/params/GridModel.h"

#include "Pages.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::files;
using velmar::test::form;
using velmar::test::Pages;

namespace {

const QByteArray kHeading7 = "Tipo evento App SMS EMail C\xF3" "digo CID Texto del mensaje\r\n";
const QByteArray kSirena = "245 0 1 0 63100112 Sirena activa/Sirena parada\r\n";

struct ImportCase {
    const char *tab;
    const char *grid;
    QStringList row1; // from column 1
};

class EventImport : public ::testing::TestWithParam<ImportCase> {};

TEST_P(EventImport, RowsAreFilledAndMarkedForTheNextWrite)
{
    const ImportCase &c = GetParam();
    Pages p;
    GridModel &g = p.grid(c.grid);
    g.load(6, 9, QStringLiteral("left over"));
    const ParsedRows file = parseEventText(kHeading7 + kSirena, form(c.tab));
    ASSERT_TRUE(file.ok) << file.reason.toStdString();
    importEventText(p.fields, form(c.tab), file, QStringLiteral("eventos.txt"));

    EXPECT_EQ(p.row(c.grid, 1), c.row1);
    EXPECT_EQ(g.cell(6, 9), QString()) << "the grid is cleared first";
    EXPECT_EQ(g.colour(), FieldColour::Changed);
    EXPECT_EQ(p.fields.ncampsModificats, 2);
    for (int col = 1; col < g.columns(); ++col)
        EXPECT_EQ(g.marker(col, 1) == GridModel::kMarkerChanged, !c.row1.at(col - 1).isEmpty()) << col;
    const EditField *name = p.fields.edit(QString::fromLatin1(form(c.tab).fileEdit));
    EXPECT_EQ(name->text(), QStringLiteral("eventos.txt"));
    EXPECT_TRUE(name->isChangedMark());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, EventImport,
    ::testing::Values(
        ImportCase{"TSCentralID3000", "SGCentralID3000",
                   {"245", "", "1", "", "63100112", "Sirena activa/Sirena parada"}},
        // These two pages keep their zeros.
        ImportCase{"TSCentralSupra", "SGCentralSupra",
                   {"245", "0", "1", "0", "63100112", "Sirena activa/Sirena parada"}},
        ImportCase{"TSCentralDetnovCCD", "SGCentralDetnovCCD",
                   {"245", "0", "1", "0", "63100112", "Sirena activa/Sirena parada"}},
        // Four fields before the text on the six-column page.
        ImportCase{"TSCentralCofem", "SGCentralCofem",
                   {"245", "", "1", "", "63100112 Sirena activa/Sirena parada"}}),
    [](const auto &info) { return std::string(info.param.tab).substr(9); });

TEST(EventText, HeadingOnlyClearsAndLinesPastTheGridAreLeftOut)
{
    Pages p;
    GridModel &g = p.grid("SGCentralAD600"); // 74 rows
    g.load(1, 3, QStringLiteral("12"));
    importEventText(p.fields, form("TSCentralAD600"), parseEventText(kHeading7, form("TSCentralAD600")),
                    QStringLiteral("vacio.txt"));
    EXPECT_EQ(g.cell(1, 3), QString());
    EXPECT_EQ(p.fields.edit(u"EImportarFitxerAD600")->text(), QStringLiteral("vacio.txt"));

    QByteArray many = kHeading7;
    for (int i = 1; i <= 80; ++i)
        many += QByteArray::number(i) + " 1 1 1 0 texto " + QByteArray::number(i) + "\r\n";
    importEventText(p.fields, form("TSCentralAD600"), parseEventText(many, form("TSCentralAD600")),
                    QStringLiteral("largo.txt"));
    EXPECT_EQ(g.cell(6, 74), QStringLiteral("texto 74"));
}

TEST(EventText, MalformedFilesAreRefusedWhole)
{
    const auto &id3000 = form("TSCentralID3000");
    const QByteArray good = kHeading7 + kSirena;
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"four blanks", good + "245 0 1 0 63100112\r\n"},
        {"overlong text", good + "1 0 0 0 000 " + QByteArray(250, 'x') + "\r\n"},
        {"binary", good + QByteArray("\x01\x02\x03\xFF\0\0", 6)},
        {"empty", QByteArray()},
    };
    for (const auto &c : cases) {
        const ParsedRows r = parseEventText(c.bytes, id3000);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_FALSE(r.reason.isEmpty()) << c.what;
    }
    // Four blanks are enough on the six-column page.
    EXPECT_TRUE(parseEventText(good + "0 1 0 63100112 Sirena\r\n", form("TSCentralCofem")).ok);
}

TEST(EventText, ExportStopsAtThePagesEndOfListAndWritesEmptyCellsAsZeros)
{
    Pages p("ID3000");
    GridModel &g = p.grid("SGCentralID3000");
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 6; ++c)
            g.setCell(c, r, c == 1 ? QStringLiteral("000%1").arg(r) : c == 6 ? QStringLiteral("Uno dos / tres") : QString());
    g.setCell(5, 2, QStringLiteral("1A2B"));
    g.setCell(2, 3, QStringLiteral("4"));
    g.setCell(6, 6, QStringLiteral("after the end"));
    const QByteArray bytes = exportEventText(g, form("TSCentralID3000"));
    EXPECT_EQ(bytes, kHeading7 + "0001 0 0 0 000 Uno dos / tres\r\n"
                                 "0002 0 0 0 1A2B Uno dos / tres\r\n"
                                 "0003 4 0 0 000 Uno dos / tres\r\n"
                                 "0004 0 0 0 000 Uno dos / tres\r\n");

    // Imported again, the grid gives back the same file.
    Pages q("ID3000");
    importEventText(q.fields, form("TSCentralID3000"), parseEventText(bytes, form("TSCentralID3000")),
                    QStringLiteral("e.txt"));
    EXPECT_EQ(exportEventText(q.grid("SGCentralID3000"), form("TSCentralID3000")), bytes);

    // The AD300 page stops only at a missing kind; the Cofem page writes every row.
    GridModel &ad = p.grid("SGCentralAD300");
    ad.setCell(1, 1, QStringLiteral("0201"));
    EXPECT_EQ(exportEventText(ad, form("TSCentralAD300")).count("\r\n"), 2);
    EXPECT_EQ(exportEventText(p.grid("SGCentralCofem"), form("TSCentralCofem")).count("\r\n"), 30);
}

struct EraseCase {
    const char *tab;
    QStringList commands;
    QList<bool> pauses;
};

class EventErase : public ::testing::TestWithParam<EraseCase> {};

TEST_P(EventErase, TheFileNameAndTheWholeBlockOfThePage)
{
    const EraseCase &c = GetParam();
    Pages p;
    const auto &f = form(c.tab);
    QStringList commands;
    QList<bool> pauses;
    for (const EraseCommand &e : eventEraseCommands(p.grid(f.grid), f)) {
        commands << e.command;
        pauses << e.pauseBefore;
    }
    EXPECT_EQ(commands, c.commands);
    EXPECT_EQ(pauses, c.pauses);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, EventErase,
    ::testing::Values(
        EraseCase{"TSCentralBC600", {"vm+9500=", "vm+96xx=0"}, {false, false}},
        EraseCase{"TSCentralSyncro", {"vm+9500=", "vm+96xx=0"}, {false, false}},
        EraseCase{"TSCentralAD300", {"vm+9500=", "vm+970x=0", "vm+971x=0", "vm+972x=0", "vm+973x=0"},
                  {false, false, true, true, true}},
        EraseCase{"TSCentralAD600",
                  {"vm+9500=", "vm+960x=0", "vm+961x=0", "vm+962x=0", "vm+963x=0", "vm+964x=0", "vm+975x=0"},
                  {false, false, true, true, true, true, true}},
        EraseCase{"TSCentralJadeBird", {"vm+9500=", "vm+976x=0", "vm+977x=0", "vm+978x=0", "vm+979x=0", "vm+975x=0"},
                  {false, false, true, true, true, true}},
        EraseCase{"TSCentralCofem", {}, {}}, EraseCase{"TSCentralSupra", {}, {}}),
    [](const auto &info) { return std::string(info.param.tab).substr(9); });

} // namespace
