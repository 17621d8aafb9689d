#pragma once

#include "core/link/InfoInterpreter.h"
#include "core/panels/AguileraStatus.h"
#include "core/panels/EventDecoders.h"
#include "core/panels/StatusDecoders.h"

#include <QHash>
#include <QObject>

namespace velmar {

class LampBoard;
class ProgrammingState;
struct LinkState;

namespace panels {

struct PanelModel;

// The attached panel's records of the information stream: status records
// become lamp Tags on the blink board and a decoded status for the view;
// event records become event lines, or a new fetch of the list they name.
// The cloud lists themselves are fetched elsewhere and handed back through
// listFetched().
class PanelMonitor : public QObject, public PanelRecordSink {
    Q_OBJECT
public:
    PanelMonitor(LinkState &link, LampBoard &board, ProgrammingState &view, QObject *parent = nullptr);

    void panelRecord(QChar type, QChar kind, const QString &payload) override;
    // A status text of the model, from its record or the cloud status record.
    void statusText(const PanelModel &model, const QString &text);
    // The cloud returned the list of `kind` the monitor asked for (empty
    // when it could not be read: the display then shows nothing of it).
    // The lists a status asked for share the display in the order asked;
    // any other list replaces it.
    void listFetched(const QString &model, const QString &kind, const QString &listText);
    // A counter or kind label of the model's view was clicked: that list
    // is wanted (BC600/BC216 keep it as their selected kind).
    void chooseKind(const QString &model, const QString &kind);
    int bcKind() const { return m_bcKind; }

signals:
    void statusDecoded(const QString &model, const velmar::panels::PanelStatus &status);
    // An Aguilera AE/SA (or AGE) status: counts and zone lists for its view.
    void aesaDecoded(const velmar::panels::AesaStatus &status);
    // Lines for the model's event display; replace: the display is cleared first.
    void eventLines(const QString &model, const QList<velmar::panels::EventLine> &lines, bool replace);
    // The cloud list of `kind` under `node` is wanted (Events/<kind>).
    void listWanted(const QString &model, const QString &node, const QString &kind);
    // The model's status is to be read again from the cloud (AD300, AD600, C-Tec).
    void statusRefreshWanted(const QString &model);
    // A line for the diagnostics console.
    void consoleLine(const QString &line);

private:
    // The status shown: its own display lines, and the lists it names.
    void startRound(const PanelModel &m, const PanelStatus &st);
    // A list for the display: asked of the cloud, or JadeBird's text for a
    // kind without events.
    void wantList(const PanelModel &m, const QString &kind);
    bool eventsAccepted(const PanelModel &m) const;
    void eventRecord(const PanelModel &m, const QString &payload);

    LinkState &m_link;
    LampBoard &m_board;
    ProgrammingState &m_view;
    int m_bcKind = 1;
    int m_total = 0; // AD300/AD600: events the last status announced
    // Per model, the lists of the last status not handed back yet, and
    // whether one of them is on the display already.
    struct Round {
        QStringList kinds;
        bool shown = false;
        // A display that opens with the status's own lines (Syncro) is
        // written whole when the round's lists are back, those lines first.
        bool hold = false;
        QList<EventLine> opening;
        QList<EventLine> held;
        QList<KindLabel> counts;
        QStringList emptyKinds; // lists that came back without entries
    };
    QList<EventLine> openingLines(const QString &model, const Round &round) const;
    QHash<QString, Round> m_round;
    QHash<QString, int> m_jadeBirdCounts; // kind -> events, as the last status counted them
};

} // namespace panels
} // namespace velmar
