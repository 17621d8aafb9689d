#include "core/params/InfoTexts.h"
#include "core/params/NamedTexts.h"

#include <QCoreApplication>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace velmar;

namespace {

struct Loaded : ::testing::Test {
    NamedTexts named;
    InfoTexts texts{named};
    void SetUp() override { texts.Llegir_DefInfo(); }
};

} // namespace

TEST(NamedTexts, TableHoldsEveryNameOnceWithItsBlanks)
{
    NamedTexts named;
    named.CreaTaulaResourceString();
    const QStringList names = NamedTexts::names();
    EXPECT_EQ(names.size(), 196);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 196);
    EXPECT_EQ(named.size(), 196);

    const struct {
        const char *name;
        const char *text;
    } cases[] = {
        {"txt_HarIniSys", "Inicio del sistema"},
        {"txt_EnvAddCra", "Se añade envio a la CRA: "},
        {"txt_EnvAddMqtt", "Se añade envio al servidor:"},
        {"txt_EsSistDisp", "Pérdida de "},
        {"rsPuntAnullat", " Punto Anulado"},
        {"rsADOk", "    Enterado    "},
        {"rsADErrorFreq", "ERROR DE RADIOFRECUENCIA"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(named.GetNamedResourceString(QString::fromLatin1(c.name)), QString::fromUtf8(c.text))
            << c.name;
    EXPECT_EQ(named.GetNamedResourceString(u"txt_NoSuchText"), QString());
}

TEST_F(Loaded, EmbeddedHeaderGivesEveryCodeInOrder)
{
    const QList<DefInfoPair> &list = texts.Llista_DefInfo();
    ASSERT_EQ(list.size(), 130); // duplicates included
    EXPECT_EQ(list.first().code, "8001");
    EXPECT_EQ(list.last().code, "8878");
    EXPECT_TRUE(texts.unknownNames().isEmpty()) << texts.unknownNames().join(u' ').toStdString();

    // Both 8526 lines are in the list; the first one wins the lookup.
    int n8526 = 0;
    for (const DefInfoPair &p : list)
        n8526 += p.code == u"8526";
    EXPECT_EQ(n8526, 2);
}

TEST_F(Loaded, LookupTakesTheFirstTextOfACode)
{
    const struct {
        const char *code;
        const char *text;
    } cases[] = {
        {"8526", "GPRS: Envío a la CRA (borrado): "}, // not the Ethernet text of the same code
        {"8791", "paso a Pruebas z."},                // not "La Central responde"
        {"9311", "Envia Hexa por COM: "},             // in the table, never in a type-8 segment
        {"8410", "Módulo GPRS no inicializado"},      // a text shared by two codes
        {"8100", "Se ha generado un Reset de soft"},
        {"8878", "Recuperado Bateria"},
        {"8999", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(texts.text(QString::fromLatin1(c.code)), QString::fromUtf8(c.text)) << c.code;
    EXPECT_TRUE(texts.contains(u"9311"));
    EXPECT_FALSE(texts.contains(u"8999"));
}

TEST(InfoTexts, ParseKeepsOnlyWellShapedMessageLines)
{
    NamedTexts named;
    named.CreaTaulaResourceString();
    InfoTexts texts(named);
    texts.parse("/* {#define infoTxt_ in a comment is no message */\r\n"
                "#define txt_HarGenRst\t\t\"Soft reset\"\r\n"           // firmware text: not used
                "#define infoTxt_HarGenRst\t\t\"{#8100:\"txt_HarGenRst\"%X}\\r\"\r\n"
                "#define infoTxt_Lf \"{#8111:\"txt_FlashWrite\"%X}\\r\"\n" // LF line end
                "#define infoTxt_Blanks \"{#8112:\" txt_FlashRead \"%X}\\r\"\n"
                "#define infoTxt_NoQuote {#8209:txt_EnvTest\n"
                "#define infoTxt_Short \"{#82\"txt_EnvTest\"\"\n"
                "#define infoTxt_Unknown \"{#8300:\"txt_Nonexistent\"%X}\"\n"
                "#define infoTxt_Again \"{#8100:\"txt_HarIniSys\"%X}\"\n"
                "#define infoTxt_");
    ASSERT_EQ(texts.Llista_DefInfo().size(), 4);
    EXPECT_EQ(texts.text(u"8100"), "Se ha generado un Reset de soft");
    EXPECT_EQ(texts.text(u"8111"), QString::fromUtf8("Grabando los parámetros en la Flash"));
    EXPECT_EQ(texts.text(u"8112"), QString::fromUtf8("Leyendo los parámetros de la Flash"));
    EXPECT_EQ(texts.text(u"8209"), QString());
    EXPECT_EQ(texts.text(u"8300"), QString());
    EXPECT_EQ(texts.unknownNames(), QStringList{"txt_Nonexistent"});

    // A new parse replaces the table.
    texts.parse("#define infoTxt_X \"{#8301:\"txt_ComIni\"%X}\"");
    ASSERT_EQ(texts.Llista_DefInfo().size(), 1);
    EXPECT_EQ(texts.text(u"8100"), QString());
    EXPECT_TRUE(texts.unknownNames().isEmpty());
}

namespace {

// Stands in for a compiled translation of the named texts.
class EnglishNamedTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, NamedTexts::kContext) == 0 && qstrcmp(source, "Inicio del sistema") == 0)
            return QStringLiteral("System start");
        return {};
    }
};

} // namespace

TEST_F(Loaded, RereadingAfterALanguageChangeFollowsTheTranslator)
{
    EXPECT_EQ(texts.text(u"8001"), "Inicio del sistema");
    EnglishNamedTexts english;
    ASSERT_TRUE(QCoreApplication::installTranslator(&english));
    texts.Llegir_DefInfo();
    QCoreApplication::removeTranslator(&english);
    EXPECT_EQ(texts.text(u"8001"), "System start");
    EXPECT_EQ(texts.text(u"8100"), "Se ha generado un Reset de soft"); // untranslated stays Spanish

    texts.Llegir_DefInfo();
    EXPECT_EQ(texts.text(u"8001"), "Inicio del sistema");
}
