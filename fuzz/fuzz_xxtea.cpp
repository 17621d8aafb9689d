// Update-server messages are outside input: feeds arbitrary bytes to the
// XXTEA decipher and checks the length rule and the round trip.
#include "core/update/XXtea.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // First byte: length of the key taken from the front of the input.
    const size_t keyLen = std::min<size_t>(data[0] % 20, size - 1);
    const QByteArray key(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(keyLen));
    const QByteArray msg(reinterpret_cast<const char *>(data + 1 + keyLen),
                         static_cast<qsizetype>(size - 1 - keyLen));

    const QByteArray plain = xxteaDecipher(msg, key);
    const qsizetype have = (msg.size() + 3) / 4 * 4;
    if (!plain.isEmpty() && (plain.size() < have - 7 || plain.size() > have - 4))
        std::abort();

    const QByteArray sealed = xxteaEncipher(msg, key);
    if (xxteaDecipher(sealed, key) != msg)
        std::abort();
    return 0;
}
