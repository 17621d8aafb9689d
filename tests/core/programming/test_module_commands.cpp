#include "Rig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;
using velmar::test::Rig;

namespace {

struct History : CloudEvents {
    QList<QPair<QString, QString>> events;
    void addEvent(const QString &code, const QString &text) override { events << qMakePair(code, text); }
};

TEST(Orders, SimpleOrdersGoOutAsTheirWords)
{
    Rig r;
    r.commands.BBResetClick();
    r.commands.BBCRAClick();
    r.commands.BBProvaTestClick();
    EXPECT_EQ(r.sent(), QStringList({"vm+rst", "vm+cra", "vm+TST"}));
    // With "Local" not ticked the test goes to the remote module only.
    r.view.localChosen = false;
    r.commands.BBProvaTestClick();
    EXPECT_TRUE(r.sent().isEmpty());
}

TEST(Orders, SwitchingAnOutputAsksThenSendsItsPattern)
{
    const struct {
        int output;
        bool active;
        const char *pattern;
    } patterns[] = {{2, false, ".1.."}, {2, true, ".0.."}, {1, false, "1..."}, {4, true, "...0"}};
    for (const auto &p : patterns)
        EXPECT_EQ(ModuleCommands::outputPattern(p.output, p.active), QString::fromLatin1(p.pattern));

    Rig r;
    History history;
    r.commands.setCloudEvents(&history);
    r.commands.ActivarSortidesClick(2, QStringLiteral("Sirena"), false);
    ASSERT_EQ(r.answers.asked.size(), 1);
    EXPECT_EQ(r.answers.asked[0].title, QStringLiteral("CONFIRMACION"));
    EXPECT_EQ(r.answers.asked[0].text, QStringLiteral(" Se cambiará el estado de la salida Sirena      "));
    EXPECT_EQ(r.answers.asked[0].yes, QStringLiteral(" Cambiar "));
    EXPECT_EQ(r.answers.asked[0].no, QStringLiteral(" Cancelar "));
    EXPECT_EQ(r.sent(), QStringList{"vm+sor=.1.."});
    ASSERT_EQ(history.events.size(), 1);
    EXPECT_EQ(history.events[0].first, QStringLiteral("77000"));
    EXPECT_EQ(history.events[0].second, QStringLiteral("Salida disparada: Sirena"));

    // An output without a caption is named by its number; "Cancelar" ends it.
    r.commands.ActivarSortidesClick(3, QString(), true);
    EXPECT_EQ(r.answers.asked[1].text, QStringLiteral(" Se cambiará el estado de la salida 3      "));
    EXPECT_EQ(history.events[1].second, QStringLiteral("Salida restaurada: 3"));
    EXPECT_EQ(r.sent(), QStringList{"vm+sor=..0."});
    r.answers.answer = false;
    r.commands.ActivarSortidesClick(1, QString(), false);
    EXPECT_TRUE(r.sent().isEmpty());
    EXPECT_EQ(history.events.size(), 2);

    // Over MQTT the pattern goes to the status topic as a record.
    r.answers.answer = true;
    r.state.connex_remota = QStringLiteral("MQTT");
    QSignalSpy status(&r.commands, &ModuleCommands::publishStatus);
    r.commands.ActivarSortidesClick(4, QString(), false);
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), QStringLiteral("{#S...1}"));
}

TEST(AccessCode, TooShortIsRefusedWithoutSending)
{
    Rig r;
    QSignalSpy refused(&r.view, &ProgrammingState::accessCodeRefused);
    QSignalSpy hidden(&r.view, &ProgrammingState::accessPanelHidden);
    r.commands.BBDesbloqueigAcceptarClick(QStringLiteral("123"));
    EXPECT_TRUE(r.sent().isEmpty());
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(hidden.count(), 0);
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_EQ(r.messages[0].title, QStringLiteral("¡ ATENCIÓN !"));
    EXPECT_EQ(r.messages[0].text,
              QStringLiteral("\r\nCódigo de programación demasiado corto. Mínimo 4 caracteres\r\n"));
    EXPECT_EQ(r.messages[0].button, QStringLiteral("    Cerrar   "));
    EXPECT_EQ(r.messages[0].seconds, 5);
    EXPECT_FALSE(r.commands.ECodiProgExit(QStringLiteral("12")));
    EXPECT_EQ(r.messages[1].seconds, 0); // the programming code's message stays open
    EXPECT_TRUE(r.commands.ECodiProgExit(QStringLiteral("1234")));
}

