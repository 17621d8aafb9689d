// The panel catalogue: which model, status view and programming page a
// panel type selects, and which model an information record is meant for.
#include "core/panels/CodeTables.h"
#include "core/panels/PanelCatalogue.h"

#include <gtest/gtest.h>

using namespace velmar::panels;

namespace {

QString viewOf(const PanelModel *m)
{
    return m ? QString::fromLatin1(m->statusView) : QString();
}

QString nameOf(const PanelModel *m)
{
    return m ? QString::fromLatin1(m->model) : QString();
}

TEST(PanelCatalogue, PanelTypeSelectsStatusViewAndPage)
{
    const struct {
        const char *central;
        const char *view;    // identification's choice
        const char *cloud;   // the cloud status record's choice
        const char *tab;
        const char *caption;
        const char *title;
    } cases[] = {
        {"AGE44", "PEstatAgui", "PEstatAgui", "TSCentralAguilera", "Aguilera", "CENTRAL DE INCENDIOS AGUILERA"},
        {"AE/C5", "PEstatAgui2", "PEstatAgui2", "TSCentralAguilera", "Aguilera", "CENTRAL DE INCENDIOS AGUILERA"},
        {"BC600", "PEstatBC600", "PEstatBC600", "TSCentralBC600", "BC600/216", "CENTRAL DE INCENDIOS BC600/216"},
        {"BC216", "PEstatBC216", "PEstatBC216", "TSCentralBC600", "BC600/216", "CENTRAL DE INCENDIOS BC600/216"},
        // The Aguilera names win identification, the BC names the cloud and the page.
        {"BC600-AGE", "PEstatAgui", "PEstatBC600", "TSCentralBC600", "BC600/216", "CENTRAL DE INCENDIOS BC600/216"},
        {"Puertas", "PEstatPortes", "PEstatPortes", "TSPortes", "Accesos", "CONTROL DE ACCESOS"},
        {"Cofem CLVR", "PEstatCofem", "PEstatCofem", "TSCentralCofem", "Cofem", "CENTRAL DE INCENDIOS COFEM"},
        {"Cofem-A", "PEstatCofemZafir", "PEstatCofemZafir", "TSCentralZafir", "Cofem Zafir",
         "CENTRAL DE INCENDIOS COFEM ZAFIR"},
        // A Cofem that is not a Cofem-A takes precedence over every later name.
        {"Cofem Syncro", "PEstatCofem", "PEstatCofem", "TSCentralCofem", "Cofem", "CENTRAL DE INCENDIOS COFEM"},
        // Detnov before CCD-100 for the view, the reverse for the page.
        {"Detnov CCD-100", "PEstatDetnov", "PEstatDetnov", "TSCentralDetnovCCD", "CCD-100",
         "CENTRAL DE INCENDIOS CCD-100"},
        {"Detnov", "PEstatDetnov", "PEstatDetnov", "TSCentralDetnov", "Detnov", "CENTRAL DE INCENDIOS DETNOV"},
        {"Urano", "PEstatUrano", "PEstatUrano", "TSCentralUrano", "Urano", "CENTRAL DE INCENDIOS URANO"},
        {"Syncro AS", "PEstatSyncro", "PEstatSyncro", "TSCentralSyncro", "Syncro", "CENTRAL DE INCENDIOS SYNCRO"},
        {"Bosch", "PEstatAvenarBosch", "PEstatAvenarBosch", "TSCentralAvenarBosch", "Bosch",
         "CENTRAL DE INCENDIOS AVENAR (BOSCH)"},
        {"Supra", "PEstatSupra", "PEstatSupra", "TSCentralSupra", "Supra", "CENTRAL DE INCENDIOS SUPRA"},
        {"Komttech", "PEstatKomttech", "PEstatKomttech", "TSCentralSupra", "Komttech",
         "CENTRAL DE INCENDIOS KOMTTECH"},
        {"ID3000", "PEstatID3000", "PEstatID3000", "TSCentralID3000", "ID3000", "CENTRAL DE INCENDIOS ID3000"},
        {"AD300", "PEstatAD300", "PEstatAD300", "TSCentralAD300", "AD300", "CENTRAL DE INCENDIOS AD300"},
        {"AD600", "PEstatAD600", "PEstatAD600", "TSCentralAD600", "AD600", "CENTRAL DE INCENDIOS AD600"},
        {"MA-2000", "PEstatMA2000", "PEstatMA2000", "TSCentralMA2000", "MA-2000", "CENTRAL DE INCENDIOS MA-2000"},
        // JadeBird before C-TecXFP for the view, the reverse for the page.
        {"JadeBird C-TecXFP", "PEstatJadeBird", "PEstatJadeBird", "TSCentralCtec", "C-TEC",
         "CENTRAL DE INCENDIOS C-TEC XFP"},
        {"PL-1000", "PEstatPL1000", "PEstatPL1000", "TSCentralPL1000", "PL1000",
         "CENTRAL DE INCENDIOS PL-100/LT-159"},
        {"EasyDetect", "PEstatEasyDetect", "PEstatEasyDetect", "", "", ""},
        // Names are matched whole and by case: nothing here selects a panel.
        {"bc600", "", "", "", "", ""},
        {"C-Tec XFP", "", "", "", "", ""},
        {"", "", "", "", "", ""},
    };
    for (const auto &c : cases) {
        const QString central = QString::fromUtf8(c.central);
        EXPECT_EQ(viewOf(statusModel(central)), QLatin1String(c.view)) << c.central;
        EXPECT_EQ(viewOf(cloudStatusModel(central)), QLatin1String(c.cloud)) << c.central;
        const PanelTab t = panelTabFor(central);
        EXPECT_EQ(t.tab, QLatin1String(c.tab)) << c.central;
        EXPECT_EQ(t.caption, QLatin1String(c.caption)) << c.central;
        EXPECT_EQ(t.title, QString::fromUtf8(c.title)) << c.central;
    }
}

TEST(PanelCatalogue, SharedRecordsGoToTheAttachedModelOrTheirFallback)
{
    const struct {
        const char *record;
        const char *central;
        const char *model; // "" when the record is ignored
    } cases[] = {
        {"A4", "BC600", "BC600"},
        {"A4", "BC216", "BC216"},
        {"A4", "Syncro", "BC216"}, // the fallback, whatever is attached
        {"C4", "BC600", "BC600"},
        {"C4", "", "BC216"},
        {"A5", "Cofem-A", "Cofem-A (Zafir)"},
        {"A5", "Cofem CLVR", "Cofem CLVR / K-CONECTA"},
        {"A5", "Urano", "Cofem CLVR / K-CONECTA"},
        {"A6", "Urano", "Urano"},
        {"A6", "Komttech Supra", "Komttech"},
        {"A6", "Supra", "Supra"},
        {"A6", "CCD-100", "Detnov CCD-100"},
        {"A6", "BC600", ""},
        {"A7", "AD300", "AD300"},
        {"A7", "MA-2000", "MA-2000"},
        {"A7", "PL-1000", "PL-1000"},
        // The two chains try C-Tec and JadeBird in opposite orders.
        {"A7", "JadeBird C-TecXFP", "C-Tec XFP"},
        {"C7", "JadeBird C-TecXFP", "JadeBird"},
        {"C7", "Syncro AD300", "Syncro"},
        {"A7", "Detnov", ""},
        // One model's records are its own whatever central says.
        {"A1", "", "Door installation"},
        {"A2", "BC600", "Aguilera AE/SA"},
        {"A3", "", "Aguilera AE/C5"},
        {"A8", "Syncro", "Avenar (Bosch)"},
        {"B3", "BC600", ""},
        {"", "BC600", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nameOf(recordModel(QString::fromLatin1(c.record), QString::fromLatin1(c.central))),
                  QLatin1String(c.model))
            << c.record << " " << c.central;
}

TEST(PanelCatalogue, EveryModelWithARecordOrNodeIsConsistent)
{
    // Models that share an event record share its cloud node: the decoders
    // find the lists of a record under one node.
    for (const PanelModel &a : catalogue())
        for (const PanelModel &b : catalogue())
            if (*a.eventRecord && qstrcmp(a.eventRecord, b.eventRecord) == 0)
                EXPECT_STREQ(a.cloudNode, b.cloudNode) << a.model << " / " << b.model;
    EXPECT_EQ(catalogue().size(), 22);
}

TEST(CodeTables, TablesHoldTheirEntriesInOrder)
{
    EXPECT_EQ(TaulaTipusEquip().size(), 16);
    EXPECT_EQ(TaulaTipusEquip().at(3), QStringLiteral("Sensor Óptico (Fotoeléctrico)"));
    EXPECT_TRUE(TaulaTipusEquip().at(4).isEmpty());
    EXPECT_TRUE(TaulaTipusEquip().at(15).isEmpty());

    const QStringList &events = TaulaEventEquip();
    ASSERT_EQ(events.size(), 151);
    EXPECT_EQ(events.at(0), QStringLiteral("001:Fuego"));
    EXPECT_EQ(events.at(7), QStringLiteral("008 Circuito abierto módulo"));
    // The ID3000 decoder's share ends with "068".
    EXPECT_TRUE(events.at(kID3000EventEntries - 1).startsWith(QLatin1String("068")));
    EXPECT_EQ(events.at(36), QStringLiteral("136:Zona Activada ")); // trailing blank kept
    EXPECT_EQ(events.indexOf(QStringLiteral("387:Avería Aspiración")), 82);
    EXPECT_EQ(events.indexOf(QStringLiteral("387:Fallo de aspiración")), 121);
    EXPECT_EQ(events.at(147), QStringLiteral("261:Tarjeta LIB: reset CPU"));
    for (int i = 148; i < 151; ++i)
        EXPECT_TRUE(events.at(i).isEmpty());

    EXPECT_EQ(TaulaTipusEquipCtecXFP().size(), 25);
    EXPECT_EQ(TaulaTipusEquipCtecXFP().last(), QStringLiteral("0281:BMS I/F"));
    EXPECT_EQ(TaulaEventEquipCtecXFP().size(), 32);
    EXPECT_EQ(TaulaEventEquipCtecXFP().at(25), QStringLiteral("101:Panel Silenced"));
    EXPECT_EQ(TaulaAvariaEquipCtecXFP().size(), 38);
    EXPECT_EQ(TaulaAvariaEquipCtecXFP().at(6), QStringLiteral("11:Smoke Detector Contamination "));
}

} // namespace
