#pragma once

#include "Factory.h"

#include <QString>

#include <array>

namespace velmar::sim {

struct Identity {
    QString firmware = QStringLiteral("Velmar_v8.7 [x1.2]");
    QString hardware = QStringLiteral("VLM-H3 r2");
    QString parts = QStringLiteral("1111"); // GPRS, ADSL, COM, inputs/outputs
    QString identifier = QStringLiteral("1000123");
    QString imei = QStringLiteral("861234567890123");
    QString panelType;                       // as reported, "" when none
};

// The live side of the module: what the information stream reports.
struct ModuleState {
    Identity id;
    const PanelModel *panel = nullptr;

    bool unlocked = false;  // the access code was given since the last lock
    bool streaming = false; // the information stream is on

    std::array<bool, 16> inputs{};
    std::array<bool, 4> outputs{};
    bool tamperTriggered = false;
    bool powerLow = false;

    // Link states as the status display reads them; -1 (or empty for the
    // inputs/outputs one) means "follow the parts and the switched-on parts".
    int gprs = -1;
    int adsl = -1;
    int com = -1;
    QString es;

    int coverage = 18; // of 32
    QString coordinates = QStringLiteral("41.3874,2.1686");
    int dataKbytes = 1250;
    int minutes = 35;
    QString sim = QStringLiteral("8934071234567890123");
    QString operatorName = QStringLiteral("Movistar");
    QString modemName = QStringLiteral("UC20");
    QString modemVersion = QStringLiteral("UC20GQBR03A12E1G");

    QString panelStatus;               // payload of the panel's status record
    std::array<QString, 4> doors = {QStringLiteral("Tancat"), QStringLiteral("Tancat"),
                                    QStringLiteral("Tancat"), QStringLiteral("Tancat")};
};

} // namespace velmar::sim
