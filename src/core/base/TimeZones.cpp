#include "core/base/TimeZones.h"

#include <QTimeZone>

#include <array>

namespace velmar::zones {

namespace {
constexpr int kFirstOffset = -10;
constexpr std::array<const char *, 24> kZones = {
    "Pacific/Honolulu", "America/Juneau",   "America/Los_Angeles", "America/Denver",
    "America/Chicago",  "America/Bogota",   "America/Caracas",     "America/Punta_Arenas",
    "America/Noronha",  "Atlantic/Azores",  "Europe/London",       "Europe/Paris",
    "Europe/Riga",      "Europe/Moscow",    "Asia/Dubai",          "Asia/Karachi",
    "Asia/Omsk",        "Asia/Jakarta",     "Asia/Hong_Kong",      "Asia/Seoul",
    "Asia/Vladivostok", "Asia/Magadan",     "Antarctica/McMurdo",  "Pacific/Apia",
};

// Reads a UTC instant whatever spec the caller gave it (a naive value is UTC).
QDateTime asUtc(const QDateTime &dt)
{
    if (dt.timeSpec() == Qt::LocalTime)
        return QDateTime(dt.date(), dt.time(), QTimeZone::utc());
    return dt.toUTC();
}
} // namespace

QString TexteZonaHoraria(int zonaHoraria)
{
    // Compared before subtracting: an offset near INT_MAX must not overflow.
    if (zonaHoraria < kFirstOffset || zonaHoraria >= kFirstOffset + int(kZones.size()))
        return QStringLiteral("Europe/Paris");
    return QString::fromLatin1(kZones[size_t(zonaHoraria - kFirstOffset)]);
}

QDateTime ConvertirHoraLocal(const QDateTime &utc, const QString &strZonaHoraria)
{
    const QTimeZone zone(strZonaHoraria.toLatin1());
    if (!zone.isValid() || !utc.isValid())
        return utc;
    return asUtc(utc).toTimeZone(zone);
}

QDateTime LocalDateTimeFromUTCDateTime(const QDateTime &utc)
{
    if (!utc.isValid())
        return utc;
    const QDateTime local = asUtc(utc).toLocalTime();
    return local.isValid() ? local : utc;
}

} // namespace velmar::zones
