#include "core/params/ControlTable.h"

#include <QtGlobal>

namespace velmar::ControlTable {

namespace {

ControlDesign edit(const char *name, const char *hint, int offset, const char *page)
{
    ControlDesign d;
    d.name = QString::fromLatin1(name);
    d.hint = QString::fromLatin1(hint);
    d.offset = offset;
    d.page = QString::fromLatin1(page);
    return d;
}

// The baud, event-file and bus-address boxes of one panel page.
struct PanelEdits {
    const char *panel; // page suffix: PCentral<panel>
    QList<std::pair<const char *, const char *>> boxes;
};

} // namespace

QList<ControlDesign> edits()
{
    QList<ControlDesign> e;
    const char *config = "PConfig";
    e << edit("EProgEmpresa", "idEmpres", 0, config) << edit("EProgInstal", "idInstal", 0, config)
      << edit("EProgRef", "idRefere", 0, config) << edit("EProgTel", "gsNumTel", 0, config)
      << edit("EProgPassword", "gsSmsPas", 0, config)
      << edit("EConfigADSLIP", "noDhIpAd", 0, config)
      << edit("EConfigADSLGateway", "noDhGate", 0, config)
      << edit("EConfigADSLSubMask", "noDhMask", 0, config)
      << edit("EConfigADSLDNS", "noDhPdns", 0, config)
      << edit("EConfigADSLDNS2", "noDhSdns", 0, config);
    ControlDesign central = edit("ECentral", "comCiExt", 0, config);
    central.readOnly = true;
    central.disabled = true;
    e << central << edit("ECodiProg", "codiProg", 0, config);
    ControlDesign mac = edit("EMAC", "adsMacAd", 0, config);
    mac.readOnly = true;
    e << mac << edit("EPinSIM", "gsPinSim", 0, config);

    const char *soft = "PConfigSoft";
    e << edit("EEMailSMTP", "smtpIpAd", 0, soft) << edit("EEmailPort", "smtpPort", 0, soft)
      << edit("EEMailUser", "smtpUser", 0, soft);
    ControlDesign password = edit("EEMailPassword", "smtpPass", 0, soft);
    password.password = true;
    e << password << edit("EEMailEnviarA", "mailFrom", 0, soft)
      << edit("EEmailSubject", "mailSubj", 0, soft);
    for (int i = 0; i < 4; ++i)
        e << edit(qPrintable(QStringLiteral("ETelSMS%1").arg(i + 1)), "BlDsSmsI", i, soft);
    for (int i = 0; i < 4; ++i)
        e << edit(qPrintable(QStringLiteral("EEmail%1").arg(i + 1)), "BlDsEmaI", i, soft);
    // Two receiving centres with two paths each: offsets 0 to 3 from the
    // first centre's first path.
    const char *paths[] = {"11", "12", "21", "22"};
    for (int i = 0; i < 4; ++i) {
        e << edit(qPrintable(QStringLiteral("EIPCra%1").arg(QLatin1String(paths[i]))), "cra1IpAd", i, soft)
          << edit(qPrintable(QStringLiteral("EPortCRA%1").arg(QLatin1String(paths[i]))), "cra1Port", i, soft);
    }
    for (int i = 0; i < 4; ++i)
        e << edit(qPrintable(QStringLiteral("EAbonatCra%1").arg(QLatin1String(paths[i]))), "cra1Abon", i, soft);
    e << edit("EPollingCRA1", "craTPoll", 0, soft);

    e << edit("EImportarFitxer", "BlAgFitx", 0, "PCentralAguilera")
      << edit("EBaudsAgui", "BlRsBauA", 0, "PCentralAguilera")
      << edit("EImportarFitxerBC600", "BlBcFitx", 0, "PCentralBC600")
      << edit("EBaudsBC600", "BlRsBauB", 0, "PCentralBC600");

    for (int b = 1; b <= 4; ++b)
        e << edit(qPrintable(QStringLiteral("EAliesB%1").arg(b)),
                  qPrintable(QStringLiteral("BlB%1Alie").arg(b)), 0, "PPortes");
    // The opening, open and closing times of a button share its parameter.
    for (int b = 1; b <= 4; ++b) {
        const QByteArray hint = QStringLiteral("BlB%1Temp").arg(b).toLatin1();
        for (const char *box : {"ETActivantB", "ETActivatB", "ETDesactivantB"})
            e << edit(qPrintable(QLatin1String(box) + QString::number(b)), hint.constData(), 0, "PPortes");
    }

    const QList<PanelEdits> panels = {
        {"Cofem", {{"EBaudsCofem", "BlRsBauC"}, {"EAdrecaCofem", "BlClAdre"},
                   {"EImportarFitxerCofem", "BlClFitx"}}},
        {"Urano", {{"EBaudsUrano", "BlRsBauU"}}},
        {"Syncro", {{"EBaudsSyncro", "BlRsBauS"}, {"EImportarFitxerSyncro", "BlSyFitx"}}},
        {"AvenarBosch", {{"EBaudsAvenarBosch", "BlRsBauA"},
                         {"EImportarFitxerAvenarBosch", "BlAvFitx"}}},
        {"Supra", {{"EBaudsSupra", "BlRsBauS"}, {"EImportarFitxerSupra", "BlSuFitx"}}},
        {"Zafir", {{"EBaudsZafir", "BlRsBauZ"}, {"EAdrecaZafir", "BlZaAdre"},
                   {"EImportarFitxerZafir", "BlZaFitx"}}},
        {"AD300", {{"EBaudsAD300", "BlRsBauD"}, {"EImportarFitxerAD300", "BlAdFitx"},
                   {"EAdrAD300", "BlAdAdre"}}},
        {"ID3000", {{"EBaudsID3000", "BlRsBauI"}, {"EImportarFitxerID3000", "BlIDFitx"},
                    {"EAdrID3000", "BlIDAdre"}}},
        {"DetnovCCD", {{"EBaudsDetnovCCD", "BlRsBauC"}, {"EImportarFitxerDetnovCCD", "BlCcFitx"}}},
        {"Detnov", {{"EBaudsDetnov", "BlRsBauC"}}},
        {"AD600", {{"EBaudsAD600", "BlRsBau6"}, {"EImportarFitxerAD600", "Bl60Fitx"},
                   {"EAdrAD600", "Bl60Adre"}}},
        {"Ctec", {{"EBaudsCtec", "BlRsBauc"}, {"EImportarFitxerCtec", "BlctFitx"}}},
        {"MA2000", {{"EBaudsMA2000", "BlRsBauI"}, {"EImportarFitxerMA2000", "BlIDFitx"},
                    {"EAdrMA2000", "BlIDAdre"}}},
        {"JadeBird", {{"EBaudsJadeBird", "BlRsBauC"}, {"EImportarFitxerJadeBird", "BlCcFitx"},
                      {"EAdrJadeBird", "BlIDAdre"}}},
        {"PL1000", {{"EBaudsPL1000", "BlRsBauI"}, {"EImportarFitxerPL1000", "BlIDFitx"},
                    {"EAdrPL1000", "BlIDAdre"}}},
    };
    for (const PanelEdits &p : panels) {
        const QByteArray page = "PCentral" + QByteArray(p.panel);
        for (const auto &[box, hint] : p.boxes)
            e << edit(box, hint, 0, page.constData());
    }
    return e;
}

QList<ControlDesign> comboBoxes()
{
    return {edit("CBHora", "franjaUT", 0, "PConfig")};
}

QList<ControlDesign> checkLists()
{
    return {edit("CLBPartsActives", "idFunAct", 0, "PConfig")};
}

QList<ControlDesign> checkBoxes()
{
    ControlDesign dhcp = edit("CBConfigADSLDHCP", "dhcpEnab", 0, "PConfig");
    dhcp.indicator = QStringLiteral("SPConfigADSLDHCP");
    ControlDesign hexa = edit("CBHexaCra", "craHexad", 0, "PConfigSoft");
    hexa.indicator = QStringLiteral("SPHexaCRA");
    ControlDesign vpn = edit("CBConfigVPN", "vpnEnabl", 0, "PConfig");
    vpn.indicator = QStringLiteral("SPConfigVPN");
    return {dhcp, hexa, vpn};
}

QStringList horaEntries()
{
    return {
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-10:00) Hawaii"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-09:00) Alaska"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-08:00) Los Angeles"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-07:00) Denver"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-06:00) Chicago"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-05:00) Bogotá"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-04:00) Caracas"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-03:00) Punta Arenas"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-02:00) Noronha"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC-01:00) Azores"),
        QT_TRANSLATE_NOOP("FieldModel",
                          "(UTC+00:00) Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+01:00) Madrid, Paris, Berlin, Roma"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+02:00) Riga"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+03:00) Moscú"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+04:00) Dubai"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+05:00) Karachi"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+06:00) Omsk"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+07:00) Jakarta"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+08:00) Hong Kong"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+09:00) Seúl"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+10:00) Vladivostok"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+11:00) Magadan"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+12:00) McMurdo"),
        QT_TRANSLATE_NOOP("FieldModel", "(UTC+13:00) Nuku alofa, Samoa"),
    };
}

