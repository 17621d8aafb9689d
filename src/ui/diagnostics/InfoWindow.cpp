#include "ui/diagnostics/InfoWindow.h"

#include "core/shell/Engine.h"
#include "ui/files/FileDialogs.h"
#include "ui/shell/MessageDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace velmar::ui {

namespace {

QColor colourOf(TraceColour c)
{
    switch (c) {
    case TraceColour::Blue: return Qt::blue;
    case TraceColour::Maroon: return QColor(0x80, 0x00, 0x00);
    case TraceColour::Fuchsia: return QColor(0xC0, 0x00, 0xC0);
    case TraceColour::Red: return Qt::red;
    case TraceColour::Green: return QColor(0x00, 0x80, 0x00);
    case TraceColour::Default: break;
    }
    return Qt::black;
}

// A red caption means "on" (or, on "Parar", paused); otherwise the normal text colour.
void setCaptionRed(QPushButton *button, bool red)
{
    QPalette p = button->palette();
    p.setColor(QPalette::ButtonText, red ? QColor(Qt::red) : QApplication::palette(button).color(QPalette::ButtonText));
    button->setPalette(p);
}

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

InfoWindow::InfoWindow(Engine &engine, QWidget *parent)
    : QWidget(parent, Qt::Window), m_engine(engine)
{
    setObjectName(QStringLiteral("FInfo"));
    m_texts.add(this, [this] { setWindowTitle(tr("Informació port sèrie i TCP")); });
    resize(820, 520);
    for (int c = 0; c < 6; ++c)
        m_formats[c].setForeground(colourOf(TraceColour(c)));

    m_trace = new QPlainTextEdit(this);
    m_trace->setObjectName(QStringLiteral("REPortserie"));
    m_trace->setReadOnly(true);
    // The trace is drawn by appending: an undo history would keep every line ever shown.
    m_trace->setUndoRedoEnabled(false);
    m_trace->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_trace->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    m_pause = m_texts.text(button(QString(), "BPararREportSerie", this), [] { return tr("Parar"); });
    auto *clear = m_texts.text(button(QString(), "BEsborrarREportSerie", this), [] { return tr("Borrar"); });
    m_hexa = m_texts.text(new QCheckBox(this), [] { return tr("Hexa"); });
    m_hexa->setObjectName(QStringLiteral("CBHexa"));
    auto *save = m_texts.text(button(QString(), "BGuardarREportSerie", this), [] { return tr("Guardar"); });
    m_info = m_texts.text(button(QString(), "BInfo", this), [] { return tr("Info"); });
    m_gsm = m_texts.text(button(QString(), "BGsm", this), [] { return tr("Gsm"); });
    m_uart = m_texts.text(button(QString(), "BUart", this), [] { return tr("Uart"); });
    auto *test = m_texts.text(button(QString(), "BTest", this), [] { return tr("Test"); });
    m_sendModule = new QLineEdit(this);
    m_sendModule->setObjectName(QStringLiteral("EEnviarVelmar"));
    auto *sendModule = m_texts.text(button(QString(), "BEnviarVelmar", this), [] { return tr("Enviar al Velmar"); });
    m_sendModem = new QLineEdit(this);
    m_sendModem->setObjectName(QStringLiteral("EEnviarModul"));
    auto *sendModem = m_texts.text(button(QString(), "BEnviarModul", this), [] { return tr("Enviar al GSM"); });
    m_commands = {m_sendModule, sendModule, m_sendModem, sendModem, m_info, m_gsm, m_uart, test};
    for (QWidget *w : m_commands)
        w->setEnabled(false);

    auto *traceRow = new QHBoxLayout;
    traceRow->addWidget(m_pause);
    traceRow->addWidget(clear);
    traceRow->addWidget(m_hexa);
    traceRow->addWidget(save);
    traceRow->addStretch();
    traceRow->addWidget(m_info);
    traceRow->addWidget(m_gsm);
    traceRow->addWidget(m_uart);
    traceRow->addWidget(test);
    auto *sendRow = new QHBoxLayout;
    sendRow->addWidget(m_sendModule, 1);
    sendRow->addWidget(sendModule);
    sendRow->addSpacing(12);
    sendRow->addWidget(m_sendModem, 1);
    sendRow->addWidget(sendModem);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_trace, 1);
    layout->addLayout(traceRow);
    layout->addLayout(sendRow);