TEST(AccessCode, AGivenCodeIsSentThenTheStreamAskedFor)
{
    Rig r;
    r.state.protegit = true;
    QSignalSpy hidden(&r.view, &ProgrammingState::accessPanelHidden);
    r.commands.BBDesbloqueigAcceptarClick(QStringLiteral("4321"));
    EXPECT_EQ(r.sent(), QStringList{"vm+cdp=4321"});
    EXPECT_EQ(hidden.count(), 1);
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_EQ(r.messages[0].text, QStringLiteral("\r\nComprobando el código de acceso ... \r\n"));
    EXPECT_EQ(r.messages[0].seconds, 1);
    r.scheduler.advance(999);
    EXPECT_TRUE(r.sent().isEmpty());
    r.scheduler.advance(1);
    EXPECT_EQ(r.sent(), QStringList{"vm+INf"});
    r.reply("+Inf:On\r\n");
    EXPECT_FALSE(r.state.protegit);

    r.commands.BBDesbloqueigCancellarClick();
    EXPECT_TRUE(r.state.protegit);
    EXPECT_EQ(hidden.count(), 2);
}

// The "checking" message may stay on screen for any time while the clock
// runs; the stream request keeps its own second after the code.
TEST(AccessCode, TheStreamRequestFollowsTheCodeByOneSecondHoweverLongTheMessageStays)
{
    for (const int shownMs : {0, 400, 1000, 2500}) {
        Rig r;
        r.state.protegit = true;
        // The clock moves in 100 ms steps, so a command is seen at its time.
        auto run = [&r](int ms) {
            for (int t = 0; t < ms; t += 100)
                r.scheduler.advance(100);
        };
        QList<QPair<qint64, QString>> writes;
        QObject::connect(&r.trace, &Trace::entry, [&](const QString &text, TraceColour) {
            if (text.startsWith(QLatin1String(" escriu_port ")))
                writes << qMakePair(r.scheduler.now(), text.mid(13).trimmed());
        });
        QObject::connect(&r.view, &ProgrammingState::message, [&](const QString &, const QString &text,
                                                                  const QString &, int) {
            if (text.contains(QLatin1String("Comprobando")))
                run(shownMs);
        });
        r.commands.BBDesbloqueigAcceptarClick(QStringLiteral("4321"));
        run(3000);
        const QList<QPair<qint64, QString>> expected{{0, QStringLiteral("vm+cdp=4321")},
                                                     {1000, QStringLiteral("vm+INf")}};
        EXPECT_EQ(writes, expected) << "message shown " << shownMs << " ms";
    }
}

TEST(ProgrammingState, FirstEntryReadsAndASecondWithTheCompanyFilledDoesNot)
{
    Rig r;
    r.view.panelmostrat = ProgrammingState::estat();
    r.view.mostraestat = true;
    r.state.central = QStringLiteral("Komttech");
    QSignalSpy front(&r.view, &ProgrammingState::broughtToFront);
    r.commands.BBProgClick();
    EXPECT_TRUE(r.view.programmingShown());
    EXPECT_FALSE(r.view.mostraestat);
    EXPECT_EQ(r.view.currentTab(), QStringLiteral("TSConfiguracio"));
    EXPECT_EQ(r.view.panelTab(), QStringLiteral("TSCentralSupra"));
    EXPECT_EQ(r.view.panelTabCaption(), QStringLiteral("Komttech"));
    EXPECT_EQ(r.view.panelTitle(), QStringLiteral("CENTRAL DE INCENDIOS KOMTTECH"));
    EXPECT_TRUE(r.view.vpnVisible());
    EXPECT_EQ(front.count(), 1);
    EXPECT_EQ(r.sent(), QStringList{"vm+inf"}); // the full read begins
    r.scheduler.advance(1000);
    r.sent();
    r.reply("+0102:Company\r\n+Xxxx:Ok\r\n");
    EXPECT_EQ(r.sent(), QStringList{"vm+vEr"});
    EXPECT_TRUE(r.view.progllegida);

    r.view.panelmostrat = ProgrammingState::estat();
    r.commands.BBProgClick();
    EXPECT_TRUE(r.view.programmingShown());
    EXPECT_TRUE(r.sent().isEmpty());
}

TEST(ProgrammingState, AViewThatComesToTheFrontAtOnceIsStillRead)
{
    // The window reports the programming view as shown the moment it is
    // brought to the front, before "Prog." has decided whether to read.
    Rig r;
    r.view.panelmostrat = ProgrammingState::estat();
    QObject::connect(&r.view, &ProgrammingState::broughtToFront, &r.view,
                     [&r] { r.view.panelmostrat = ProgrammingState::programacio(); });
    r.commands.BBProgClick();
    EXPECT_EQ(r.sent(), QStringList{"vm+inf"});
    r.scheduler.advance(1000);
    EXPECT_EQ(r.sent(), QStringList{"vm+Xxxx"});
}

TEST(ProgrammingState, WorkingWhileBusyOrWithItsCommandsTakenAway)
{
    ProgrammingState view;
    QSignalSpy working(&view, &ProgrammingState::workingChanged);
    EXPECT_FALSE(view.working());
    // A write: busy, then its commands away; it ends the other way round.
    view.setBusy(true);
    view.setCommandsEnabled(false);
    EXPECT_TRUE(view.working());
    view.setBusy(false);
    EXPECT_TRUE(view.working());
    view.setCommandsEnabled(true);
    EXPECT_FALSE(view.working());
    ASSERT_EQ(working.count(), 2);
    EXPECT_TRUE(working.at(0).at(0).toBool());
    EXPECT_FALSE(working.at(1).at(0).toBool());
}

