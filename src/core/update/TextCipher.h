#pragma once

#include <QByteArray>
#include <QString>

namespace velmar {

// Pads TextInicial with copies of CaractersOmplir up to `a` characters,
// appended when `flag` is true, prepended when false; the result is then cut
// to `a` characters (the first ones when appending, the last when
// prepending). An empty fill text only cuts.
QString OmplirText(const QString &TextInicial, const QString &CaractersOmplir, bool flag, int a);

// The 32-byte AES key of a text key: the key stretched to 16 characters, its
// first 8 characters in UTF-16LE, then 16 zero bytes. Stored settings depend
// on exactly this layout.
QByteArray aesKeyFromText(const QString &Clau);

// Text cipher of the stored settings and account values: Base64 of the
// plaintext's byte length (4 bytes, little-endian, signed) followed by the
// AES-256-ECB blocks of the plaintext in the 8-bit code page, the last block
// filled with zeros.
QString EncriptarCadenaAes(const QString &Str, const QString &Clau);

// The plain text of an EncriptarCadenaAes output; an empty text for anything
// that is not one (bad Base64, too short, partial block, length out of range).
// Never throws.
QString DesencriptarCadenaAes(const QString &Str, const QString &Clau) noexcept;

} // namespace velmar
