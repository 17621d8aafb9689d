#include "core/shell/Engine.h"

#include "core/panels/CodeTables.h"
#include "core/panels/PanelPages.h"

namespace velmar {

namespace {
// Polling after a cycle the link loss stopped, as after a failed one.
constexpr int kAfterStoppedCycleMs = 1000;
} // namespace

Engine::Engine(const Endpoints &endpoints, QObject *parent)
    : QObject(parent),
      traceLog(trace),
      channel(state, scheduler, trace),
      lamps(state),
      endpoints(endpoints),
      infoTexts(namedTexts),
      interpreter(state, infoTexts, status, eventLog),
      identification(state, channel, scheduler, trace),
      display(state, status),
      monitor(state, channel, identification, scheduler, lamps, blink),
      reader(state, channel, scheduler, trace, fields, identification, programming),
      writer(state, channel, scheduler, trace, fields, identification, programming, this->endpoints),
      commands(state, channel, scheduler, fields, eventLog, identification, programming, reader),
      remote(state, channel, identification, trace),
      firmwareUpdate(state, channel, identification, programming, fields, scheduler, trace, this->endpoints),
      cloud(this->endpoints, state, trace),
      account(cloud, trace),
      panelMonitor(state, blink, programming),
      panelOrders(state, channel, scheduler, programming),
      panelLists(panelMonitor, cloud),
      listErase(state, channel, scheduler, fields, programming, writer),
      circuitSearch(cloud, account, state, remote),
      offlineStatus(state, status, eventLog, panelMonitor),
      history(cloud, state, programming),
      doorLists(cloud, fields),
      console(state, channel, programming),
      bridge(state, remote, scheduler, trace, programming),
      doors(state, cloud, channel, remote, programming)
{
    catalogue.Llegir_parametres();
    for (const QString &unbound : fields.InicialitzaPunters(catalogue))
        trace.write(QStringLiteral("Control sin parámetro: ") + unbound, TraceColour::Red);
    panels::installPageForms(fields, state.central);
    infoTexts.Llegir_DefInfo();

    ReplyConsumers consumers = channel.router().consumers();
    consumers.info = &interpreter;
    consumers.identification = &identification;
    consumers.read = &reader;
    consumers.write = &writer;
    consumers.update = &firmwareUpdate;
    channel.router().setConsumers(consumers);
    interpreter.setPanelSink(&panelMonitor);
    wireProgramming();
    wireRemote();
    wireCloud();
    wireBridge();
    wireDoors();
    commands.setCloudEvents(&cloud);
    panelOrders.setCloudEvents(&cloud);
    firmwareUpdate.accountUid = [this] { return cloud.CodiReg(); };
    monitor.setUpdateWatch(&firmwareUpdate);
    connect(&monitor, &StatusMonitor::estatCommandsEnabled, &console, &ConsoleCommands::setInfoRed);
    connect(&firmwareUpdate, &FirmwareUpdate::ended, &monitor, &StatusMonitor::showStatusPage);
    connect(&firmwareUpdate, &FirmwareUpdate::closeRemoteSession, &monitor, &StatusMonitor::closeRemoteSession);
    connect(&firmwareUpdate, &FirmwareUpdate::closeBridge, &monitor, &StatusMonitor::closeBridge);
    // Not between a firmware transfer's frames.
    connect(&interpreter, &InfoInterpreter::commandRequested, &channel, [this](const QString &word) {
        if (!identification.linkTaken())
            channel.send(word);
    });
    connect(&interpreter, &InfoInterpreter::warning, this, &Engine::warning);
    connect(&panelLists, &panels::PanelLists::message, this, &Engine::warning);
    connect(&channel, &CommandChannel::warning, this, &Engine::warning);
    connect(&channel, &CommandChannel::disconnected, this, &Engine::Esborra_Camps);
    connect(&identification, &Identification::linkLost, this, &Engine::Esborra_Camps);
    connect(&identification, &Identification::recognised, this, [this] { fields.ConfigVPN = true; });
    connect(&identification, &Identification::partsActivesChanged, &display, &StatusDisplay::partsActives);
    connect(&monitor, &StatusMonitor::fieldsCleared, this, &Engine::Esborra_Camps);

    // Every framed reply is traced with the rule that took it.
    connect(&channel, &CommandChannel::replyRouted, this,
            [this](const QString &, ReplyRouter::Rule rule) {
                if (rule != ReplyRouter::Rule::Ignored)
                    trace.write(QStringLiteral("  -> %1").arg(QLatin1String(ReplyRouter::ruleName(rule))));
            });
}

void Engine::wireProgramming()
{
    // Polling waits while the programming cycles talk to the module.
    identification.setCyclesRunning([this] {
        return reader.timerActive() || reader.fullReadRunning() || writer.running();
    });
    monitor.setWorking([this] { return programming.working(); });
    identification.setLinkTaken([this] { return firmwareUpdate.transferOpen(); });
    reader.showProgrammingView = [this] { commands.BBProgClick(); };
    writer.showProgrammingView = [this] { commands.BBProgClick(); };
    writer.passarPanelProgramacio = [this] { commands.PassarPanelProgramacio(); };

    auto syncView = [this] {
        identification.setView({programming.mostraestat, programming.programmingShown(),
                                programming.localChosen});
    };
    syncView();
    connect(&programming, &ProgrammingState::viewChanged, this, syncView);
    connect(&identification, &Identification::localLinkChosen, this, [this] {
        programming.localChosen = true;
        emit programming.viewChanged();
    });
    // The module switched its stream off while an operation waited for it.
    connect(&identification, &Identification::pendingOperation, this, [this] {
        if (state.llegir)
            reader.BBLlegirClick();
        else if (state.llegirpag)
            reader.BBLlegirPagClick();
        else
            writer.BBGravarPagClick();
    });
    // A template forgotten with the window's fields takes the user's changes with it.
    connect(&commands, &ModuleCommands::resetToDisconnected, this, [this] {
        fields.ncampsModificats = 0;
        Esborra_Camps();
    });

    // Without a link no cycle can finish: each stops where it is.
    connect(&identification, &Identification::linkLost, this, &Engine::stopCycles);
    connect(&channel, &CommandChannel::disconnected, this, &Engine::stopCycles);
    // The watchdog's loss too: a full read has no time-out of its own and
    // would hold the window, and the polling, for good.
    connect(&monitor, &StatusMonitor::fieldsCleared, this, &Engine::stopCycles);
}

void Engine::stopCycles()
{
    const bool cycleRan = reader.fullReadRunning() || reader.timerActive() || writer.running();
    reader.abort();
    writer.abort();
    // The cycle had stopped the polling; as at the end of any cycle it goes
    // on, and finds the module again (or the one plugged in next).
    if (cycleRan && !identification.active())
        identification.start(kAfterStoppedCycleMs);
}

void Engine::stopForClose()
{
    identification.halt();
    scheduler.cancelAll();
    stopCycles();
}

void Engine::retranslate()
{
    infoTexts.Llegir_DefInfo();
    panels::retranslateCodeTables();
    for (GridModel *g : fields.grids())
        g->retranslate();
    if (!programming.panelTab().isEmpty() && state.circuittrobat) {
        const ModuleCommands::PanelTab t = ModuleCommands::panelTabFor(state.central);
        programming.arrangeTabs(t.tab, t.caption, t.title);
    }
    display.retranslate();
}

void Engine::Esborra_Camps()
{
    // Changes the user has not written yet outlive the link (FieldModel):
    // the pages they sit on count as read, so that showing them again does
    // not read over the changes.
    programming.progllegida = programming.progllegida && fields.ncampsModificats > 0;
    // The core's state first: the window's reset (disconnectedReset) comes
    // last and draws the cleared state.
    status.reset();
    eventLog.clear();
    display.reset();
    blink.Inicialitza_PEstat();
    identification.showDisconnected();
    state.central.clear();
    state.connex_velmar_Agui = 0;
    state.firmware.clear();
    state.hardware.clear();
    state.PartsActives.clear();
    state.versioCircuit.clear();
    state.identConnectar.clear();
    state.equipdesconnectat = false;
    fields.Esborra_Camps(state);
}

} // namespace velmar
