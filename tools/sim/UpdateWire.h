#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace velmar::sim {

// The update server's wire format, written for the simulator apart from the
// program's own code: XXTEA with a trailing length word, and the "{=}"
// CRC-32 suffix of control messages.
namespace wire {

quint32 crc32(QByteArrayView bytes);
QByteArray crcHex(QByteArrayView bytes);          // 8 upper-case hex digits
QByteArray sealed(QByteArrayView body);           // body + "{=}" + crcHex(body)
bool suffixOk(QByteArrayView text);               // the suffix matches its body
QByteArray encipher(QByteArrayView plain, QByteArrayView key);
// Empty when the length word does not fit.
QByteArray decipher(QByteArrayView cipher, QByteArrayView key);

// Cuts a byte stream into enciphered messages: the shortest prefix that
// deciphers with a fitting length word.
class Splitter {
public:
    explicit Splitter(QByteArray key) : m_key(std::move(key)) {}
    void feed(QByteArrayView bytes) { m_buffer.append(bytes.data(), bytes.size()); }
    std::optional<QByteArray> next();

private:
    QByteArray m_key;
    QByteArray m_buffer;
};

} // namespace wire
} // namespace velmar::sim
