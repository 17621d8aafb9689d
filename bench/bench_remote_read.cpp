// A full read of the simulated module over the broker on loopback, against
// the same read over the pseudo-terminal. Both engines read the same
// velmar-sim (linked on both at once); the counter is the ratio of the two
// wall times (1.0 = as fast as the cable).
#include "core/shell/Engine.h"

#include "support/BrokerEndpoints.h"
#include "support/MosquittoBroker.h"
#include "support/SimProcess.h"
#include "support/Wait.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

namespace {

using velmar::Engine;
using velmar::test::waitFor;

bool fullRead(Engine &e)
{
    e.programming.progllegida = false;
    e.reader.BBLlegirClick();
    return waitFor([&] { return e.programming.progllegida && !e.programming.busy() && !e.reader.fullReadRunning(); },
                   60000);
}

void BM_FullReadBrokerOverPty(benchmark::State &state)
{
    velmar::test::MosquittoBroker broker;
    if (!broker.ok()) {
        state.SkipWithError("no broker");
        return;
    }
    velmar::test::SimProcess sim({QStringLiteral("--mqtt"), QStringLiteral("%1:%2").arg(broker.host()).arg(broker.port()),
                                  QStringLiteral("--mqtt-user"), broker.user(), QStringLiteral("--mqtt-password"),
                                  broker.password()});
    if (!sim.ok()) {
        state.SkipWithError("no simulator");
        return;
    }
    const velmar::Endpoints ep = velmar::test::brokerEndpoints(broker);
    Engine cable(ep), remote(ep);
    cable.channel.probe(sim.devicePath());
    waitFor([&] { return broker.log().contains(QStringLiteral("velmar-module-")); }, 20000);
    remote.state.identConnectar = QStringLiteral("1000123");
    remote.remote.BConnectarMQTTClick();
    const bool linked = waitFor([&] {
        return cable.identification.connectedShown() && cable.state.inf && remote.identification.connectedShown()
               && remote.state.inf;
    }, 20000);
    if (!linked) {
        state.SkipWithError("not linked");
        return;
    }
    double pty = 0, mqtt = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const bool a = fullRead(cable);
        pty += double(t.nsecsElapsed());
        t.restart();
        const bool b = fullRead(remote);
        mqtt += double(t.nsecsElapsed());
        if (!a || !b) {
            state.SkipWithError("a read did not end");
            return;
        }
    }
    state.counters["broker_over_pty"] = pty > 0 ? mqtt / pty : 0;
}
BENCHMARK(BM_FullReadBrokerOverPty)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
