#include "Scenario.h"

#include "Faults.h"
#include "PanelStates.h"
#include "ParamStore.h"

#include <QFile>
#include <QRegularExpression>

namespace velmar::sim {

namespace {

// Bytes one "raw" step may put on the line (enough for any overlong reply).
constexpr qsizetype kMaxRawBytes = 256 * 1024;

// Splits off the first blank-separated word; the rest keeps its inner blanks.
QString takeWord(QString &rest)
{
    rest = rest.trimmed();
    const qsizetype blank = rest.indexOf(QRegularExpression(QStringLiteral("\\s")));
    QString word = blank < 0 ? rest : rest.left(blank);
    rest = blank < 0 ? QString() : rest.mid(blank + 1).trimmed();
    return word;
}

bool seconds(const QString &text, qint64 *ms)
{
    bool ok = false;
    const double s = text.toDouble(&ok);
    if (!ok || s < 0 || s > 1e7)
        return false;
    *ms = qint64(s * 1000 + 0.5);
    return true;
}

} // namespace

std::optional<Action> parseAction(const QString &text, QString *error)
{
    QString rest = text;
    const QString verb = takeWord(rest);
    Action a;
    const auto fail = [&](const QString &why) -> std::optional<Action> {
        *error = verb + QStringLiteral(": ") + why;
        return std::nullopt;
    };
    const auto number = [&](int lo, int hi) -> std::optional<int> {
        bool ok = false;
        const int n = takeWord(rest).toInt(&ok);
        if (!ok || n < lo || n > hi)
            return std::nullopt;
        return n;
    };
    const auto mode = [&](const char *off, const char *on, bool toggle) -> bool {
        const QString w = takeWord(rest);
        if (w == QLatin1String(off))
            a.mode = 0;
        else if (w == QLatin1String(on))
            a.mode = 1;
        else if (toggle && w == QLatin1String("toggle"))
            a.mode = 2;
        else
            return false;
        return true;
    };

    if (verb == QLatin1String("input") || verb == QLatin1String("output")) {
        a.verb = verb == QLatin1String("input") ? Action::Verb::Input : Action::Verb::Output;
        const auto n = number(1, verb == QLatin1String("input") ? 16 : 4);
        if (!n)
            return fail(QStringLiteral("expected a number and on, off or toggle"));
        a.number = *n;
        if (!mode("off", "on", true))
            return fail(QStringLiteral("expected on, off or toggle"));
    } else if (verb == QLatin1String("tamper")) {
        a.verb = Action::Verb::Tamper;
        if (!mode("off", "on", false))
            return fail(QStringLiteral("expected on or off"));
    } else if (verb == QLatin1String("power")) {
        a.verb = Action::Verb::Power;
        if (!mode("ok", "low", false))
            return fail(QStringLiteral("expected low or ok"));
    } else if (verb == QLatin1String("link")) {
        a.verb = Action::Verb::Link;
        const QString which = takeWord(rest);
        static const QStringList links = {QStringLiteral("gprs"), QStringLiteral("adsl"),
                                          QStringLiteral("com"), QStringLiteral("es")};
        a.number = int(links.indexOf(which));
        a.value = takeWord(rest);
        if (a.number < 0 || a.value.size() != 1)
            return fail(QStringLiteral("expected gprs, adsl, com or es and one state character"));
    } else if (verb == QLatin1String("coverage")) {
        a.verb = Action::Verb::Coverage;
        const auto n = number(0, 32);
        if (!n)
            return fail(QStringLiteral("expected 0 to 32"));
        a.number = *n;
    } else if (verb == QLatin1String("panel-status") || verb == QLatin1String("panel-event")
               || verb == QLatin1String("text")) {
        a.verb = verb == QLatin1String("panel-status")  ? Action::Verb::PanelStatus
                 : verb == QLatin1String("panel-event") ? Action::Verb::PanelEvent
                                                        : Action::Verb::Text;
        a.text = rest;
        if (a.text.isEmpty())
            return fail(QStringLiteral("expected a payload"));
    } else if (verb == QLatin1String("panel")) {
        a.verb = Action::Verb::PanelState;
        a.text = takeWord(rest);
        if (!isPanelState(a.text))
            return fail(QStringLiteral("expected alarm, fault, disable, test or rest"));
    } else if (verb == QLatin1String("record")) {
        a.verb = Action::Verb::Record;
        a.text = rest;
        if (!a.text.startsWith(QLatin1String("{#")) || !a.text.endsWith(u'}'))
            return fail(QStringLiteral("expected a record {#...}"));
    } else if (verb == QLatin1String("event")) {
        a.verb = Action::Verb::Event;
        a.text = takeWord(rest);
        a.value = rest;
        if (a.text.size() != 4 || !a.text.startsWith(u'8'))
            return fail(QStringLiteral("expected a four-character event code beginning with 8"));
    } else if (verb == QLatin1String("set")) {
        a.verb = Action::Verb::Set;
        a.text = takeWord(rest);
        a.value = rest;
        if (!ParamStore::parseCode(a.text))
            return fail(QStringLiteral("expected a four-digit hexadecimal code"));
    } else if (verb == QLatin1String("door")) {
        a.verb = Action::Verb::Door;
        const auto n = number(1, 4);
        if (!n || !mode("close", "open", false))
            return fail(QStringLiteral("expected 1 to 4 and open or close"));
        a.number = *n;
    } else if (verb == QLatin1String("restart")) {
        a.verb = Action::Verb::Restart;
    } else if (verb == QLatin1String("stream")) {
        a.verb = Action::Verb::Stream;
        if (!mode("off", "on", false))
            return fail(QStringLiteral("expected on or off"));
    } else if (verb == QLatin1String("silent")) {
        a.verb = Action::Verb::Fault;
        a.text = QStringLiteral("silent-for");
        a.value = takeWord(rest);
        qint64 ms = 0;
        if (!seconds(a.value, &ms))
            return fail(QStringLiteral("expected seconds"));
    } else if (verb == QLatin1String("raw") || verb == QLatin1String("panel-bytes")) {
        // Pieces of hexadecimal bytes, each optionally repeated: "2b41*3 0d0a".
        a.verb = verb == QLatin1String("raw") ? Action::Verb::Raw : Action::Verb::PanelBytes;
        while (!rest.isEmpty()) {
            const QString piece = takeWord(rest);
            const qsizetype star = piece.indexOf(u'*');
            const QString hex = star < 0 ? piece : piece.left(star);
            bool ok = true;
            const int count = star < 0 ? 1 : piece.mid(star + 1).toInt(&ok);
            const QByteArray once = QByteArray::fromHex(hex.toLatin1());
            if (hex.isEmpty() || hex.size() % 2 != 0 || once.toHex() != hex.toLower().toLatin1() || !ok
                || count < 1 || once.size() * qsizetype(count) > kMaxRawBytes)
                return fail(QStringLiteral("expected hexadecimal bytes with an optional *COUNT, not \"%1\"").arg(piece));
            a.bytes += once.repeated(count);
        }
        if (a.bytes.isEmpty())
            return fail(QStringLiteral("expected bytes"));
    } else if (verb == QLatin1String("fault")) {
        a.verb = Action::Verb::Fault;
        a.text = takeWord(rest);
        a.value = takeWord(rest);
        if (!Faults::names().contains(a.text))
            return fail(QStringLiteral("unknown fault \"%1\"").arg(a.text));
        if (Faults::takesValue(a.text) == a.value.isEmpty())
            return fail(Faults::takesValue(a.text) ? QStringLiteral("expected a value")
                                                    : QStringLiteral("takes no value"));
        // Check the value now rather than when the step runs.
        Faults probe;
        QString why;
        if (!probe.set(a.text, a.value, -1, &why))
            return fail(why);
    } else {
        *error = QStringLiteral("unknown action \"%1\"").arg(verb);
        return std::nullopt;
    }
    if (!rest.isEmpty() && a.verb != Action::Verb::Event && a.verb != Action::Verb::Set
        && a.verb != Action::Verb::PanelStatus && a.verb != Action::Verb::PanelEvent
        && a.verb != Action::Verb::Text && a.verb != Action::Verb::Record)
        return fail(QStringLiteral("unexpected \"%1\"").arg(rest));
    return a;
}

bool Step::matches(const QString &command) const
{
    if (trigger.endsWith(u'*'))
        return command.startsWith(QStringView(trigger).chopped(1));
    return command == trigger;
}

bool Scenario::load(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(path, f.errorString());
        return false;
    }
    if (!parse(QString::fromUtf8(f.readAll()), error)) {
        *error = path + u':' + *error;
        return false;
    }
    return true;
}

