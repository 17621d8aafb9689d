// The translations: every text of the program has a finished translation in
// each language, with the Spanish text's layout blanks and placeholders, and
// the compiled modules are the ones the program switches to.
#include "core/params/NamedTexts.h"
#include "core/shell/Languages.h"
#include "core/shell/SingleInstance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace velmar;

namespace {

// Languages whose translation is not finished yet: their .ts files are
// checked for layout only, not for missing entries. Empty once every
// language ships complete; a language listed here must say what is left.
const QStringList kIncomplete = {};

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty (finished)
};

// The text of <source> or <translation>: lupdate writes a carriage return
// as <byte value="xd"/>.
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() != u"byte")
            break;
    }
    return text;
}

QList<Message> readTs(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&f);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            m = Message{context, {}, {}, {}};
        else if (xml.name() == u"source")
            m.source = elementText(xml);
        else if (xml.name() == u"translation") {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = elementText(xml);
            messages << m;
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

// The .ts file as lupdate makes it from today's sources: a text added to
// the code and not yet translated shows as unfinished here.
QString refreshed(const QString &ts, const QTemporaryDir &dir)
{
    const QString copy = dir.filePath(QFileInfo(ts).fileName());
    QFile::remove(copy);
    if (!QFile::copy(ts, copy))
        return {};
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(VELMAR_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete"), QStringLiteral("-no-ui-lines"),
                   QStringLiteral(VELMAR_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        return {};
    return copy;
}

QString show(const Message &m)
{
    QString s = m.source;
    s.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    return m.context + QStringLiteral(": \"") + s + u'"';
}

// What a translation must keep of its source: the blanks at either end,
// the line breaks and tabs, and the placeholders.
struct Layout {
    QString lead, trail;
    int cr = 0, lf = 0, tab = 0;
    QStringList placeholders;

    explicit Layout(const QString &s)
    {
        qsizetype a = 0;
        while (a < s.size() && s.at(a) == u' ')
            ++a;
        qsizetype b = s.size();
        while (b > a && s.at(b - 1) == u' ')
            --b;
        lead = s.left(a);
        trail = s.mid(b);
        cr = int(s.count(u'\r'));
        lf = int(s.count(u'\n'));
        tab = int(s.count(u'\t'));
        static const QRegularExpression arg(QStringLiteral("%[1-9]"));
        for (const QRegularExpressionMatch &m : arg.globalMatch(s))
            placeholders << m.captured();
        placeholders.sort();
    }
    bool operator==(const Layout &) const = default;
};

class Translation : public ::testing::TestWithParam<const char *> {
protected:
    QString tsFile() const
    {
        return QStringLiteral(VELMAR_SOURCE_DIR "/resources/translations/velmar_%1.ts").arg(QLatin1String(GetParam()));
    }
};

TEST_P(Translation, EveryTextOfTheSourcesIsTranslatedAndFinished)
{
    if (kIncomplete.contains(QLatin1String(GetParam())))
        GTEST_SKIP() << GetParam() << " is listed as incomplete";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ts = refreshed(tsFile(), dir);
    ASSERT_FALSE(ts.isEmpty()) << "lupdate failed on " << qPrintable(tsFile());
    QString error;
    const QList<Message> messages = readTs(ts, &error);
    ASSERT_TRUE(error.isEmpty()) << qPrintable(error);
    ASSERT_GT(messages.size(), 500); // the whole program, not an empty scan
    QStringList missing;
    for (const Message &m : messages)
        if (!m.type.isEmpty() || (m.translation.isEmpty() && !m.source.isEmpty()))
            missing << show(m) + (m.type.isEmpty() ? QString() : QStringLiteral(" (") + m.type + u')');
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " texts without a finished translation in "
                                   << GetParam() << " (run the target velmar_lupdate, then translate):\n"
                                   << qPrintable(missing.mid(0, 40).join(u'\n'));
}

TEST_P(Translation, KeepsTheLayoutBlanksLineBreaksAndPlaceholdersOfTheSpanish)
{
    QString error;
    const QList<Message> messages = readTs(tsFile(), &error);
    ASSERT_TRUE(error.isEmpty()) << qPrintable(error);
    QStringList wrong;
    for (const Message &m : messages)
        if (!m.translation.isEmpty() && !(Layout(m.source) == Layout(m.translation)))
            wrong << show(m) + QStringLiteral(" -> \"") + m.translation + u'"';
    EXPECT_TRUE(wrong.isEmpty()) << qPrintable(wrong.join(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(Languages, Translation, ::testing::Values("en", "fr", "pt"));

TEST(Layout, ToldApartByBlanksBreaksAndPlaceholders)
{
    // The check above is only as good as this comparison.
    const struct {
        const char *source;
        const char *translation;
        bool same;
    } cases[] = {
        {"    Aceptar   ", "    OK   ", true},
        {"    Aceptar   ", "OK", false},
        {"SIN   CONEXION", "NOT   CONNECTED", true},
        {"a\r\nb", "a b", false},
        {"Teléfonos %1:", "Phones:", false},
        {"CRA %1.%2:", "ARC %1.%2:", true},
        {"Firmware: \t", "Firmware: ", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Layout(QString::fromUtf8(c.source)) == Layout(QString::fromUtf8(c.translation)), c.same)
            << c.source << " / " << c.translation;
}

TEST(Languages, TheFourEntriesWithTheirIdentifiersKeywordsAndSuffixes)
{
    const QList<Language> &all = languages::all();
    ASSERT_EQ(all.size(), 4);
    const struct {
        const char *menu;
        int id;
        const char *keyword;
        const char *first;
        const char *second;
    } expected[] = {
        {"LanguageSpanish", 3082, "SPANISH", "ESN", "ES"},
        {"LanguageEnglish", 1033, "ENGLISH", "ENU", "EN"},
        {"LanguageFrancais", 1036, "FRANCAIS", "FRA", "FR"},
        {"LanguagePortugues", 2070, "PORTUGUES", "PTG", "PT"},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(all[i].menuName, QLatin1String(expected[i].menu));
        EXPECT_EQ(all[i].identifier, expected[i].id);
        EXPECT_EQ(all[i].keyword, QLatin1String(expected[i].keyword));
        EXPECT_EQ(all[i].suffixes, (QStringList{QLatin1String(expected[i].first), QLatin1String(expected[i].second)}));
        EXPECT_EQ(languages::byKeyword(all[i].keyword), &all[i]);
    }
    EXPECT_EQ(languages::byKeyword(QStringLiteral("spanish")), nullptr);
    EXPECT_EQ(languages::byKeyword(QString()), nullptr);
    EXPECT_EQ(languages::byIdentifier(2057), nullptr);
}

TEST(Languages, AFirstStartFollowsTheLocalesLanguageElseSpanish)
{
    const struct {
        const char *locale;
        const char *keyword;
    } cases[] = {
        {"en_US", "ENGLISH"}, {"en_GB", "ENGLISH"}, {"fr_FR", "FRANCAIS"}, {"fr_CA", "FRANCAIS"},
        {"pt_PT", "PORTUGUES"}, {"pt_BR", "PORTUGUES"}, {"es_ES", "SPANISH"}, {"de_DE", "SPANISH"},
        {"ca_ES", "SPANISH"}, {"C", "SPANISH"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(languages::forLocale(QLocale(QLatin1String(c.locale))).keyword, QLatin1String(c.keyword))
            << c.locale;
}

TEST(Languages, TheStoredLanguageWinsExceptOnAFirstStart)
{
    const QLocale french(QStringLiteral("fr_FR"));
    const struct {
        const char *stored;
        bool firstStart;
        const char *keyword; // nullptr: the built-in texts stay
    } cases[] = {
        {"PORTUGUES", false, "PORTUGUES"}, {"SPANISH", false, "SPANISH"},
        {"SPANISH", true, "FRANCAIS"},     {"", false, "FRANCAIS"},
        {"KLINGON", false, nullptr},
    };
    for (const auto &c : cases) {
        const Language *l = languages::atStartUp(QLatin1String(c.stored), c.firstStart, french);
        if (!c.keyword)
            EXPECT_EQ(l, nullptr) << c.stored;
        else
            EXPECT_EQ(l ? l->keyword : QString(), QLatin1String(c.keyword)) << c.stored << " " << c.firstStart;
    }
}

TEST(Languages, QtsOwnDialogTextsFollowTheLanguageWhenTheMachineHasThem)
{
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(qtDirectory + QStringLiteral("/qtbase_fr.qm")))
        GTEST_SKIP() << "Qt's translations are not installed in " << qPrintable(qtDirectory);
    LanguageModules modules;
    const struct {
        int id;
        const char *cancel;
    } cases[] = {{languages::kFrench, "Annuler"}, {languages::kSpanish, "Cancelar"},
                 {languages::kPortuguese, "Cancelar"}, {languages::kEnglish, "Cancel"}};
    for (const auto &c : cases) {
        ASSERT_TRUE(modules.switchTo(c.id)) << c.id;
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QLatin1String(c.cancel)) << c.id;
    }

    // Without Qt's catalogues the program's own texts still switch.
    QTemporaryDir empty;
    LanguageModules bare(QStringLiteral(":/translations/velmar_"), empty.path());
    ASSERT_TRUE(bare.switchTo(languages::kFrench));
    EXPECT_EQ(bare.LoadNewResourceModule(languages::kFrench).qt, nullptr);
    EXPECT_NE(QCoreApplication::translate("NamedTexts", "Inicio del sistema"), QStringLiteral("Inicio del sistema"));
}

TEST(Languages, TheSecondCopysMessageIsTranslated)
{
    LanguageModules modules;
    const QString spanish = SingleInstance::alreadyRunningText();
    ASSERT_TRUE(modules.switchTo(languages::kEnglish));
    const QString english = SingleInstance::alreadyRunningText();
    EXPECT_NE(english, spanish);
    EXPECT_TRUE(english.startsWith(QStringLiteral("Velmar Q7R2T CLOUD\r\n\r\n")));
    ASSERT_TRUE(modules.switchTo(languages::kSpanish));
    EXPECT_EQ(SingleInstance::alreadyRunningText(), spanish);
}

TEST(Languages, EachModuleIsEmbeddedAndSwitchesTheTexts)
{
    LanguageModules modules;
    NamedTexts named;
    const struct {
        int id;
        bool translated;
    } cases[] = {{languages::kEnglish, true}, {languages::kFrench, true},
                 {languages::kPortuguese, true}, {languages::kSpanish, false}};
    for (const auto &c : cases) {
        ASSERT_TRUE(modules.switchTo(c.id)) << c.id;
        EXPECT_EQ(modules.current(), c.id);
        named.CreaTaulaResourceString();
        const QString text = named.GetNamedResourceString(u"txt_HarIniSys");
        EXPECT_EQ(text != QStringLiteral("Inicio del sistema"), c.translated) << c.id << " " << qPrintable(text);
        EXPECT_FALSE(text.isEmpty());
    }
}

TEST(Languages, ALanguageWithoutItsModuleChangesNothing)
{
    LanguageModules english;
    ASSERT_TRUE(english.switchTo(languages::kEnglish));
    const QString before = QCoreApplication::translate("NamedTexts", "Inicio del sistema");
    ASSERT_NE(before, QStringLiteral("Inicio del sistema"));

    QTemporaryDir dir;
    LanguageModules nowhere(dir.filePath(QStringLiteral("velmar_")));
    EXPECT_FALSE(nowhere.switchTo(languages::kFrench));
    EXPECT_FALSE(nowhere.LoadNewResourceModule(languages::kPortuguese).found);
    EXPECT_FALSE(nowhere.LoadNewResourceModule(4242).found);
    EXPECT_EQ(nowhere.current(), languages::kSpanish);
    EXPECT_EQ(QCoreApplication::translate("NamedTexts", "Inicio del sistema"), before);

    // The two-letter suffix is tried after the three-letter one.
    QFile::copy(QStringLiteral(":/translations/velmar_fr.qm"), dir.filePath(QStringLiteral("velmar_fr.qm")));
    EXPECT_TRUE(nowhere.LoadNewResourceModule(languages::kFrench).found);
}

} // namespace
