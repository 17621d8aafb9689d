#include "CloudDatabase.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <algorithm>

namespace velmar::sim {

namespace {

const char kPushChars[] = "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr int kMaxKeyBytes = 768;

// Keys that read as 32-bit integers sort numerically before all others.
std::optional<qint64> intKey(const QString &k)
{
    if (k.isEmpty() || k.size() > 11)
        return std::nullopt;
    if (k == QLatin1String("0"))
        return 0;
    const qsizetype digits = k.startsWith(u'-') ? 1 : 0;
    if (k.size() == digits || k[digits] == u'0')
        return std::nullopt;
    for (qsizetype i = digits; i < k.size(); ++i)
        if (!k[i].isDigit() || k[i].unicode() > 127)
            return std::nullopt;
    const qint64 n = k.toLongLong();
    if (n < INT32_MIN || n > INT32_MAX)
        return std::nullopt;
    return n;
}

bool keyLess(const QString &a, const QString &b)
{
    const auto ia = intKey(a);
    const auto ib = intKey(b);
    if (ia && ib)
        return *ia < *ib;
    if (ia || ib)
        return bool(ia);
    return a < b;
}

int rank(const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Bool: return v.toBool() ? 2 : 1;
    case QJsonValue::Double: return 3;
    case QJsonValue::String: return 4;
    case QJsonValue::Object:
    case QJsonValue::Array: return 5;
    default: return 0;
    }
}

// null < false < true < numbers < strings < objects; objects tie.
int compareValues(const QJsonValue &a, const QJsonValue &b)
{
    const int ra = rank(a);
    const int rb = rank(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    if (ra == 3)
        return a.toDouble() < b.toDouble() ? -1 : (a.toDouble() > b.toDouble() ? 1 : 0);
    if (ra == 4)
        return QString::compare(a.toString(), b.toString());
    return 0;
}

// What the tree keeps of a written value: arrays become objects keyed by
// index, nulls and empty objects vanish. False when a key is not allowed.
bool normalised(const QJsonValue &in, QJsonValue *out, QString *badKey)
{
    if (in.isArray()) {
        const QJsonArray a = in.toArray();
        QJsonObject o;
        for (qsizetype i = 0; i < a.size(); ++i)
            o.insert(QString::number(i), a.at(i));
        return normalised(o, out, badKey);
    }
    if (!in.isObject()) {
        *out = in.isUndefined() ? QJsonValue() : in;
        return true;
    }
    const QJsonObject o = in.toObject();
    QJsonObject kept;
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!CloudDatabase::validKey(it.key())) {
            *badKey = it.key();
            return false;
        }
        QJsonValue child;
        if (!normalised(it.value(), &child, badKey))
            return false;
        if (!child.isNull())
            kept.insert(it.key(), child);
    }
    *out = kept.isEmpty() ? QJsonValue() : QJsonValue(kept);
    return true;
}

// An object keyed 0..n, more than half of them present, reads back as an array.
QJsonValue forOutput(const QJsonValue &v)
{
    if (!v.isObject())
        return v;
    const QJsonObject o = v.toObject();
    qint64 max = -1;
    bool allIndices = true;
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto n = intKey(it.key());
        if (!n || *n < 0) {
            allIndices = false;
            break;
        }
        max = std::max(max, *n);
    }
    if (allIndices && max >= 0 && o.size() * 2 > max + 1) {
        QJsonArray a;
        for (qint64 i = 0; i <= max; ++i)
            a.append(forOutput(o.value(QString::number(i))));
        return a;
    }
    QJsonObject out;
    for (auto it = o.begin(); it != o.end(); ++it)
        out.insert(it.key(), forOutput(it.value()));
    return out;
}

QJsonValue valueAt(const QJsonValue &node, const QStringList &path, qsizetype from = 0)
{
    QJsonValue v = node;
    for (qsizetype i = from; i < path.size(); ++i) {
        if (!v.isObject())
            return QJsonValue();
        v = v.toObject().value(path[i]);
    }
    return v.isUndefined() ? QJsonValue() : v;
}

