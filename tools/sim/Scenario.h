#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace velmar::sim {

// One thing a scenario makes happen on the module.
struct Action {
    enum class Verb {
        Input,       // input N on|off|toggle
        Output,      // output N on|off|toggle
        Tamper,      // tamper on|off
        Power,       // power low|ok
        Link,        // link gprs|adsl|com|es STATE
        Coverage,    // coverage N
        PanelStatus, // panel-status PAYLOAD
        PanelEvent,  // panel-event PAYLOAD
        PanelState,  // panel alarm|fault|disable|test|rest
        Record,      // record {#...}
        Text,        // text FREE TEXT
        Event,       // event CODE [VALUE]
        Set,         // set CODE [VALUE]
        Door,        // door N open|close
        Restart,     // restart
        Stream,      // stream on|off
        Fault,       // fault NAME [VALUE]   (silent T is fault silent-for T)
        Raw,         // raw HEX[*COUNT]...   bytes on the line as they stand
        PanelBytes,  // panel-bytes HEX[*COUNT]...   the panel's own bytes on the bridge
    };
    Verb verb = Verb::Restart;
    int number = 0;  // input, output or door number; link index 0..3
    int mode = 0;    // 0 off/close/ok, 1 on/open/low, 2 toggle
    QString text;    // payload, code, fault name
    QString value;   // value of set, event, fault, link
    QByteArray bytes; // raw or panel bytes
};

// Parses "VERB ARGS..." into an action; a message in *error when it is not one.
std::optional<Action> parseAction(const QString &text, QString *error);

// A scenario file: one step per line,
//   [at SECONDS | after SECONDS | every SECONDS | on COMMAND] ACTION
// A line without a time runs at start; "at" counts from the start, "after"
// from the previous timed step, "every" repeats, "on" runs after the module
// has handled a command line equal to COMMAND (a trailing "*" matches any
// command beginning with the rest). "#" starts a comment line.
struct Step {
    enum class When { Start, At, Every, On };
    When when = When::Start;
    qint64 ms = 0;
    QString trigger;
    Action action;
    int line = 0;

    bool matches(const QString &command) const;
};

class Scenario {
public:
    bool load(const QString &path, QString *error);
    bool parse(const QString &text, QString *error);
    const QList<Step> &steps() const { return m_steps; }

private:
    QList<Step> m_steps;
};

} // namespace velmar::sim
