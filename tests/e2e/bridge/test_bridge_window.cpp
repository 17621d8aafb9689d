// The telecontrol bridge of the real window: a QTcpSocket plays the panel
// maker's tool, velmar-sim plays the module and its Aguilera panel, through
// a throw-away broker or on the cable.

#include "ui/panels/AguileraViews.h"
#include "ui/shell/MainWindow.h"

#include "e2e/remote/RemoteRig.h"
#include "e2e/window/Linked.h"
#include "support/BrokerEndpoints.h"
#include "support/MosquittoBroker.h"
#include "support/SimProcess.h"
#include "support/SimTranscript.h"
#include "support/Wait.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

using namespace velmar;
using velmar::test::MosquittoBroker;
using velmar::test::SimProcess;
using velmar::test::waitFor;

namespace {

constexpr int kWaitMs = 20000;
// What the scenario's panel sends of its own accord once the bridge opens.
const QByteArray kUnsolicited = QByteArray::fromHex("1b00ff0d7b7d06");

// Settings with the bridge on a loopback port of its own.
quint16 storeBridgeSettings(const SettingsLocation &where, quint16 port = 0)
{
    if (port == 0)
        port = quint16(MosquittoBroker::freePort());
    ConfigInicial c;
    c.ComUSB = QStringLiteral("COM1");
    c.BidiIP = QStringLiteral("127.0.0.1");
    c.BidiPort = QString::number(port);
    c.Idioma = QStringLiteral("SPANISH");
    SettingsStore(where, QStringLiteral("127.0.0.1")).GuardarConfigInicial(c);
    return port;
}

QStringList messagesOf(QWidget &w)
{
    QStringList out;
    for (QMessageBox *box : w.findChildren<QMessageBox *>())
        if (box->isVisible())
            out << box->windowTitle() + u'|' + box->text();
    return out;
}

void closeMessages(QWidget &w)
{
    for (QMessageBox *box : w.findChildren<QMessageBox *>())
        box->close();
}

// The simulated panel's frames: A5 5A, length (high, low), bytes, sum.
// Returns the bytes of the frames in `in`, or nothing while one is short.
std::optional<QByteArray> framesPayload(const QByteArray &in, QString *why)
{
    QByteArray out;
    qsizetype i = 0;
    while (i < in.size()) {
        if (in.size() - i < 5)
            return std::nullopt;
        if (uchar(in[i]) != 0xA5 || uchar(in[i + 1]) != 0x5A) {
            *why = QStringLiteral("no frame at %1").arg(i);
            return std::nullopt;
        }
        const int len = uchar(in[i + 2]) << 8 | uchar(in[i + 3]);
        if (in.size() - i < 5 + len)
            return std::nullopt;
        const QByteArray body = in.mid(i + 4, len);
        uchar sum = 0;
        for (char b : body)
            sum = uchar(sum + uchar(b));
        if (uchar(in[i + 4 + len]) != sum) {
            *why = QStringLiteral("bad sum at %1").arg(i);
            return std::nullopt;
        }
        out += body;
        i += 5 + len;
    }
    return out;
}

// A broker, velmar-sim with an Aguilera panel on it, the window started for
// that module with the bridge on a free port.
struct BridgeRig : test::RemoteRig {
    quint16 port = 0;

    bool start(bool adsl)
    {
        QFile scenario(dir.filePath(QStringLiteral("scenario.txt")));
        if (!scenario.open(QIODevice::WriteOnly))
            return false;
        scenario.write("on {#Ag=setBidi} panel-bytes " + kUnsolicited.toHex() + '\n');
        scenario.close();
        return RemoteRig::start({QStringLiteral("--panel"), QStringLiteral("AGE44"), QStringLiteral("--scenario"),
                                 scenario.fileName()},
                                [this, adsl](ui::StartOptions &o) {
                                    port = storeBridgeSettings(o.settings);
                                    o.remoteAdsl = adsl;
                                })
               && waitFor([&] { return w->engine().bridge.listening(); }, kWaitMs);
    }
    QStringList received() const { return SimProcess::receivedLines(transcript); }
    std::unique_ptr<QTcpSocket> tool()
    {
        auto s = std::make_unique<QTcpSocket>();
        s->connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!waitFor([&] { return w->engine().programming.bidiCentral; }, kWaitMs))
            return nullptr;
        return s;
    }
};