QJsonValue setIn(const QJsonValue &node, const QStringList &path, qsizetype i, const QJsonValue &v)
{
    if (i == path.size())
        return v;
    QJsonObject o = node.isObject() ? node.toObject() : QJsonObject();
    const QJsonValue child = setIn(o.value(path[i]), path, i + 1, v);
    if (child.isNull() || child.isUndefined())
        o.remove(path[i]);
    else
        o.insert(path[i], child);
    return o.isEmpty() ? QJsonValue() : QJsonValue(o);
}

CloudDatabase::Answer bad(const QString &message, int status = 400)
{
    return {status, CloudDatabase::errorBody(message), false};
}

} // namespace

bool CloudDatabase::validKey(const QString &key)
{
    if (key.isEmpty() || key.toUtf8().size() > kMaxKeyBytes)
        return false;
    for (QChar c : key) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (QStringView(u".$#[]/").contains(c))
            return false;
    }
    return true;
}

bool CloudDatabase::splitPath(const QString &path, QStringList *levels, QString *error)
{
    levels->clear();
    for (const QString &level : path.split(u'/', Qt::SkipEmptyParts)) {
        if (!validKey(level)) {
            *error = QStringLiteral("Invalid path: \"%1\" is not a valid key").arg(level);
            return false;
        }
        levels->append(level);
    }
    return true;
}

std::optional<QJsonValue> CloudDatabase::parseJson(const QByteArray &text)
{
    // The document parser takes objects and arrays only: wrap the text.
    QJsonParseError e;
    const QJsonDocument d = QJsonDocument::fromJson("[" + text + "]", &e);
    if (e.error != QJsonParseError::NoError || !d.isArray() || d.array().size() != 1)
        return std::nullopt;
    return d.array().at(0);
}

QByteArray CloudDatabase::toJson(const QJsonValue &v)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QByteArray CloudDatabase::errorBody(const QString &message)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("error"), message}}).toJson(QJsonDocument::Compact);
}

QJsonValue CloudDatabase::value(const QStringList &path) const
{
    return valueAt(m_root, path);
}

void CloudDatabase::setRoot(const QJsonObject &root)
{
    QJsonValue v;
    QString badKey;
    m_root = normalised(root, &v, &badKey) ? v.toObject() : QJsonObject();
}

void CloudDatabase::write(const QStringList &path, const QJsonValue &v)
{
    m_root = setIn(m_root, path, 0, v).toObject();
}

