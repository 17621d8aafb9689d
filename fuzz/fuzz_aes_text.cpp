// Stored settings and account values are outside input: feeds arbitrary text
// to the text decipher, the Base64 decoder and the password seal's opener.
#include "core/shell/PasswordSeal.h"
#include "core/update/Base64.h"
#include "core/update/TextCipher.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // First byte: how the bytes become text, and which key.
    const uint8_t mode = data[0];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const QString text = (mode & 1) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    const QString key = (mode & 2) ? QStringLiteral("48315599KWZ7288h") : text.left(mode >> 2);

    if (const std::optional<QByteArray> raw = base64Decode(text)) {
        if (raw->size() > text.size())
            std::abort();
    }

    // Whatever deciphers must encipher back to something that deciphers the same.
    const QString plain = DesencriptarCadenaAes(text, key);
    if (!plain.isEmpty() && DesencriptarCadenaAes(EncriptarCadenaAes(plain, key), key) != plain)
        std::abort();

    const QByteArray sealKey(32, '\x5a');
    (void)PasswordSeal::openWithKey(sealKey, text);
    (void)PasswordSeal::openWithKey(sealKey, QStringLiteral("{vlm-pw1}") + text);
    return 0;
}
