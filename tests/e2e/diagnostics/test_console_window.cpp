// The diagnostics console in the real window against the simulated module:
// the hidden way in, raw commands and the module's answers in the trace, the
// trace switches, the hexadecimal form, pause, saving and emptying; and, in
// a session through the broker, the commands that are for the USB link only.
#include "ui/diagnostics/InfoWindow.h"
#include "ui/files/FileDialogs.h"
#include "ui/shell/MainWindow.h"

#include "e2e/window/Linked.h"
#include "support/BrokerEndpoints.h"
#include "support/Dialogs.h"
#include "support/MosquittoBroker.h"
#include "support/Wait.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::answerWith;
using velmar::test::Linked;
using velmar::test::waitFor;

namespace {

constexpr int kWaitMs = 20000;

bool red(const QPushButton *b)
{
    return b->palette().color(QPalette::ButtonText) == QColor(Qt::red);
}

QPushButton *pushButton(InfoWindow *console, const char *name)
{
    auto *b = console->findChild<QPushButton *>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

// Types text into the named field and presses the named button.
void send(InfoWindow *console, const char *field, const char *button, const QString &text)
{
    console->findChild<QLineEdit *>(QLatin1String(field))->setText(text);
    pushButton(console, button)->click();
}

// The trace holds text, and the window has drawn it.
bool shows(InfoWindow *console, const QString &text)
{
    return waitFor([&] { return console->drawnUpToDate() && console->trace()->toPlainText().contains(text); },
                   kWaitMs);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ConsoleWindow, HiddenEntryShowsItAndRawCommandsWithTheirAnswersFillTheTrace)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    ASSERT_TRUE(l.settled());
    InfoWindow *console = l.w->console();
    auto *informacio = l.find<QAction>("Informacio");
    for (int i = 0; i < 10; ++i)
        informacio->trigger();
    ASSERT_TRUE(console->isVisible());
    // On showing: "Info" red, and the commands open with a module in hand.
    EXPECT_TRUE(red(pushButton(console, "BInfo")));
    EXPECT_TRUE(pushButton(console, "BEnviarModul")->isEnabled());

    qsizetype mark = l.received().size();
    send(console, "EEnviarVelmar", "BEnviarVelmar", QStringLiteral("POL"));
    EXPECT_TRUE(l.receives(QStringLiteral("vm+POL"), mark));
    EXPECT_TRUE(shows(console, QStringLiteral(" escriu_port ")));
    EXPECT_TRUE(shows(console, QStringLiteral("ComPortRx --> : {#dPOL: CRA")));

    mark = l.received().size();
    send(console, "EEnviarModul", "BEnviarModul", QStringLiteral("AT+CSQ"));
    EXPECT_TRUE(l.receives(QStringLiteral("mv=AT+CSQ"), mark));
    EXPECT_TRUE(shows(console, QStringLiteral("ComPortRx --> : +CSQ: 18,0")));
    EXPECT_TRUE(shows(console, QStringLiteral("ComPortRx --> : OK")));

    // The switches: what reaches the module, and the caption after it.
    struct Case {
        const char *button;
        const char *command;
        bool redAfter;
    };
    for (const Case &c : {Case{"BInfo", "vm+inf", false}, Case{"BInfo", "vm+Inf", true},
                          Case{"BGsm", "vm+Sgsm", true}, Case{"BGsm", "vm+Sgsm", false},
                          Case{"BUart", "vm+Suar", true}, Case{"BUart", "vm+Nuar", false},
                          Case{"BTest", "vm+POL", false}}) {
        mark = l.received().size();
        pushButton(console, c.button)->click();
        EXPECT_TRUE(l.receives(QString::fromLatin1(c.command), mark)) << c.button << " " << c.command;
        EXPECT_EQ(red(pushButton(console, c.button)), c.redAfter) << c.button << " " << c.command;
    }

    // The same entry closes it again.
    for (int i = 0; i < 10; ++i)
        informacio->trigger();
    EXPECT_FALSE(console->isVisible());
}

TEST(ConsoleWindow, HexaFollowsEachEntryInRedAndPauseDropsEverything)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    ASSERT_TRUE(l.settled());
    InfoWindow *console = l.w->console();
    console->show();
    const TraceLog &log = l.w->engine().traceLog;
    QSignalSpy routed(&l.w->engine().channel, &CommandChannel::replyRouted);
    const auto answered = [&](const QString &code) {
        return waitFor([&] {
            for (const auto &r : routed)
                if (r.at(0).toString().startsWith(u'+' + code + u':'))
                    return true;
            return false;
        }, kWaitMs);
    };

