#pragma once

#include "core/bridge/TelecontrolBridge.h"
#include "core/cloud/AccountSession.h"
#include "core/cloud/CircuitSearch.h"
#include "core/cloud/OfflineStatus.h"
#include "core/history/EventHistory.h"
#include "core/cloud/CloudDirectory.h"
#include "core/cloud/DoorLists.h"
#include "core/diagnostics/ConsoleCommands.h"
#include "core/doors/DoorButtons.h"
#include "core/diagnostics/Trace.h"
#include "core/diagnostics/TraceLog.h"
#include "core/files/ListErase.h"
#include "core/link/CommandChannel.h"
#include "core/link/EventLog.h"
#include "core/link/Identification.h"
#include "core/link/InfoInterpreter.h"
#include "core/link/ModuleStatus.h"
#include "core/link/LinkState.h"
#include "core/link/Scheduler.h"
#include "core/panels/PanelLists.h"
#include "core/panels/PanelMonitor.h"
#include "core/panels/PanelOrders.h"
#include "core/params/FieldModel.h"
#include "core/params/InfoTexts.h"
#include "core/params/NamedTexts.h"
#include "core/params/ParamCatalogue.h"
#include "core/programming/ModuleCommands.h"
#include "core/programming/ProgrammingState.h"
#include "core/programming/ReadCycle.h"
#include "core/programming/WriteCycle.h"
#include "core/remote/MqttSession.h"
#include "core/base/Endpoints.h"
#include "core/status/LampBoard.h"
#include "core/status/StatusDisplay.h"
#include "core/status/StatusMonitor.h"
#include "core/status/TrafficLamps.h"
#include "core/update/FirmwareUpdate.h"

#include <QObject>

namespace velmar {

// The core of one main window: the link state and every component that
// works on it, wired together. The UI holds one and observes it; tests can
// build one without any widget.
class Engine : public QObject {
    Q_OBJECT
public:
    explicit Engine(const Endpoints &endpoints, QObject *parent = nullptr);

    LinkState state;
    QtScheduler scheduler;
    Trace trace;
    TraceLog traceLog; // what the diagnostics console shows, kept whether shown or not
    CommandChannel channel;
    TrafficLamps lamps;
    Endpoints endpoints;
    ParamCatalogue catalogue;
    FieldModel fields;
    NamedTexts namedTexts;
    InfoTexts infoTexts;
    ModuleStatus status;
    EventLog eventLog;
    InfoInterpreter interpreter;
    Identification identification;
    LampBoard blink;
    StatusDisplay display;
    StatusMonitor monitor;
    ProgrammingState programming;
    ReadCycle reader;
    WriteCycle writer;
    ModuleCommands commands;
    MqttSession remote;
    FirmwareUpdate firmwareUpdate;
    // The cloud directory and the account's session with it.
    CloudDirectory cloud;
    AccountSession account; // the account and its site, on the directory's session
    panels::PanelMonitor panelMonitor;   // the attached panel's records
    panels::PanelCommands panelOrders;   // the panel views' orders
    panels::PanelLists panelLists;       // the panel's event lists from the cloud
    ListErase listErase; // the delete-all of the event texts, zones and operators
    CircuitSearch circuitSearch; // the directory's modules, opened over the broker
    OfflineStatus offlineStatus; // a module on neither link, from its stored record
    EventHistory history;        // the "Registro" page: the module's events in the cloud
    DoorLists doorLists; // the door phones and users of the module in hand, in the cloud
    ConsoleCommands console; // the diagnostics console's commands to the module
    TelecontrolBridge bridge; // the panel maker's tool relayed through the broker
    DoorButtons doors;       // the door installation's buttons, their states and orders

    // Esborra_Camps: the core's share of the return to the disconnected
    // state (the window clears its views on FieldModel::disconnectedReset).
    void Esborra_Camps();
    // The read and write stop where they are (their timers included);
    // the polling they had held off goes on.
    void stopCycles();
    // The window is closing: from here on only the lock sequence may reach
    // the module. TimerCircuit halts, scheduled steps are dropped and the
    // cycles stop.
    void stopForClose();
    // The cable is let go for the remote side: polling stopped, a module
    // found on it released and the port closed, the fields emptied; then
    // `then`.
    void leaveLocalLink(std::function<void()> then = {});

    // A new language is installed: everything the core computed from texts
    // is made again in it (the information texts and NamedResources, grid
    // headings and row captions, the panel page's title, the status
    // display's lines). Field values, red marks and the link are untouched.
    void retranslate();

private:
    void wireProgramming();
    // The remote session's hooks (core/remote/EngineRemote.cpp).
    void wireRemote();
    // The circuit search and the offline view (core/cloud/EngineCloud.cpp).
    void wireCloud();
    // The telecontrol bridge (core/bridge/EngineBridge.cpp).
    void wireBridge();
    // The door buttons' records and resets (core/doors/EngineDoors.cpp).
    void wireDoors();

signals:
    // A message for the user from any core component (title, text).
    void warning(const QString &title, const QString &text);
};

} // namespace velmar
