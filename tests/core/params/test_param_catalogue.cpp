#include "core/params/ParamCatalogue.h"

#include <QFile>
#include <QHash>

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <string>

using namespace velmar;

namespace {

// Test names from case labels: letters and digits kept, the rest "_".
std::string caseName(const std::string &label, size_t index)
{
    std::string out = "c" + std::to_string(index) + "_";
    for (char ch : label)
        out += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return out;
}

ParamCatalogue parsed(const QByteArray &text)
{
    ParamCatalogue c;
    c.parse(text);
    return c;
}

} // namespace

// One header line and the pairs it gives: the quirks of the line format are
// part of the catalogue's behaviour, so each is pinned here.
struct LineCase {
    const char *what;
    QByteArray line;
    QList<ParamPair> pairs;
};

void PrintTo(const LineCase &c, std::ostream *os) { *os << c.what; }

class HeaderLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(HeaderLine, GivesPairs)
{
    const LineCase &c = GetParam();
    EXPECT_EQ(parsed(c.line).Llista_Param(), c.pairs) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, HeaderLine,
    ::testing::Values(
        LineCase{"plain define", "#define _idEmpres_ 0x0102\t// company\r\n",
                 {{"idEmpres", "0102"}}},
        LineCase{"two blanks after #define", "#define  _BlRsBauI_ 0x1500\t// baud\r\n",
                 {{"BlRsBauI", "1500"}}},
        LineCase{"+N then blanks loses the code", "#define _BlEnOpsF_ 0x3001+15      // last\r\n",
                 {{"BlEnOpsF", ""}}},
        LineCase{"+N then TAB keeps it", "#define _BlClTxtF_ 0x9701+29\t// last\r\n",
                 {{"BlClTxtF", "9701+29"}}},
        LineCase{"include guard", "#ifndef __PARAM_H\r\n#define __PARAM_H\r\n",
                 {{"", ""}, {"", ""}}},
        LineCase{"no blank before underscore", "#define_x_ 0x0001\t//\r\n", {}},
        LineCase{"comment line", "// Format: 1;0;1\r\n", {}},
        LineCase{"underscore in the comment cuts nothing before the TAB",
                 "#define _mqttIpAd_ 0x0301\t// host_name\r\n", {{"mqttIpAd", "0301"}}},
        LineCase{"TAB too early gives no code", "#define _abc_ 0x\t\r\n", {{"abc", ""}}},
        LineCase{"only a name", "x _name", {{"name", ""}}},
        LineCase{"LF only and lone CR also end lines",
                 "#define _a_ 0x0001\t//\n#define _b_ 0x0002\t//\r#define _c_ 0x0003\t//",
                 {{"a", "0001"}, {"b", "0002"}, {"c", "0003"}}},
        LineCase{"blanks and TABs trimmed", "#define _ idEmpres _ 0x 0102 \t//\r\n",
                 {{"idEmpres", "0102"}}}),
    [](const ::testing::TestParamInfo<LineCase> &i) { return caseName(i.param.what, i.index); });

TEST(Catalogue, DuplicateLineGivesASecondPairThatNeverWins)
{
    const ParamCatalogue c = parsed("#define  _BlRsBauI_ 0x1500\t// baud\r\n"
                                    "#define  _BlRsBauI_ 0x1500\t// baud\r\n");
    ASSERT_EQ(c.Llista_Param().size(), 2);
    EXPECT_EQ(c.Llista_Param().at(1), (ParamPair{"BlRsBauI", "1500"}));
    EXPECT_EQ(c.code(u"BlRsBauI"), "1500");

    // With differing codes the first line is the one that answers.
    const ParamCatalogue d = parsed("#define _dupName1_ 0x0001\t//\r\n"
                                    "#define _DUPNAME1_ 0x0002\t//\r\n");
    EXPECT_EQ(d.code(u"dupname1"), "0001");
}

TEST(Catalogue, LookupIgnoresCaseAndMissingNamesAreEmpty)
{
    const ParamCatalogue c = parsed("#define _BlZaAdre_ 0x9750\t// Zafir\r\n");
    EXPECT_EQ(c.code(u"BlZAAdre"), "9750");
    EXPECT_EQ(c.code(u"blzaadre"), "9750");
    EXPECT_TRUE(c.code(u"BlZaAdr").isEmpty());
    EXPECT_TRUE(c.code(u"nothere1").isEmpty());
}

