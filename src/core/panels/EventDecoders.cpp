#include "core/panels/EventDecoders.h"

#include "core/panels/CodeTables.h"
#include "core/panels/ModelDecoders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QStringDecoder>

namespace {
// The translation context of these texts (lupdate reads it from here).
struct PanelEvents {
    Q_DECLARE_TR_FUNCTIONS(PanelEvents)
};
} // namespace

namespace velmar::panels {

namespace {

// Characters from..from+n-1 counted from 1, as the records are told; what
// lies past the end is simply missing.
QString chars(const QString &s, int from, int n = -1)
{
    return s.mid(from - 1, n);
}

int decimal(const QString &s, bool *ok = nullptr)
{
    return s.trimmed().toInt(ok, 10);
}

int hexadecimal(const QString &s, bool *ok = nullptr)
{
    return s.trimmed().toInt(ok, 16);
}

QString padded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// Splits "key: {value}" at its first ": {"; the value loses its braces.
struct KeyValue {
    QString key;
    QString value;
};
KeyValue splitKey(const QString &entry)
{
    const qsizetype at = entry.indexOf(QLatin1String(": {"));
    if (at < 0)
        return {entry, {}};
    QString value = entry.mid(at + 3);
    value.remove(u'}');
    return {entry.left(at), value};
}

// "name=value" (or "name:value") pairs separated by ",".
QHash<QString, QString> pairs(const QString &text)
{
    QHash<QString, QString> out;
    for (const QString &piece : text.split(u',')) {
        qsizetype eq = piece.indexOf(u'=');
        const qsizetype colon = piece.indexOf(u':');
        if (eq < 0 || (colon >= 0 && colon < eq))
            eq = colon;
        if (eq > 0)
            out.insert(piece.left(eq).trimmed(), piece.mid(eq + 1).trimmed());
    }
    return out;
}

void add(DecodedEvent &d, const QString &text, bool heading = false)
{
    d.lines.append({text, heading});
}

// ---- ID3000, MA-2000, PL-1000 ------------------------------------------

// What sets the three models of the family apart.
struct IdRow {
    IdFamily model;
    int searchLimit;    // entries of TaulaEventEquip searched
    bool pointText;     // address field is a three-character point
    bool twoTexts;      // description may hold two texts split by "þ"
    int separator;      // length of the "_" line after each entry, 0 none
};
constexpr IdRow kIdRows[] = {
    {IdFamily::ID3000, kID3000EventEntries, false, false, 0},
    {IdFamily::MA2000, 151, true, true, 62},
    {IdFamily::PL1000, 151, true, true, 62},
};

struct IdEvent {
    int cls = 0;
    QString code;
    QString address; // two address characters, or the three-character point
    int loop = 0;
    int zone = 0;
    bool keyForm = false;
    QString payload;
};

struct IdPayload {
    int central = 0;
    QString time = QString(11, u' ');
    int type = -1;
    QString analogue;
    QString description;
};

bool parseIdEvent(const IdRow &row, const QString &entry, IdEvent &e)
{
    if (entry.contains(u'|')) {
        const QStringList f = entry.split(u'|');
        if (f.size() < 6)
            return false;
        e.cls = decimal(f[0]);
        e.code = f[1].trimmed();
        e.address = row.pointText ? f[2].left(3) : f[2].mid(1, 2);
        e.loop = decimal(f[3]);
        e.zone = decimal(f[4]);
        e.payload = f.mid(5).join(u'|');
        return true;
    }
    const KeyValue kv = splitKey(entry);
    e.keyForm = true;
    e.cls = decimal(chars(kv.key, 1, 4));
    e.code = chars(kv.key, 5, 4);
    e.address = row.pointText ? chars(kv.key, 9, 3) : chars(kv.key, 10, 2);
    e.loop = decimal(chars(kv.key, 12, 2));
    e.zone = decimal(chars(kv.key, 14, 2));
    QString value = kv.value;
    value.replace(u':', u'=');
    e.payload = pairs(value).value(QStringLiteral("eventText"));
    return true;
}

// Only letters A-Z, a-z, digits and blanks of a description are shown.
QString plainText(const QString &s)
{
    QString out;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == ' ')
            out += c;
    }
    return out;
}

