#include "Faults.h"

#include "ParamStore.h"

namespace velmar::sim {

namespace {

struct FaultInfo {
    const char *name;
    const char *value; // its name in help, "" when it takes none
    const char *help;
};

const FaultInfo kFaults[] = {
    {"silent-after", "N", "Go silent after answering N commands."},
    {"silent-for", "SECONDS",
     "Length of the silence after silent-after; alone, a silence from now (from the start on the command line)."},
    {"corrupt", "CODE", "Change the last character of the echo of writes to CODE (repeatable)."},
    {"errprg", "CODE", "Answer errprg to reads and writes of CODE (repeatable)."},
    {"drop", "FRACTION", "Lose this fraction (0..1) of the reply lines."},
    {"seed", "N", "Seed of the drop and noise draws (default 1)."},
    {"split-writes", "BYTES", "Write every line in pieces of at most BYTES bytes."},
    {"split-gap", "MS", "Milliseconds between those pieces (default 3)."},
    {"noise", "BYTES", "Put BYTES noise bytes (never + { }) on the line before every reply."},
    {"reply-delay", "MS", "Wait MS milliseconds before answering each command."},
    {"clear", "", "Switch every fault off."},
};

const FaultInfo *info(const QString &name)
{
    for (const FaultInfo &f : kFaults)
        if (name == QLatin1String(f.name))
            return &f;
    return nullptr;
}

} // namespace

QStringList Faults::names()
{
    QStringList out;
    for (const FaultInfo &f : kFaults)
        out << QLatin1String(f.name);
    return out;
}

QString Faults::help(const QString &name)
{
    const FaultInfo *f = info(name);
    return f ? QLatin1String(f->help) : QString();
}

bool Faults::takesValue(const QString &name)
{
    const FaultInfo *f = info(name);
    return f && *f->value;
}

QString Faults::valueName(const QString &name)
{
    const FaultInfo *f = info(name);
    return f ? QLatin1String(f->value) : QString();
}

bool Faults::set(const QString &name, const QString &value, qint64 nowMs, QString *error)
{
    const auto bad = [&](const char *what) {
        *error = QStringLiteral("%1: %2 \"%3\"").arg(name, QLatin1String(what), value);
        return false;
    };
    bool ok = false;
    if (name == QLatin1String("silent-after")) {
        const int n = value.toInt(&ok);
        if (!ok || n < 0)
            return bad("expected a count");
        m_silentAfter = n;
        m_answered = 0;
        if (n == 0 && nowMs >= 0)
            begin(nowMs);
    } else if (name == QLatin1String("silent-for")) {
        const double s = value.toDouble(&ok);
        if (!ok || s < 0)
            return bad("expected seconds");
        m_silentForMs = qint64(s * 1000);
        if (m_silentAfter < 0 && nowMs >= 0)
            silenceFor(nowMs, m_silentForMs);
    } else if (name == QLatin1String("corrupt") || name == QLatin1String("errprg")) {
        const auto code = ParamStore::parseCode(value);
        if (!code)
            return bad("expected a four-digit hexadecimal code");
        (name == QLatin1String("corrupt") ? m_corrupt : m_errprg).insert(*code);
    } else if (name == QLatin1String("drop")) {
        const double f = value.toDouble(&ok);
        if (!ok || f < 0 || f > 1)
            return bad("expected a fraction from 0 to 1");
        m_drop = f;
    } else if (name == QLatin1String("seed")) {
        const uint s = value.toUInt(&ok);
        if (!ok)
            return bad("expected a number");
        m_rng.seed(s);
    } else if (name == QLatin1String("split-writes")) {
        const int n = value.toInt(&ok);
        if (!ok || n < 0)
            return bad("expected a byte count");
        m_splitBytes = n;
    } else if (name == QLatin1String("split-gap")) {
        const int n = value.toInt(&ok);
        if (!ok || n < 0)
            return bad("expected milliseconds");
        m_splitGapMs = n;
    } else if (name == QLatin1String("noise")) {
        const int n = value.toInt(&ok);
        if (!ok || n < 0 || n > 4096)
            return bad("expected a byte count up to 4096");
        m_noise = n;
    } else if (name == QLatin1String("reply-delay")) {
        const int n = value.toInt(&ok);
        if (!ok || n < 0 || n > 60000)
            return bad("expected milliseconds up to 60000");
        m_replyDelayMs = n;
    } else if (name == QLatin1String("clear")) {
        const auto seed = m_rng;
        *this = Faults();
        m_rng = seed;
    } else {
        *error = QStringLiteral("unknown fault \"%1\"").arg(name);
        return false;
    }
    return true;
}

void Faults::begin(qint64 nowMs)
{
    if (m_silentAfter == 0) {
        m_silentAfter = -1;
        silenceFor(nowMs, m_silentForMs);
    } else if (m_silentAfter < 0 && m_silentForMs > 0) {
        silenceFor(nowMs, m_silentForMs);
    }
}

bool Faults::silent(qint64 nowMs) const
{
    if (m_silentFromMs < 0)
        return false;
    return m_silentUntilMs < 0 || nowMs < m_silentUntilMs;
}

void Faults::silenceFor(qint64 nowMs, qint64 durationMs)
{
    m_silentFromMs = nowMs;
    m_silentUntilMs = durationMs < 0 ? -1 : nowMs + durationMs;
}

void Faults::answered(qint64 nowMs)
{
    if (m_silentAfter < 0 || silent(nowMs))
        return;
    if (++m_answered >= m_silentAfter) {
        m_silentAfter = -1; // once
        silenceFor(nowMs, m_silentForMs);
    }
}

bool Faults::dropReply()
{
    if (m_drop <= 0)
        return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_rng) < m_drop;
}

QByteArray Faults::noise()
{
    QByteArray out;
    out.reserve(m_noise);
    std::uniform_int_distribution<int> byte(0, 255);
    while (out.size() < m_noise) {
        const char c = char(byte(m_rng));
        // Bytes that would open or close a reply are not noise but a new reply.
        if (c == '+' || c == '{' || c == '}')
            continue;
        out.append(c);
    }
    return out;
}

QString Faults::corrupted(const QString &value)
{
    if (value.isEmpty())
        return QStringLiteral("0");
    QString out = value;
    out.back() = out.back() == u'0' ? u'1' : u'0';
    return out;
}

} // namespace velmar::sim
