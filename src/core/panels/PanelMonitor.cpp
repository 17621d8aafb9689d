#include "core/panels/PanelMonitor.h"

#include "core/link/LinkState.h"
#include "core/panels/ModelDecoders.h"
#include "core/panels/PanelCatalogue.h"
#include "core/programming/ProgrammingState.h"
#include "core/status/LampBoard.h"

namespace velmar::panels {

namespace {

// The name the decoders log under ("Event_Central_ID3000").
QString decoderName(const PanelModel &m)
{
    QString n = QLatin1String(m.model);
    n.remove(u'-');
    n.remove(QLatin1String(" XFP"));
    return QStringLiteral("Event_Central_") + n;
}

} // namespace

PanelMonitor::PanelMonitor(LinkState &link, LampBoard &board, ProgrammingState &view, QObject *parent)
    : QObject(parent), m_link(link), m_board(board), m_view(view)
{
}

void PanelMonitor::panelRecord(QChar type, QChar kind, const QString &payload)
{
    const QString code = QString(type) + kind;
    const PanelModel *m = recordModel(code, m_link.central);
    if (!m)
        return;
    if (type == u'A')
        statusText(*m, payload);
    else if (type == u'C')
        eventRecord(*m, payload);
}

void PanelMonitor::statusText(const PanelModel &m, const QString &text)
{
    // Its lamps are the view's own, coloured from the counts.
    if (QLatin1String(m.statusRecord) == QLatin1String("A2")) {
        emit aesaDecoded(Info_Central_AESA(text));
        return;
    }
    const StatusDecoder decode = statusDecoderFor(QLatin1String(m.model));
    if (!decode)
        return;
    PanelStatus st = decode(text);
    applyLamps(m_board, st);
    const QString model = QLatin1String(m.model);
    if (st.total > 0 || model == QLatin1String("AD300"))
        m_total = st.total;
    // BC600 and BC216 fetch the kind selected in their view again.
    if (!st.counts.isEmpty())
        st.fetch = QStringList{bc600KindName(m_bcKind)};
    emit statusDecoded(model, st);
    startRound(m, st);
}

void PanelMonitor::startRound(const PanelModel &m, const PanelStatus &st)
{
    const QString model = QLatin1String(m.model);
    if (model == QLatin1String("JadeBird")) {
        m_jadeBirdCounts.clear();
        for (const KindLabel &l : st.labels)
            m_jadeBirdCounts.insert(l.kind, l.count);
    }
    Round round;
    round.kinds = st.fetch;
    round.hold = !st.lines.isEmpty() && !st.fetch.isEmpty();
    round.opening = st.lines;
    round.counts = st.labels;
    m_round.insert(model, round);
    // Without a list to come the status alone rewrites the display; a
    // status with lines of its own shows them until its lists are back.
    if (st.fetch.isEmpty() || round.hold)
        emit eventLines(model, st.lines, true);
    for (const QString &kind : st.fetch)
        wantList(m, kind);
}

void PanelMonitor::wantList(const PanelModel &m, const QString &kind)
{
    const QString model = QLatin1String(m.model);
    if (model == QLatin1String("JadeBird") && m_jadeBirdCounts.value(kind) <= 0) {
        m_round[model].kinds.removeOne(kind);
        emit eventLines(model, {EventLine{jadeBirdNoEvents(kind)}}, true);
        return;
    }
    emit listWanted(model, QLatin1String(m.cloudNode), kind);
}

bool PanelMonitor::eventsAccepted(const PanelModel &m) const
{
    return m_view.panelmostrat == ProgrammingState::estat() && selects(m, m_link.central)
           && !m_link.identConnectar.isEmpty();
}

void PanelMonitor::eventRecord(const PanelModel &m, const QString &payload)
{
    if (!eventsAccepted(m))
        return;
    const QString model = QLatin1String(m.model);
    const ModelDecoders *row = decodersOf(model);
    if (!row)
        return;
    switch (row->onEvent) {
    case OnEvent::Append:
    case OnEvent::Replace:
        emit consoleLine(decoderName(m) + QStringLiteral(" : ") + payload);
        emit eventLines(model, row->record(payload).lines, row->onEvent == OnEvent::Replace);
        break;
    case OnEvent::RefetchKind:
        if (bc600ChangedKind(payload) == m_bcKind)
            emit listWanted(model, QLatin1String(m.cloudNode), bc600KindName(m_bcKind));
        break;
    case OnEvent::RefreshStatus:
        emit statusRefreshWanted(model);
        break;
    case OnEvent::None:
        break;
    }
}

void PanelMonitor::chooseKind(const QString &model, const QString &kind)
{
    const PanelModel *m = modelNamed(model);
    if (!m)
        return;
    if (QLatin1String(m->eventRecord) == QLatin1String("C4")) {
        for (int k = 1; k <= 6; ++k)
            if (bc600KindName(k) == kind)
                m_bcKind = k;
    }
    wantList(*m, kind);
}

QList<EventLine> PanelMonitor::openingLines(const QString &model, const Round &round) const
{
    if (model != QLatin1String("Syncro"))
        return round.opening;
    // The counts of the first line are those of lists that held entries.
    const auto count = [&](const char *kind) {
        const QString k = QLatin1String(kind);
        if (round.emptyKinds.contains(k))
            return 0;
        for (const KindLabel &l : round.counts)
            if (l.kind == k)
                return l.count;
        return 0;
    };
    return syncroScreenHeading(count("Fire"), count("Fault"), count("Disablement"));
}

void PanelMonitor::listFetched(const QString &model, const QString &kind, const QString &listText)
{
    const DecodedEvent d = decodeEventList(model, kind, listText, m_total);
    for (int zone : d.zoneLamps) {
        int &tag = m_board.lamp(LampGroup::PunterLedAlarmaAD300, zone).Tag;
        if (tag != 2)
            m_board.tempsLedZones = LampBoard::kSlowReload; // a zone starts flashing
        tag = 2;
    }
    if (d.evacuation)
        m_board.lamp(LampGroup::PunterLedAD600, 2).Tag = 1;
    Round &round = m_round[model];
    const bool ofRound = round.kinds.removeOne(kind);
    // A display opening with the status's own lines takes only the lists of
    // its round: a late answer of an earlier one would replace them.
    if (!ofRound && !round.opening.isEmpty())
        return;
    if (ofRound && round.hold) {
        round.held += d.lines;
        if (eventEntries(listText).isEmpty())
            round.emptyKinds << kind;
        if (round.kinds.isEmpty()) {
            emit eventLines(model, openingLines(model, round) + round.held, true);
            round.hold = false;
            round.held.clear();
            round.shown = true;
        }
        return;
    }
    emit eventLines(model, d.lines, !ofRound || !round.shown);
    round.shown = round.shown || ofRound;
}

} // namespace velmar::panels
