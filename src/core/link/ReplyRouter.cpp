#include "core/link/ReplyRouter.h"

#include "core/link/ProtocolTimes.h"
#include "core/link/Scheduler.h"

namespace velmar {

namespace {

bool has(const QString &r, const char *needle)
{
    return r.contains(QLatin1String(needle));
}

// Erase acknowledgements of these blocks belong to the cycles that erased
// them, so they fall through to the later rules.
bool erasedWithBlockWord(const QString &r)
{
    static const char *const words[] = {"80xx", "91xx", "92xx", "93xx", "94xx", "96xx"};
    for (const char *w : words)
        if (has(r, w))
            return true;
    return false;
}

} // namespace

const std::array<ReplyRouter::Entry, 11> ReplyRouter::kTable = {{
    {Rule::Protect, [](const QString &r, const LinkState &) { return has(r, ":Protect"); },
     &ReplyRouter::protect},
    {Rule::UpdateTraffic, [](const QString &r, const LinkState &) { return has(r, "+U"); },
     &ReplyRouter::updateTraffic},
    {Rule::Identification,
     [](const QString &r, const LinkState &) { return has(r, "+ver:") || has(r, "+vEr:"); },
     &ReplyRouter::identification},
    {Rule::InfoOn, [](const QString &r, const LinkState &) { return has(r, "+Inf:"); },
     &ReplyRouter::infoOn},
    {Rule::OperatorLine,
     [](const QString &r, const LinkState &s) {
         return s.espero == QLatin1String("+85xx") && r.contains(u':');
     },
     &ReplyRouter::operatorLine},
    {Rule::Initialized, [](const QString &r, const LinkState &) { return has(r, "xxx:Initialized"); },
     &ReplyRouter::initialized},
    {Rule::Erased,
     [](const QString &r, const LinkState &) { return has(r, ":Erased") && !erasedWithBlockWord(r); },
     &ReplyRouter::erased},
    {Rule::BulkDump,
     [](const QString &r, const LinkState &s) {
         return r.contains(u'+') && r.contains(u':') && s.puntercamp == QLatin1String("xxx");
     },
     &ReplyRouter::bulkDump},
    {Rule::Awaited,
     [](const QString &r, const LinkState &s) {
         return !s.espero.isEmpty() && r.contains(s.espero + u':');
     },
     &ReplyRouter::awaited},
    {Rule::InfoRecord, [](const QString &r, const LinkState &s) { return s.inf && has(r, "{#"); },
     &ReplyRouter::infoRecord},
    {Rule::Ignored, [](const QString &, const LinkState &) { return true; }, &ReplyRouter::ignored},
}};

ReplyRouter::ReplyRouter(LinkState &state, Scheduler &scheduler)
    : m_state(state), m_scheduler(scheduler)
{
}

ReplyRouter::Rule ReplyRouter::route(const QString &reply)
{
    for (const Entry &e : kTable) {
        if (e.when(reply, m_state)) {
            (this->*e.act)(reply);
            return e.rule;
        }
    }
    return Rule::Ignored; // unreachable: the last entry always matches
}

const char *ReplyRouter::ruleName(Rule r)
{
    switch (r) {
    case Rule::Protect: return "protect";
    case Rule::UpdateTraffic: return "update";
    case Rule::Identification: return "identification";
    case Rule::InfoOn: return "info-on";
    case Rule::OperatorLine: return "operator-line";
    case Rule::Initialized: return "initialized";
    case Rule::Erased: return "erased";
    case Rule::BulkDump: return "bulk-dump";
    case Rule::Awaited: return "awaited";
    case Rule::InfoRecord: return "info-record";
    case Rule::Ignored: return "ignored";
    }
    return "?";
}

void ReplyRouter::answered(const QString &r)
{
    m_state.tempsllegir = proto::kLinkWatchdogTicks;
    m_state.StrCom = r;
    m_state.vegades_espero = proto::kWaitRounds;
}

void ReplyRouter::protect(const QString &)
{
    m_state.protegit = true;
}

void ReplyRouter::updateTraffic(const QString &r)
{
    if (m_state.tempsActu <= 0)
        return;
    m_state.tempsActu = proto::kUpdateRelayLife;
    m_state.tempsllegir = 0;
    if (m_consumers.update)
        m_consumers.update->relayUpdate(r.mid(r.indexOf(QLatin1String("+U"))));
}

void ReplyRouter::identification(const QString &r)
{
    answered(r);
    if (m_consumers.identification)
        m_consumers.identification->identificationReply();
}

void ReplyRouter::infoOn(const QString &)
{
    m_state.tempsllegir = proto::kLinkWatchdogTicks;
    m_state.llegir = false;
    m_state.llegirpag = false;
    m_state.inf = true;
    m_state.protegit = false;
}

void ReplyRouter::operatorLine(const QString &r)
{
    answered(r);
    if (m_state.circuittrobat && m_consumers.read)
        m_consumers.read->operatorLine(r);
}

void ReplyRouter::initialized(const QString &)
{
    // The module needs time to settle after restoring its factory values;
    // the write cycle stops now and the new full read starts after the pause.
    m_state.inf = false;
    m_state.camp_final = 0;
    m_state.tempsllegir = proto::kLinkWatchdogTicks;
    if (m_consumers.write)
        m_consumers.write->stopWrite();
    m_scheduler.after(proto::kInitializedPauseMs, [this] {
        m_state.tempsllegir = proto::kLinkWatchdogTicks;
        if (m_consumers.read)
            m_consumers.read->startFullRead();
    });
}

void ReplyRouter::erased(const QString &)
{
    m_state.tempsllegir = proto::kLinkWatchdogTicks;
    m_state.inf = false;
    m_state.camp_final = 0;
    if (m_consumers.write)
        m_consumers.write->stopWrite();
}

void ReplyRouter::bulkDump(const QString &r)
{
    answered(r);
    if (m_consumers.read)
        m_consumers.read->dumpLine(r);
}

void ReplyRouter::awaited(const QString &r)
{
    answered(r);
    if (m_state.llegirpag) {
        if (m_consumers.read)
            m_consumers.read->readReply();
    } else if (m_consumers.write) {
        m_consumers.write->writeReply();
    }
}

void ReplyRouter::infoRecord(const QString &r)
{
    m_state.tempsllegir = proto::kLinkWatchdogTicks;
    m_state.StrCom = r;
    if (m_consumers.info)
        m_consumers.info->infoRecord(r);
}

void ReplyRouter::ignored(const QString &)
{
}

} // namespace velmar