TEST(Catalogue, ParseReplacesThePreviousList)
{
    ParamCatalogue c;
    c.parse("#define _a_ 0x0001\t//\r\n");
    c.parse("#define _b_ 0x0002\t//\r\n");
    ASSERT_EQ(c.Llista_Param().size(), 1);
    EXPECT_TRUE(c.code(u"a").isEmpty());
}

TEST(Catalogue, HeaderIsReadAsWindows1252)
{
    // 0x80 is the euro sign in the header's code page, not a C1 control.
    const ParamCatalogue c = parsed("#define _Eur\x80Name_ 0x0001\t//\r\n");
    ASSERT_EQ(c.Llista_Param().size(), 1);
    EXPECT_EQ(c.Llista_Param().at(0).name, QString::fromUtf8("Eur\u20ACName"));
}

// Code to number: every rule of the conversion table, with the Aguilera page
// shown or not.
struct CodeCase {
    const char *code;
    bool aguilera;
    std::optional<int> number;
};

void PrintTo(const CodeCase &c, std::ostream *os) { *os << '"' << c.code << '"'; }

class CodeToNumber : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CodeToNumber, Converts)
{
    const CodeCase &c = GetParam();
    EXPECT_EQ(ParamCatalogue::numberFromCode(QString::fromLatin1(c.code), c.aguilera), c.number)
        << c.code << (c.aguilera ? " (Aguilera page)" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, CodeToNumber,
    ::testing::Values(
        // plain decimal codes
        CodeCase{"0102", false, 102}, CodeCase{"0200", false, 200}, CodeCase{"1500", false, 1500},
        CodeCase{"6600", false, 6600},
        // inputs, input texts, system texts: hexadecimal record index
        CodeCase{"3001", false, 3001}, CodeCase{"3010", false, 3016}, CodeCase{"300A", false, 3010},
        CodeCase{"3210", false, 3216}, CodeCase{"3609", false, 3609}, CodeCase{"360a", false, 3610},
        // other 3xxx codes are decimal only
        CodeCase{"3111", false, 3111}, CodeCase{"3504", false, 3504}, CodeCase{"331A", false, std::nullopt},
        // door block, door times
        CodeCase{"4001", false, 4001}, CodeCase{"4010", false, 4016}, CodeCase{"401C", false, 4028},
        CodeCase{"401F", false, 4031}, CodeCase{"4040", false, 4040}, CodeCase{"4043", false, 4043},
        CodeCase{"404A", false, std::nullopt},
        // operators
        CodeCase{"8501", false, 8501}, CodeCase{"8510", false, 8516}, CodeCase{"8855", false, 8855},
        CodeCase{"85G0", false, std::nullopt},
        // zone list only while the Aguilera page is shown
        CodeCase{"9101", true, 9101}, CodeCase{"94E8", true, 10100}, CodeCase{"9500", true, 10124},
        CodeCase{"9101", false, 9101}, CodeCase{"94E8", false, std::nullopt}, CodeCase{"9500", false, 9500},
        CodeCase{"9001", true, 9001}, CodeCase{"9000", true, 9000},
        // panel event blocks
        CodeCase{"9601", false, 9601}, CodeCase{"96FF", false, 9855}, CodeCase{"9601", true, 9601},
        CodeCase{"9701", false, 9701}, CodeCase{"971D", false, 9729}, CodeCase{"9731", false, 9749},
        CodeCase{"9761", false, 9761}, CodeCase{"9770", false, 9776}, CodeCase{"9792", false, 9810},
        // the bus address: plain, but ignored with the Aguilera page
        CodeCase{"9750", false, 9750}, CodeCase{"9750", true, std::nullopt},
        CodeCase{"975A", false, std::nullopt},
        // not decimal and in no hexadecimal block
        CodeCase{"02A0", false, std::nullopt}, CodeCase{"xxx:", false, std::nullopt},
        // anything but four characters
        CodeCase{"", false, std::nullopt}, CodeCase{"102", false, std::nullopt},
        CodeCase{"01020", false, std::nullopt}, CodeCase{"+102", false, std::nullopt}),
    [](const ::testing::TestParamInfo<CodeCase> &i) {
        return caseName(std::string(i.param.code) + (i.param.aguilera ? "_Aguilera" : ""), i.index);
    });

TEST(Catalogue, NumberToCode)
{
    EXPECT_EQ(ParamCatalogue::codeFromNumber(102), "0102");
    EXPECT_EQ(ParamCatalogue::codeFromNumber(8501), "8501");
    EXPECT_EQ(ParamCatalogue::codeFromNumber(0), "0000");

    EXPECT_EQ(ParamCatalogue::blockReadCode(3001), "30xx");
    EXPECT_EQ(ParamCatalogue::blockReadCode(8501), "85xx");
    EXPECT_EQ(ParamCatalogue::blockReadCode(4016), "40xx");
    EXPECT_EQ(ParamCatalogue::blockReadCode(9101, BlockRead::OneDigit), "9xxx");
    EXPECT_EQ(ParamCatalogue::blockReadCode(9001, BlockRead::OneDigit), "9xxx");
}

struct RecordCase {
    int first;
    int index;
    int records;
    const char *code;
};

TEST(Catalogue, RecordCodesFromLeadingCharacters)
{
    const RecordCase cases[] = {
        {3001, 1, 16, "3001"}, {3001, 10, 16, "300A"}, {3001, 16, 16, "3010"},
        {8501, 16, 16, "8510"}, {3301, 1, 4, "3301"}, {3301, 4, 4, "3304"},
        {3321, 4, 4, "3324"},
    };
    for (const RecordCase &c : cases)
        EXPECT_EQ(ParamCatalogue::recordCode(c.first, c.index, c.records), c.code)
            << c.first << " index " << c.index;
}

TEST(Catalogue, RecordCodesFromTheFirstCode)
{
    struct {
        const char *first;
        int row;
        const char *code;
    } const cases[] = {
        {"3001", 16, "3010"}, {"4010", 4, "4013"}, {"401C", 1, "401C"}, {"9101", 1000, "94E8"},
        {"9601", 256, "9700"}, {"9761", 50, "9792"}, {"8501", 3, "8503"},
        {"30x1", 1, ""}, {"301", 1, ""}, {"FFFF", 2, ""}, {"3001", 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParamCatalogue::recordCode(QString::fromLatin1(c.first), c.row), c.code)
            << c.first << " row " << c.row;
}

// The header the program carries.
class EmbeddedHeader : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(catalogue.Llegir_parametres()); }
    ParamCatalogue catalogue;
};

