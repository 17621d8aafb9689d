#include "ui/status/BlinkLamp.h"

#include <QPainter>

namespace velmar::ui {

BlinkLamp::BlinkLamp(const QString &name, const LampBoard &board, LampGroup group, int index,
                     QWidget *parent)
    : QWidget(parent), m_board(board), m_group(group), m_index(index)
{
    setObjectName(name);
    setFixedSize(sizeHint());
    m_painted = m_board.lamp(m_group, m_index).colour;
}

QColor BlinkLamp::colour() const
{
    return QColor::fromRgb(m_painted);
}

void BlinkLamp::refresh()
{
    const LampSlot &slot = m_board.lamp(m_group, m_index);
    if (slot.visible == isHidden())
        setVisible(slot.visible);
    if (slot.colour != m_painted) {
        m_painted = slot.colour;
        update();
    }
}

void BlinkLamp::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(colour());
    p.drawEllipse(rect().adjusted(1, 1, -1, -1));
}

} // namespace velmar::ui
