#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace velmar {

// Value of one hexadecimal digit (either case), -1 for any other character.
int hexDigit(QChar c);

// Hexadecimal parse of the module's fields: any character outside 0-9a-fA-F
// makes the whole result 0; the accumulator is 32 bits, sign-extended.
qint64 Hextoint(QStringView text);

// Drops leading "0" characters but never the last character.
QString TrimLeadingZeros(const QString &text);

// One byte per character on the wire: the low 8 bits of each character out,
// each received byte becomes the character with the same code.
QByteArray toWire(QStringView text);
QString fromWire(const QByteArray &bytes);

} // namespace velmar
