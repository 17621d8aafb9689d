#pragma once

#include "core/status/LampBoard.h"

#include <QWidget>

namespace velmar::ui {

// A round indicator lamp of a status view, drawn from its slot of the lamp
// board: decoders write the slot's Tag, the blink engine its colour, and
// refresh() (after every tick) repaints the lamp when that changed.
class BlinkLamp : public QWidget {
    Q_OBJECT
public:
    BlinkLamp(const QString &name, const LampBoard &board, LampGroup group, int index,
              QWidget *parent = nullptr);

    QColor colour() const;
    LampGroup group() const { return m_group; }
    int index() const { return m_index; }
    QSize sizeHint() const override { return {16, 16}; }

public slots:
    void refresh();

protected:
    void paintEvent(QPaintEvent *) override;

private:
    const LampBoard &m_board;
    LampGroup m_group;
    int m_index;
    Rgb m_painted = 0;
};

} // namespace velmar::ui
