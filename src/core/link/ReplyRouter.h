#pragma once

#include "core/link/LinkState.h"
#include "core/link/ReplyConsumers.h"

#include <QString>

#include <array>

namespace velmar {

class Scheduler;

// Hands each complete reply to the component that waits for it. The rules
// are tried in a fixed order and the first that matches wins; the order is
// part of the protocol (an identification reply must win over any awaited
// prefix, for instance).
class ReplyRouter {
public:
    enum class Rule {
        Protect = 1,
        UpdateTraffic,
        Identification,
        InfoOn,
        OperatorLine,
        Initialized,
        Erased,
        BulkDump,
        Awaited,
        InfoRecord,
        Ignored,
    };

    ReplyRouter(LinkState &state, Scheduler &scheduler);

    void setConsumers(const ReplyConsumers &c) { m_consumers = c; }
    const ReplyConsumers &consumers() const { return m_consumers; }

    // Routes one complete reply and says which rule took it.
    Rule route(const QString &reply);

    static const char *ruleName(Rule r);

private:
    struct Entry {
        Rule rule;
        bool (*when)(const QString &r, const LinkState &s);
        void (ReplyRouter::*act)(const QString &r);
    };
    static const std::array<Entry, 11> kTable;

    void protect(const QString &r);
    void updateTraffic(const QString &r);
    void identification(const QString &r);
    void infoOn(const QString &r);
    void operatorLine(const QString &r);
    void initialized(const QString &r);
    void erased(const QString &r);
    void bulkDump(const QString &r);
    void awaited(const QString &r);
    void infoRecord(const QString &r);
    void ignored(const QString &r);

    void answered(const QString &r);

    LinkState &m_state;
    Scheduler &m_scheduler;
    ReplyConsumers m_consumers;
};

} // namespace velmar
