#pragma once

#include "core/history/EventTexts.h"

#include <QDate>
#include <QObject>

#include <functional>

namespace velmar {

class CloudDirectory;
class ProgrammingState;
struct LinkState;

// The "Registro" page's steps: when the history may be opened, the date
// filter, the reads from the cloud and the rows they give. The window shows
// what this holds and calls its steps; tests call them directly.
class EventHistory : public QObject {
    Q_OBJECT
public:
    EventHistory(CloudDirectory &cloud, LinkState &state, ProgrammingState &view, QObject *parent = nullptr);

    // An update transfer holds the program (its progress is shown).
    void setUpdateRunning(std::function<bool()> running) { m_updateRunning = std::move(running); }
    // The names of the door buttons 1 to 4 that event texts end with.
    void setButtonNames(std::function<QStringList()> names) { m_buttonNames = std::move(names); }

    // LlistatEvents: the event texts, in the language of this moment; built
    // once, by the first activation of the window.
    void LlistatEvents();
    const history::EventTexts &eventTexts() const { return m_texts; }

    // "Registro" (BBEventsClick): refused with a message, or the access
    // panel for a locked module, or the page in front and a read.
    void BBEventsClick();
    // "Leer los eventos": every data row emptied, then the read.
    void BBLlegirEventsClick();
    // The calendar closed (CPEventsCloseUp), with or without a new date.
    void CPEventsCloseUp(const QDate &date);
    // "X" (PEsborraDataClick): no date, the last 100 events again.
    void PEsborraDataClick();

    // The rows of a read, shown with the event texts and the button names.
    void showRows(const QList<cloud::HistoryRow> &rows);

    QDate date() const { return m_date; }
    // The data rows as shown (six cells each); before any read, empty rows.
    const QList<QStringList> &rows() const { return m_rows; }
    bool reading() const { return m_pending > 0; }

    static constexpr int kRefusalSeconds = 5;

signals:
    void internetLost();
    // A refusal for the user; seconds > 0 closes it by itself.
    void message(const QString &title, const QString &text, int seconds);
    // The page comes to the front ("REGISTRO DE EVENTOS").
    void pageShown();
    void dateChanged(const QDate &date);
    void rowsChanged();
    void readingChanged(bool reading);

private:
    void setRows(QList<QStringList> rows);

    CloudDirectory &m_cloud;
    LinkState &m_state;
    ProgrammingState &m_view;
    std::function<bool()> m_updateRunning;
    std::function<QStringList()> m_buttonNames;
    history::EventTexts m_texts;
    bool m_textsBuilt = false;
    QDate m_date;
    QList<QStringList> m_rows;
    quint64 m_generation = 0; // only the latest read fills the grid
    int m_pending = 0;
};

} // namespace velmar
