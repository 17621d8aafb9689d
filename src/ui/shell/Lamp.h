#pragma once

#include <QColor>
#include <QWidget>

namespace velmar::ui {

// A round indicator lamp: lit in its colour, or grey when off.
class Lamp : public QWidget {
    Q_OBJECT
public:
    explicit Lamp(const QString &name, QColor onColour, QWidget *parent = nullptr);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    QColor colour() const { return m_on ? m_onColour : QColor(Qt::lightGray); }
    QSize sizeHint() const override { return {14, 14}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_onColour;
    bool m_on = false;
};

} // namespace velmar::ui
