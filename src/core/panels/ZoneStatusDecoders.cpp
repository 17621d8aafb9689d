// The status decoders of the zone panels told as Urano's differences
// (Supra, Komttech), of the CCD-100 and of the Cofem-A.
#include "core/panels/ModelDecoders.h"
#include "core/params/NamedTexts.h"

#include <QCoreApplication>

namespace velmar::panels::status {

ZoneScan uranoZones(PanelStatus &st, const QString &zones, const UranoZones &family)
{
    ZoneScan scan;
    for (int z = 1; z <= 12; ++z) {
        const QString g = zones.mid((z - 1) * 3, 3);
        if (g.size() < 3) {
            lamp(st, family.alarm, z, 0);
            lamp(st, family.fault, z, 0);
            continue;
        }
        const int alarm = g[0] == u'1' ? 1 : g[0] == u'2' ? 2 : 0;
        lamp(st, family.alarm, z, alarm);
        st.reloadSlow = st.reloadSlow || alarm == 1;
        int fault = 0;
        if (g[2] == u'0') {
            fault = family.disabledFault;
            scan.disabled = true;
        } else if (g[2] == u'1') {
            scan.testing = true;
            fault = family.testLit ? 1 : g[1] == u'1' ? 1 : g[1] == u'2' ? 2 : 3;
        } else if (g[2] == u'2') {
            fault = g[1] == u'1' ? 1 : g[1] == u'2' ? 2 : 0;
        }
        st.reloadSlow = st.reloadSlow || fault == 1;
        st.reloadFast = st.reloadFast || fault == 2;
        lamp(st, family.fault, z, fault);
    }
    return scan;
}

namespace {

// The sirens-fault lamp from characters 56 to 59.
int uranoSirens(const QString &zones)
{
    const auto either = [&](QChar c) { return charAt(zones, 56) == c || charAt(zones, 58) == c; };
    if (charAt(zones, 57) == u'0' && charAt(zones, 59) == u'0')
        return 1;
    if (charAt(zones, 56) == u'0' && charAt(zones, 58) == u'0')
        return 0;
    if (either(u'1'))
        return 2;
    if (either(u'2'))
        return 3;
    return 0;
}

} // namespace

void uranoGeneral(PanelStatus &st, const QString &zones, const UranoGeneral &g)
{
    const bool present = zones.size() > 51;
    const auto at = [&](int pos) { return present && charAt(zones, pos) == u'1' ? 1 : 0; };
    st.named.insert(QLatin1String(g.earth), at(52));
    st.named.insert(QLatin1String(g.system), at(55));
    st.named.insert(QLatin1String(g.silenced), at(67));
    const int supply = present ? digitAt(zones, 52) : 0;
    const int tag = supply <= 4 ? g.supplyTag[supply] : 0;
    st.reloadFast = st.reloadFast || tag == g.fastTag;
    st.reloadSlow = st.reloadSlow || tag == g.slowTag;
    lamp(st, g.supply, 0, tag);
    lamp(st, g.sirens, 0, present ? uranoSirens(zones) : 0);
}

namespace {

int lit(const QString &s, int pos) { return charAt(s, pos) == u'1' ? 1 : 0; }

} // namespace

// ---- Supra ---------------------------------------------------------------

PanelStatus supraStatus(const QString &text)
{
    PanelStatus st;
    const QString zones = text.section(u'|', 1, 1);
    const ZoneScan scan =
        uranoZones(st, zones, {LampGroup::PunterLedAlarmaSupra, LampGroup::PunterLedFalloSupra, 3, true});
    st.named.insert(QStringLiteral("SLSupraZAnul"), scan.disabled || charAt(zones, 83) == u'1' ? 1 : 0);
    st.named.insert(QStringLiteral("SLSupraAlarma"), lit(zones, 49));
    blinking(st, LampGroup::SLSupraTest, 0, lit(zones, 50) || scan.testing ? 2 : 0);
    st.named.insert(QStringLiteral("SLSupraLed51"), lit(zones, 51));
    st.named.insert(QStringLiteral("SLSupraLed52"), lit(zones, 52));
    const QChar supply = charAt(zones, 53);
    blinking(st, LampGroup::SlSupraFalloAlim, 0, supply == u'1' ? 1 : (supply >= u'2' && supply <= u'4') ? 2 : 0);
    int sirens = 0;
    const auto faulty = [](QChar c) { return c == u'1' || c == u'2'; };
    if (charAt(zones, 83) == u'1')
        sirens = 1;
    else if (faulty(charAt(zones, 55)) || faulty(charAt(zones, 57)))
        sirens = 3;
    st.reloadFast = st.reloadFast || sirens == 3;
    lamp(st, LampGroup::SLSupraFalloSirenes, 0, sirens);
    st.named.insert(QStringLiteral("SLSupraLed65"), lit(zones, 65));
    st.named.insert(QStringLiteral("SLSupraLed66"), lit(zones, 66));
    st.named.insert(QStringLiteral("SLSupraServei"), 1);
    return st;
}

// ---- Komttech ------------------------------------------------------------

PanelStatus komttechStatus(const QString &text)
{
    PanelStatus st;
    const QString zones = text.section(u'|', 1, 1);
    const ZoneScan scan =
        uranoZones(st, zones, {LampGroup::PunterLedAlarmaKomttech, LampGroup::PunterLedFalloKomttech, 4, false});
    st.named.insert(QStringLiteral("SKLedZAnul"), scan.disabled || charAt(zones, 84) == u'1' ? 1 : 0);
    blinking(st, LampGroup::SKLedZTest, 0, scan.testing ? 2 : 0);
    // Its supply lamp flashes slowly on Tag 2 and fast on Tag 1 (LampBoard).
    uranoGeneral(st, zones,
                 {"SKLedFalloTerra", "SKLedFalloSistema", "SKLedSilZum", LampGroup::SKLedFalloAlim,
                  LampGroup::SKLedFalloSirenes, {0, 2, 1, 1, 3}, 1, 2});
    st.named.insert(QStringLiteral("SKLedSilSir"), zones.size() > 51 ? lit(zones, 66) : 0);
    st.named.insert(QStringLiteral("SKLedAlim"), 1);
    return st;
}

// ---- CCD-100 -------------------------------------------------------------

PanelStatus ccd100Status(const QString &text)
{
    PanelStatus st;
    const QString version = text.section(u'|', 0, 0);
    const QString rest = text.section(u'|', 1, 1);
    st.texts.insert(QStringLiteral("LDetnovVersio"), version);
    // "CCD-100 v2.1 (12 zones)": the zone panels shown.
    const qsizetype open = version.indexOf(u'(');
    const qsizetype word = version.indexOf(QLatin1String("zones"), open + 1);
    const int count = open >= 0 && word > open ? version.mid(open + 1, word - open - 1).trimmed().toInt() : 0;
    const int shown = count >= 11 ? 12 : qMax(count, 0);
    for (int z = 1; z <= 12; ++z)
        st.visible.insert(QStringLiteral("PDetnovZ") + QString::number(z), z <= shown);

    const QStringList parts = rest.split(u'-');
    const QString zones = parts.value(0);
    for (int z = 1; z <= 12; ++z) {
        const QString g = zones.mid((z - 1) * 3, 3);
        if (g.size() < 3)
            continue;
        int fault = g[1] == u'1' ? 1 : g[1] == u'2' ? 3 : 0;
        if (g[0] == u'2' && (g[2] == u'3' || g[2] == u'4'))
            fault = 2;
        if (g[0] == u'0')
            lamp(st, LampGroup::PunterLedAlarmaCCD, z, 0);
        else if (g[0] == u'1' && g[2] == u'1')
            lamp(st, LampGroup::PunterLedAlarmaCCD, z, 1);
        else if (g[0] == u'2')
            blinking(st, LampGroup::PunterLedAlarmaCCD, z, 2);
        blinking(st, LampGroup::PunterLedFalloCCD, z, fault);
        st.reloadFast = st.reloadFast || fault == 3;
    }
    const QString general = parts.value(1);
    for (int i = 0; i < 13 && i < general.size(); ++i) {
        const int tag = digitAt(general, i);
        blinking(st, LampGroup::PunterLedFalloGeneralCCD, i, tag);
        st.reloadFast = st.reloadFast || tag == 3;
    }
    st.texts.insert(QStringLiteral("Edit1"), parts.value(2));
    return st;
}

// ---- Cofem-A ---------------------------------------------------------------

namespace {

// The Zafir code table: a code and the name of its text.
struct ZafirCode {
    const char *code;
    const char *name;
};
constexpr ZafirCode kZafirCodes[] = {
    {"A0", "rsZAlarmaSensor"},    {"A4", "rsZAlarmaTec"},        {"A5", "rsZAlarmaEsclau"},
    {"A6", "rsZAlarmaTemp"},      {"A7", "rsZAlarmaFum"},        {"A8", "rsZAlarmaPolEsc"},
    {"A9", "rsZAlarmaPol"},       {"AA", "rsZAlarmaPol2"},       {"AB", "rsZAlarmaProvaInc"},
    {"AC", "rsZAlarmaProvaNoConf"}, {"21", "rsZAvComRepe"},      {"22", "rsZAvComCentral"},
    {"23", "rsZAvComCont"},       {"24", "rsZAvComModulRemot"},  {"25", "rsZAvComModul"},
    {"27", "rsZAvComModulXarxa"}, {"30", "rsZAvCarBat"},         {"31", "rsZAvBatAv"},
    {"32", "rsZAvBat"},           {"33", "rsZAvBatDes"},         {"34", "rsZAvBatSobre"},
    {"35", "rsZAvBaixaTen"},      {"36", "rsZAvSobreTen"},       {"37", "rsZAvNoAlim"},
    {"38", "rsZAvSort30V"},       {"79", "rsZAvCurtcircuit"},    {"80", "rsZAvSensor"},
    {"81", "rsZAvBrut"},          {"82", "rsZAvBucleObert"},     {"83", "rsZAvConsumBucle"},
    {"84", "rsZAvPuntNo"},        {"86", "rsZAvKMAYCurt"},       {"87", "rsZAvKMAYObert"},
    {"88", "rsZAMSTAYCurt"},      {"89", "rsZAvMSTAYObert"},     {"8A", "rsZAvTec"},
    {"8B", "rsZAvReleObert"},     {"8C", "rsZAvReleCurt"},       {"8D", "rsZAvReleNoActiu"},
    {"8E", "rsZAvRele24V"},       {"12", "rsPuntAnullat"},       {"13", "rsZonaAnul"},
};

struct ZafirSection {
    const char *heading;
    const char *dropped; // the word its texts lose ("" none)
};
const ZafirSection kZafirSections[] = {
    {QT_TRANSLATE_NOOP("PanelEvents", "ALARMAS                                     TIPO:"), "Alarma"},
    {QT_TRANSLATE_NOOP("PanelEvents", "AVERIAS                                      TIPO:"), "Avería"},
    {QT_TRANSLATE_NOOP("PanelEvents", "DISPARO                                      RELE:"), "Avería Relé"},
    {QT_TRANSLATE_NOOP("PanelEvents", "ANULADA                                     TIPO:"), ""},
};

// The section of a code: 0 alarms, 1 faults, 2 relays, 3 disabled; -1 none.
int zafirSection(const QString &code)
{
    bool ok = false;
    const int n = code.toInt(&ok, 16);
    if (!ok)
        return -1;
    if (code.startsWith(u'A'))
        return 0;
    if (n > 0x20 && n < 0x8B)
        return 1;
    if (n >= 0x8B && n <= 0x8E)
        return 2;
    if (n == 0x12 || n == 0x13)
        return 3;
    return -1;
}

} // namespace

PanelStatus zafirStatus(const QString &text)
{
    PanelStatus st;
    const QString central = text.section(u'|', 0, 0);
    const QString zones = text.section(u'|', 1, 1).toUpper();
    for (int i = 0; i < 6 && i < central.size(); ++i)
        blinking(st, LampGroup::PunterLedEstatCofemZafir, i, digitAt(central, i));

    NamedTexts names;
    names.CreaTaulaResourceString();
    QList<EventLine> sections[4];
    for (qsizetype at = 0; at + 6 <= zones.size(); at += 6) {
        const QString code = zones.mid(at, 2);
        const int section = zafirSection(code);
        const auto known = std::find_if(std::begin(kZafirCodes), std::end(kZafirCodes),
                                        [&](const ZafirCode &z) { return code == QLatin1String(z.code); });
        if (section < 0 || known == std::end(kZafirCodes))
            continue;
        QString what = names.GetNamedResourceString(QString::fromLatin1(known->name));
        const QString dropped = QString::fromUtf8(kZafirSections[section].dropped);
        if (!dropped.isEmpty() && what.trimmed().startsWith(dropped, Qt::CaseInsensitive))
            what = what.trimmed().mid(dropped.size());
        const int loop = zones.mid(at + 2, 2).toInt(nullptr, 16);
        const int point = zones.mid(at + 4, 2).toInt(nullptr, 16);
        QString place;
        if (code == QLatin1String("13"))
            place = QStringLiteral(" Zona   ") + QString::number(loop);
        else if (loop > 0 && point > 0)
            place = QStringLiteral(" Bucle  ") + QString::number(loop) + QStringLiteral("  Punto ") + QString::number(point);
        else if (loop > 0)
            place = QStringLiteral(" Bucle  ") + QString::number(loop);
        else
            place = QStringLiteral(" Punto ") + QString::number(point);
        const QString number = QStringLiteral("%1").arg(sections[section].size() + 1, 2, 10, QLatin1Char('0'));
        sections[section].append({number + place + QStringLiteral("     ") + what.trimmed().toUpper()});
    }
    for (int s = 0; s < 4; ++s) {
        st.lines.append({QCoreApplication::translate("PanelEvents", kZafirSections[s].heading), true});
        st.lines += sections[s];
    }
    return st;
}

} // namespace velmar::panels::status
