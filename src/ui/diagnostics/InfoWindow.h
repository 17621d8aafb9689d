#pragma once

#include "core/diagnostics/Trace.h"
#include "ui/shell/LayoutTexts.h"

#include <QTextCharFormat>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmar {
class Engine;
}

namespace velmar::ui {

// FInfo: the service console. The trace itself is the core's (TraceLog);
// this window draws what it keeps, a slice at a time so that a flood of
// entries never holds the event loop, and nothing while it is hidden.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(Engine &engine, QWidget *parent = nullptr);

    // Longest time one drawing pass may hold the event loop.
    static constexpr int kDrawSliceMs = 8;

    QPlainTextEdit *trace() const { return m_trace; }
    // The trace as kept, drawn or not yet.
    QString text() const;
    // Every line the trace keeps is drawn.
    bool drawnUpToDate() const;

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void FormActivate();
    void BPararREportSerieClick();
    void BEsborrarREportSerieClick();
    void BGuardarClick();
    void showCaptions();
    void enableCommands();
    void scheduleDraw();
    void draw();

    Engine &m_engine;
    LayoutTexts m_texts;
    QPlainTextEdit *m_trace;
    QPushButton *m_pause;
    QCheckBox *m_hexa;
    QLineEdit *m_sendModule;
    QLineEdit *m_sendModem;
    QList<QWidget *> m_commands; // enabled once a module answers
    QPushButton *m_info;
    QPushButton *m_gsm;
    QPushButton *m_uart;
    QTextCharFormat m_formats[6];
    // The lines drawn are the trace's lines m_drawnFirst to m_drawnEnd - 1.
    quint64 m_drawnFirst = 0;
    quint64 m_drawnEnd = 0;
    bool m_drawPending = false;
};

} // namespace velmar::ui
