#include "core/link/ReplyFramer.h"

#include "core/link/ProtocolTimes.h"

namespace velmar {

namespace {
const QString kConsolePrefix = QStringLiteral("ComPortRx --> : ");
constexpr QChar kCR = u'\r';
}

ReplyFramer::ReplyFramer(ReplyFn onReply, ConsoleFn onConsole)
    : m_onReply(std::move(onReply)), m_onConsole(std::move(onConsole))
{
    m_reply.reserve(1024);
}

void ReplyFramer::reset()
{
    m_reply.clear();
    m_console.clear();
    m_open = false;
    m_skipping = false;
}

void ReplyFramer::feed(const QByteArray &bytes)
{
    for (char b : bytes)
        feed(QChar(static_cast<uchar>(b)));
}

void ReplyFramer::feed(QChar c)
{
    // Noise without line ends must not grow the console line without bound.
    if (m_console.size() >= proto::kMaxReplyChars)
        flushConsole(0);
    // The LF of a CR LF pair would start the next console line with a line
    // break and split it in the trace; it belongs to the line just written.
    if (!(c == u'\n' && m_console.isEmpty()))
        m_console.append(c);

    if (!m_open && !m_skipping && (c == u'+' || c == u'{'))
        m_open = true;

    const bool terminator = (c == kCR || c == u'}');
    if (m_open) {
        if (m_reply.size() >= proto::kMaxReplyChars && !terminator) {
            // The accumulator is full: drop this reply and resynchronise on
            // its terminator instead of taking its tail for a new reply.
            m_reply.clear();
            m_open = false;
            m_skipping = true;
            ++m_discarded;
            if (m_onConsole)
                m_onConsole(QStringLiteral("Respuesta de más de %1 caracteres descartada")
                                .arg(proto::kMaxReplyChars),
                            TraceColour::Red, 0);
        } else {
            m_reply.append(c);
        }
    }

    if (!terminator)
        return;

    const int pos = position();
    flushConsole(pos);
    if (m_skipping) {
        m_skipping = false;
        return;
    }
    if (m_open) {
        const QString reply = m_reply;
        m_reply.clear();
        m_open = false;
        m_onReply(reply);
    }
}

void ReplyFramer::flushConsole(int posAtTerminator)
{
    if (m_onConsole) {
        TraceColour colour = TraceColour::Fuchsia;
        int from = 0;
        if (posAtTerminator <= 3) {
            colour = TraceColour::Maroon;
        } else if (m_reply.size() >= 4 && m_reply.startsWith(QLatin1String("+in")) && m_reply.at(3).isDigit()) {
            // An input report is blue from its digit on: "+in" keeps the plain colour.
            colour = TraceColour::Blue;
            const qsizetype at = m_console.indexOf(m_reply);
            from = int(kConsolePrefix.size() + qMax<qsizetype>(at, 0) + 3);
        }
        m_onConsole(kConsolePrefix + m_console, colour, from);
    }
    m_console.clear();
}

} // namespace velmar
