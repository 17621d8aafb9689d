#include "core/shell/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmar;

TEST(SingleInstance, SecondCopyIsRefusedAndRaisesTheFirst)
{
    QTemporaryDir dir;
    SingleInstance first(QStringLiteral("test"), dir.path());
    ASSERT_TRUE(first.acquire());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    SingleInstance second(QStringLiteral("test"), dir.path());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(second.notifyFirst());
    EXPECT_TRUE(raised.wait(5000) || raised.count() > 0);
}

TEST(SingleInstance, LockIsFreeAgainWhenTheFirstCopyEnds)
{
    QTemporaryDir dir;
    {
        SingleInstance first(QStringLiteral("test"), dir.path());
        ASSERT_TRUE(first.acquire());
    }
    SingleInstance next(QStringLiteral("test"), dir.path());
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, TextOfTheSecondStart)
{
    EXPECT_TRUE(SingleInstance::alreadyRunningText().startsWith(
        QString::fromUtf8("Velmar Q7R2T CLOUD\r\n\r\nYa hay una versión de este programa ejecutándose \r\n")));
}