// The description after the fixed part: between quotes in the pipe form,
// between the escape characters the key form kept of them.
QString descriptionOf(const QString &rest)
{
    for (QChar mark : {QChar(u'"'), QChar(u'\\')}) {
        const qsizetype open = rest.indexOf(mark);
        if (open < 0)
            continue;
        const qsizetype close = rest.indexOf(mark, open + 1);
        return rest.mid(open + 1, close < 0 ? -1 : close - open - 1);
    }
    return rest;
}

IdPayload parsePayload(const IdEvent &e)
{
    IdPayload p;
    const QString &s = e.payload;
    p.central = decimal(chars(s, 1, 2));
    bool typeOk = false;
    const int type = decimal(chars(s, 9, 2), &typeOk);
    if (e.keyForm && !typeOk) {
        if (s.size() >= 6)
            p.time = chars(s, 3, 2) + u':' + chars(s, 5, 2);
        return p;
    }
    if (s.size() >= 8)
        p.time = chars(s, 3, 2) + u':' + chars(s, 5, 2) + u':' + chars(s, 7, 2);
    p.type = typeOk ? type : -1;
    p.analogue = chars(s, 14, 3);
    p.description = descriptionOf(s.mid(16));
    return p;
}

QString deviceType(int type)
{
    const QStringList &t = TaulaTipusEquip();
    return type >= 0 && type < t.size() ? t[type] : QString();
}

QString idEventText(const IdRow &row, const IdEvent &e, const IdPayload &p)
{
    if (p.analogue.size() == 3 && p.analogue != QLatin1String("000"))
        return PanelEvents::tr("Valor: ") + p.analogue + u'%';
    return lookupContaining(TaulaEventEquip(), e.code.mid(1), row.searchLimit);
}

DecodedEvent decodeID3000(const IdRow &row, const IdEvent &e)
{
    DecodedEvent d;
    QString heading;
    switch (e.cls) {
    case 1: heading = PanelEvents::tr("Alarma"); break;
    case 6: heading = PanelEvents::tr(" Avería"); break;
    case 7: heading = PanelEvents::tr("Anulado"); break;
    case 9: heading = PanelEvents::tr(" Prueba"); break;
    default: return d;
    }
    const IdPayload p = parsePayload(e);
    if (e.zone > 0)
        add(d, heading + QStringLiteral(": ZONA   ") + QString::number(e.zone) + QStringLiteral("   ") + p.time, true);
    else
        add(d, heading + QString(17, u' ') + p.time, true);
    if (!e.payload.isEmpty()) {
        const QString description = plainText(p.description);
        if (!description.isEmpty())
            add(d, description);
        if (e.loop > 0) {
            const QString prefix = decimal(e.code) >= 1000 ? QStringLiteral("M") : QStringLiteral("S");
            add(d, u'L' + QString::number(e.loop) + QStringLiteral("  ") + prefix + e.address + QString(9, u' ')
                       + deviceType(p.type));
        }
    }
    const QString text = idEventText(row, e, p);
    if (!text.isEmpty())
        add(d, text);
    add(d, QString());
    return d;
}

