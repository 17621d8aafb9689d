#include "core/link/EventLog.h"
#include "core/link/InfoInterpreter.h"
#include "core/link/ModuleStatus.h"
#include "core/link/ReplyRouter.h"
#include "core/link/Scheduler.h"
#include "core/params/InfoTexts.h"
#include "core/params/NamedTexts.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(10, 20, 30, 456));

// Keeps the panel records handed over, as the panel decoders will take them.
struct PanelRecords : PanelRecordSink {
    QStringList got;
    void panelRecord(QChar type, QChar kind, const QString &payload) override
    {
        got << QString(type) + (kind.isNull() ? QChar(u'-') : kind) + u'=' + payload;
    }
};

struct Interp : ::testing::Test {
    LinkState link;
    NamedTexts named;
    InfoTexts texts{named};
    ModuleStatus status;
    EventLog log{[] { return kNow; }};
    InfoInterpreter in{link, texts, status, log};
    PanelRecords panels;

    void SetUp() override
    {
        texts.Llegir_DefInfo();
        in.setPanelSink(&panels);
    }
    void feed(const QString &record) { in.interpret(record); }
    QStringList lines() const
    {
        QStringList out;
        for (const LogLine &l : log.lines())
            out << l.text;
        return out;
    }
    LogColour lastColour() const { return log.lines().last().colour; }
};

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

// A date-and-time segment whose characters 15 to 17 are zone.
QString dateSegment(const QString &zone)
{
    return QStringLiteral("0050324102030") + u'0' + zone;
}

} // namespace

