#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"
#include "core/programming/GridRecords.h"

#include <gtest/gtest.h>

using namespace velmar;

namespace {

class Records : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogue.Llegir_parametres());
        fields.InicialitzaPunters(catalogue);
        fields.Esborra_param();
    }
    GridModel *grid(const char *name) { return fields.grid(QString::fromLatin1(name)); }

    // Decodes a record into a row of the grid, as a read does.
    void read(const char *name, int row, const QString &value, const QString &central = {})
    {
        GridModel *g = grid(name);
        const auto cols = decodeRecord(g->name(), g->hasFixedColumn(), g->columns(), value,
                                       g->Tag + row - 1);
        ASSERT_TRUE(cols.has_value()) << name;
        loadRecord(*g, row, *cols, central);
    }
    QStringList cells(const char *name, int row)
    {
        QStringList out;
        GridModel *g = grid(name);
        for (int c = g->hasFixedColumn() ? 1 : 0; c < g->columns(); ++c)
            out << g->cell(c, row);
        return out;
    }

    ParamCatalogue catalogue;
    FieldModel fields;
};

// Every kind of block record lands in its columns as the grid shows them,
// and the row serialises back to the very record (which is what a written
// row's echo is verified against).
TEST_F(Records, EveryShapeDecodesIntoItsColumnsAndSerialisesBack)
{
    const struct {
        const char *grid;
        int row;
        const char *record;
        QStringList columns; // from the first data column
    } cases[] = {
        {"SGEntrades", 16, "10;3;0;Door", {"Door", "10", "3", "0"}},
        {"SGEntrades", 2, "5;5;1;Window", {"Window", "5", "5", "1"}},
        {"SGEntradesOpc", 1, "1;0;1;1130;Alarma/Fin", {"1", "0", "1", "1130", "Alarma/Fin"}},
        {"SGSortides", 1, "0101000000", {"0", "1", "0", "1", "0", "0", "0", "0", "0", "0"}},
        {"SGSortidesTemps", 4, "1;10;20;1;Sirena", {"Sirena", "1", "10", "20", "1"}},
        {"SGSortidesEnt", 3, "1;0100000000000001",
         {"0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1", "1"}},
        {"SGTest", 1, "24;12:30;Test diario", {"Test diario", "24", "12:30"}},
        {"SGTamper", 1, "10;20;3;4;1;Caja", {"Caja", "10", "20", "3", "4", "1"}},
        {"SGAlim", 1, "11;12;5;6;0;Red", {"Red", "11", "12", "5", "6", "0"}},
        {"SGPerduaCOM", 2, "0;1;0;350;Sin ADSL/ADSL ok", {"0", "1", "0", "350", "Sin ADSL/ADSL ok"}},
        {"SGOperadores", 10, "Movi;movi.es;user;pass", {"Movi", "movi.es", "user", "pass"}},
        {"SGCra", 1, "1", {"1"}},
        {"SGBoto2", 3, "1;5;10;20", {"1", "5", "10", "20"}},
        {"SGCentralBC600", 7, "0245:0;1;0;63100112;Sirena activa/Sirena parada",
         {"0245", "0", "1", "0", "63100112", "Sirena activa/Sirena parada"}},
        {"SGLlistatZonesAgui", 5, "1130;Planta baja", {"1130", "Planta baja"}},
    };
    for (const auto &c : cases) {
        read(c.grid, c.row, QString::fromUtf8(c.record), QStringLiteral("BC600"));
        EXPECT_EQ(cells(c.grid, c.row), c.columns) << c.grid << " " << c.record;
        EXPECT_EQ(serialiseRow(*grid(c.grid), c.row), QString::fromUtf8(c.record)) << c.grid;
        EXPECT_TRUE(Verifica_StringGrid(*grid(c.grid), QString::fromUtf8(c.record), c.row)) << c.grid;
    }
}

TEST_F(Records, FlagsAreNormalisedAndKeptAsFlagWords)
{
    read("SGEntrades", 1, QStringLiteral("1;2;x;A"));
    EXPECT_EQ(grid("SGEntrades")->cell(4, 1), QStringLiteral("1"));
    EXPECT_TRUE(grid("SGEntrades")->normallyOpen(1));
    read("SGTamper", 1, QStringLiteral("1;2;3;4;;T"));
    EXPECT_EQ(grid("SGTamper")->cell(5, 1), QStringLiteral("0"));
    EXPECT_FALSE(grid("SGTamper")->normallyOpen(1));
    // A short output record leaves the missing causes off.
    read("SGSortides", 2, QStringLiteral("11"));
    EXPECT_EQ(serialiseRow(*grid("SGSortides"), 2), QStringLiteral("1100000000"));
}

