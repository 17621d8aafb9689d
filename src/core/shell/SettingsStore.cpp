#include "core/shell/SettingsStore.h"

#include "core/diagnostics/Trace.h"
#include "core/shell/Version.h"
#include "core/update/TextCipher.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <optional>

namespace velmar {

namespace {

const QString kReg1 = QStringLiteral("REG1");
const QString kReg2 = QStringLiteral("REG2");
const QString kReg3 = QStringLiteral("REG3");
const QString kReg4 = QStringLiteral("REG4");
const QString kReg5 = QStringLiteral("REG5");
const QString kReg6 = QStringLiteral("REG6");
const QString kReg7 = QStringLiteral("REG7");
const QString kReg8 = QStringLiteral("REG8");

QString clau() { return QString::fromUtf16(SettingsStore::kClau); }

// A value as text: nullopt when it is stored as something else (a list, a
// number, a byte array), the given default when it is missing.
std::optional<QString> readText(const QSettings &s, const QString &name, const QString &missing)
{
    const QVariant v = s.value(name);
    if (!v.isValid())
        return missing;
    if (v.typeId() != QMetaType::QString)
        return std::nullopt;
    return v.toString();
}

bool finish(QSettings &s)
{
    s.sync();
    const bool ok = s.status() == QSettings::NoError;
    // The file holds the account: keep it to its owner.
    if (ok)
        QFile::setPermissions(s.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return ok;
}

} // namespace

SettingsLocation SettingsLocation::perUser()
{
    const QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmar"),
                      QString::fromUtf16(SettingsStore::kRegistryKey));
    SettingsLocation loc;
    loc.file = s.fileName();
    loc.secretFile = QFileInfo(loc.file).absolutePath() + QStringLiteral("/Velmar Q7R2T CLOUD.key");
    return loc;
}

SettingsStore::SettingsStore(SettingsLocation location, QString pcAddress, Trace *trace)
    : m_pcAddress(std::move(pcAddress))
    , m_location(std::move(location))
    , m_seal(m_location.secretFile)
    , m_trace(trace)
{
}

QString SettingsStore::storedPassword(const QString &password) const
{
    QString why;
    const QString sealed = m_seal.seal(password, &why);
    if (password.isEmpty() || !sealed.isEmpty())
        return sealed;
    // Storing nothing would erase the user's password on the next start:
    // it is kept the way it was stored before sealing, and sealed by the
    // first store that can keep a secret again.
    if (m_trace)
        m_trace->write(QCoreApplication::translate("SettingsStore", "Contraseña guardada sin sellar: ") + why,
                       TraceColour::Red);
    return password;
}

bool SettingsStore::holdsLanguage() const
{
    return QSettings(m_location.file, QSettings::IniFormat).contains(kReg8);
}

bool SettingsStore::LLegirConfigInicial(ConfigInicial &c) const
{
    const QSettings s(m_location.file, QSettings::IniFormat);
    const QString titol = titolPrograma();

    c.encrip = true;
    const std::optional<QString> reg1 = readText(s, kReg1, EncriptarCadenaAes(titol, clau()));
    if (reg1)
        c.Titol = DesencriptarCadenaAes(*reg1, clau());
    else
        c.encrip = false;
    if (c.Titol != titol)
        c.Titol = titol;

    // Missing: the default; not a text, or not a cipher text: empty.
    auto get = [&](const QString &name, const QString &missing) {
        if (c.encrip) {
            const std::optional<QString> v = readText(s, name, EncriptarCadenaAes(missing, clau()));
            return v ? DesencriptarCadenaAes(*v, clau()) : QString();
        }
        return readText(s, name, missing).value_or(QString());
    };
    c.EmpresaEmail = get(kReg3, QString());
    c.EmpresaPassword = m_seal.open(get(kReg4, QString()));
    c.CodiReg = get(kReg5, QString());
    c.ComUSB = get(kReg2, QString());
    c.BidiIP = get(kReg6, m_pcAddress);
    c.BidiPort = get(kReg7, QStringLiteral("2021"));
    c.Idioma = get(kReg8, QStringLiteral("SPANISH"));

    if (c.ComUSB.isEmpty()) {
        c.ComUSB = QStringLiteral("COM1");
        return false;
    }
    return true;
}

bool SettingsStore::GuardarConfigInicial(const ConfigInicial &c) const
{
    QSettings s(m_location.file, QSettings::IniFormat);
    const QString k = clau();
    s.setValue(kReg1, EncriptarCadenaAes(c.Titol, k));
    s.setValue(kReg2, EncriptarCadenaAes(c.ComUSB, k));
    s.setValue(kReg3, EncriptarCadenaAes(c.EmpresaEmail, k));
    s.setValue(kReg4, EncriptarCadenaAes(storedPassword(c.EmpresaPassword), k));
    s.setValue(kReg5, EncriptarCadenaAes(c.CodiReg, k));
    s.setValue(kReg6, EncriptarCadenaAes(c.BidiIP, k));
    s.setValue(kReg7, EncriptarCadenaAes(c.BidiPort, k));
    s.setValue(kReg8, EncriptarCadenaAes(c.Idioma, k));
    return finish(s);
}

bool SettingsStore::GuardarCompte(const QString &email, const QString &password, const QString &uid) const
{
    QSettings s(m_location.file, QSettings::IniFormat);
    const QString k = clau();
    s.setValue(kReg3, EncriptarCadenaAes(email, k));
    s.setValue(kReg4, EncriptarCadenaAes(storedPassword(password), k));
    s.setValue(kReg5, EncriptarCadenaAes(uid, k));
    return finish(s);
}

bool loadSettingsAtStartUp(const SettingsStore &store, ConfigInicial &c)
{
    constexpr int kStoreAttempts = 1;
    bool found = store.LLegirConfigInicial(c);
    for (int attempt = 0; !found && attempt < kStoreAttempts; ++attempt) {
        store.GuardarConfigInicial(c);
        found = store.LLegirConfigInicial(c);
    }
    return found;
}

} // namespace velmar
