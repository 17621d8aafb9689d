#pragma once

#include "core/link/ReplyConsumers.h"
#include "core/programming/PageLayout.h"

#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>

namespace velmar {

class CommandChannel;
class FieldModel;
class GridModel;
class Identification;
class ProgrammingState;
class Scheduler;
class Trace;
struct FieldContext;
struct LinkState;

// Reading the module's programming into the field model: the full read (the
// module dumps every parameter) and the page read (TimerLlegir asks for the
// controls of the page shown one by one). Steps are ordinary methods working
// on StrCom; the timer only decides when TimerLlegirTimer runs.
class ReadCycle : public QObject, public ReadCycleSink {
    Q_OBJECT
public:
    ReadCycle(LinkState &state, CommandChannel &channel, Scheduler &scheduler, Trace &trace,
              FieldModel &fields, Identification &identification, ProgrammingState &view,
              QObject *parent = nullptr);

    // BBProgClick, for a full read asked for while another view is in front.
    std::function<void()> showProgrammingView;

    // Full read ("Leer el circuito"). The dump is asked for after the
    // stream has been off for a second.
    void BBLlegirClick();
    // Page read ("Leer") of the programming tab shown.
    void BBLlegirPagClick();
    // One step of the page read.
    void TimerLlegirTimer();
    // One dump line (StrCom) into its control.
    void Llegir_pantalla();
    // One operator line (StrCom) into SGOperadores.
    void Llegir_LlistaOper();
    // One block record into its grid row and the field store.
    void Llegir_StringGrid(GridModel *grid, const QString &value, int number);

    // The link went: whatever read runs stops where it is.
    void abort();

    // ReadCycleSink
    void operatorLine(const QString &reply) override;
    void dumpLine(const QString &reply) override;
    void readReply() override;
    void startFullRead() override;

    bool timerActive() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }
    // A full read is waiting for the stream to go quiet or receiving its dump.
    bool fullReadRunning() const { return m_fullRead; }

    // Page walk, for tests and the progress bar.
    QString pagina() const { return m_pagina; }
    int ncomponent() const { return m_ncomponent; }
    int numcomponentspag() const { return m_children.size(); }

private:
    FieldContext context() const;
    void startDump(quint64 generation);
    void endRead();
    void endPageRead();
    void abandonPageRead();
    void takeIntoChild(const PageChild &child, const QString &value);
    bool requestNext();
    void request(const QString &code);
    void pageProgress();

    LinkState &m_state;
    CommandChannel &m_channel;
    Scheduler &m_scheduler;
    Trace &m_trace;
    FieldModel &m_fields;
    Identification &m_ident;
    ProgrammingState &m_view;
    QTimer m_timer; // TimerLlegir

    bool m_fullRead = false;
    bool m_pageRead = false;
    quint64 m_generation = 0;
    QString m_pagina;
    QList<PageChild> m_children;
    int m_ncomponent = 0;
    int m_nsubcomponent = 0;
    QSet<QString> m_blocksAsked; // block dumps already asked for in this page read
};

} // namespace velmar