DecodedEvent decodeMA2000(const IdRow &row, const IdEvent &e, int numEvent)
{
    DecodedEvent d;
    QString heading;
    QString prefix;
    switch (e.cls) {
    case 1: heading = PanelEvents::tr("Alarma"); prefix = QStringLiteral("AL: Z"); break;
    case 4: heading = PanelEvents::tr("PREALARMA "); prefix = QStringLiteral("AL: Z"); break;
    case 6: heading = PanelEvents::tr("AV ZONA"); prefix = QStringLiteral("AV: Z"); break;
    case 8: heading = PanelEvents::tr("AV CTRAL"); break;
    case 9: heading = PanelEvents::tr(" Prueba"); prefix = QStringLiteral("ZONA"); break;
    default: return d;
    }
    const IdPayload p = parsePayload(e);
    const QString number = QStringLiteral("(") + QString::number(numEvent) + u')';
    QString place;
    if (e.loop > 0) {
        place = prefix + QString::number(e.zone) + QStringLiteral(" C") + QString::number(p.central == 0 ? 1 : p.central)
                + u'L' + QString::number(e.loop) + e.address;
        if (p.type >= 0 && p.type <= 14)
            place += QStringLiteral("  (") + deviceType(p.type) + QStringLiteral(")   ");
        place += p.time + QStringLiteral("  ") + number;
    } else if (e.zone > 0) {
        place = prefix + u' ' + QString::number(e.zone) + QStringLiteral("  ") + p.time + QStringLiteral("  ") + number;
    } else {
        place = p.time + QStringLiteral("   ") + number;
    }
    add(d, heading, true);
    add(d, place);
    // Two texts in one description: the second is the more telling one.
    const QStringList texts = p.description.split(QChar(0x00FE));
    for (qsizetype i = texts.size() - 1; i >= 0; --i) {
        const QString t = plainText(texts[i]);
        if (!t.trimmed().isEmpty())
            add(d, t);
    }
    const QString text = idEventText(row, e, p);
    if (!text.isEmpty()) {
        if (row.model == IdFamily::PL1000) {
            const int tabs = text.size() <= 14 ? 5 : text.size() <= 22 ? 4 : text.size() <= 26 ? 3 : 2;
            add(d, u' ' + QString::number(numEvent) + QStringLiteral(". ") + text + QString(tabs, u'\t') + p.time);
        } else {
            add(d, text);
        }
    }
    add(d, QString(row.separator, u'_'));
    return d;
}

// ---- Syncro ---------------------------------------------------------------

struct SyncroEvent {
    int cls = 0;
    QString subtype;
    int address = 0;
    int loop = 0;
    int zone = 0;
    QString text;
    bool record = false;
};

QString syncroHeading(int cls, bool record)
{
    switch (cls) {
    case 1: return PanelEvents::tr("FUEGO: ");
    case 2: return PanelEvents::tr("EVACUACIÓN: ");
    case 3: return PanelEvents::tr("ALERTA: ");
    case 4: return PanelEvents::tr("PREALARMA ") + u':';
    case 5: return PanelEvents::tr("SEGURIDAD: ");
    case 6: return PanelEvents::tr("AVERÍA: ");
    case 7: return PanelEvents::tr("DESACTIVACIÓN: ");
    case 8: return PanelEvents::tr("ALARMA TÉCNICA: ");
    case 9: return record ? PanelEvents::tr("PRUEBA: ") : PanelEvents::tr("MODO DE PRUEBA");
    default: return QString();
    }
}

DecodedEvent syncroLines(const SyncroEvent &e)
{
    DecodedEvent d;
    const QString heading = syncroHeading(e.cls, e.record);
    if (heading.isEmpty())
        return d;
    add(d, QStringLiteral("* ") + heading + QStringLiteral(" *"), true);
    const QString loop = QString::number(e.loop);
    const QString loopPlus = QString::number(e.loop + 1);
    if (e.zone <= 0) {
        const QString sub = e.subtype.toUpper();
        if (sub == QLatin1String("1C") || sub == QLatin1String("1D")) {
            add(d, QStringLiteral("LOOP= ") + loop + QStringLiteral("   CENT= 1"));
            add(d, sub == QLatin1String("1C") ? PanelEvents::tr("Corto circuito en lazo") : PanelEvents::tr("Circuito abierto en lazo"));
        } else if (sub == QLatin1String("12")) {
            add(d, QStringLiteral("AD=") + padded(e.address, 3) + QStringLiteral("   LP=") + loopPlus
                       + QStringLiteral("   CENT= 1"));
            if (!e.text.isEmpty())
                add(d, e.text);
        } else {
            // A record counts the outputs from 0, a list entry from 1.
            const int a = e.record ? e.address + 1 : e.address;
            QString output;
            if (a >= 1 && a <= 4)
                output = QStringLiteral("* AVERIAS: ACUSTICO ") + QString::number(a);
            else if (a == 9)
                output = QStringLiteral("* AVERIAS: AVISO DE FUEGO ");
            else if (a == 10)
                output = QStringLiteral("* AVERIAS: EXTINCION ");
            else if (a == 12)
                output = QStringLiteral("* AVERIAS: AVISO DE AVERIA ");
            if (!output.isEmpty())
                add(d, output + QStringLiteral("ZONA") + QString::number(e.zone));
            add(d, PanelEvents::tr("Avería de salida supervisada"));
        }
    } else if (e.cls == 7) {
        add(d, QStringLiteral("ZONA=") + QString::number(e.zone));
        add(d, PanelEvents::tr("desactivado zona"));
    } else if (e.cls == 9) {
        add(d, QStringLiteral("ZONA=") + QString::number(e.zone) + QStringLiteral("   CENT=1"));
        add(d, PanelEvents::tr("Modo de prueba audible"));
    } else {
        add(d, QStringLiteral("ZONA  ") + padded(e.zone, 2) + QStringLiteral("  AD=") + padded(e.address, 3)
                   + QStringLiteral(".00   LP=") + loopPlus + QStringLiteral("   CENT= 01"));
        if (!e.text.isEmpty())
            add(d, e.text);
    }
    add(d, QString());
    return d;
}

