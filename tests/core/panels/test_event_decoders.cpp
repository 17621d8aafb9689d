// The panels' event decoders: cloud list entries and "C4"/"C7" payloads
// into the lines of each model's event display. One table per family.
#include "core/panels/CodeTables.h"
#include "core/panels/EventDecoders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using namespace velmar::panels;

namespace {

QStringList texts(const DecodedEvent &d)
{
    QStringList l;
    for (const EventLine &line : d.lines)
        l << line.text;
    return l;
}

QStringList lines(std::initializer_list<QString> l)
{
    return QStringList(l);
}

QString blanks(int n)
{
    return QString(n, u' ');
}

struct Case {
    const char *what;
    QString input;
    QStringList expected;
};

TEST(EventLists, QuotesGoAndEveryCrPieceIsAnEntry)
{
    EXPECT_EQ(eventEntries(QStringLiteral("k1: {\"a\":'x'}\r\rk2: 5\r")), QStringList({"k1: {a:x}", "k2: 5"}));
    EXPECT_TRUE(eventEntries(QString()).isEmpty());
    // The JadeBird list is UTF-8 underneath.
    EXPECT_EQ(eventEntries(QString::fromLatin1("Aver\xC3\xAD" "a\r"), true), QStringList{QString::fromUtf8("Avería")});
    EXPECT_EQ(eventEntries(QString::fromUtf8("Avería\r"), true), QStringList{QString::fromUtf8("Avería")});
}

TEST(CodeTables, EntryTextFollowsTheCodeAndItsSeparator)
{
    EXPECT_EQ(entryText(QStringLiteral("001:Fuego")), QStringLiteral("Fuego"));
    EXPECT_EQ(entryText(QString::fromUtf8("008 Circuito abierto módulo")), QString::fromUtf8("Circuito abierto módulo"));
    EXPECT_EQ(entryText(QStringLiteral("309: Sirena 1 Circuito Abierto")), QStringLiteral(" Sirena 1 Circuito Abierto"));
    EXPECT_EQ(TaulaEventEquip().size(), 151);
    // The ID3000 search ends before "389"; the MA-2000 search reaches it.
    EXPECT_TRUE(lookupContaining(TaulaEventEquip(), QStringLiteral("389"), kID3000EventEntries).isEmpty());
    EXPECT_EQ(lookupContaining(TaulaEventEquip(), QStringLiteral("389"), 151),
              QStringLiteral("Error personalitzable de FAAST"));
}

// class|code|address|loop|zone|payload; payload: 2 unshown, hhmmss, type,
// 3 unshown, analogue, description.
QString pipe(const char *cls, const char *code, int loop, int zone, const QString &payload)
{
    return QStringLiteral("%1|%2|012|%3|%4|").arg(QLatin1String(cls), QLatin1String(code)).arg(loop).arg(zone) + payload;
}

const QString kPayload = QStringLiteral("0010203001000000\"Pasillo norte\"");

TEST(ID3000Events, PipeAndKeyForms)
{
    const QString alarmLine = QStringLiteral("Alarma: ZONA   5   10:20:30");
    const QString sensor = QStringLiteral("L2  S12") + blanks(9) + QString::fromUtf8("Sensor Térmico");
    const Case cases[] = {
        {"alarm with loop, zone and description", pipe("1", "0001", 2, 5, kPayload),
         lines({alarmLine, "Pasillo norte", sensor, "Fuego", ""})},
        {"a module code: prefix M, text of its last three digits", pipe("1", "1001", 2, 5, kPayload),
         lines({alarmLine, "Pasillo norte", QStringLiteral("L2  M12") + blanks(9) + QString::fromUtf8("Sensor Térmico"),
                "Fuego", ""})},
        {"fault without zone or loop; analogue value shown instead of the text",
         pipe("6", "0001", 0, 0, QStringLiteral("0010203001000045\"\"")),
         lines({QString::fromUtf8(" Avería") + blanks(17) + "10:20:30", "Valor: 045%", ""})},
        {"description keeps letters, digits and blanks only",
         pipe("7", "0002", 0, 3, QString::fromUtf8("0010203001000000\"Sótano-2 (B)\"")),
         lines({"Anulado: ZONA   3   10:20:30", "Stano2 B", "Anulado", ""})},
        {"no payload: time left blank, the event text alone", pipe("9", "0010", 0, 0, QString()),
         lines({QStringLiteral(" Prueba") + blanks(17) + blanks(11), "Prealarma", ""})},
        {"the ID3000 search stops at the 101st entry", pipe("1", "0389", 0, 0, QString()),
         lines({QStringLiteral("Alarma") + blanks(17) + blanks(11), ""})},
        {"device type out of the table shows no type", pipe("1", "0001", 1, 0, QStringLiteral("0010203077000000")),
         lines({QStringLiteral("Alarma") + blanks(17) + "10:20:30", QStringLiteral("L1  S12") + blanks(9), "Fuego", ""})},
        {"key form", QStringLiteral("00010001x120205: {eventText: 0010203001000000\\Pasillo norte\\}"),
         lines({alarmLine, "Pasillo norte", sensor, "Fuego", ""})},
        {"key form, short payload: hh:mm and neither type nor description",
         QStringLiteral("00010001x120205: {eventText: 001020}"),
         lines({"Alarma: ZONA   5   10:20", "L2  S12" + blanks(9), "Fuego", ""})},
        {"other class shows nothing", pipe("3", "0001", 0, 0, kPayload), {}},
        {"class above 8000 is skipped", pipe("8001", "0001", 0, 0, kPayload), {}},
        {"fewer than six fields are skipped", QStringLiteral("1|0001|012|2|5"), {}},
        {"garbage", QStringLiteral(": {"), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(texts(decodeIdEvent(IdFamily::ID3000, c.input)), c.expected) << c.what;
    EXPECT_TRUE(decodeIdEvent(IdFamily::ID3000, pipe("1", "0001", 2, 5, kPayload)).lines[0].heading);
}

TEST(MA2000Events, PointCentralNumberAndTwoTexts)
{
    const QString rule(62, u'_');
    const QString twoTexts = QString::fromUtf8("0010203001000000\"Sala\u00FEPlanta 2\"");
    const Case cases[] = {
        {"with a loop: the point, central 0 shown as 1, type, time, number",
         QStringLiteral("1|0389|A12|2|5|") + twoTexts,
         lines({"Alarma", QString::fromUtf8("AL: Z5 C1L2A12  (Sensor Térmico)   10:20:30  (3)"), "Planta 2", "Sala",
                "Error personalitzable de FAAST", rule})},
        {"zone only", QStringLiteral("6|0001|A12|0|7|0210203001000000"),
         lines({"AV ZONA", "AV: Z 7  10:20:30  (3)", "Fuego", rule})},
        {"neither loop nor zone", QStringLiteral("8|0001|A12|0|0|"), lines({"AV CTRAL", blanks(11) + "   (3)", "Fuego", rule})},
        {"key form: point from the key", QStringLiteral("00040001B07: {eventText: 0010203001000000\\Aula\\}"),
         lines({"PREALARMA ", "10:20:30   (3)", "Aula", "Fuego", rule})},
        {"class 7 is not an MA-2000 heading", QStringLiteral("7|0001|A12|0|0|"), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(texts(decodeIdEvent(IdFamily::MA2000, c.input, 3)), c.expected) << c.what;
}

TEST(PL1000Events, NumberedTextAndTabsByLength)
{
    const struct {
        const char *code;
        const char *text;
        int tabs;
    } cases[] = {
        {"0001", "Fuego", 5},                               // up to 14
        {"0147", "Fallo Comunicaciones", 4},                // up to 22
        {"0389", "Error personalitzable de FAAST", 2},      // more than 26
    };
    for (const auto &c : cases) {
        const DecodedEvent d = decodeIdEvent(IdFamily::PL1000, QStringLiteral("1|%1|A12|0|2|0010203001000000").arg(QLatin1String(c.code)), 4);
        ASSERT_GE(d.lines.size(), 3) << c.code;
        EXPECT_EQ(d.lines[d.lines.size() - 2].text,
                  QStringLiteral(" 4. ") + QLatin1String(c.text) + QString(c.tabs, u'\t') + "10:20:30")
            << c.code;
    }
}

TEST(EventLists, AWholeListNumbersItsEntriesInOrder)
{
    // As the cloud read returns it: quoted JSON members, one per CR line.
    const QString list = QStringLiteral("\"00010001x120205\": {\"eventText\": \"0010203001000000\\\"Aula\\\"\"}\r"
                                        "\"00060001x120000\": {\"eventText\": \"001020\"}\r\r");
    const DecodedEvent ma = decodeEventList(QStringLiteral("MA-2000"), QStringLiteral("Fire"), list);
    QStringList numbers;
    for (const EventLine &l : ma.lines)
        if (l.text.endsWith(u')'))
            numbers << l.text.right(3);
    EXPECT_EQ(numbers, QStringList({"(1)", "(2)"}));
    const DecodedEvent id = decodeEventList(QStringLiteral("ID3000"), QStringLiteral("Fire"), list);
    ASSERT_FALSE(id.lines.isEmpty());
    EXPECT_EQ(id.lines[0].text, QStringLiteral("Alarma: ZONA   5   10:20:30"));
    EXPECT_EQ(id.lines[1].text, QStringLiteral("Aula"));
    EXPECT_TRUE(decodeEventList(QStringLiteral("Urano"), QStringLiteral("Fire"), list).skipped());
    // AD300: the zones of the Fire list set their lamps.
    EXPECT_EQ(decodeEventList(QStringLiteral("AD300"), QStringLiteral("Fire"),
                              QStringLiteral("000001000A010103\r000001000A010107\r"), 2).zoneLamps,
              QList<int>({3, 7}));
}

class BCEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char *tz = std::getenv("TZ");
        m_tz = tz ? tz : "";
        m_hadTz = tz != nullptr;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override
    {
        if (m_hadTz)
            setenv("TZ", m_tz.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::string m_tz;
    bool m_hadTz = false;
};

// 0x5F5E1000 is 2020-09-13 12:26:40 UTC.
const char *kBCValue = "{time:5F5E1000,eventText:Alarma,zoneText:Planta baja,elementText:Detector 12}";

TEST_F(BCEvents, BC600EntryLines)
{
    const Case cases[] = {
        {"element number without leading zeros, zone", QStringLiteral("0001XXXX0012_003: ") + kBCValue,
         lines({"  12/003 Alarma   12:26", "  \tPlanta baja", "  \tDetector 12", QString(75, u'-')})},
        {"zone FFF: no zone part", QStringLiteral("0001XXXX0000_FFF: ") + kBCValue,
         lines({"  0      Alarma   12:26", "  \tPlanta baja", "  \tDetector 12", QString(75, u'-')})},
        {"no value at all", QStringLiteral("0001"), lines({"  " + blanks(6) + "   ", "  \t", "  \t", QString(75, u'-')})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(texts(decodeBC600(c.input)), c.expected) << c.what;
}

TEST_F(BCEvents, BC216EntryLines)
{
    const Case cases[] = {
        {"number and zone padded", QStringLiteral("0001XX123: ") + QString::fromLatin1(kBCValue).replace("Detector", "Det\\ector"),
         lines({"  0012/003\t\t\t12:26", "\tAlarma", "\tPlanta baja", "\tDetector 12", QString(70, u'-')})},
        {"zone FFF", QStringLiteral("0001XX07FFF: ") + kBCValue,
         lines({"  0007\t\t\t12:26", "\tAlarma", "\tPlanta baja", "\tDetector 12", QString(70, u'-')})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(texts(decodeBC216(c.input)), c.expected) << c.what;
}

TEST(BCEventRecord, C4NamesTheKindThatChanged)
{
    const struct {
        const char *payload;
        int kind;
    } cases[] = {{"x001", 1}, {"x004", 4}, {"x006", 6}, {"x007", 0}, {"x000", 0}, {"x00", 0}, {"", 0}, {"xabc", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(bc600ChangedKind(QLatin1String(c.payload)), c.kind) << c.payload;
    EXPECT_EQ(bc600KindName(4), QStringLiteral("Fault"));
    EXPECT_TRUE(bc600KindName(0).isEmpty());
}

TEST(AvenarEvents, AddressesAreHexadecimal)
{
    EXPECT_EQ(texts(decodeAvenar(QStringLiteral("0000000A03: {x: 1}"), QStringLiteral("Fuego"), 2)),
              lines({QString::fromUtf8("Fuego\tDirección lógica\t00010-003"), "#0002", ""}));
    // Zero shows one digit fewer, as the display always did.
    EXPECT_EQ(texts(decodeAvenar(QStringLiteral("00000000zz"), QStringLiteral("Control"), 0)),
              lines({QString::fromUtf8("Control\tDirección lógica\t0000-00"), "#000", ""}));
}

TEST(SyncroEvents, ListEntriesAndRecords)
{
    const Case entries[] = {
        {"addressed element without zone", QStringLiteral("0001120A0100: {eventText: Detector hall}"),
         lines({"* FUEGO:  *", "AD=010   LP=2   CENT= 1", "Detector hall", ""})},
        {"loop short circuit", QStringLiteral("00061C000300: {x: y}"),
         lines({QString::fromUtf8("* AVERÍA:  *"), "LOOP= 3   CENT= 1", "Corto circuito en lazo", ""})},
        {"loop open", QStringLiteral("00061D000300"),
         lines({QString::fromUtf8("* AVERÍA:  *"), "LOOP= 3   CENT= 1", "Circuito abierto en lazo", ""})},
        {"sounder 2 of a list entry", QStringLiteral("000605020000"),
         lines({QString::fromUtf8("* AVERÍA:  *"), "* AVERIAS: ACUSTICO 2ZONA0", QString::fromUtf8("Avería de salida supervisada"), ""})},
        {"fire warning output", QStringLiteral("000605090000"),
         lines({QString::fromUtf8("* AVERÍA:  *"), "* AVERIAS: AVISO DE FUEGO ZONA0", QString::fromUtf8("Avería de salida supervisada"), ""})},
        {"with a zone (hexadecimal)", QStringLiteral("0001120A010B: {eventText: Detector hall}"),
         lines({"* FUEGO:  *", "ZONA  11  AD=010.00   LP=2   CENT= 01", "Detector hall", ""})},
        {"disabled zone", QStringLiteral("000700000005"),
         lines({QString::fromUtf8("* DESACTIVACIÓN:  *"), "ZONA=5", "desactivado zona", ""})},
        {"test mode", QStringLiteral("000900000005"), lines({"* MODO DE PRUEBA *", "ZONA=5   CENT=1", "Modo de prueba audible", ""})},
        {"unknown class", QStringLiteral("001200000005"), {}},
    };
    for (const Case &c : entries)
        EXPECT_EQ(texts(decodeSyncroEntry(c.input)), c.expected) << c.what;

    const Case records[] = {
        {"outputs counted from 0 in a record", QStringLiteral("6|05|1|0|0|x"),
         lines({QString::fromUtf8("* AVERÍA:  *"), "* AVERIAS: ACUSTICO 2ZONA0", QString::fromUtf8("Avería de salida supervisada"), ""})},
        {"fire warning is 8 in a record", QStringLiteral("6|05|8|0|0|x"),
         lines({QString::fromUtf8("* AVERÍA:  *"), "* AVERIAS: AVISO DE FUEGO ZONA0", QString::fromUtf8("Avería de salida supervisada"), ""})},
        {"test heading of a record", QStringLiteral("9|00|0|0|A|x"), lines({"* PRUEBA:  *", "ZONA=10   CENT=1", "Modo de prueba audible", ""})},
        {"too few fields", QStringLiteral("9|00|0|0|A"), {}},
    };
    for (const Case &c : records)
        EXPECT_EQ(texts(decodeSyncroRecord(c.input)), c.expected) << c.what;
}

TEST(AD300Events, ListsByKind)
{
    const struct {
        const char *kind;
        QString entry;
        QStringList expected;
        int zoneLamp;
    } cases[] = {
        {"Fire", QStringLiteral("000036000A010105: {eventText: Pulsador hall}"),
         lines({"Evento: 1 de 3", "\t***  ALARMA PULSADOR ***", "Pulsador hall", "Cent : 1\tZona : 5", "Lazo: 1\tDir.  : 10", ""}), 5},
        {"Fire", QStringLiteral("000001000A010114"), lines({"Evento: 1 de 3", "\t\t*** ALARMA ***", "Cent : 1\tZona : 20", "Lazo: 1\tDir.  : 10", ""}), 0},
        {"Fault", QStringLiteral("00003364000000000"), lines({"Evento: 1 de 3", "\t** AVERIA EN LAZO **", "Cent : 0\tZona : 0", "Lazo: 0\tDir.  : 0", ""}), 0},
        {"Disablement", QStringLiteral("0000340300000000"), lines({"Evento: 1 de 3", "DESCONEXION DE SIRENAS", "Cent : 0\tZona : 0", "Lazo: 0\tDir.  : 0", ""}), 0},
        {"Disablement", QStringLiteral("0000343000000000"), lines({"Evento: 1 de 3", QString::fromUtf8(" DESCONEXIÓN"), "Cent : 0\tZona : 0", "Lazo: 0\tDir.  : 0", ""}), 0},
    };
    for (const auto &c : cases) {
        const DecodedEvent d = decodeAD300(c.entry, QLatin1String(c.kind), 1, 3);
        EXPECT_EQ(texts(d), c.expected) << c.kind << " " << c.entry.toStdString();
        EXPECT_EQ(d.zoneLamps.value(0), c.zoneLamp) << c.entry.toStdString();
    }
}

TEST(AD600Events, EvacuationAndElementFields)
{
    const DecodedEvent evac = decodeAD600(QStringLiteral("00000600000102"), QStringLiteral("Fire"), 1, 2);
    EXPECT_TRUE(evac.evacuation);
    EXPECT_EQ(evac.lines.value(0).text, QString::fromUtf8("Central: 02\t\tEvacuación manual"));
    const DecodedEvent fire = decodeAD600(
        QStringLiteral("00000100050201000C: {eventText: Pulsador&Hall norte&Central 1&12\\/05\\/2026,h:10:20}"),
        QStringLiteral("Fire"), 2, 2);
    EXPECT_FALSE(fire.evacuation);
    EXPECT_EQ(fire.lines.value(0).text, QStringLiteral(" ALARMA PULSADOR 2/2 HALL NORTE"));
    EXPECT_EQ(fire.lines.value(1).text, QStringLiteral("Lazo: 02   Dir: 005"));
    const DecodedEvent fault = decodeAD600(QStringLiteral("000006280000000000"), QStringLiteral("Fault"), 1, 1);
    EXPECT_EQ(fault.lines.value(0).text, QString::fromUtf8("Avería SISTEMA 1/1"));
    EXPECT_EQ(fault.lines.last().text, QString(55, u'_'));
}

TEST(JadeBirdEvents, KeyAndPipeForms)
{
    const Case cases[] = {
        {"pieces of a value, lines inside a piece",
         QStringLiteral("k: {[eventText:Fuego Zona 1\\nPlanta 2][eventText:Aver\\/lazo]}"),
         lines({"Fuego Zona 1", "Planta 2", "", "Aver/lazo", ""})},
        {"pipe form, field 3 pieces", QStringLiteral("a|b|[Fuego Z1][Fuego Z2]"), lines({"Fuego Z1", "Fuego Z2"})},
        {"pipe form, UTF-8 underneath", QString::fromLatin1("a|b|[Aver\xC3\xAD" "a]"), lines({QString::fromUtf8("Avería")})},
        {"one field shown as it is", QStringLiteral("Sin datos"), lines({"Sin datos"})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(texts(decodeJadeBird(c.input)), c.expected) << c.what;
    EXPECT_EQ(jadeBirdNoEvents(QStringLiteral("Fire")), QStringLiteral("Sin alarmas"));
    EXPECT_EQ(jadeBirdNoEvents(QStringLiteral("Fault")), QStringLiteral("Sin averias"));
    EXPECT_EQ(jadeBirdNoEvents(QStringLiteral("Test")), QStringLiteral("Sin eventos"));
}

TEST(CtecEvents, TablesZoneAndTexts)
{
    // chars 5-7 event type, 9-11 fault type, 22-24 zone
    const QString entry = QStringLiteral("0000022x006ABCDEFGHIJ004: {eventText: Detector&Pasillo&0261}");
    const Case cases[] = {
        {"Fire", entry, lines({"ALARMA : ZONA 004", "Detector  Pasillo", "Test Alarm      Fault ", "Input Device", ""})},
        {"Fault", entry, lines({"ZONA 004  Detector  Pasillo", "Test Alarm      Fault ", "Input Device", ""})},
        {"", QStringLiteral("0000999x999ABCDEFGHIJ001"), lines({"ZONA 001    ", "     ", "", ""})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(texts(decodeCtec(c.input, QLatin1String(c.what))), c.expected) << c.what;
    // The list of other kinds leaves out what the four known lists show.
    EXPECT_TRUE(decodeCtec(QStringLiteral("Fire0001"), QString()).skipped());
}

} // namespace
