#include "ModuleUpdate.h"

#include "UpdateWire.h"

namespace velmar::sim {

ModuleUpdate::ModuleUpdate(UpdateSideOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options))
{
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, &ModuleUpdate::frameTimedOut);
}

bool ModuleUpdate::begin(const QString &line)
{
    const QStringList f = line.mid(line.indexOf(QLatin1String("vm+act=")) + 7).trimmed().split(u',');
    bool okSize = false;
    bool okFile = false;
    const int size = f.value(0).toInt(&okSize);
    const qint64 file = f.value(1).toLongLong(&okFile);
    if (f.size() != 4 || !okSize || !okFile || size <= 0 || file < 0)
        return false;
    m_active = true;
    m_silent = false;
    m_blockSize = size;
    m_fileSize = file;
    m_imageCrc = f[2].toLatin1().toUpper();
    m_newFirmware = f[3];
    m_blocks = int((file + size - 1) / size);
    m_image.clear();
    m_buffer.clear();
    m_failures = 0;
    note(QStringLiteral("update: %1 blocks of %2").arg(m_blocks).arg(size));
    if (m_blocks == 0)
        end(wire::crcHex(m_image) == m_imageCrc);
    else
        request(0);
    return true;
}

qsizetype ModuleUpdate::frameSize(int block) const
{
    const qint64 data = std::min<qint64>(m_blockSize, m_fileSize - qint64(block) * m_blockSize);
    return 5 + qsizetype(data) + 8;
}

void ModuleUpdate::request(int block)
{
    m_expected = block;
    m_buffer.clear();
    if (block == m_options.silentAt) {
        m_silent = true;
        note(QStringLiteral("update: silent from block %1").arg(block));
        // Silent, the module still gives up in the end and restarts.
        m_frameTimer.start(m_options.frameTimeoutMs * m_options.attempts);
        return;
    }
    reply(QStringLiteral("+U%1").arg(block, 3, 16, QLatin1Char('0')).toUpper());
    m_frameTimer.start(m_options.frameTimeoutMs);
}

void ModuleUpdate::feed(const QByteArray &bytes)
{
    if (!m_active || m_silent)
        return;
    m_buffer += bytes;
    const QByteArray header = "+U" + QByteArray::number(m_expected, 16).toUpper().rightJustified(3, '0');
    if (m_buffer.size() >= 5 && !m_buffer.startsWith(header)) {
        m_frameTimer.stop();
        failed(QStringLiteral("+UFF1"));
        return;
    }
    const qsizetype size = frameSize(m_expected);
    if (m_buffer.size() < size)
        return;
    m_frameTimer.stop();
    const QByteArray data = m_buffer.mid(5, size - 13);
    const QByteArray crc = m_buffer.mid(size - 8, 8);
    const QString forced = m_options.replyAt.take(m_expected);
    if (!forced.isEmpty()) {
        failed(QStringLiteral("+U") + forced);
        return;
    }
    if (m_buffer.size() > size) {
        failed(QStringLiteral("+UFF2"));
        return;
    }
    if (wire::crcHex(data) != crc) {
        failed(QStringLiteral("+UFFC"));
        return;
    }
    m_image += data;
    m_failures = 0;
    if (m_expected + 1 < m_blocks)
        request(m_expected + 1);
    else
        end(wire::crcHex(m_image) == m_imageCrc);
}

void ModuleUpdate::frameTimedOut()
{
    if (!m_active)
        return;
    if (m_silent) {
        m_active = false;
        m_silent = false;
        note(QStringLiteral("update: abandoned in silence"));
        finished(QString());
        return;
    }
    failed(QStringLiteral("+UFF0"));
}

void ModuleUpdate::failed(const QString &code)
{
    // What the frame began with tells a stray command from a late frame.
    note(QStringLiteral("update: block %1 refused (%2), frame began %3")
             .arg(m_expected)
             .arg(code, QString::fromLatin1(m_buffer.first(std::min<qsizetype>(m_buffer.size(), 12)).toHex(' '))));
    reply(code);
    // Only a frame error is worth another try; any other code ends the update.
    const bool frameError = code.size() == 5 && QStringLiteral("012C").contains(code.back());
    if (++m_failures >= m_options.attempts || !frameError) {
        m_active = false;
        m_frameTimer.stop();
        note(QStringLiteral("update: abandoned at block %1").arg(m_expected));
        finished(QString());
        return;
    }
    request(m_expected);
}

void ModuleUpdate::end(bool good)
{
    m_active = false;
    m_frameTimer.stop();
    reply(good ? QStringLiteral("+UFFF") : QStringLiteral("+UFFE"));
    note(good ? QStringLiteral("update: image good") : QStringLiteral("update: image CRC failed"));
    finished(good ? m_newFirmware : QString());
}

} // namespace velmar::sim
