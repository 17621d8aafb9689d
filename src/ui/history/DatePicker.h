#pragma once

#include <QDate>
#include <QPushButton>

class QCalendarWidget;
class QFrame;

namespace velmar::ui {

// A date that may be empty: a button showing the date (or its placeholder)
// that opens a month calendar, weeks starting on Monday. Closing the
// calendar, with or without a new date, is told by closedUp.
class DatePicker : public QPushButton {
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);
    void setPlaceholder(const QString &text);

    // The calendar (tests pick in it); open while isPopupShown().
    QCalendarWidget *calendar() const { return m_calendar; }
    bool isPopupShown() const;
    void showPopup();
    void hidePopup();

signals:
    void closedUp(const QDate &date);

protected:
    // The calendar's month and day names follow the interface's language.
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showText();
    void localise();

    QDate m_date;
    QString m_placeholder;
    QFrame *m_popup;
    QCalendarWidget *m_calendar;
};

} // namespace velmar::ui
