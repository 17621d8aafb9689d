#include "core/link/SerialTransport.h"

#include "core/diagnostics/Trace.h"
#include "core/link/Hex.h"
#include "core/link/ProtocolTimes.h"

namespace velmar {

SerialTransport::SerialTransport(Trace *trace, QObject *parent)
    : Transport(parent), m_trace(trace)
{
    m_port.setReadBufferSize(0);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialTransport::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialTransport::onError);
}

bool SerialTransport::open(const QString &name)
{
    close();
    m_name = name;
    m_lastError.clear();
    m_missingPort = false;
    m_port.setPortName(name);
    m_port.setBaudRate(proto::kSerialBaud);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_lastError = m_port.errorString();
        m_missingPort = m_port.error() == QSerialPort::DeviceNotFoundError;
        return false;
    }
    // Some drivers raise the lines on open; the module wants them off.
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
    m_port.clear(QSerialPort::AllDirections);
    return true;
}

void SerialTransport::close()
{
    if (!m_port.isOpen())
        return;
    // What was written last (the lock and stream-off commands) must leave
    // before the port goes; the port's write time-out bounds the wait.
    if (m_port.bytesToWrite() > 0)
        m_port.waitForBytesWritten(proto::kWriteTimeoutSerialMs);
    m_port.close();
}

void SerialTransport::sendCommand(const QString &word)
{
    escriu_port(u'\r' + word + u'\r');
}

bool SerialTransport::escriu_port(const QString &text)
{
    if (m_trace)
        m_trace->write(QStringLiteral(" escriu_port ") + text, TraceColour::Blue);
    const QByteArray bytes = toWire(text);
    if (m_name.isEmpty() || !m_port.isOpen() || m_port.write(bytes) != bytes.size()) {
        fail();
        return false;
    }
    m_port.flush();
    emit sent(bytes);
    return true;
}

bool SerialTransport::escriu_port_Buffer(const QByteArray &bytes)
{
    emit sent(bytes);
    if (m_name.isEmpty())
        return false;
    if (!m_port.isOpen() || m_port.write(bytes) != bytes.size()) {
        if (m_port.isOpen())
            m_port.clear(QSerialPort::AllDirections);
        close();
        fail();
        return false;
    }
    m_port.flush();
    return true;
}

void SerialTransport::onReadyRead()
{
    const QByteArray bytes = m_port.readAll();
    if (!bytes.isEmpty())
        emit bytesReceived(bytes);
}

void SerialTransport::onError(QSerialPort::SerialPortError e)
{
    // An unplugged or vanished port: close it and report the loss once.
    if (e == QSerialPort::ResourceError || e == QSerialPort::WriteError
        || e == QSerialPort::ReadError) {
        if (m_port.isOpen()) {
            close();
            fail();
        }
    }
}

void SerialTransport::fail()
{
    emit linkLost();
}

} // namespace velmar
