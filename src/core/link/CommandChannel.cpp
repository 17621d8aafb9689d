#include "core/link/CommandChannel.h"

#include "core/diagnostics/Trace.h"
#include "core/link/ProtocolTimes.h"
#include "core/link/Scheduler.h"

#include <QSerialPortInfo>

namespace velmar {

CommandChannel::CommandChannel(LinkState &state, Scheduler &scheduler, Trace &trace, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_scheduler(scheduler),
      m_trace(trace),
      m_serial(&trace),
      m_router(state, scheduler),
      m_framer([this](const QString &reply) { emit replyRouted(reply, m_router.route(reply)); },
               [this](const QString &line, TraceColour c, int from) { m_trace.write(line, c, from); })
{
    connect(&m_serial, &Transport::bytesReceived, this, &CommandChannel::receive);
    connect(&m_serial, &Transport::sent, this, [this] {
        m_state.tempsTX = proto::kLampHoldTicks;
        emit transmitted();
    });
    connect(&m_serial, &Transport::linkLost, this, &CommandChannel::onLinkLost);
}

Transport *CommandChannel::activeTransport()
{
    if (m_state.isRemote() && m_remote)
        return m_remote;
    return &m_serial;
}

void CommandChannel::send(const QString &word)
{
    activeTransport()->sendCommand(word);
}

void CommandChannel::receive(const QByteArray &bytes)
{
    m_state.tempsRX = proto::kLampHoldTicks;
    emit received();
    m_framer.feed(bytes);
}

QStringList CommandChannel::CCBPortDropDown()
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &p : ports)
        names << p.portName();
    names.sort();
    return names;
}

void CommandChannel::choosePort(const QString &name)
{
    CCBPortClick(name);
    CCBPortChange(name);
}

void CommandChannel::CCBPortClick(const QString &name)
{
    if (m_state.isRemote())
        emit closeRemoteSession();
    emit closeBridge();
    reopen(name, true);
}

void CommandChannel::CCBPortChange(const QString &name)
{
    // Lock the module behind us before leaving it; errors do not matter here.
    if (m_serial.isOpen())
        m_serial.escriu_port(QStringLiteral("\rvm+cdp=*\r"));
    reopen(name, false);
    m_state.protegit = false;
    m_state.circuit = false;
    emit disconnected();
    m_state.espero = QStringLiteral("+ver");
    m_serial.escriu_port(QStringLiteral("\rvm+ver\r"));
    if (!name.isEmpty()) {
        m_state.vegades_espero = proto::kWaitRounds;
        m_state.StrCom.clear();
        emit identificationRequested(proto::kIdentStartMs);
    }
}

void CommandChannel::reopen(const QString &name, bool warnOnMissing)
{
    if (m_serial.isOpen())
        ComPortBeforeClose();
    m_framer.reset();
    if (!m_serial.open(name)) {
        m_trace.write(QStringLiteral("No se puede abrir %1: %2").arg(name, m_serial.lastError()),
                      TraceColour::Red);
        if (warnOnMissing
            && (m_serial.lastErrorIsMissingPort()
                || m_serial.lastError().contains(QLatin1String("Error: 2")))) {
            emit warning(tr("¡ ATENCIÓN !"),
                         tr("No se puede abrir este puerto\r\nDesconecte el cable y vuelva a conectarlo"));
        }
    }
    m_comUSB = name;
    emit portStored(name);
}

void CommandChannel::probe(const QString &name)
{
    if (name.isEmpty())
        return;
    m_state.espero = QStringLiteral("+ver");
    if (openPort(name))
        m_serial.escriu_port(QStringLiteral("\rvm+ver\r"));
    else
        m_trace.write(QStringLiteral("No se puede abrir %1: %2").arg(name, m_serial.lastError()),
                      TraceColour::Red);
    m_state.vegades_espero = proto::kWaitRounds;
    m_state.StrCom.clear();
    emit identificationRequested(proto::kIdentProbeMs);
}

bool CommandChannel::openPort(const QString &name)
{
    m_comUSB = name;
    m_framer.reset();
    return m_serial.open(name);
}

void CommandChannel::closePort()
{
    if (m_serial.isOpen())
        ComPortBeforeClose();
    m_serial.close();
}

void CommandChannel::lockAndClose(std::function<void()> done)
{
    closeAfter({QStringLiteral("\rvm+cdp=*\r"), QStringLiteral("\rvm+inf\r")}, std::move(done));
}

void CommandChannel::releasePort(std::function<void()> done)
{
    closeAfter({QStringLiteral("\rvm+inf\r")}, std::move(done));
}

void CommandChannel::closeAfter(const QStringList &words, std::function<void()> done)
{
    if (m_state.isRemote() || !m_state.circuittrobat || !m_serial.isOpen()) {
        m_serial.close();
        if (done)
            done();
        return;
    }
    Pacer pacer(m_scheduler);
    for (const QString &word : words)
        pacer.then([this, word] { m_serial.escriu_port(word); }).pause(100);
    pacer.then([this, done] {
        // The stream-off command was just sent: close without sending it again.
        m_serial.close();
        if (done)
            done();
    });
}

void CommandChannel::ComPortBeforeClose()
{
    if (m_state.circuittrobat && m_serial.isOpen())
        m_serial.escriu_port(QStringLiteral("\rvm+inf\r"));
}

void CommandChannel::onLinkLost()
{
    emit portListRefreshRequested();
    m_state.circuit = false;
    emit disconnected();
}

} // namespace velmar
