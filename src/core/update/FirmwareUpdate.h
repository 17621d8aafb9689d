#pragma once

#include "core/link/ReplyConsumers.h"
#include "core/status/UpdateWatch.h"
#include "core/update/UpdateProtocol.h"

#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

namespace velmar {

class CommandChannel;
class FieldModel;
class Identification;
class ProgrammingState;
class Scheduler;
class Trace;
struct Endpoints;
struct LinkState;

// The firmware update: lists the versions the update server offers for the
// module in hand and relays a transfer between the server and the module,
// block by block. The server side is a QTcpSocket in the event loop; the
// module's "+U" replies arrive through the reply router (UpdateRelaySink),
// and the supervision tick watches the transfer through UpdateWatch.
class FirmwareUpdate : public QObject, public UpdateWatch, public UpdateRelaySink {
    Q_OBJECT
public:
    FirmwareUpdate(LinkState &state, CommandChannel &channel, Identification &identification,
                   ProgrammingState &programming, FieldModel &fields, Scheduler &scheduler, Trace &trace,
                   const Endpoints &endpoints, QObject *parent = nullptr);
    ~FirmwareUpdate() override;

    // The signed-in account's uid, sent with both requests (empty: none).
    std::function<QString()> accountUid;

    // BuscaVersions("Tots"): the version exchange; the answer comes back as
    // versionsListed or as a message.
    void BBuscarVersionsClick();
    // SGVersionsDblClick: the download button of one listed version.
    void startTransfer(const update::VersionEntry &entry);
    // BDesconnectarTCPActuClick: the user aborts.
    void abort() { endTransfer(); }
    // The remote session the transfer runs over was lost.
    void sessionLost();

    bool listing() const { return m_listSocket != nullptr; }
    bool transferOpen() const { return m_transferSocket != nullptr; }
    bool progressShown() const { return m_progressShown; }
    // An end was asked of the supervision tick (tempsActu held at 1000, or at
    // 1 when the server went away) and nothing more is relayed.
    bool ending() const { return m_held > 0; }
    int totalPacks() const { return m_totalPack; }
    int currentPack() const { return m_packActual; }
    QString version() const { return update::shownVersion(m_versioActu); }

    // UpdateWatch
    bool updateShown() const override { return m_progressShown; }
    void DesconnectarTCPAsinActu() override;
    // An end that nothing else follows up: over the remote session the
    // session is closed too, as after every end of a transfer.
    void endTransfer();
    // UpdateRelaySink: a module reply from "+U" (escriu_TCPActu).
    void relayUpdate(const QString &fromU) override;

    // Texts of the dialogs.
    static QString titleUpdate();    // "ACTUALIZACION"

signals:
    void versionsListed(const QList<velmar::update::VersionEntry> &entries);
    void message(const QString &title, const QString &text);
    void progressText(const QString &text);
    // PBActualitzacio: range 0 to maximum, at value; hidden when !shown.
    void progressChanged(int value, int maximum);
    void progressShownChanged(bool shown);
    // The transfer ended: the status page comes to the front.
    void ended();
    // The remote session and the bridge close after a remote transfer.
    void closeRemoteSession();
    void closeBridge();

private:
    void listConnected();
    void listRead();
    void listFailed(const QString &error);
    void endListing();
    void transferConnected();
    void transferRead();
    void transferLost(const QString &error);
    void DadesRebudesTCPActu(const QByteArray &plain);
    void RebutIPActu(const QByteArray &plain);
    bool escriu_TCPActu(const QByteArray &text);
    void afterServerPause(std::function<void()> step);
    void relayToServer(const QString &fromU);
    void toModule(const QByteArray &bytes);
    void finished(update::ModuleReply::Kind kind);
    void setProgressShown(bool on);
    void abortWith(const QString &reason);
    void hold(int ticks);
    // Connects to the update server with these handlers; busy meanwhile.
    QTcpSocket *open(void (FirmwareUpdate::*connected)(), void (FirmwareUpdate::*read)(),
                     void (FirmwareUpdate::*failed)(const QString &));

    LinkState &m_state;
    CommandChannel &m_channel;
    Identification &m_identification;
    ProgrammingState &m_programming;
    FieldModel &m_fields;
    Scheduler &m_scheduler;
    Trace &m_trace;
    const Endpoints &m_endpoints;

    QPointer<QTcpSocket> m_listSocket;
    QPointer<QTcpSocket> m_transferSocket;
    QTimer m_listTimer;          // connect, then read time-out of the listing
    QTimer m_connectTimer;       // connect time-out of the transfer
    update::MessageReader m_reader;
    update::IntegrityCounter m_integrity;
    QString m_versioActu;
    qint64 m_fileSize = 0;
    int m_totalPack = 0;
    int m_packActual = 0;
    bool m_progressShown = false;
    bool m_ending = false;       // the module said its last word
    bool m_remote = false;       // the transfer runs over the remote session
    int m_held = 0;              // tempsActu kept here until the tick ends the transfer
    qint64 m_lastServerWrite = 0; // when the last write to the server was due
};

} // namespace velmar
