#pragma once

#include "core/diagnostics/Trace.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace velmar {

// Cuts the received characters into complete replies. A reply opens at the
// first "+" or "{" while none is open and closes at CR or "}" (kept as its
// last character); everything outside a reply is only traced.
class ReplyFramer {
public:
    using ReplyFn = std::function<void(const QString &reply)>;
    // colourFrom: the character of line where colour begins.
    using ConsoleFn = std::function<void(const QString &line, TraceColour colour, int colourFrom)>;

    ReplyFramer(ReplyFn onReply, ConsoleFn onConsole = {});

    void feed(const QByteArray &bytes);
    void feed(QChar c);

    bool replyOpen() const { return m_open; }
    // PosBufArribat: next position of the accumulator, 0 when no reply is open.
    int position() const { return m_open ? int(m_reply.size()) + 1 : 0; }
    // Replies thrown away because they outgrew the accumulator.
    int discarded() const { return m_discarded; }
    void reset();

private:
    void flushConsole(int posAtTerminator);

    ReplyFn m_onReply;
    ConsoleFn m_onConsole;
    QString m_reply;
    QString m_console;
    bool m_open = false;
    bool m_skipping = false; // inside an overlong reply, waiting for its terminator
    int m_discarded = 0;
};

} // namespace velmar
