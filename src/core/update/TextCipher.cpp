#include "core/update/TextCipher.h"

#include "core/update/Aes256.h"
#include "core/update/Base64.h"
#include "core/update/CodePage.h"

#include <QtEndian>

namespace velmar {

namespace {

constexpr int kStretchedKey = 16;
constexpr int kKeyChars = 8;
constexpr qsizetype kAesKey = 32;
constexpr qsizetype kBlock = 16;
constexpr qsizetype kLengthBytes = 4;

} // namespace

QString OmplirText(const QString &TextInicial, const QString &CaractersOmplir, bool flag, int a)
{
    const qsizetype target = std::max(a, 0);
    QString result = TextInicial;
    if (!CaractersOmplir.isEmpty()) {
        QString fill;
        while (result.size() + fill.size() < target)
            fill += CaractersOmplir;
        result = flag ? result + fill : fill + result;
    }
    if (result.size() > target)
        result = flag ? result.left(target) : result.right(target);
    return result;
}

QByteArray aesKeyFromText(const QString &Clau)
{
    const QString stretched = OmplirText(Clau, Clau, true, kStretchedKey);
    QByteArray key(kAesKey, '\0');
    for (int i = 0; i < kKeyChars && i < stretched.size(); ++i) {
        const char16_t u = stretched.at(i).unicode();
        key[2 * i] = static_cast<char>(u & 0xFF);
        key[2 * i + 1] = static_cast<char>(u >> 8);
    }
    return key;
}

QString EncriptarCadenaAes(const QString &Str, const QString &Clau)
{
    const QByteArray plain = toAnsi(Str);
    QByteArray blocks = plain;
    if (const qsizetype rest = blocks.size() % kBlock)
        blocks.append(kBlock - rest, '\0');

    QByteArray out(kLengthBytes, Qt::Uninitialized);
    qToLittleEndian<qint32>(static_cast<qint32>(plain.size()), out.data());
    out += aes256EcbEncrypt(aesKeyFromText(Clau), blocks);
    return QString::fromLatin1(base64Encode(out));
}

QString DesencriptarCadenaAes(const QString &Str, const QString &Clau) noexcept
{
    try {
        const std::optional<QByteArray> raw = base64Decode(Str);
        if (!raw || raw->size() < kLengthBytes)
            return {};
        const qint32 length = qFromLittleEndian<qint32>(raw->constData());
        const QByteArrayView blocks = QByteArrayView(*raw).sliced(kLengthBytes);
        if (length < 0 || length > blocks.size() || blocks.size() % kBlock != 0)
            return {};
        const QByteArray plain = aes256EcbDecrypt(aesKeyFromText(Clau), blocks);
        if (plain.size() != blocks.size())
            return {};
        return fromAnsi(QByteArrayView(plain).first(length));
    } catch (...) {
        return {};
    }
}

} // namespace velmar
