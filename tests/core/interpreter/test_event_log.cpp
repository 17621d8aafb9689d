#include "core/link/EventLog.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(9, 8, 7, 6));

struct Log : ::testing::Test {
    EventLog log{[] { return kNow; }};
};

} // namespace

TEST(EventLogRules, ClassColoursAndFilteredSet)
{
    using C = LogColour;
    const struct {
        const char *code;
        const char *text;
        std::optional<C> filtered;
        std::optional<C> all;
    } cases[] = {
        {"8100", "x", C::Red, C::Red},
        {"8111", "x", std::nullopt, C::Red},
        {"8112", "x", std::nullopt, C::Red},
        {"8209", "x", C::Black, C::Black},
        {"8262", "x", C::Black, C::Black},
        {"8260", "x", C::Red, C::Red},
        {"8210", "x", std::nullopt, C::Black},
        {"8301", "x", C::Lime, C::Lime},
        {"8420", "x", C::Green, C::Green},
        {"8414", "x", std::nullopt, C::Green},
        {"8472", "x", std::nullopt, C::Green},
        {"8525", "x", C::Blue, C::Blue},
        {"8526", "x", std::nullopt, C::Blue},
        {"8551", "x", std::nullopt, C::Blue},
        {"8534", "Conectado al MQTT", std::nullopt, C::Blue},
        {"8611", "x", C::Fuchsia, C::Fuchsia},
        {"8781", "x", C::DarkRed, C::DarkRed},
        {"8822", "x", C::LightGreyBlue, C::LightGreyBlue},
        {"8885", "x", std::nullopt, C::Default},
        {"8001", "x", std::nullopt, std::nullopt}, // class 0 is not an event class
        {"8", "x", std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        const QString code = QString::fromLatin1(c.code);
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(EventLog::eventColour(code, text, false), c.filtered) << c.code;
        EXPECT_EQ(EventLog::eventColour(code, text, true), c.all) << c.code;
    }
}

TEST_F(Log, LineFormatsOfEventsAlertsAndTraces)
{
    EXPECT_FALSE(log.writeEvent(u"8100", QString(), "1", LogColour::Red)); // empty text: no line
    EXPECT_TRUE(log.writeEvent(u"8100", "Reset", "1F", LogColour::Red));
    EXPECT_TRUE(log.writeEvent(u"8611", "Entrada: Puerta", "3", LogColour::Fuchsia, false));
    log.setBTot(true);
    EXPECT_TRUE(log.writeEvent(u"8100", "Reset", "1F", LogColour::Red));
    log.writeAlert("uno\ndos\n");
    log.writeTrace("traza");
    log.writeTrace("con {llave");

    ASSERT_EQ(log.rowCount(), 5);
    const QStringList expected = {
        "09:08:07.006 Reset 1F",
        "09:08:07.006 Entrada: Puerta",
        "09:08:07.006 8100: Reset 1F",
        "05/03/2024 09:08:07.006 uno\n\tdos\n\t",
        "09:08:07.006 traza",
    };
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(log.data(log.index(i)).toString(), expected[i]) << i;
    EXPECT_EQ(log.data(log.index(3), EventLog::ColourRole).toInt(), int(LogColour::Red));
    EXPECT_EQ(log.data(log.index(4), EventLog::ColourRole).toInt(), int(LogColour::Default));
}

TEST_F(Log, ViewsSeeInsertionsAndChangesOfTheLastLine)
{
    QSignalSpy inserted(&log, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&log, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&log, &QAbstractItemModel::modelReset);
    log.append("a", LogColour::Blue);
    log.appendToLast(".");
    EXPECT_EQ(inserted.count(), 1);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().row(), 0);
    EXPECT_EQ(log.lastLine(), "a.");
    log.clear();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(log.rowCount(), 0);
    EXPECT_EQ(log.lastLine(), QString());
}
