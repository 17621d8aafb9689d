#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace velmar {

// A way to reach the module. The protocol layer sits outside: a transport
// only carries command words out and raw bytes in.
class Transport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Sends one command word such as "vm+ver" with this link's framing.
    virtual void sendCommand(const QString &word) = 0;
    // Sends bytes exactly as given (a firmware block is binary); false when
    // they did not go out.
    virtual bool sendBytes(const QByteArray &bytes) = 0;

signals:
    void bytesReceived(const QByteArray &bytes);
    // Something went out (for the TX lamp and the trace).
    void sent(const QByteArray &bytes);
    // The link broke while in use; reported once, with no dialog.
    void linkLost();
};

} // namespace velmar
