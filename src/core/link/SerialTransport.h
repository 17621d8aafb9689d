#pragma once

#include "core/link/Transport.h"

#include <QSerialPort>

namespace velmar {

class Trace;

// The module's USB virtual serial port: 115200 8N1, no flow control, DTR and
// RTS held off. Commands travel as CR, word, CR with one byte per character.
class SerialTransport : public Transport {
    Q_OBJECT
public:
    explicit SerialTransport(Trace *trace = nullptr, QObject *parent = nullptr);

    // Closes any open port, opens name with the fixed settings and purges it.
    // On failure returns false and leaves the message in lastError().
    bool open(const QString &name);
    void close();
    bool isOpen() const { return m_port.isOpen(); }
    QString portName() const { return m_name; }
    QString lastError() const { return m_lastError; }
    // True when the failure of the last open() means "no such port".
    bool lastErrorIsMissingPort() const { return m_missingPort; }

    void sendCommand(const QString &word) override;
    bool sendBytes(const QByteArray &bytes) override { return escriu_port_Buffer(bytes); }
    // Writes a command text as it stands (CRs included).
    bool escriu_port(const QString &text);
    // Writes raw bytes (firmware relay); on failure the port is closed.
    bool escriu_port_Buffer(const QByteArray &bytes);

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError e);
    void fail();

    Trace *m_trace;
    QSerialPort m_port;
    QString m_name;
    QString m_lastError;
    bool m_missingPort = false;
};

} // namespace velmar
