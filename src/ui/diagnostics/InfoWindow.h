#pragma once

#include "core/diagnostics/Trace.h"
#include "ui/shell/LayoutTexts.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmar {
class CommandChannel;
}

namespace velmar::ui {

// FInfo: the service console with the time-stamped trace of the traffic.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    InfoWindow(Trace &trace, CommandChannel &channel, QWidget *parent = nullptr);

    // Escriure_REPortserie
    void Escriure_REPortserie(const QString &entry, TraceColour colour = TraceColour::Default);
    bool paused() const { return m_paused; }
    QPlainTextEdit *trace() const { return m_trace; }

protected:
    void changeEvent(QEvent *e) override;

private:
    void BPararREportSerieClick();
    void BEnviarVelmarClick();

    CommandChannel &m_channel;
    LayoutTexts m_texts;
    QPlainTextEdit *m_trace;
    QPushButton *m_pause;
    QCheckBox *m_hexa;
    QLineEdit *m_send;
    bool m_paused = false;
};

} // namespace velmar::ui
