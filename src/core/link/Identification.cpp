#include "core/link/Identification.h"

#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/ModuleStatus.h"
#include "core/link/ProtocolTimes.h"
#include "core/link/Scheduler.h"

#include <QScopedValueRollback>

namespace velmar {

namespace {
QString unwrap(const QString &field)
{
    // "<12345>" -> "12345": from the second character to the one before ">".
    const qsizetype close = field.indexOf(u'>');
    if (close < 0)
        return field;
    return field.mid(1, close - 1);
}
} // namespace

IdentReply IdentReply::parse(const QString &reply)
{
    IdentReply r;
    qsizetype at = reply.indexOf(QLatin1String("+ver:"));
    if (at < 0) {
        at = reply.indexOf(QLatin1String("+vEr:"));
        r.extended = at >= 0;
    }
    if (at < 0)
        return r;
    QString rest = reply.mid(at + 5);
    rest.remove(u'\r');
    rest.remove(u'}');
    const QStringList parts = rest.split(u',');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString f = parts.at(i).trimmed();
        // Identifier (field 2) and, in "+ver:", the panel type (field 3) may be wrapped.
        const bool wrapped = i == 1 || (i == 2 && !r.extended);
        r.fields << (wrapped ? unwrap(f) : f);
    }
    return r;
}

QString versionFromFirmware(const QString &firmware)
{
    const qsizetype open = firmware.indexOf(u'[');
    const qsizetype close = firmware.indexOf(u']');
    if (open < 0 || close < open)
        return {};
    // The version runs from the second character after "[" up to "]".
    return firmware.mid(open + 2, close - open - 2);
}

Identification::Identification(LinkState &state, CommandChannel &channel, Scheduler &scheduler,
                               Trace &trace, QObject *parent)
    : QObject(parent), m_state(state), m_channel(channel), m_scheduler(scheduler), m_trace(trace)
{
    m_timer.setObjectName(QStringLiteral("TimerCircuit"));
    connect(&m_timer, &QTimer::timeout, this, &Identification::TimerCircuitTimer);
    connect(&m_channel, &CommandChannel::identificationRequested, this, &Identification::start);
}

void Identification::identificationReply()
{
    // A late answer to a poll from before the transfer: the module is
    // identified again once the transfer is over.
    if (linkTaken())
        return;
    m_pendingReply = m_state.StrCom;
    start(proto::kFireNowMs);
}

void Identification::start(int intervalMs)
{
    if (m_halted || linkTaken())
        return;
    m_timer.start(intervalMs);
}

void Identification::halt()
{
    m_halted = true;
    m_timer.stop();
}

QString Identification::hardwareConflictText()
{
    return tr("\tCONFLICTO DE HARDWARE\r\n\r\nEste circuito no puede leerse con este programa\r\n");
}

void Identification::MIIComunicacioLocalClick(bool circuitListShown)
{
    if (m_state.tempsActu > 0)
        return; // a firmware update owns the link
    if (circuitListShown) {
        if (m_state.isRemote())
            emit m_channel.closeRemoteSession();
        emit m_channel.closeBridge();
    } else {
        m_channel.choosePort(m_channel.ComUSB());
    }
    m_view.localChosen = true;
    emit localLinkChosen();
}

void Identification::TimerCircuitTimer()
{
    if (m_halted)
        return;
    if (linkTaken()) {
        m_timer.stop();
        return;
    }
    if (m_inStep) {
        m_timer.stop();
        m_stepMissed = true;
        return;
    }
    {
        QScopedValueRollback<bool> running(m_inStep, true);
        step();
    }
    if (m_stepMissed) {
        m_stepMissed = false;
        start(proto::kFireNowMs);
    }
}

void Identification::step()
{
    m_timer.setInterval(proto::kPollMs);
    if (!m_pendingReply.isEmpty()) {
        m_state.StrCom = m_pendingReply;
        m_pendingReply.clear();
    }
    m_trace.write(QStringLiteral("Timercircuit  Strcom= ") + m_state.StrCom);

    const QString &r = m_state.StrCom;
    if (!r.isEmpty() && !r.contains(QLatin1String("{#"))) {
        if (r.contains(QLatin1String("+ver:"))) {
            m_state.circuit = true;
            takeVer(IdentReply::parse(r).fields);
        } else if (r.contains(QLatin1String("+vEr:"))) {
            m_state.circuit = true;
            takeVEr(IdentReply::parse(r).fields);
        } else if (r.contains(QLatin1String("+inf:"))) {
            m_state.inf = false;
            if (m_view.programmingShown && m_state.camp_final == 0)
                emit pendingOperation();
        }
    } else {
        // No reply, or only information records: the module is asked again
        // all the same, but records show it is there, so that round is not
        // counted as missed.
        poll(r.isEmpty());
    }
    m_state.StrCom.clear();

    if (m_state.vegades_espero == 0) {
        m_state.circuit = false;
        m_state.connex_velmar_Agui = 0;
        setConnected(false);
    }

    if (m_state.circuit && (!m_state.circuittrobat || !m_connectedShown)) {
        enterRecognised();
        return;
    }
    if (m_state.circuit && m_view.statusShown) {
        if (m_state.isRemote()) {
            m_timer.setInterval(10000);
        } else if (!m_state.firmware.isEmpty() && !m_state.hardware.isEmpty()) {
            m_channel.send(QStringLiteral("vm+Inf"));
        } else {
            m_state.espero = QStringLiteral("+vEr");
            m_channel.send(QStringLiteral("vm+vEr"));
        }
    }
    if (!m_state.circuit && m_state.circuittrobat) {
        m_state.circuittrobat = false;
        m_state.protegit = false;
        m_state.central.clear();
        setConnected(false);
        emit linkLost();
        return;
    }
    if (!m_state.circuit || !m_state.circuittrobat)
        m_state.protegit = false;
}

