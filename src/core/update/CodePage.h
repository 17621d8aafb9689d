#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velmar {

// The 8-bit code page of the Windows installations whose stored texts we must
// keep reading (Windows-1252). Bytes 81, 8D, 8F, 90 and 9D have no character
// there and map to the control character with the same code, as Windows does.
// A character outside the code page becomes "?" (a surrogate pair one "?").
QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);

} // namespace velmar
