#include "Factory.h"

#include <array>

namespace velmar::sim {

namespace {

// Quiet status payloads, one per record layout.
constexpr const char *kCountRecord = "0|0|0|0|0|0|0|0|0|0";
constexpr const char *kJadeBird =
    "00000000000000000000000000000000|0|00000000000|0|0|0|0|0|0|0|0|0|0|0|0|0";
constexpr const char *kCtec = "00000000000000000000000000000000|0|0|0|0|0|0|0|0|0";
constexpr const char *kUranoFamily = "0000|002002002002002002002002002002002002";

// Longer names first: "Cofem-A" before "Cofem", "CCD-100" before "Detnov".
const std::array<PanelModel, 23> kModels = {{
    {"Cofem-A", 13, "A5", "", "000000|", 0x9701, 50, true, "19200,n", true, true, false},
    {"Cofem", 6, "A5", "", "000000000|000000000000000000000000", 0x9701, 29, false, "19200,n",
     true, true, false},
    {"CCD-100", 16, "A6", "", "CCD-100 v2.1 (12 zones)|000000000000000000000000000000000000-0000000000000-",
     0x9761, 50, true, "19200,n", true, false, false},
    {"Detnov", 7, "", "", "", 0, 0, false, "19200,n", false, false, false},
    {"AE/C5", 2, "A3", "", "00|0|0000001|80808080808080808080808080808080", 0x9001, 9, false, "38400,e", false, false, true},
    {"AE/SA", 1, "A2", "", "0|0|0|0:|||", 0x9001, 9, false, "38400,e", false, false, true},
    {"AGE", 1, "A2", "", "0|0|0|0:|||", 0x9001, 9, false, "38400,e", false, false, true},
    {"BC600", 3, "A4", "C4", "0|0|0|0|0|0|0", 0x9601, 255, true, "9600,n", true, false, false},
    {"BC216", 4, "A4", "C4", "0|0|0|0|0|0|0|1", 0x9601, 255, true, "9600,n", true, false, false},
    {"Puertas", 5, "A1", "", "", 0, 0, false, "9600,n", false, false, false},
    {"Urano", 8, "A6", "", kUranoFamily, 0x9761, 10, false, "19200,n", false, false, false},
    {"Syncro", 9, "A7", "C7", kCountRecord, 0x9601, 255, true, "19200,n", true, false, false},
    {"Bosch", 10, "A8", "", "0|0|0|0|0", 0x9601, 255, true, "9600,n", true, false, false},
    {"AD300", 11, "A7", "C7", kCountRecord, 0x9701, 49, true, "19200,n", true, true, false},
    {"Supra", 12, "A6", "", kUranoFamily, 0x9761, 50, true, "19200,n", true, false, false},
    {"Komttech", 14, "A6", "", kUranoFamily, 0x9761, 50, true, "19200,n", true, false, false},
    {"ID3000", 15, "A7", "C7", kCountRecord, 0x9601, 255, true, "19200,n", true, true, false},
    {"AD600", 17, "A7", "C7", kCountRecord, 0x9601, 74, true, "9600,n", true, true, false},
    {"MA-2000", 18, "A7", "C7", kCountRecord, 0x9601, 255, true, "9600,n", true, true, false},
    {"JadeBird", 19, "A7", "C7", kJadeBird, 0x9761, 50, true, "9600,n", true, true, false},
    {"C-TecXFP", 20, "A7", "C7", kCtec, 0x9601, 74, true, "9600,n", true, false, false},
    {"PL-1000", 21, "A7", "C7", kCountRecord, 0x9601, 255, true, "38400,e", true, true, false},
    {"EasyDetect", 22, "", "", "", 0, 0, false, "9600,n", false, false, false},
}};

void add(std::map<quint16, QString> &m, quint16 code, const QString &v)
{
    m[code] = v;
}

// A run of block records, code first + i for record i (hexadecimal codes).
template <typename Fn>
void addBlock(std::map<quint16, QString> &m, quint16 first, int count, Fn value)
{
    for (int i = 0; i < count; ++i)
        m[quint16(first + i)] = value(i + 1);
}

struct EventText {
    const char *on;
    const char *off;
    const char *cid;
};
const std::array<EventText, 6> kPanelTexts = {{
    {"Alarma", "Fin de alarma", "1110"},
    {"Avería", "Fin de avería", "1373"},
    {"Anulación", "Fin de anulación", "1570"},
    {"Prueba", "Fin de prueba", "1607"},
    {"Prealarma", "Fin de prealarma", "1118"},
    {"Evacuación", "Fin de evacuación", "1321"},
}};

} // namespace

const PanelModel *findPanelModel(const QString &panelType)
{
    if (panelType.isEmpty())
        return nullptr;
    for (const PanelModel &m : kModels)
        if (panelType.contains(QLatin1String(m.name)))
            return &m;
    return nullptr;
}

bool isReadOnly(quint16 code)
{
    return code == 0x0101 || code == 0x0200;
}

std::map<quint16, QString> factoryValues(const FactoryInput &in)
{
    std::map<quint16, QString> m;
    const auto s = [](const char *t) { return QString::fromUtf8(t); };

    // Identification and general settings.
    add(m, 0x0101, QStringLiteral("3A0F21C94B7E55D2"));
    add(m, 0x0102, s("Velmar Demo"));
    add(m, 0x0103, s("Instalador"));
    add(m, 0x0104, s("REF-") + in.identifier);
    add(m, 0x0105, QString());
    add(m, 0x0106, in.parts);
    add(m, 0x0108, s("0000"));
    add(m, 0x0110, s("1"));
    add(m, 0x0111, in.lockCode);
    add(m, 0x0120, s("1"));
    // Ethernet.
    add(m, 0x0200, s("00:1E:C0:4A:12:7F"));
    add(m, 0x0201, s("VELMAR-") + in.identifier);
    add(m, 0x0211, s("1"));
    add(m, 0x0212, s("192.168.1.200"));
    add(m, 0x0213, s("255.255.255.0"));
    add(m, 0x0214, s("192.168.1.1"));
    add(m, 0x0215, s("8.8.8.8"));
    add(m, 0x0216, s("8.8.4.4"));
    // Server; 0301 and 0309 both empty is the VPN mode.
    add(m, 0x0301, QString());
    add(m, 0x0302, s("1883"));
    add(m, 0x0303, s("1884"));
    add(m, 0x0304, QString());
    add(m, 0x0305, QString());
    add(m, 0x0306, s("60"));
    add(m, 0x0309, QString());
    // Receiving centre.
    add(m, 0x1001, s("5001"));
    add(m, 0x1010, s("60"));
    for (quint16 c : {0x1101, 0x1102, 0x1103, 0x1104, 0x1111, 0x1112, 0x1113, 0x1114, 0x1121,
                      0x1122, 0x1123, 0x1124})
        add(m, c, QString());
    add(m, 0x1131, s("0"));
    add(m, 0x1132, s("0"));
    add(m, 0x1141, s("0"));
    // Panel port.
    add(m, 0x1500, s(in.panel ? in.panel->baud : "9600,n"));
    add(m, 0x1590, QString::number(in.panel ? in.panel->number : 0));
    // Mail.
    add(m, 0x2001, QString());
    add(m, 0x2002, s("587"));
    add(m, 0x2003, QString());
    add(m, 0x2004, QString());
    add(m, 0x2101, QString());
    add(m, 0x2102, s("Aviso Velmar"));
    // Inputs: delays, normally-open flag, alias; then their notifications.
    addBlock(m, 0x3001, 16, [](int i) { return QStringLiteral("0;0;0;Entrada %1").arg(i); });
    addBlock(m, 0x3101, 4, [](int) { return QString(); });
    addBlock(m, 0x3111, 4, [](int) { return QString(); });
    addBlock(m, 0x3201, 16, [](int i) {
        return QStringLiteral("1;0;0;;Entrada %1 activada/Entrada %1 restaurada").arg(i);
    });
    // Outputs: causes, inputs, times and alias, notifications.
    addBlock(m, 0x3301, 4, [](int) { return QStringLiteral("0000000000"); });
    addBlock(m, 0x3311, 4, [](int) { return QStringLiteral("0;0000000000000000"); });
    addBlock(m, 0x3321, 4, [](int i) { return QStringLiteral("0;0;0;0;Salida %1").arg(i); });
    addBlock(m, 0x3401, 4, [](int i) {
        return QStringLiteral("1;0;0;;Salida %1 activada/Salida %1 desactivada").arg(i);
    });
    // Periodic test, tamper and power supply (levels in gauge units).
    add(m, 0x3502, s("24;12:00;Test"));
    add(m, 0x3503, s("200;150;5;5;0;Tamper"));
    add(m, 0x3504, s("93;102;30;30;0;Alimentación"));
    add(m, 0x3601, s("1;0;0;;Inicio del sistema"));
    add(m, 0x3602, s("1;0;0;1602;Test periódico"));
    add(m, 0x3603, s("1;0;0;1137;Tamper disparado/Tamper restaurado"));
    add(m, 0x3604, s("1;0;0;1301;Fallo de alimentación/Alimentación recuperada"));
    add(m, 0x3605, s("0;0;0;;Pérdida GSM/GSM recuperado"));
    add(m, 0x3606, s("0;0;0;;Pérdida ADSL/ADSL recuperado"));
    add(m, 0x3607, s("0;0;0;;Pérdida CRA/CRA recuperada"));
    add(m, 0x3608, s("0;0;0;;Pérdida servidor/Servidor recuperado"));
    add(m, 0x3609, s("0;0;0;;Pérdida COM/COM recuperado"));
    // Door buttons: names, function per output, times.
    addBlock(m, 0x4001, 4, [](int i) { return QStringLiteral("Puerta %1").arg(i); });
    addBlock(m, 0x4010, 16, [](int) { return QStringLiteral("0;0;0;0"); });
    addBlock(m, 0x4040, 4, [](int) { return QStringLiteral("3;10;3"); });
    // SIM and refrigeration supervision.
    add(m, 0x6600, QString());
    add(m, 0x6855, s("0"));
    add(m, 0x6856, s("0;0;0;Fallo de comunicación/Comunicación recuperada"));
    add(m, 0x6857, QString());
    // Mobile operators.
    const char *const operators[] = {
        "Movistar;movistar.es;MOVISTAR;MOVISTAR",
        "Vodafone;airtelwap.es;wap@wap;wap125",
        "Orange;orangeworld;orange;orange",
        "Yoigo;internet;;",
    };
    addBlock(m, 0x8501, 16, [&](int i) {
        return i <= 4 ? QString::fromUtf8(operators[i - 1]) : QString();
    });

    // The attached panel's page.
    if (const PanelModel *p = in.panel) {
        if (p->blockFirst) {
            addBlock(m, p->blockFirst, p->blockRecords, [p](int i) {
                if (i > int(kPanelTexts.size()))
                    return QString();
                const EventText &t = kPanelTexts[size_t(i - 1)];
                const QString body = QStringLiteral("1;0;0;%1;%2/%3")
                                         .arg(QLatin1String(t.cid), QString::fromUtf8(t.on),
                                              QString::fromUtf8(t.off));
                return p->eventKind ? QString::number(i) + u':' + body : body;
            });
        }
        if (p->fileName)
            add(m, 0x9500, QString());
        if (p->address)
            add(m, 0x9750, QStringLiteral("01"));
        if (p->aguileraExtras) {
            add(m, 0x9000, QString());
            addBlock(m, 0x9101, 1023, [](int i) {
                return i <= 4 ? QStringLiteral("110;Zona %1").arg(i) : QString();
            });
        }
    }
    return m;
}

} // namespace velmar::sim
