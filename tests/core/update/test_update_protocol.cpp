#include "core/update/Crc32.h"
#include "core/update/UpdateProtocol.h"
#include "core/update/XXtea.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::update;

namespace {

const QByteArray kKey = QByteArrayLiteral("TestKey123");

QByteArray sealed(const QByteArray &plain)
{
    return xxteaEncipher(plain, kKey);
}

QByteArray damaged(const QByteArray &body)
{
    QByteArray m = withSuffix(body);
    m[m.size() - 1] = m.back() == '0' ? '1' : '0';
    return m;
}

} // namespace

TEST(UpdateSuffix, CarriesTheCrcOfTheBodyInUpperCaseHex)
{
    EXPECT_EQ(withSuffix("123456789"), QByteArray("123456789{=}CBF43926"));
    // Leading zeros are kept: always eight digits.
    const QByteArray m = withSuffix("");
    EXPECT_EQ(m, QByteArray("{=}00000000"));
}

TEST(UpdateIntegrity, TwoDamagedMessagesAreToleratedAndTheThirdStops)
{
    struct Case {
        const char *name;
        std::vector<QByteArray> messages;
        std::vector<int> expected;
    };
    const QByteArray good = withSuffix("vm+act=1024,2048,AB,v9");
    const QByteArray bad = damaged("vm+act=1024,2048,AB,v9");
    const std::vector<Case> cases = {
        {"good", {good}, {3}},
        {"three damaged in a row", {bad, bad, bad}, {2, 1, 0}},
        {"a good one resets the count", {bad, bad, good, bad, bad}, {2, 1, 3, 2, 1}},
        {"no suffix stops at once", {good, QByteArray("vm+act=1024,2048,AB,v9")}, {3, 0}},
        {"short digits are damage", {QByteArray("abc{=}1234")}, {2}},
        {"lower-case digits are the same number",
         {QByteArray("123456789{=}cbf43926")}, {3}},
    };
    for (const Case &c : cases) {
        IntegrityCounter counter;
        for (size_t i = 0; i < c.messages.size(); ++i)
            EXPECT_EQ(counter.check(c.messages[i]), c.expected[i]) << c.name << " #" << i;
    }
}

TEST(UpdateRequests, CarryEveryMarkerAndAValidSuffix)
{
    VersionQuery q;
    q.identifier = QStringLiteral("1000123");
    q.firmware = QStringLiteral("Velmar_v8.7 [x1.2]");
    q.hardware = QStringLiteral("VLM-H3 r2");
    const QByteArray r = versionRequest(q);
    const qsizetype at = r.indexOf("{=}");
    ASSERT_GT(at, 0);
    EXPECT_EQ(r.first(at), QByteArray("vm+nver:#0Tots#11000123#2Velmar_v8.7 [x1.2]#3VLM-H3 r2#7#8#9#A"));
    IntegrityCounter c;
    EXPECT_EQ(c.check(r), 3);

    // Non-ASCII company names go one byte per character, and the CRC is of those bytes.
    q.company = QStringLiteral("Señal");
    const QByteArray withCompany = versionRequest(q);
    EXPECT_TRUE(withCompany.contains(QByteArray("#7Se\xF1" "al#8")));
    EXPECT_EQ(IntegrityCounter().check(withCompany), 3);

    const QByteArray t = transferRequest(QStringLiteral("1000123"), QStringLiteral("uid7"),
                                         versioActu({QStringLiteral("v9.0"), QStringLiteral("Nueva"), {}}));
    EXPECT_EQ(t.first(t.indexOf("{=}")), QByteArray("vm+act:1000123,uid7,v9.0(Nueva),1024"));
    EXPECT_EQ(shownVersion(QStringLiteral("v9.0(Nueva)")), QStringLiteral("v9.0"));
}

