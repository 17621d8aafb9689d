#include "support/ZipEntries.h"

#include <QtEndian>

#include <zlib.h>

namespace velmar::test {

namespace {
quint32 u32(const QByteArray &b, qsizetype at)
{
    return at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.constData() + at) : 0;
}
quint16 u16(const QByteArray &b, qsizetype at)
{
    return at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : 0;
}

QByteArray inflateRaw(const QByteArray &in, qsizetype size)
{
    QByteArray out(size, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return {};
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    z.avail_in = uInt(in.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return rc == Z_STREAM_END && qsizetype(z.total_out) == size ? out : QByteArray();
}
} // namespace

QMap<QString, QByteArray> zipEntries(const QByteArray &zip)
{
    QMap<QString, QByteArray> files;
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0)
        return {};
    const int count = u16(zip, end + 10);
    qsizetype at = u32(zip, end + 16);
    for (int i = 0; i < count; ++i) {
        if (u32(zip, at) != 0x02014b50)
            return {};
        const quint16 method = u16(zip, at + 10);
        const quint32 packed = u32(zip, at + 20);
        const quint32 size = u32(zip, at + 24);
        const quint16 nameLength = u16(zip, at + 28);
        const quint16 extra = u16(zip, at + 30);
        const quint16 comment = u16(zip, at + 32);
        const quint32 local = u32(zip, at + 42);
        const QString name = QString::fromUtf8(zip.mid(at + 46, nameLength));
        if (u32(zip, local) != 0x04034b50)
            return {};
        const qsizetype data = local + 30 + u16(zip, local + 26) + u16(zip, local + 28);
        const QByteArray raw = zip.mid(data, packed);
        if (method == 0)
            files.insert(name, raw);
        else if (method == 8)
            files.insert(name, inflateRaw(raw, size));
        else
            return {};
        at += 46 + nameLength + extra + comment;
    }
    return files;
}

} // namespace velmar::test
