#include "ui/status/Gauge.h"

#include <QPainter>
#include <QPainterPath>

namespace velmar::ui {

Gauge::Gauge(const QString &name, int maximum, QWidget *parent)
    : QWidget(parent), m_max(maximum), m_bar(Qt::lightGray)
{
    setObjectName(name);
}

void Gauge::setValue(int v)
{
    v = std::clamp(v, 0, m_max);
    if (v == m_value)
        return;
    m_value = v;
    update();
}

void Gauge::setBarColour(const QColor &c)
{
    if (c == m_bar)
        return;
    m_bar = c;
    update();
}

void Gauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, QColor(0xF4, 0xF4, 0xF4));
    if (m_max > 0 && m_value > 0) {
        QRect bar = r.adjusted(1, 1, 0, 0);
        bar.setWidth(bar.width() * m_value / m_max);
        p.fillRect(bar, m_bar);
    }
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(r);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, QString::number(m_value));
}

GaugeMarker::GaugeMarker(const QString &name, const QColor &colour, QWidget *parent)
    : QWidget(parent), m_colour(colour)
{
    setObjectName(name);
    setFixedSize(kWidth, 8);
}

void GaugeMarker::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(width() / 2.0, 0);
    tri.lineTo(width(), height());
    tri.lineTo(0, height());
    tri.closeSubpath();
    p.fillPath(tri, m_colour);
    p.setPen(Qt::black);
    p.drawPath(tri);
}

} // namespace velmar::ui
