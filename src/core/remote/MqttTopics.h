#pragma once

#include <QString>

namespace velmar {

// The topics of one remote session to module id. Subscriptions end in the
// wildcard level "#", publications in a level ".", the last will in an
// empty level.
struct MqttTopics {
    QString subsSts;     // gsts/id/#  status replies
    QString subsCfg;     // gcfg/id/#  command-language replies
    QString subsCea;     // gcea/id/#  raw panel bytes, Ethernet link
    QString subsCeg;     // gceg/id/#  raw panel bytes, GPRS link
    QString publishCfg;  // scfa/id/. over Ethernet, else scfg/id/.
    QString publishSts;  // ssts/id/.  panel orders
    QString publishCe;   // scea/id/. or sceg/id/.  raw panel bytes (the bridge)
    QString will;        // scfg/id/

    static MqttTopics forModule(const QString &id, bool adsl);
    // The will's text: who was lost, by account identifier.
    static QString willMessage(const QString &codiReg);
    // An identifier that is one plain topic level: not empty, no "/", no
    // wildcard, no NUL (it would otherwise reach other modules' topics).
    static bool usableId(const QString &id);
    // Whether a received topic carries raw panel bytes (never decoded).
    static bool carriesPanelBytes(const QString &topic);
};

} // namespace velmar
