// The window's questions and timed messages against the simulated module:
// what reaches the module follows the button the user pressed and the
// module's own pauses, whatever the desktop and the dialogs do.
#include "ui/shell/MainWindow.h"

#include "Linked.h"
#include "support/Dialogs.h"
#include "support/Wait.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::Linked;
using velmar::test::answerWith;
using velmar::test::TranscriptLine;
using velmar::test::waitFor;

namespace {

bool anyIs(const QList<TranscriptLine> &lines, const QString &text)
{
    return std::any_of(lines.begin(), lines.end(), [&](const TranscriptLine &l) { return l.text == text; });
}

// Under Gnome the box lays "No" out before "Yes": the button captioned "No"
// must still be the one that answers no.
TEST(WindowDialogs, FactoryResetAnsweredNoUnderGnomeRestoresNothing)
{
    test::ForcedButtonLayout gnome(QDialogButtonBox::GnomeLayout);
    Linked l;
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;
    const Engine &e = w.engine();
    auto *reset = w.findChild<QAction *>(QStringLiteral("MIIDefecte"));
    ASSERT_NE(reset, nullptr);
    ASSERT_TRUE(waitFor([&] { return e.state.circuittrobat && reset->isEnabled(); }, 15000));

    answerWith(QStringLiteral("    No    "));
    reset->trigger();
    EXPECT_FALSE(e.programming.busy());
    // Had it started, the restore would run to its end here.
    ASSERT_TRUE(waitFor([&] { return !e.programming.busy() && !e.writer.running(); }, 20000));
    EXPECT_FALSE(anyIs(l.receivedTimed(), QStringLiteral("vm+Xxxx=0")));
    const qsizetype before = l.received().size();

    answerWith(QString::fromUtf8("     Sí    "));
    reset->trigger();
    // The button captioned "Sí" does restore: the wire shows it.
    EXPECT_TRUE(waitFor([&] { return anyIs(l.receivedTimed(before), QStringLiteral("vm+Xxxx=0")); }, 15000));
}

// The stream is asked for one second after the code, while the "checking"
// message is still on screen, not once it has gone.
TEST(WindowDialogs, AccessCodeIsFollowedByTheStreamRequestAfterOneSecond)
{
    Linked l({QStringLiteral("--lock"), QStringLiteral("4321")});
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return w.engine().state.circuittrobat && w.engine().state.protegit; }, 15000));

    w.findChild<QPushButton *>(QStringLiteral("BBProg"))->click();
    QTest::keyClicks(w.findChild<QLineEdit *>(QStringLiteral("ECodiDesbloqueig")), "4321");
    w.findChild<QPushButton *>(QStringLiteral("BBDesbloqueigAcceptar"))->click();
    ASSERT_TRUE(waitFor([&] { return !w.engine().state.protegit; }, 10000));

    // The link supervision may ask for the stream too; the access code's
    // own request is the first one at least 900 ms after the code.
    std::optional<qint64> gap;
    ASSERT_TRUE(waitFor([&] {
        const QList<TranscriptLine> rx = l.receivedTimed();
        const auto code = std::find_if(rx.begin(), rx.end(),
                                       [](const TranscriptLine &t) { return t.text == QLatin1String("vm+cdp=4321"); });
        for (auto t = code; t != rx.end() && !gap; ++t)
            if (t->text == QLatin1String("vm+INf") && code->at.msecsTo(t->at) >= 900)
                gap = code->at.msecsTo(t->at);
        return gap.has_value();
    }, 10000));
    EXPECT_LT(*gap, 1700);
}

} // namespace