TEST_F(EmbeddedHeader, IsTheFirmwareFormat)
{
    QFile f(ParamCatalogue::resourcePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.contains("\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n")) << "every line ends in CRLF";
    EXPECT_TRUE(bytes.contains("#define  _BlRsBauI_ 0x1500\t"));
    // Windows-1252 bytes in the comments, not UTF-8.
    EXPECT_TRUE(bytes.contains("Restauraci\xF3n"));
}

TEST_F(EmbeddedHeader, CarriesTheQuirksTheProgramLivesWith)
{
    const QList<ParamPair> &pairs = catalogue.Llista_Param();
    EXPECT_GE(pairs.count({"", ""}), 2) << "include guard";
    EXPECT_TRUE(pairs.contains(ParamPair{"BlEnOpsF", ""})) << "+N followed by blanks";
    EXPECT_TRUE(pairs.contains(ParamPair{"BlClTxtF", "9701+29"})) << "+N followed by a TAB";
    EXPECT_EQ(pairs.count({"BlRsBauI", "1500"}), 2) << "the duplicate line";

    int sharing1500 = 0;
    for (const ParamPair &p : pairs)
        sharing1500 += p.code == u"1500" ? 1 : 0;
    EXPECT_GE(sharing1500, 11) << "the panel baud names share one code";
}

