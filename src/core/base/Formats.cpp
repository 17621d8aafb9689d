#include "core/base/Formats.h"

namespace velmar::formats {

namespace {
const QString kDate = QStringLiteral("dd/MM/yyyy");
const QString kShortTime = QStringLiteral("hh:mm");
const QString kLongTime = QStringLiteral("hh:mm:ss.zzz");
} // namespace

QLocale locale()
{
    // Spanish (Spain) has the decimal comma; group separators are not used.
    QLocale l(QLocale::Spanish, QLocale::Spain);
    l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return l;
}

QString date(const QDate &d) { return d.toString(kDate); }
QString shortTime(const QTime &t) { return t.toString(kShortTime); }
QString longTime(const QTime &t) { return t.toString(kLongTime); }
QString dateTime(const QDateTime &dt) { return date(dt.date()) + u' ' + shortTime(dt.time()); }

QString number(double v, int decimals)
{
    return locale().toString(v, 'f', decimals);
}

std::optional<QDate> parseDate(const QString &text)
{
    const QDate d = QDate::fromString(text.trimmed(), kDate);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

std::optional<QTime> parseShortTime(const QString &text)
{
    const QTime t = QTime::fromString(text.trimmed(), kShortTime);
    return t.isValid() ? std::optional<QTime>(t) : std::nullopt;
}

std::optional<double> parseNumber(const QString &text)
{
    bool ok = false;
    const double v = locale().toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

} // namespace velmar::formats
