#include "ui/shell/Lamp.h"

#include <QPainter>

namespace velmar::ui {

Lamp::Lamp(const QString &name, QColor onColour, QWidget *parent)
    : QWidget(parent), m_onColour(onColour)
{
    setObjectName(name);
    setFixedSize(sizeHint());
}

void Lamp::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update();
}

void Lamp::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(Qt::darkGray), 1));
    p.setBrush(colour());
    p.drawEllipse(rect().adjusted(1, 1, -1, -1));
}

} // namespace velmar::ui
