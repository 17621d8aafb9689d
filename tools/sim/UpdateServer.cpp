#include "UpdateServer.h"

#include "UpdateWire.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTimer>

namespace velmar::sim {

namespace {

constexpr int kPieceGapMs = 1;

QString head(const QByteArray &text)
{
    return QString::fromLatin1(text.left(60));
}

} // namespace

// One client of the server: a version exchange or a transfer.
class UpdateServer::Connection : public QObject {
public:
    Connection(QTcpSocket *socket, UpdateServer &server)
        : QObject(socket), m_socket(socket), m_server(server), m_splitter(server.m_options.key)
    {
        connect(socket, &QTcpSocket::readyRead, this, [this] { onRead(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(&m_pieceTimer, &QTimer::timeout, this, [this] { nextPiece(); });
    }

private:
    const UpdateServerOptions &options() const { return m_server.m_options; }
    Transcript &transcript() { return m_server.m_transcript; }

    void onRead()
    {
        m_splitter.feed(m_socket->readAll());
        while (std::optional<QByteArray> m = m_splitter.next())
            onMessage(*m);
    }

    void onMessage(const QByteArray &m)
    {
        transcript().rx(QString::fromLatin1(m));
        if (options().silent) {
            transcript().note(QStringLiteral("silent: not answered"));
            return;
        }
        if (m.startsWith("+U")) {
            onModuleReply(m);
        } else if (!wire::suffixOk(m)) {
            transcript().note(QStringLiteral("bad suffix: not answered"));
        } else if (m.startsWith("vm+nver:")) {
            onVersionRequest(m.first(m.indexOf("{=}")));
        } else if (m.startsWith("vm+act:")) {
            onTransferRequest(m.first(m.indexOf("{=}")));
        } else {
            transcript().note(QStringLiteral("unknown request"));
        }
    }

    void onVersionRequest(const QByteArray &body)
    {
        const qsizetype id1 = body.indexOf("#1");
        const qsizetype id2 = body.indexOf("#2");
        const QByteArray id = id1 >= 0 && id2 > id1 ? body.mid(id1 + 2, id2 - id1 - 2) : QByteArray();
        QByteArray answer;
        for (const Image &img : m_server.images())
            answer += img.version.toLatin1() + ',' + img.description.toLatin1() + ','
                      + QByteArray::number(img.bytes.size()) + '|';
        sendControl("vm+nver " + id + '=' + answer);
    }

    void onTransferRequest(const QByteArray &body)
    {
        const QList<QByteArray> f = body.mid(7).split(',');
        const QByteArray wanted = f.value(2).split('(').value(0);
        m_blockSize = f.size() >= 4 ? f.value(3).toInt() : 0;
        for (const Image &img : m_server.images()) {
            if (img.version.toLatin1() == wanted)
                m_image = img.bytes, m_version = wanted;
        }
        if (m_version.isEmpty() || m_blockSize <= 0) {
            sendControl("vm+act=No existe la version " + wanted + '\r');
            return;
        }
        sendControl("vm+act=" + QByteArray::number(m_blockSize) + ',' + QByteArray::number(m_image.size()) + ','
                    + wire::crcHex(m_image) + ',' + m_version + '\r');
    }

    void onModuleReply(const QByteArray &m)
    {
        bool ok = false;
        const int n = m.mid(2, 3).toInt(&ok, 16);
        if (!ok)
            return;
        if (n == 0xFFF || n == 0xFFE) {
            transcript().note(QStringLiteral("transfer over: closing"));
            m_socket->disconnectFromHost();
            return;
        }
        if (n >= 0xFF0 || m_blockSize <= 0)
            return; // the module asks again by itself
        const qsizetype from = qsizetype(n) * m_blockSize;
        if (from >= m_image.size())
            return;
        if (options().badCrcBeforeBlock.contains(n))
            sendControl("vm+est=" + QByteArray::number(n), true);
        const QByteArray data = m_image.mid(from, m_blockSize);
        const QByteArray frame =
            "+U" + QByteArray::number(n, 16).toUpper().rightJustified(3, '0') + data + wire::crcHex(data);
        transcript().tx(QStringLiteral("block %1 (%2 bytes)").arg(n).arg(data.size()));
        QByteArray out = wire::encipher(frame, options().key);
        if (options().coalesce)
            out.prepend(wire::encipher(wire::sealed("vm+est=" + QByteArray::number(n)), options().key));
        write(out);
        if (n == options().dropAfterBlock) {
            transcript().note(QStringLiteral("dropping the connection"));
            QTimer::singleShot(0, m_socket, [s = m_socket] { s->abort(); });
        }
    }

    void sendControl(const QByteArray &body, bool damaged = false)
    {
        QByteArray text = wire::sealed(body);
        if (damaged || (options().badCrcFirst && !m_sentControl)) {
            text[text.size() - 1] = text.back() == '0' ? '1' : '0';
            transcript().note(QStringLiteral("damaged suffix"));
        }
        m_sentControl = true;
        transcript().tx(head(text));
        write(wire::encipher(text, options().key));
    }

    void write(const QByteArray &bytes)
    {
        const int piece = options().splitBytes;
        if (piece <= 0) {
            m_socket->write(bytes);
            return;
        }
        // Pieces go out in order, one per short gap: separate TCP segments.
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            m_pieces.append(bytes.mid(at, piece));
        if (!m_pieceTimer.isActive())
            m_pieceTimer.start(kPieceGapMs);
    }

    void nextPiece()
    {
        if (m_pieces.isEmpty()) {
            m_pieceTimer.stop();
            return;
        }
        m_socket->write(m_pieces.takeFirst());
        m_socket->flush();
    }

    QTcpSocket *m_socket;
    UpdateServer &m_server;
    wire::Splitter m_splitter;
    QByteArray m_image;
    QByteArray m_version;
    int m_blockSize = 0;
    bool m_sentControl = false;
    QList<QByteArray> m_pieces;
    QTimer m_pieceTimer;
};

bool UpdateServer::parse(const QStringList &args, UpdateServerOptions *o, bool *help, QString *error)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "The firmware update server on loopback. Firmware images are DIR/NAME.bin, each with its\n"
        "description on the first line of DIR/NAME.txt; NAME is the version offered and the firmware\n"
        "text the module reports after the update. The first line on standard output is\n"
        "\"velmar-sim: update-server port P\"."));
    const QCommandLineOption helpOpt({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("TCP port (0: any free one)."),
                                  QStringLiteral("P"));
    const QCommandLineOption dir(QStringLiteral("firmware-dir"), QStringLiteral("Directory of the images."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("XXTEA key text (default %1).")
                                                            .arg(QString::fromLatin1(o->key)),
                                 QStringLiteral("TEXT"));
    const QCommandLineOption transcript(QStringLiteral("transcript"),
                                        QStringLiteral("Write every message received and sent, time-stamped."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption badBefore(QStringLiteral("bad-crc-before-block"),
                                       QStringLiteral("Fault: send a control message with a damaged CRC before "
                                                      "block N (repeatable)."),
                                       QStringLiteral("N"));
    const QCommandLineOption badFirst(QStringLiteral("bad-crc-first"),
                                      QStringLiteral("Fault: damage the CRC of the first control message of "
                                                     "every connection."));
    const QCommandLineOption drop(QStringLiteral("drop-after-block"),
                                  QStringLiteral("Fault: drop the connection once block N is sent."),
                                  QStringLiteral("N"));
    const QCommandLineOption split(QStringLiteral("split-writes"),
                                   QStringLiteral("Fault: write every message in pieces of at most BYTES bytes."),
                                   QStringLiteral("BYTES"));
    const QCommandLineOption coalesce(QStringLiteral("coalesce"),
                                      QStringLiteral("Fault: write every block together with a control message "
                                                     "before it, in one write."));
    const QCommandLineOption silent(QStringLiteral("silent"),
                                    QStringLiteral("Fault: take connections and never answer."));
    p.addOptions({helpOpt, port, dir, key, transcript, badBefore, badFirst, drop, split, coalesce, silent});
    if (!p.parse(args)) {
        *error = p.errorText();
        return false;
    }
    if (p.isSet(helpOpt)) {
        *help = true;
        const QString text = p.helpText();
        *error = QStringLiteral("Usage: velmar-sim update-server --firmware-dir DIR [options]")
                 + text.mid(text.indexOf(u'\n'));
        return true;
    }
    auto number = [&](const QCommandLineOption &opt, const QString &value, int min, int max, int *into) {
        bool ok = false;
        *into = value.toInt(&ok);
        if (ok && *into >= min && *into <= max)
            return true;
        *error = QStringLiteral("--%1 wants a number from %2 to %3").arg(opt.names().first()).arg(min).arg(max);
        return false;
    };
    int v = 0;
    if (p.isSet(port)) {
        if (!number(port, p.value(port), 0, 65535, &v))
            return false;
        o->port = quint16(v);
    }
    if (!p.isSet(dir)) {
        *error = QStringLiteral("update-server needs --firmware-dir");
        return false;
    }
    o->firmwareDir = p.value(dir);
    if (p.isSet(key))
        o->key = p.value(key).toLatin1();
    o->transcriptPath = p.value(transcript);
    for (const QString &b : p.values(badBefore)) {
        if (!number(badBefore, b, 0, 0xFEF, &v))
            return false;
        o->badCrcBeforeBlock.insert(v);
    }
    o->badCrcFirst = p.isSet(badFirst);
    if (p.isSet(drop) && !number(drop, p.value(drop), 0, 0xFEF, &o->dropAfterBlock))
        return false;
    if (p.isSet(split) && !number(split, p.value(split), 1, 1 << 20, &o->splitBytes))
        return false;
    o->coalesce = p.isSet(coalesce);
    o->silent = p.isSet(silent);
    return true;
}

UpdateServer::UpdateServer(UpdateServerOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options))
{
    connect(&m_server, &QTcpServer::newConnection, this, &UpdateServer::onConnection);
}

bool UpdateServer::start(QString *error)
{
    if (!m_options.transcriptPath.isEmpty() && !m_transcript.open(m_options.transcriptPath, error))
        return false;
    if (!QFileInfo(m_options.firmwareDir).isDir()) {
        *error = QStringLiteral("no firmware directory %1").arg(m_options.firmwareDir);
        return false;
    }
    if (!m_server.listen(QHostAddress::LocalHost, m_options.port)) {
        *error = m_server.errorString();
        return false;
    }
    return true;
}

void UpdateServer::onConnection()
{
    while (QTcpSocket *s = m_server.nextPendingConnection()) {
        m_transcript.note(QStringLiteral("connection"));
        new Connection(s, *this);
    }
}

QList<UpdateServer::Image> UpdateServer::images() const
{
    QList<Image> out;
    const QDir dir(m_options.firmwareDir);
    for (const QFileInfo &fi : dir.entryInfoList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name)) {
        QFile bin(fi.filePath());
        if (!bin.open(QIODevice::ReadOnly))
            continue;
        Image img{fi.completeBaseName(), QStringLiteral("Firmware ") + fi.completeBaseName(), bin.readAll()};
        QFile txt(dir.filePath(fi.completeBaseName() + QStringLiteral(".txt")));
        if (txt.open(QIODevice::ReadOnly))
            img.description = QString::fromLatin1(txt.readLine().trimmed());
        out.append(img);
    }
    return out;
}

} // namespace velmar::sim