TEST(BridgeWindow, TheToolsBytesReachThePanelAndItsAnswersComeBackUnchanged)
{
    for (const bool adsl : {true, false}) {
        SCOPED_TRACE(adsl ? "Ethernet" : "GPRS");
        BridgeRig rig;
        ASSERT_TRUE(rig.start(adsl)) << rig.broker.errorText().toStdString();
        ui::MainWindow &w = *rig.w;
        EXPECT_TRUE(w.findChild<QAction *>(QStringLiteral("MIBidi"))->isVisible());
        QStringList console;
        QObject::connect(&w.engine().trace, &Trace::entry, &w,
                         [&console](const QString &t, TraceColour) { console << t; });

        auto s = rig.tool();
        ASSERT_TRUE(s);
        const QStringList rx = rig.received();
        ASSERT_TRUE(rx.contains(QStringLiteral("{#Ag=setBidi}")));
        // On Ethernet the module's stream is switched off for the bridge.
        EXPECT_EQ(rx.mid(rx.indexOf(QStringLiteral("{#Ag=setBidi}")) + 1).contains(QStringLiteral("vm+inf")), adsl);
        const QString peer = QStringLiteral("127.0.0.1:%1").arg(s->localPort());
        EXPECT_TRUE(console.contains(QStringLiteral(" --> AGE44 Connectat: ") + peer));

        // Every byte value, CR, "{" and NUL included.
        QByteArray frame;
        for (int b = 0; b < 256; ++b)
            frame += char(b);
        s->write(frame);
        QByteArray got;
        QString why;
        std::optional<QByteArray> answer;
        waitFor(
            [&] {
                got += s->readAll();
                const qsizetype at = got.indexOf(QByteArray("\xA5\x5A", 2));
                if (at < 0)
                    return false;
                answer = framesPayload(got.mid(at), &why);
                return answer && answer->size() >= frame.size();
            },
            kWaitMs);
        ASSERT_TRUE(answer) << why.toStdString() << " " << got.toHex().toStdString();
        EXPECT_EQ(*answer, frame);
        // The panel's own bytes came before its answer, untouched.
        EXPECT_TRUE(got.startsWith(kUnsolicited)) << got.toHex().toStdString();
        const QString prefix = adsl ? QStringLiteral("scea") : QStringLiteral("sceg");
        EXPECT_TRUE(std::any_of(console.cbegin(), console.cend(), [&](const QString &t) {
            return t.startsWith(QStringLiteral("AGE44 Enviat per MQTT  Topic=") + prefix + QStringLiteral("/1000123/."));
        })) << console.join(u'\n').toStdString();

        // The programming view is refused while the panel is in telecontrol.
        closeMessages(w);
        w.findChild<QPushButton *>(QStringLiteral("BBProg"))->click();
        ASSERT_TRUE(waitFor([&] { return !messagesOf(w).isEmpty(); }, kWaitMs));
        EXPECT_EQ(messagesOf(w), QStringList{QStringLiteral("¡ ATENCIÓN !|Central en telecontrol\rNo se puede acceder a la programación")});
        EXPECT_FALSE(w.programmingShown());
        closeMessages(w);
        // The panel's view shows only that it is busy.
        auto *view = w.findChild<ui::AguileraSaView *>();
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->telecontrol());
        EXPECT_FALSE(view->findChild<QWidget *>(QStringLiteral("LAguiProces"))->isHidden());
        EXPECT_TRUE(view->findChild<QWidget *>(QStringLiteral("PAguiInfo"))->isHidden());
        // ... and MIBidi leaves the settings alone.
        w.findChild<QAction *>(QStringLiteral("MIBidi"))->trigger();
        EXPECT_TRUE(w.findChild<QWidget *>(QStringLiteral("PBidi"))->isHidden());

        // The tool goes: the module's stream back on, then the bridge ends.
        const qsizetype mark = rig.received().size();
        s->disconnectFromHost();
        ASSERT_TRUE(waitFor([&] { return rig.received().mid(mark).contains(QStringLiteral("{#Ag=outBidi}")); }, kWaitMs));
        const QStringList after = rig.received().mid(mark);
        EXPECT_LT(after.indexOf(QStringLiteral("vm+INf")), after.indexOf(QStringLiteral("{#Ag=outBidi}")));
        EXPECT_NE(after.indexOf(QStringLiteral("vm+INf")), -1);
        EXPECT_TRUE(waitFor([&] { return !w.engine().programming.bidiCentral; }, kWaitMs));
        EXPECT_FALSE(view->telecontrol());
        EXPECT_TRUE(view->findChild<QWidget *>(QStringLiteral("LAguiProces"))->isHidden());
        EXPECT_TRUE(console.contains(QStringLiteral(" --> AGE44 Desconnectat: ") + peer));
    }
}

TEST(BridgeWindow, LosingTheSessionChoosingLocalOrClosingTheWindowClosesTheTool)
{
    enum class End { BrokerLost, Local, WindowClosed };
    for (const End end : {End::BrokerLost, End::Local, End::WindowClosed}) {
        SCOPED_TRACE(int(end));
        BridgeRig rig;
        ASSERT_TRUE(rig.start(false)) << rig.broker.errorText().toStdString();
        auto s = rig.tool();
        ASSERT_TRUE(s);
        if (end == End::BrokerLost)
            rig.broker.kill();
        else if (end == End::Local)
            rig.w->findChild<QAction *>(QStringLiteral("MIIComunicacioLocal"))->trigger();
        else
            rig.w->close();
        EXPECT_TRUE(waitFor([&] { return s->state() == QAbstractSocket::UnconnectedState; }, kWaitMs));
        EXPECT_TRUE(waitFor([&] { return !rig.w->engine().programming.bidiCentral; }, kWaitMs));
        EXPECT_FALSE(rig.w->engine().bridge.connex_prog_Agui());
        EXPECT_TRUE(rig.w->engine().bridge.listening());
    }
}

