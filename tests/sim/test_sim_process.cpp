// The tests' handle on the simulator: a simulator that ends by a sanitizer
// finding fails the test that ran it, whether the finding comes while it runs
// or at its exit (leaks are looked for when it ends).

#include "support/SimProcess.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using velmar::test::SimProcess;

TEST(SimProcessHandle, ASimulatorEndedByASanitizerFindingFailsTheTest)
{
    const QString finding = QString::number(VELMAR_SANITIZER_EXIT);
    // Stand-ins that announce themselves as velmar-sim does, then end as told.
    const QString announce = QStringLiteral("echo 'velmar-sim: pty /dev/null'; ");
    const QString untilTerm = QStringLiteral("while :; do sleep 0.05; done");
    struct Case {
        const char *what;
        QString script;
        bool waitFirst; // wait for its own end before the handle goes
        int failures;
    };
    const Case cases[] = {
        {"finding at exit after SIGTERM", "trap 'exit " + finding + "' TERM; " + announce + untilTerm, false, 1},
        {"finding while running, waited for", announce + "exit " + finding, true, 1},
        {"clean stop", "trap 'exit 0' TERM; " + announce + untilTerm, false, 0},
        {"its own error status", announce + "exit 2", true, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ::testing::TestPartResultArray results;
        {
            const ::testing::ScopedFakeTestPartResultReporter capture(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
            SimProcess sim(QStringLiteral("sh"), {QStringLiteral("-c"), c.script});
            EXPECT_TRUE(sim.ok()) << sim.errorText().toStdString();
            if (c.waitFirst)
                sim.waitForExit(20000);
        }
        int failures = 0;
        for (int i = 0; i < results.size(); ++i) {
            failures += results.GetTestPartResult(i).failed() ? 1 : 0;
            if (results.GetTestPartResult(i).failed())
                EXPECT_NE(std::string(results.GetTestPartResult(i).message()).find("sanitizer"), std::string::npos)
                    << results.GetTestPartResult(i).message();
        }
        EXPECT_EQ(failures, c.failures);
    }
}