CloudDatabase::Answer CloudDatabase::get(const QStringList &path, const QUrlQuery &query) const
{
    static const QStringList known = {
        QStringLiteral("auth"),       QStringLiteral("print"),       QStringLiteral("shallow"),
        QStringLiteral("orderBy"),    QStringLiteral("limitToFirst"), QStringLiteral("limitToLast"),
        QStringLiteral("startAt"),    QStringLiteral("endAt"),       QStringLiteral("equalTo"),
        QStringLiteral("timeout"),    QStringLiteral("format")};
    QStringList given;
    for (const auto &[name, v] : query.queryItems(QUrl::FullyDecoded)) {
        if (!known.contains(name))
            return bad(QStringLiteral("Invalid parameter: %1").arg(name));
        given.append(name);
    }
    const QJsonValue node = value(path);
    const auto has = [&](const char *n) { return given.contains(QLatin1String(n)); };
    const auto item = [&](const char *n) { return query.queryItemValue(QLatin1String(n), QUrl::FullyDecoded); };

    if (has("shallow")) {
        if (item("shallow") != QLatin1String("true"))
            return bad(QStringLiteral("shallow must be true"));
        for (const char *n : {"orderBy", "limitToFirst", "limitToLast", "startAt", "endAt", "equalTo"})
            if (has(n))
                return bad(QStringLiteral("Mixing 'shallow' and querying parameters is not supported"));
        if (!node.isObject())
            return {200, toJson(node), false};
        QJsonObject out;
        const QJsonObject o = node.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            out.insert(it.key(), it.value().isObject() ? QJsonValue(true) : it.value());
        return {200, toJson(out), false};
    }

    const bool filtered = has("limitToFirst") || has("limitToLast") || has("startAt") || has("endAt") || has("equalTo");
    if (!has("orderBy")) {
        if (filtered)
            return bad(QStringLiteral("orderBy must be defined when other query parameters are defined"));
        return {200, toJson(forOutput(node)), false};
    }
    const std::optional<QJsonValue> orderBy = parseJson(item("orderBy").toUtf8());
    if (!orderBy || !orderBy->isString() || orderBy->toString().isEmpty())
        return bad(QStringLiteral("orderBy must be a valid JSON encoded path"));
    const QString by = orderBy->toString();
    const bool byKey = by == QLatin1String("$key");
    const bool byValue = by == QLatin1String("$value");
    QStringList childPath;
    if (!byKey && !byValue) {
        QString error;
        if (by.startsWith(u'$') || !splitPath(by, &childPath, &error) || childPath.isEmpty())
            return bad(QStringLiteral("orderBy must be a valid JSON encoded path"));
    }
    struct Bound {
        const char *name;
        std::optional<QJsonValue> v;
    };
    Bound bounds[] = {{"startAt", {}}, {"endAt", {}}, {"equalTo", {}}};
    for (Bound &b : bounds) {
        if (!has(b.name))
            continue;
        b.v = parseJson(item(b.name).toUtf8());
        if (!b.v || b.v->isObject() || b.v->isArray())
            return bad(QStringLiteral("%1 must be a valid JSON value").arg(QLatin1String(b.name)));
        if (byKey && !b.v->isString())
            return bad(QStringLiteral("%1: index field must be a string when ordering by key").arg(QLatin1String(b.name)));
    }
    int limit = -1;
    bool fromLast = false;
    if (has("limitToFirst") && has("limitToLast"))
        return bad(QStringLiteral("Only one of limitToFirst and limitToLast may be given"));
    for (const char *n : {"limitToFirst", "limitToLast"}) {
        if (!has(n))
            continue;
        bool ok = false;
        limit = item(n).toInt(&ok);
        if (!ok || limit <= 0)
            return bad(QStringLiteral("%1 must be a positive integer").arg(QLatin1String(n)));
        fromLast = n[7] == 'L';
    }
    if (!node.isObject())
        return {200, toJson(forOutput(node)), false};

    struct Child {
        QString key;
        QJsonValue sortValue;
        QJsonValue v;
    };
    QList<Child> children;
    const QJsonObject o = node.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QJsonValue sortValue = byKey     ? QJsonValue(it.key())
                                     : byValue ? it.value()
                                               : valueAt(it.value(), childPath);
        children.append({it.key(), sortValue, it.value()});
    }
    std::sort(children.begin(), children.end(), [byKey](const Child &a, const Child &b) {
        if (!byKey) {
            const int c = compareValues(a.sortValue, b.sortValue);
            if (c != 0)
                return c < 0;
        }
        return keyLess(a.key, b.key);
    });
    const auto cmp = [byKey](const QJsonValue &a, const QJsonValue &b) {
        if (byKey)
            return keyLess(a.toString(), b.toString()) ? -1 : (keyLess(b.toString(), a.toString()) ? 1 : 0);
        return compareValues(a, b);
    };
    QList<Child> kept;
    for (const Child &c : children) {
        if (bounds[0].v && cmp(c.sortValue, *bounds[0].v) < 0)
            continue;
        if (bounds[1].v && cmp(c.sortValue, *bounds[1].v) > 0)
            continue;
        if (bounds[2].v && cmp(c.sortValue, *bounds[2].v) != 0)
            continue;
        kept.append(c);
    }
    if (limit >= 0 && kept.size() > limit)
        kept = fromLast ? kept.mid(kept.size() - limit) : kept.first(limit);
    QJsonObject out;
    for (const Child &c : kept)
        out.insert(c.key, forOutput(c.v));
    return {200, toJson(out), false};
}