QStringList partsActives()
{
    return {QStringLiteral("GPRS"), QStringLiteral("ADSL"), QStringLiteral("COM"),
            QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "E/S"))};
}

namespace {

GridDesign grid(const char *name, const char *hint, int offset, const char *page, int columns,
              int dataRows, RowLabels labels)
{
    GridDesign g;
    g.name = QString::fromLatin1(name);
    g.hint = QString::fromLatin1(hint);
    g.offset = offset;
    g.page = QString::fromLatin1(page);
    g.columns = columns;
    g.dataRows = dataRows;
    g.labels = labels;
    return g;
}

GridDesign fixedRange(GridDesign g, int records)
{
    g.range = RowRange::Fixed;
    g.records = records;
    return g;
}

GridDesign stores(GridDesign g, const char *store, const char *flags = "")
{
    g.storeName = QString::fromLatin1(store);
    g.flagsName = QString::fromLatin1(flags);
    return g;
}

// An event grid of a panel page: it takes records only while its tab is
// shown; headings and captions come with the page.
GridDesign panel(const char *name, const char *hint, const char *panelName, int columns,
               int dataRows, RowLabels labels, const char *store)
{
    const QByteArray page = "PCentral" + QByteArray(panelName);
    GridDesign g = grid(name, hint, 0, page.constData(), columns, dataRows, labels);
    g.panelTab = QStringLiteral("TSCentral") + QLatin1String(panelName);
    g.storeName = QString::fromLatin1(store);
    return g;
}

const char *const kNotice[] = {
    QT_TRANSLATE_NOOP("FieldModel", "App"),
    QT_TRANSLATE_NOOP("FieldModel", "SMS"),
    QT_TRANSLATE_NOOP("FieldModel", "EMail"),
    QT_TRANSLATE_NOOP("FieldModel", "Código CID"),
};

QStringList noticeHeaders(const char *email, const char *message)
{
    return {kNotice[0], kNotice[1], email, kNotice[3], message};
}

} // namespace

