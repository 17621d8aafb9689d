#include "core/bridge/TelecontrolBridge.h"

#include "core/diagnostics/Trace.h"
#include "core/link/LinkState.h"
#include "core/link/Scheduler.h"
#include "core/panels/PanelCatalogue.h"
#include "core/programming/CloudEvents.h"
#include "core/programming/ProgrammingState.h"
#include "core/remote/MqttSession.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <algorithm>

namespace velmar {

namespace {
// The history's id of both telecontrol events.
const QString kEventId = QStringLiteral("123456");
const char kPeer[] = "velmarPeer";
} // namespace

TelecontrolBridge::TelecontrolBridge(LinkState &state, MqttSession &remote, Scheduler &scheduler, Trace &trace,
                                     ProgrammingState &view, QObject *parent)
    : QObject(parent), m_state(state), m_remote(remote), m_scheduler(scheduler), m_trace(trace), m_view(view)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_server.nextPendingConnection())
            TCPProgAguiConnect(s);
    });
}

TelecontrolBridge::~TelecontrolBridge()
{
    // Queued steps and sockets must not call back into a bridge that is gone.
    if (m_context)
        m_context->disconnect(this);
}

bool TelecontrolBridge::aguilera(QStringView central)
{
    const panels::PanelModel *m = panels::statusModel(central);
    return m && QLatin1String(m->model).startsWith(QLatin1String("Aguilera"));
}

bool TelecontrolBridge::telecontrol() const
{
    return m_view.bidiCentral;
}

// --- listening -------------------------------------------------------------------

bool TelecontrolBridge::bind(const QString &ip, const QString &port, QString *error)
{
    bool numeric = false;
    const int p = port.trimmed().toInt(&numeric);
    if (!numeric || p < 1 || p > 65535) {
        *error = tr("«%1» no es un puerto válido").arg(port);
        return false;
    }
    QHostAddress address;
    if (!address.setAddress(ip.trimmed()) || address.protocol() != QAbstractSocket::IPv4Protocol) {
        *error = tr("«%1» no es una dirección IPv4 válida").arg(ip);
        return false;
    }
    if (!m_server.listen(address, quint16(p))) {
        *error = m_server.errorString();
        return false;
    }
    return true;
}

void TelecontrolBridge::ConnexioAGE44()
{
    // Listening starts once and stays on: a failure is told once, not at
    // every identification.
    if (m_started || m_server.isListening())
        return;
    m_started = true;
    QString error;
    if (bind(BidiIP, BidiPort, &error))
        return;
    emit message(tr("ERROR"),
                 error + QStringLiteral("\r\n") + BidiIP + u':' + BidiPort + QStringLiteral("\r\n")
                     + tr("Asegúrese que la IP y el puerto coinciden con los del programa AGE44"),
                 tr("    Cerrar   "), true);
}

TelecontrolBridge::Accept TelecontrolBridge::BBidiAcceptarClick(const QString &ip, const QString &port)
{
    // An empty port is not taken at all: stored, it would break the next start.
    if (port.trimmed().isEmpty()) {
        emit message(tr("¡ ATENCIÓN !"), tr("El puerto no puede estar vacío\r"), tr("    Aceptar   "), false);
        return Accept::EmptyPort;
    }
    BidiIP = ip;
    BidiPort = port;
    m_started = true;
    m_server.close();
    QString error;
    if (bind(BidiIP, BidiPort, &error))
        return Accept::Done;
    emit message(tr("ERROR"), tr("Error al acceder a la IP de la Central : \r") + error, tr("    Cerrar   "), true);
    return Accept::Failed;
}

// --- the tool's connection ---------------------------------------------------------

QString TelecontrolBridge::peer(const QTcpSocket *socket)
{
    return socket->property(kPeer).toString();
}

void TelecontrolBridge::queue(int pause, std::function<void()> fn)
{
    const qint64 now = m_scheduler.now();
    m_queueEnd = std::max(now, m_queueEnd) + pause;
    m_scheduler.after(int(m_queueEnd - now), [self = QPointer<TelecontrolBridge>(this), fn = std::move(fn)] {
        if (self)
            fn();
    });
}

void TelecontrolBridge::TCPProgAguiConnect(QTcpSocket *socket)
{
    socket->setProperty(kPeer, socket->peerAddress().toString() + u':' + QString::number(socket->peerPort()));
    m_trace.write(QStringLiteral(" --> AGE44 Connectat: ") + peer(socket));
    // One connection is served: the one before goes, and its end is not the
    // end of telecontrol.
    if (QTcpSocket *old = m_context) {
        old->disconnect(this);
        m_trace.write(QStringLiteral(" --> AGE44 Desconnectat: ") + peer(old));
        connect(old, &QAbstractSocket::disconnected, old, &QObject::deleteLater);
        old->disconnectFromHost();
        if (old->state() == QAbstractSocket::UnconnectedState)
            old->deleteLater();
    }
    m_context = socket;
    connect(socket, &QIODevice::readyRead, this, [this, socket] { TCPProgAguiExecute(socket); });
    connect(socket, &QAbstractSocket::disconnected, this, [this, socket] {
        ended(socket);
        socket->deleteLater();
    });
    emit connectionChanged(true);

    if (m_state.isRemote()) {
        queue(0, [this] { m_remote.sendCommand(QStringLiteral("{#Ag=setBidi}")); });
        if (m_state.connexADSL) {
            queue(kAdslStreamOffMs, [this] { m_remote.sendCommand(QStringLiteral("vm+inf")); });
            queue(kAdslSettleMs, [] {});
        }
    }
    queue(0, [this] {
        if (m_events)
            m_events->addEvent(kEventId, QStringLiteral("Entrada en Central en Telecontrol"));
        AguileraTelecontrol(true);
    });
}

void TelecontrolBridge::TCPProgAguiExecute(QTcpSocket *socket)
{
    const QByteArray bytes = socket->readAll();
    if (bytes.isEmpty())
        return;
    m_trace.write(QStringLiteral(" --> AGE44: ") + MqttSession::hexText(bytes));
    // On the cable the panel is not reachable this way: the bytes are only shown.
    if (m_state.isRemote() && socket == m_context)
        m_remote.Publica_MQTT_Array(m_remote.topics().publishCe, bytes);
}

void TelecontrolBridge::ended(QTcpSocket *socket)
{
    m_trace.write(QStringLiteral(" --> AGE44 Desconnectat: ") + peer(socket));
    if (socket != m_context)
        return;
    m_context = nullptr;
    emit connectionChanged(false);
    if (m_state.isRemote()) {
        queue(0, [this] { m_remote.sendCommand(QStringLiteral("vm+INf")); });
        queue(kOutBidiMs, [this] { m_remote.sendCommand(QStringLiteral("{#Ag=outBidi}")); });
    }
    queue(0, [this] {
        if (m_events)
            m_events->addEvent(kEventId, QStringLiteral("Salida de Central en Telecontrol"));
        AguileraTelecontrol(false);
    });
}

void TelecontrolBridge::TCPProgAguiDisconnect()
{
    QTcpSocket *socket = m_context;
    if (!socket)
        return;
    socket->disconnect(this);
    ended(socket);
    // What the panel sent last still goes out before the connection closes.
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState)
        socket->deleteLater();
}

void TelecontrolBridge::writePanelBytes(const QByteArray &bytes)
{
    if (m_context)
        m_context->write(bytes);
}

void TelecontrolBridge::AguileraTelecontrol(bool on)
{
    if (m_view.bidiCentral == on)
        return;
    m_view.bidiCentral = on;
    emit telecontrolChanged(on);
}

} // namespace velmar
