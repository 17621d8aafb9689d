#include "core/update/Crc32.h"

#include "core/update/CodePage.h"

#include <zlib.h>

#include <algorithm>

namespace velmar {

quint32 CalcCRC32(QByteArrayView bytes)
{
    // zlib's table is built once by the library itself.
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto *p = reinterpret_cast<const Bytef *>(bytes.data());
    qsizetype left = bytes.size();
    while (left > 0) {
        const uInt len = static_cast<uInt>(std::min<qsizetype>(left, 1 << 30));
        crc = crc32(crc, p, len);
        p += len;
        left -= len;
    }
    return static_cast<quint32>(crc);
}

quint32 CalcCRC32(QStringView text)
{
    return CalcCRC32(QByteArrayView(toAnsi(text)));
}

} // namespace velmar
