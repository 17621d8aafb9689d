#pragma once

#include "core/shell/PasswordSeal.h"

#include <QString>

namespace velmar {

class Trace;

// The eight settings kept between runs, named as the program uses them.
struct ConfigInicial {
    QString Titol;            // "REG1" window title
    QString ComUSB;           // "REG2" serial port of the module
    QString EmpresaEmail;     // "REG3" cloud account e-mail
    QString EmpresaPassword;  // "REG4" cloud account password
    QString CodiReg;          // "REG5" signed-in user id, also the MQTT client id
    QString BidiIP;           // "REG6" telecontrol-bridge listener address
    QString BidiPort;         // "REG7" telecontrol-bridge listener port
    QString Idioma;           // "REG8" "SPANISH", "ENGLISH", "FRANCAIS" or "PORTUGUES"
    bool encrip = true;       // false when the last read fell back to plain text
};

// Where the settings live: an INI file named after the registry key of the
// Windows installations, and the secret that seals the password next to it.
struct SettingsLocation {
    QString file;
    QString secretFile;

    // The current user's location.
    static SettingsLocation perUser();
};

// The per-user store of the eight values "REG1" to "REG8", each kept as
// EncriptarCadenaAes(value, kClau). Every call opens the file afresh, so what
// is read is what actually reached the disk.
class SettingsStore {
public:
    static constexpr char16_t kRegistryKey[] = u"Velmar Q7R2T CLOUD Ver. 2.0.02";
    static constexpr char16_t kClau[] = u"48315599KWZ7288h";

    // pcAddress: the PC's own address, default of the bridge address.
    // trace: where a password that could not be sealed is reported.
    SettingsStore(SettingsLocation location, QString pcAddress, Trace *trace = nullptr);

    // Reads all eight settings into `c`. Missing values take their defaults,
    // a value that is not a cipher text reads as empty, the title is always
    // the running version's. A "REG1" that is not a text switches the whole
    // read to plain text (`encrip` false). Returns false only when the port
    // was missing or empty; it is then already "COM1".
    // The caller applies the port to the serial link and clears the company
    // fields that are not stored.
    bool LLegirConfigInicial(ConfigInicial &c) const;

    // Writes all eight settings, always encrypted. Errors leave the previous
    // values; the result only says whether everything reached the store.
    bool GuardarConfigInicial(const ConfigInicial &c) const;

    // Whether a language ("REG8") has ever been stored: false on a first start,
    // whose language then comes from the system's locale instead of the
    // default "SPANISH".
    bool holdsLanguage() const;

    // Writes the account values ("REG3", "REG4", "REG5") after a sign-in.
    bool GuardarCompte(const QString &email, const QString &password, const QString &uid) const;

    const SettingsLocation &location() const { return m_location; }

private:
    // What "REG4" holds for a password, before the settings cipher.
    QString storedPassword(const QString &password) const;

    QString m_pcAddress;
    SettingsLocation m_location;
    PasswordSeal m_seal;
    Trace *m_trace = nullptr;
};

// The start-up pair: read, and while the port is reported missing store the
// settings and read again. One store puts every default in place; when even
// that does not reach the disk the program goes on with the values in memory
// ("COM1") instead of trying for ever. Returns whether the last read found a
// stored port.
bool loadSettingsAtStartUp(const SettingsStore &store, ConfigInicial &c);

} // namespace velmar