TEST(BridgeWindow, OnTheCableTheToolsBytesOnlyReachTheConsole)
{
    quint16 port = 0;
    test::Linked l({QStringLiteral("--panel"), QStringLiteral("AGE44")}, {},
                   [&port](ui::StartOptions &o) { port = storeBridgeSettings(o.settings); });
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    ui::MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return w.engine().bridge.listening(); }, kWaitMs));
    QStringList console;
    QObject::connect(&w.engine().trace, &Trace::entry, &w, [&console](const QString &t, TraceColour) { console << t; });
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(waitFor([&] { return w.engine().programming.bidiCentral; }, kWaitMs));
    const qsizetype mark = l.received().size();
    s.write(QByteArray("\x10\x02{\r", 4));
    ASSERT_TRUE(waitFor([&] { return console.contains(QStringLiteral(" --> AGE44:  10 02 7B 0D")); }, kWaitMs));
    test::waitFor([] { return false; }, 500);
    for (const QString &t : console)
        EXPECT_FALSE(t.contains(QLatin1String("MQTT"))) << t.toStdString();
    for (const QString &line : l.received(mark))
        EXPECT_FALSE(line.contains(u'{')) << line.toStdString();
}

TEST(BridgeWindow, TheSettingsPanelRefusesAnEmptyPortAndABusyPortIsToldOnce)
{
    QTcpServer busy;
    ASSERT_TRUE(busy.listen(QHostAddress::LocalHost));
    test::Linked l({QStringLiteral("--panel"), QStringLiteral("AGE44")}, {},
                   [&busy](ui::StartOptions &o) { storeBridgeSettings(o.settings, busy.serverPort()); });
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    ui::MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return !messagesOf(w).isEmpty(); }, kWaitMs));
    test::waitFor([] { return false; }, 3000); // polls and records go on meanwhile
    const QStringList told = messagesOf(w);
    ASSERT_EQ(told.size(), 1) << told.join(u'\n').toStdString();
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("ERROR|")));
    EXPECT_TRUE(told[0].endsWith(QStringLiteral("\r\n127.0.0.1:%1\r\nAsegúrese que la IP y el puerto coinciden con los "
                                                "del programa AGE44")
                                     .arg(busy.serverPort())))
        << told[0].toStdString();
    EXPECT_FALSE(w.engine().bridge.listening());
    closeMessages(w);

    auto *item = w.findChild<QAction *>(QStringLiteral("MIBidi"));
    ASSERT_TRUE(item->isVisible());
    item->trigger();
    auto *panel = w.findChild<QWidget *>(QStringLiteral("PBidi"));
    ASSERT_FALSE(panel->isHidden());
    auto *ip = w.findChild<QLineEdit *>(QStringLiteral("EBidiIP"));
    auto *port = w.findChild<QLineEdit *>(QStringLiteral("EBidiPort"));
    EXPECT_EQ(ip->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(port->text(), QString::number(busy.serverPort()));

    port->clear();
    w.findChild<QPushButton *>(QStringLiteral("BBidiAcceptar"))->click();
    ASSERT_TRUE(waitFor([&] { return !messagesOf(w).isEmpty(); }, kWaitMs));
    EXPECT_EQ(messagesOf(w), QStringList{QStringLiteral("¡ ATENCIÓN !|El puerto no puede estar vacío\r")});
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(w.engine().bridge.BidiPort, QString::number(busy.serverPort()));
    EXPECT_FALSE(w.engine().bridge.listening());
    closeMessages(w);

    const quint16 free = quint16(MosquittoBroker::freePort());
    port->setText(QString::number(free));
    w.findChild<QPushButton *>(QStringLiteral("BBidiAcceptar"))->click();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(messagesOf(w).isEmpty());
    EXPECT_TRUE(w.engine().bridge.listening());
    EXPECT_EQ(w.engine().bridge.serverPort(), free);
    // Stored for the next start.
    ConfigInicial stored;
    SettingsStore(SettingsLocation{l.dir.filePath("settings.ini"), l.dir.filePath("secret.key")},
                  QStringLiteral("127.0.0.1"))
        .LLegirConfigInicial(stored);
    EXPECT_EQ(stored.BidiPort, QString::number(free));

    item->trigger();
    w.findChild<QPushButton *>(QStringLiteral("BBidiSortir"))->click();
    EXPECT_TRUE(panel->isHidden());
}

TEST(Screenshots, DISABLED_BridgeSettings)
{
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QStringLiteral("."));
    test::Linked l({QStringLiteral("--panel"), QStringLiteral("AGE44")}, {},
                   [](ui::StartOptions &o) { storeBridgeSettings(o.settings); });
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    l.w->resize(1180, 760);
    l.w->findChild<QAction *>(QStringLiteral("MIBidi"))->trigger();
    QTest::qWait(300);
    l.w->grab().save(dir + QStringLiteral("/bridge-settings.png"));
}

} // namespace
