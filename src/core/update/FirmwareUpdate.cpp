#include "core/update/FirmwareUpdate.h"

#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/Identification.h"
#include "core/link/LinkState.h"
#include "core/link/ProtocolTimes.h"
#include "core/link/Scheduler.h"
#include "core/params/BoundField.h"
#include "core/params/FieldModel.h"
#include "core/programming/ProgrammingState.h"
#include "core/base/Endpoints.h"
#include "core/status/StatusMonitor.h"
#include "core/update/CodePage.h"
#include "core/update/XXtea.h"

namespace velmar {

namespace {

constexpr int kConnectMs = 5000;       // connect time-out of both connections
constexpr int kListReadMs = 10000;     // read time-out of the version exchange
constexpr int kEndPauseMs = 100;       // around the end of a finished transfer
// Every write to the server comes at least this long after the one before,
// as servers in the field have always been sent it (one message per read).
constexpr int kServerPauseMs = 200;
constexpr int kReidentifyMs = 3000;    // TimerCircuit after a finished transfer
constexpr int kAbortTicks = StatusMonitor::kUpdateAbort;

// The socket errors in the words the messages are chosen by.
QString errorText(QAbstractSocket::SocketError e, const QString &text)
{
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError: return QStringLiteral("Socket Error # 10061\r\n") + text;
    case QAbstractSocket::SocketTimeoutError: return QStringLiteral("Connect timed out");
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::HostNotFoundError: return QStringLiteral("Socket Error # 10051\r\n") + text;
    case QAbstractSocket::RemoteHostClosedError: return QStringLiteral("Socket Error # 10057\r\n") + text;
    default: return text;
    }
}

QString fieldText(FieldModel &fields, QStringView name)
{
    const EditField *e = fields.edit(name);
    return e ? e->text() : QString();
}

} // namespace