    console->findChild<QCheckBox *>(QStringLiteral("CBHexa"))->setChecked(true);
    send(console, "EEnviarVelmar", "BEnviarVelmar", QStringLiteral("0102"));
    ASSERT_TRUE(answered(QStringLiteral("0102")));
    // "+0102:" after the first ": " of the entry, each character in hexadecimal.
    const QString form = QStringLiteral("ComPortRx --> : 2B 30 31 30 32 3A");
    ASSERT_TRUE(shows(console, form));
    QTextBlock block = console->trace()->document()->begin();
    while (block.isValid() && !block.text().contains(form))
        block = block.next();
    ASSERT_TRUE(block.isValid());
    EXPECT_TRUE(block.previous().text().contains(QStringLiteral("ComPortRx --> : +0102:")));
    EXPECT_EQ(block.begin().fragment().charFormat().foreground().color(), QColor(Qt::red));
    EXPECT_EQ(block.next().text(), QStringLiteral(" "));
    console->findChild<QCheckBox *>(QStringLiteral("CBHexa"))->setChecked(false);

    // Paused: the command, its answer and the stream are all dropped.
    QPushButton *pause = pushButton(console, "BPararREportSerie");
    pause->click();
    EXPECT_TRUE(red(pause));
    const quint64 before = log.endNumber();
    send(console, "EEnviarVelmar", "BEnviarVelmar", QStringLiteral("0103"));
    ASSERT_TRUE(answered(QStringLiteral("0103")));
    EXPECT_EQ(log.endNumber(), before);
    EXPECT_FALSE(console->text().contains(QStringLiteral("+0103:")));

    pause->click();
    EXPECT_FALSE(red(pause));
    send(console, "EEnviarVelmar", "BEnviarVelmar", QStringLiteral("0104"));
    EXPECT_TRUE(shows(console, QStringLiteral("ComPortRx --> : +0104:")));
}

TEST(ConsoleWindow, AnInputReportIsBlueFromItsDigitAndOtherRepliesWhole)
{
    Engine engine{Endpoints{}};
    InfoWindow console(engine);
    console.show();
    engine.channel.receive("+in5:x\r+0102:abc\r");
    ASSERT_TRUE(shows(&console, QStringLiteral("+0102:abc")));
    const auto fragments = [&](const QString &text) {
        QList<QPair<QString, QColor>> out;
        for (QTextBlock b = console.trace()->document()->begin(); b.isValid(); b = b.next())
            if (b.text().contains(text))
                for (auto f = b.begin(); !f.atEnd(); ++f)
                    out.append({f.fragment().text(), f.fragment().charFormat().foreground().color()});
        return out;
    };
    const auto input = fragments(QStringLiteral("+in5"));
    ASSERT_EQ(input.size(), 2);
    EXPECT_TRUE(input[0].first.endsWith(QStringLiteral("ComPortRx --> : +in")));
    EXPECT_NE(input[0].second, QColor(Qt::blue));
    EXPECT_TRUE(input[1].first.startsWith(QStringLiteral("5:x")));
    EXPECT_EQ(input[1].second, QColor(Qt::blue));
    const auto other = fragments(QStringLiteral("+0102"));
    ASSERT_EQ(other.size(), 1);
    EXPECT_EQ(other[0].second, QColor(0xC0, 0x00, 0xC0));
}

