#include "core/history/EventHistory.h"

#include "core/cloud/CloudDirectory.h"
#include "core/link/LinkState.h"
#include "core/programming/ProgrammingState.h"

#include <QPointer>

namespace velmar {

namespace {
QList<QStringList> emptyRows(qsizetype count)
{
    return QList<QStringList>(count, QStringList(history::historyHeadings().size()));
}
} // namespace

EventHistory::EventHistory(CloudDirectory &cloud, LinkState &state, ProgrammingState &view, QObject *parent)
    : QObject(parent), m_cloud(cloud), m_state(state), m_view(view),
      m_rows(emptyRows(history::kHistoryInitialRows))
{
}

void EventHistory::LlistatEvents()
{
    if (m_textsBuilt)
        return;
    m_textsBuilt = true;
    m_texts = history::EventTexts::build();
}

void EventHistory::BBEventsClick()
{
    if ((m_updateRunning && m_updateRunning()) || m_state.tempsActu > 0)
        return;
    const QString attention = tr("¡ ATENCIÓN !");
    m_cloud.ConnexioInternet([this, attention](bool reachable) {
        if (!reachable) {
            emit internetLost();
            emit message(attention, tr("No hay conexión a internet"), kRefusalSeconds);
            return;
        }
        if (m_view.bidiCentral) {
            m_view.warnTelecontrol();
            return;
        }
        if (!m_state.circuit) {
            emit message(attention, tr(" No hay ningún equipo conectado"), kRefusalSeconds);
            return;
        }
        if (m_state.protegit) {
            m_view.showAccessPanel();
            return;
        }
        emit pageShown();
        BBLlegirEventsClick();
    });
}

void EventHistory::BBLlegirEventsClick()
{
    LlistatEvents();
    setRows(emptyRows(m_rows.size()));
    const quint64 generation = ++m_generation;
    if (m_pending++ == 0)
        emit readingChanged(true);
    QPointer<EventHistory> self(this);
    m_cloud.LLegir_Historic(m_date, [self, this, generation](bool, const QList<cloud::HistoryRow> &rows) {
        if (!self)
            return;
        if (--m_pending == 0)
            emit readingChanged(false);
        if (generation != m_generation)
            return; // a later read was asked for: its rows are the ones wanted
        showRows(rows);
    });
}

void EventHistory::showRows(const QList<cloud::HistoryRow> &rows)
{
    LlistatEvents();
    const QStringList names = m_buttonNames ? m_buttonNames() : QStringList();
    setRows(history::historyCells(rows, m_texts, names));
}

void EventHistory::CPEventsCloseUp(const QDate &date)
{
    if (date != m_date) {
        m_date = date;
        emit dateChanged(m_date);
    }
    BBLlegirEventsClick();
}

void EventHistory::PEsborraDataClick()
{
    CPEventsCloseUp(QDate());
}

void EventHistory::setRows(QList<QStringList> rows)
{
    m_rows = std::move(rows);
    emit rowsChanged();
}

} // namespace velmar
