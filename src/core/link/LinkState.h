#pragma once

#include <QString>

namespace velmar {

// The variables of the link, shared by reference between the channel, the
// router and the cycles. Names are the module protocol's own.
struct LinkState {
    QString StrCom;            // last complete reply handed to a consumer
    QString espero;            // reply prefix awaited, empty when none
    int vegades_espero = 0;    // wait rounds left for the current request
    int tempsllegir = 0;       // link watchdog, 100 ms ticks
    int tempsTX = 0;           // TX lamp hold, 100 ms ticks
    int tempsRX = 0;           // RX lamp hold, 100 ms ticks
    bool protegit = false;     // module refuses programming until the access code
    bool inf = false;          // information stream is on
    QString connex_remota;     // "" = serial port, "MQTT" = MQTT session
    bool circuit = false;      // a module answers on the link
    bool circuittrobat = false;// the module has been identified
    bool llegir = false;       // full read running
    bool llegirpag = false;    // page read running
    QString puntercamp;        // "xxx" while a bulk dump is being received
    int camp_final = 0;        // last field index of the running write
    int tempsActu = 0;         // life of a firmware transfer, > 0 while one runs
    QString msgerrorActu;      // reason shown when a firmware update is aborted

    // The module in hand and its attached panel (identification and the
    // information stream write them; every panel-specific choice reads central).
    QString firmware;
    QString hardware;
    QString identConnectar;
    QString central;
    QString versioCircuit;     // version inside the brackets of firmware
    QString PartsActives;      // "+vEr:" parts: GPRS, ADSL, COM, inputs/outputs as "0"/"1"
    bool connexADSL = false;   // the remote module reports through Ethernet, else GPRS
    bool equipdesconnectat = false; // the module in hand is shown from its stored state
    int connex_velmar_Agui = 0;// module-to-panel link: 0 none, 1 connecting or down, 2 up
    int tempsTXAgui = 0;       // panel-side TX lamp hold, 100 ms ticks
    int tempsRXAgui = 0;       // panel-side RX lamp hold, 100 ms ticks

    bool isRemote() const { return connex_remota == QLatin1String("MQTT"); }
};

} // namespace velmar
