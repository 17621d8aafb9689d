#include "core/panels/PanelMonitor.h"

#include "core/link/LinkState.h"
#include "core/panels/PanelCatalogue.h"
#include "core/programming/ProgrammingState.h"
#include "core/status/LampBoard.h"

namespace velmar::panels {

namespace {

// What an event record does for each model that has one.
enum class OnEvent { Append, Replace, RefetchKind, RefreshStatus };

const struct {
    const char *model;
    OnEvent action;
    DecodedEvent (*decode)(const QString &payload);
    bool traced; // the decoder writes its input to the diagnostics console
} kEventRecords[] = {
    {"BC600", OnEvent::RefetchKind, nullptr, false},
    {"BC216", OnEvent::RefetchKind, nullptr, false},
    {"Syncro", OnEvent::Append, decodeSyncroRecord, true},
    {"AD300", OnEvent::RefreshStatus, nullptr, false},
    {"ID3000", OnEvent::Append, [](const QString &p) { return decodeIdEvent(IdFamily::ID3000, p); }, true},
    {"AD600", OnEvent::RefreshStatus, nullptr, false},
    {"MA-2000", OnEvent::Append, [](const QString &p) { return decodeIdEvent(IdFamily::MA2000, p); }, true},
    {"JadeBird", OnEvent::Replace, decodeJadeBird, true},
    {"C-Tec XFP", OnEvent::RefreshStatus, nullptr, false},
    {"PL-1000", OnEvent::Append, [](const QString &p) { return decodeIdEvent(IdFamily::PL1000, p); }, true},
};

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
    for (const QString &kind : std::as_const(st.fetch))
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
    for (const auto &row : kEventRecords) {
        if (model != QLatin1String(row.model))
            continue;
        if (row.traced)
            emit consoleLine(decoderName(m) + QStringLiteral(" : ") + payload);
        switch (row.action) {
        case OnEvent::Append:
        case OnEvent::Replace:
            emit eventLines(model, row.decode(payload).lines, row.action == OnEvent::Replace);
            break;
        case OnEvent::RefetchKind:
            if (bc600ChangedKind(payload) == m_bcKind)
                emit listWanted(model, QLatin1String(m.cloudNode), bc600KindName(m_bcKind));
            break;
        case OnEvent::RefreshStatus:
            emit statusRefreshWanted(model);
            break;
        }
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
    emit listWanted(model, QLatin1String(m->cloudNode), kind);
}

void PanelMonitor::listFetched(const QString &model, const QString &kind, const QString &listText)
{
    const DecodedEvent d = decodeEventList(model, kind, listText, m_total);
    for (int zone : d.zoneLamps) {
        m_board.lamp(LampGroup::PunterLedAlarmaAD300, zone).Tag = 2;
        m_board.tempsLedZones = LampBoard::kSlowReload;
    }
    if (d.evacuation)
        m_board.lamp(LampGroup::PunterLedAD600, 2).Tag = 1;
    emit eventLines(model, d.lines, true);
}

} // namespace velmar::panels