TEST_F(Interp, RecordsWithoutBothMarksAreIgnored)
{
    QSignalSpy clock(&status, &ModuleStatus::clockChanged);
    QSignalSpy doors(&status, &ModuleStatus::doorChanged);
    for (const QString &r : {QStringLiteral("{#") + dateSegment("001"),      // no "}"
                             dateSegment("001") + u'}',                      // no "{#"
                             QStringLiteral("{ #8100:1}"), QStringLiteral("{#Obert2"),
                             QStringLiteral("+8100:1\r")}) {
        feed(r);
    }
    EXPECT_EQ(clock.count(), 0);
    EXPECT_EQ(doors.count(), 0);
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST_F(Interp, DateTimeSegmentAndZoneIndex)
{
    QSignalSpy zone(&status, &ModuleStatus::zonaHorariaChanged);
    feed("{#" + dateSegment("001") + "}\r");
    EXPECT_EQ(status.clock().data, "05/03/24");
    EXPECT_EQ(status.clock().hora, "10:20");
    EXPECT_EQ(status.clock().MDataHora(), "Fecha: 05/03/24     Hora: 10:20");
    ASSERT_EQ(zone.count(), 1);
    EXPECT_EQ(zone.at(0).at(0).toInt(), 1);

    EXPECT_EQ(status.strZonaHoraria(), "Europe/Paris");
    const struct {
        const char *chars;
        int zone;
        const char *name;
    } cases[] = {{"001", 1, "Europe/Paris"},       {"+01", 1, "Europe/Paris"},
                 {"-05", -5, "America/Bogota"},    {"+13", 13, "Pacific/Apia"},
                 {"000", 0, "Europe/London"},      {"-10", -10, "Pacific/Honolulu"},
                 {"+14", 14, "Europe/Paris"},      {"-11", -11, "Europe/Paris"},
                 {"AB", 1, "Europe/Paris"},        {"0x1", 1, "Europe/Paris"},
                 {"", 1, "Europe/Paris"},          {"1A", 1, "Europe/Paris"}};
    for (const auto &c : cases) {
        feed("{#" + dateSegment("-09") + "}"); // something else first
        feed("{#" + dateSegment(c.chars) + "}");
        EXPECT_EQ(status.clock().zonaHoraria, c.zone) << c.chars;
        EXPECT_EQ(status.strZonaHoraria(), c.name) << c.chars;
    }
    // A segment cut short reads its missing characters as empty.
    feed("{#00503}");
    EXPECT_EQ(status.clock().data, "05/03/");
    EXPECT_EQ(status.clock().hora, ":");
    EXPECT_EQ(status.clock().zonaHoraria, 1);
}

TEST_F(Interp, EventWithoutTextWritesNothing)
{
    feed("{#8999:1}");
    feed("{#8712:1}"); // a bridge event that is written, but has no text
    feed("{#8:1}");
    feed("{#9311:41}"); // in the table, but not an event-message segment
    log.setBTot(true);
    feed("{#8999:1}");
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST_F(Interp, FlashWriteIsOnlyInTheAllView)
{
    feed("{#8111:0}");
    EXPECT_TRUE(log.lines().isEmpty());
    log.setBTot(true);
    feed("{#8111:0}");
    EXPECT_EQ(lines(), QStringList{u8("10:20:30.456 8111: Grabando los parámetros en la Flash 0")});
    EXPECT_EQ(lastColour(), LogColour::Red);
}

TEST_F(Interp, ClassSixEventsCarryCaptionsNotValues)
{
    QStringList inputs;
    for (int i = 1; i <= 16; ++i)
        inputs << QStringLiteral("Entrada %1").arg(i);
    inputs[2] = "Puerta 3";
    feed("{#3" + inputs.join(u'|') + "#4Sirena|Flash|Luz|Rele}");

    const struct {
        const char *record;
        const char *line;
    } cases[] = {
        {"{#8611:3}", "10:20:30.456 Entrada disparada: Puerta 3"},
        {"{#8612:16}", "10:20:30.456 Entrada restaurada: Entrada 16"},
        {"{#8611:17}", "10:20:30.456 Entrada disparada: "},
        {"{#8611:x}", "10:20:30.456 Entrada disparada: "},
        {"{#8623:2}", "10:20:30.456 Salida disparada: Flash"},
        {"{#8625:4}", "10:20:30.456 No se permite modificar la salida: Rele"},
        {"{#8638:GSM}", "10:20:30.456 Pérdida de   GSM"},
        {"{#8641:1}", "10:20:30.456 Tamper disparado"},
    };
    for (const auto &c : cases) {
        log.clear();
        feed(c.record);
        EXPECT_EQ(lines(), QStringList{u8(c.line)}) << c.record;
        EXPECT_EQ(lastColour(), LogColour::Fuchsia) << c.record;
    }
    log.clear();
    log.setBTot(true);
    feed("{#8611:3}");
    EXPECT_EQ(lines(), QStringList{"10:20:30.456 8611: Entrada disparada: Puerta 3"});
}

TEST_F(Interp, BridgeEventsDriveThePanelLinkAndLamps)
{
    QSignalSpy commands(&in, &InfoInterpreter::commandRequested);
    feed("{#8700:0}");
    feed("{#8700:0#8700:0}");
    EXPECT_EQ(lines(), QStringList{"10:20:30.456 Conectando con BC600.."});
    EXPECT_EQ(lastColour(), LogColour::DarkRed);
    EXPECT_EQ(link.connex_velmar_Agui, 1);
    EXPECT_EQ(status.bc600Panel(), Bc600Panel::Neutral);

    feed("{#8711:0}");
    EXPECT_EQ(lines().last(), "10:20:30.456 Conectado a la Central BC600");
    EXPECT_EQ(lastColour(), LogColour::Blue);
    EXPECT_EQ(link.connex_velmar_Agui, 2);
    EXPECT_EQ(status.bc600Panel(), Bc600Panel::Coloured);
    EXPECT_EQ(link.tempsRXAgui, 8);

    // Once coloured, 8711 only lights the receive lamp.
    link.tempsRXAgui = 0;
    feed("{#8711:0#8710:0}");
    EXPECT_EQ(lines().size(), 2);
    EXPECT_EQ(link.tempsRXAgui, 8);
    EXPECT_EQ(link.connex_velmar_Agui, 1); // 8710

    feed("{#8721:0}");
    EXPECT_EQ(link.tempsTXAgui, 8);
    link.tempsRXAgui = 0;
    feed("{#8740:0#8731:0}");
    EXPECT_EQ(link.tempsRXAgui, 8);
    EXPECT_EQ(lines().size(), 2);

    feed("{#8782:0}");
    EXPECT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.at(0).at(0).toString(), "vm+INf");
    EXPECT_EQ(lines().size(), 2);

    feed("{#8781:1}");
    EXPECT_EQ(lines().last(), u8("10:20:30.456 Pérdida de comunicación con la Central 1"));
    EXPECT_EQ(lastColour(), LogColour::DarkRed);
}

TEST_F(Interp, DoorWordsSetTheDoorOfTheFirstDigit)
{
    const struct {
        const char *record;
        int door;
        DoorState state;
    } cases[] = {
        {"{#Obert2}", 2, DoorState::Obert},
        {"{#dPorta Tancat}", 1, DoorState::Tancat},
        {"{#Obrint0}", 1, DoorState::Obrint},
        {"{#Tancant 3 de 4}", 3, DoorState::Tancant},
        {"{#Esperant4}", 4, DoorState::Esperant},
        {"{#Porta4 Obrint Obert}", 4, DoorState::Obrint}, // first word of the list wins
    };
    for (const auto &c : cases) {
        QSignalSpy doors(&status, &ModuleStatus::doorChanged);
        feed(c.record);
        ASSERT_EQ(doors.count(), 1) << c.record;
        EXPECT_EQ(doors.at(0).at(0).toInt(), c.door) << c.record;
        EXPECT_EQ(status.door(c.door), c.state) << c.record;
    }
    QSignalSpy doors(&status, &ModuleStatus::doorChanged);
    feed("{#Obert7}");
    feed("{#Obert2"); // no "}"
    EXPECT_EQ(doors.count(), 0);
}

TEST_F(Interp, RemoteLinkCheckDropsTheRestOfTheRecord)
{
    const struct {
        const char *remote;
        bool adsl;
        const char *links;
        bool dropped;
    } cases[] = {
        {"", false, "0000", false},     // the serial link is not checked
        {"MQTT", false, "3600", true},  // GPRS below 4
        {"MQTT", false, "4000", false},
        {"MQTT", true, "6300", true},   // Ethernet below 4
        {"MQTT", true, "3600", false},
        {"MQTT", false, "", false},     // no code: no evidence of a cut
        {"MQTT", false, "X000", false},
    };
    for (const auto &c : cases) {
        link.connex_remota = QString::fromLatin1(c.remote);
        link.connexADSL = c.adsl;
        log.clear();
        QSignalSpy warning(&in, &InfoInterpreter::warning);
        QSignalSpy closeSession(&in, &InfoInterpreter::closeRemoteSession);
        QSignalSpy closeBridge(&in, &InfoInterpreter::closeBridge);
        QSignalSpy live(&status, &ModuleStatus::liveChanged);
        feed(QStringLiteral("{#8100:1#2||") + QLatin1String(c.links) + "|||||#8102:2}");
        EXPECT_EQ(warning.count(), c.dropped ? 1 : 0) << c.links;
        EXPECT_EQ(closeSession.count(), c.dropped ? 1 : 0) << c.links;
        EXPECT_EQ(closeBridge.count(), c.dropped ? 1 : 0) << c.links;
        EXPECT_EQ(live.count(), c.dropped ? 0 : 1) << c.links;
        EXPECT_EQ(log.lines().size(), c.dropped ? 1 : 2) << c.links;
        if (c.dropped && warning.count() == 1) {
            EXPECT_EQ(warning.at(0).at(0).toString(), u8("¡ ATENCIÓN !"));
            EXPECT_EQ(warning.at(0).at(1).toString(),
                      u8("Se ha cortado la comunicación con el equipo Velmar"));
        }
    }
}

TEST_F(Interp, RecordWithEverySegmentType)
{
    link.firmware = "Velmar_v8.7 [x1.2]";
    link.hardware = "H2";
    QStringList aliases;
    for (int i = 1; i <= 16; ++i)
        aliases << QStringLiteral("E%1").arg(i);
    QSignalSpy zone(&status, &ModuleStatus::zonaHorariaChanged);
    QSignalSpy coordinates(&status, &ModuleStatus::coordinatesChanged);

    feed("{#" + dateSegment("+02")
         + "#1Acme Seguridad|Juan|Ref 22|12345:356938035643809|BC600"
           "#21010000000000001|10X|5631|16:41.38,2.17|1:C8:B4:A0|0:64:ZZ:5A|120,3|45"
           "#3" + aliases.join(u'|') +
         "#4x|S1|S2|S3|S4"
         "#5+34600111222:Movistar:SIM800:1.2"
         "#8100:1F"
         "#A1|Norte|Sur|Este|Oeste"
         "#C7|1|2|3|4|5|6"
         "#DAviso\nsegunda"
         "#dtraza"
         "#Zdesconocido"
         "#"
         "}\r");

    // 0
    EXPECT_EQ(status.clock().MDataHora(), "Fecha: 05/03/24     Hora: 10:20");
    EXPECT_EQ(status.clock().zonaHoraria, 2);
    EXPECT_EQ(zone.count(), 1);
    // 1
    EXPECT_EQ(status.identification().lines(),
              QStringList({"Empresa: \tAcme Seguridad", "Instalador: \tJuan", "Referencia: \tRef 22",
                           "Identificador: \t12345", "Firmware: \tVelmar_v8.7 [x1.2]",
                           "Hardware: \tH2"}));
    EXPECT_EQ(link.identConnectar, "12345");
    EXPECT_EQ(link.central, "BC600");
    EXPECT_EQ(status.refmap(), "Ref 22");
    EXPECT_EQ(status.imei(), "356938035643809");
    EXPECT_TRUE(status.moduleCommandsShown());
    // 2
    const LiveStatus &s = status.live();
    EXPECT_EQ(QString(s.entrades.data(), 16), "1010000000000001");
    EXPECT_EQ(QString(s.sortides.data(), 4), "10X ");
    EXPECT_EQ(s.gprs + s.adsl + s.com + s.es, "5631");
    EXPECT_EQ(s.coveragePercent(), 50);
    EXPECT_EQ(status.ECoordenadesMapa(), "41.38,2.17");
    EXPECT_EQ(coordinates.count(), 1);
    EXPECT_EQ(s.tamper.state, "1");
    EXPECT_EQ(s.tamper.value, 200);
    EXPECT_EQ(s.tamper.trigger, 180);
    EXPECT_EQ(s.tamper.restore, 160);
    EXPECT_EQ(s.power.state, "0");
    EXPECT_EQ(s.power.value, 100);
    EXPECT_EQ(s.power.trigger, 0); // not hexadecimal
    EXPECT_EQ(s.power.restore, 90);
    // 3, 4
    EXPECT_EQ(status.inputAlias(1), "E1");
    EXPECT_EQ(status.inputAlias(16), "E16");
    EXPECT_EQ(status.outputAlias(1), "S1");
    EXPECT_EQ(status.outputAlias(4), "S4");
    // 5 and the coverage of 2
    EXPECT_EQ(status.gsmLines(),
              QStringList({u8("Módulo GSM:"), "   SIM800  ver.1.2", "   Operadora: \tMovistar",
                           "   Imei: \t356938035643809", "   SIM: \t+34600111222",
                           "   Cobertura:\t50 %   120 Kbytes / 45"}));
    // 8, D, d
    EXPECT_EQ(lines(), QStringList({"10:20:30.456 Se ha generado un Reset de soft 1F",
                                    "05/03/2024 10:20:30.456 Aviso\n\tsegunda",
                                    "10:20:30.456 traza"}));
    // A, C
    EXPECT_EQ(panels.got, QStringList({"A1=Norte|Sur|Este|Oeste", "C7=1|2|3|4|5|6"}));
}

TEST_F(Interp, MissingFieldsReadEmpty)
{
    feed("{#1Acme|Juan|Ref|111:999|Cofem#5}");
    feed("{#1Solo#2#4A|B|C|D#A#C7}");
    EXPECT_EQ(status.identification().empresa, "Solo");
    EXPECT_EQ(status.identification().referencia, QString());
    EXPECT_EQ(link.identConnectar, QString());
    EXPECT_EQ(link.central, QString());
    EXPECT_EQ(status.imei(), "999"); // an identification without IMEI keeps the known one
    const LiveStatus &s = status.live();
    EXPECT_EQ(QString(s.entrades.data(), 16), QString(16, u' '));
    EXPECT_EQ(QString(s.sortides.data(), 4), "    ");
    EXPECT_TRUE(s.gprs.isEmpty() && s.adsl.isEmpty() && s.com.isEmpty() && s.es.isEmpty());
    EXPECT_EQ(s.coveragePercent(), 0);
    EXPECT_EQ(s.tamper.value, 0);
    EXPECT_FALSE(s.hasDataList);
    EXPECT_EQ(status.ECoordenadesMapa(), QString());
    EXPECT_EQ(status.outputAlias(1), "A");
    EXPECT_EQ(status.outputAlias(4), "D");
    EXPECT_EQ(status.gsmLines().at(5), "   Cobertura:\t0 %");
    EXPECT_EQ(status.gsmLines().at(1), "     ver.");
    EXPECT_EQ(panels.got, QStringList({"A-=", "C7="}));
}

TEST_F(Interp, RouterHandsRecordsOverWhileTheStreamIsOn)
{
    ManualScheduler scheduler;
    ReplyRouter router(link, scheduler);
    ReplyConsumers consumers;
    consumers.info = &in;
    router.setConsumers(consumers);

    EXPECT_EQ(router.route("{#8100:1}"), ReplyRouter::Rule::Ignored);
    link.inf = true;
    EXPECT_EQ(router.route("{#8100:2}"), ReplyRouter::Rule::InfoRecord);
    EXPECT_EQ(lines(), QStringList{"10:20:30.456 Se ha generado un Reset de soft 2"});

    link.StrCom = "{#8100:3}";
    in.Llegir_In();
    EXPECT_EQ(lines().size(), 2);
}

TEST_F(Interp, CoverageIsAPercentOfThirtyTwo)
{
    const struct {
        const char *coverage;
        qint64 percent;
    } cases[] = {{"32", 100}, {"31", 96}, {"0", 0}, {"x", 0}, {"", 0},
                 {"2147483647", 6710886396}, // no overflow on a nonsense value
                 {"99999999999", 0}};
    for (const auto &c : cases) {
        feed(QStringLiteral("{#2|||") + QLatin1String(c.coverage) + ":1,2}");
        EXPECT_EQ(status.live().coveragePercent(), c.percent) << c.coverage;
    }
}
