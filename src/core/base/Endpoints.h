#pragma once

#include <QString>

namespace velmar {

// Where the program's servers are. Built-in defaults, overridden by an INI
// file (--config) and then by environment variables VELMAR_<SECTION>_<KEY>
// (for example VELMAR_BROKER_PORT), so that tests and the demo point at
// loopback without hand-made settings.
struct Endpoints {
    // [broker] the MQTT broker shared with the modules
    QString brokerHost = QStringLiteral("mqtt.velmar-telecontrol.example");
    int brokerPort = 1883;
    QString brokerUser = QStringLiteral("vlmcfg");
    QString brokerPassword = QStringLiteral("Vlm2021c");
    // [mqtt] public host written into the module when its VPN is switched off
    QString publicMqttHost = QStringLiteral("mqtt.velmar-telecontrol.example");
    // [cloud] the cloud project (authentication and database)
    QString cloudApiKey;
    QString cloudProjectId = QStringLiteral("velmar-cloud");
    QString cloudDatabaseUrl = QStringLiteral("https://velmar-cloud.firebaseio.example");
    QString cloudAuthBase = QStringLiteral("https://identitytoolkit.googleapis.com");
    QString cloudTokenBase = QStringLiteral("https://securetoken.googleapis.com");
    // [update] the firmware update server
    QString updateHost = QStringLiteral("update.velmar-telecontrol.example");
    int updatePort = 5009;
    QString updateKey = QStringLiteral("VlmUpd2021");
    // [web] download page of new versions and the reachability probe
    QString downloadPage = QStringLiteral("https://www.velmar-telecontrol.example/descargas");
    QString probeUrl = QStringLiteral("https://www.velmar-telecontrol.example/");

    // Reads an INI file over the current values; false (with a reason) when
    // the file cannot be read or holds a value of the wrong kind.
    bool load(const QString &iniPath, QString *error = nullptr);
    // Applies VELMAR_<SECTION>_<KEY> environment variables.
    void applyEnvironment();
};

} // namespace velmar
