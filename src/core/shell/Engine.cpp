#include "core/shell/Engine.h"

namespace velmar {

Engine::Engine(const Endpoints &endpoints, QObject *parent)
    : QObject(parent), channel(state, scheduler, trace), lamps(state), endpoints(endpoints)
{
    // Every framed reply is traced with the rule that took it.
    connect(&channel, &CommandChannel::replyRouted, this,
            [this](const QString &, ReplyRouter::Rule rule) {
                if (rule != ReplyRouter::Rule::Ignored)
                    trace.write(QStringLiteral("  -> %1").arg(QLatin1String(ReplyRouter::ruleName(rule))));
            });
}

} // namespace velmar