TEST(ConsoleWindow, GuardarSavesTheTraceAskingBeforeOverwritingAndBorrarEmptiesIt)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    ASSERT_TRUE(l.settled());
    InfoWindow *console = l.w->console();
    console->show();
    const TraceLog &log = l.w->engine().traceLog;
    QString chosen = l.dir.filePath(QStringLiteral("traza.txt"));
    setFileChooser([&](const FileRequest &r) {
        EXPECT_TRUE(r.save);
        return chosen;
    });

    // Paused, so that the trace stands still while it is compared.
    pushButton(console, "BPararREportSerie")->click();
    ASSERT_TRUE(shows(console, QStringLiteral("+vEr:")));
    pushButton(console, "BGuardarREportSerie")->click();
    const QByteArray saved = readAll(chosen);
    EXPECT_EQ(saved, log.fileBytes());
    EXPECT_TRUE(saved.contains("ComPortRx --> : +vEr:"));
    EXPECT_TRUE(saved.endsWith("\r\n"));

    pushButton(console, "BEsborrarREportSerie")->click();
    EXPECT_EQ(log.lineCount(), 0);
    EXPECT_TRUE(console->trace()->toPlainText().isEmpty());

    answerWith(QStringLiteral("    No    "));
    pushButton(console, "BGuardarREportSerie")->click();
    EXPECT_EQ(readAll(chosen), saved);
    answerWith(QStringLiteral("     Sí    "));
    pushButton(console, "BGuardarREportSerie")->click();
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_TRUE(readAll(chosen).isEmpty());

    // A file that cannot be written is told, not taken for saved.
    chosen = l.dir.filePath(QStringLiteral("no/such/folder/traza.txt"));
    answerWith(QStringLiteral("    Aceptar   "));
    pushButton(console, "BGuardarREportSerie")->click();
    EXPECT_FALSE(QFile::exists(chosen));
    setFileChooser({});
}

TEST(ConsoleRemote, UsbOnlyCommandsSendNothingInASessionWhileTheRawCommandGoesThroughTheBroker)
{
    test::MosquittoBroker broker;
    ASSERT_TRUE(broker.ok()) << broker.errorText().toStdString();
    QTemporaryDir dir;
    const QString transcript = dir.filePath(QStringLiteral("transcript.txt"));
    test::SimProcess sim({QStringLiteral("--transcript"), transcript, QStringLiteral("--mqtt"),
                          QStringLiteral("%1:%2").arg(broker.host()).arg(broker.port()), QStringLiteral("--mqtt-user"),
                          broker.user(), QStringLiteral("--mqtt-password"), broker.password()});
    ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
    ASSERT_TRUE(waitFor([&] { return broker.log().contains(QStringLiteral("velmar-module-1000123")); }, kWaitMs));
    const auto received = [&] {
        QStringList out;
        for (const auto &line : test::receivedLines(transcript))
            out << line.text;
        return out;
    };

    StartOptions opts;
    opts.settings.file = dir.filePath("settings.ini");
    opts.settings.secretFile = dir.filePath("secret.key");
    opts.endpoints = test::brokerEndpoints(broker);
    opts.remoteId = QStringLiteral("1000123");
    MainWindow w(opts);
    w.show();
    ASSERT_TRUE(waitFor([&] { return w.statusText() == QStringLiteral("CONECTADO"); }, kWaitMs));
    InfoWindow *console = w.console();
    console->show();
    ASSERT_TRUE(pushButton(console, "BEnviarModul")->isEnabled());

    const qsizetype mark = received().size();
    const bool gsmBefore = red(pushButton(console, "BGsm"));
    const bool uartBefore = red(pushButton(console, "BUart"));
    send(console, "EEnviarModul", "BEnviarModul", QStringLiteral("AT+CSQ"));
    for (const char *b : {"BInfo", "BGsm", "BUart", "BTest"})
        pushButton(console, b)->click();
    // The raw module command travels on the session; sent last, it arrives
    // after anything the buttons above could have sent.
    send(console, "EEnviarVelmar", "BEnviarVelmar", QStringLiteral("0102"));
    ASSERT_TRUE(waitFor([&] { return received().mid(mark).contains(QStringLiteral("vm+0102")); }, kWaitMs));
    EXPECT_TRUE(shows(console, QStringLiteral("Publica_MQTT: topic=")));
    for (const QString &line : received().mid(mark)) {
        EXPECT_FALSE(line.startsWith(QLatin1String("mv="))) << line.toStdString();
        for (const char *usbOnly : {"vm+inf", "vm+Sgsm", "vm+Suar", "vm+Nuar", "vm+POL"})
            EXPECT_NE(line, QLatin1String(usbOnly));
    }
    EXPECT_FALSE(console->text().contains(QStringLiteral("mv=")));
    EXPECT_TRUE(red(pushButton(console, "BInfo")));
    EXPECT_EQ(red(pushButton(console, "BGsm")), gsmBefore);
    EXPECT_EQ(red(pushButton(console, "BUart")), uartBefore);
}

} // namespace