TEST_F(EmbeddedHeader, ModuleParametersHaveTheirCodes)
{
    struct {
        const char *name;
        const char *code;
    } const expected[] = {
        {"uniXipID", "0101"}, {"idEmpres", "0102"}, {"idInstal", "0103"}, {"idRefere", "0104"},
        {"gsNumTel", "0105"}, {"idFunAct", "0106"}, {"gsSmsPas", "0108"}, {"actAutom", "0110"},
        {"codiProg", "0111"}, {"franjaUT", "0120"}, {"adsMacAd", "0200"}, {"adsHosNa", "0201"},
        {"dhcpEnab", "0211"}, {"noDhIpAd", "0212"}, {"noDhMask", "0213"}, {"noDhGate", "0214"},
        {"noDhPdns", "0215"}, {"noDhSdns", "0216"}, {"mqttIpAd", "0301"}, {"mqttPort", "0302"},
        {"mqttPoTc", "0303"}, {"mqttUser", "0304"}, {"mqttPass", "0305"}, {"mqttKeAl", "0306"},
        {"vpnEnabl", "0309"}, {"craSport", "1001"}, {"craTPoll", "1010"}, {"cra1IpAd", "1101"},
        {"cra2IpAd", "1102"}, {"cra1Port", "1111"}, {"cra2Port", "1112"}, {"cra1Abon", "1121"},
        {"cra2Abon", "1122"}, {"craOpcio", "1131"}, {"craHexad", "1132"}, {"BlBcOpci", "1141"},
        {"BlRsBauI", "1500"}, {"comCiExt", "1590"}, {"smtpIpAd", "2001"}, {"smtpPort", "2002"},
        {"smtpUser", "2003"}, {"smtpPass", "2004"}, {"mailFrom", "2101"}, {"mailSubj", "2102"},
        {"BlEnOpsI", "3001"}, {"BlDsEmaI", "3101"}, {"BlDsSmsI", "3111"}, {"BlEnTxtI", "3201"},
        {"BlSoOpsI", "3301"}, {"BlSoEntI", "3311"}, {"BlSoTmpI", "3321"}, {"BlSoTxtI", "3401"},
        {"BlSiOpsI", "3502"}, {"BlSiInic", "3601"}, {"BlSiTxtI", "3602"}, {"BlB1Alie", "4001"},
        {"BlB4Alie", "4004"}, {"BlB1FunI", "4010"}, {"BlB2FunI", "4014"}, {"BlB3FunI", "4018"},
        {"BlB4FunI", "401C"}, {"BlB1Temp", "4040"}, {"BlB4Temp", "4043"}, {"gsPinSim", "6600"},
        {"scTemOps", "6855"}, {"scTemTxt", "6856"}, {"scTemCid", "6857"}, {"BlOpTelI", "8501"},
    };
    for (const auto &e : expected)
        EXPECT_EQ(catalogue.code(QString::fromLatin1(e.name)), e.code) << e.name;
}

TEST_F(EmbeddedHeader, PanelParametersHaveTheirCodes)
{
    const QHash<QString, QStringList> byCode = {
        {"1500", {"BlRsBauA", "BlRsBauB", "BlRsBauC", "BlRsBauD", "BlRsBauS", "BlRsBauU",
                  "BlRsBauZ", "BlRsBau6", "BlRsBauc", "BlRsBaum"}},
        {"9000", {"BlAgFitx"}},
        {"9001", {"BlAgTxtI"}},
        {"9101", {"BlAgZonI"}},
        {"9500", {"BlBcFitx", "BlClFitx", "BlSyFitx", "BlAvFitx", "BlAdFitx", "BlZaFitx",
                  "BlSuFitx", "BlIDFitx", "BlCcFitx", "Bl60Fitx", "BlctFitx", "BlmoFitx"}},
        {"9601", {"BlBcTxtI", "BlSyTxtI", "BlAvTxtI", "BlIDTxtI", "Bl60TxtI", "BlctTxtI",
                  "BlmoTxtI"}},
        {"9701", {"BlClTxtI", "BlAdTxtI", "BlZaTxtI"}},
        {"9750", {"BlClAdre", "BlAdAdre", "BlZaAdre", "BlIDAdre", "Bl60Adre", "BlctAdre",
                  "BlmoAdre"}},
        {"9761", {"BlUrTxtI", "BlSuTxtI", "BlCcTxtI"}},
    };
    for (auto it = byCode.cbegin(); it != byCode.cend(); ++it)
        for (const QString &name : it.value())
            EXPECT_EQ(catalogue.code(name), it.key()) << name.toStdString();
}

TEST_F(EmbeddedHeader, RebuildingGivesTheSameList)
{
    const QList<ParamPair> first = catalogue.Llista_Param();
    ASSERT_TRUE(catalogue.Llegir_parametres());
    EXPECT_EQ(catalogue.Llista_Param(), first);
}
