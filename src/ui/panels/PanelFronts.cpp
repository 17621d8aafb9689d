#include "ui/panels/PanelFronts.h"

#include <QCoreApplication>

namespace velmar::ui {

namespace {

using G = LampGroup;

// Lamps named in a row of the board's group, from its slot `first`.
QList<FrontLamp> row(G group, int first, std::initializer_list<const char *> names)
{
    QList<FrontLamp> l;
    int i = first;
    for (const char *n : names)
        l.append({QLatin1String(n), group, i++, QString()});
    return l;
}

// Zone lamps: prefix + number (+ suffix), zones 1..count in slots 1..count.
QList<FrontLamp> zones(G group, const char *prefix, int count, const char *suffix = "")
{
    QList<FrontLamp> l;
    for (int z = 1; z <= count; ++z)
        l.append({QLatin1String(prefix) + QString::number(z) + QLatin1String(suffix), group, z, QString::number(z)});
    return l;
}

QList<FrontItem> items(std::initializer_list<std::pair<const char *, const char *>> pairs)
{
    QList<FrontItem> l;
    for (const auto &[name, caption] : pairs)
        l.append({QLatin1String(name), QString::fromUtf8(caption), QString()});
    return l;
}

QList<FrontItem> counters(std::initializer_list<std::pair<const char *, const char *>> pairs)
{
    QList<FrontItem> l;
    for (const auto &[name, kind] : pairs)
        l.append({QLatin1String(name), QLatin1String(kind), QLatin1String(kind)});
    return l;
}

template <typename... Lists>
QList<FrontLamp> join(const Lists &...lists)
{
    QList<FrontLamp> all;
    (all.append(lists), ...);
    return all;
}

QList<Front> build()
{
    const auto reset = [](const char *n) { return std::pair{n, QT_TRANSLATE_NOOP("PanelFronts", "Rearme")}; };
    const auto buzzer = [](const char *n) { return std::pair{n, QT_TRANSLATE_NOOP("PanelFronts", "Silenciar zumbador")}; };
    const auto sirens = [](const char *n) { return std::pair{n, QT_TRANSLATE_NOOP("PanelFronts", "Silenciar sirenas")}; };
    return {
        {"BC600", "PEstatBC600", "BC600", {}, items({{"PBC600ResetZumb", QT_TRANSLATE_NOOP("PanelFronts", "Zumbador")}, {"PBC600Equips", QT_TRANSLATE_NOOP("PanelFronts", "Equipos")}}),
         counters({{"PBC600Alarmes", "Alarm"}, {"PBC600Sortides", "Output"}, {"PBC600Tecnics", "Message"},
                   {"PBC600Fallos", "Fault"}, {"PBC600Disable", "Disable"}, {"PBC600Proves", "Test"}}),
         "REBC600", items({reset("PBC600Rearme"), buzzer("PBC600ResetZumb"), sirens("IBC600Equips")})},
        {"BC216", "PEstatBC216", "BC216", {}, items({{"PBC216ResetZumb", QT_TRANSLATE_NOOP("PanelFronts", "Zumbador")}, {"PBC216Reset", QT_TRANSLATE_NOOP("PanelFronts", "Sirenas")}}),
         counters({{"PBC216Alarmes", "Alarm"}, {"PBC216Sortides", "Output"}, {"PBC216Missatges", "Message"},
                   {"PBC216Fallos", "Fault"}, {"PBC216Deshabilitacions", "Disable"}, {"PBC216Proves", "Test"}}),
         "REBC216", items({reset("PBC216Rearme"), buzzer("PBC216ResetZumb"), sirens("IBC216Reset")})},
        {"Cofem CLVR / K-CONECTA", "PEstatCofem", "COFEM",
         join(row(G::PunterLedEstatCofem, 0, {"SLAlarma", "SL220V", "SLBateria", "SLAvGen", "SLAvAli", "SLReSir",
                                              "SLReAva", "SLAvBat", "SLSilenSir"}),
              zones(G::PunterLedAlarmaCofem, "SAL", 12), zones(G::PunterLedAvariaCofem, "SAV", 12),
              zones(G::PunterLedTestCofem, "STE", 12)),
         {}, {}, "", items({reset("BBCofemReset"), buzzer("PCofemSilenZum"), sirens("PCofemSilenciarSirenes")})},
        {"Detnov", "PEstatDetnov", "DETNOV", {}, {}, {}, "",
         [&] {
             QList<FrontItem> b = items({reset("BDetnovReset"), buzzer("BDetnovSilenciarCentral"),
                                         sirens("BDetnovSilenciarSirenes"), {"BDetnovActivarSirenes", QT_TRANSLATE_NOOP("PanelFronts", "Activar sirenas")}});
             for (int z = 1; z <= 12; ++z)
                 b.append({QStringLiteral("SPZ%1").arg(z), QStringLiteral("Z%1").arg(z), QString()});
             return b;
         }()},
        {"Urano", "PEstatUrano", "URANO",
         join(zones(G::PunterLedAlarmaUrano, "SLed", 12, "1"), zones(G::PunterLedFalloUrano, "SLed", 12, "2"),
              row(G::SLedFalloAlim, 0, {"SLedFalloAlim"}), row(G::SLedFalloSirenes, 0, {"SLedFalloSirenes"}),
              row(G::SLedZTest, 0, {"SLedZTest"})),
         items({{"SLedZAnul", QT_TRANSLATE_NOOP("PanelFronts", "Anulada")}, {"SLedFalloTerra", QT_TRANSLATE_NOOP("PanelFronts", "Tierra")}, {"SLedFalloSistema", QT_TRANSLATE_NOOP("PanelFronts", "Sistema")},
                {"SLedSilZum", QT_TRANSLATE_NOOP("PanelFronts", "Zumbador")}, {"SLedFalloServei", QT_TRANSLATE_NOOP("PanelFronts", "Servicio")}}),
         {}, "", items({reset("PUranoRearme"), buzzer("PUranoSilenZum")})},
        {"Syncro", "PEstatSyncro", "SYNCRO", row(G::SSyncroAvaria, 0, {"SSyncroAvaria"}),
         items({{"SSyncroFoc", QT_TRANSLATE_NOOP("PanelFronts", "Fuego")}, {"SSyncroRuta", QT_TRANSLATE_NOOP("PanelFronts", "Ruta")}, {"SSyncroPrealarma", QT_TRANSLATE_NOOP("PanelFronts", "Prealarma")},
                {"SSyncroDesact", QT_TRANSLATE_NOOP("PanelFronts", "Desactivado")}, {"SSyncroProva", QT_TRANSLATE_NOOP("PanelFronts", "Prueba")}, {"SSyncroAlim", QT_TRANSLATE_NOOP("PanelFronts", "Alimentación")}}),
         {}, "MSyncroPantalla", items({reset("PSyncroRepo"), sirens("PSyncroAlarma")})},
        {"Avenar (Bosch)", "PEstatAvenarBosch", "AVENAR", {}, {},
         counters({{"PAvenarBoschFoc", "Fire"}, {"PAvenarBoschFallo", "Fault"}, {"PAvenarBoschAnullat", "Disable"},
                   {"PAvenarBoschControl", "Control"}}),
         "REAvenarBoschPantalla", {}},
        {"AD300", "PEstatAD300", "AD300",
         join(row(G::SAD300Alarma, 0, {"SAD300Alarma"}), row(G::SAD300Avaria, 0, {"SAD300Avaria"}),
              zones(G::PunterLedAlarmaAD300, "SAD300L", 20)),
         items({{"SAD300Desconnex", QT_TRANSLATE_NOOP("PanelFronts", "Desconexión")}}), {}, "MAD300",
         items({reset("PAD300Rearme"), buzzer("PAD300Botons"), {"PAD300SilenciarZum", QT_TRANSLATE_NOOP("PanelFronts", "Enterado")}, sirens("PAD300SilenSir")})},
        {"Supra", "PEstatSupra", "SUPRA",
         join(zones(G::PunterLedAlarmaSupra, "SAlLZ", 12), zones(G::PunterLedFalloSupra, "SAvLZ", 12),
              row(G::SlSupraFalloAlim, 0, {"SlSupraFalloAlim"}), row(G::SLSupraFalloSirenes, 0, {"SLSupraFalloSirenes"}),
              row(G::SLSupraTest, 0, {"SLSupraTest"})),
         {}, {}, "", items({reset("PSupraRearme"), buzzer("PSupraSilenZum"), sirens("PSupraSilenSir")})},
        {"Cofem-A (Zafir)", "PEstatCofemZafir", "COFEM ZAFIR",
         row(G::PunterLedEstatCofemZafir, 0, {"SZafirLedAlarma", "SZafirLed220", "SZafirLedBat", "SZafirLedAvGen",
                                              "SZafirLedAvAlim", "SZafirLedDispar"}),
         {}, {}, "RECofemZafirPantalla", items({{"PCofemZafirReset", QT_TRANSLATE_NOOP("PanelFronts", "Reset")}, sirens("PCofemZafirSilenciar")})},
        {"Komttech", "PEstatKomttech", "KOMTTECH",
         join(zones(G::PunterLedAlarmaKomttech, "SKLed", 12, "1"), zones(G::PunterLedFalloKomttech, "SKLed", 12, "2"),
              row(G::SKLedFalloAlim, 0, {"SKLedFalloAlim"}), row(G::SKLedFalloSirenes, 0, {"SKLedFalloSirenes"}),
              row(G::SKLedZTest, 0, {"SKLedZTest"})),
         {}, {}, "", items({reset("PKomttechRearme"), buzzer("PKomttechSilenZum"), sirens("PKomttechSilenSir")})},
        {"ID3000", "PEstatID3000", "ID3000",
         row(G::PunterLedEstatID3000, 0, {"SAlarmaID3000", "SAlarmaID30002", "SFalloID3000", "SFalloID30002",
                                          "SPrealarmaID3000", "SFalloSistemaID3000", "SAnullatID3000", "SProvaID3000",
                                          "SAlimID3000"}),
         {}, counters({{"LAlarmaID3000", "Fire"}, {"LAvariaID3000", "Fault"}, {"LAnullatID3000", "Disablement"},
                       {"LProvaID3000", "Test"}}),
         "REID3000Pantalla", items({reset("SRearmeID3000"), buzzer("SSilenZumID3000"), sirens("SSilenciarID3000")})},
        {"Detnov CCD-100", "PEstatDetnovCCD", "CCD-100",
         join(zones(G::PunterLedAlarmaCCD, "SPDetnovAlarmaZ", 12), zones(G::PunterLedFalloCCD, "SPDetnovFalloZ", 12),
              row(G::PunterLedFalloGeneralCCD, 0, {"SPDetnovProva", "SPDetnovActivarSirenes", "SPDetnovSilenciarSirenes",
                                                   "SPDetnovSilenciarCentral", "SPDetnovFalloSistema", "SPDetnovFalloAlim",
                                                   "SPDetnovForaServei", "SPDetnovSirenesTempo", "SPDetnovSirenesFallo",
                                                   "SPDetnovServei", "SPDetnovAlarma", "SPDetnovAnullar", "SPDetnovFallo"})),
         // The panel's version and its text field, written by its status.
         items({{"LDetnovVersio", ""}, {"Edit1", ""}}), {}, "", {}},
        {"AD600", "PEstatAD600", "AD600",
         row(G::PunterLedAD600, 0, {"SAD600Reset", "SAD600Foc", "SAD600Evacuacio", "SAD600DisparSirenes",
                                    "SAD600SilenciarSirenes", "SAD600Ok"}),
         {}, counters({{"PAD600AlarmesFoc", "Fire"}, {"PAD600Avaries", "Fault"}, {"PAD600Desconnexions", "Disablement"}}),
         "READ600",
         items({reset("PAD600Reset"), buzzer("PAD600Ok"), sirens("PAD600SilenciarSirenes"),
                {"PAD600DisparSirenes", QT_TRANSLATE_NOOP("PanelFronts", "Disparo sirenas")}, {"PAD600Evacuacio", QT_TRANSLATE_NOOP("PanelFronts", "Evacuación")}})},
        {"MA-2000", "PEstatMA2000", "MA-2000",
         row(G::PunterLedEstatMA2000, 0, {"SMA2000Alarma", "SMA2000Prealarma", "SMA2000Silensir", "SMA2000Alim",
                                          "SMA2000Avaria", "SMA2000Test", "SMA2000Evacuacio", "SMA2000Anullats"}),
         {}, counters({{"LMA2000Alarma", "Fire"}, {"LMA2000Prealarma", "PreAlarm"}, {"LMA2000AVZona", "Fault"},
                       {"LMA2000AVCentral", "TechAlarm"}, {"LMA2000Prova", "Test"}}),
         "REMA2000", items({reset("BMA2000Rearme"), buzzer("BMA2000SilenZum"), sirens("BMA2000SilenSir")})},
        {"JadeBird", "PEstatJadeBird", "JADEBIRD",
         join(zones(G::PunterLedZonaJadeBird, "SJadeBirdZ", 32),
              row(G::PunterLedEstatJadeBird, 1, {"SJadeBirdFoc", "SJadeBirdSirenesON", "SJadeBirdAlarmatecnica",
                                                 "SJadeBirdRetard", "SJadeBirdAvaria", "SJadeBirdAvariaProc",
                                                 "SJadeBirdAnullats", "SJadeBirdTest", "SJadeBirdSndAvaria",
                                                 "SJadeBirdBombers", "SJadeBirdStandBy"})),
         {}, counters({{"LJadeBirdAlarma", "Fire"}, {"LJadeBirdAvaria", "Fault"}, {"LJadeBirdAnullat", "Disablement"},
                       {"LjadeBirdTest", "Test"}}),
         "REJadeBird", items({reset("IJadeBirdReset"), buzzer("PJadeBirdSilenZum"), sirens("PJadeBirdSilenSir")})},
        {"C-Tec XFP", "PEstatCtec", "C-TEC XFP",
         join(zones(G::PunterLedZonaCtecXFP, "SCtecZ", 32),
              row(G::PunterLedEstatCtecXFP, 1, {"SCtecFoc", "SCtecEvacuacio", "SCtecAlim", "SCtecEstatSirenes",
                                                "SCtecFalloAlim", "SCtecFalloGeneral", "SCtecAnullat", "SCtecInvisible",
                                                "SCtecProva"})),
         {}, {}, "MCtec", items({{"PCtecReset", QT_TRANSLATE_NOOP("PanelFronts", "Reset")}, buzzer("PCtecSilenZum"), sirens("PCtecSilenSir")})},
        {"PL-1000", "PEstatPL1000", "PL-1000", {}, {},
         counters({{"LPL1000Alarma", "Fire"}, {"LPL1000Avaria", "TechAlarm"}, {"LPL1000Anullacio", "Disablement"},
                   {"LPL1000Prova", "Test"}}),
         "REPL1000", items({reset("IPL1000Rearme"), buzzer("IPL1000SilenBuz"), sirens("IPL1000SilenSir")})},
        {"EasyDetect", "PEstatEasyDetect", "EASYDETECT", {}, {}, {}, "", {}},
    };
}

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kOrange(0xFF, 0x80, 0x00);
const QColor kGreen(0x00, 0x80, 0x00);

Front &frontNamed(QList<Front> &all, const char *model)
{
    for (Front &f : all)
        if (f.model == QLatin1String(model))
            return f;
    Q_UNREACHABLE();
}

FrontItem &itemNamed(QList<FrontItem> &items, const char *name)
{
    for (FrontItem &i : items)
        if (i.name == QLatin1String(name) || i.number == QLatin1String(name))
            return i;
    Q_UNREACHABLE();
}

// Indicators lit in a colour of their own, and absent ones off in white.
void colour(QList<FrontItem> &items, std::initializer_list<const char *> names, const QColor &lit, const QColor &off = {})
{
    for (const char *n : names) {
        FrontLook &look = itemNamed(items, n).look;
        look.lit = lit;
        look.litText = lit == kRed || lit == kGreen ? QColor(Qt::white) : QColor(Qt::black);
        look.off = off;
    }
}

// Looks, zone panels and variant texts beyond the rows of build().
void extras(QList<Front> &all)
{
    Front &syncro = frontNamed(all, "Syncro");
    colour(syncro.indicators, {"SSyncroFoc", "SSyncroRuta"}, kRed);
    colour(syncro.indicators, {"SSyncroPrealarma"}, kOrange);
    colour(syncro.indicators, {"SSyncroAlim"}, kGreen);
    colour(frontNamed(all, "Urano").indicators, {"SLedFalloServei"}, kGreen);
    colour(frontNamed(all, "AD300").indicators, {"SAD300Desconnex"}, kOrange);

    // Supra: the general indicators beside the lamps of the board; those
    // the panel does not name are captioned by nothing but their place.
    Front &supra = frontNamed(all, "Supra");
    supra.indicators = items({{"SLSupraAlarma", ""}, {"SLSupraZAnul", QT_TRANSLATE_NOOP("PanelFronts", "Anulada")},
                              {"SLSupraLed51", ""}, {"SLSupraLed52", ""}, {"SLSupraLed65", ""}, {"SLSupraLed66", ""},
                              {"SLSupraServei", QT_TRANSLATE_NOOP("PanelFronts", "Servicio")}});
    colour(supra.indicators, {"SLSupraAlarma"}, kRed);
    colour(supra.indicators, {"SLSupraServei"}, kGreen);

    // Komttech draws its absent indicators white.
    Front &komttech = frontNamed(all, "Komttech");
    komttech.indicators = items({{"SKLedZAnul", QT_TRANSLATE_NOOP("PanelFronts", "Anulada")},
                                 {"SKLedFalloTerra", QT_TRANSLATE_NOOP("PanelFronts", "Tierra")},
                                 {"SKLedFalloSistema", QT_TRANSLATE_NOOP("PanelFronts", "Sistema")},
                                 {"SKLedSilZum", QT_TRANSLATE_NOOP("PanelFronts", "Zumbador")},
                                 {"SKLedSilSir", QT_TRANSLATE_NOOP("PanelFronts", "Sirenas")},
                                 {"SKLedAlim", QT_TRANSLATE_NOOP("PanelFronts", "Alimentación")}});
    colour(komttech.indicators, {"SKLedZAnul", "SKLedFalloTerra", "SKLedFalloSistema", "SKLedSilZum", "SKLedSilSir"},
           QColor(0xFF, 0xBF, 0x00), Qt::white);
    colour(komttech.indicators, {"SKLedAlim"}, kGreen, Qt::white);

    // CCD-100: each zone's two lamps on a panel the status shows or hides.
    for (FrontLamp &l : frontNamed(all, "Detnov CCD-100").lamps)
        if (l.group == G::PunterLedAlarmaCCD || l.group == G::PunterLedFalloCCD)
            l.panel = QStringLiteral("PDetnovZ") + QString::number(l.index);

    // Avenar: the decoder writes the counts to the panels' number labels.
    Front &avenar = frontNamed(all, "Avenar (Bosch)");
    const char *const numbers[] = {"LNumAvenarBoschFoc", "LNumAvenarBoschFallo", "LNumAvenarBoschAnul",
                                   "LNumAvenarBoschControl"};
    for (int i = 0; i < 4; ++i) {
        FrontItem &c = avenar.counters[i];
        c.number = QLatin1String(numbers[i]);
        const bool red = c.kind == QLatin1String("Fire") || c.kind == QLatin1String("Control");
        c.look = {red ? kRed : kOrange, red ? QColor(Qt::white) : QColor(Qt::black), Qt::black, Qt::white};
    }
    // BC600, BC216: only the alarm and fault counters are highlighted.
    for (const char *bc : {"BC600", "BC216"}) {
        Front &f = frontNamed(all, bc);
        f.counters[0].look = {kRed, Qt::white, {}, {}};
        f.counters[3].look = {kOrange, Qt::black, {}, {}};
        for (FrontItem &i : f.indicators)
            i.look.whileLive = true;
    }

    // AD600: fire red, faults and disconnections orange, dark grey at rest.
    const QColor darkGrey(0x32, 0x32, 0x32);
    for (FrontItem &c : frontNamed(all, "AD600").counters) {
        const bool fire = c.kind == QLatin1String("Fire");
        c.look = {fire ? kRed : kOrange, fire ? QColor(Qt::white) : QColor(Qt::black), darkGrey, Qt::white};
    }

    Front &cofem = frontNamed(all, "Cofem CLVR / K-CONECTA");
    cofem.badge = QStringLiteral("LCofemVariant");
    cofem.variants = {{QStringLiteral("CLVR"), QStringLiteral("CLVR"), QStringLiteral("     CLVR")},
                      {QString(), QStringLiteral("K-CONECTA"), QStringLiteral("K-CONECTA")}};

    frontNamed(all, "ID3000").bigHeadings = true;
}

} // namespace

const QList<Front> &fronts()
{
    static const QList<Front> all = [] {
        QList<Front> l = build();
        extras(l);
        return l;
    }();
    return all;
}

const Front *frontOf(const QString &model)
{
    for (const Front &f : fronts())
        if (f.model == model)
            return &f;
    return nullptr;
}

} // namespace velmar::ui
