#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <span>

namespace velmar {

using XXteaKey = std::array<quint32, 4>;

// Corrected Block TEA (delta 9E3779B9, 6 + 52/n rounds) over n 32-bit words
// in place; fewer than two words are left unchanged.
void xxteaEncipherWords(std::span<quint32> v, const XXteaKey &k);
void xxteaDecipherWords(std::span<quint32> v, const XXteaKey &k);

// Key bytes as four little-endian words, zero bytes appended up to 16.
XXteaKey xxteaKey(QByteArrayView key);

// Messages of the update server: the data packed into little-endian words
// (last one zero-filled) plus one word with the data's byte length,
// enciphered and written out as 4 x n bytes. Empty data gives nothing.
QByteArray xxteaEncipher(QByteArrayView data, QByteArrayView key);

// The reverse; the length word must lie within the last two words' worth of
// bytes (4n-7 to 4n-4), otherwise the result is empty. Never throws.
QByteArray xxteaDecipher(QByteArrayView data, QByteArrayView key) noexcept;

} // namespace velmar
