#pragma once

#include <QObject>
#include <QString>

namespace velmar {

class CommandChannel;
class ProgrammingState;
struct LinkState;

// The console's commands to the module: raw commands for the module and
// for its GSM modem, the module's trace switches and the poll. Only the
// raw module command also travels over a remote session; the others are for
// the USB link and send nothing while a session is open (their captions
// stay as they were, the module's state being unchanged).
class ConsoleCommands : public QObject {
    Q_OBJECT
public:
    ConsoleCommands(LinkState &state, CommandChannel &channel, ProgrammingState &view, QObject *parent = nullptr);

    // FormActivate: "Info" red (the stream is taken to be on) and the status
    // page no longer counts as shown, so the status polls stay out of the trace.
    void FormActivate();

    // "Enviar al Velmar": "vm+" + text, on the USB link or the session.
    void BEnviarVelmarClick(const QString &text);
    // "Enviar al GSM": "mv=" + text to the module's modem, USB only.
    void BEnviarModulClick(const QString &text);
    // The switches; a red caption means "on". USB only.
    void BInfoClick();
    void BGsmClick();
    void BUartClick();
    // "Test": a poll of the module, USB only.
    void BTestClick();

    bool infoRed() const { return m_info; }
    bool gsmRed() const { return m_gsm; }
    bool uartRed() const { return m_uart; }
    // The status read's end sets "Info" red too.
    void setInfoRed();

signals:
    void captionsChanged();

private:
    // Writes text on the serial port unless a remote session is open.
    bool sendLocal(const QString &text);

    LinkState &m_state;
    CommandChannel &m_channel;
    ProgrammingState &m_view;
    bool m_info = false;
    bool m_gsm = false;
    bool m_uart = false;
};

} // namespace velmar