// ---- AD300, AD600 -------------------------------------------------------

struct AdKey {
    QString code;
    int address = 0;
    int loop = 0;
    int central = 0;
    int zone = 0;
    QStringList fields; // the value's "=" fields
};

AdKey parseAdKey(const QString &entry)
{
    const KeyValue kv = splitKey(entry);
    AdKey k;
    k.code = chars(kv.key, 5, 4).toUpper();
    k.address = hexadecimal(chars(kv.key, 9, 2));
    k.loop = hexadecimal(chars(kv.key, 11, 2));
    k.central = hexadecimal(chars(kv.key, 13, 2));
    k.zone = hexadecimal(chars(kv.key, 15, 2));
    QString value = kv.value;
    value.replace(u':', u'=');
    k.fields = value.split(u'=');
    return k;
}

QString up(const char *text)
{
    return PanelEvents::tr(text).toUpper();
}

// ---- C-Tec XFP ----------------------------------------------------------

// The entry of a C-Tec table whose code is the number in code; the tables
// mix padded and unpadded codes, so codes are compared as numbers.
QString ctecLookup(const QStringList &table, const QString &code)
{
    bool ok = false;
    const int wanted = decimal(code, &ok);
    if (!ok)
        return QString();
    for (const QString &e : table) {
        const qsizetype colon = e.indexOf(u':');
        bool entryOk = false;
        if (colon > 0 && e.left(colon).toInt(&entryOk) == wanted && entryOk)
            return e.mid(colon + 1);
    }
    return QString();
}

} // namespace

QStringList eventEntries(const QString &listText, bool utf8)
{
    QString text = listText;
    if (utf8) {
        // The read handed the bytes over one per character; a text that is
        // not all bytes, or not valid UTF-8, is taken as it came.
        bool bytes = true;
        for (QChar c : text)
            bytes = bytes && c.unicode() <= 0xFF;
        if (bytes) {
            QStringDecoder decoder(QStringDecoder::Utf8);
            const QString decoded = decoder(text.toLatin1());
            if (!decoder.hasError())
                text = decoded;
        }
    }
    text.remove(u'"');
    text.remove(u'\'');
    QStringList out;
    for (const QString &piece : text.split(u'\r')) {
        if (!piece.isEmpty())
            out << piece;
    }
    return out;
}

QString entryText(const QString &entry)
{
    qsizetype i = 0;
    while (i < entry.size() && entry[i].isDigit())
        ++i;
    return entry.mid(i + 1);
}

QString lookupContaining(const QStringList &table, const QString &code, int limit)
{
    if (code.isEmpty())
        return QString();
    const int n = std::min<qsizetype>(limit, table.size());
    for (int i = 0; i < n; ++i) {
        if (table[i].contains(code))
            return entryText(table[i]);
    }
    return QString();
}

DecodedEvent decodeIdEvent(IdFamily model, const QString &entry, int numEvent)
{
    const IdRow &row = kIdRows[int(model)];
    IdEvent e;
    if (!parseIdEvent(row, entry, e) || e.cls > 8000)
        return {};
    return model == IdFamily::ID3000 ? decodeID3000(row, e) : decodeMA2000(row, e, numEvent);
}

