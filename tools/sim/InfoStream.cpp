#include "InfoStream.h"

#include <QStringList>

namespace velmar::sim::info {

namespace {

// The record's own separators cannot appear inside a field.
QString field(QString v)
{
    for (QChar &c : v)
        if (c == u'|' || c == u'#' || c == u'{' || c == u'}' || c == u'\r' || c == u'\n')
            c = u' ';
    return v;
}

// A panel payload keeps its own "|" separators but cannot hold a record's.
QString payloadText(QString v)
{
    for (QChar &c : v)
        if (c == u'#' || c == u'{' || c == u'}' || c == u'\r' || c == u'\n')
            c = u' ';
    return v;
}

QString hex(int v)
{
    return QString::number(v, 16).toUpper();
}

// Field i (from 0) of a ";" record, "" when missing.
QString part(const QString &record, int i)
{
    return record.section(u';', i, i);
}

// The last ";" field of a record: the alias of an input, output or sensor.
QString alias(const QString &record)
{
    return record.section(u';', -1);
}

bool on(const QString &flags, int i)
{
    return i < flags.size() && flags.at(i) == u'1';
}

// state:value:trigger level:restore level, values in hexadecimal
QString gauge(bool normal, int value, const QString &levels)
{
    return QStringLiteral("%1:%2:%3:%4")
        .arg(normal ? QStringLiteral("1") : QStringLiteral("0"))
        .arg(hex(value), hex(part(levels, 0).toInt()), hex(part(levels, 1).toInt()));
}

} // namespace

QString timeSegment(const QDateTime &now, const ParamStore &store)
{
    bool ok = false;
    int zone = store.value(0x0120).toInt(&ok);
    if (!ok || zone < 0 || zone > 999)
        zone = 1;
    return u'0' + now.toString(QStringLiteral("ddMMyyHHmmss")) + u'|'
           + QStringLiteral("%1").arg(zone, 3, 10, QLatin1Char('0'));
}

QString identSegment(const ModuleState &s, const ParamStore &store)
{
    return u'1' + field(store.value(0x0102)) + u'|' + field(store.value(0x0103)) + u'|'
           + field(store.value(0x0104)) + u'|' + field(s.id.identifier) + u':' + field(s.id.imei)
           + u'|' + field(s.id.panelType);
}

QString linkStates(const ModuleState &s, const ParamStore &store)
{
    const QString parts = s.id.parts;
    const QString active = store.value(0x0106);
    const auto usable = [&](int i) { return on(parts, i) && on(active, i); };

    const int gprs = s.gprs >= 0 ? s.gprs : (usable(0) ? 5 : 0);
    const int adsl = s.adsl >= 0 ? s.adsl : (usable(1) ? 6 : 0);
    int com = s.com;
    if (com < 0)
        com = !usable(2) ? 0 : (s.id.panelType.isEmpty() ? 1 : 3);
    QString es = s.es;
    if (es.isEmpty())
        es = !on(parts, 3) ? QStringLiteral("F") : (on(active, 3) ? QStringLiteral("1") : QStringLiteral("0"));
    return QString::number(gprs % 10) + QString::number(adsl % 10) + QString::number(com % 10) + es.left(1);
}

QString statusSegment(const ModuleState &s, const ParamStore &store)
{
    QString inputs, outputs;
    for (bool b : s.inputs)
        inputs += b ? u'1' : u'0';
    for (bool b : s.outputs)
        outputs += b ? u'1' : u'0';
    const QString tamper = gauge(!s.tamperTriggered, s.tamperTriggered ? 0xE6 : 0x14, store.value(0x3503));
    const QString power = gauge(!s.powerLow, s.powerLow ? 0x55 : 0x71, store.value(0x3504));
    return u'2' + inputs + u'|' + outputs + u'|' + linkStates(s, store) + u'|'
           + QString::number(s.coverage) + u':' + field(s.coordinates) + u'|' + tamper + u'|' + power
           + u'|' + QString::number(s.dataKbytes) + u'|' + QString::number(s.minutes);
}

QString inputAliasSegment(const ParamStore &store)
{
    QStringList names;
    for (int i = 0; i < 16; ++i)
        names << field(alias(store.value(quint16(0x3001 + i))));
    return u'3' + names.join(u'|');
}

QString outputAliasSegment(const ParamStore &store)
{
    QStringList names;
    for (int i = 0; i < 4; ++i)
        names << field(alias(store.value(quint16(0x3321 + i))));
    return u'4' + names.join(u'|');
}

QString gsmSegment(const ModuleState &s)
{
    const auto f = [](const QString &v) { return field(v).replace(u':', u' '); };
    return u'5' + f(s.sim) + u':' + f(s.operatorName) + u':' + f(s.modemName) + u':' + f(s.modemVersion);
}

QString mainRecord(const ModuleState &s, const ParamStore &store, const QDateTime &now)
{
    return QStringLiteral("{#") + timeSegment(now, store) + u'#' + identSegment(s, store) + u'#'
           + statusSegment(s, store) + u'#' + inputAliasSegment(store) + u'#'
           + outputAliasSegment(store) + u'#' + gsmSegment(s) + u'}';
}

QString panelStatusRecord(const ModuleState &s, const ParamStore &store)
{
    if (!s.panel || !*s.panel->statusRecord)
        return {};
    QString payload = s.panelStatus;
    if (payload.isEmpty() && QLatin1String(s.panel->statusRecord) == QLatin1String("A1")) {
        // A door installation reports its button names.
        QStringList names;
        for (int i = 0; i < 4; ++i)
            names << field(store.value(quint16(0x4001 + i)));
        payload = names.join(u'|');
    }
    if (payload.isEmpty())
        return {};
    return QStringLiteral("{#") + QLatin1String(s.panel->statusRecord) + u'|' + payloadText(payload) + u'}';
}

QString eventRecord(const QString &code, const QString &value)
{
    return QStringLiteral("{#") + code + u':' + payloadText(value) + u'}';
}

QString panelEventRecord(const ModuleState &s, const QString &payload)
{
    if (!s.panel || !*s.panel->eventRecord)
        return {};
    return QStringLiteral("{#") + QLatin1String(s.panel->eventRecord) + u'|' + payloadText(payload) + u'}';
}

QString textRecord(const QString &text)
{
    return QStringLiteral("{#d") + payloadText(text) + u'}';
}

} // namespace velmar::sim::info
