#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmar {

// Every installation shares the key of the settings cipher, so it hides the
// cloud password from nobody who has the settings file. The password is
// therefore sealed first (AES-256-GCM) under a key derived from a random
// per-user secret file (owner-only) and this machine's identifier; the sealed
// text then goes through the settings cipher like any other value, so the
// stored format does not change. A password stored before sealing existed
// still reads, and is sealed the next time the settings are stored.
class PasswordSeal {
public:
    explicit PasswordSeal(QString secretFile);

    // The sealed text of a password. An empty password stays empty. Creates
    // the secret file on first use; when no secret can be kept (or the
    // cipher fails) the result is empty and `why` says what went wrong.
    QString seal(const QString &password, QString *why = nullptr) const;

    // The password of a stored text: a sealed text gives its password, or an
    // empty text when it cannot be opened here (other user, other machine,
    // secret lost or damaged text); any other text is a password stored
    // before sealing and is taken as it is.
    QString open(const QString &stored) const;

    static bool isSealed(QStringView stored);

    // The keyed steps, without the secret file.
    static QString sealWithKey(QByteArrayView key, const QString &password);
    static std::optional<QString> openWithKey(QByteArrayView key, QStringView sealed);

    const QString &secretFile() const { return m_secretFile; }

private:
    QByteArray loadKey() const;
    QByteArray loadOrCreateKey(QString *why) const;

    QString m_secretFile;
};

} // namespace velmar
