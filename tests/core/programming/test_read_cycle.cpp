#include "Rig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;
using velmar::test::Rig;

namespace {

// A full read up to the point where the module starts its dump.
void startFullRead(Rig &r)
{
    r.reader.BBLlegirClick();
    ASSERT_EQ(r.sent(), QStringList{"vm+inf"});
    EXPECT_TRUE(r.view.busy());
    EXPECT_FALSE(r.ident.active());
    r.scheduler.advance(999);
    EXPECT_TRUE(r.sent().isEmpty()); // the stream settles for a second first
    r.scheduler.advance(1);
    ASSERT_EQ(r.sent(), QStringList{"vm+Xxxx"});
    EXPECT_EQ(r.view.statusText(), QStringLiteral("Leyendo"));
    EXPECT_EQ(r.state.puntercamp, QStringLiteral("xxx"));
}

TEST(FullRead, DumpFillsEditsAndGridsAndHandsBackToIdentification)
{
    Rig r;
    r.edit("EProgRef")->setText(QStringLiteral("stale"));
    startFullRead(r);
    EXPECT_TRUE(r.edit("EProgRef")->text().isEmpty()); // fields cleared before the dump

    r.reply("+0102:Company\r\n");
    r.reply("+3010:10;3;0;Door\r\n");
    r.reply("+0120:1\r\n");
    r.reply("+0106:1011\r\n");
    r.reply("+3301:0101000000\r\n");
    EXPECT_EQ(r.edit("EProgEmpresa")->text(), QStringLiteral("Company"));
    EXPECT_EQ(r.row("SGEntrades", 16, 1), QStringList({"Door", "10", "3", "0"}));
    EXPECT_EQ(r.row("SGSortides", 1, 1),
              QStringList({"0", "1", "0", "1", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(r.fields.comboBox(u"CBHora")->currentIndex(), 11);
    EXPECT_EQ(r.fields.checkList(u"CLBPartsActives")->value(), QStringLiteral("1011"));
    // 0x3301 of 0x8516 read so far.
    EXPECT_EQ(r.view.progress(), 0x3301 * 100 / 0x8516);
    EXPECT_TRUE(r.sent().isEmpty());

    r.reply("+Xxxx:Ok\r\n");
    EXPECT_EQ(r.sent(), QStringList{"vm+vEr"});
    EXPECT_FALSE(r.view.busy());
    EXPECT_TRUE(r.view.statusText().isEmpty());
    EXPECT_FALSE(r.view.progressVisible());
    EXPECT_TRUE(r.view.progllegida);
    EXPECT_TRUE(r.state.inf);
    EXPECT_TRUE(r.state.puntercamp.isEmpty());
    EXPECT_EQ(r.state.tempsllegir, 0);
    EXPECT_TRUE(r.ident.active());
    EXPECT_EQ(r.ident.interval(), 1000);
    EXPECT_FALSE(r.reader.fullReadRunning());
}

// A full read replaces everything the user had changed: nothing is red or
// counted as changed afterwards, so the next write's progress counts only
// what is changed after it.
TEST(FullRead, ChangesMadeBeforeAFullReadAreNoLongerCounted)
{
    Rig r;
    const ChangeContext user{true, false};
    EditField *ref = r.edit("EProgRef");
    ref->setTextByUser(QStringLiteral("typed"));
    r.fields.EditChange(ref, user);
    r.fields.comboBox(u"CBHora")->setCurrentIndexByUser(3);
    r.fields.CBHoraChange();
    ASSERT_EQ(r.fields.ncampsModificats, 2);
    startFullRead(r);
    r.reply("+0104:REF\r\n");
    r.reply("+Xxxx:Ok\r\n");
    EXPECT_EQ(ref->colour(), FieldColour::Window);
    EXPECT_EQ(r.fields.comboBox(u"CBHora")->colour(), FieldColour::Window);
    EXPECT_EQ(r.fields.ncampsModificats, 0);
}

TEST(FullRead, ServerParametersDecideTheVpnBox)
{
    Rig r;
    r.fields.ConfigVPN = true; // as identification leaves it
    startFullRead(r);
    r.reply("+0211:1\r\n");
    EXPECT_TRUE(r.box("CBConfigVPN")->checked());
    r.reply("+0301:mqtt.public.test\r\n");
    r.reply("+0309:mqtt.public.test\r\n");
    EXPECT_FALSE(r.fields.ConfigVPN);
    EXPECT_FALSE(r.box("CBConfigVPN")->checked());

    Rig vpn;
    vpn.fields.ConfigVPN = true;
    startFullRead(vpn);
    vpn.reply("+0301:\r\n");
    vpn.reply("+0309:\r\n");
    EXPECT_TRUE(vpn.box("CBConfigVPN")->checked());
}

TEST(FullRead, RefusedWhileLockedOrInTelecontrolOrUnidentified)
{
    Rig r;
    QSignalSpy access(&r.view, &ProgrammingState::accessPanelShown);
    r.state.protegit = true;
    r.reader.BBLlegirClick();
    EXPECT_EQ(access.count(), 1);
    r.state.protegit = false;
    r.view.bidiCentral = true;
    r.reader.BBLlegirClick();
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_EQ(r.messages[0].title, QStringLiteral("¡ ATENCIÓN !"));
    EXPECT_EQ(r.messages[0].text,
              QStringLiteral("Central en telecontrol\rNo se puede acceder a la programación"));
    r.view.bidiCentral = false;
    r.state.circuittrobat = false;
    r.reader.BBLlegirClick();
    r.state.circuittrobat = true;
    r.state.tempsActu = 10; // a firmware update runs
    r.reader.BBLlegirClick();
    EXPECT_TRUE(r.sent().isEmpty());
    EXPECT_FALSE(r.view.busy());
}

TEST(FullRead, AguileraPageAsksForTheZoneListBeforeFinishing)
{
    Rig r;
    r.state.central = QStringLiteral("AGE44");
    r.view.setCurrentTab(QStringLiteral("TSCentralAguilera"));
    r.reader.BBLlegirPagClick();
    QStringList asked;
    for (int guard = 0; guard < 10; ++guard) {
        r.reader.TimerLlegirTimer();
        const QStringList words = r.sent();
        ASSERT_EQ(words.size(), 1);
        asked << words[0];
        if (words[0] == u"vm+9xxx")
            break;
        r.reply(QByteArray("+" + words[0].mid(3).toLatin1() + ":f\r\n").constData());
        r.reader.TimerLlegirTimer(); // takes the answer
    }
    EXPECT_EQ(asked, QStringList({"vm+9000", "vm+1500", "vm+9xxx"}));
    EXPECT_EQ(r.state.puntercamp, QStringLiteral("xxx"));
    // The end line while the page is still the Aguilera one: the zone
    // list is asked for before the read ends.
    r.reply("+9xxx:Ok\r\n");
    EXPECT_EQ(r.sent(), QStringList{"vm+9xxx"});
    EXPECT_EQ(r.state.espero, QStringLiteral("+9xxx"));
    EXPECT_TRUE(r.view.busy());
    r.reply("+9101:1130;Entrada\r\n");
    EXPECT_EQ(r.row("SGLlistatZonesAgui", 1, 1), QStringList({"1130", "Entrada"}));
    r.reply("+9xxx:Ok\r\n");
    EXPECT_EQ(r.sent(), QStringList{"vm+vEr"});
    EXPECT_FALSE(r.view.busy());
}

TEST(OperatorList, LinesFillTheirRowsAndTheEndLineFinishes)
{
    Rig r;
    r.state.espero = QStringLiteral("+85xx");
    r.reply("+850A:Orange;orange.es;orange;orange\r\n");
    r.reply("+8510:Last;apn;u;p\r\n");
    r.reply("+8501:Solo\r\n");
    EXPECT_EQ(r.row("SGOperadores", 10), QStringList({"Orange", "orange.es", "orange", "orange"}));
    EXPECT_EQ(r.row("SGOperadores", 16), QStringList({"Last", "apn", "u", "p"}));
    EXPECT_EQ(r.row("SGOperadores", 1), QStringList({"Solo", "", "", ""}));
    EXPECT_EQ(r.grid("SGOperadores")->stored(0, 10), QStringLiteral("Orange"));
    EXPECT_TRUE(r.view.busy());
    EXPECT_EQ(r.view.statusText(), QStringLiteral("Leyendo"));

    r.reply("+85xx:Ok\r\n");
    EXPECT_EQ(r.sent(), QStringList{"vm+vEr"});
    EXPECT_TRUE(r.state.espero.isEmpty());
    EXPECT_FALSE(r.view.busy());
    EXPECT_EQ(r.grid("SGOperadores")->heading(0), QStringLiteral("   Operadora: "));
    EXPECT_EQ(r.ident.interval(), 1000);
    EXPECT_TRUE(r.view.progllegida);
}

// The page read of the software tab: every box is asked for by its code,
// each answer goes into the box that asked, and the walk ends with
// "vm+vEr" and identification three seconds later.
TEST(PageRead, AsksForEachControlOfThePageInTurn)
{
    Rig r;
    r.view.setCurrentTab(QStringLiteral("TSConfigSoft"));
    r.reader.BBLlegirPagClick();
    EXPECT_TRUE(r.view.busy());
    EXPECT_EQ(r.reader.interval(), 10);
    EXPECT_EQ(r.reader.pagina(), QStringLiteral("PConfigSoft"));

    int answered = 0;
    for (int guard = 0; guard < 200 && r.reader.timerActive(); ++guard) {
        r.reader.TimerLlegirTimer();
        const QStringList words = r.sent();
        if (words.isEmpty())
            continue;
        ASSERT_EQ(words.size(), 1);
        const QString code = words[0].mid(3);
        if (code == u"vEr")
            break;
        ASSERT_EQ(r.state.espero, u'+' + code);
        QByteArray answer = "+" + code.toLatin1() + ":v" + code.toLatin1() + "\r\n";
        if (code == u"1132")
            answer = "+1132:1\r\n";
        if (code == u"1131")
            answer = "+1131:1\r\n";
        r.reply(answer.constData());
        EXPECT_EQ(r.reader.interval(), 1) << code.toStdString();
        ++answered;
    }
    EXPECT_EQ(r.edit("EEMailSMTP")->text(), QStringLiteral("v2001"));
    EXPECT_EQ(r.edit("EAbonatCra22")->text(), QStringLiteral("v1124"));
    EXPECT_EQ(r.edit("EPollingCRA1")->text(), QStringLiteral("v1010"));
    EXPECT_TRUE(r.box("CBHexaCra")->checked());
    EXPECT_EQ(r.grid("SGCra")->cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(answered, 29); // 27 boxes, the hexadecimal flag and the app option
    EXPECT_FALSE(r.reader.timerActive());
    EXPECT_FALSE(r.view.busy());
    EXPECT_FALSE(r.state.llegirpag);
    EXPECT_EQ(r.ident.interval(), 3000);
    EXPECT_TRUE(r.view.progllegida);
}

TEST(PageRead, SixTimeOutsOnOneRequestEndTheReadWithoutAMessage)
{
    Rig r;
    r.view.setCurrentTab(QStringLiteral("TSConfiguracio"));
    r.reader.BBLlegirPagClick();
    r.reader.TimerLlegirTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+0102"});
    r.reply("+0102:Empresa\r\n");
    r.reader.TimerLlegirTimer(); // takes the answer
    r.reader.TimerLlegirTimer(); // asks for the next box
    EXPECT_EQ(r.sent(), QStringList{"vm+0103"});
    EXPECT_EQ(r.reader.interval(), 3000);
    for (int timeout = 1; timeout < 6; ++timeout) {
        r.reader.TimerLlegirTimer();
        EXPECT_EQ(r.sent(), QStringList{"vm+0103"}) << "time-out " << timeout;
        EXPECT_TRUE(r.reader.timerActive());
    }
    r.reader.TimerLlegirTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+vEr"});
    EXPECT_FALSE(r.reader.timerActive());
    EXPECT_FALSE(r.view.busy());
    EXPECT_FALSE(r.state.llegirpag);
    EXPECT_EQ(r.ident.interval(), 1000);
    EXPECT_TRUE(r.messages.isEmpty());
    // What was read stays.
    EXPECT_EQ(r.edit("EProgEmpresa")->text(), QStringLiteral("Empresa"));
}

TEST(PageRead, ARejectedReplyRetriesSoonerAndCountsARound)
{
    Rig r;
    r.view.setCurrentTab(QStringLiteral("TSConfiguracio"));
    r.reader.BBLlegirPagClick();
    r.reader.TimerLlegirTimer();
    r.sent();
    // Not what espero awaits: routed by nobody's rule but left in StrCom.
    r.state.StrCom = QStringLiteral("+0104:Ref\r");
    r.reader.TimerLlegirTimer();
    EXPECT_EQ(r.reader.interval(), 100);
    EXPECT_EQ(r.state.vegades_espero, 5);
    EXPECT_TRUE(r.state.StrCom.isEmpty());
    EXPECT_TRUE(r.edit("EProgEmpresa")->text().isEmpty());
    EXPECT_TRUE(r.edit("EProgRef")->text().isEmpty());
}

TEST(PageRead, ConfigurationPageEndsWithTheOperatorList)
{
    Rig r;
    r.view.setCurrentTab(QStringLiteral("TSConfiguracio"));
    r.reader.BBLlegirPagClick();
    QStringList asked;
    for (int guard = 0; guard < 100; ++guard) {
        r.reader.TimerLlegirTimer();
        const QStringList words = r.sent();
        ASSERT_EQ(words.size(), 1);
        const QString code = words[0].mid(3);
        asked << code;
        if (code == u"85xx")
            break;
        if (code == u"0106")
            r.reply("+0106:1101\r\n");
        else if (code == u"0211" || code == u"0309")
            r.reply(QByteArray("+" + code.toLatin1() + ":1\r\n").constData());
        else
            r.reply(QByteArray("+" + code.toLatin1() + ":x\r\n").constData());
        r.reader.TimerLlegirTimer(); // takes the answer
    }
    EXPECT_EQ(asked.first(), QStringLiteral("0102"));
    EXPECT_EQ(asked.last(), QStringLiteral("85xx"));
    EXPECT_TRUE(asked.contains(QStringLiteral("0120")));
    EXPECT_FALSE(asked.contains(QStringLiteral("8501"))); // the grid is not asked for by itself
    EXPECT_EQ(r.fields.checkList(u"CLBPartsActives")->value(), QStringLiteral("1101"));
    EXPECT_TRUE(r.box("CBConfigADSLDHCP")->checked());
    EXPECT_EQ(r.box("CBConfigADSLDHCP")->colour(), FieldColour::LightBlue);

    r.reply("+8503:Op3;apn3;u3;p3\r\n");
    r.reply("+85xx:Ok\r\n");
    EXPECT_EQ(r.row("SGOperadores", 3), QStringList({"Op3", "apn3", "u3", "p3"}));
    EXPECT_EQ(r.sent(), QStringList{"vm+vEr"});
    EXPECT_FALSE(r.reader.timerActive());
    EXPECT_FALSE(r.view.busy());
}

// The user tab is read block by block: the end line of one block's dump
// goes on with the next block, and one dump fills every grid of its block.
TEST(PageRead, UserTabReadsEveryBlockOnce)
{
    Rig r;
    r.view.setCurrentTab(QStringLiteral("TSUsuari"));
    r.grid("SGSortidesTemps")->load(1, 2, QStringLiteral("old"));
    r.reader.BBLlegirPagClick();
    EXPECT_TRUE(r.grid("SGSortidesTemps")->cell(1, 2).isEmpty()); // cleared first

    const QMap<QString, QList<QByteArray>> dumps = {
        {"30xx", {"+3001:1;2;0;In1", "+3010:10;3;0;Door"}},
        {"32xx", {"+3201:1;0;0;1130;A/B"}},
        {"33xx", {"+3301:1000000000", "+3312:0;1100000000000000", "+3322:0;5;6;1;Sir"}},
        {"34xx", {"+3401:0;0;1;0;Out"}},
        {"36xx", {"+3601:1;1;1;1;Inicio", "+3605:0;1;0;350;GSM"}},
        {"35xx", {"+3502:24;12:00;Test", "+3503:1;2;3;4;1;Tamper", "+3504:5;6;7;8;0;Power"}},
    };
    QStringList blocks;
    for (int guard = 0; guard < 20; ++guard) {
        r.reader.TimerLlegirTimer();
        const QStringList words = r.sent();
        if (words.isEmpty())
            continue;
        const QString code = words[0].mid(3);
        if (code == u"vEr")
            break;
        blocks << code;
        ASSERT_TRUE(dumps.contains(code)) << code.toStdString();
        for (const QByteArray &line : dumps.value(code))
            r.reply((line + "\r\n").constData());
        r.reply(QByteArray("+" + code.toLatin1() + ":Ok\r\n").constData());
        ASSERT_EQ(r.reader.interval(), 1);
    }
    EXPECT_EQ(blocks, QStringList({"30xx", "32xx", "33xx", "34xx", "36xx", "35xx"}));
    EXPECT_EQ(r.row("SGEntrades", 16, 1), QStringList({"Door", "10", "3", "0"}));
    EXPECT_EQ(r.grid("SGSortidesTemps")->cell(1, 2), QStringLiteral("Sir"));
    EXPECT_EQ(r.grid("SGSortidesEnt")->cell(2, 2), QStringLiteral("1"));
    EXPECT_EQ(r.row("SGPerduaCOM", 1, 1), QStringList({"0", "1", "0", "350", "GSM"}));
    EXPECT_EQ(r.row("SGTamper", 1), QStringList({"Tamper", "1", "2", "3", "4", "1"}));
    EXPECT_EQ(r.row("SGAlim", 1), QStringList({"Power", "5", "6", "7", "8", "0"}));
    EXPECT_FALSE(r.view.busy());
    EXPECT_FALSE(r.reader.timerActive());
    EXPECT_TRUE(r.state.puntercamp.isEmpty());
}

TEST(PageRead, ASilentBlockDumpIsAbandonedAndReleasesTheDumpMarker)
{
    Rig r;
    r.view.setCurrentTab(QStringLiteral("TSUsuari"));
    r.reader.BBLlegirPagClick();
    r.reader.TimerLlegirTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+30xx"});
    for (int timeout = 0; timeout < 5; ++timeout) {
        r.reader.TimerLlegirTimer();
        EXPECT_TRUE(r.sent().isEmpty()); // the dump is waited for, not asked again
    }
    r.reader.TimerLlegirTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+vEr"});
    EXPECT_FALSE(r.reader.timerActive());
    // Replies after the abandon are no longer taken as dump lines.
    EXPECT_TRUE(r.state.puntercamp.isEmpty());
}

TEST(PageRead, IgnoredWhileBusyOrWithoutModule)
{
    Rig r;
    r.view.setBusy(true);
    r.reader.BBLlegirPagClick();
    EXPECT_FALSE(r.reader.timerActive());
    r.view.setBusy(false);
    r.state.circuittrobat = false;
    r.reader.BBLlegirPagClick();
    EXPECT_FALSE(r.reader.timerActive());
    EXPECT_FALSE(r.state.llegirpag);
}

TEST(ReadCycle, LinkLossStopsAReadWhereItIs)
{
    Rig r;
    r.reader.BBLlegirClick();
    r.sent();
    r.reader.abort();
    r.scheduler.advance(1000);
    EXPECT_TRUE(r.sent().isEmpty()); // the dump is never asked for
    EXPECT_FALSE(r.view.busy());
    EXPECT_FALSE(r.reader.fullReadRunning());
}

} // namespace
