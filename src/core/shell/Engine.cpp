#include "core/shell/Engine.h"

namespace velmar {

Engine::Engine(const Endpoints &endpoints, QObject *parent)
    : QObject(parent),
      channel(state, scheduler, trace),
      lamps(state),
      endpoints(endpoints),
      infoTexts(namedTexts),
      interpreter(state, infoTexts, status, eventLog),
      identification(state, channel, scheduler, trace)
{
    infoTexts.Llegir_DefInfo();

    ReplyConsumers consumers = channel.router().consumers();
    consumers.info = &interpreter;
    consumers.identification = &identification;
    channel.router().setConsumers(consumers);
    connect(&interpreter, &InfoInterpreter::commandRequested, &channel, &CommandChannel::send);
    connect(&interpreter, &InfoInterpreter::warning, this, &Engine::warning);
    connect(&channel, &CommandChannel::warning, this, &Engine::warning);

    // Every framed reply is traced with the rule that took it.
    connect(&channel, &CommandChannel::replyRouted, this,
            [this](const QString &, ReplyRouter::Rule rule) {
                if (rule != ReplyRouter::Rule::Ignored)
                    trace.write(QStringLiteral("  -> %1").arg(QLatin1String(ReplyRouter::ruleName(rule))));
            });
}

} // namespace velmar
