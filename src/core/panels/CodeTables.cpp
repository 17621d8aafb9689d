#include "core/panels/CodeTables.h"

#include <QCoreApplication>

namespace velmar::panels {

namespace {

template <size_t N>
QStringList texts(const char *const (&entries)[N], bool translate)
{
    QStringList l;
    for (const char *e : entries)
        l << (translate && *e ? QCoreApplication::translate("CodeTables", e) : QString::fromUtf8(e));
    return l;
}

const char *const kTipusEquip[] = {
    QT_TRANSLATE_NOOP("CodeTables", "Equipo no configurado"),
    QT_TRANSLATE_NOOP("CodeTables", "Sensor Térmico"),
    QT_TRANSLATE_NOOP("CodeTables", "Sensor Iónico"),
    QT_TRANSLATE_NOOP("CodeTables", "Sensor Óptico (Fotoeléctrico)"),
    "",
    QT_TRANSLATE_NOOP("CodeTables", "Pulsador Manual de alarma (MCP)"),
    QT_TRANSLATE_NOOP("CodeTables", "Módulo de Control salida"),
    QT_TRANSLATE_NOOP("CodeTables", "Módulo de Entrada"),
    QT_TRANSLATE_NOOP("CodeTables", "Módulo de Sistemas de Sprinkler"),
    QT_TRANSLATE_NOOP("CodeTables", "Sensor VIEW"),
    QT_TRANSLATE_NOOP("CodeTables", "Módulo CDI de Zonas Convencionales"),
    QT_TRANSLATE_NOOP("CodeTables", "Salida de Sirena"),
    QT_TRANSLATE_NOOP("CodeTables", "Módulo AUXILIAR (señal técnica)"),
    QT_TRANSLATE_NOOP("CodeTables", "Módulo Monitor de Zonas Convencionales (ZMX o M512)"),
    QT_TRANSLATE_NOOP("CodeTables", "Sensor Multicriterio"),
    "",
};

// Entries whose text is known carry it; the others hold their code and
// colon only, so that a lookup still finds its slot (see docs/progress.md).
const char *const kEventEquip[] = {
    "001:Fuego", "002:Anulado", "003:(Test) Fuego (Alarma técnica)", "004:", "005:", "006:",
    "007:", "008 Circuito abierto módulo", "010:Prealarma", "024:", "033:", "034:", "035:",
    "037:", "039:", "041:", "043:", "044:", "045:", "048:", "050:", "055:", "056:", "058:",
    "060:", "061:", "062:1Entrada Cortocircuito", "063:", "064:", "074:", "076:", "078:",
    "080:", "088:", "090:", "135:", "136:Zona Activada ", "137:", "138:Evacuación", "143:",
    "145:", "147:Fallo Comunicaciones", "148:Perdida total en Lazo ", "149:", "159:", "161:",
    "165:", "176:", "178:", "180:", "181:", "183:", "199:", "200:", "265:", "277:", "289:",
    "290:", "291:Batería Baja", "292:", "296:", "306:", "307:", "308:",
    "309: Sirena 1 Circuito Abierto", "310:", "311:", "313: Sirena 3 Cortocircuito", "314:",
    "315:", "316:", "317:", "318:", "324:", "325:", "326:", "332:", "333:", "334:", "369:",
    "378:", "379:", "387:Avería Aspiración", "388:", "401:", "402:", "403:", "405:", "406:",
    "407:", "419:", "420:", "421:", "023:", "028:", "046:", "054:", "065:", "066:", "067:",
    "068:", "069:", "070:", "071:", "072:", "109:", "110:", "111:", "112:", "113:", "114:",
    "115:", "216:", "217:", "218:", "219:", "222:", "223:", "224:", "226:", "234:",
    "387:Fallo de aspiración", "388:", "389:Error personalitzable de FAAST", "130:", "158:",
    "160:", "162:", "166:", "168:", "169:", "179:", "184:", "182:", "185:", "186:", "191:",
    "192:", "193:", "194:", "197:", "198:", "209:", "210:", "331:", "430:", "257:",
    "261:Tarjeta LIB: reset CPU", "", "", "",
};

const char *const kTipusCtec[] = {
    "0257:System PSU", "0258:Panel Sounder", "0259:Panel Relay", "0260:USER LED",
    "0261:Input Device", "0262:Fault Buzzer", "0263:Fault Relay", "0264:Event Log",
    "0265:Panel Device", "0266:Zonal LED", "0267:Keyswitch", "0268:Panel Printer", "0269:Loop",
    "0270:Manual Silence", "0271:Manual Reset", "0272:Manual Mute", "0273:Manual ACK",
    "0274:Touch Panel", "0275:Radio pager", "0276:Event Timer", "0277:Down Timer",
    "0278:Monitored I/P", "0279:Network driver", "0280:FAT 3000", "0281:BMS I/F",
};

const char *const kEventCtec[] = {
    "001:Device Ok", "010:Device in Fault ", "011:Device Missing ", "020:Pre-Alarm ",
    "021:(No Longer Used) Fire ", "022:Test Alarm ", "023:1st Stage Alarm ",
    "030:Device disabled (isolated) ", "031:Device enabled ", "040:Zone disabled (isolated) ",
    "041:Zone enabled ", "042:Output Group disabled ", "043:Output Group enabled ",
    "044:Input Group disabled ", "045:Input Group enabled ",
    "050:Device Activated Fire Level 2 (Action = Fire) ", "051:Device Normalised Fire Level 2 ",
    "052:Device Activated Fire Level 1 (Action = Supervisory) ",
    "053:Device Normalised Fire Level 1 ", "054:Device Output Activated ",
    "064:DataLogging event ", "065:Optical Backgroung Level + Optical life remaining estimate ",
    "070:Device Output activated ", "071:Device Output de-activated ", "100:Panel Muted ",
    "101:Panel Silenced", "102:Panel Reset ", "112:Time & Date set ",
    "113:Device Pairing code received ", "200:Output Group Activated ",
    "201:Output Group DeActivated", "300:Panel Restarted",
};

const char *const kAvariaCtec[] = {
    "2:Device Missing", "4:Device Type fault", "5:Address Conflict ", "6:Fault ", "26:O/C ",
    "27:S/C ", "11:Smoke Detector Contamination ", "30:Isolator Activated ",
    "31:Open Circuit on Sounder ", "32:Sounder Failed ", "33:Beacon Failed ",
    "34:Sounder & Beacon failed ", "35:Head Missing ", "36:Beam Signal Strength low ",
    "37:Battery fault ", "38:Detector failed", "40:Sensor failed ", "43:General Fault ",
    "44:Beam Signal too high ", "45:Contamination level reached ", "46:Zone O/C or S/C ",
    "49:PSU Fault ", "59:PSU Mains Failed ", "71:PSU Battery Critical ", "72:PSU Battery Low ",
    "73:PSU Battery OK ", "74:PSU Charger fault ", "76:Stand-By Battery resistance too high ",
    "66:Panel Sounder O/C ", "67:Panel Sounder S/C ", "96:Panel Sounder overload ",
    "80:Loop Configuration Changed ", "94:Aux24V Fuse Fault ", "106:Network Device Fault ",
    "138:Weekly test overdue ", "201:Event Log full ", "204:Data Checksum fault ",
    "205:Program Checksum fault",
};

} // namespace

static QStringList &tipusEquip()
{
    static QStringList t = texts(kTipusEquip, true);
    return t;
}

const QStringList &TaulaTipusEquip()
{
    return tipusEquip();
}

void retranslateCodeTables()
{
    tipusEquip() = texts(kTipusEquip, true);
}

const QStringList &TaulaEventEquip()
{
    static const QStringList t = texts(kEventEquip, false);
    return t;
}

const QStringList &TaulaTipusEquipCtecXFP()
{
    static const QStringList t = texts(kTipusCtec, false);
    return t;
}

const QStringList &TaulaEventEquipCtecXFP()
{
    static const QStringList t = texts(kEventCtec, false);
    return t;
}

const QStringList &TaulaAvariaEquipCtecXFP()
{
    static const QStringList t = texts(kAvariaCtec, false);
    return t;
}

} // namespace velmar::panels