FirmwareUpdate::FirmwareUpdate(LinkState &state, CommandChannel &channel, Identification &identification,
                               ProgrammingState &programming, FieldModel &fields, Scheduler &scheduler,
                               Trace &trace, const Endpoints &endpoints, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_channel(channel),
      m_identification(identification),
      m_programming(programming),
      m_fields(fields),
      m_scheduler(scheduler),
      m_trace(trace),
      m_endpoints(endpoints),
      m_reader(endpoints.updateKey.toLatin1())
{
    m_listTimer.setSingleShot(true);
    m_connectTimer.setSingleShot(true);
    connect(&m_listTimer, &QTimer::timeout, this, [this] {
        listFailed(m_listSocket && m_listSocket->state() == QAbstractSocket::ConnectedState
                       ? QStringLiteral("Socket Error # 10060\r\nRead timed out.")
                       : QStringLiteral("Connect timed out"));
    });
    connect(&m_connectTimer, &QTimer::timeout, this,
            [this] { transferLost(QStringLiteral("Connect timed out")); });
}

FirmwareUpdate::~FirmwareUpdate()
{
    if (m_listSocket)
        m_listSocket->disconnect(this);
    if (m_transferSocket)
        m_transferSocket->disconnect(this);
}

QString FirmwareUpdate::titleUpdate()
{
    return tr("ACTUALIZACION");
}

QTcpSocket *FirmwareUpdate::open(void (FirmwareUpdate::*connected)(), void (FirmwareUpdate::*read)(),
                                  void (FirmwareUpdate::*failed)(const QString &))
{
    // One exchange at a time: the busy cursor keeps the buttons from a second.
    m_programming.setBusy(true);
    m_reader.clear();
    m_integrity = {};
    auto *s = new QTcpSocket(this);
    connect(s, &QTcpSocket::connected, this, connected);
    connect(s, &QTcpSocket::readyRead, this, read);
    connect(s, &QTcpSocket::errorOccurred, this, [this, s, failed](QAbstractSocket::SocketError e) {
        (this->*failed)(errorText(e, s->errorString()));
    });
    s->connectToHost(m_endpoints.updateHost, quint16(m_endpoints.updatePort));
    return s;
}

// ---- the version exchange ------------------------------------------------

void FirmwareUpdate::BBuscarVersionsClick()
{
    if (m_programming.busy() || listing() || transferOpen())
        return;
    if (!m_state.circuittrobat) {
        emit message(tr("¡ ATENCIÓN !"), tr(" No hay ningún equipo conectado"));
        return;
    }
    m_listSocket = open(&FirmwareUpdate::listConnected, &FirmwareUpdate::listRead, &FirmwareUpdate::listFailed);
    m_listTimer.start(kConnectMs);
}

void FirmwareUpdate::listConnected()
{
    update::VersionQuery q;
    q.identifier = m_state.identConnectar;
    q.firmware = m_state.firmware;
    q.hardware = m_state.hardware;
    q.company = fieldText(m_fields, u"EProgEmpresa");
    q.installer = fieldText(m_fields, u"EProgInstal");
    q.reference = fieldText(m_fields, u"EProgRef");
    q.uid = accountUid ? accountUid() : QString();
    m_trace.write(fromAnsi(update::versionRequest(q)), TraceColour::Blue);
    m_listSocket->write(xxteaEncipher(update::versionRequest(q), m_endpoints.updateKey.toLatin1()));
    m_listTimer.start(kListReadMs);
}

void FirmwareUpdate::listRead()
{
    m_reader.feed(m_listSocket->readAll());
    const std::optional<QByteArray> reply = m_reader.next();
    if (!reply)
        return;
    endListing();
    m_trace.write(fromAnsi(*reply), TraceColour::Maroon);
    if (m_integrity.check(*reply) != 3) {
        emit message(titleUpdate(), tr("Los datos recibidos para la actualización son incorrectos"));
        return;
    }
    const update::VersionAnswer a = update::parseVersionReply(*reply, m_state.identConnectar);
    switch (a.kind) {
    case update::VersionAnswer::Kind::Missing:
        emit message(titleUpdate(), tr("No se ha podido conectar a internet"));
        break;
    case update::VersionAnswer::Kind::ServerError:
        emit message(tr("ERROR EN LA ACTUALIZACION"), a.error);
        break;
    case update::VersionAnswer::Kind::Empty:
        emit message(tr("¡ ATENCIÓN !"), tr(" No hay una nueva actualización"));
        break;
    case update::VersionAnswer::Kind::List:
        emit versionsListed(a.entries);
        break;
    }
}

void FirmwareUpdate::listFailed(const QString &error)
{
    if (!listing())
        return;
    endListing();
    QString text;
    if (error.contains(QLatin1String("10060")) || error.contains(QLatin1String("10061")))
        text = tr("No se ha encontrado ninguna actualización");
    else if (error.contains(QLatin1String("Connect timed out")))
        text = tr("No se ha podido establecer la comunicación con el servidor\r\n");
    else if (error.contains(QLatin1String("10051")))
        text = tr("No hay conexión a internet");
    else
        text = tr("Error en la conexión TCP: ") + QStringLiteral("\r\n") + error;
    emit message(titleUpdate(), text);
}

void FirmwareUpdate::endListing()
{
    m_listTimer.stop();
    if (m_listSocket) {
        m_listSocket->disconnect(this);
        m_listSocket->abort();
        m_listSocket->deleteLater();
        m_listSocket = nullptr;
    }
    m_reader.clear();
    m_programming.setBusy(false);
}

// ---- the transfer --------------------------------------------------------

void FirmwareUpdate::startTransfer(const update::VersionEntry &entry)
{
    if (m_programming.busy() || listing() || transferOpen())
        return;
    m_versioActu = update::versioActu(entry);
    m_totalPack = 0;
    m_packActual = 0;
    m_fileSize = 0;
    m_ending = false;
    m_held = 0;
    m_remote = m_state.isRemote();
    m_trace.write(QStringLiteral(" Connectar TCP Actualització"));
    m_transferSocket =
        open(&FirmwareUpdate::transferConnected, &FirmwareUpdate::transferRead, &FirmwareUpdate::transferLost);
    m_connectTimer.start(kConnectMs);
}

void FirmwareUpdate::transferConnected()
{
    m_connectTimer.stop();
    m_identification.stop();
    m_lastServerWrite = m_scheduler.now() - kServerPauseMs;
    const QByteArray request =
        update::transferRequest(m_state.identConnectar, accountUid ? accountUid() : QString(), m_versioActu);
    afterServerPause([this, request] { escriu_TCPActu(request); });
}

void FirmwareUpdate::afterServerPause(std::function<void()> step)
{
    // Paced without blocking: the window keeps painting, and the order of
    // the module's replies is kept.
    const qint64 now = m_scheduler.now();
    const qint64 due = std::max(now, m_lastServerWrite) + kServerPauseMs;
    m_lastServerWrite = due;
    const QPointer<QTcpSocket> socket = m_transferSocket;
    m_scheduler.after(int(due - now), [this, socket, step = std::move(step)] {
        // A transfer that ended meanwhile sends nothing more.
        if (!socket || socket != m_transferSocket || m_ending)
            return;
        step();
    });
}

void FirmwareUpdate::transferRead()
{
    if (!m_transferSocket)
        return;
    m_reader.feed(m_transferSocket->readAll());
    // Each whole message is handled before the next; handling may end the
    // transfer, which empties the reader.
    while (m_transferSocket) {
        const std::optional<QByteArray> plain = m_reader.next();
        if (m_reader.takeDropped())
            m_trace.write(tr(" CRC no coincideix: ") + QStringLiteral("?"), TraceColour::Red);
        if (!plain)
            break;
        DadesRebudesTCPActu(*plain);
    }
}

void FirmwareUpdate::transferLost(const QString &error)
{
    if (!transferOpen() || m_ending)
        return;
    m_connectTimer.stop();
    if (m_state.tempsActu > 0) {
        // The server went away in the middle of a transfer: the module must
        // not be left waiting for 30 s; the watchdog's end of a silent
        // transfer runs on the next tick (message, module identified again).
        m_transferSocket->disconnect(this);
        hold(1);
        return;
    }
    const bool wasConnected = m_transferSocket->state() == QAbstractSocket::ConnectedState
                              || error.contains(QLatin1String("10057"));
    endTransfer();
    if (!wasConnected && error.contains(QLatin1String("10061")))
        emit message(titleUpdate(),
                     tr("No se ha podido establecer la comunicación con el servidor de actualizaciones\r\n"
                        "Compruebe que el puerto del PC esté abierto para recibir datos"));
    else
        emit message(titleUpdate(), tr("Error de conexión con el servidor de actualizaciones: ") + error);
}

void FirmwareUpdate::DadesRebudesTCPActu(const QByteArray &plain)
{
    if (m_held)
        return;
    if (!plain.contains("+U")) {
        const int integrity = m_integrity.check(plain);
        if (integrity == 3) {
            RebutIPActu(plain);
        } else if (integrity <= 0) {
            abortWith(tr("La información recibida del servidor de actualizaciones es incorrecta\r\n"
                         "Se cierra la conexión"));
        } else {
            m_trace.write(QStringLiteral(" CRC no coincideix: ") + fromAnsi(plain), TraceColour::Red);
        }
        return;
    }
    if (const std::optional<int> n = update::blockNumber(plain)) {
        m_packActual = *n;
        if (m_packActual < m_totalPack) {
            emit progressText(update::sendingText(version(), m_packActual, m_totalPack));
            emit progressChanged(m_packActual + 1, m_totalPack);
        }
    }
    toModule(plain);
}

void FirmwareUpdate::RebutIPActu(const QByteArray &plain)
{
    const update::TransferStart s = update::parseTransferStart(plain);
    if (!s.found)
        return;
    if (!s.ok) {
        abortWith(s.error);
        return;
    }
    toModule(s.forward);
    m_state.tempsActu = proto::kUpdateRelayLife;
    m_fileSize = s.fileSize;
    m_totalPack = s.totalPacks;
    m_trace.write(QStringLiteral(" El fitxer ") + version() + QStringLiteral(" té ") + QString::number(s.fileSize)
                  + QStringLiteral(" bytes"));
    emit progressText(update::startingText(version()));
    emit progressChanged(0, m_totalPack);
    setProgressShown(true);
}

void FirmwareUpdate::abortWith(const QString &reason)
{
    m_state.msgerrorActu = reason;
    hold(kAbortTicks);
}

void FirmwareUpdate::hold(int ticks)
{
    m_held = ticks;
    m_state.tempsActu = ticks;
}

void FirmwareUpdate::toModule(const QByteArray &bytes)
{
    // Over the cable or on the session's command topic, the deciphered bytes
    // as they are: a block's data is binary.
    m_channel.activeTransport()->sendBytes(bytes);
}

void FirmwareUpdate::sessionLost()
{
    if (!transferOpen() || !m_remote || m_ending)
        return;
    // Nothing more reaches the module: the watchdog's end of a silent
    // transfer runs on the next tick, with its message.
    if (m_transferSocket)
        m_transferSocket->disconnect(this);
    hold(1);
}

bool FirmwareUpdate::escriu_TCPActu(const QByteArray &text)
{
    if (!m_transferSocket || m_transferSocket->state() != QAbstractSocket::ConnectedState)
        return false;
    m_trace.write(fromAnsi(text), TraceColour::Blue);
    const QByteArray cipher = xxteaEncipher(text, m_endpoints.updateKey.toLatin1());
    return m_transferSocket->write(cipher) == cipher.size();
}

void FirmwareUpdate::relayUpdate(const QString &fromU)
{
    if (!transferOpen() || m_ending)
        return;
    if (m_held) {
        // The router re-armed the watchdog for this reply; the end asked for
        // must not be lost to a module that keeps talking.
        m_state.tempsActu = m_held;
        return;
    }
    afterServerPause([this, fromU] { relayToServer(fromU); });
}

void FirmwareUpdate::relayToServer(const QString &fromU)
{
    if (!escriu_TCPActu(toAnsi(fromU))) {
        const QString error = !m_transferSocket ? QStringLiteral("Socket Error # 10057")
                              : m_transferSocket->state() != QAbstractSocket::ConnectedState
                                  ? errorText(QAbstractSocket::RemoteHostClosedError, m_transferSocket->errorString())
                                  : errorText(m_transferSocket->error(), m_transferSocket->errorString());
        endTransfer();
        QString text;
        if (error.contains(QLatin1String("10061")))
            text = tr("Se ha perdido la comunicación con el servidor de Actualizaciones");
        else if (error.contains(QLatin1String("10057")))
            text = tr("No se ha podido establecer la comunicación con el servidor de actualizaciones\r\n"
                      "Compruebe que el puerto del PC esté abierto para recibir datos");
        else
            text = tr("Error de conexión con el servidor de actualizaciones: ") + QStringLiteral("\r\n") + error;
        emit message(tr("ACTUALIZACION DEL VELMAR: ERROR GRAVE"), text);
        return;
    }
    const update::ModuleReply r = update::classifyModuleReply(toAnsi(fromU));
    using Kind = update::ModuleReply::Kind;
    switch (r.kind) {
    case Kind::Request:
        m_packActual = r.block;
        if (m_packActual < m_totalPack) {
            emit progressText(update::requestText(version(), m_packActual, m_totalPack));
            emit progressChanged(m_packActual + 1, m_totalPack);
        }
        break;
    case Kind::FrameError:
        emit progressText(update::frameErrorText(version(), r.block, m_packActual));
        break;
    case Kind::Done:
    case Kind::ImageCrcFailed:
    case Kind::OtherEnd:
        finished(r.kind);
        break;
    case Kind::NotUpdate:
        break;
    }
}

void FirmwareUpdate::finished(update::ModuleReply::Kind kind)
{
    m_ending = true;
    const QString shown = version();
    const bool remote = m_remote;
    m_scheduler.after(kEndPauseMs, [this, kind, shown, remote] {
        if (kind == update::ModuleReply::Kind::OtherEnd) {
            endTransfer();
            return;
        }
        DesconnectarTCPAsinActu();
        m_scheduler.after(kEndPauseMs, [this, kind, shown, remote] {
            if (!remote) {
                // The module restarts with its new firmware: identify it again.
                m_state.circuit = false;
                m_state.circuittrobat = false;
                m_state.StrCom.clear();
                m_identification.start(kReidentifyMs);
            } else {
                emit closeRemoteSession();
            }
            emit closeBridge();
            const QString text = QStringLiteral("\r\n") + tr("Velmar actualizado a la versión ") + shown;
            if (kind == update::ModuleReply::Kind::Done)
                emit message(titleUpdate(), text);
            else
                emit message(tr("ACTUALIZACION DEL VELMAR: FALLO DE CRC"), text);
        });
    });
}

void FirmwareUpdate::setProgressShown(bool on)
{
    if (m_progressShown == on)
        return;
    m_progressShown = on;
    emit progressShownChanged(on);
}

void FirmwareUpdate::endTransfer()
{
    const bool closeSession = transferOpen() && m_remote;
    DesconnectarTCPAsinActu();
    // Left open, the session would keep the module's stream off and its
    // polling stopped with nothing to bring them back.
    if (closeSession && m_state.isRemote())
        emit closeRemoteSession();
}

void FirmwareUpdate::DesconnectarTCPAsinActu()
{
    const bool wasOpen = transferOpen();
    m_trace.write(QStringLiteral(" Desconnecta TCP Actualitzacions "));
    m_connectTimer.stop();
    m_state.tempsActu = 0;
    m_held = 0;
    if (m_transferSocket) {
        m_transferSocket->disconnect(this);
        m_transferSocket->abort();
        m_transferSocket->deleteLater();
        m_transferSocket = nullptr;
    }
    m_reader.clear();
    setProgressShown(false);
    if (wasOpen) {
        m_programming.setBusy(false);
        // Polling was stopped for the transfer; without it a module left
        // where it was would never be seen again.
        if (m_state.connex_remota.isEmpty() && !m_identification.active() && !m_identification.halted())
            m_identification.start(kReidentifyMs);
    }
    emit ended();
}

} // namespace velmar
