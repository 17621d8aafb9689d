#include "core/base/TimeZones.h"

#include <gtest/gtest.h>

#include <QTimeZone>

using namespace velmar::zones;

namespace {
QDateTime utc(int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone::utc());
}
} // namespace

TEST(TimeZones, EveryOffsetNamesAZoneTheDatabaseKnows)
{
    for (int offset = -10; offset <= 13; ++offset) {
        const QString name = TexteZonaHoraria(offset);
        EXPECT_TRUE(QTimeZone(name.toLatin1()).isValid()) << name.toStdString();
        if (offset != 1)
            EXPECT_NE(name, "Europe/Paris") << offset;
    }
    for (int offset : {-11, 14, 99, -2147483647 - 1, 2147483647})
        EXPECT_EQ(TexteZonaHoraria(offset), "Europe/Paris") << offset;
}

// Wall times of cloud instants for modules in different zones, across both
// of Europe's daylight-saving changes of 2024 (31 March and 27 October, 01:00 UTC).
TEST(TimeZones, CloudTimeToModuleTime)
{
    const struct {
        QDateTime utc;
        const char *zone;
        QDateTime wall; // expected local date and time
    } cases[] = {
        {utc(2024, 7, 1, 10, 0), "Europe/Paris", {QDate(2024, 7, 1), QTime(12, 0)}},
        {utc(2024, 7, 1, 10, 0), "Europe/London", {QDate(2024, 7, 1), QTime(11, 0)}},
        {utc(2024, 1, 15, 10, 0), "Europe/Paris", {QDate(2024, 1, 15), QTime(11, 0)}},
        {utc(2024, 1, 15, 10, 0), "Europe/London", {QDate(2024, 1, 15), QTime(10, 0)}},
        // spring forward: 02:00 local does not exist in Paris
        {utc(2024, 3, 31, 0, 59), "Europe/Paris", {QDate(2024, 3, 31), QTime(1, 59)}},
        {utc(2024, 3, 31, 1, 0), "Europe/Paris", {QDate(2024, 3, 31), QTime(3, 0)}},
        {utc(2024, 3, 31, 0, 59), "Europe/London", {QDate(2024, 3, 31), QTime(0, 59)}},
        {utc(2024, 3, 31, 1, 0), "Europe/London", {QDate(2024, 3, 31), QTime(2, 0)}},
        // fall back: 02:30 local happens twice in Paris
        {utc(2024, 10, 27, 0, 30), "Europe/Paris", {QDate(2024, 10, 27), QTime(2, 30)}},
        {utc(2024, 10, 27, 1, 30), "Europe/Paris", {QDate(2024, 10, 27), QTime(2, 30)}},
        {utc(2024, 10, 27, 0, 59), "Europe/London", {QDate(2024, 10, 27), QTime(1, 59)}},
        {utc(2024, 10, 27, 1, 0), "Europe/London", {QDate(2024, 10, 27), QTime(1, 0)}},
        // the history's fixed limit, and zones far from Europe
        {utc(2021, 7, 31, 0, 0), "Europe/Paris", {QDate(2021, 7, 31), QTime(2, 0)}},
        {utc(2024, 7, 1, 10, 0), "America/Bogota", {QDate(2024, 7, 1), QTime(5, 0)}},
        {utc(2024, 7, 1, 10, 0), "Pacific/Honolulu", {QDate(2024, 7, 1), QTime(0, 0)}},
        {utc(2024, 12, 31, 23, 0), "Pacific/Apia", {QDate(2025, 1, 1), QTime(12, 0)}},
    };
    for (const auto &c : cases) {
        const QDateTime local = ConvertirHoraLocal(c.utc, QString::fromLatin1(c.zone));
        EXPECT_EQ(local.date(), c.wall.date()) << c.zone << " " << c.utc.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(local.time(), c.wall.time()) << c.zone << " " << c.utc.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(local.toUTC(), c.utc) << "same instant";
    }
}

TEST(TimeZones, FailedConversionsReturnTheInput)
{
    const QDateTime t = utc(2024, 7, 1, 10, 0);
    EXPECT_EQ(ConvertirHoraLocal(t, "Nowhere/Atlantis"), t);
    EXPECT_EQ(ConvertirHoraLocal(t, ""), t);
    EXPECT_FALSE(ConvertirHoraLocal(QDateTime(), "Europe/Paris").isValid());
    EXPECT_FALSE(LocalDateTimeFromUTCDateTime(QDateTime()).isValid());
}

TEST(TimeZones, PcLocalTimeIsTheSameInstant)
{
    const QDateTime t = utc(2024, 7, 1, 10, 0);
    const QDateTime local = LocalDateTimeFromUTCDateTime(t);
    EXPECT_EQ(local.timeSpec(), Qt::LocalTime);
    EXPECT_EQ(local.toUTC(), t);
    // a value read from the cloud without a zone is taken as UTC
    const QDateTime naive(QDate(2024, 7, 1), QTime(10, 0));
    EXPECT_EQ(LocalDateTimeFromUTCDateTime(naive).toUTC(), t);
    EXPECT_EQ(ConvertirHoraLocal(naive, "Europe/Paris").time(), QTime(12, 0));
}