bool Scenario::parse(const QString &text, QString *error)
{
    m_steps.clear();
    qint64 last = 0;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString rest = lines[i].trimmed();
        if (rest.isEmpty() || rest.startsWith(u'#'))
            continue;
        Step step;
        step.line = i + 1;
        const auto fail = [&](const QString &why) {
            *error = QStringLiteral("%1: %2").arg(step.line).arg(why);
            return false;
        };
        QString probe = rest;
        const QString first = takeWord(probe);
        if (first == QLatin1String("at") || first == QLatin1String("after")
            || first == QLatin1String("every")) {
            qint64 ms = 0;
            if (!seconds(takeWord(probe), &ms))
                return fail(QStringLiteral("expected seconds after \"%1\"").arg(first));
            if (first == QLatin1String("every")) {
                if (ms <= 0)
                    return fail(QStringLiteral("\"every\" needs a positive interval"));
                step.when = Step::When::Every;
                step.ms = ms;
            } else {
                step.when = Step::When::At;
                step.ms = first == QLatin1String("at") ? ms : last + ms;
                last = step.ms;
            }
            rest = probe;
        } else if (first == QLatin1String("on")) {
            step.when = Step::When::On;
            step.trigger = takeWord(probe);
            if (step.trigger.isEmpty())
                return fail(QStringLiteral("expected a command after \"on\""));
            rest = probe;
        }
        QString why;
        const auto action = parseAction(rest, &why);
        if (!action)
            return fail(why);
        step.action = *action;
        m_steps << step;
    }
    return true;
}

} // namespace velmar::sim