TEST(UpdateVersionReply, TellsAListFromAnErrorFromNothing)
{
    using Kind = VersionAnswer::Kind;
    struct Case {
        const char *name;
        QByteArray body;
        Kind kind;
        int entries;
        QString error;
    };
    const std::vector<Case> cases = {
        {"two versions", "vm+nver 1000123=v9.0,Nueva,2048|v8.9,Vieja,1500|", Kind::List, 2, {}},
        {"a single entry with its separator", "xx vm+nver 1000123=v9.0,Nueva,2048|", Kind::List, 1, {}},
        {"text without separator is the server's error", "vm+nver 1000123=Equipo no registrado", Kind::ServerError,
         0, QStringLiteral("Equipo no registrado")},
        {"empty answer", "vm+nver 1000123=", Kind::Empty, 0, {}},
        {"another module's answer", "vm+nver 1000999=v9.0,Nueva,2048|", Kind::Missing, 0, {}},
        {"no answer at all", "garbage", Kind::Missing, 0, {}},
    };
    for (const Case &c : cases) {
        const VersionAnswer a = parseVersionReply(withSuffix(c.body), QStringLiteral("1000123"));
        EXPECT_EQ(a.kind, c.kind) << c.name;
        EXPECT_EQ(a.entries.size(), c.entries) << c.name;
        EXPECT_EQ(a.error, c.error) << c.name;
    }
    const VersionAnswer a = parseVersionReply(withSuffix("vm+nver 1000123=v9.0,Nueva,2048|"), QStringLiteral("1000123"));
    ASSERT_EQ(a.entries.size(), 1);
    EXPECT_EQ(a.entries[0].version, QStringLiteral("v9.0"));
    EXPECT_EQ(a.entries[0].description, QStringLiteral("Nueva"));
    EXPECT_EQ(a.entries[0].bytes, QStringLiteral("2048"));
}

TEST(UpdateTransferStart, CountsBlocksAndRejectsWhatCannotBeCounted)
{
    struct Case {
        const char *name;
        QByteArray body;
        bool found;
        bool ok;
        int total;
        QString error;
    };
    const std::vector<Case> cases = {
        {"whole blocks count one more", "vm+act=1024,3072,1A2B3C4D,v9\r", true, true, 4, {}},
        {"a partial block", "vm+act=1024,3000,1A2B3C4D,v9\r", true, true, 3, {}},
        {"among other lines", "hola\rvm+act=1024,10,X,Y\r", true, true, 1, {}},
        {"three fields are the server's error", "vm+act=No existe,la,version\r", true, false, 0,
         QStringLiteral("No existe,la,version")},
        {"a block size of zero", "vm+act=0,3072,X,Y\r", true, false, 0, QStringLiteral("0,3072,X,Y")},
        {"a size that is no number", "vm+act=1024,mucho,X,Y\r", true, false, 0, QStringLiteral("1024,mucho,X,Y")},
        {"no start at all", "vm+otra=1\r", false, false, 0, {}},
    };
    for (const Case &c : cases) {
        const TransferStart s = parseTransferStart(withSuffix(c.body));
        EXPECT_EQ(s.found, c.found) << c.name;
        EXPECT_EQ(s.ok, c.ok) << c.name;
        EXPECT_EQ(s.totalPacks, c.total) << c.name;
        EXPECT_EQ(s.error, c.error) << c.name;
        if (s.ok)
            EXPECT_EQ(s.forward, c.body) << c.name; // up to the suffix, its CR included
    }
}