TEST(ProgrammingState, RemoteLinkHidesTheVpnBoxAndReadsOnlyWhenItIsTheChosenLink)
{
    Rig r;
    r.view.panelmostrat = ProgrammingState::estat();
    r.state.connex_remota = QStringLiteral("MQTT");
    r.commands.BBProgClick(); // the local link is chosen but the module is remote
    EXPECT_FALSE(r.view.vpnVisible());
    EXPECT_FALSE(r.view.programmingShown());
    r.view.localChosen = false;
    r.commands.BBProgClick();
    EXPECT_TRUE(r.view.programmingShown());
}

TEST(ProgrammingState, TemplatesShowTheViewWithoutReading)
{
    Rig r;
    r.view.panelmostrat = ProgrammingState::estat();
    r.state.central = QStringLiteral("MA2000");
    r.commands.PassarPanelProgramacio();
    EXPECT_TRUE(r.view.programmingShown());
    EXPECT_EQ(r.view.panelTab(), QStringLiteral("TSCentralID3000"));
    EXPECT_TRUE(r.sent().isEmpty());
}

TEST(ProgrammingState, PanelTabIsTheFirstMatchOfThePanelType)
{
    const struct {
        const char *central;
        const char *tab;
    } cases[] = {
        {"BC216", "TSCentralBC600"},      {"AE/C5", "TSCentralAguilera"},
        {"Puertas", "TSPortes"},          {"Cofem-A", "TSCentralZafir"},
        {"Cofem CLVR", "TSCentralCofem"}, {"CCD-100", "TSCentralDetnovCCD"},
        {"Detnov", "TSCentralDetnov"},    {"C-TecXFP", "TSCentralCtec"},
        {"PL-1000", "TSCentralPL1000"},   {"EasyDetect", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ModuleCommands::panelTabFor(QString::fromLatin1(c.central)).tab, QString::fromLatin1(c.tab))
            << c.central;
}

TEST(ProgrammingState, PanelTabCaptionFollowsThePanelModel)
{
    const struct {
        const char *central;
        const char *eCentral;
        const char *caption;
    } cases[] = {
        {"BC216", "", "BC600/BC216"},   {"AGE44", "", "Aguilera"},     {"AE/C5", "", "Aguilera"},
        {"Puertas", "", "Accesos"},     {"Cofem CLVR", "", "CLVR"},    {"Cofem", "", "K-CONECTA"},
        {"Cofem-A", "", "Cofem-A"},     {"C-TecXFP", "", "C-Tec XFP"}, {"CCD-100", "", "CCD-100"},
        {"", "Syncro 2", "Syncro"},     {"Nothing", "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ModuleCommands::PCProgramacioDrawTab(3, QStringLiteral("Central"),
                                                       QString::fromLatin1(c.central),
                                                       QString::fromLatin1(c.eCentral)),
                  QString::fromUtf8(c.caption))
            << c.central;
    EXPECT_EQ(ModuleCommands::PCProgramacioDrawTab(1, QStringLiteral("Software"), QStringLiteral("BC600"), {}),
              QStringLiteral("Software"));
}

TEST(ProgrammingState, UserTabWithoutInputsAndOutputsShowsTheSystemSection)
{
    Rig r;
    r.state.PartsActives = QStringLiteral("1110");
    r.commands.PCProgramacioChange(QStringLiteral("TSUsuari"));
    UserSections s = r.view.userSections();
    EXPECT_FALSE(s.inputs);
    EXPECT_FALSE(s.outputsByInputs);
    EXPECT_TRUE(s.system);
    EXPECT_EQ(s.selected, QStringLiteral("system"));
    r.state.PartsActives = QStringLiteral("1111");
    r.commands.PCProgramacioChange(QStringLiteral("TSUsuari"));
    EXPECT_EQ(r.view.userSections(), UserSections());
    EXPECT_EQ(r.view.currentTab(), QStringLiteral("TSUsuari"));
}

TEST(EventLogToggles, FlipTheirStateAndPicture)
{
    Rig r;
    QSignalSpy scroll(&r.commands, &ModuleCommands::eventLogScrollToEnd);
    EXPECT_EQ(r.commands.BTotImage(), 10);
    r.commands.BTotClick();
    EXPECT_TRUE(r.log.BTot());
    EXPECT_EQ(r.commands.BTotImage(), 9);
    r.commands.REVelmarChange();
    EXPECT_EQ(scroll.count(), 1);
    r.commands.BParaClick();
    EXPECT_EQ(r.commands.BParaImage(), 6);
    r.commands.REVelmarChange();
    EXPECT_EQ(scroll.count(), 1); // stopped: the pane stays where it is
    r.commands.BParaClick();
    EXPECT_EQ(r.commands.BParaImage(), 13);
    r.log.append(QStringLiteral("line"), LogColour::Default);
    r.commands.BEsborraClick();
    EXPECT_EQ(r.log.rowCount(), 0);
}

} // namespace