TEST_F(Records, EmptyRecordsAndRowsTravelAsTheEmptyValue)
{
    // No field at all: every column empty, and an empty row sends "".
    read("SGOperadores", 3, QString());
    EXPECT_EQ(cells("SGOperadores", 3), QStringList({"", "", "", ""}));
    EXPECT_EQ(serialiseRow(*grid("SGOperadores"), 3), QString());
    EXPECT_TRUE(Verifica_StringGrid(*grid("SGOperadores"), QString(), 3));
    read("SGCentralBC600", 9, QString(), QStringLiteral("BC600"));
    EXPECT_EQ(serialiseRow(*grid("SGCentralBC600"), 9), QString()); // ":;;;;"
    read("SGLlistatZonesAgui", 2, QString());
    EXPECT_EQ(serialiseRow(*grid("SGLlistatZonesAgui"), 2), QString()); // ";"

    const struct {
        const char *in;
        const char *out;
    } separators[] = {{";;;", ""}, {";;;;", ""}, {":;;;;", ""}, {";", ""}, {"", ""},
                      {"a;;;", "a;;;"}, {"0;", "0;"}};
    for (const auto &s : separators)
        EXPECT_EQ(emptyIfOnlySeparators(QString::fromLatin1(s.in)), QString::fromLatin1(s.out)) << s.in;
}

TEST_F(Records, VerificationIsExactAndUsesTheStoredFlags)
{
    read("SGOperadores", 1, QStringLiteral("Movi;apn;u;p"));
    EXPECT_FALSE(Verifica_StringGrid(*grid("SGOperadores"), QStringLiteral("movi;apn;u;p"), 1));
    EXPECT_FALSE(Verifica_StringGrid(*grid("SGOperadores"), QStringLiteral("Movi;apn;u;p;"), 1));

    // The editor ticks an output cause: the field store holds the new flag,
    // and both the record sent and its verification take it from there.
    read("SGSortides", 1, QStringLiteral("0000000000"));
    grid("SGSortides")->toggleCheck(3, 1);
    EXPECT_EQ(serialiseRow(*grid("SGSortides"), 1), QStringLiteral("0010000000"));
    EXPECT_TRUE(Verifica_StringGrid(*grid("SGSortides"), QStringLiteral("0010000000"), 1));
    // An untouched "all inputs" flag travels as "0".
    read("SGSortidesEnt", 1, QStringLiteral(";0000000000000000"));
    grid("SGSortidesEnt")->toggleCheck(16, 1);
    EXPECT_EQ(serialiseRow(*grid("SGSortidesEnt"), 1), QStringLiteral("0;0000000000000001"));
}

// Whatever the user put into the cells, the record a row becomes has the
// fields of its form: a ";" (the record separator) or a line break (the end
// of a command) typed or pasted into a cell is left out, on every grid.
TEST_F(Records, NoCellTextAddsAFieldToItsRecord)
{
    const QStringList poisons = {QStringLiteral("A;B"), QStringLiteral(";"), QStringLiteral("x;;y;"),
                                 QStringLiteral("a\rvm+0111=0"), QStringLiteral("n\r\n;m")};
    int checked = 0;
    for (GridModel *g : fields.PunterStringGrid()) {
        if (g->firstCode.isEmpty())
            continue; // lists kept elsewhere, never sent as records
        const int first = g->hasFixedColumn() ? 1 : 0;
        for (int c = first; c < g->columns(); ++c)
            g->load(c, 1, QStringLiteral("7"));
        const QString clean = serialiseRow(*g, 1);
        ASSERT_FALSE(clean.isEmpty()) << g->name().toStdString();
        for (const QString &poison : poisons) {
            for (int c = first; c < g->columns(); ++c)
                g->setCell(c, 1, u'7' + poison);
            const QString record = serialiseRow(*g, 1);
            const std::string where = g->name().toStdString() + " <- " + poison.toStdString();
            EXPECT_EQ(record.count(u';'), clean.count(u';')) << where << ": " << record.toStdString();
            EXPECT_FALSE(record.contains(u'\r') || record.contains(u'\n')) << where;
            // The echo of what was sent verifies against the row.
            EXPECT_TRUE(Verifica_StringGrid(*g, record, 1)) << where;
        }
        ++checked;
    }
    EXPECT_GT(checked, 30);

    // What comes from the module is held the same way, so that a row read
    // and written back gives the same record (a padded event kind included).
    read("SGCentralBC600", 4, QStringLiteral("4\r:0;1;0;1;a\nb"), QStringLiteral("BC600"));
    const QString once = serialiseRow(*grid("SGCentralBC600"), 4);
    read("SGCentralBC600", 4, once, QStringLiteral("BC600"));
    EXPECT_EQ(serialiseRow(*grid("SGCentralBC600"), 4), once);
    EXPECT_EQ(once, QStringLiteral("0004:0;1;0;1;ab"));

    // The case seen on the wire: alias "A;B" on input 5.
    read("SGEntrades", 5, QStringLiteral("0;0;0;Puerta"));
    grid("SGEntrades")->setCell(1, 5, QStringLiteral("A;B"));
    EXPECT_EQ(serialiseRow(*grid("SGEntrades"), 5), QStringLiteral("0;0;0;AB"));
}

