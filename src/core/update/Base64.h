#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <optional>

namespace velmar {

// Base64 with the standard alphabet, "=" padding and no line breaks.
QByteArray base64Encode(QByteArrayView bytes);

// Lenient decoding of stored texts: every character outside the alphabet
// (the padding "=" included) is dropped first; what remains must be 4k, 4k+2
// or 4k+3 characters long (3k, 3k+1, 3k+2 bytes). A remainder of 4k+1
// characters carries no whole byte and gives nothing.
std::optional<QByteArray> base64Decode(QStringView text);

} // namespace velmar