void Identification::takeVer(const QStringList &f)
{
    if (f.size() != 3)
        return;
    if (f.at(0).contains(QLatin1String("Velmar_v8.7"))) {
        m_state.firmware = f.at(0);
        m_state.versioCircuit = versionFromFirmware(f.at(0));
    } else if (!m_conflictShown) {
        m_conflictShown = true;
        emit hardwareConflict(hardwareConflictText());
    }
    m_state.identConnectar = f.at(1);
    m_state.central = f.at(2);
    emit identificationShown({ModuleIdentification::line(3, m_state.identConnectar)});
    emit panelViewChosen(m_state.central);
}

void Identification::takeVEr(const QStringList &f)
{
    m_state.firmware = f.value(0);
    m_state.identConnectar = f.value(1);
    m_state.hardware = f.value(2);
    m_state.PartsActives = f.value(3);
    emit identificationShown({ModuleIdentification::line(3, m_state.identConnectar),
                              ModuleIdentification::line(4, m_state.firmware),
                              ModuleIdentification::line(5, m_state.hardware)});
    if (m_state.PartsActives.size() == 4)
        emit partsActivesChanged(m_state.PartsActives);
}

void Identification::poll(bool roundMissed)
{
    if (roundMissed && !m_state.espero.isEmpty() && m_state.vegades_espero > 0) {
        --m_state.vegades_espero;
        if (!m_state.isRemote())
            m_timer.setInterval(1000);
    }
    const bool cyclesRunning = m_cyclesRunning && m_cyclesRunning();
    // A stream switched off belongs to a job on the module in hand; while no
    // module has been found on the chosen port, probing goes on regardless.
    const bool probingPort = !m_state.circuittrobat && !m_state.isRemote() && m_view.localChosen;
    // A locked module refuses the stream (":Protect") yet answers the polls,
    // and those answers are all that keep its link alive until the code.
    const bool lockedOut = m_state.protegit;
    if (cyclesRunning || (!m_state.inf && !probingPort && !lockedOut))
        return;
    const bool known = !m_state.firmware.isEmpty() && !m_state.hardware.isEmpty();
    m_state.espero = known ? QStringLiteral("+ver") : QStringLiteral("+vEr");
    const QString word = known ? QStringLiteral("vm+ver") : QStringLiteral("vm+vEr");
    if (m_state.isRemote() || !m_view.localChosen) {
        m_channel.send(word);
        return;
    }
    emit m_channel.portListRefreshRequested();
    SerialTransport &serial = m_channel.serial();
    if (!serial.isOpen()) {
        // The port went away under the module: the link is lost. A module
        // recognised on it goes through the loss below (step 8), so the
        // window shows it however soon a module answers again.
        m_state.circuit = false;
        if (!m_channel.openPort(m_channel.ComUSB())) {
            m_state.circuit = false;
            emit portUnusable(m_channel.ComUSB());
            return;
        }
    }
    if (!serial.escriu_port(u'\r' + word + u'\r')) {
        m_state.circuit = false;
        emit portUnusable(m_channel.ComUSB());
    }
}

void Identification::enterRecognised()
{
    m_state.circuittrobat = true;
    m_state.protegit = false;
    m_state.espero = QStringLiteral("+ver");
    setConnected(true);
    if (m_state.isRemote()) {
        m_channel.send(QStringLiteral("vm+INf"));
    } else {
        m_channel.send(QStringLiteral("vm+ver"));
        m_scheduler.after(500, [this] {
            // A job that took the link meanwhile (a firmware transfer, a
            // read or write) must not get the stream switched on under it.
            const bool linkTaken = m_state.tempsActu > 0 || (m_cyclesRunning && m_cyclesRunning());
            if (m_state.circuittrobat && !m_state.isRemote() && !m_halted && !linkTaken)
                m_channel.send(QStringLiteral("vm+INf"));
        });
    }
    emit recognised();
}

void Identification::setConnected(bool c)
{
    if (c == m_connectedShown)
        return;
    m_connectedShown = c;
    emit connectedChanged(c);
}

} // namespace velmar
