#include "core/link/Scheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace velmar;

TEST(Scheduler, StepsRunInTimeThenInsertionOrder)
{
    ManualScheduler s;
    QStringList log;
    s.after(100, [&] { log << "b"; });
    s.after(0, [&] { log << "a"; });
    s.after(100, [&] { log << "c"; });
    s.advance(99);
    EXPECT_EQ(log, QStringList{"a"});
    s.advance(1);
    EXPECT_EQ(log, (QStringList{"a", "b", "c"}));
    EXPECT_TRUE(s.idle());
}

TEST(Scheduler, PacerKeepsTheSpacingOfAChain)
{
    ManualScheduler s;
    QStringList log;
    Pacer(s).then([&] { log << "cdp"; }).pause(100).then([&] { log << "inf"; });
    s.advance(0);
    EXPECT_EQ(log, QStringList{"cdp"});
    s.advance(100);
    EXPECT_EQ(log, (QStringList{"cdp", "inf"}));
}

TEST(Scheduler, StepsScheduledByAStepRunWhenDue)
{
    ManualScheduler s;
    QStringList log;
    s.after(10, [&] {
        log << "first";
        s.after(0, [&] { log << "nested"; });
        s.after(50, [&] { log << "later"; });
    });
    s.advance(10);
    EXPECT_EQ(log, (QStringList{"first", "nested"}));
    s.advance(50);
    EXPECT_EQ(log.last(), "later");
}

TEST(Scheduler, CancelAllDropsPendingSteps)
{
    ManualScheduler s;
    int runs = 0;
    s.after(5, [&] { ++runs; });
    s.cancelAll();
    s.advance(100);
    EXPECT_EQ(runs, 0);
}

TEST(QtScheduler, RunsOnTheEventLoopWithoutBlockingIt)
{
    QtScheduler s;
    QStringList log;
    s.after(30, [&] { log << "late"; });
    s.after(0, [&] { log << "soon"; });
    EXPECT_TRUE(log.isEmpty()); // nothing runs inside after()
    QElapsedTimer guard;
    guard.start();
    while (log.size() < 2 && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(log, (QStringList{"soon", "late"}));
}
