#include "core/base/Formats.h"

#include <gtest/gtest.h>

using namespace velmar;

TEST(Formats, SameWhateverTheUsersLocale)
{
    for (QLocale user : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German),
                         QLocale(QLocale::French)}) {
        QLocale::setDefault(user);
        EXPECT_EQ(formats::date(QDate(2026, 3, 9)), QStringLiteral("09/03/2026"));
        EXPECT_EQ(formats::shortTime(QTime(7, 5, 9)), QStringLiteral("07:05"));
        EXPECT_EQ(formats::longTime(QTime(7, 5, 9, 42)), QStringLiteral("07:05:09.042"));
        EXPECT_EQ(formats::number(12.3, 1), QStringLiteral("12,3"));
        EXPECT_EQ(formats::number(1234.5, 1), QStringLiteral("1234,5"));
        EXPECT_EQ(formats::parseNumber(QStringLiteral("12,5")), 12.5);
        EXPECT_EQ(formats::parseDate(QStringLiteral("31/12/2025")), QDate(2025, 12, 31));
    }
    QLocale::setDefault(QLocale::c());
}

TEST(Formats, BadTextIsRefused)
{
    EXPECT_FALSE(formats::parseNumber(QStringLiteral("12.5.1")).has_value());
    EXPECT_FALSE(formats::parseDate(QStringLiteral("12/31/2025")).has_value());
    EXPECT_FALSE(formats::parseShortTime(QStringLiteral("25:00")).has_value());
}