DecodedEvent decodeBC600(const QString &entry)
{
    DecodedEvent d;
    const QString rest = entry.mid(4);
    QString number = chars(rest, 5, 4);
    while (number.size() > 1 && number.startsWith(u'0'))
        number.remove(0, 1);
    const QString zone = chars(rest, 10, 3);
    const qsizetype brace = rest.indexOf(u'{');
    QString value = brace < 0 ? QString() : rest.mid(brace + 1);
    value.remove(u'}');
    const QHash<QString, QString> v = pairs(value);
    bool ok = false;
    const qint64 secs = v.value(QStringLiteral("time")).trimmed().toLongLong(&ok, 16);
    const QString time = ok ? QDateTime::fromSecsSinceEpoch(secs).toString(QStringLiteral("HH:mm")) : QString();
    const bool noZone = zone.isEmpty() || zone.toUpper() == QLatin1String("FFF");
    const QString where = noZone ? QString(6, u' ') : u'/' + zone + u' ';
    add(d, QStringLiteral("  ") + number + where + v.value(QStringLiteral("eventText")) + QStringLiteral("   ") + time);
    add(d, QStringLiteral("  \t") + v.value(QStringLiteral("zoneText")));
    add(d, QStringLiteral("  \t") + v.value(QStringLiteral("elementText")));
    add(d, QString(75, u'-'));
    return d;
}

DecodedEvent decodeBC216(const QString &entry)
{
    DecodedEvent d;
    const QString rest = entry.mid(4);
    const QString number = chars(rest, 3, 2).rightJustified(4, u'0');
    const qsizetype colon = rest.indexOf(u':');
    const QString zoneText = (colon < 0 ? rest.mid(4) : rest.mid(4, colon - 4)).trimmed();
    const QString zone = zoneText.isEmpty() ? QStringLiteral("FFF") : zoneText.rightJustified(3, u'0');
    const qsizetype brace = rest.indexOf(u'{');
    QString value = brace < 0 ? QString() : rest.mid(brace + 1);
    value.remove(u'}');
    value.remove(u'\\');
    const QHash<QString, QString> v = pairs(value);
    bool ok = false;
    const qint64 secs = v.value(QStringLiteral("time")).trimmed().toLongLong(&ok, 16);
    const QString time = ok ? QDateTime::fromSecsSinceEpoch(secs).toString(QStringLiteral("HH:mm")) : QString();
    const QString where = zone.toUpper() == QLatin1String("FFF") ? QString() : u'/' + zone;
    add(d, QStringLiteral("  ") + number + where + QStringLiteral("\t\t\t") + time);
    add(d, u'\t' + v.value(QStringLiteral("eventText")));
    add(d, u'\t' + v.value(QStringLiteral("zoneText")));
    add(d, u'\t' + v.value(QStringLiteral("elementText")));
    add(d, QString(70, u'-'));
    return d;
}

int bc600ChangedKind(const QString &payload)
{
    bool ok = false;
    const int kind = chars(payload, 2, 3).toInt(&ok, 10);
    return ok && chars(payload, 2, 3).size() == 3 && kind >= 1 && kind <= 6 ? kind : 0;
}

QString bc600KindName(int kind)
{
    static const char *const names[] = {"Alarm", "Output", "Message", "Fault", "Disable", "Test"};
    return kind >= 1 && kind <= 6 ? QString::fromLatin1(names[kind - 1]) : QString();
}

// Delphi-style "0000#": as many digits as the mask, but zero shows one
// digit fewer.
static QString masked(int value, int digits)
{
    return value == 0 ? QString(digits - 1, u'0') : padded(value, digits);
}

DecodedEvent decodeAvenar(const QString &entry, const QString &heading, int number)
{
    DecodedEvent d;
    const QString key = splitKey(entry).key;
    const int address = hexadecimal(chars(key, 5, 4));
    const int sub = hexadecimal(chars(key, 9, 2));
    add(d, heading + u'\t' + PanelEvents::tr("Dirección lógica") + u'\t' + masked(address, 5) + u'-' + masked(sub, 3));
    add(d, u'#' + masked(number, 4));
    add(d, QString());
    return d;
}

DecodedEvent decodeSyncroEntry(const QString &entry)
{
    const QString key = splitKey(entry).key;
    SyncroEvent e;
    e.cls = decimal(chars(key, 1, 4));
    e.subtype = chars(key, 5, 2);
    e.address = hexadecimal(chars(key, 7, 2));
    e.loop = decimal(chars(key, 9, 2));
    e.zone = hexadecimal(chars(key, 11));
    e.text = entry.section(u':', 2, 2).remove(u'}').trimmed();
    return syncroLines(e);
}

