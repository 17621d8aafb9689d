// Feeds arbitrary broker payloads on arbitrary topics to the remote session:
// the cutting into lines, the lock check and the shared framer and router,
// with every consumer of one window's engine attached.
#include "core/shell/Engine.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

using namespace velmar;

namespace {
Engine &engine()
{
    static int argc = 1;
    static char name[] = "fuzz_remote_payload";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Endpoints endpoints;
    static Engine e(endpoints);
    return e;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // First byte: routing state and topic; the rest is the payload.
    const uint8_t flags = data[0];
    const QByteArray payload(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    Engine &e = engine();
    LinkState &s = e.state;
    s.connex_remota = QStringLiteral("MQTT");
    s.inf = flags & 1;
    s.puntercamp = (flags & 2) ? QStringLiteral("xxx") : QString();
    s.espero = (flags & 4) ? QStringLiteral("+0102") : QString();
    s.identConnectar.clear(); // an empty topic asks for a new session: refused at once
    static const char *const topics[] = {"gcfg/4711/.", "gsts/4711/.", "gceg/4711/.", ""};
    e.remote.TMSMQTTClientPublishReceived(0, QString::fromLatin1(topics[(flags >> 3) & 3]), payload);
    e.scheduler.cancelAll();
    if (s.vegades_espero < 0)
        __builtin_trap();
    return 0;
}
