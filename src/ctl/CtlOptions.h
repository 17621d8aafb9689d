#pragma once

#include <QString>
#include <QStringList>

namespace velmar::ctl {

// Exit codes of velmarctl.
enum Exit : int {
    Done = 0,
    Refused = 1,  // the module refused (a value, the access code) or its echo did not match
    BadUse = 2,   // bad command line, unreadable or damaged file
    NoModule = 3, // no module on the port or behind the broker
};

// The command line: how to reach the module, then one command.
struct CtlOptions {
    QString port;       // --port DEV
    QString remote;     // --remote ID
    bool adsl = false;  // --link adsl (remote only)
    QString config;     // --config FILE
    QString code;       // --code CODE
    QString command;    // identify, get, set, read, write, status, send
    QStringList args;   // the command's own arguments
    QString output;     // read -o FILE
    bool watch = false; // status --watch
    bool json = false;  // status --json
    bool help = false;
    QString error;      // not empty: bad use

    static CtlOptions parse(const QStringList &arguments);
    static QString usage();
};

} // namespace velmar::ctl