CloudDatabase::Answer CloudDatabase::put(const QStringList &path, const QByteArray &body)
{
    const std::optional<QJsonValue> v = parseJson(body);
    if (!v)
        return bad(QStringLiteral("Invalid data; couldn't parse JSON object, array, or value."));
    QJsonValue stored;
    QString badKey;
    if (!normalised(*v, &stored, &badKey))
        return bad(QStringLiteral("Invalid data; invalid key \"%1\"").arg(badKey));
    write(path, stored);
    return {200, toJson(*v), true};
}

CloudDatabase::Answer CloudDatabase::patch(const QStringList &path, const QByteArray &body)
{
    const std::optional<QJsonValue> v = parseJson(body);
    if (!v || !v->isObject())
        return bad(QStringLiteral("Invalid data; couldn't parse JSON object."));
    // Every location is checked before the first is written: all or nothing.
    QList<std::pair<QStringList, QJsonValue>> writes;
    const QJsonObject o = v->toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        QStringList rel;
        QString error;
        if (!splitPath(it.key(), &rel, &error) || rel.isEmpty())
            return bad(QStringLiteral("Invalid data; invalid key \"%1\"").arg(it.key()));
        QJsonValue stored;
        QString badKey;
        if (!normalised(it.value(), &stored, &badKey))
            return bad(QStringLiteral("Invalid data; invalid key \"%1\"").arg(badKey));
        const QStringList at = path + rel;
        for (const auto &[other, ov] : writes) {
            const qsizetype n = std::min(other.size(), at.size());
            if (other.first(n) == at.first(n))
                return bad(QStringLiteral("Invalid data; ancestor path or duplicate path \"%1\" in update").arg(it.key()));
        }
        writes.append({at, stored});
    }
    for (const auto &[at, stored] : writes)
        write(at, stored);
    return {200, toJson(*v), !writes.isEmpty()};
}

CloudDatabase::Answer CloudDatabase::post(const QStringList &path, const QByteArray &body)
{
    const std::optional<QJsonValue> v = parseJson(body);
    if (!v)
        return bad(QStringLiteral("Invalid data; couldn't parse JSON object, array, or value."));
    QJsonValue stored;
    QString badKey;
    if (!normalised(*v, &stored, &badKey))
        return bad(QStringLiteral("Invalid data; invalid key \"%1\"").arg(badKey));
    const QString id = pushId(QDateTime::currentMSecsSinceEpoch());
    write(path + QStringList{id}, stored);
    return {200, toJson(QJsonObject{{QStringLiteral("name"), id}}), true};
}

CloudDatabase::Answer CloudDatabase::remove(const QStringList &path)
{
    const bool existed = !value(path).isNull();
    write(path, QJsonValue());
    return {200, QByteArrayLiteral("null"), existed};
}

QString CloudDatabase::pushId(qint64 ms)
{
    if (ms < m_lastPushMs)
        ms = m_lastPushMs; // a clock stepping back must not break the order
    if (ms != m_lastPushMs || m_lastRandom.size() != 12) {
        m_lastRandom.clear();
        for (int i = 0; i < 12; ++i)
            m_lastRandom.append(int(QRandomGenerator::global()->bounded(64)));
    } else {
        int i = 11;
        while (i >= 0 && m_lastRandom[i] == 63)
            m_lastRandom[i--] = 0;
        if (i >= 0)
            ++m_lastRandom[i];
    }
    m_lastPushMs = ms;
    QString id(20, u' ');
    qint64 t = ms;
    for (int i = 7; i >= 0; --i) {
        id[i] = QLatin1Char(kPushChars[t % 64]);
        t /= 64;
    }
    for (int i = 0; i < 12; ++i)
        id[8 + i] = QLatin1Char(kPushChars[m_lastRandom[i]]);
    return id;
}

} // namespace velmar::sim
