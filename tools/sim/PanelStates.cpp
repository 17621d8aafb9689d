#include "PanelStates.h"

#include <QStringList>

namespace velmar::sim {

namespace {

// Zone 1 in a state, the other zones of the layout at rest.
QString zoneOne(const QString &first, const QString &restOfZone, int zones)
{
    return first + restOfZone.repeated(zones - 1);
}

struct StateRow {
    const char *layout; // model names sharing these payloads
    const char *alarm;
    const char *fault;
    const char *disable;
    const char *test;
};

// The count record: buzzer 1 for an alarm, 2 for a fault; Fault and
// TechAlarm both counted so that every count-record model shows it.
const StateRow kRows[] = {
    {"Syncro AD300 ID3000 AD600 MA-2000 PL-1000", "1|1|0|0|0|0|0|0|0|0", "2|0|0|0|0|0|1|0|1|0",
     "0|0|0|0|0|0|0|1|0|0", "0|0|0|0|0|0|0|0|0|1"},
    {"BC600", "1|1|0|0|0|0|0", "1|0|0|0|1|0|0", "0|0|0|0|0|1|0", "0|0|0|0|0|0|1"},
    {"BC216", "1|1|0|0|0|0|0|1", "1|0|0|0|1|0|0|1", "0|0|0|0|0|1|0|1", "0|0|0|0|0|0|1|1"},
    {"Bosch", "1|0|0|0|0", "0|1|0|0|0", "0|0|1|0|0", "0|0|0|1|0"},
};

QString stateOf(const StateRow &r, const QString &state)
{
    if (state == QLatin1String("alarm"))
        return QLatin1String(r.alarm);
    if (state == QLatin1String("fault"))
        return QLatin1String(r.fault);
    if (state == QLatin1String("disable"))
        return QLatin1String(r.disable);
    return QLatin1String(r.test);
}

int stateIndex(const QString &state)
{
    return int(QStringList({"alarm", "fault", "disable", "test"}).indexOf(state));
}

} // namespace

bool isPanelState(const QString &state)
{
    return stateIndex(state) >= 0 || state == QLatin1String("rest");
}

QString panelStateStatus(const PanelModel &panel, const QString &state)
{
    if (state == QLatin1String("rest"))
        return QString::fromLatin1(panel.quietStatus);
    const int i = stateIndex(state);
    if (i < 0)
        return QString();
    const QString name = QLatin1String(panel.name);
    for (const StateRow &r : kRows)
        if (QString::fromLatin1(r.layout).split(u' ').contains(name))
            return stateOf(r, state);
    if (name == QLatin1String("Cofem")) {
        static const char *const central[] = {"100000000", "000100000", "000001000", "000000000"};
        static const char *const zone[] = {"A9", "8B", "00", "12"};
        return QLatin1String(central[i]) + u'|' + zoneOne(QLatin1String(zone[i]), QStringLiteral("00"), 12);
    }
    if (name == QLatin1String("Cofem-A")) {
        static const char *const status[] = {"100000|A00101", "000100|210101", "000000|120101", "000000|A80101"};
        return QLatin1String(status[i]);
    }
    if (name == QLatin1String("Urano") || name == QLatin1String("Supra") || name == QLatin1String("Komttech")) {
        static const char *const group[] = {"102", "012", "000", "001"};
        return QStringLiteral("0000|") + zoneOne(QLatin1String(group[i]), QStringLiteral("002"), 12);
    }
    if (name == QLatin1String("CCD-100")) {
        static const char *const group[] = {"101", "010", "000", "000"};
        static const char *const general[] = {"0000000000100", "0000000000001", "0000000000010", "1000000000000"};
        return QStringLiteral("CCD-100 v2.1 (12 zones)|") + zoneOne(QLatin1String(group[i]), QStringLiteral("000"), 12)
               + u'-' + QLatin1String(general[i]) + u'-';
    }
    if (name == QLatin1String("JadeBird")) {
        // Counts in fields 1, 6, 7, 8; the lamps of field 2 in the same order.
        static const int countField[] = {1, 6, 7, 8};
        static const int lamp[] = {0, 4, 6, 7};
        QStringList f = QString::fromLatin1(panel.quietStatus).split(u'|');
        if (i == 0)
            f[0][0] = u'2'; // zone 1 flashing
        f[2][lamp[i]] = u'1';
        f[countField[i]] = QStringLiteral("1");
        return f.join(u'|');
    }
    if (name == QLatin1String("AE/SA") || name == QLatin1String("AGE")) {
        // The count of the state and zone 1 in its list ("*" marks a zone in test).
        QStringList counts(4, QStringLiteral("0"));
        QStringList lists(4);
        counts[i] = QStringLiteral("1");
        lists[i] = i == 3 ? QStringLiteral("1=*Zona 1") : QStringLiteral("1=Zona 1");
        return counts.join(u'|') + u':' + lists.join(u'|');
    }
    if (name == QLatin1String("AE/C5")) {
        // Front lamps: alarm flashing, fault, disconnection, test; mains always on.
        static const char *const lamps[] = {"2000001", "0100001", "0000101", "0000011"};
        static const char *const zone[] = {"82", "88", "A0", "C0"};
        return QStringLiteral("00|0|") + QLatin1String(lamps[i]) + u'|'
               + zoneOne(QLatin1String(zone[i]), QStringLiteral("80"), 16);
    }
    if (name == QLatin1String("C-TecXFP")) {
        static const int lampField[] = {1, 6, 7, 9};
        QStringList f = QString::fromLatin1(panel.quietStatus).split(u'|');
        if (i == 0)
            f[0][0] = u'2';
        f[lampField[i]] = QStringLiteral("1");
        return f.join(u'|');
    }
    return QString();
}

QString buzzerSilenced(const PanelModel &panel, const QString &status)
{
    QStringList f = status.split(u'|');
    const QString name = QLatin1String(panel.name);
    if (name == QLatin1String("BC600") || name == QLatin1String("BC216")) {
        // Bit 0 of the flags is the buzzer.
        bool ok = false;
        const int flags = f[0].toInt(&ok, 16);
        if (ok)
            f[0] = QString::number(flags & ~1, 16).toUpper();
        return f.join(u'|');
    }
    if (QLatin1String(panel.quietStatus) == QLatin1String("0|0|0|0|0|0|0|0|0|0") && f.size() == 10) {
        f[0] = QStringLiteral("0");
        return f.join(u'|');
    }
    return status;
}

} // namespace velmar::sim
