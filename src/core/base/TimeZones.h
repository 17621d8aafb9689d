#pragma once

#include <QDateTime>
#include <QString>

namespace velmar::zones {

// The module keeps whole-hour UTC offsets; the cloud keeps UTC. These name
// the module's zone and move instants between the three clocks.

// Time-zone database name of a module offset; "Europe/Paris" outside -10..13.
QString TexteZonaHoraria(int zonaHoraria);

// The UTC instant as wall time of the named zone (daylight saving from the
// zone data). An unknown zone or an invalid instant returns the input.
QDateTime ConvertirHoraLocal(const QDateTime &utc, const QString &strZonaHoraria);

// The UTC instant as the PC's local wall time; the input when that fails.
QDateTime LocalDateTimeFromUTCDateTime(const QDateTime &utc);

} // namespace velmar::zones
