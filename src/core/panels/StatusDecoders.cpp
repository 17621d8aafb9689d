#include "core/panels/StatusDecoders.h"

#include "core/panels/ModelDecoders.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// The translation context of these texts (lupdate reads it from here).
struct PanelEvents {
    Q_DECLARE_TR_FUNCTIONS(PanelEvents)
};
} // namespace

namespace velmar::panels {

namespace status {

// More events than any panel holds; the cap keeps the totals in range.
constexpr int kMaxCount = 999999;

int digitAt(const QString &s, int i) // i counted from 0; not a digit is 0
{
    return i < s.size() && s[i].isDigit() ? s[i].digitValue() : 0;
}

QChar charAt(const QString &s, int pos) // pos counted from 1
{
    return pos >= 1 && pos <= s.size() ? s[pos - 1] : QChar();
}

KindLabel kindLabel(const char *name, const char *kind, int count, const QString &text = QString())
{
    KindLabel l;
    l.name = QLatin1String(name);
    l.kind = QLatin1String(kind);
    l.count = count;
    l.text = text;
    return l;
}

void lamp(PanelStatus &st, LampGroup g, int index, int tag)
{
    st.lamps.append({g, index, tag});
}

// A lamp state that blinks reloads the slow countdown.
void blinking(PanelStatus &st, LampGroup g, int index, int tag)
{
    lamp(st, g, index, tag);
    if (tag == 2)
        st.reloadSlow = true;
}

// ---- BC600, BC216 -----------------------------------------------------

PanelStatus bcStatus(const QString &text, bool bc216)
{
    PanelStatus st;
    const QStringList f = text.split(u'|');
    bool ok = false;
    const int flags = f.value(0).trimmed().toInt(&ok, 16);
    const QString prefix = bc216 ? QStringLiteral("PBC216") : QStringLiteral("PBC600");
    st.named.insert(prefix + QStringLiteral("ResetZumb"), ok && (flags & 1) ? 1 : 0);
    st.named.insert(bc216 ? QStringLiteral("PBC216Reset") : QStringLiteral("PBC600Equips"), ok && (flags & 2) ? 1 : 0);
    for (int i = 1; i <= 6; ++i) {
        const QString c = f.value(i).trimmed();
        st.counts << (c.isEmpty() ? QStringLiteral("0") : c);
    }
    st.named.insert(prefix + QStringLiteral("Alarmes"), st.counts[0] != QLatin1String("0") ? 1 : 0);
    st.named.insert(prefix + QStringLiteral("Fallos"), st.counts[3] != QLatin1String("0") ? 1 : 0);
    if (bc216) {
        const int level = f.value(7).trimmed().toInt(&ok, 16);
        st.accessLevel = !ok ? QStringLiteral("---")
                         : level == 1 ? PanelEvents::tr("Nivel usuario")
                         : level == 2 ? PanelEvents::tr("Nivel instalador")
                                      : QStringLiteral("---");
    }
    return st;
}

PanelStatus bc600Status(const QString &text) { return bcStatus(text, false); }
PanelStatus bc216Status(const QString &text) { return bcStatus(text, true); }

// ---- Cofem ----------------------------------------------------------------

PanelStatus cofemStatus(const QString &text)
{
    PanelStatus st;
    const QString central = text.section(u'|', 0, 0);
    const QString zones = text.section(u'|', 1, 1);
    for (int i = 0; i < 9 && i < central.size(); ++i)
        blinking(st, LampGroup::PunterLedEstatCofem, i, digitAt(central, i));
    if (central.size() >= 3 && central[2] == u'1')
        blinking(st, LampGroup::PunterLedEstatCofem, 7, 2);
    for (int z = 1; z <= 12; ++z) {
        const QString code = zones.mid((z - 1) * 2, 2).toUpper();
        int a = 0, f = 0, t = 0;
        if (code == QLatin1String("00")) {
        } else if (code == QLatin1String("11")) {
            t = 2;
        } else if (code == QLatin1String("12")) {
            t = 1;
        } else if (code == QLatin1String("13")) {
            t = 2, a = 2;
        } else if (code == QLatin1String("14")) {
            t = 2, a = 1;
        } else if (code == QLatin1String("8B")) {
            f = 1;
        } else if (code == QLatin1String("8C")) {
            f = 2;
        } else if (code == QLatin1String("A7")) {
            a = 2;
        } else if (code == QLatin1String("A9")) {
            a = 1;
        } else {
            continue; // unknown code: the zone keeps its lamps
        }
        blinking(st, LampGroup::PunterLedAlarmaCofem, z, a);
        blinking(st, LampGroup::PunterLedAvariaCofem, z, f);
        blinking(st, LampGroup::PunterLedTestCofem, z, t);
    }
    return st;
}

// ---- Urano ------------------------------------------------------------

PanelStatus uranoStatus(const QString &text)
{
    PanelStatus st;
    const QString zones = text.section(u'|', 1, 1);
    const ZoneScan scan =
        uranoZones(st, zones, {LampGroup::PunterLedAlarmaUrano, LampGroup::PunterLedFalloUrano, 3, false});
    st.named.insert(QStringLiteral("SLedZAnul"), scan.disabled || charAt(zones, 84) == u'1' ? 1 : 0);
    lamp(st, LampGroup::SLedZTest, 0, scan.testing ? 2 : 0);
    uranoGeneral(st, zones,
                 {"SLedFalloTerra", "SLedFalloSistema", "SLedSilZum", LampGroup::SLedFalloAlim,
                  LampGroup::SLedFalloSirenes, {0, 1, 2, 2, 3}, 2, -1});
    st.named.insert(QStringLiteral("SLedFalloServei"), 1);
    return st;
}

// ---- Count-record models ------------------------------------------------

struct KindRow {
    const char *label;
    const char *kind;
    int field; // count record field
    const char *caption = nullptr;
};

// Labels in the model's order; the first with events is selected and
// fetched.
void kindLabels(PanelStatus &st, const CountRecord &r, std::initializer_list<KindRow> rows)
{
    for (const KindRow &k : rows) {
        st.labels.append(kindLabel(k.label, k.kind, r.field[k.field]));
        if (st.selected.isEmpty() && r.field[k.field] > 0)
            st.selected = QLatin1String(k.kind);
    }
    if (!st.selected.isEmpty())
        st.fetch << st.selected;
}

PanelStatus id3000Status(const QString &text)
{
    PanelStatus st;
    const CountRecord r = countRecord(text);
    kindLabels(st, r,
               {{"LAlarmaID3000", "Fire", 1}, {"LAvariaID3000", "Fault", 6}, {"LAnullatID3000", "Disablement", 7},
                {"LProvaID3000", "Test", 9}});
    // Present kinds stand side by side from the left.
    int x = 40;
    for (KindLabel &l : st.labels) {
        l.visible = l.count > 0;
        if (l.visible) {
            l.x = x;
            x += 74;
        }
    }
    const auto G = LampGroup::PunterLedEstatID3000;
    const int fire = r.field[1] > 0 ? (r.buzzer() == 1 ? 2 : 1) : 0;
    const int fault = r.field[6] > 0 ? (r.buzzer() == 2 ? 2 : 1) : 0;
    blinking(st, G, 0, fire);
    blinking(st, G, 1, fire);
    blinking(st, G, 2, fault);
    blinking(st, G, 3, fault);
    lamp(st, G, 4, r.field[4] > 0 ? 1 : 0);
    if (fault == 0)
        lamp(st, G, 5, 0);
    lamp(st, G, 6, r.field[7] > 0 ? 1 : 0);
    lamp(st, G, 7, r.field[9] > 0 ? 1 : 0);
    lamp(st, G, 8, 1);
    return st;
}

PanelStatus ma2000Status(const QString &text)
{
    PanelStatus st;
    const CountRecord r = countRecord(text);
    kindLabels(st, r,
               {{"LMA2000Alarma", "Fire", 1}, {"LMA2000Prealarma", "PreAlarm", 4}, {"LMA2000AVZona", "Fault", 6},
                {"LMA2000AVCentral", "TechAlarm", 8}, {"LMA2000Prova", "Test", 9}});
    const auto G = LampGroup::PunterLedEstatMA2000;
    const int alarmLook = r.buzzer() == 1 ? 2 : 1;
    blinking(st, G, 0, r.field[1] > 0 ? alarmLook : 0);
    blinking(st, G, 1, r.field[4] > 0 ? alarmLook : 0);
    lamp(st, G, 3, 1);
    blinking(st, G, 4, r.field[6] > 0 || r.field[8] > 0 ? (r.buzzer() == 2 ? 2 : 1) : 0);
    lamp(st, G, 5, r.field[9] > 0 ? 1 : 0);
    lamp(st, G, 6, r.field[2] > 0 ? 1 : 0);
    lamp(st, G, 7, r.field[7] > 0 ? 1 : 0);
    return st;
}

PanelStatus pl1000Status(const QString &text)
{
    PanelStatus st;
    const CountRecord r = countRecord(text);
    const KindRow rows[] = {
        {"LPL1000Alarma", "Fire", 1, QT_TRANSLATE_NOOP("PanelEvents", "Alarma")},
        {"LPL1000Avaria", "TechAlarm", 8, QT_TRANSLATE_NOOP("PanelEvents", " Avería")},
        {"LPL1000Anullacio", "Disablement", 7, QT_TRANSLATE_NOOP("PanelEvents", "Anulado")},
        {"LPL1000Prova", "Test", 9, QT_TRANSLATE_NOOP("PanelEvents", " Prueba")},
    };
    for (const auto &k : rows) {
        const int n = r.field[k.field];
        st.labels.append(kindLabel(k.label, k.kind, n, PanelEvents::tr(k.caption) + QStringLiteral("  ") + QString::number(n)));
        st.labels.last().visible = n > 0;
        if (st.selected.isEmpty() && n > 0)
            st.selected = QLatin1String(k.kind);
    }
    if (!st.selected.isEmpty())
        st.fetch << st.selected;
    return st;
}

PanelStatus syncroStatus(const QString &text)
{
    PanelStatus st;
    const CountRecord r = countRecord(text);
    static const char *const kinds[] = {"Fire",     "Evacuate",    "Alert",     "Prealarm", "Security",
                                        "Fault",    "Disablement", "TechAlarm", "Test"};
    for (int i = 1; i <= 9; ++i)
        if (r.field[i] > 0)
            st.fetch << QLatin1String(kinds[i - 1]);
    const bool fire = r.field[1] > 0;
    st.named.insert(QStringLiteral("SSyncroFoc"), fire || r.field[2] > 0 || r.field[5] > 0 ? 1 : 0);
    st.named.insert(QStringLiteral("SSyncroRuta"), fire ? 1 : 0);
    st.named.insert(QStringLiteral("SSyncroPrealarma"), r.field[4] > 0 ? 1 : 0);
    blinking(st, LampGroup::SSyncroAvaria, 0, r.field[6] > 0 ? 2 : 0);
    st.named.insert(QStringLiteral("SSyncroDesact"), r.field[7] > 0 ? 1 : 0);
    st.named.insert(QStringLiteral("SSyncroProva"), r.field[9] > 0 ? 1 : 0);
    st.named.insert(QStringLiteral("SSyncroAlim"), 1);
    for (const auto &[label, field] : {std::pair{"Fire", 1}, {"Fault", 6}, {"Disablement", 7}})
        st.labels.append(kindLabel("", label, r.field[field]));
    st.lines = syncroScreenHeading(r.field[1], r.field[6], r.field[7]);
    return st;
}

PanelStatus ad300Status(const QString &text)
{
    PanelStatus st;
    const CountRecord r = countRecord(text);
    st.total = r.field[1] + r.field[6] + r.field[7] + r.field[4];
    blinking(st, LampGroup::SAD300Alarma, 0, r.field[1] > 0 ? 2 : 0);
    if (r.field[1] > 0)
        st.fetch << QStringLiteral("Fire");
    else
        for (int z = 1; z <= 20; ++z)
            lamp(st, LampGroup::PunterLedAlarmaAD300, z, 0);
    blinking(st, LampGroup::SAD300Avaria, 0, r.field[6] > 0 ? 2 : 0);
    if (r.field[6] > 0)
        st.fetch << QStringLiteral("Fault");
    st.named.insert(QStringLiteral("SAD300Desconnex"), r.field[7] > 0 ? 1 : 0);
    if (r.field[7] > 0)
        st.fetch << QStringLiteral("Disablement");
    if (r.field[4] > 0)
        st.fetch << QStringLiteral("Prealarm");
    return st;
}

PanelStatus ad600Status(const QString &text)
{
    PanelStatus st;
    const CountRecord r = countRecord(text);
    lamp(st, LampGroup::PunterLedAD600, 0, 1);
    for (int i = 1; i <= 5; ++i)
        blinking(st, LampGroup::PunterLedAD600, i, r.field[i]);
    // One panel shows faults, or technical alarms when there is no fault.
    const bool tech = r.field[6] <= 0 && r.field[8] > 0;
    st.labels = {kindLabel("PAD600AlarmesFoc", "Fire", r.field[1]),
                 tech ? kindLabel("PAD600Avaries", "TechAlarm", r.field[8]) : kindLabel("PAD600Avaries", "Fault", r.field[6]),
                 kindLabel("PAD600Desconnexions", "Disablement", r.field[7])};
    if (r.field[6] > 0)
        st.fetch << QStringLiteral("Fault");
    if (r.field[8] > 0)
        st.fetch << QStringLiteral("TechAlarm");
    if (r.field[1] > 0)
        st.fetch << QStringLiteral("Fire");
    return st;
}

PanelStatus jadeBirdStatus(const QString &text)
{
    PanelStatus st;
    const QStringList f = text.split(u'|');
    const QString zones = f.value(0);
    for (int z = 1; z <= 32; ++z)
        blinking(st, LampGroup::PunterLedZonaJadeBird, z, zones.size() < 32 ? 0 : digitAt(zones, z - 1));
    const QString estat = f.value(2);
    for (int i = 1; i <= 10; ++i)
        blinking(st, LampGroup::PunterLedEstatJadeBird, i, estat.size() < 11 ? 0 : digitAt(estat, i - 1));
    lamp(st, LampGroup::PunterLedEstatJadeBird, 11, 1); // stand-by, whatever the eleventh digit says
    const KindRow rows[] = {
        {"LJadeBirdAlarma", "Fire", 1, QT_TRANSLATE_NOOP("PanelEvents", "Alarma")},
        {"LJadeBirdAvaria", "Fault", 6, QT_TRANSLATE_NOOP("PanelEvents", " Avería")},
        {"LJadeBirdAnullat", "Disablement", 7, QT_TRANSLATE_NOOP("PanelEvents", "Anulado")},
        {"LjadeBirdTest", "Test", 8, QT_TRANSLATE_NOOP("PanelEvents", " Prueba")},
    };
    for (const auto &k : rows) {
        const QString raw = f.size() < 9 ? QStringLiteral("0") : f.value(k.field).trimmed();
        const int n = raw.toInt();
        st.labels.append(kindLabel(k.label, k.kind, n, raw.rightJustified(3, u'0') + QStringLiteral(" - ") + PanelEvents::tr(k.caption).toUpper()));
        if (st.selected.isEmpty() && n > 0)
            st.selected = QLatin1String(k.kind);
    }
    if (st.selected.isEmpty())
        st.selected = QStringLiteral("Fire");
    st.fetch << st.selected;
    return st;
}

PanelStatus ctecStatus(const QString &text)
{
    PanelStatus st;
    const QStringList f = text.split(u'|');
    const QString zones = f.value(0);
    for (int z = 1; z <= 32 && z <= zones.size(); ++z)
        blinking(st, LampGroup::PunterLedZonaCtecXFP, z, digitAt(zones, z - 1));
    for (int i = 1; i <= 9; ++i)
        blinking(st, LampGroup::PunterLedEstatCtecXFP, i, f.value(i).trimmed().toInt());
    st.fetch << QStringLiteral("Fire") << QStringLiteral("Fault") << QStringLiteral("Disablement")
             << QStringLiteral("Test") << QString();
    return st;
}

PanelStatus avenarStatus(const QString &text)
{
    PanelStatus st;
    const QStringList f = text.split(u'|');
    const char *const labels[] = {"LNumAvenarBoschFoc", "LNumAvenarBoschFallo", "LNumAvenarBoschAnul",
                                  "LNumAvenarBoschControl"};
    const char *const kinds[] = {"Fire", "Fault", "Disable", "Control"};
    for (int i = 0; i < 4; ++i) {
        const QString raw = f.value(i).trimmed();
        st.labels.append(kindLabel(labels[i], kinds[i], raw.toInt(), raw.isEmpty() ? QStringLiteral("0") : raw));
    }
    return st;
}

} // namespace status

int PanelStatus::tagOf(LampGroup g, int index) const
{
    int tag = -1;
    for (const LampTag &l : lamps)
        if (l.group == g && l.index == index)
            tag = l.tag;
    return tag;
}

QList<EventLine> syncroScreenHeading(int fire, int fault, int disablement)
{
    const auto count = [](int n) { return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')); };
    // The panel's own screen words, as its display shows them.
    return {{QStringLiteral(" ZONA EN ALARMA=") + count(fire) + QStringLiteral("  AVER=") + count(fault)
             + QStringLiteral("  DESACT=") + count(disablement)},
            {QString()}};
}

CountRecord countRecord(const QString &text)
{
    CountRecord r;
    const QStringList f = text.split(u'|');
    for (int i = 0; i < 10 && i < f.size(); ++i) {
        bool ok = false;
        const int n = f[i].trimmed().toInt(&ok);
        // Counts are never negative; a wild one must not overflow the sums.
        r.field[i] = ok ? std::clamp(n, 0, status::kMaxCount) : 0;
    }
    return r;
}

StatusDecoder statusDecoderFor(const QString &model)
{
    const ModelDecoders *d = decodersOf(model);
    return d ? d->status : nullptr;
}

void applyLamps(LampBoard &board, const PanelStatus &status)
{
    // Every write with the Tag as it was before any of them, to tell a
    // change from a lamp written twice.
    struct Write {
        int *tag;
        int old;
        int value;
    };
    QList<Write> writes;
    for (const LampTag &l : status.lamps) {
        auto lamps = board.group(l.group);
        if (l.index >= 0 && l.index < int(lamps.size()))
            writes.append({&lamps[l.index].Tag, lamps[l.index].Tag, l.tag});
    }
    for (const Write &w : std::as_const(writes))
        *w.tag = w.value;
    bool changed = false;
    for (const Write &w : std::as_const(writes))
        changed = changed || *w.tag != w.old;
    // Only a change restarts the flashing: a panel repeating its status
    // faster than a flash would otherwise hold its lamps in one phase.
    if (changed && status.reloadSlow)
        board.tempsLedZones = LampBoard::kSlowReload;
    if (changed && status.reloadFast)
        board.tempsLedZonesRapid = LampBoard::kFastReload;
    if (changed && status.reloadEstat)
        board.tempsLedEstat = LampBoard::kSlowReload;
}

} // namespace velmar::panels
