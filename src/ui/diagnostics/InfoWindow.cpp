#include "ui/diagnostics/InfoWindow.h"

#include "core/diagnostics/TraceFormat.h"
#include "core/link/CommandChannel.h"
#include "core/base/Formats.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTime>
#include <QVBoxLayout>

namespace velmar::ui {

namespace {
QString cssColour(TraceColour c)
{
    switch (c) {
    case TraceColour::Blue: return QStringLiteral("#0000ff");
    case TraceColour::Maroon: return QStringLiteral("#800000");
    case TraceColour::Fuchsia: return QStringLiteral("#c000c0");
    case TraceColour::Red: return QStringLiteral("#ff0000");
    case TraceColour::Green: return QStringLiteral("#008000");
    case TraceColour::Default: break;
    }
    return QStringLiteral("#000000");
}
} // namespace

InfoWindow::InfoWindow(Trace &trace, CommandChannel &channel, QWidget *parent)
    : QWidget(parent, Qt::Window), m_channel(channel)
{
    setObjectName(QStringLiteral("FInfo"));
    setWindowTitle(QString::fromUtf8("Informació port sèrie i TCP"));
    resize(760, 480);

    m_trace = new QPlainTextEdit(this);
    m_trace->setObjectName(QStringLiteral("REPortserie"));
    m_trace->setReadOnly(true);
    m_trace->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_trace->setMaximumBlockCount(20000); // the trace grows until emptied; keep memory bounded

    m_pause = m_texts.text(new QPushButton(this), [] { return tr("Parar"); });
    m_pause->setObjectName(QStringLiteral("BPararREportSerie"));
    auto *clear = m_texts.text(new QPushButton(this), [] { return tr("Borrar"); });
    clear->setObjectName(QStringLiteral("BEsborrarREportSerie"));
    m_hexa = m_texts.text(new QCheckBox(this), [] { return tr("Hexa"); });
    m_hexa->setObjectName(QStringLiteral("CBHexa"));
    m_send = new QLineEdit(this);
    m_send->setObjectName(QStringLiteral("EEnviarVelmar"));
    auto *send = m_texts.text(new QPushButton(this), [] { return tr("Enviar al Velmar"); });
    send->setObjectName(QStringLiteral("BEnviarVelmar"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_pause);
    buttons->addWidget(clear);
    buttons->addWidget(m_hexa);
    buttons->addStretch();
    buttons->addWidget(m_send, 1);
    buttons->addWidget(send);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_trace, 1);
    layout->addLayout(buttons);

    connect(m_pause, &QPushButton::clicked, this, &InfoWindow::BPararREportSerieClick);
    connect(clear, &QPushButton::clicked, m_trace, &QPlainTextEdit::clear);
    connect(send, &QPushButton::clicked, this, &InfoWindow::BEnviarVelmarClick);
    connect(m_send, &QLineEdit::returnPressed, this, &InfoWindow::BEnviarVelmarClick);
    connect(&trace, &Trace::entry, this, &InfoWindow::Escriure_REPortserie);
}

void InfoWindow::Escriure_REPortserie(const QString &entry, TraceColour colour)
{
    if (m_paused)
        return;
    const QString stamp = formats::longTime(QTime::currentTime());
    for (const TraceLine &line : formatTraceEntry(entry, stamp, m_hexa->isChecked(), colour))
        m_trace->appendHtml(QStringLiteral("<span style=\"color:%1; white-space:pre\">%2</span>")
                                .arg(cssColour(line.colour), line.text.toHtmlEscaped()));
    m_trace->verticalScrollBar()->setValue(m_trace->verticalScrollBar()->maximum());
}

void InfoWindow::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QWidget::changeEvent(e);
}

void InfoWindow::BPararREportSerieClick()
{
    m_paused = !m_paused;
    m_pause->setStyleSheet(m_paused ? QStringLiteral("color: red") : QString());
}

void InfoWindow::BEnviarVelmarClick()
{
    if (m_send->text().isEmpty())
        return;
    m_channel.send(QStringLiteral("vm+") + m_send->text());
}

} // namespace velmar::ui
