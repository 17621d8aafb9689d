#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

// What the program was started with.
struct CommandLine {
    QString port;       // --port NAME: serial port instead of the stored one
    QString configFile; // --config FILE: endpoint settings
    QString remote;     // --remote ID: open the remote session to module ID at start
    bool adsl = false;  // --link adsl (else gprs): the module's link, chooses the topics
    QString error;      // set when the arguments could not be understood
    bool help = false;

    static CommandLine parse(const QStringList &arguments);
    static QString usage();
};

} // namespace velmar
