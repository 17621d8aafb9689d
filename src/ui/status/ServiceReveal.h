#pragma once

#include "core/status/ClickReveal.h"

#include <QObject>

#include <functional>

class QWidget;

namespace velmar::ui {

// A hidden service control: left clicks on the labels it watches count
// towards one counter, and the revealing click (the eleventh unless told
// otherwise, ClickReveal) runs reveal; the count then starts again.
class ServiceReveal : public QObject {
public:
    ServiceReveal(std::function<void()> reveal, QObject *parent, int counted = ClickReveal::kClicks);

    // Left clicks on label count.
    void watch(QWidget *label);
    // One click from elsewhere (a menu entry).
    void click();
    // The count starts again from 0.
    void reset() { m_counter.reset(); }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    std::function<void()> m_reveal;
    ClickReveal m_counter;
};

// Makes target a hidden service control of its own.
ServiceReveal *installServiceReveal(QWidget *target, std::function<void()> reveal);

} // namespace velmar::ui