TEST(UpdateModuleReplies, AreSortedByTheirThreeDigits)
{
    using Kind = ModuleReply::Kind;
    struct Case {
        const char *reply;
        Kind kind;
        int block;
    };
    const std::vector<Case> cases = {
        {"+U000", Kind::Request, 0},   {"+U00A", Kind::Request, 10}, {"xx+U1F3", Kind::Request, 0x1F3},
        {"+UFFF", Kind::Done, 0xF},     {"+UFFE", Kind::ImageCrcFailed, 0xE},
        {"+UFF0", Kind::FrameError, 0}, {"+UFF1", Kind::FrameError, 1}, {"+UFF2", Kind::FrameError, 2},
        {"+UFFC", Kind::FrameError, 0xC}, {"+UFF7", Kind::OtherEnd, 7},
        {"+UXYZ", Kind::NotUpdate, -1}, {"+U1", Kind::NotUpdate, -1},
    };
    for (const Case &c : cases) {
        const ModuleReply r = classifyModuleReply(QByteArray(c.reply));
        EXPECT_EQ(r.kind, c.kind) << c.reply;
        EXPECT_EQ(r.block, c.block) << c.reply;
    }
}

TEST(UpdateTexts, NumberBlocksFromOne)
{
    EXPECT_EQ(*blockNumber(QByteArray("+U00Adata")), 10);
    EXPECT_EQ(sendingText(QStringLiteral("v9"), 10, 12), QStringLiteral("VERSION : v9\r\n\r\nEnvío ... (Bloque 11 / 12)"));
    EXPECT_EQ(requestText(QStringLiteral("v9"), 0, 12), QStringLiteral("VERSION : v9\r\n\r\nPetición bloque 1 / 12"));
    EXPECT_EQ(frameErrorText(QStringLiteral("v9"), 0xC, 5),
              QStringLiteral("VERSION : v9\r\n\r\nError CRC de la trama: 5"));
}

TEST(UpdateMessageReader, FindsMessagesWhateverTheReadsCutThemInto)
{
    QByteArray block = "+U003";
    for (int i = 0; i < 1024; ++i)
        block.append(char(i * 7 + 3)); // every byte value, CRs and zeros included
    const std::vector<QByteArray> plains = {withSuffix("vm+act=1024,4000,X,Y\r"), block,
                                            withSuffix("hola"), QByteArray("+U004")};
    QByteArray stream;
    for (const QByteArray &p : plains)
        stream += sealed(p);

    // Every way of cutting the stream in two reads, plus one read per byte.
    std::vector<std::vector<QByteArray>> readings;
    for (qsizetype cut = 0; cut <= stream.size(); cut += 3)
        readings.push_back({stream.first(cut), stream.sliced(cut)});
    std::vector<QByteArray> bytewise;
    for (char b : stream)
        bytewise.push_back(QByteArray(1, b));
    readings.push_back(bytewise);

    for (const auto &reads : readings) {
        MessageReader reader(kKey);
        std::vector<QByteArray> got;
        for (const QByteArray &r : reads) {
            reader.feed(r);
            while (std::optional<QByteArray> m = reader.next())
                got.push_back(*m);
        }
        ASSERT_EQ(got, plains) << "first read " << reads.front().size() << " bytes";
        EXPECT_EQ(reader.buffered(), 0);
        EXPECT_FALSE(reader.takeDropped());
    }
}

TEST(UpdateMessageReader, DropsWhatNeverMakesAMessage)
{
    struct Case {
        const char *name;
        QByteArray key;
        QByteArray bytes;
    };
    const QByteArray noise(kMaxMessageBytes + 16, '\x5A');
    const std::vector<Case> cases = {
        {"noise", kKey, noise},
        {"a message under another key", QByteArrayLiteral("OtraClave!"),
         sealed(QByteArray(kMaxMessageBytes, 'x'))},
    };
    for (const Case &c : cases) {
        MessageReader reader(c.key);
        reader.feed(c.bytes);
        EXPECT_FALSE(reader.next().has_value()) << c.name;
        EXPECT_TRUE(reader.takeDropped()) << c.name;
        // What comes after the garbage is read again.
        reader.feed(xxteaEncipher(QByteArray("+U001"), c.key));
        std::optional<QByteArray> m = reader.next();
        ASSERT_TRUE(m.has_value()) << c.name;
        EXPECT_EQ(*m, QByteArray("+U001")) << c.name;
    }
}