DecodedEvent decodeSyncroRecord(const QString &payload)
{
    const QStringList f = payload.split(u'|');
    if (f.size() < 6)
        return {};
    SyncroEvent e;
    e.cls = decimal(f[0]);
    e.subtype = f[1].trimmed();
    e.address = hexadecimal(f[2]);
    e.loop = decimal(f[3]);
    e.zone = hexadecimal(f[4]);
    e.record = true;
    return syncroLines(e);
}

QString ad300CodeText(const QString &code)
{
    static const QMap<QString, const char *> table = {
        {"3364", QT_TRANSLATE_NOOP("PanelEvents", "AVERIA EN LAZO")},
        {"3365", QT_TRANSLATE_NOOP("PanelEvents", "AVERIA EN SIRENAS")},
        {"3366", QT_TRANSLATE_NOOP("PanelEvents", "AVERIA DE ALIMENTACION")},
        {"3367", QT_TRANSLATE_NOOP("PanelEvents", "AVERIA DERIV. A TIERRA")},
        {"3368", QT_TRANSLATE_NOOP("PanelEvents", "AVERIA FUERA DE SERVICIO")},
        {"3369", QT_TRANSLATE_NOOP("PanelEvents", "AVERIA DE SISTEMA")},
        {"336A", QT_TRANSLATE_NOOP("PanelEvents", "AVERIA EN RS-485/232")},
        {"3300", QT_TRANSLATE_NOOP("PanelEvents", "ELEMENTO NO RESPONDE")},
        {"3301", QT_TRANSLATE_NOOP("PanelEvents", "RESPUESTA DOBLE")},
        {"3302", QT_TRANSLATE_NOOP("PanelEvents", "TIPO CAMBIADO")},
        {"3303", QT_TRANSLATE_NOOP("PanelEvents", "CORTE EN ...")},
        {"3304", QT_TRANSLATE_NOOP("PanelEvents", "CRUCE EN ...")},
        {"3305", QT_TRANSLATE_NOOP("PanelEvents", "ELEMENTO SUCIO")},
        {"3306", QT_TRANSLATE_NOOP("PanelEvents", "FALLO DE 24V EN MÓDULO")},
        {"3310", QT_TRANSLATE_NOOP("PanelEvents", "SEÑAL TÉCNICA")},
        {"3311", QT_TRANSLATE_NOOP("PanelEvents", "BATERIA PRIMARIA (RADIO)")},
        {"3312", QT_TRANSLATE_NOOP("PanelEvents", "BATERIA SECUNDARIA (RADIO)")},
        {"3313", QT_TRANSLATE_NOOP("PanelEvents", "TAMPER ABIERTO (RADIO)")},
        {"3314", QT_TRANSLATE_NOOP("PanelEvents", "ERROR FATAL (RADIO)")},
        {"3315", QT_TRANSLATE_NOOP("PanelEvents", "ERROR DE RADIOFRECUENCIA")},
        {"3400", QT_TRANSLATE_NOOP("PanelEvents", "DESCONEXION DE ZONA")},
        {"3402", QT_TRANSLATE_NOOP("PanelEvents", "DESCONEXION DE RELES")},
        {"3403", QT_TRANSLATE_NOOP("PanelEvents", "DESCONEXION DE SIRENAS")},
        {"3430", QT_TRANSLATE_NOOP("PanelEvents", "DESCONEXION DE ELEMENTO")},
        {"3600", QT_TRANSLATE_NOOP("PanelEvents", "DISPARO DE SIRENAS MANUAL")},
        {"3601", QT_TRANSLATE_NOOP("PanelEvents", "ACTIVACIÓN MANUAL DE EVACUACIÓN")},
    };
    const auto it = table.constFind(code.toUpper());
    return it == table.constEnd() ? QString() : PanelEvents::tr(it.value());
}