    ConsoleCommands &commands = m_engine.console;
    connect(m_pause, &QPushButton::clicked, this, &InfoWindow::BPararREportSerieClick);
    connect(clear, &QPushButton::clicked, this, &InfoWindow::BEsborrarREportSerieClick);
    connect(m_hexa, &QCheckBox::toggled, this, [this](bool on) { m_engine.traceLog.setHexa(on); });
    connect(save, &QPushButton::clicked, this, &InfoWindow::BGuardarClick);
    const auto sendToModule = [this] { m_engine.console.BEnviarVelmarClick(m_sendModule->text()); };
    const auto sendToModem = [this] { m_engine.console.BEnviarModulClick(m_sendModem->text()); };
    connect(sendModule, &QPushButton::clicked, this, sendToModule);
    connect(m_sendModule, &QLineEdit::returnPressed, this, sendToModule);
    connect(sendModem, &QPushButton::clicked, this, sendToModem);
    connect(m_sendModem, &QLineEdit::returnPressed, this, sendToModem);
    connect(m_info, &QPushButton::clicked, &commands, &ConsoleCommands::BInfoClick);
    connect(m_gsm, &QPushButton::clicked, &commands, &ConsoleCommands::BGsmClick);
    connect(m_uart, &QPushButton::clicked, &commands, &ConsoleCommands::BUartClick);
    connect(test, &QPushButton::clicked, &commands, &ConsoleCommands::BTestClick);
    connect(&commands, &ConsoleCommands::captionsChanged, this, &InfoWindow::showCaptions);
    // A module recognised while the console is open is reachable at once.
    connect(&m_engine.identification, &Identification::connectedChanged, this, [this](bool connected) {
        if (connected)
            enableCommands();
    });

    TraceLog &log = m_engine.traceLog;
    m_hexa->setChecked(log.hexa());
    connect(&log, &TraceLog::linesAdded, this, &InfoWindow::scheduleDraw);
    connect(&log, &TraceLog::cleared, this, [this] {
        m_trace->clear();
        m_drawnFirst = m_drawnEnd = m_engine.traceLog.firstNumber();
    });
    m_drawnFirst = m_drawnEnd = log.firstNumber();
    showCaptions();
}

QString InfoWindow::text() const
{
    return m_engine.traceLog.text();
}

bool InfoWindow::drawnUpToDate() const
{
    return m_drawnFirst == m_engine.traceLog.firstNumber() && m_drawnEnd == m_engine.traceLog.endNumber();
}

void InfoWindow::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    FormActivate();
    scheduleDraw();
}

void InfoWindow::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void InfoWindow::FormActivate()
{
    m_engine.console.FormActivate();
    enableCommands();
}

void InfoWindow::enableCommands()
{
    if (!m_engine.state.circuit)
        return;
    for (QWidget *w : m_commands)
        w->setEnabled(true);
}

void InfoWindow::showCaptions()
{
    const ConsoleCommands &c = m_engine.console;
    setCaptionRed(m_info, c.infoRed());
    setCaptionRed(m_gsm, c.gsmRed());
    setCaptionRed(m_uart, c.uartRed());
}

void InfoWindow::BPararREportSerieClick()
{
    TraceLog &log = m_engine.traceLog;
    log.setPaused(!log.paused());
    setCaptionRed(m_pause, log.paused());
}

void InfoWindow::BEsborrarREportSerieClick()
{
    m_engine.traceLog.clear();
}

void InfoWindow::BGuardarClick()
{
    const SaveOutcome out = saveToChosenFile(this, {true, tr("Guardar la información"), tr("Texto (*.txt)")},
                                             [this] { return m_engine.traceLog.fileBytes(); });
    if (out.path.isEmpty() || out.saved())
        return;
    ElMeuMessageDlg(tr("ERROR"), tr("Error al guardar : ") + out.path + u'\r' + out.error, DlgType::Error,
                    {tr("    Aceptar   ")}, QMessageBox::Ok, this);
}

void InfoWindow::scheduleDraw()
{
    if (m_drawPending || !isVisible())
        return;
    m_drawPending = true;
    QTimer::singleShot(0, this, &InfoWindow::draw);
}

void InfoWindow::draw()
{
    m_drawPending = false;
    if (!isVisible())
        return; // drawn when shown again
    const TraceLog &log = m_engine.traceLog;
    QTextCursor cursor(m_trace->document());
    // Lines the trace no longer keeps leave the window too.
    if (m_drawnEnd <= log.firstNumber()) {
        if (m_drawnEnd != m_drawnFirst)
            m_trace->clear();
        m_drawnFirst = m_drawnEnd = log.firstNumber();
    } else if (m_drawnFirst < log.firstNumber()) {
        cursor.movePosition(QTextCursor::Start);
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, int(log.firstNumber() - m_drawnFirst));
        cursor.removeSelectedText();
        m_drawnFirst = log.firstNumber();
    }
    if (m_drawnEnd == log.endNumber())
        return;

    QElapsedTimer slice;
    slice.start();
    cursor.movePosition(QTextCursor::End);
    while (m_drawnEnd < log.endNumber()) {
        const TraceLine &line = log.line(m_drawnEnd);
        if (m_drawnEnd != m_drawnFirst)
            cursor.insertBlock();
        if (line.colourFrom > 0)
            cursor.insertText(line.text.left(line.colourFrom), m_formats[int(TraceColour::Default)]);
        cursor.insertText(line.text.mid(line.colourFrom), m_formats[int(line.colour)]);
        ++m_drawnEnd;
        if (m_drawnEnd % 16 == 0 && slice.elapsed() >= kDrawSliceMs)
            break;
    }
    m_trace->verticalScrollBar()->setValue(m_trace->verticalScrollBar()->maximum());
    if (m_drawnEnd < log.endNumber())
        scheduleDraw();
}

} // namespace velmar::ui
