// The receive side of the update server's connection: messages cut into
// arbitrary reads, then deciphered, checked and parsed. Plain texts come
// from the input (split at 0xFF), are enciphered, and must come out of the
// reader unchanged however the reads cut them; the raw input also goes to a
// second reader as garbage.
#include "core/update/UpdateProtocol.h"
#include "core/update/XXtea.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace velmar;
using namespace velmar::update;

namespace {

const QByteArray kKey = QByteArrayLiteral("FuzzKey123");

void parse(const QByteArray &m, IntegrityCounter &counter)
{
    const int c = counter.check(m);
    if (c > 3)
        std::abort();
    (void)parseTransferStart(m);
    (void)parseVersionReply(m, QStringLiteral("1000123"));
    (void)classifyModuleReply(m);
    (void)blockNumber(m);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int step = 1 + data[0] % 97;
    const QByteArray input(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    std::vector<QByteArray> plains;
    QByteArray stream;
    for (const QByteArray &p : input.split('\xFF')) {
        if (p.isEmpty())
            continue;
        plains.push_back(p);
        stream += xxteaEncipher(p, kKey);
    }
    MessageReader reader(kKey);
    IntegrityCounter counter;
    std::vector<QByteArray> got;
    for (qsizetype at = 0; at < stream.size(); at += step) {
        reader.feed(QByteArrayView(stream).sliced(at, std::min<qsizetype>(step, stream.size() - at)));
        while (std::optional<QByteArray> m = reader.next()) {
            parse(*m, counter);
            got.push_back(*m);
        }
    }
    // Messages too long for the reader are dropped as garbage; others must match.
    bool tooLong = false;
    for (const QByteArray &p : plains)
        tooLong = tooLong || p.size() + 8 > kMaxMessageBytes;
    if (!tooLong && got != plains)
        std::abort();

    MessageReader raw(kKey);
    IntegrityCounter rawCounter;
    raw.feed(input);
    while (std::optional<QByteArray> m = raw.next())
        parse(*m, rawCounter);
    return 0;
}
