#include "ui/status/ServiceReveal.h"

#include "core/status/ClickReveal.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace velmar::ui {

namespace {

class RevealFilter : public QObject {
public:
    RevealFilter(QWidget *target, std::function<void()> reveal)
        : QObject(target), m_reveal(std::move(reveal))
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton && m_counter.click())
            m_reveal();
        return false;
    }

private:
    std::function<void()> m_reveal;
    ClickReveal m_counter;
};

} // namespace

void installServiceReveal(QWidget *target, std::function<void()> reveal)
{
    new RevealFilter(target, std::move(reveal));
}

} // namespace velmar::ui
