#pragma once

#include "core/cloud/CloudRecords.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The event history as the "Registro" page shows it: the texts of the door
// and call event numbers, and the rows of the history grid.
namespace velmar::history {

// LlistaEvents: event number -> text, in the language current when built.
class EventTexts {
public:
    // LlistatEvents: the eighteen door, call and order events.
    static EventTexts build();
    // The text of an event number, empty for a number not in the table.
    QString text(const QString &eventId) const;
    const QList<QPair<QString, QString>> &entries() const { return m_entries; }

private:
    QList<QPair<QString, QString>> m_entries;
};

// The grid SGHistoric: its column headings and widths in pixels.
QStringList historyHeadings();
QList<int> historyColumnWidths();
constexpr int kHistoryInitialRows = 20;

// The message column of an event: its own text, else the text of its event
// number, followed for a button by " Botón N  " and that button's name
// (names[N - 1] when there is one).
QString historyMessage(const cloud::HistoryRow &row, const EventTexts &texts, const QStringList &buttonNames);

// The six cells of every row: number, date, time, user, name, message.
QList<QStringList> historyCells(const QList<cloud::HistoryRow> &rows, const EventTexts &texts,
                                const QStringList &buttonNames);

} // namespace velmar::history
