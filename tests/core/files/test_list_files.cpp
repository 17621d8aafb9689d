// The operator, phone and zone list files: round trips through the grids,
// files written on Windows, and the lines each format refuses.
#include "core/files/ListFiles.h"
#include "core/params/GridModel.h"

#include "Pages.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::files;
using velmar::test::Pages;

namespace {

void fill(GridModel &g, const QList<QStringList> &rows, int from = 0)
{
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows.at(r).size(); ++c)
            g.setCell(from + c, r + 1, rows.at(r).at(c));
}

QList<QStringList> gridRows(GridModel &g, int rows)
{
    QList<QStringList> out;
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        for (int c = 0; c < g.columns(); ++c)
            cells << g.cell(c, r);
        out << cells;
    }
    return out;
}

struct RoundTrip {
    ListKind kind;
    const char *grid;
    QList<QStringList> rows; // from column 0
    int lines;               // of the exported file
};

class ListRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(ListRoundTrip, ExportedAndImportedAgainGivesTheSameGridAndBytes)
{
    const RoundTrip &c = GetParam();
    Pages a("AGE44");
    fill(a.grid(c.grid), c.rows);
    const QByteArray bytes = exportList(a.grid(c.grid), c.kind);
    EXPECT_EQ(bytes.count("\r\n"), c.lines);
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));

    Pages b("AGE44");
    const ParsedRows file = parseList(bytes, c.kind);
    ASSERT_TRUE(file.ok) << file.reason.toStdString();
    importList(b.fields, c.kind, file, QStringLiteral("l.txt"));
    EXPECT_EQ(gridRows(b.grid(c.grid), int(c.rows.size())), c.rows);
    EXPECT_EQ(exportList(b.grid(c.grid), c.kind), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListRoundTrip,
    ::testing::Values(
        RoundTrip{ListKind::Operators, "SGOperadores",
                  {{"Movistar", "movistar.es", "MOVISTAR", "MOVISTAR"}, {"Ñú", "apn €", "", "p w"}}, 17},
        // The list ends at the first row without number and reference.
        RoundTrip{ListKind::Phones, "SGTelefons",
                  {{"", "+34600111222", "Portería", "1", "2"}, {"1", "600333444", "", "0", "1"}}, 3},
        RoundTrip{ListKind::Zones, "SGLlistatZonesAgui",
                  {{"1", "110", "Planta baja"}, {"2", "", "Sótano  dos"}, {"3", "1F", "x"}}, 4}),
    [](const auto &info) { return std::string(info.param.grid); });

TEST(ListFiles, OperatorsOfAnUnreadModuleAreSeventeenLinesAndImportRed)
{
    Pages p;
    const QByteArray bytes = exportList(p.grid("SGOperadores"), ListKind::Operators);
    EXPECT_EQ(bytes.count(",,,\r\n"), 16);
    EXPECT_EQ(bytes.count("\r\n"), 17);
    const ParsedRows file = parseList(bytes, ListKind::Operators);
    ASSERT_TRUE(file.ok);
    importList(p.fields, ListKind::Operators, file, {});
    EXPECT_EQ(p.grid("SGOperadores").colour(), FieldColour::Changed);
    EXPECT_EQ(p.grid("SGOperadores").cell(0, 1), QString());
}

TEST(ListFiles, AWindowsPhoneFileLoadsAndItsThreeCommaLineIsLeftOut)
{
    Pages p;
    GridModel &g = p.grid("SGTelefons");
    g.setCell(2, 3, QStringLiteral("kept"));
    const QByteArray windows("Borrar,Tel\xE9" "fonos,Referencia,Habilita,Bot\xF3n\r\n"
                             ",600111222,Se\xF1or Mu\xF1oz,1,1\r\n"
                             ",,,\r\n");
    importList(p.fields, ListKind::Phones, parseList(windows, ListKind::Phones), {});
    EXPECT_EQ(g.cell(2, 1), QStringLiteral("Señor Muñoz"));
    EXPECT_EQ(g.cell(2, 3), QStringLiteral("kept"));
}

TEST(ListFiles, BadLinesAreRefused)
{
    const struct {
        ListKind kind;
        QByteArray bytes;
    } refused[] = {
        {ListKind::Operators, "h\r\na,b,c\r\n"},
        {ListKind::Operators, "h\r\na,b,c,d,e\r\n"},
        {ListKind::Operators, "h\r\na,b,c," + QByteArray(250, 'x') + "\r\n"},
        {ListKind::Phones, "h\r\n,600111222,Ref,1\r\n"},
        {ListKind::Phones, "h\r\nx,600111222,Ref,1,1\r\n"},
        {ListKind::Phones, "h\r\n,600111222,Ref,si,1\r\n"},
        {ListKind::Zones, "h\r\nA 110 Planta\r\n"},
        {ListKind::Zones, "h\r\n12\r\n"},
        {ListKind::Zones, "h\r\n0 110 Planta\r\n"},
        {ListKind::Zones, "h\r\n1024 110 Planta\r\n"},
        {ListKind::Zones, "h\r\n5 110 " + QByteArray(33, 'n') + "\r\n"},
        {ListKind::Zones, "h\r\n5 123456789 Planta\r\n"},
        {ListKind::Zones, QByteArray("h\r\n5 110 \x90\r\n")},
    };
    for (const auto &c : refused) {
        const ParsedRows r = parseList(c.bytes, c.kind);
        EXPECT_FALSE(r.ok) << c.bytes.toStdString();
        EXPECT_FALSE(r.reason.isEmpty());
    }
}

TEST(ListFiles, ZoneLinesGoToTheirZonesRow)
{
    Pages p("AGE44");
    GridModel &g = p.grid("SGLlistatZonesAgui");
    g.load(2, 1, QStringLiteral("old"));
    const ParsedRows file = parseList("ZONA C\xF3" "digo CID NOMBRE\r\n"
                                      "12 0 Cocina\r\n"
                                      "3\t111 Humo sala\r\n"
                                      "7 Norte 2\r\n",
                                      ListKind::Zones);
    ASSERT_TRUE(file.ok) << file.reason.toStdString();
    importList(p.fields, ListKind::Zones, file, QStringLiteral("zonas.txt"));
    EXPECT_EQ(g.cell(2, 1), QString()) << "cleared first";
    EXPECT_EQ(QStringList({g.cell(0, 12), g.cell(1, 12), g.cell(2, 12)}), QStringList({"12", "", "Cocina"}));
    EXPECT_EQ(QStringList({g.cell(1, 3), g.cell(2, 3)}), QStringList({"111", "Humo sala"}));
    EXPECT_EQ(QStringList({g.cell(1, 7), g.cell(2, 7)}), QStringList({"", "Norte 2"}));
    EXPECT_EQ(g.colour(), FieldColour::Changed);
    EXPECT_EQ(p.fields.ncampsModificats, 4);
    EXPECT_TRUE(p.fields.edit(u"EImportarFitxer")->isChangedMark());
    EXPECT_EQ(p.fields.edit(u"EImportarFitxer")->text(), QStringLiteral("zonas.txt"));

    // The list ends at the first empty zone: only zones 1 to 3 are exported.
    fill(g, {{"1", "", "Uno"}, {"2", "112", "Dos"}});
    EXPECT_EQ(exportList(g, ListKind::Zones).split('\n').at(1), QByteArray("1 000 Uno\r"));
    EXPECT_EQ(exportList(g, ListKind::Zones).count("\r\n"), 4);
}

} // namespace
