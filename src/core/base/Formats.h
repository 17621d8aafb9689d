#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace velmar::formats {

// The program's own formats, the same whatever the user's locale says:
// dates "dd/mm/yyyy", short times "hh:mm", long times "hh:mm:ss.zzz" and a
// decimal comma. Every formatting and parsing of dates, times and numbers
// goes through here.
QLocale locale();

QString date(const QDate &d);             // 09/03/2026
QString shortTime(const QTime &t);        // 07:05
QString longTime(const QTime &t);         // 07:05:09.042
QString dateTime(const QDateTime &dt);    // 09/03/2026 07:05
QString number(double v, int decimals);   // 12,3

std::optional<QDate> parseDate(const QString &text);
std::optional<QTime> parseShortTime(const QString &text);
std::optional<double> parseNumber(const QString &text);

} // namespace velmar::formats
