#include "core/diagnostics/Trace.h"
#include "core/shell/PasswordSeal.h"
#include "core/shell/SettingsStore.h"
#include "core/shell/Version.h"
#include "core/update/TextCipher.h"

#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

using namespace velmar;

namespace {

const QString kClau = QString::fromUtf16(SettingsStore::kClau);
const QString kPc = QStringLiteral("10.1.2.3");

// A store in a fresh directory, and raw access to its file.
class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsLocation loc{dir.filePath(QStringLiteral("Velmar Q7R2T CLOUD Ver. 2.0.02.ini")),
                         dir.filePath(QStringLiteral("secret.key"))};
    SettingsStore store{loc, kPc};

    void putRaw(const QString &name, const QVariant &value)
    {
        QSettings s(loc.file, QSettings::IniFormat);
        s.setValue(name, value);
    }
    QString raw(const QString &name) const
    {
        return QSettings(loc.file, QSettings::IniFormat).value(name).toString();
    }
    QString stored(const QString &name) const { return DesencriptarCadenaAes(raw(name), kClau); }
};

} // namespace

TEST_F(SettingsStoreTest, FirstStartStoresEightEncryptedDefaults)
{
    ConfigInicial c;
    EXPECT_TRUE(loadSettingsAtStartUp(store, c));
    EXPECT_TRUE(c.encrip);
    EXPECT_EQ(c.Titol, titolPrograma());
    EXPECT_EQ(c.ComUSB, QStringLiteral("COM1"));
    EXPECT_EQ(c.BidiIP, kPc);
    EXPECT_EQ(c.BidiPort, QStringLiteral("2021"));
    EXPECT_EQ(c.Idioma, QStringLiteral("SPANISH"));

    const QSettings s(loc.file, QSettings::IniFormat);
    EXPECT_EQ(s.allKeys(), QStringList({"REG1", "REG2", "REG3", "REG4", "REG5", "REG6", "REG7", "REG8"}));
    EXPECT_EQ(raw("REG2"), QStringLiteral("BAAAALtaoSjiAWpcbt2TTktIVx0="));  // "COM1"
    const std::pair<const char *, QString> want[] = {
        {"REG1", titolPrograma()}, {"REG2", "COM1"}, {"REG3", ""}, {"REG4", ""}, {"REG5", ""},
        {"REG6", kPc}, {"REG7", "2021"}, {"REG8", "SPANISH"},
    };
    for (const auto &[name, plain] : want) {
        EXPECT_EQ(stored(name), plain) << name;
        EXPECT_NE(raw(name), plain) << name;
    }
    EXPECT_FALSE(QFile::exists(loc.secretFile));  // nothing to seal yet
    EXPECT_EQ(QFile::permissions(loc.file) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
}

TEST_F(SettingsStoreTest, StoredSettingsReadBackButTheTitleIsAlwaysTheRunningVersion)
{
    ConfigInicial c{QStringLiteral("VLM - Software de programación Ver. 2.4.01.02"),
                    QStringLiteral("/dev/ttyACM0"), QStringLiteral("tecnico@example.com"),
                    QStringLiteral("contraseña, con coma"), QStringLiteral("uid-77"),
                    QStringLiteral("192.168.7.9"), QStringLiteral("3030"), QStringLiteral("FRANCAIS")};
    ASSERT_TRUE(store.GuardarConfigInicial(c));
    EXPECT_EQ(stored("REG1"), c.Titol);

    ConfigInicial back;
    EXPECT_TRUE(store.LLegirConfigInicial(back));
    EXPECT_EQ(back.Titol, titolPrograma());
    back.Titol = c.Titol;
    EXPECT_EQ(std::tie(back.ComUSB, back.EmpresaEmail, back.EmpresaPassword, back.CodiReg, back.BidiIP,
                       back.BidiPort, back.Idioma),
              std::tie(c.ComUSB, c.EmpresaEmail, c.EmpresaPassword, c.CodiReg, c.BidiIP, c.BidiPort,
                       c.Idioma));
}

// Values that are not cipher texts read as what the decryption yields
// (empty), not as their text and not as their default.
TEST_F(SettingsStoreTest, PlainValuesAreNotReadAsTheirText)
{
    putRaw("REG1", EncriptarCadenaAes(titolPrograma(), kClau));
    putRaw("REG2", "COM3");
    putRaw("REG3", "tecnico@example.com");
    putRaw("REG7", "2021");
    putRaw("REG8", "ENGLISH");

    ConfigInicial c;
    EXPECT_FALSE(store.LLegirConfigInicial(c));
    EXPECT_TRUE(c.encrip);
    EXPECT_EQ(c.ComUSB, QStringLiteral("COM1"));
    EXPECT_EQ(c.EmpresaEmail, QString());
    EXPECT_EQ(c.BidiPort, QString());
    EXPECT_EQ(c.Idioma, QString());
    EXPECT_EQ(c.BidiIP, kPc);  // missing, so its default

    // The start-up pair then rewrites the whole store encrypted.
    EXPECT_TRUE(loadSettingsAtStartUp(store, c));
    EXPECT_EQ(stored("REG2"), QStringLiteral("COM1"));
    EXPECT_EQ(stored("REG8"), QString());
}

TEST_F(SettingsStoreTest, EmptyStoredPortBehavesLikeAMissingOne)
{
    for (const QString &port : {EncriptarCadenaAes(QString(), kClau), QString()}) {
        putRaw("REG2", port);
        ConfigInicial c;
        EXPECT_FALSE(store.LLegirConfigInicial(c)) << port.toStdString();
        EXPECT_EQ(c.ComUSB, QStringLiteral("COM1"));
    }
}

// A "REG1" that is not a text switches the read to plain text; the next
// store is encrypted all the same.
TEST_F(SettingsStoreTest, TitleOfAnotherTypeFallsBackToPlainText)
{
    putRaw("REG1", QStringList{"not", "a text"});
    putRaw("REG2", "COM7");
    putRaw("REG4", "oldpass");
    putRaw("REG8", "ENGLISH");

    ConfigInicial c;
    EXPECT_TRUE(store.LLegirConfigInicial(c));
    EXPECT_FALSE(c.encrip);
    EXPECT_EQ(c.Titol, titolPrograma());
    EXPECT_EQ(c.ComUSB, QStringLiteral("COM7"));
    EXPECT_EQ(c.EmpresaPassword, QStringLiteral("oldpass"));
    EXPECT_EQ(c.Idioma, QStringLiteral("ENGLISH"));
    EXPECT_EQ(c.BidiIP, kPc);
    EXPECT_EQ(c.BidiPort, QStringLiteral("2021"));

    ASSERT_TRUE(store.GuardarConfigInicial(c));
    ConfigInicial back;
    EXPECT_TRUE(store.LLegirConfigInicial(back));
    EXPECT_TRUE(back.encrip);
    EXPECT_EQ(back.ComUSB, QStringLiteral("COM7"));
    EXPECT_EQ(back.EmpresaPassword, QStringLiteral("oldpass"));
    EXPECT_EQ(stored("REG8"), QStringLiteral("ENGLISH"));
}

TEST_F(SettingsStoreTest, StartUpEndsWhenNothingCanBeWritten)
{
    // A directory that cannot exist: its parent is a regular file.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const SettingsStore unwritable({dir.filePath(QStringLiteral("blocker/velmar.ini")),
                                    dir.filePath(QStringLiteral("blocker/secret.key"))},
                                   kPc);

    ConfigInicial c;
    c.EmpresaPassword = QStringLiteral("s3cret");
    EXPECT_FALSE(unwritable.GuardarConfigInicial(c));
    EXPECT_FALSE(loadSettingsAtStartUp(unwritable, c));
    EXPECT_EQ(c.ComUSB, QStringLiteral("COM1"));
    EXPECT_EQ(c.Idioma, QStringLiteral("SPANISH"));
    EXPECT_EQ(c.Titol, titolPrograma());
}

