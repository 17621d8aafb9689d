// The cloud directory's rules without a server: paths, the text form of a
// read, versions, event times, the module record flattened for the offline
// view, and the telephone, user and door records.

#include "core/cloud/CloudRecords.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace velmar::cloud;

namespace {

QJsonValue json(const char *text)
{
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray("[") + text + "]");
    return d.array().first();
}

TEST(CloudPaths, NormalisedIntoLevels)
{
    const struct {
        QString path;
        QStringList levels;
    } cases[] = {
        {"Companies/ACME.SA/Installers/Juan", {"Companies", "ACME,SA", "Installers", "Juan"}},
        {"Users/juan.perez@correo.es", {"Users", "juan,perez@correo,es"}},
        {"Equipments\\192.168.1.10\\Users", {"Equipments", "192,168,1,10", "Users"}},
        {"Events/12345/", {"Events", "12345"}},
        {"Versions", {"Versions"}},
        {"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetRTDBPath(c.path), c.levels) << c.path.toStdString();
}

TEST(CloudTextForm, ObjectsLineByLineScalarsAsJson)
{
    const struct {
        const char *value;
        QString text;
    } cases[] = {
        {R"({"Button":"1","Enabled":true,"UserName":"Ana"})", "Button: \"1\"\rEnabled: true\rUserName: \"Ana\"\r"},
        {R"({"g":{"b":[1,2],"c":null}})", "g: {\"b\":[1,2],\"c\":null}\r"},
        {R"("OPEN")", "\"OPEN\""},
        {R"("con \"comillas\"")", "\"con \\\"comillas\\\"\""},
        {"7", "7"},
        {"false", "false"},
        {"null", ""},
        {"{}", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(textForm(json(c.value)), c.text) << c.value;
}

TEST(CloudVersion, DigitsCompareAsIntegers)
{
    EXPECT_EQ(versionNumber("2.5.06.18"), 250618);
    EXPECT_EQ(versionNumber("\"2.5.07.01\""), 250701);
    EXPECT_GT(versionNumber("2.5.07.01"), versionNumber("2.5.06.18"));
    for (const char *bad : {"", "\"\"", "2.5.x", "true", "99999999999999999999"})
        EXPECT_EQ(versionNumber(bad), -1) << bad;
}

TEST(CloudEventTime, CreatedIsUtcWithoutZone)
{
    const QTimeZone madrid("Europe/Madrid");
    const struct {
        QDate date;
        QString created;
    } cases[] = {
        {QDate(2026, 1, 15), "2026-01-15T09:20:30.123"}, // one hour east in standard time
        {QDate(2026, 7, 15), "2026-07-15T08:20:30.123"}, // two in summer time
    };
    for (const auto &c : cases)
        EXPECT_EQ(eventCreated(QDateTime(c.date, QTime(10, 20, 30, 123), madrid)), c.created);
}

const char kRecord[] = R"({
  "Company": "ACME", "Installer": "Juan", "Reference": "Nave 3", "Connection": "ONLINE",
  "Configuration": {"ethernetInfo": {"ethernetStat": "5"}, "gprsInfo": {"gprsStat": "2"}},
  "Identifier": {"VLM0042": "356938035643809"},
  "Firmware": "Velmar_v8.7", "Hardware": "H3", "moduleModel": "BG96", "moduleVersion": "R02",
  "Operator": "O'Brien, J.: \"Telco\"", "SIMNumber": "8934", "gsmStat": "24",
  "comCentral": "Syncro\\AS", "comStat": "1", "ESStat": "0",
  "vTamperMin": "1A", "vAlimAct": "3F",
  "Inputs": {"inputsAlies": "Puerta: norte|Ventana, sur", "inputsStat": "0101"},
  "Outputs": {"outputsAlies": "S1|S2|S3|S4", "outputsStat": "0010"},
  "gps": "41.38,2.17",
  "Updated": "2026-01-15 10:20:30.123",
  "Syncro": {"buzzerAndNums": "1|0|2", "zonesStat": "00F", "centralStat": "OK", "password": "1234",
             "Events": {"-N1": {"text": "Fuego"}}},
  "Cofem": {"zonesStat": "A1"},
  "Panel": {"deep": {"deeper": 9}}
})";

TEST(CloudModuleRecord, FlattenedByNameWithModelNamedPanelMembers)
{
    const ModuleRecord r = flattenModuleRecord(QByteArray(kRecord));
    const struct {
        const char *name;
        QString value;
    } expected[] = {
        {"Company", "ACME"},
        {"Reference", "Nave 3"},
        {"Connection", "ONLINE"},
        {"ethernetStat", "5"},
        {"gprsStat", "2"},
        {"Identifier", "VLM0042"},
        {"IMEI", "356938035643809"},
        {"moduleModel", "BG96"},
        {"gsmStat", "24"},
        {"inputsStat", "0101"},
        {"outputsAlies", "S1|S2|S3|S4"},
        {"gps", "41.38,2.17"},
        {"Updated", "2026-01-15 10:20:30.123"},
        {"Syncro_buzzerAndNums", "1|0|2"},
        {"Syncro_zonesStat", "00F"},
        {"Syncro_centralStat", "OK"},
        {"password", "1234"},
        {"Cofem_zonesStat", "A1"},
        {"deeper", "9"},
        // Quotes, apostrophes, commas and colons stay where they are.
        {"Operator", "O'Brien, J.: \"Telco\""},
        {"inputsAlies", "Puerta: norte|Ventana, sur"},
    };
    for (const auto &e : expected)
        EXPECT_EQ(r.value(e.name), e.value) << e.name;
    // A panel's event list is not part of the table.
    EXPECT_FALSE(r.contains("text"));
    EXPECT_FALSE(r.contains("zonesStat"));
    EXPECT_EQ(r.central(), "SyncroAS");
    EXPECT_EQ(r.coverage(), 75);
    EXPECT_EQ(r.updatedLocal(QTimeZone("Europe/Madrid")), "15-01-2026   11:20:30");
    EXPECT_EQ(r.names("inputsAlies", 16).size(), 16);
    EXPECT_EQ(r.names("inputsAlies", 16).at(1), "Ventana, sur");
    EXPECT_EQ(r.names("outputsAlies", 4), QStringList({"S1", "S2", "S3", "S4"}));
}

TEST(CloudModuleRecord, OddValuesGiveEmptyOrZero)
{
    const struct {
        const char *record;
        qint64 coverage;
        QString updated;
    } cases[] = {
        {R"({"gsmStat":"x","Updated":"ayer"})", 0, ""},
        {R"({"gsmStat":"2147483647"})", Q_INT64_C(6710886396), ""},
        {R"({"gsmStat":32,"Updated":"2026-07-01 00:00:00"})", 100, "01-07-2026   02:00:00"},
        {R"({"Identifier":{}})", 0, ""},
        {"[1,2]", 0, ""},
        {"no es json", 0, ""},
    };
    for (const auto &c : cases) {
        const ModuleRecord r = flattenModuleRecord(QByteArray(c.record));
        EXPECT_EQ(r.coverage(), c.coverage) << c.record;
        EXPECT_EQ(r.updatedLocal(QTimeZone("Europe/Madrid")), c.updated) << c.record;
    }
}

TEST(CloudTelephones, RowsAndRecord)
{
    const auto rows = telephoneRows(json(R"({
        "+34600111222": {"UserName": "Ana, portera", "Enabled": true, "Button": "2"},
        "+34600333444": {"UserName": "Luis", "Enabled": false}})"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], (TelephoneRow{"+34600111222", "Ana, portera", "1", "2"}));
    EXPECT_EQ(rows[1], (TelephoneRow{"+34600333444", "Luis", "0", ""}));
    EXPECT_TRUE(telephoneRows(json("null")).isEmpty());
    const QJsonObject rec = telephoneRecord("Ana", "3", "1");
    EXPECT_EQ(rec.value("Enabled"), QJsonValue(true));
    EXPECT_EQ(telephoneRecord("Ana", "3", "0").value("Enabled"), QJsonValue(false));
}

TEST(CloudUsers, RowOfTheModulesGroup)
{
    const QJsonValue account = json(R"({"email":"o'brien@correo.es","nickname":"O'Brien, J.",
        "Modulos":{"VLM0001":{"b1Enabled":true,"enabled":false},
                   "VLM0042":{"b1Enabled":true,"b2Enabled":true,"b3Enabled":false,"b4Enabled":true,"enabled":true}}})");
    EXPECT_EQ(userRow("u1", account, "VLM0042"), (UserRow{"o'brien@correo.es", "O'Brien, J.", "1", "1,2,4", "u1"}));
    // No group for the module: no buttons, not enabled.
    EXPECT_EQ(userRow("u1", account, "VLM9999"), (UserRow{"o'brien@correo.es", "O'Brien, J.", "0", "", "u1"}));
}

