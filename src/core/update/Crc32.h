#pragma once

#include <QByteArrayView>
#include <QStringView>

namespace velmar {

// CRC-32 of IEEE 802.3 (reflected 0xEDB88320, initial all ones, final
// complement), the integrity suffix of the update server's messages.
quint32 CalcCRC32(QByteArrayView bytes);

// The same over a text in the 8-bit code page.
quint32 CalcCRC32(QStringView text);

} // namespace velmar
