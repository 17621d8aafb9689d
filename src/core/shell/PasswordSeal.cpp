#include "core/shell/PasswordSeal.h"

#include "core/update/Base64.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>

namespace velmar {

namespace {

constexpr QStringView kPrefix = u"{vlm-pw1}";
constexpr qsizetype kSecretBytes = 32;
constexpr qsizetype kKeyBytes = 32;
constexpr int kNonceBytes = 12;
constexpr int kTagBytes = 16;
// Bound to the value it protects: a sealed text moved to another value fails.
constexpr char kAad[] = "REG4";

struct CtxFree {
    void operator()(EVP_CIPHER_CTX *c) const { EVP_CIPHER_CTX_free(c); }
};
using Ctx = std::unique_ptr<EVP_CIPHER_CTX, CtxFree>;

const unsigned char *u8(const char *p) { return reinterpret_cast<const unsigned char *>(p); }
unsigned char *u8(char *p) { return reinterpret_cast<unsigned char *>(p); }

QByteArray deriveKey(const QByteArray &secret)
{
    QByteArray input = QByteArrayLiteral("velmar password seal v1");
    input += '\0';
    input += secret;
    input += '\0';
    input += QSysInfo::machineUniqueId();
    QByteArray key(kKeyBytes, Qt::Uninitialized);
    unsigned int len = 0;
    if (EVP_Digest(input.constData(), input.size(), u8(key.data()), &len, EVP_sha256(), nullptr) != 1
        || len != kKeyBytes)
        return {};
    return key;
}

} // namespace

PasswordSeal::PasswordSeal(QString secretFile)
    : m_secretFile(std::move(secretFile))
{
}

bool PasswordSeal::isSealed(QStringView stored)
{
    return stored.startsWith(kPrefix);
}

QString PasswordSeal::sealWithKey(QByteArrayView key, const QString &password)
{
    if (key.size() != kKeyBytes)
        return {};
    const QByteArray plain = password.toUtf8();
    QByteArray out(kNonceBytes + plain.size() + kTagBytes, Qt::Uninitialized);
    if (RAND_bytes(u8(out.data()), kNonceBytes) != 1)
        return {};
    Ctx ctx(EVP_CIPHER_CTX_new());
    int len = 0;
    if (!ctx
        || EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1
        || EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, kNonceBytes, nullptr) != 1
        || EVP_EncryptInit_ex(ctx.get(), nullptr, nullptr, u8(key.data()), u8(out.data())) != 1
        || EVP_EncryptUpdate(ctx.get(), nullptr, &len, u8(kAad), sizeof kAad - 1) != 1
        || EVP_EncryptUpdate(ctx.get(), u8(out.data()) + kNonceBytes, &len, u8(plain.constData()),
                             static_cast<int>(plain.size())) != 1
        || EVP_EncryptFinal_ex(ctx.get(), u8(out.data()) + kNonceBytes + len, &len) != 1
        || EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, kTagBytes,
                               u8(out.data()) + kNonceBytes + plain.size()) != 1)
        return {};
    return kPrefix.toString() + QString::fromLatin1(base64Encode(out));
}

std::optional<QString> PasswordSeal::openWithKey(QByteArrayView key, QStringView sealed)
{
    if (key.size() != kKeyBytes || !isSealed(sealed))
        return std::nullopt;
    const std::optional<QByteArray> raw = base64Decode(sealed.sliced(kPrefix.size()));
    if (!raw || raw->size() < kNonceBytes + kTagBytes)
        return std::nullopt;
    const int cipherLen = static_cast<int>(raw->size() - kNonceBytes - kTagBytes);
    QByteArray tag = raw->right(kTagBytes);
    QByteArray plain(cipherLen, Qt::Uninitialized);
    Ctx ctx(EVP_CIPHER_CTX_new());
    int len = 0;
    if (!ctx
        || EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1
        || EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, kNonceBytes, nullptr) != 1
        || EVP_DecryptInit_ex(ctx.get(), nullptr, nullptr, u8(key.data()), u8(raw->constData())) != 1
        || EVP_DecryptUpdate(ctx.get(), nullptr, &len, u8(kAad), sizeof kAad - 1) != 1
        || EVP_DecryptUpdate(ctx.get(), u8(plain.data()), &len, u8(raw->constData()) + kNonceBytes,
                             cipherLen) != 1
        || EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, kTagBytes, u8(tag.data())) != 1
        || EVP_DecryptFinal_ex(ctx.get(), u8(plain.data()) + len, &len) != 1)
        return std::nullopt;
    return QString::fromUtf8(plain);
}

QByteArray PasswordSeal::loadKey() const
{
    QFile f(m_secretFile);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray secret = f.read(kSecretBytes + 1);
    if (secret.size() != kSecretBytes)
        return {};
    return deriveKey(secret);
}

QByteArray PasswordSeal::loadOrCreateKey(QString *why) const
{
    if (QByteArray key = loadKey(); !key.isEmpty())
        return key;
    auto fail = [&](const QString &reason) {
        if (why)
            *why = m_secretFile + QStringLiteral(": ") + reason;
        return QByteArray();
    };
    if (QFileInfo(m_secretFile).isDir())
        return fail(QCoreApplication::translate("PasswordSeal", "es una carpeta"));
    // Missing or damaged: a new secret (what it sealed was unreadable anyway).
    QFile::remove(m_secretFile);
    QDir().mkpath(QFileInfo(m_secretFile).absolutePath());
    QByteArray secret(kSecretBytes, Qt::Uninitialized);
    if (RAND_bytes(u8(secret.data()), kSecretBytes) != 1)
        return fail(QCoreApplication::translate("PasswordSeal", "no hay bytes aleatorios"));
    QFile f(m_secretFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return fail(f.errorString());
    if (f.write(secret) != kSecretBytes || !f.flush()) {
        const QString reason = f.errorString();
        f.close();
        QFile::remove(m_secretFile);
        return fail(reason);
    }
    f.close();
    return deriveKey(secret);
}

QString PasswordSeal::seal(const QString &password, QString *why) const
{
    if (password.isEmpty())
        return QString();
    const QByteArray key = loadOrCreateKey(why);
    QString sealed = key.isEmpty() ? QString() : sealWithKey(key, password);
    if (sealed.isEmpty() && why && why->isEmpty())
        *why = QCoreApplication::translate("PasswordSeal", "el cifrado AES-256-GCM ha fallado");
    return sealed;
}

QString PasswordSeal::open(const QString &stored) const
{
    if (!isSealed(stored))
        return stored;
    const QByteArray key = loadKey();
    if (key.isEmpty())
        return QString();
    return openWithKey(key, stored).value_or(QString());
}

} // namespace velmar
