#include "ui/history/DatePicker.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFrame>
#include <QVBoxLayout>

namespace velmar::ui {

DatePicker::DatePicker(QWidget *parent)
    : QPushButton(parent), m_popup(new QFrame(this, Qt::Popup)), m_calendar(new QCalendarWidget(m_popup))
{
    m_popup->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setGridVisible(true);
    m_popup->installEventFilter(this);
    connect(this, &QPushButton::clicked, this, &DatePicker::showPopup);
    // A day clicked or chosen with the keyboard is the date.
    auto choose = [this](const QDate &date) {
        setDate(date);
        hidePopup();
    };
    connect(m_calendar, &QCalendarWidget::clicked, this, choose);
    connect(m_calendar, &QCalendarWidget::activated, this, choose);
    showText();
    localise();
}

void DatePicker::localise()
{
    // The translations name the locale of their language.
    m_calendar->setLocale(QLocale(tr("es_ES", "locale of the calendar's month and day names")));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
}

void DatePicker::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        localise();
    QPushButton::changeEvent(e);
}

void DatePicker::setDate(const QDate &date)
{
    m_date = date;
    showText();
}

void DatePicker::setPlaceholder(const QString &text)
{
    m_placeholder = text;
    showText();
}

void DatePicker::showText()
{
    setText(m_date.isValid() ? m_date.toString(QStringLiteral("dd-MM-yyyy")) : m_placeholder);
}

bool DatePicker::isPopupShown() const
{
    return m_popup->isVisible();
}

void DatePicker::showPopup()
{
    m_calendar->setSelectedDate(m_date.isValid() ? m_date : QDate::currentDate());
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    m_calendar->setFocus();
}

void DatePicker::hidePopup()
{
    m_popup->hide();
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    // However the calendar goes (a day, Escape, a click elsewhere), it was closed.
    if (watched == m_popup && event->type() == QEvent::Hide)
        emit closedUp(m_date);
    return QPushButton::eventFilter(watched, event);
}

} // namespace velmar::ui
