#include "ui/status/StatusBarPanel.h"

#include "core/shell/Engine.h"
#include "ui/shell/Lamp.h"

#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>

namespace velmar::ui {

namespace {

QFont barFont(const QWidget *w)
{
    QFont f = w->font();
    f.setBold(true);
    f.setPointSize(statusbar::fontPoints(w->logicalDpiY()));
    return f;
}

} // namespace

StatusBarPanel::StatusBarPanel(int index, Engine &engine, QWidget *parent)
    : QLabel(parent), m_index(index), m_engine(engine)
{
    setObjectName(QStringLiteral("SBEstat%1").arg(index));
    setFixedWidth(statusbar::kPanelWidths[index]);
    setMinimumHeight(22);

    if (index == 2) {
        m_rxAgui = new Lamp(QStringLiteral("ComLedRXAgui"), QColor(0xFF, 0x40, 0x00), this);
        m_txAgui = new Lamp(QStringLiteral("ComLedTXAgui"), QColor(0x00, 0xC0, 0x00), this);
        m_rxAgui->hide();
        m_txAgui->hide();
        connect(&engine.display, &StatusDisplay::panelLinkShown, this, [this] {
            // The panel-link part is emptied and drawn again for the new state.
            setText(QString());
            refresh();
        });
        connect(&engine.interpreter, &InfoInterpreter::panelLinkChanged, this, &StatusBarPanel::refresh);
        connect(&engine.display, &StatusDisplay::changed, this, &StatusBarPanel::trafficLamps);
        connect(&engine.monitor, &StatusMonitor::trafficLampsChanged, this, &StatusBarPanel::trafficLamps);
        connect(&engine.fields, &FieldModel::disconnectedReset, this, &StatusBarPanel::refresh);
        refresh();
    }
}

StatusBarPanelLook StatusBarPanel::look() const
{
    switch (m_index) {
    case 0: return statusbar::linkPanel(text());
    case 1: return statusbar::progressPanel(text());
    default: break;
    }
    return statusbar::panelLinkPanel(m_engine.state.connex_velmar_Agui, m_engine.state.central, text());
}

void StatusBarPanel::showMessage(const QString &message, const QString &detail)
{
    m_message = message;
    setText(message + detail);
    syncToolTip();
}

QString StatusBarPanel::shownText() const
{
    return fitted(text());
}

QString StatusBarPanel::fitted(const QString &full) const
{
    const QFontMetrics fm(textFont());
    const int room = width() - statusbar::kTextLeft;
    if (fm.horizontalAdvance(full) <= room)
        return full;
    // The message stays whole where it can; the detail loses its middle.
    if (!m_message.isEmpty() && full.startsWith(m_message)) {
        const int left = room - fm.horizontalAdvance(m_message);
        if (left > fm.horizontalAdvance(QStringLiteral("\u2026")) * 4)
            return m_message + fm.elidedText(full.mid(m_message.size()), Qt::ElideMiddle, left);
    }
    return fm.elidedText(full, Qt::ElideMiddle, room);
}

void StatusBarPanel::syncToolTip()
{
    const QString full = text();
    const QString tip = shownText() == full ? QString() : full;
    if (toolTip() != tip)
        setToolTip(tip);
}

QFont StatusBarPanel::textFont() const
{
    return barFont(this);
}

void StatusBarPanel::refresh()
{
    if (m_index != 2)
        return;
    const StatusBarPanelLook l = look();
    setText(l.text);
    m_rxAgui->setVisible(l.panelLamps);
    m_txAgui->setVisible(l.panelLamps);
    trafficLamps();
    if (l.aguileraAlarmView)
        emit aguileraAlarmViewRequested();
    if (l.jadeBirdOnline)
        emit jadeBirdOnline();
    update();
}

void StatusBarPanel::trafficLamps()
{
    if (m_index != 2)
        return;
    m_rxAgui->setOn(m_engine.lamps.rxAguiOn());
    m_txAgui->setOn(m_engine.lamps.txAguiOn());
}

void StatusBarPanel::holdProgress(QProgressBar *progress)
{
    m_progress = progress;
    m_progress->setParent(this);
    placeChildren();
}

void StatusBarPanel::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    placeChildren();
    syncToolTip();
}

void StatusBarPanel::placeChildren()
{
    if (m_progress) {
        // 200 pixels in from the start of the panel, to its end.
        m_progress->setFixedWidth(std::max(width() - 200, 10));
        m_progress->setGeometry(200, 4, width() - 200, std::max(height() - 5, 4));
    }
    if (m_rxAgui) {
        const int x = statusbar::kIconWidth + QFontMetrics(barFont(this)).horizontalAdvance(QStringLiteral(" Velmar    ")) + 10;
        const int y = std::max((height() - m_rxAgui->height()) / 2, 0);
        m_rxAgui->move(x, y);
        m_txAgui->move(x + 20, y);
    }
}

void StatusBarPanel::paintEvent(QPaintEvent *)
{
    const StatusBarPanelLook l = look();
    // Texts set elsewhere (setText, clear) are drawn from here: the tooltip
    // follows what is drawn.
    syncToolTip();
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(l.background));
    if (l.icon != StatusIcon::None)
        drawIcon(p, QRect(statusbar::kIconLeft, statusbar::kIconTop, statusbar::kIconWidth, statusbar::kIconWidth),
                 l.icon);
    p.setFont(textFont());
    p.setPen(Qt::black);
    const QRect textRect = rect().adjusted(statusbar::kTextLeft, statusbar::kTextTop, 0, 0);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, fitted(l.text));
}

void StatusBarPanel::drawIcon(QPainter &p, const QRect &r, StatusIcon icon)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (icon) {
    case StatusIcon::ModuleLinked: {
        // A green disc with a tick.
        p.setPen(QPen(QColor(0x00, 0x60, 0x00), 1));
        p.setBrush(QColor(0x10, 0xA0, 0x10));
        p.drawEllipse(box);
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.25, box.top() + box.height() * 0.52);
        tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.72);
        tick.lineTo(box.left() + box.width() * 0.77, box.top() + box.height() * 0.30);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
        break;
    }
    case StatusIcon::ModuleNotLinked: {
        // A grey disc with a cross.
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        p.setBrush(QColor(0x88, 0x88, 0x88));
        p.drawEllipse(box);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        const qreal a = box.width() * 0.3;
        const QPointF c = box.center();
        p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
        p.drawLine(c + QPointF(-a, a), c + QPointF(a, -a));
        break;
    }
    case StatusIcon::PanelConnecting:
    case StatusIcon::PanelConnected: {
        // The module and the panel as two boxes; a dotted link while
        // connecting, a solid one when connected.
        const bool up = icon == StatusIcon::PanelConnected;
        const qreal w = box.width() * 0.34, h = box.height() * 0.6;
        const QRectF left(box.left(), box.center().y() - h / 2, w, h);
        const QRectF right(box.right() - w, box.center().y() - h / 2, w, h);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x7D, 0xB8, 0xFF));
        p.drawRect(left);
        p.setBrush(up ? QColor(0x00, 0xC0, 0x00) : QColor(0xFF, 0xFF, 0xFF));
        p.drawRect(right);
        p.setPen(QPen(Qt::black, 1.5, up ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(QPointF(left.right(), box.center().y()), QPointF(right.left(), box.center().y()));
        break;
    }
    case StatusIcon::None:
        break;
    }
    p.restore();
}

} // namespace velmar::ui
