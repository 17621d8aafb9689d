#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace velmar::update {

// Messages of the update server: texts carried one byte per character, each
// control message closed by "{=}" and the CRC-32 of its body in 8 upper-case
// hexadecimal digits, every message enciphered with XXTEA.

inline constexpr int kBlockSize = 1024;       // midapack
inline constexpr int kMaxMessageBytes = 8 * 1024; // a data block of 1024 bytes with room to spare

// body + "{=}" + CRC-32 of body.
QByteArray withSuffix(QByteArrayView body);

// ComprovaCRC32: the integrity counter of the messages received in one
// exchange. Starts at 3; a good message sets it to 3, a damaged one takes one
// off, a message without suffix sets it to 0. So, after a good message, two
// damaged ones in a row are tolerated and the third stops.
class IntegrityCounter {
public:
    int check(QByteArrayView text);
    int value() const { return m_value; }

private:
    int m_value = 3;
};

struct VersionQuery {
    QString identifier;   // identConnectar
    QString firmware;
    QString hardware;
    QString company;      // EProgEmpresa
    QString installer;    // EProgInstal
    QString reference;    // EProgRef
    QString uid;          // account uid
};
// The version request body with its suffix (not enciphered), selector "Tots".
QByteArray versionRequest(const VersionQuery &q);

struct VersionEntry {
    QString version;
    QString description;
    QString bytes;
};
struct VersionAnswer {
    enum class Kind { Missing, List, ServerError, Empty } kind = Kind::Missing;
    QList<VersionEntry> entries;  // Kind::List
    QString error;                // Kind::ServerError
};
// The answer for this module inside a checked version reply.
VersionAnswer parseVersionReply(const QByteArray &text, const QString &identifier);

// versioActu: version + "(" + description + ")", and back.
QString versioActu(const VersionEntry &e);
QString shownVersion(const QString &versioActu);

// The transfer request body with its suffix (not enciphered).
QByteArray transferRequest(const QString &identifier, const QString &uid, const QString &versioActu);

struct TransferStart {
    bool found = false;   // a line with "vm+act=" was there
    bool ok = false;      // its four fields make sense
    int blockSize = 0;
    qint64 fileSize = 0;
    int totalPacks = 0;   // fileSize / blockSize + 1
    QByteArray forward;   // the message up to "{=}", for the module
    QString error;        // what the server said instead
};
// RebutIPActu's reading of a checked control message.
TransferStart parseTransferStart(const QByteArray &text);

// "+U" + three hexadecimal digits at positions 3 to 5 of a data block or a
// module reply; nothing when they are not hexadecimal.
std::optional<int> blockNumber(QByteArrayView fromU);

struct ModuleReply {
    enum class Kind { Request, Done, ImageCrcFailed, FrameError, OtherEnd, NotUpdate } kind = Kind::NotUpdate;
    int block = -1;   // Request: the block wanted; FrameError: 0, 1, 2 or 0xC
};
ModuleReply classifyModuleReply(QByteArrayView reply);

// The progress texts of LActualitzant.
QString sendingText(const QString &version, int pack, int total);
QString requestText(const QString &version, int pack, int total);
QString startingText(const QString &version);
QString frameErrorText(const QString &version, int code, int pack);

// Splits the server's byte stream into enciphered messages. The server puts
// no length or marker around a message; a message is recognised by its
// cipher text: XXTEA output is a multiple of 4 bytes whose last deciphered
// word is the plain length, which must fit the last two words. The shortest
// prefix of the buffered bytes that deciphers that way is one message; a
// wrong key or damaged bytes match by chance about once in 2^30 tries. Bytes
// that make no message within kMaxMessageBytes are dropped as garbage.
class MessageReader {
public:
    explicit MessageReader(QByteArray key) : m_key(std::move(key)) {}
    void feed(QByteArrayView bytes);
    // The next deciphered message, if a whole one has arrived.
    std::optional<QByteArray> next();
    // Bytes were thrown away since the last call.
    bool takeDropped();
    void clear();
    qsizetype buffered() const { return m_buffer.size(); }

private:
    QByteArray m_key;
    QByteArray m_buffer;
    qsizetype m_tried = 4;   // prefixes up to this length could not be a message
    bool m_dropped = false;
};

} // namespace velmar::update