TEST(CloudUsers, RightsWrittenFromButtonDigits)
{
    const struct {
        QString boto, enabled;
        bool b1, b2, b3, b4;
        int count;
        bool on;
    } cases[] = {
        {"1,2,4", "1", true, true, false, true, 3, true},
        {"", "0", false, false, false, false, 0, false},
        {"3", "1", false, false, true, false, 1, true},
    };
    for (const auto &c : cases) {
        const QJsonObject r = userRights(c.boto, c.enabled);
        EXPECT_EQ(r.value("b1Enabled").toBool(), c.b1);
        EXPECT_EQ(r.value("b2Enabled").toBool(), c.b2);
        EXPECT_EQ(r.value("b3Enabled").toBool(), c.b3);
        EXPECT_EQ(r.value("b4Enabled").toBool(), c.b4);
        EXPECT_EQ(r.value("numButtonsEnabled").toInt(), c.count);
        EXPECT_EQ(r.value("enabled").toBool(), c.on);
    }
}

TEST(CloudUsers, AccountFoundByWholeEmail)
{
    const QJsonValue users = json(R"({"uA":{"email":"ana@correo.com"},"uB":{"email":"Ana@Correo.co"},
                                      "uC":{"nickname":"sin email"}})");
    EXPECT_EQ(uidForEmail(users, "ana@correo.co"), "uB"); // not the account whose e-mail only begins so
    EXPECT_EQ(uidForEmail(users, "ana@correo.com"), "uA");
    EXPECT_EQ(uidForEmail(users, "ana@correo"), "");
    EXPECT_EQ(uidForEmail(users, ""), "");
}

