#include "core/cloud/CloudRecords.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <optional>

namespace velmar::cloud {

QStringList GetRTDBPath(const QString &path)
{
    QString p = path;
    p.replace(u'.', u',').replace(u'\\', u'/');
    return p.split(u'/', Qt::SkipEmptyParts);
}

QString compactJson(const QJsonValue &value)
{
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    if (value.isUndefined())
        return QStringLiteral("null");
    // A scalar is written inside a one-element array, then the brackets go.
    const QByteArray a = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(a.mid(1, a.size() - 2));
}

QString textForm(const QJsonValue &value)
{
    if (value.isObject()) {
        QString text;
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            text += it.key() + QStringLiteral(": ") + compactJson(it.value()) + u'\r';
        return text;
    }
    if (value.isNull() || value.isUndefined())
        return {};
    return compactJson(value);
}

QString scalarText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isNull() || value.isUndefined())
        return {};
    return compactJson(value);
}

qint64 versionNumber(const QString &version)
{
    QString digits = version;
    digits.remove(u'.').remove(u'"');
    digits = digits.trimmed();
    if (digits.isEmpty() || digits.size() > 18)
        return -1;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return -1;
    return digits.toLongLong();
}

QString eventCreated(const QDateTime &moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'hh:mm:ss.zzz"));
}

const QStringList &panelObjectNames()
{
    static const QStringList names = {QStringLiteral("AE-SA"), QStringLiteral("AE-C5"),  QStringLiteral("BC600"),
                                      QStringLiteral("Bosch"), QStringLiteral("Cofem"),  QStringLiteral("Urano"),
                                      QStringLiteral("Syncro"), QStringLiteral("C-TecXFP"), QStringLiteral("JadeBird")};
    return names;
}

// --- module record -------------------------------------------------------------

QString ModuleRecord::value(const QString &name) const
{
    for (const auto &item : items)
        if (item.first == name)
            return item.second;
    return {};
}

bool ModuleRecord::contains(const QString &name) const
{
    for (const auto &item : items)
        if (item.first == name)
            return true;
    return false;
}

void ModuleRecord::set(const QString &name, const QString &value)
{
    // A later member of the same name replaces the earlier one, as in a table.
    for (auto &item : items)
        if (item.first == name) {
            item.second = value;
            return;
        }
    items.append({name, value});
}

QString ModuleRecord::central() const
{
    return value(QStringLiteral("comCentral")).remove(u'\\');
}

qint64 ModuleRecord::coverage() const
{
    bool ok = false;
    // Wide enough for any stored number: the record comes from outside.
    const qint64 level = value(QStringLiteral("gsmStat")).trimmed().toInt(&ok);
    return ok ? level * 100 / 32 : 0;
}

QString ModuleRecord::updatedLocal(const QTimeZone &zone) const
{
    const QString text = value(QStringLiteral("Updated")).trimmed();
    QDateTime utc = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    if (!utc.isValid())
        utc = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!utc.isValid())
        return {};
    utc.setTimeZone(QTimeZone::utc());
    return utc.toTimeZone(zone).toString(QStringLiteral("dd-MM-yyyy   hh:mm:ss"));
}

QStringList ModuleRecord::names(const QString &aliasMember, int count) const
{
    QStringList list = value(aliasMember).split(u'|');
    while (list.size() < count)
        list.append(QString());
    return list.mid(0, count);
}

namespace {

void flattenInto(ModuleRecord &table, const QJsonObject &object)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString &name = it.key();
        const QJsonValue v = it.value();
        if (!v.isObject()) {
            table.set(name, scalarText(v));
            continue;
        }
        const QJsonObject inner = v.toObject();
        if (name == QLatin1String("Identifier")) {
            // Its one member: the module identifier, mapped to the IMEI.
            if (!inner.isEmpty()) {
                table.set(QStringLiteral("Identifier"), inner.begin().key());
                table.set(QStringLiteral("IMEI"), scalarText(inner.begin().value()));
            }
        } else if (panelObjectNames().contains(name)) {
            // The panel's own scalars; its event lists below are read apart.
            for (auto p = inner.begin(); p != inner.end(); ++p) {
                if (p.value().isObject() || p.value().isArray())
                    continue;
                const QString &member = p.key();
                const bool modelNamed = member == QLatin1String("centralStat")
                    || member == QLatin1String("buzzerAndNums") || member == QLatin1String("zonesStat");
                table.set(modelNamed ? name + u'_' + member : member, scalarText(p.value()));
            }
        } else {
            flattenInto(table, inner);
        }
    }
}

} // namespace