QList<GridDesign> grids()
{
    QList<GridDesign> g;
    const char *eMail = kNotice[2];
    const char *email = QT_TRANSLATE_NOOP("FieldModel", "Email");

    // 0-19: the module's own pages, then the Aguilera and BC600/216 pages.
    GridDesign operadores = stores(fixedRange(grid("SGOperadores", "BlOpTelI", 0, "PConfig", 4, 16,
                                                 RowLabels::None), 16), "Operadores");
    operadores.headers = {QT_TRANSLATE_NOOP("FieldModel", "   Operadora"),
                          QT_TRANSLATE_NOOP("FieldModel", "APN"),
                          QT_TRANSLATE_NOOP("FieldModel", "Usuario"),
                          QT_TRANSLATE_NOOP("FieldModel", "Password")};
    g << operadores;

    GridDesign cra = stores(grid("SGCra", "craOpcio", 0, "PConfigSoft", 1, 1, RowLabels::None), "ACra");
    cra.headers = {kNotice[0]};
    g << cra;

    GridDesign entrades = stores(fixedRange(grid("SGEntrades", "BlEnOpsI", 0, "PUsuari", 5, 16,
                                               RowLabels::Numbers), 16), "Entrades", "EntradesNO");
    entrades.headers = {QT_TRANSLATE_NOOP("FieldModel", "N."),
                        QT_TRANSLATE_NOOP("FieldModel", "Alias"),
                        QT_TRANSLATE_NOOP("FieldModel", "Disp."),
                        QT_TRANSLATE_NOOP("FieldModel", "Rest."),
                        QT_TRANSLATE_NOOP("FieldModel", "NO")};
    entrades.checkColumns = {4};
    entrades.noColumn = 4;
    g << entrades;

    GridDesign entradesOpc = stores(fixedRange(grid("SGEntradesOpc", "BlEnTxtI", 0, "PUsuari", 5, 16,
                                                  RowLabels::None), 16), "EntradesOpc");
    entradesOpc.headers = noticeHeaders(
        eMail, QT_TRANSLATE_NOOP("FieldModel", "Mensaje disparo/mensaje restaura"));
    g << entradesOpc;

    GridDesign sortides = stores(fixedRange(grid("SGSortides", "BlSoOpsI", 0, "PUsuari", 11, 4,
                                               RowLabels::Numbers), 4), "Sortides", "SortidesOpc");
    sortides.headers = {QT_TRANSLATE_NOOP("FieldModel", "N."),
                        QT_TRANSLATE_NOOP("FieldModel", "Inicio"),
                        QT_TRANSLATE_NOOP("FieldModel", "Test"),
                        QT_TRANSLATE_NOOP("FieldModel", "Tamper"),
                        QT_TRANSLATE_NOOP("FieldModel", "Alim."),
                        QT_TRANSLATE_NOOP("FieldModel", "GSM"),
                        QT_TRANSLATE_NOOP("FieldModel", "ADSL"),
                        QT_TRANSLATE_NOOP("FieldModel", "CRA"),
                        QT_TRANSLATE_NOOP("FieldModel", "Servidor"),
                        QT_TRANSLATE_NOOP("FieldModel", "COM"),
                        kNotice[0]};
    sortides.checkColumns = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    sortides.clearedValue = QStringLiteral("0");
    g << sortides;

    GridDesign temps = stores(fixedRange(grid("SGSortidesTemps", "BlSoTmpI", 0, "PUsuari", 6, 4,
                                            RowLabels::Numbers), 4), "SortidesTemps", "SortidesTempsOpc");
    temps.headers = {QT_TRANSLATE_NOOP("FieldModel", "N."),
                     QT_TRANSLATE_NOOP("FieldModel", "Alias"),
                     QT_TRANSLATE_NOOP("FieldModel", "Desac."),
                     QT_TRANSLATE_NOOP("FieldModel", "T.Act."),
                     QT_TRANSLATE_NOOP("FieldModel", "T.Des."),
                     QT_TRANSLATE_NOOP("FieldModel", "NO")};
    temps.checkColumns = {5};
    temps.noColumn = 5;
    g << temps;

    GridDesign ent = stores(fixedRange(grid("SGSortidesEnt", "BlSoEntI", 0, "PUsuari", 18, 4,
                                          RowLabels::Numbers), 4), "SortidesEnt", "SortidesEntOpc");
    // One column per input, headed by its number ("E" for "Entrada").
    static const char *const inputs[] = {
        QT_TRANSLATE_NOOP("FieldModel", "E1"),  QT_TRANSLATE_NOOP("FieldModel", "E2"),
        QT_TRANSLATE_NOOP("FieldModel", "E3"),  QT_TRANSLATE_NOOP("FieldModel", "E4"),
        QT_TRANSLATE_NOOP("FieldModel", "E5"),  QT_TRANSLATE_NOOP("FieldModel", "E6"),
        QT_TRANSLATE_NOOP("FieldModel", "E7"),  QT_TRANSLATE_NOOP("FieldModel", "E8"),
        QT_TRANSLATE_NOOP("FieldModel", "E9"),  QT_TRANSLATE_NOOP("FieldModel", "E10"),
        QT_TRANSLATE_NOOP("FieldModel", "E11"), QT_TRANSLATE_NOOP("FieldModel", "E12"),
        QT_TRANSLATE_NOOP("FieldModel", "E13"), QT_TRANSLATE_NOOP("FieldModel", "E14"),
        QT_TRANSLATE_NOOP("FieldModel", "E15"), QT_TRANSLATE_NOOP("FieldModel", "E16"),
    };
    ent.headers = {QT_TRANSLATE_NOOP("FieldModel", "N.")};
    for (int i = 1; i <= 16; ++i) {
        ent.headers << QString::fromLatin1(inputs[i - 1]);
        ent.checkColumns << i;
    }
    ent.headers << QT_TRANSLATE_NOOP("FieldModel", "Todas");
    ent.checkColumns << 17;
    g << ent;

    GridDesign sortidesOpc = stores(fixedRange(grid("SGSortidesOpc", "BlSoTxtI", 0, "PUsuari", 5, 4,
                                                  RowLabels::None), 4), "SortidesOpc2");
    sortidesOpc.headers = noticeHeaders(
        email, QT_TRANSLATE_NOOP("FieldModel", "Mensaje activa/Mensaje desactiva"));
    g << sortidesOpc;

    GridDesign inici = stores(grid("SGInici", "BlSiInic", 0, "PUsuari", 5, 1, RowLabels::None), "AInici");
    inici.headers = noticeHeaders(eMail, QT_TRANSLATE_NOOP("FieldModel", "Texto del mensaje"));
    g << inici;

    GridDesign test = stores(grid("SGTest", "BlSiOpsI", 0, "PUsuari", 3, 1, RowLabels::None), "ATest");
    test.headers = {QT_TRANSLATE_NOOP("FieldModel", "Alias"),
                    QT_TRANSLATE_NOOP("FieldModel", "Tiempo"),
                    QT_TRANSLATE_NOOP("FieldModel", "Hora: ")};
    g << test;

    const QStringList levels = {QT_TRANSLATE_NOOP("FieldModel", "Alias"),
                                QT_TRANSLATE_NOOP("FieldModel", "N. Disp."),
                                QT_TRANSLATE_NOOP("FieldModel", "N. Rest."),
                                QT_TRANSLATE_NOOP("FieldModel", "T. Disp."),
                                QT_TRANSLATE_NOOP("FieldModel", "T. Rest."),
                                QT_TRANSLATE_NOOP("FieldModel", "NO")};
    GridDesign tamper = stores(grid("SGTamper", "BlSiOpsI", 1, "PUsuari", 6, 1, RowLabels::None),
                             "ATamper", "TamperNO");
    tamper.headers = levels;
    tamper.checkColumns = {5};
    tamper.noColumn = 5;
    GridDesign alim = tamper;
    alim.name = QStringLiteral("SGAlim");
    alim.offset = 2;
    alim.storeName = QStringLiteral("AAlim");
    alim.flagsName = QStringLiteral("AlimNO");
    g << tamper << alim;

    GridDesign testOpc = stores(grid("SGTestOpc", "BlSiTxtI", 0, "PUsuari", 5, 1, RowLabels::None),
                              "ATestOpc");
    testOpc.headers = noticeHeaders(eMail, QT_TRANSLATE_NOOP("FieldModel", "Mensaje de test"));
    GridDesign tamperOpc = stores(grid("SGTamperOpc", "BlSiTxtI", 1, "PUsuari", 5, 1,
                                     RowLabels::None), "ATamperOpc");
    tamperOpc.headers = noticeHeaders(
        email, QT_TRANSLATE_NOOP("FieldModel", "Mensaje disparo/mensaje restaura"));
    GridDesign alimOpc = tamperOpc;
    alimOpc.name = QStringLiteral("SGAlimOpc");
    alimOpc.offset = 2;
    alimOpc.storeName = QStringLiteral("AAlimOpc");
    g << testOpc << tamperOpc << alimOpc;

    GridDesign perdua = stores(fixedRange(grid("SGPerduaCOM", "BlSiTxtI", 3, "PUsuari", 6, 5,
                                             RowLabels::Captions), 5), "APerduaCOM");
    perdua.headers = QStringList{QString()} + noticeHeaders(
        eMail, QT_TRANSLATE_NOOP("FieldModel", "Mensaje de fallo/Mensaje de recuperación"));
    perdua.captions = {QT_TRANSLATE_NOOP("FieldModel", "Pérdida GSM"),
                       QT_TRANSLATE_NOOP("FieldModel", "Pérdida ADSL"),
                       QT_TRANSLATE_NOOP("FieldModel", "Pérdida CRA"),
                       QT_TRANSLATE_NOOP("FieldModel", "Pérdida Servidor"),
                       QT_TRANSLATE_NOOP("FieldModel", "Pérdida COM")};
    g << perdua;

    g << fixedRange(panel("SGCentralAgui", "BlAgTxtI", "Aguilera", 6, 9, RowLabels::Captions,
                          "ACentral"), 9);
    GridDesign zones = panel("SGLlistatZonesAgui", "BlAgZonI", "Aguilera", 3, 1023,
                           RowLabels::Numbers, "ALlistatZones");
    zones.range = RowRange::ZoneList;
    zones.headers = {QT_TRANSLATE_NOOP("FieldModel", "ZONA"), kNotice[3],
                     QT_TRANSLATE_NOOP("FieldModel", "NOMBRE")};
    g << zones;
    GridDesign bc600 = panel("SGCentralBC600", "BlBcTxtI", "BC600", 7, 255, RowLabels::Numbers, "ABC600");
    bc600.range = RowRange::BC600;
    g << bc600;
    GridDesign bcApp = stores(grid("SGBCApp", "BlBcOpci", 0, "PCentralBC600", 1, 1, RowLabels::None),
                            "ABCApp");
    bcApp.headers = {kNotice[0]};
    g << bcApp;

    // 20-23: the door buttons' function grids, one row per output.
    for (int b = 1; b <= 4; ++b) {
        const QByteArray name = QStringLiteral("SGBoto%1").arg(b).toLatin1();
        const QByteArray hint = QStringLiteral("BlB%1FunI").arg(b).toLatin1();
        GridDesign boto = fixedRange(grid(name.constData(), hint.constData(), 0, "PPortes", 5, 4,
                                        RowLabels::Numbers), 4);
        boto.headers = {QT_TRANSLATE_NOOP("FieldModel", "Sal."),
                        QT_TRANSLATE_NOOP("FieldModel", "Activ."),
                        QT_TRANSLATE_NOOP("FieldModel", "Entrada"),
                        QT_TRANSLATE_NOOP("FieldModel", "T.Ent"),
                        QT_TRANSLATE_NOOP("FieldModel", "T.Des.")};
        boto.checkColumns = {1};
        boto.binding = GridBinding::DoorButton;
        boto.storeName = QStringLiteral("ABoto%1").arg(b);
        boto.flagsName = QStringLiteral("ABoto%1Opc").arg(b);
        g << boto;
    }

    // 24-25: the door phone and user lists come from the cloud, not the module.
    GridDesign telefons = stores(grid("SGTelefons", "", 0, "PPortes", 5, 1024, RowLabels::None),
                               "ATelefons");
    telefons.headers = {QT_TRANSLATE_NOOP("FieldModel", "Borrar"),
                        QT_TRANSLATE_NOOP("FieldModel", "Teléfonos"),
                        QT_TRANSLATE_NOOP("FieldModel", "Referencia "),
                        QT_TRANSLATE_NOOP("FieldModel", "Habilita"),
                        QT_TRANSLATE_NOOP("FieldModel", "Botón")};
    GridDesign usuaris = stores(grid("SGUsuaris", "", 0, "PPortes", 6, 1024, RowLabels::None),
                              "AUsuaris");
    usuaris.headers = {QT_TRANSLATE_NOOP("FieldModel", "Borrar"), email,
                       QT_TRANSLATE_NOOP("FieldModel", "Alias"),
                       QT_TRANSLATE_NOOP("FieldModel", "Habilita"),
                       QT_TRANSLATE_NOOP("FieldModel", "Botón"), QString()};
    g << telefons << usuaris;

    // 26-39: the other panels' event grids.
    g << fixedRange(panel("SGCentralCofem", "BlClTxtI", "Cofem", 6, 29, RowLabels::Captions,
                          "ACentralCofem"), 29)
      << fixedRange(panel("SGCentralUrano", "BlUrTxtI", "Urano", 6, 10, RowLabels::Captions,
                          "ACentralUrano"), 11)
      << fixedRange(panel("SGCentralSyncro", "BlSyTxtI", "Syncro", 7, 255, RowLabels::Numbers,
                          "ASyncro"), 255)
      << fixedRange(panel("SGCentralAvenarBosch", "BlAvTxtI", "AvenarBosch", 7, 255,
                          RowLabels::Numbers, "AAvenarBosch"), 255)
      << fixedRange(panel("SGCentralSupra", "BlSuTxtI", "Supra", 7, 50, RowLabels::Numbers,
                          "ACentralSupra"), 50); // every row the write sends is read back
    GridDesign zafir = panel("SGCentralZafir", "BlZaTxtI", "Zafir", 7, 50, RowLabels::Captions,
                           "ACentralZafir");
    zafir.range = RowRange::DataRows;
    g << zafir
      << fixedRange(panel("SGCentralAD300", "BlAdTxtI", "AD300", 7, 49, RowLabels::Numbers,
                          "AAD300"), 49)
      << fixedRange(panel("SGCentralID3000", "BlIDTxtI", "ID3000", 7, 255, RowLabels::Numbers,
                          "AID3000"), 255)
      << fixedRange(panel("SGCentralDetnovCCD", "BlCcTxtI", "DetnovCCD", 7, 50,
                          RowLabels::Numbers, "ACentralDetnovCCD"), 50)
      << fixedRange(panel("SGCentralAD600", "Bl60TxtI", "AD600", 7, 74, RowLabels::Numbers,
                          "AAD600"), 75)
      << fixedRange(panel("SGCentralCtec", "BlctTxtI", "Ctec", 7, 74, RowLabels::Numbers,
                          "ACtec"), 75)
      << fixedRange(panel("SGCentralMA2000", "BlIDTxtI", "MA2000", 7, 255, RowLabels::Numbers,
                          "AMA2000"), 255)
      << fixedRange(panel("SGCentralJadeBird", "BlCcTxtI", "JadeBird", 7, 50, RowLabels::Numbers,
                          "ACentralJadeBird"), 50)
      << fixedRange(panel("SGCentralPL1000", "BlIDTxtI", "PL1000", 7, 255, RowLabels::Numbers,
                          "APL1000"), 255);
    return g;
}

} // namespace velmar::ControlTable