TEST(CloudDoors, ButtonFlagsCountAndPermission)
{
    const struct {
        const char *rights;
        QString flags;
    } cases[] = {
        {"{}", "1,0,0,0"},
        {"null", "1,0,0,0"},
        {R"({"b1Enabled":false,"b2Enabled":true,"b4Enabled":"true"})", "0,1,0,1"},
        {R"({"b1Enabled":true,"b2Enabled":false,"b3Enabled":true})", "1,0,1,0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(buttonsMarked(json(c.rights)), c.flags) << c.rights;
    const struct {
        const char *value;
        bool boolean;
        int integer;
    } scalars[] = {{"true", true, 0}, {R"("true")", true, 0}, {"3", false, 3},
                   {R"("2")", false, 2}, {R"("dos")", false, 0}, {"null", false, 0}};
    for (const auto &s : scalars) {
        EXPECT_EQ(readBoolean(json(s.value)), s.boolean) << s.value;
        EXPECT_EQ(readInteger(json(s.value)), s.integer) << s.value;
    }
}

TEST(CloudHistory, CreatedTextsCleaned)
{
    const struct {
        QString created, clean;
    } cases[] = {
        {"2026-01-15T09:20:30.123", "15-01-2026 09:20:30.123"},
        {"Dia: 15/01/2026 Hora: 10:20:30", "15-01-2026  10:20:30"},
        {"Date:15/01/2026 Hour:10:20:30* GMT+1", "15-01-2026 10:20:30"},
        {"D\u00EDa: 15-01-2026 10:20:30", "15-01-2026 10:20:30"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cleanCreated(c.created).toStdString(), c.clean.toStdString());
}

TEST(CloudHistory, RowsNewestFirstWithLossesAndOlderEventsLeftOut)
{
    const QJsonValue events = json(R"({
      "-A": {"Created": "2021-07-30T10:00:00.000", "MessageTxt": "Conexión perdida", "UserId": "m1"},
      "-B": {"Created": "2026-01-15T09:20:30.123", "MessageTxt": "Salida: 2\\nabierta\\\\", "UserMail": "ana@velmar.test",
             "UserId": "u1", "UserName": "O'Brien, J.", "EventId": "77000"},
      "-C": {"Created": "2026-01-16T10:00:00.000", "MessageTxt": "Red PERDIDA"},
      "-D": {"Created": "Dia: 14/01/2026 Hora: 23:30:00", "EventId": "130", "ButtonNumber": "2", "UserId": "u2"},
      "-E": {"Created": "ayer", "MessageTxt": "sin fecha"}
    })");
    const QTimeZone madrid("Europe/Madrid");
    const QList<HistoryRow> rows = historyRows(events, {}, madrid);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (HistoryRow{1, "15-01-2026", "10:20:30", "ana@velmar.test", "O'Brien, J.", "Salida: 2 abierta",
                                   "77000", ""}));
    EXPECT_EQ(rows[1], (HistoryRow{2, "15-01-2026", "00:30:00", "u2", "", "", "130", "2"}));
    EXPECT_EQ(rows[2].message, "Conexión perdida"); // before losses were counted
    EXPECT_EQ(rows[2].user, "m1");

    // With a date chosen, only what is later than its start.
    const QList<HistoryRow> later = historyRows(events, QDateTime(QDate(2026, 1, 15), QTime(0, 0), madrid), madrid);
    ASSERT_EQ(later.size(), 2);
    EXPECT_EQ(later[1].number, 2);
    EXPECT_EQ(later[1].eventId, "130");
    EXPECT_TRUE(historyRows(json("null"), {}, madrid).isEmpty());
}

} // namespace