ModuleRecord flattenModuleRecord(const QJsonObject &record)
{
    ModuleRecord table;
    flattenInto(table, record);
    return table;
}

ModuleRecord flattenModuleRecord(const QByteArray &json)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    return doc.isObject() ? flattenModuleRecord(doc.object()) : ModuleRecord{};
}

// --- telephones and users --------------------------------------------------------

namespace {

// A member of a record by its name compared case-insensitively (the lists
// know their members lower-cased).
QJsonValue member(const QJsonObject &o, const QString &name)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    return QJsonValue(QJsonValue::Undefined);
}

QString flag(const QJsonValue &v)
{
    return readBoolean(v) ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QList<TelephoneRow> telephoneRows(const QJsonValue &mobileNumbers)
{
    QList<TelephoneRow> rows;
    const QJsonObject numbers = mobileNumbers.toObject();
    for (auto it = numbers.begin(); it != numbers.end(); ++it) {
        const QJsonObject r = it.value().toObject();
        rows.append({it.key(), scalarText(member(r, QStringLiteral("UserName"))),
                     flag(member(r, QStringLiteral("Enabled"))), scalarText(member(r, QStringLiteral("Button")))});
    }
    return rows;
}

QJsonObject telephoneRecord(const QString &userName, const QString &button, const QString &enabled)
{
    return {{QStringLiteral("UserName"), userName},
            {QStringLiteral("Enabled"), enabled == QLatin1String("1")},
            {QStringLiteral("Button"), button}};
}

UserRow userRow(const QString &uid, const QJsonValue &account, const QString &ident)
{
    const QJsonObject a = account.toObject();
    UserRow row{scalarText(member(a, QStringLiteral("email"))), scalarText(member(a, QStringLiteral("nickname"))),
                QStringLiteral("0"), QString(), uid};
    const QJsonObject modulos = member(a, QStringLiteral("Modulos")).toObject();
    for (auto it = modulos.begin(); it != modulos.end(); ++it) {
        if (ident.isEmpty() || !it.key().contains(ident))
            continue;
        const QJsonObject rights = it.value().toObject();
        QStringList buttons;
        for (int b = 1; b <= 4; ++b)
            if (readBoolean(member(rights, QStringLiteral("b%1Enabled").arg(b))))
                buttons << QString::number(b);
        row.buttons = buttons.join(u',');
        row.enabled = flag(member(rights, QStringLiteral("enabled")));
        break;
    }
    return row;
}

QJsonObject userRights(const QString &boto, const QString &enabled)
{
    QJsonObject rights;
    int count = 0;
    for (int b = 1; b <= 4; ++b) {
        const bool on = boto.contains(QChar(u'0' + b));
        count += on ? 1 : 0;
        rights.insert(QStringLiteral("b%1Enabled").arg(b), on);
    }
    rights.insert(QStringLiteral("numButtonsEnabled"), count);
    rights.insert(QStringLiteral("enabled"), enabled == QLatin1String("1"));
    return rights;
}

QString uidForEmail(const QJsonValue &users, const QString &email)
{
    const QString wanted = email.trimmed();
    if (wanted.isEmpty())
        return {};
    const QJsonObject all = users.toObject();
    for (auto it = all.begin(); it != all.end(); ++it)
        if (scalarText(member(it.value().toObject(), QStringLiteral("email"))).trimmed().compare(
                wanted, Qt::CaseInsensitive) == 0)
            return it.key();
    return {};
}

QString buttonsMarked(const QJsonValue &rights)
{
    const QJsonObject r = rights.toObject();
    QStringList flags;
    for (int b = 1; b <= 4; ++b) {
        const QString text = compactJson(member(r, QStringLiteral("b%1Enabled").arg(b)));
        // Button 1 is allowed unless it is refused; the others only when granted.
        const bool on = b == 1 ? !text.contains(QLatin1String("false")) : text.contains(QLatin1String("true"));
        flags << (on ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return flags.join(u',');
}

// --- event history ------------------------------------------------------------------

QString cleanCreated(const QString &created)
{
    QString c = created;
    c.replace(u'T', u' ');
    const qsizetype star = c.indexOf(QLatin1String("* "));
    if (star >= 0)
        c.truncate(star);
    c.replace(u'/', u'-');
    for (const char *word : {"Dia:", "Hora:", "Date:", "Hour:"})
        c.remove(QLatin1String(word));
    c.remove(QStringLiteral("D\u00EDa:")).remove(QStringLiteral("Día:"));
    c = c.trimmed();
    if (c.size() >= 10 && c.at(4) == u'-')
        c = c.mid(8, 2) + u'-' + c.mid(5, 2) + u'-' + c.left(4) + c.mid(10);
    return c.trimmed();
}

namespace {

std::optional<QDateTime> parseCreated(const QString &created)
{
    const QString c = cleanCreated(created).simplified();
    const QDate d = QDate::fromString(c.section(u' ', 0, 0), QStringLiteral("dd-MM-yyyy"));
    const QString t = c.section(u' ', 1, 1);
    const QTime tm = QTime::fromString(t.left(8), QStringLiteral("hh:mm:ss"));
    if (!d.isValid() || !tm.isValid())
        return std::nullopt;
    return QDateTime(d, tm, QTimeZone::utc());
}

} // namespace

QList<HistoryRow> historyRows(const QJsonValue &events, const QDateTime &after, const QTimeZone &zone)
{
    struct Item {
        QDateTime utc;
        QString key;
        QJsonObject event;
    };
    QList<Item> items;
    const QJsonObject all = events.toObject();
    for (auto it = all.begin(); it != all.end(); ++it) {
        const QJsonObject e = it.value().toObject();
        // An event whose time does not parse cannot be placed: left out.
        if (const auto utc = parseCreated(scalarText(member(e, QStringLiteral("Created")))))
            items.append({*utc, it.key(), e});
    }
    // Newest first, whatever form each module wrote its time in.
    std::sort(items.begin(), items.end(), [](const Item &a, const Item &b) {
        return a.utc != b.utc ? a.utc > b.utc : a.key > b.key;
    });
    static const QDateTime lossesCounted(QDate(2021, 7, 31), QTime(0, 0), QTimeZone::utc());
    QList<HistoryRow> rows;
    for (const Item &item : items) {
        if (compactJson(item.event).toLower().contains(QLatin1String("perdida")) && item.utc > lossesCounted)
            continue;
        const QDateTime local = item.utc.toTimeZone(zone);
        if (after.isValid() && local <= after)
            continue;
        QString message = scalarText(member(item.event, QStringLiteral("MessageTxt")));
        // Line breaks, stored or written as escapes, become blanks.
        message.replace(u'\n', u' ').replace(u'\r', u' ');
        message.replace(QLatin1String("\\n"), QLatin1String(" ")).replace(QLatin1String("\\r"), QLatin1String(" "));
        message.remove(u'\\');
        const QString mail = scalarText(member(item.event, QStringLiteral("UserMail")));
        rows.append({int(rows.size()) + 1, local.toString(QStringLiteral("dd-MM-yyyy")),
                     local.toString(QStringLiteral("hh:mm:ss")),
                     mail.isEmpty() ? scalarText(member(item.event, QStringLiteral("UserId"))) : mail,
                     scalarText(member(item.event, QStringLiteral("UserName"))), message,
                     scalarText(member(item.event, QStringLiteral("EventId"))),
                     scalarText(member(item.event, QStringLiteral("ButtonNumber")))});
    }
    return rows;
}

bool readBoolean(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool();
    return value.isString() && value.toString().trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

int readInteger(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double d = value.toDouble();
        return d >= -1e9 && d <= 1e9 ? int(d) : 0;
    }
    bool ok = false;
    const int n = value.toString().trimmed().toInt(&ok);
    return ok ? n : 0;
}

QString sitePath(const QString &empresa, const QString &instal, const QString &ref)
{
    QString path = QStringLiteral("Companies/") + empresa;
    if (!instal.isEmpty())
        path += QStringLiteral("/Installers/") + instal;
    if (!ref.isEmpty())
        path += QStringLiteral("/References/") + ref;
    return path;
}

QString siteKeyMember(const QString &instal, const QString &ref)
{
    return !ref.isEmpty()      ? QStringLiteral("KeyReference")
           : !instal.isEmpty() ? QStringLiteral("KeyInstaller")
                               : QStringLiteral("KeyCom");
}

QString siteCreatedMember(const QString &instal, const QString &ref)
{
    return !ref.isEmpty()      ? QStringLiteral("CreatedDateReference")
           : !instal.isEmpty() ? QStringLiteral("CreatedDateInstaller")
                               : QStringLiteral("CreatedDateCom");
}

} // namespace velmar::cloud
