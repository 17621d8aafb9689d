#pragma once

#include "core/link/ReplyConsumers.h"

#include "core/link/Scheduler.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace velmar {

class BoundField;
class CommandChannel;
class FieldModel;
class GridModel;
class Identification;
class ProgrammingState;
class Scheduler;
class Trace;
struct Endpoints;
struct LinkState;

// Writing the changed fields to the module and checking every echo, and the
// restore of the factory values, in one state machine (TimerGravar). The
// stage lives in LinkState::puntercamp: "edit", "ComboBox", "CheckListBox",
// "CheckBox", "StringGrid", "final", or "xxxx" for the factory reset.
class WriteCycle : public QObject, public WriteCycleSink {
    Q_OBJECT
public:
    WriteCycle(LinkState &state, CommandChannel &channel, Scheduler &scheduler, Trace &trace,
               FieldModel &fields, Identification &identification, ProgrammingState &view,
               const Endpoints &endpoints, QObject *parent = nullptr);

    // The programming view as the button "Prog." shows it, and as the
    // factory reset and the templates show it (no read).
    std::function<void()> showProgrammingView;
    std::function<void()> passarPanelProgramacio;

    // "Programar el circuito" / "Programar": every changed field.
    void BBGravarClick();
    // The changed fields of the page shown.
    void BBGravarPagClick();
    // "Restaurar los valores de fábrica": asks, then GravarperDefecte.
    void MIIDefecteClick();
    void GravarperDefecte();
    // The delete-all of a list: from the grid stage on, every record of
    // `grid` (changed or not: the module's list may never have been read)
    // and the changed records of the other grids numbered strictly between
    // first and last are written.
    void writeGridRecords(const GridModel &grid, int first, int last, const QString &statusText);
    // One step of the write.
    void TimerGravarTimer();

    struct Record {
        bool found = false;
        QString code;
        QString value;
    };
    // The next changed grid record in scope, from punteri/punterfila on.
    Record Grava_StringGrid();

    // The link went: the write stops where it is.
    void abort();

    // WriteCycleSink
    void writeReply() override;
    void stopWrite() override;

    bool timerActive() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }
    bool running() const { return m_running; }
    int punteri() const { return m_punteri; }
    int punterfila() const { return m_punterfila; }
    int vegades_no_gravat() const { return m_vegadesNoGravat; }

    // The value the VPN box sends to 0301 and 0309: empty when VPN is on,
    // the public MQTT server's host name otherwise.
    QString vpnValue(bool vpnOn) const;

    static QString stageEdit() { return QStringLiteral("edit"); }
    static QString stageFactory() { return QStringLiteral("xxxx"); }

signals:
    void finished(); // the write ended (all stages done or abandoned)

private:
    enum class Scope { Whole, Page };

    void begin(Scope scope);
    void sendNext();
    void nextStage(const QString &stage);
    void takeEcho(const QString &reply);
    void accepted();
    void refused();
    void mismatch();
    void finish();
    void abandon();
    void factoryFailed();
    void restoreWindow();
    void advanceProgress();
    bool inScope(const BoundField *f) const;
    bool inScope(const GridModel *g) const;
    BoundField *currentField() const;
    GridModel *currentGrid() const;
    QString fieldValue(BoundField *f) const;
    QList<BoundField *> targetsOf(BoundField *f) const;
    void sendValue(const QString &code, const QString &value);
    // Erases the module's zone list block by block; what follows chains on.
    Pacer eraseZoneBlocks(quint64 generation);
    Pacer eraseBlocks(const QStringList &commands, quint64 generation);
    // Page write: empties a wholly changed panel event block first, then
    // starts the timer; false when the page has none to erase.
    bool eraseChangedPanelBlock(quint64 generation);
    // Stops the timer and any scheduled step; true when a write was running.
    bool halt();
    void sendVpnPair(bool vpnOn);
    bool rowChanged(const GridModel &g, int row) const;
    bool guards();

    LinkState &m_state;
    CommandChannel &m_channel;
    Scheduler &m_scheduler;
    Trace &m_trace;
    FieldModel &m_fields;
    Identification &m_ident;
    ProgrammingState &m_view;
    const Endpoints &m_endpoints;
    QTimer m_timer; // TimerGravar

    bool m_running = false;
    quint64 m_generation = 0;
    Scope m_scope = Scope::Whole;
    QString m_pagina;
    int m_punteri = 0;
    int m_punterfila = 1;
    int m_campInici = 0;
    int m_vegadesNoGravat = 3;
    bool m_esborraZones = false;
    // Codes of the fields and records given up after three wrong echoes.
    QStringList m_unwritten;
    int m_erasesAwaited = 0; // block erases of this write not yet acknowledged
    const GridModel *m_everyRecord = nullptr; // written whole (writeGridRecords)
};

} // namespace velmar
