#include "ui/status/ServiceReveal.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace velmar::ui {

ServiceReveal::ServiceReveal(std::function<void()> reveal, QObject *parent, int counted)
    : QObject(parent), m_reveal(std::move(reveal)), m_counter(counted)
{
}

void ServiceReveal::watch(QWidget *label)
{
    label->installEventFilter(this);
}

void ServiceReveal::click()
{
    if (m_counter.click())
        m_reveal();
}

bool ServiceReveal::eventFilter(QObject *, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton)
        click();
    return false;
}

ServiceReveal *installServiceReveal(QWidget *target, std::function<void()> reveal)
{
    auto *r = new ServiceReveal(std::move(reveal), target);
    r->watch(target);
    return r;
}

} // namespace velmar::ui