DecodedEvent decodeAD300(const QString &entry, const QString &kind, int number, int total)
{
    DecodedEvent d;
    const AdKey k = parseAdKey(entry);
    const QString description = k.fields.value(1).trimmed();
    add(d, PanelEvents::tr("Evento: ") + QString::number(number) + PanelEvents::tr(" de ") + QString::number(total), true);
    if (kind == QLatin1String("Fire")) {
        if (k.zone >= 1 && k.zone <= 19)
            d.zoneLamps << k.zone;
        if (k.code.startsWith(QLatin1String("36")))
            add(d, QStringLiteral("\t*** ") + up(" Alarma pulsador") + QStringLiteral(" ***"));
        else
            add(d, QStringLiteral("\t\t*** ") + up("Alarma") + QStringLiteral(" ***"));
    } else if (kind == QLatin1String("Fault")) {
        add(d, QStringLiteral("\t** ") + ad300CodeText(k.code) + QStringLiteral(" **"));
    } else if (kind == QLatin1String("Disablement")) {
        const QString text = ad300CodeText(k.code);
        add(d, k.code == QLatin1String("3430") || text.isEmpty() ? up(" Desconexión") : text);
    } else {
        const QString text = ad300CodeText(k.code);
        if (!text.isEmpty())
            add(d, text);
    }
    if (!description.isEmpty())
        add(d, description);
    add(d, PanelEvents::tr("Cent : ") + QString::number(k.central) + u'\t' + PanelEvents::tr("Zona : ") + QString::number(k.zone));
    add(d, PanelEvents::tr("Lazo: ") + QString::number(k.loop) + u'\t' + PanelEvents::tr("Dir.  : ") + QString::number(k.address));
    add(d, QString());
    return d;
}

DecodedEvent decodeAD600(const QString &entry, const QString &kind, int number, int total)
{
    DecodedEvent d;
    const AdKey k = parseAdKey(entry);
    // The second field may carry "type&element&central&date".
    QString elementType, element, centralText, when;
    if (k.fields.size() > 1 && k.fields[1].count(u'&') == 3) {
        const QStringList parts = k.fields[1].split(u'&');
        elementType = parts[0].trimmed();
        element = parts[1].trimmed();
        centralText = parts[2].trimmed();
        when = QString(parts[3]).replace(QLatin1String("\\/"), QLatin1String("-")).trimmed();
        if (k.fields.size() > 3)
            when += u' ' + k.fields[2].trimmed() + u':' + k.fields[3].trimmed();
    }
    const QString loop = QStringLiteral("%1").arg(k.loop, 2, 10, QLatin1Char('0'));
    const QString address = QStringLiteral("%1").arg(k.address, 3, 10, QLatin1Char('0'));
    const QString zone = QStringLiteral("%1").arg(k.zone, 3, 10, QLatin1Char('0'));
    const QString central = QStringLiteral("%1").arg(k.central, 2, 10, QLatin1Char('0'));
    const QString counter = QString::number(number) + u'/' + QString::number(total);
    if (kind == QLatin1String("Fire")) {
        const bool evacuation = k.code == QLatin1String("0600") || k.code == QLatin1String("0602");
        d.evacuation = evacuation;
        if (evacuation || k.code == QLatin1String("6500") || k.code == QLatin1String("7100")) {
            if (evacuation)
                add(d, PanelEvents::tr("Central: ") + central + QStringLiteral("\t\t") + PanelEvents::tr("Evacuación manual"), true);
            else
                add(d, PanelEvents::tr("Alarma") + counter + QStringLiteral("\t\t") + PanelEvents::tr("Alarma sistema"), true);
        } else {
            const bool callPoint = elementType.contains(QLatin1String("PUL"), Qt::CaseInsensitive);
            add(d, (callPoint ? up(" Alarma pulsador") : up("Alarma")) + u' ' + counter + u' ' + element.toUpper(), true);
            add(d, PanelEvents::tr("Lazo: ") + loop + QStringLiteral("   ") + PanelEvents::tr("Dir: ") + address);
            add(d, PanelEvents::tr("Central: ") + central + u' ' + centralText);
        }
    } else if (kind == QLatin1String("Fault")) {
        QString what = PanelEvents::tr("Avería");
        if (k.code == QLatin1String("0628") || k.code == QLatin1String("0629"))
            what += QStringLiteral(" SISTEMA");
        else if (!elementType.isEmpty())
            what += u' ' + elementType.toUpper();
        add(d, what + u' ' + counter, true);
        QString where;
        if (k.loop > 0)
            where += PanelEvents::tr("Lazo: ") + loop + QStringLiteral("   ");
        if (k.address > 0)
            where += PanelEvents::tr("Dir: ") + address + QStringLiteral("   ");
        if (k.zone > 0)
            where += PanelEvents::tr("Zona: ") + zone;
        if (!where.isEmpty())
            add(d, where.trimmed());
        if (!element.isEmpty())
            add(d, element);
    } else {
        add(d, QStringLiteral("EVENTO ") + counter, true);
        if (!element.isEmpty())
            add(d, element);
    }
    if (!when.isEmpty())
        add(d, when);
    add(d, QString(55, u'_'));
    return d;
}

