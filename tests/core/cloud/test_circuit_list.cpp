// The circuit search's list without a server: which modules of a directory
// answer belong to a site, their link cells and order, and the panel
// status a stored record gives the offline view.

#include "core/cloud/CircuitList.h"
#include "core/cloud/OfflineStatus.h"
#include "core/panels/PanelCatalogue.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

using namespace velmar;
using namespace velmar::cloud;

namespace {

QJsonValue json(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}

TEST(CircuitList, LinkCellOfEachStoredValue)
{
    const struct {
        QString value;
        QString ethernet;
        QString gprs;
    } cases[] = {
        {"0", "Desactivado", "Desactivado"}, {"1", "Perdido", "Perdido"},     {"3", "Perdido", "Perdido"},
        {"4", "Conectado", "Conectado"},     {"6", "Conectado", "Conectado"}, {"7", "No ADSL", "No GPRS"},
        {"-1", "No ADSL", "No GPRS"},        {"", "No ADSL", "No GPRS"},      {"x", "No ADSL", "No GPRS"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(linkStateText(c.value, true), c.ethernet) << c.value.toStdString();
        EXPECT_EQ(linkStateText(c.value, false), c.gprs) << c.value.toStdString();
    }
}

TEST(CircuitList, ModulesOfTheSiteInReferenceOrder)
{
    const QJsonValue answer = json(R"({
      "100": {"Company": "ACME", "Installer": "Juan", "Reference": "nave B", "Connection": "ONLINE",
              "Configuration": {"ethernetInfo": {"ethernetStat": "6"}, "gprsInfo": {"gprsStat": "2"}}},
      "101": {"Company": "ACME", "Installer": "Juan", "Reference": "Almacen", "Connection": "OFFLINE",
              "Configuration": {"ethernetInfo": {"ethernetStat": "6"}, "gprsInfo": {"gprsStat": "5"}}},
      "102": {"Company": "ACME", "Installer": "Pedro", "Reference": "nave A", "Connection": "ONLINE"},
      "103": {"Company": "OTRA", "Installer": "Juan", "Reference": "nave C", "Connection": "ONLINE"},
      "104": {"Company": "ACME", "Installer": "O'Brien, J.", "Reference": "Sala: 1", "Connection": "ONLINE",
              "Configuration": {"gprsInfo": {"gprsStat": 5}}}
    })");
    // The whole company, sorted by reference whatever the case; a module that
    // is not online has no link states, one without Configuration keeps -1.
    const QList<CircuitRow> all = circuitRows(answer, "ACME", "", "");
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all.at(0), (CircuitRow{"Juan", "Almacen", "-1", "-1", "101"}));
    EXPECT_EQ(all.at(1), (CircuitRow{"Pedro", "nave A", "-1", "-1", "102"}));
    EXPECT_EQ(all.at(2), (CircuitRow{"Juan", "nave B", "6", "2", "100"}));
    // Data with commas and colons stays whole (a number is read as its text).
    EXPECT_EQ(all.at(3), (CircuitRow{"O'Brien, J.", "Sala: 1", "-1", "5", "104"}));

    EXPECT_EQ(circuitRows(answer, "ACME", "Juan", "").size(), 2);
    EXPECT_EQ(circuitRows(answer, "ACME", "Juan", "nave B").size(), 1);
    EXPECT_TRUE(circuitRows(answer, "ACME", "Nadie", "").isEmpty());
    EXPECT_TRUE(circuitRows(QJsonValue(), "ACME", "", "").isEmpty());

    EXPECT_EQ(searchResultText(circuitRows(answer, "ACME", "Juan", "")),
              "Juan,Almacen,-1,-1,101|Juan,nave B,6,2,100|");
}

TEST(CircuitList, NamesComparedWithoutDiacritics)
{
    EXPECT_EQ(ClearMultiByteChar("Ñandú Peña Ação Çà ï"), "Nandu Pena Acao Ca i");
    const QJsonValue answer =
        json(R"({"7": {"Company": "Lopez", "Installer": "Jose", "Reference": "Camion", "Connection": "OFFLINE"}})");
    EXPECT_EQ(circuitRows(answer, "López", "José", "Camión").size(), 1);
}

TEST(CircuitList, CellsNumberedOrMarkedForDeletion)
{
    EXPECT_EQ(circuitCells({"Juan", "nave B", "6", "2", "100"}, 3),
              QStringList({"3", "Juan", "nave B", "100", "Conectado", "Perdido"}));
    EXPECT_EQ(circuitCells({"Juan", "nave B", "-1", "-1", "100"}, 1),
              QStringList({"Esborrar", "Juan", "nave B", "100", "No ADSL", "No GPRS"}));
    EXPECT_EQ(circuitCells({"Juan", "x", "0", "5", "9"}, 2).first(), "2");

    QList<QStringList> rows{{"1", "b", "Zeta"}, {"2", "A", "alfa"}, {"3", "a", "Beta"}};
    sortRowsByColumn(rows, 2);
    EXPECT_EQ(rows.at(0).at(0), "2");
    EXPECT_EQ(rows.at(2).at(0), "1");
    // Equal texts (but for case) keep their order.
    sortRowsByColumn(rows, 1);
    EXPECT_EQ(rows.at(0).at(0), "2");
    EXPECT_EQ(rows.at(1).at(0), "3");
}

TEST(OfflineStatus, PanelStatusOfTheStoredRecordPerModel)
{
    ModuleRecord r;
    for (const auto &[name, value] : std::initializer_list<std::pair<const char *, const char *>>{
             {"numAlarm", "1"}, {"numFault", "2"}, {"numDisconn", "3"}, {"numTest", "4"},
             {"zonesAlarm", "a"}, {"zonesFault", "b"}, {"zonesDisconn", "c"}, {"zonesTest", "d"},
             {"Cofem_centralStat", "CS"}, {"Cofem_zonesStat", "ZS"}, {"password", "P"},
             {"Urano_zonesStat", "UZ"}, {"Syncro_buzzerAndNums", "0|1|2"}, {"buzzerAndNums", "1|0"},
             {"buzzerAndcounts", "1|2|3"}})
        r.set(QLatin1String(name), QLatin1String(value));
    const struct {
        const char *central;
        QString text;
    } cases[] = {
        {"AE/SA", "1|2|3|4:a|b|c|d"}, {"Cofem", "CS|ZS"},   {"Cofem-A", "CS|ZS"}, {"Urano", "P|UZ"},
        {"CCD-100", "P|UZ"},          {"Syncro", "0|1|2"}, {"ID3000", "0|1|2"}, {"Bosch", "1|0"},
        {"PL-1000", "1|0"},           {"BC600", "1|2|3"},  {"Detnov", ""},
    };
    for (const auto &c : cases) {
        const panels::PanelModel *m = panels::cloudStatusModel(QString::fromLatin1(c.central));
        ASSERT_NE(m, nullptr) << c.central;
        EXPECT_EQ(storedPanelStatus(*m, r), c.text) << c.central;
    }
}

} // namespace
