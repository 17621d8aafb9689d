#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTimeZone>

// The cloud directory's records: paths, the text form of a read, and the
// records the program reads and writes, decoded from and encoded to JSON.
// Pure functions, so the rules are tested without a server.
namespace velmar::cloud {

// GetRTDBPath: "." becomes ",", "\" becomes "/", then the levels between "/"
// (empty levels dropped, so "Events/ID/" names Events/ID).
QStringList GetRTDBPath(const QString &path);

// A value as compact JSON text (a string keeps its double quotes).
QString compactJson(const QJsonValue &value);

// The text form of a read: an object gives one "name: JSON\r" line per
// member, another value its JSON text, null an empty text.
QString textForm(const QJsonValue &value);

// A string value as its text; any other scalar as its JSON text; null empty.
QString scalarText(const QJsonValue &value);

// The record of a site level: "Companies/" + company, then
// "/Installers/" + installer and "/References/" + reference when given.
QString sitePath(const QString &empresa, const QString &instal, const QString &ref);
// The member of that record holding its key (KeyCom, KeyInstaller or
// KeyReference) and the one holding its creation time.
QString siteKeyMember(const QString &instal, const QString &ref);
QString siteCreatedMember(const QString &instal, const QString &ref);

// A version text ("2.5.06.18") as the integer its digits make (250618);
// -1 when it holds anything but digits, dots and double quotes.
qint64 versionNumber(const QString &version);

// The Created text of an event record: the moment in UTC as
// "yyyy-MM-ddThh:mm:ss.zzz" (no zone suffix).
QString eventCreated(const QDateTime &moment);

// The panel models whose objects in a module record carry model-named
// members.
const QStringList &panelObjectNames();

// A module record flattened into name -> value (AgafaEstatEquipments): every
// scalar by its member name at whatever depth; centralStat, buzzerAndNums and
// zonesStat of a panel object as model + "_" + name; the Identifier object's
// member as "Identifier" (its name) and "IMEI" (its value). Values are the
// stored texts, whole (quotes, commas and colons included).
class ModuleRecord {
public:
    QList<QPair<QString, QString>> items; // in the order they were met
    QString value(const QString &name) const;
    bool contains(const QString &name) const;
    // comCentral without backslashes: the panel model.
    QString central() const;
    // gsmStat as a coverage percentage (x * 100 / 32), 0 when not a number.
    qint64 coverage() const;
    // Updated (UTC "yyyy-mm-dd hh:nn:ss.zzz") in the given zone as
    // "dd-MM-yyyy   hh:mm:ss"; empty when it does not parse.
    QString updatedLocal(const QTimeZone &zone = QTimeZone::systemTimeZone()) const;
    // The 16 input or 4 output names (missing ones empty).
    QStringList names(const QString &aliasMember, int count) const;

    void set(const QString &name, const QString &value);
};

ModuleRecord flattenModuleRecord(const QJsonObject &record);
// The same from the record's JSON text; an empty record when it is not an object.
ModuleRecord flattenModuleRecord(const QByteArray &json);

// A telephone record of Equipments/ID/MobileNumbers as a grid row.
struct TelephoneRow {
    QString number;
    QString userName;
    QString enabled; // "1" or "0"
    QString button;
    bool operator==(const TelephoneRow &) const = default;
};
QList<TelephoneRow> telephoneRows(const QJsonValue &mobileNumbers);
QJsonObject telephoneRecord(const QString &userName, const QString &button, const QString &enabled);

// A user's rights on one module as a grid row (LLegir_Usuaris).
struct UserRow {
    QString email;
    QString nickname;
    QString enabled; // "1" or "0"
    QString buttons; // enabled buttons joined by "," ("1,2,4")
    QString uid;
    bool operator==(const UserRow &) const = default;
};
// The row of the account record `account` (Users/UID) for module `ident`.
UserRow userRow(const QString &uid, const QJsonValue &account, const QString &ident);
// The rights record written for `boto` (digits of the enabled buttons) and
// `enabled` ("1" enables).
QJsonObject userRights(const QString &boto, const QString &enabled);
// The first account of a Users read whose e-mail is `email` (compared whole,
// case-insensitively); empty when none.
QString uidForEmail(const QJsonValue &users, const QString &email);
// The four button flags of a rights record as "1,0,0,1".
QString buttonsMarked(const QJsonValue &rights);

// One row of the event history (newest first, numbered from 1).
struct HistoryRow {
    int number = 0;
    QString date;     // "dd-MM-yyyy", local time
    QString time;     // "hh:mm:ss"
    QString user;     // usermail, or userid when it is empty
    QString userName;
    QString message;  // messagetxt cleaned; empty: the window names eventId
    QString eventId;
    QString buttonNumber;
    bool operator==(const HistoryRow &) const = default;
};
// The cleaned Created text of an event ("dd-mm-yyyy hh:mm:ss..."), as the
// history reads it: "T" as a blank, nothing from "* " on, "/" as "-", the
// words "Dia:", "Hora:", "Date:", "Hour:", "Día:" removed, a yyyy-mm-dd date
// turned round.
QString cleanCreated(const QString &created);
// The rows of an Events/ID read: events telling of a loss ("perdida") after
// 2021-07-31 left out, times turned from UTC into `zone`, only those later
// than `after` when it is valid; an event whose time does not parse is left out.
QList<HistoryRow> historyRows(const QJsonValue &events, const QDateTime &after,
                              const QTimeZone &zone = QTimeZone::systemTimeZone());

// A value read as a boolean (JSON true or the text "true"), false otherwise.
bool readBoolean(const QJsonValue &value);
// A value read as an integer, 0 when it is not one.
int readInteger(const QJsonValue &value);

} // namespace velmar::cloud
