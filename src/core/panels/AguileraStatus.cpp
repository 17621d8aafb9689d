#include "core/panels/AguileraStatus.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// The translation context of these texts (lupdate reads it from here).
struct AguileraStatus {
    Q_DECLARE_TR_FUNCTIONS(AguileraStatus)
};
} // namespace

namespace velmar::panels {

namespace {

constexpr int kMaxEntries = 3;
constexpr int kMaxCount = 999999; // more zones than any panel has

// "12=Pasillo" as the view keeps it: "0012  Pasillo".
QString storedEntry(const QString &entry)
{
    if (entry.contains(QLatin1String("9999")))
        return QStringLiteral("9999 ") + AguileraStatus::tr("Zona de sistema");
    const qsizetype eq = entry.indexOf(u'=');
    const QString number = (eq < 0 ? entry : entry.left(eq)).trimmed();
    const QString name = eq < 0 ? QString() : entry.mid(eq + 1);
    return number.rightJustified(4, u'0') + QStringLiteral("  ") + name;
}

// Two hexadecimal digits at `at`; -1 when there are not two.
int hexPair(const QString &s, qsizetype at)
{
    const auto digit = [&s](qsizetype i) {
        if (i >= s.size())
            return -1;
        const char16_t c = s[i].unicode();
        return c >= u'0' && c <= u'9' ? c - u'0'
               : c >= u'A' && c <= u'F' ? c - u'A' + 10
               : c >= u'a' && c <= u'f' ? c - u'a' + 10
                                        : -1;
    };
    const int hi = digit(at);
    const int lo = digit(at + 1);
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

void lamp(PanelStatus &st, LampGroup g, int index, int tag)
{
    st.lamps.append({g, index, tag});
}

} // namespace

AesaStatus Info_Central_AESA(const QString &text)
{
    AesaStatus st;
    const qsizetype colon = text.indexOf(u':');
    const QStringList counts = (colon < 0 ? text : text.left(colon)).split(u'|');
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const qlonglong n = counts.value(i).trimmed().toLongLong(&ok);
        st.counts[i] = ok ? int(std::clamp<qlonglong>(n, 0, kMaxCount)) : 0;
    }
    if (colon < 0)
        return st;
    const QStringList lists = text.mid(colon + 1).split(u'|');
    for (int i = 0; i < 4; ++i) {
        for (const QString &e : lists.value(i).split(u';', Qt::SkipEmptyParts)) {
            if (st.zones[i].size() == kMaxEntries)
                break;
            if (!e.trimmed().isEmpty())
                st.zones[i] << storedEntry(e);
        }
    }
    return st;
}

bool zoneInTest(const QString &entry)
{
    return entry.contains(QLatin1String("  *"));
}

AguileraListText aguileraListText(const AesaStatus &status, AguiList list)
{
    static const char *const headings[] = {
        QT_TRANSLATE_NOOP("AguileraStatus", " ESTADO DE ALARMA: "),
        QT_TRANSLATE_NOOP("AguileraStatus", " ESTADO DE AVERIA: "),
        QT_TRANSLATE_NOOP("AguileraStatus", " ESTADO DE DESCONEXION: "),
        QT_TRANSLATE_NOOP("AguileraStatus", " ESTADO DE PRUEBAS: "),
    };
    static const char *const stateLines[] = {
        QT_TRANSLATE_NOOP("AguileraStatus", " ZONA EN ALARMA"),
        QT_TRANSLATE_NOOP("AguileraStatus", " ZONA EN AVERIA"),
        QT_TRANSLATE_NOOP("AguileraStatus", " ZONA DESCONECTADA"),
        QT_TRANSLATE_NOOP("AguileraStatus", " ZONA EN PRUEBA"),
    };
    const int i = int(list) - 1;
    const int n = status.counts[i];
    const QStringList &entries = status.zones[i];
    AguileraListText t;
    t.heading = AguileraStatus::tr(headings[i]) + QString::number(n) + u' ' + AguileraStatus::tr("zonas");
    if (n <= 0)
        return t;

    // Entry `e` of the stored three, numbered `place`/N.
    const auto entry = [&](int e, int place) {
        const QString stored = entries.value(e);
        QString heading = QStringLiteral(" ") + QString::number(place) + u'/' + QString::number(n)
                          + AguileraStatus::tr(stateLines[i]);
        if (list != AguiList::Test && zoneInTest(stored))
            heading += AguileraStatus::tr(" (PRUEBAS)");
        QString shown = stored;
        if (zoneInTest(shown))
            shown.replace(shown.indexOf(QLatin1String("  *")), 3, QStringLiteral("  "));
        t.lines << heading << QStringLiteral("   ") + shown << QString();
    };
    t.lines << QString();
    entry(0, 1);
    if (n == 2) {
        entry(1, 2);
    } else if (n > 2) {
        entry(1, n - 1);
        entry(2, n);
    }
    return t;
}

Aec5Status Info_Central_AEC5(const QString &text)
{
    Aec5Status st;
    const QStringList f = text.split(u'|');
    bool ok = false;
    const int polling = f.value(0).trimmed().toInt(&ok, 16);
    if (ok)
        st.polling = polling;

    // Seven digits, or seven two-digit hexadecimal values.
    const QString lamps = f.value(2).trimmed();
    const bool hex = lamps.size() >= 14;
    for (int i = 0; i < 7; ++i) {
        if (hex) {
            const int v = hexPair(lamps, 2 * i);
            st.lamps[i] = std::max(v, 0);
        } else if (i < lamps.size()) {
            st.lamps[i] = lamps[i].isDigit() ? lamps[i].digitValue() : 0;
        }
    }

    const QString zones = f.value(3).trimmed();
    for (int z = 0; z < 16; ++z) {
        const int v = hexPair(zones, 2 * z);
        if (v >= 0)
            st.zones[z] = v;
    }
    return st;
}

PanelStatus aec5Lamps(const Aec5Status &s)
{
    PanelStatus st;
    if (const std::optional<bool> error = s.interfaceError())
        st.named.insert(QStringLiteral("REInterCentral"), *error ? 1 : 0);
    for (int i = 0; i < 7; ++i) {
        if (!s.lamps[i])
            continue;
        lamp(st, LampGroup::PunterLedEstat, i, *s.lamps[i]);
        if (*s.lamps[i] == 2)
            st.reloadEstat = true;
    }
    using namespace zoneflag;
    for (int z = 1; z <= 16; ++z) {
        const std::optional<int> flags = s.zones[z - 1];
        if (!flags)
            continue; // an unreadable zone keeps its lamps
        const int v = *flags;
        int alarm = 0, fault = 0, picture = 0, number = 0;
        if (v & Present) {
            alarm = fault = 8;
            if (v & AlarmLit)
                alarm = 1;
            if (v & AlarmFlashing)
                alarm = 2;
            if (v & FaultLit)
                fault = 3;
            if (v & FaultFlashing)
                fault = 4;
            picture = v & CallPoint ? 2 : 1;
            number = v & Marked ? 1 : 0;
        }
        if (alarm == 2 || fault == 4)
            st.reloadSlow = true;
        lamp(st, LampGroup::PunterLedZones, z, alarm);
        lamp(st, LampGroup::PunterLedZones, 16 + z, fault);
        lamp(st, LampGroup::PunterImatgeZones, z, picture);
        lamp(st, LampGroup::PunterNumZones, z, number);
    }
    return st;
}

InterCentralLook interfaceLook(bool error)
{
    return error ? InterCentralLook{true, AguileraStatus::tr("ERROR INTERFACE"), colours::Red}
                 : InterCentralLook{true, AguileraStatus::tr("INTERFACE OK"), colours::Green};
}

} // namespace velmar::panels