// The cloud password is sealed to this user and machine inside its value;
// the other account values stay in the shared format.
TEST_F(SettingsStoreTest, PasswordIsSealedToThisUser)
{
    ASSERT_TRUE(store.GuardarCompte("tecnico@example.com", "s3cret", "uid-1"));
    EXPECT_EQ(stored("REG3"), QStringLiteral("tecnico@example.com"));
    EXPECT_EQ(stored("REG5"), QStringLiteral("uid-1"));
    const QString reg4 = stored("REG4");
    EXPECT_TRUE(PasswordSeal::isSealed(reg4));
    EXPECT_FALSE(reg4.contains(QStringLiteral("s3cret")));
    EXPECT_EQ(QFile::permissions(loc.secretFile),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                  | QFileDevice::WriteUser);

    ConfigInicial c;
    store.LLegirConfigInicial(c);
    EXPECT_EQ(c.EmpresaPassword, QStringLiteral("s3cret"));

    // The settings file alone, under another user's secret, gives no password.
    QTemporaryDir other;
    QFile::copy(loc.file, other.filePath("velmar.ini"));
    SettingsStore elsewhere({other.filePath("velmar.ini"), other.filePath("secret.key")}, kPc);
    PasswordSeal(other.filePath("secret.key")).seal("make a secret");
    ConfigInicial stolen;
    elsewhere.LLegirConfigInicial(stolen);
    EXPECT_EQ(stolen.EmpresaPassword, QString());
    EXPECT_EQ(stolen.EmpresaEmail, QStringLiteral("tecnico@example.com"));

    // A lost secret loses only the password.
    QFile::remove(loc.secretFile);
    ConfigInicial lost;
    store.LLegirConfigInicial(lost);
    EXPECT_EQ(lost.EmpresaPassword, QString());
    EXPECT_EQ(lost.CodiReg, QStringLiteral("uid-1"));
}

