#include "PanelLists.h"

#include <QStringList>

namespace velmar::sim {

namespace {

// Entries written per list at most, whatever the count says.
constexpr int kMaxEntries = 5;

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
QString three(int n) { return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')); }
QString four(int n) { return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')); }

QJsonObject text(const QString &t) { return {{QStringLiteral("eventText"), t}}; }

// One entry of list `kind`; cls the count field it was counted in, i its
// place from 1 (device i in zone i).
using Entry = std::pair<QString, QJsonObject>;

// ID3000, MA-2000, PL-1000: class, code, address (or point), loop, zone;
// the time, device type 01 (sensor), no analogue value, the description.
Entry idEntry(int cls, int i)
{
    const QString key = four(cls) + QStringLiteral("0001") + three(10 + i) + QStringLiteral("02") + two(4 + i);
    return {key, text(QStringLiteral("0010203001000000\"Pasillo norte\""))};
}

// Syncro: class, subtype 12 (addressed element), address, loop, zone (hexadecimal).
Entry syncroEntry(int cls, int i)
{
    const QString key = four(cls) + QStringLiteral("12") + two(i) + QStringLiteral("00") + two(4 + i);
    return {key, text(QStringLiteral("Pasillo norte"))};
}

// AD300 and AD600: four characters ahead, code, address, loop, central, zone.
Entry adEntry(const QString &kind, int i, bool ad600)
{
    QString code = ad600 ? QStringLiteral("0100") : QStringLiteral("0100");
    if (kind == QLatin1String("Fault"))
        code = ad600 ? QStringLiteral("4300") : QStringLiteral("3364");
    else if (kind == QLatin1String("Disablement"))
        code = QStringLiteral("3400");
    else if (kind == QLatin1String("TechAlarm"))
        code = QStringLiteral("4368");
    const QString key = QStringLiteral("0000") + code + two(i) + QStringLiteral("01") + QStringLiteral("01") + two(2 + i);
    const QString description = ad600 ? QStringLiteral("Detector&Pasillo norte&Central 1&11-12-26:10:20")
                                      : QStringLiteral("Pasillo norte");
    return {key, text(description)};
}

// JadeBird: the panel's own lines, in brackets, in its own words.
Entry jadeBirdEntry(const QString &kind, int i)
{
    const QString word = kind == QLatin1String("Fire")    ? QStringLiteral("Fuego")
                         : kind == QLatin1String("Fault") ? QStringLiteral("Avería")
                         : kind == QLatin1String("Test")  ? QStringLiteral("Prueba")
                                                          : QStringLiteral("Anulado");
    return {QStringLiteral("0000") + two(i),
            text(QStringLiteral("[") + word + QStringLiteral(" zona ") + QString::number(i) + QStringLiteral("][Planta baja]"))};
}

// C-Tec XFP: event type, fault type and zone at fixed places of the key;
// text, second text and device type code in the event text.
Entry ctecEntry(int i)
{
    const QString key = QStringLiteral("0000") + QStringLiteral("001") + u'0' + QStringLiteral("001")
                        + QStringLiteral("0000000000") + three(i);
    return {key, text(QStringLiteral("Pasillo norte&Planta baja&001"))};
}

// BC600: four characters, then the element number and the zone.
Entry bc600Entry(const QString &kind, int i)
{
    const QString key = QStringLiteral("0000") + QStringLiteral("0000") + four(10 + i) + u'Z' + three(i);
    return {key, QJsonObject{{QStringLiteral("time"), QStringLiteral("6759A0F0")},
                             {QStringLiteral("eventText"), kind + QStringLiteral(" en zona")},
                             {QStringLiteral("zoneText"), QStringLiteral("Planta baja")},
                             {QStringLiteral("elementText"), QStringLiteral("Detector ") + QString::number(10 + i)}}};
}

// BC216: four characters, the element number (two) and the zone.
Entry bc216Entry(const QString &kind, int i)
{
    const QString key = QStringLiteral("0000") + two(10 + i) + three(i);
    return {key, QJsonObject{{QStringLiteral("time"), QStringLiteral("6759A0F0")},
                             {QStringLiteral("eventText"), kind + QStringLiteral(" en zona")},
                             {QStringLiteral("zoneText"), QStringLiteral("Planta baja")},
                             {QStringLiteral("elementText"), QStringLiteral("Detector ") + QString::number(10 + i)}}};
}

// Avenar: logical address and sub-address (hexadecimal).
Entry boschEntry(int i)
{
    return {QStringLiteral("0000") + QStringLiteral("%1").arg(0xA0 + i, 4, 16, QLatin1Char('0')).toUpper() + QStringLiteral("03"),
            text(QStringLiteral("Detector"))};
}

struct KindField {
    int field; // of the status payload
    const char *kind;
};

int countAt(const QStringList &f, int i)
{
    bool ok = false;
    const int n = f.value(i).trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace

PanelLists panelEventLists(const PanelModel &panel, const QString &status)
{
    const QString name = QLatin1String(panel.name);
    const QStringList f = status.split(u'|');
    PanelLists out;
    QList<KindField> kinds;
    std::function<Entry(const QString &, int, int)> entry;
    const QStringList countModels{"Syncro", "AD300", "ID3000", "AD600", "MA-2000", "PL-1000"};
    if (countModels.contains(name)) {
        out.node = QStringLiteral("Syncro");
        kinds = {{1, "Fire"},  {2, "Evacuate"}, {3, "Alert"},     {4, name == QLatin1String("MA-2000") ? "PreAlarm" : "Prealarm"},
                 {5, "Security"}, {6, "Fault"}, {7, "Disablement"}, {8, "TechAlarm"}, {9, "Test"}};
        if (name == QLatin1String("Syncro"))
            entry = [](const QString &, int cls, int i) { return syncroEntry(cls, i); };
        else if (name.startsWith(QLatin1String("AD")))
            entry = [ad600 = name == QLatin1String("AD600")](const QString &k, int, int i) { return adEntry(k, i, ad600); };
        else
            entry = [](const QString &, int cls, int i) { return idEntry(cls, i); };
    } else if (name == QLatin1String("JadeBird")) {
        out.node = QStringLiteral("Syncro");
        kinds = {{1, "Fire"}, {6, "Fault"}, {7, "Disablement"}, {8, "Test"}};
        entry = [](const QString &k, int, int i) { return jadeBirdEntry(k, i); };
    } else if (name == QLatin1String("C-TecXFP")) {
        out.node = QStringLiteral("Syncro");
        kinds = {{1, "Fire"}, {6, "Fault"}, {7, "Disablement"}, {9, "Test"}};
        entry = [](const QString &, int, int i) { return ctecEntry(i); };
    } else if (name == QLatin1String("BC600") || name == QLatin1String("BC216")) {
        out.node = QStringLiteral("BC600");
        kinds = {{1, "Alarm"}, {2, "Output"}, {3, "Message"}, {4, "Fault"}, {5, "Disable"}, {6, "Test"}};
        if (name == QLatin1String("BC600"))
            entry = [](const QString &k, int, int i) { return bc600Entry(k, i); };
        else
            entry = [](const QString &k, int, int i) { return bc216Entry(k, i); };
    } else if (name == QLatin1String("Bosch")) {
        out.node = QStringLiteral("Bosch");
        kinds = {{0, "Fire"}, {1, "Fault"}, {2, "Disable"}, {3, "Control"}};
        entry = [](const QString &, int, int i) { return boschEntry(i); };
    } else {
        return {};
    }
    for (const KindField &k : kinds) {
        // C-Tec reports lamp states, not counts: a lit lamp is one event.
        const int n = qMin(countAt(f, k.field), kMaxEntries);
        QJsonObject list;
        for (int i = 1; i <= n; ++i) {
            const Entry e = entry(QLatin1String(k.kind), k.field, i);
            list.insert(e.first, e.second);
        }
        if (!list.isEmpty())
            out.events.insert(QLatin1String(k.kind), list);
    }
    // AD300, AD600 and C-Tec views read their count record back from here.
    if (name == QLatin1String("AD300") || name == QLatin1String("AD600") || name == QLatin1String("C-TecXFP"))
        out.events.insert(QStringLiteral("buzzerAndNums"), status);
    return out;
}

} // namespace velmar::sim
