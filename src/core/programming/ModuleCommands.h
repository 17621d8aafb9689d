#pragma once

#include "core/programming/CloudEvents.h"

#include <QObject>
#include <QString>

namespace velmar {

class CommandChannel;
class EventLog;
class FieldModel;
class Identification;
class ProgrammingState;
class ReadCycle;
class Scheduler;
struct LinkState;

// The module's direct orders (restart, test, receiving-centre test, output
// switch, access code), the switch to the programming view and the
// event-log toggles of the main window.
class ModuleCommands : public QObject {
    Q_OBJECT
public:
    ModuleCommands(LinkState &state, CommandChannel &channel, Scheduler &scheduler,
                   FieldModel &fields, EventLog &eventLog, Identification &identification,
                   ProgrammingState &view, ReadCycle &reader, QObject *parent = nullptr);

    // The cloud history that output switches are written to (none by default).
    void setCloudEvents(CloudEvents *cloud) { m_cloud = cloud ? cloud : &m_noCloud; }

    void BBResetClick();     // "vm+rst"
    void BBProvaTestClick(); // "vm+TST"
    void BBCRAClick();       // "vm+cra"
    // Click on output indicator ES1..ES4: its caption and whether it shows
    // the output active (red).
    void ActivarSortidesClick(int output, const QString &caption, bool active);
    // Four characters, "." for the outputs left alone.
    static QString outputPattern(int output, bool active);

    // "Entrar" and "Cancelar" of the access-code panel PBloqueig.
    void BBDesbloqueigAcceptarClick(const QString &code);
    void BBDesbloqueigCancellarClick();
    // ECodiProg losing the focus: false (and a message) for a code too short.
    bool ECodiProgExit(const QString &code);
    static constexpr int kMinimumCodeLength = 4;

    // Button "Prog.": the programming view, and a full read unless one was made.
    void BBProgClick();
    // The programming view without reading (factory reset, templates).
    void PassarPanelProgramacio();
    // Another programming tab chosen.
    void PCProgramacioChange(const QString &tab);

    // The panel tab, its caption and page title for the attached panel.
    struct PanelTab {
        QString tab;
        QString caption;
        QString title;
    };
    static PanelTab panelTabFor(const QString &central);
    // PassarPanelProgramacio's own, shorter choice of the panel tab.
    static QString panelTabForTemplates(const QString &central);
    // Caption of tab `index` of PCProgramacio; the panel tab (index 3)
    // follows the panel model (central, or ECentral's text while it is empty).
    static QString PCProgramacioDrawTab(int index, const QString &tabText, const QString &central,
                                        const QString &eCentral);
    // How the owner-drawn tabs look.
    static constexpr int kTabWidth = 140;
    static constexpr unsigned kTabColour = 0xD4D4D4;         // not selected
    static constexpr unsigned kTabSelectedColour = 0x7DB8FF; // selected

    // Event-log toggles and the "Borrar" button.
    void BTotClick();
    void BParaClick();
    void BEsborraClick();
    // The events pane changed: it follows its last line unless stopped.
    void REVelmarChange();
    int BTotImage() const;
    int BParaImage() const { return m_follow ? 13 : 6; }
    bool followsLog() const { return m_follow; }

signals:
    // Over MQTT an output switch goes to the status topic ("{#S....}").
    void publishStatus(const QString &payload);
    // An imported template was forgotten: the window returns to the
    // disconnected state.
    void resetToDisconnected();
    void eventLogScrollToEnd();
    void BParaChanged(bool follows);

private:
    LinkState &m_state;
    CommandChannel &m_channel;
    Scheduler &m_scheduler;
    FieldModel &m_fields;
    EventLog &m_log;
    Identification &m_ident;
    ProgrammingState &m_view;
    ReadCycle &m_reader;
    NoCloudEvents m_noCloud;
    CloudEvents *m_cloud = &m_noCloud;
    bool m_follow = true;
};

} // namespace velmar