DecodedEvent decodeJadeBird(const QString &input)
{
    DecodedEvent d;
    const qsizetype at = input.indexOf(QLatin1String(": {"));
    if (at >= 0) {
        QString value = input.mid(at + 3);
        value.remove(u'}');
        for (const QString &piece : value.split(QLatin1String("]["))) {
            for (QString line : piece.split(QLatin1String("\\n"))) {
                line.replace(QLatin1String("\\/"), QLatin1String("/"));
                line.remove(QLatin1String("eventText:"));
                line.remove(u'[');
                line.remove(u']'); // the last piece keeps the list's closing bracket
                add(d, line);
            }
            add(d, QString());
        }
        return d;
    }
    const QStringList f = input.split(u'|');
    if (f.size() < 2) {
        add(d, input);
        return d;
    }
    for (QString piece : f.value(2).split(QLatin1String("]["))) {
        piece.remove(u'[');
        piece.remove(u']');
        add(d, eventEntries(piece, true).join(QString()));
    }
    return d;
}

QString jadeBirdNoEvents(const QString &kind)
{
    if (kind == QLatin1String("Fire"))
        return PanelEvents::tr("Sin alarmas");
    if (kind == QLatin1String("Fault"))
        return PanelEvents::tr("Sin averias");
    return PanelEvents::tr("Sin eventos");
}

DecodedEvent decodeCtec(const QString &entry, const QString &kind)
{
    DecodedEvent d;
    if (kind.isEmpty()) {
        // ... nor the count record the module keeps beside them.
        for (const char *known : {"Fire", "Fault", "Disablement", "Test", "buzzerAndNums"})
            if (entry.contains(QLatin1String(known)))
                return d;
    }
    const QString eventText = ctecLookup(TaulaEventEquipCtecXFP(), chars(entry, 5, 3));
    const QString faultText = ctecLookup(TaulaAvariaEquipCtecXFP(), chars(entry, 9, 3));
    const QString zone = chars(entry, 22, 3);
    const qsizetype at = entry.indexOf(QLatin1String("eventText:"));
    QString text = at < 0 ? QString() : entry.mid(at + 10);
    text.remove(u'}');
    const QStringList parts = text.split(u'&');
    const QString text1 = parts.value(0).trimmed();
    const QString text2 = parts.value(1).trimmed();
    const QString typeText = ctecLookup(TaulaTipusEquipCtecXFP(), parts.value(2));
    if (kind == QLatin1String("Fire")) {
        add(d, up("Alarma") + QStringLiteral(" : ZONA ") + zone, true);
        add(d, text1 + QStringLiteral("  ") + text2);
    } else {
        add(d, QStringLiteral("ZONA ") + zone + QStringLiteral("  ") + text1 + QStringLiteral("  ") + text2, true);
    }
    add(d, eventText + QStringLiteral("     ") + faultText);
    add(d, typeText);
    add(d, QString());
    return d;
}

DecodedEvent decodeEventList(const QString &model, const QString &kind, const QString &listText, int total)
{
    DecodedEvent all;
    const ModelDecoders *row = decodersOf(model);
    if (!row || !row->entry)
        return all;
    int n = 1;
    for (const QString &entry : eventEntries(listText, row->utf8List)) {
        const DecodedEvent d = row->entry(entry, kind, n++, total);
        all.lines += d.lines;
        all.zoneLamps += d.zoneLamps;
        all.evacuation = all.evacuation || d.evacuation;
    }
    return all;
}

} // namespace velmar::panels