TEST_F(Records, PanelEventKindsArePaddedToThePanelsWidth)
{
    const struct {
        const char *grid;
        const char *central;
        const char *record;
        const char *kind;
    } cases[] = {
        {"SGCentralBC600", "BC600", "45:0;0;0;1;a", "0045"},
        {"SGCentralBC600", "BC216", "45:0;0;0;1;a", "45"},
        {"SGCentralBC600", "BC216", "7:0;0;0;1;a", "07"},
        {"SGCentralSupra", "Supra", "7:0;0;0;1;a", "007"},
        {"SGCentralZafir", "Cofem-A", "7:0;0;0;1;a", "7"},
        {"SGCentralBC600", "BC600", ":0;0;0;1;a", ""}, // no kind: nothing invented
    };
    for (const auto &c : cases) {
        GridModel *g = grid(c.grid);
        const auto cols = decodeRecord(g->name(), true, g->columns(), QString::fromLatin1(c.record), g->Tag);
        ASSERT_TRUE(cols.has_value());
        loadRecord(*g, 1, *cols, QString::fromLatin1(c.central));
        EXPECT_EQ(g->cell(1, 1), QString::fromLatin1(c.kind)) << c.grid << " " << c.central;
    }
}

TEST_F(Records, ZoneListTakesALoneNameAndDropsTheBareAddress)
{
    GridModel *g = grid("SGLlistatZonesAgui");
    const auto name = decodeRecord(g->name(), true, 3, QStringLiteral("Pasillo"), 9105);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, QStringList({"", "", "Pasillo"}));
    EXPECT_FALSE(decodeRecord(g->name(), true, 3, QStringLiteral("12"), 9750).has_value());
    EXPECT_TRUE(decodeRecord(g->name(), true, 3, QStringLiteral("12"), 9101).has_value());
}

TEST(PageReplies, AcceptanceFollowsWhatEsperoAwaits)
{
    const struct {
        const char *reply;
        const char *espero;
        bool accepted;
    } cases[] = {
        {"+0102:Empresa\r", "+0102", true},
        {"+0103:Empresa\r", "+0102", false},   // another parameter
        {"+8503:a;b;c;d\r", "+85xx", true},    // same first code character
        {"+3503:a\r", "+85xx", false},
        {"+9101:zona\r", "+9xxx", true},       // any code
        {"+85xx:Ok\r", "+85xx", false},        // a block word is never a value
        {"+85xx:Ok\r", "+9xxx", false},
        {"+102:abc\r", "+102", false},          // ":" not sixth
        {"0102:abc\r", "0102", false},          // no "+"
        {"+01", "+01", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(acceptsPageReply(QString::fromLatin1(c.reply), QString::fromLatin1(c.espero)), c.accepted)
            << c.reply << " / " << c.espero;
    EXPECT_EQ(replyValue(QStringLiteral("+0102:a:b\r")), QStringLiteral("a:b"));
    EXPECT_EQ(replyValue(QStringLiteral("+0102\r")), QString());
}

} // namespace