TEST_F(SettingsStoreTest, PasswordStoredInTheSharedFormatStillReadsAndIsSealedOnStore)
{
    putRaw("REG2", EncriptarCadenaAes("COM4", kClau));
    putRaw("REG4", EncriptarCadenaAes("oldpass", kClau));

    ConfigInicial c;
    EXPECT_TRUE(loadSettingsAtStartUp(store, c));
    EXPECT_EQ(c.EmpresaPassword, QStringLiteral("oldpass"));
    ASSERT_TRUE(store.GuardarConfigInicial(c));
    EXPECT_TRUE(PasswordSeal::isSealed(stored("REG4")));
    ConfigInicial back;
    store.LLegirConfigInicial(back);
    EXPECT_EQ(back.EmpresaPassword, QStringLiteral("oldpass"));
}

// When no secret can be kept the password is not sealed, but it is not
// dropped either: it stays in the shared format and the trace says why.
TEST_F(SettingsStoreTest, PasswordThatCannotBeSealedIsKeptInTheSharedFormat)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("secret.key")));
    Trace trace;
    QStringList lines;
    QObject::connect(&trace, &Trace::entry, [&](const QString &text, TraceColour) { lines << text; });
    const SettingsStore traced(loc, kPc, &trace);

    const struct {
        const char *how;
        std::function<bool()> store;
    } writers[] = {
        {"on close", [&] {
             ConfigInicial c;
             c.ComUSB = QStringLiteral("COM4");
             c.EmpresaPassword = QStringLiteral("s3cret");
             return traced.GuardarConfigInicial(c);
         }},
        {"on sign-in", [&] { return traced.GuardarCompte("tecnico@example.com", "s3cret", "uid-1"); }},
    };
    for (const auto &w : writers) {
        lines.clear();
        QFile::remove(loc.file);
        ASSERT_TRUE(w.store()) << w.how;
        EXPECT_EQ(stored("REG4"), QStringLiteral("s3cret")) << w.how;
        ConfigInicial back;
        traced.LLegirConfigInicial(back);
        EXPECT_EQ(back.EmpresaPassword, QStringLiteral("s3cret")) << w.how;
        ASSERT_EQ(lines.size(), 1) << w.how;
        EXPECT_TRUE(lines[0].contains(loc.secretFile)) << lines[0].toStdString();
        EXPECT_TRUE(lines[0].contains(QStringLiteral("sin sellar"))) << lines[0].toStdString();
    }

    // Once a secret can be made again, the next store seals it.
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("secret.key")));
    lines.clear();
    ASSERT_TRUE(traced.GuardarCompte("tecnico@example.com", "s3cret", "uid-1"));
    EXPECT_TRUE(PasswordSeal::isSealed(stored("REG4")));
    EXPECT_TRUE(lines.isEmpty());
}

TEST(SettingsLocation, PerUserFileIsNamedAfterTheRegistryKey)
{
    const SettingsLocation loc = SettingsLocation::perUser();
    EXPECT_TRUE(loc.file.endsWith(QStringLiteral("/Velmar Q7R2T CLOUD Ver. 2.0.02.ini"))) << loc.file.toStdString();
    EXPECT_EQ(QFileInfo(loc.secretFile).absolutePath(), QFileInfo(loc.file).absolutePath());
}
