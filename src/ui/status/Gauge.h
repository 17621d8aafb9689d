#pragma once

#include <QColor>
#include <QWidget>

namespace velmar::ui {

// A horizontal gauge (GTamper, GAlimentacio): a bar from 0 to its maximum,
// with the value written in the middle.
class Gauge : public QWidget {
    Q_OBJECT
public:
    Gauge(const QString &name, int maximum, QWidget *parent = nullptr);

    int value() const { return m_value; }
    int maximum() const { return m_max; }
    QColor barColour() const { return m_bar; }
    void setValue(int v);
    void setBarColour(const QColor &c);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_max;
    int m_value = 0;
    QColor m_bar;
};

// A level marker under a gauge: a small upward triangle.
class GaugeMarker : public QWidget {
    Q_OBJECT
public:
    GaugeMarker(const QString &name, const QColor &colour, QWidget *parent = nullptr);
    static constexpr int kWidth = 9;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_colour;
};

} // namespace velmar::ui
