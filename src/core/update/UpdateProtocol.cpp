#include "core/update/UpdateProtocol.h"

#include "core/update/CodePage.h"
#include "core/update/Crc32.h"
#include "core/update/XXtea.h"

#include <QCoreApplication>

namespace {
// The translation context of these texts (lupdate reads it from here).
struct UpdateProtocol {
    Q_DECLARE_TR_FUNCTIONS(UpdateProtocol)
};
} // namespace

namespace velmar::update {

namespace {

const QByteArray kSuffix = QByteArrayLiteral("{=}");

QByteArray crcHex(QByteArrayView body)
{
    return QByteArray::number(CalcCRC32(body), 16).toUpper().rightJustified(8, '0');
}

QString versionHead(const QString &version)
{
    return QStringLiteral("VERSION : ") + version + QStringLiteral("\r\n\r\n");
}

} // namespace

QByteArray withSuffix(QByteArrayView body)
{
    return body.toByteArray() + kSuffix + crcHex(body);
}

int IntegrityCounter::check(QByteArrayView text)
{
    const qsizetype at = text.indexOf(kSuffix);
    if (at < 0) {
        m_value = 0;
        return m_value;
    }
    const QByteArrayView digits = text.sliced(at + kSuffix.size()).first(
        std::min<qsizetype>(8, text.size() - at - kSuffix.size()));
    if (digits.size() == 8 && digits.compare(crcHex(text.first(at)), Qt::CaseInsensitive) == 0)
        m_value = 3;
    else
        --m_value;
    return m_value;
}

QByteArray versionRequest(const VersionQuery &q)
{
    const QString body = QStringLiteral("vm+nver:#0Tots#1") + q.identifier + QStringLiteral("#2") + q.firmware
                         + QStringLiteral("#3") + q.hardware + QStringLiteral("#7") + q.company
                         + QStringLiteral("#8") + q.installer + QStringLiteral("#9") + q.reference
                         + QStringLiteral("#A") + q.uid;
    return withSuffix(toAnsi(body));
}

VersionAnswer parseVersionReply(const QByteArray &text, const QString &identifier)
{
    VersionAnswer a;
    const QByteArray marker = "vm+nver " + toAnsi(identifier) + "=";
    const qsizetype at = text.indexOf(marker);
    if (at < 0)
        return a;
    const qsizetype from = at + marker.size();
    const qsizetype end = text.indexOf(kSuffix, from);
    const QString answer = fromAnsi(text.mid(from, end < 0 ? -1 : end - from));
    if (answer.contains(u'|')) {
        a.kind = VersionAnswer::Kind::List;
        for (const QString &entry : answer.split(u'|', Qt::SkipEmptyParts)) {
            const QStringList f = entry.split(u',');
            a.entries.append({f.value(0), f.value(1), f.value(2)});
        }
    } else if (!answer.isEmpty()) {
        a.kind = VersionAnswer::Kind::ServerError;
        a.error = answer;
    } else {
        a.kind = VersionAnswer::Kind::Empty;
    }
    return a;
}

QString versioActu(const VersionEntry &e)
{
    return e.version + u'(' + e.description + u')';
}

QString shownVersion(const QString &versioActu)
{
    return versioActu.section(u'(', 0, 0);
}

QByteArray transferRequest(const QString &identifier, const QString &uid, const QString &versioActu)
{
    return withSuffix(toAnsi(QStringLiteral("vm+act:") + identifier + u',' + uid + u',' + versioActu + u','
                             + QString::number(kBlockSize)));
}

TransferStart parseTransferStart(const QByteArray &text)
{
    TransferStart s;
    const qsizetype end = text.indexOf(kSuffix);
    const QByteArray body = end < 0 ? text : text.first(end);
    for (const QByteArray &line : body.split('\r')) {
        const qsizetype at = line.indexOf("vm+act=");
        if (at < 0)
            continue;
        s.found = true;
        const QByteArray rest = line.mid(at + 7);
        const QList<QByteArray> f = rest.split(',');
        bool sizeOk = false;
        bool fileOk = false;
        const int block = f.size() == 4 ? f[0].trimmed().toInt(&sizeOk) : 0;
        const qint64 file = f.size() == 4 ? f[1].trimmed().toLongLong(&fileOk) : 0;
        // A block size of 0 would divide by zero; a negative size counts nothing.
        if (sizeOk && fileOk && block > 0 && file >= 0) {
            s.ok = true;
            s.blockSize = block;
            s.fileSize = file;
            s.totalPacks = int(std::min<qint64>(file / block + 1, 0xFFF));
            s.forward = body;
            s.error.clear();
            return s;
        }
        s.error = fromAnsi(rest);
    }
    return s;
}

std::optional<int> blockNumber(QByteArrayView fromU)
{
    const qsizetype at = fromU.indexOf(QByteArrayView("+U"));
    if (at < 0 || fromU.size() < at + 5)
        return std::nullopt;
    bool ok = false;
    const int n = fromU.sliced(at + 2, 3).toByteArray().toInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return n;
}

ModuleReply classifyModuleReply(QByteArrayView reply)
{
    ModuleReply r;
    const std::optional<int> n = blockNumber(reply);
    if (!n)
        return r;
    if (*n < 0xFF0) {
        r.kind = ModuleReply::Kind::Request;
        r.block = *n;
        return r;
    }
    r.block = *n & 0xF;
    switch (*n) {
    case 0xFFF: r.kind = ModuleReply::Kind::Done; break;
    case 0xFFE: r.kind = ModuleReply::Kind::ImageCrcFailed; break;
    case 0xFF0: case 0xFF1: case 0xFF2: case 0xFFC: r.kind = ModuleReply::Kind::FrameError; break;
    default: r.kind = ModuleReply::Kind::OtherEnd; break;
    }
    return r;
}

QString sendingText(const QString &version, int pack, int total)
{
    return versionHead(version) + UpdateProtocol::tr("Envío ... (Bloque ") + QString::number(pack + 1) + QStringLiteral(" / ")
           + QString::number(total) + u')';
}

QString requestText(const QString &version, int pack, int total)
{
    return versionHead(version) + UpdateProtocol::tr("Petición bloque ") + QString::number(pack + 1) + QStringLiteral(" / ")
           + QString::number(total);
}

QString startingText(const QString &version)
{
    return versionHead(version) + UpdateProtocol::tr(" Iniciando la actualización ...");
}

QString frameErrorText(const QString &version, int code, int pack)
{
    QString what;
    switch (code) {
    case 0x0: what = UpdateProtocol::tr("Error Time Out -> trama: "); break;
    case 0x1: what = UpdateProtocol::tr("Error en el inicio de la trama: "); break;
    case 0x2: what = UpdateProtocol::tr("Error al final de la trama: "); break;
    default: what = UpdateProtocol::tr("Error CRC de la trama: "); break;
    }
    return versionHead(version) + what + QString::number(pack);
}

void MessageReader::feed(QByteArrayView bytes)
{
    m_buffer.append(bytes.data(), bytes.size());
}

std::optional<QByteArray> MessageReader::next()
{
    for (qsizetype len = m_tried + 4; len <= m_buffer.size(); len += 4) {
        if (len > kMaxMessageBytes)
            break;
        QByteArray plain = xxteaDecipher(QByteArrayView(m_buffer).first(len), m_key);
        if (!plain.isEmpty()) {
            m_buffer.remove(0, len);
            m_tried = 4;
            return plain;
        }
        m_tried = len;
    }
    if (m_tried + 4 > kMaxMessageBytes) {
        m_buffer.clear();
        m_tried = 4;
        m_dropped = true;
    }
    return std::nullopt;
}

bool MessageReader::takeDropped()
{
    return std::exchange(m_dropped, false);
}

void MessageReader::clear()
{
    m_buffer.clear();
    m_tried = 4;
    m_dropped = false;
}

} // namespace velmar::update
