#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace velmar {

// AES-256 (14 rounds) in ECB mode over whole 16-byte blocks, no padding: the
// block step of the text cipher. The key must be 32 bytes and the data a
// multiple of 16 bytes; anything else, or a failure of the library, gives an
// empty result.
QByteArray aes256EcbEncrypt(QByteArrayView key, QByteArrayView blocks);
QByteArray aes256EcbDecrypt(QByteArrayView key, QByteArrayView blocks);

} // namespace velmar
