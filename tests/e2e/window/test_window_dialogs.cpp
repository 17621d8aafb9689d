// The window's questions against the simulated module: what reaches the
// module follows the button the user pressed, whatever the desktop.
#include "ui/shell/MainWindow.h"

#include "Linked.h"
#include "support/Dialogs.h"
#include "support/Wait.h"

#include <QAction>

#include <gtest/gtest.h>

#include <algorithm>

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
    EXPECT_FALSE(anyIs(l.received(), QStringLiteral("vm+Xxxx=0")));
    const qsizetype before = l.received().size();

    answerWith(QString::fromUtf8("     Sí    "));
    reset->trigger();
    // The button captioned "Sí" does restore: the wire shows it.
    EXPECT_TRUE(waitFor([&] { return anyIs(l.received().mid(before), QStringLiteral("vm+Xxxx=0")); }, 15000));
}

} // namespace
