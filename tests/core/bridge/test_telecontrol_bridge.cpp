// The telecontrol bridge on a real loopback listener, with a QTcpSocket in
// the place of the panel maker's tool; the module is on the cable (not
// reached through the broker), so the tool's bytes only reach the console.

#include "core/shell/Engine.h"
#include "support/MosquittoBroker.h"
#include "support/Wait.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using velmar::Engine;
using velmar::TelecontrolBridge;
using velmar::test::MosquittoBroker;
using velmar::test::waitFor;

namespace {

constexpr int kWaitMs = 5000;

struct Events : velmar::CloudEvents {
    void addEvent(const QString &code, const QString &text) override { got << code + u'=' + text; }
    QStringList got;
};

struct Message {
    QString title, text, button;
    bool error;
};

struct Bridge : ::testing::Test {
    void SetUp() override
    {
        QObject::connect(&e.trace, &velmar::Trace::entry, &e,
                         [this](const QString &t, velmar::TraceColour) { trace << t; });
        QObject::connect(&b, &TelecontrolBridge::message, &e,
                         [this](const QString &title, const QString &text, const QString &button, bool error) {
                             messages.append({title, text, button, error});
                         });
        b.setCloudEvents(&events);
        b.BidiIP = QStringLiteral("127.0.0.1");
        b.BidiPort = QString::number(MosquittoBroker::freePort());
    }
    std::unique_ptr<QTcpSocket> tool()
    {
        auto s = std::make_unique<QTcpSocket>();
        s->connectToHost(QStringLiteral("127.0.0.1"), b.serverPort());
        return s;
    }
    bool connected(QTcpSocket &s)
    {
        return waitFor([&] { return s.state() == QAbstractSocket::ConnectedState && b.connex_prog_Agui(); }, kWaitMs);
    }
    QString peerOf(const QTcpSocket &s) const { return QStringLiteral("127.0.0.1:%1").arg(s.localPort()); }

    Engine e{velmar::Endpoints{}};
    TelecontrolBridge &b = e.bridge;
    QStringList trace;
    Events events;
    QList<Message> messages;
};

TEST(BridgeModels, OnlyTheAguileraPanelsHaveTheBridge)
{
    const struct {
        const char *central;
        bool bridge;
    } cases[] = {{"AE/SA", true}, {"AGE44", true}, {"AE/C5", true}, {"BC600", false},
                 {"Puertas", false}, {"", false}};
    for (const auto &c : cases)
        EXPECT_EQ(TelecontrolBridge::aguilera(QString::fromLatin1(c.central)), c.bridge) << c.central;
}

TEST_F(Bridge, OnTheCableTheToolsBytesOnlyReachTheConsoleAndTelecontrolFollowsTheConnection)
{
    QSignalSpy telecontrol(&b, &TelecontrolBridge::telecontrolChanged);
    b.ConnexioAGE44();
    ASSERT_TRUE(b.listening());
    auto s = tool();
    ASSERT_TRUE(connected(*s));
    const QString peer = peerOf(*s);
    EXPECT_TRUE(trace.contains(QStringLiteral(" --> AGE44 Connectat: ") + peer)) << trace.join(u'\n').toStdString();
    ASSERT_TRUE(waitFor([&] { return e.programming.bidiCentral; }, kWaitMs));
    EXPECT_TRUE(e.monitor.connex_prog_Agui);
    EXPECT_EQ(events.got, QStringList{QStringLiteral("123456=Entrada en Central en Telecontrol")});

    s->write(QByteArray("\x00\xFF\r{", 4));
    ASSERT_TRUE(waitFor([&] { return trace.contains(QStringLiteral(" --> AGE44:  00 FF 0D 7B")); }, kWaitMs))
        << trace.join(u'\n').toStdString();
    // Nothing was published: the module is not on the broker.
    for (const QString &t : trace)
        EXPECT_FALSE(t.contains(QLatin1String("Enviat per MQTT")) || t.contains(QLatin1String("Publica_MQTT")))
            << t.toStdString();

    s->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return !e.programming.bidiCentral; }, kWaitMs));
    EXPECT_TRUE(trace.contains(QStringLiteral(" --> AGE44 Desconnectat: ") + peer));
    EXPECT_FALSE(b.connex_prog_Agui());
    EXPECT_FALSE(e.monitor.connex_prog_Agui);
    EXPECT_EQ(events.got, QStringList({QStringLiteral("123456=Entrada en Central en Telecontrol"),
                                       QStringLiteral("123456=Salida de Central en Telecontrol")}));
    ASSERT_EQ(telecontrol.size(), 2);
    EXPECT_TRUE(telecontrol.at(0).at(0).toBool());
    EXPECT_FALSE(telecontrol.at(1).at(0).toBool());
    // Panel bytes with no connection open are dropped.
    b.writePanelBytes("late");
}

TEST_F(Bridge, ABindErrorIsToldOnceAndLeavesTheBridgeOff)
{
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost));
    b.BidiPort = QString::number(taken.serverPort());
    b.ConnexioAGE44();
    b.ConnexioAGE44(); // the next identification of the panel
    EXPECT_FALSE(b.listening());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, QStringLiteral("ERROR"));
    EXPECT_TRUE(messages[0].text.endsWith(QStringLiteral("\r\n127.0.0.1:") + b.BidiPort
                                          + QStringLiteral("\r\nAsegúrese que la IP y el puerto coinciden con "
                                                           "los del programa AGE44")))
        << messages[0].text.toStdString();
    EXPECT_FALSE(messages[0].text.startsWith(QStringLiteral("\r\n"))); // the system's reason comes first
    EXPECT_EQ(messages[0].button, QStringLiteral("    Cerrar   "));
    EXPECT_TRUE(messages[0].error);
}

TEST_F(Bridge, NewSettingsBindAgainAndAnEmptyPortKeepsTheServer)
{
    b.ConnexioAGE44();
    const quint16 first = b.serverPort();
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost));
    const QString free = QString::number(MosquittoBroker::freePort());

    EXPECT_EQ(b.BBidiAcceptarClick(QStringLiteral("127.0.0.1"), QString()), TelecontrolBridge::Accept::EmptyPort);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, QStringLiteral("¡ ATENCIÓN !"));
    EXPECT_EQ(messages[0].text, QStringLiteral("El puerto no puede estar vacío\r"));
    EXPECT_TRUE(b.listening());
    EXPECT_EQ(b.serverPort(), first);
    EXPECT_EQ(b.BidiPort, QString::number(first));

    const struct {
        const char *ip;
        QString port;
    } failing[] = {{"127.0.0.1", QString::number(taken.serverPort())}, {"127.0.0.1", QStringLiteral("abc")},
                   {"127.0.0.1", QStringLiteral("70000")}, {"no.such.address", free}};
    for (const auto &f : failing) {
        messages.clear();
        EXPECT_EQ(b.BBidiAcceptarClick(QLatin1String(f.ip), f.port), TelecontrolBridge::Accept::Failed) << f.ip;
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].title, QStringLiteral("ERROR"));
        const QString lead = QStringLiteral("Error al acceder a la IP de la Central : \r");
        EXPECT_TRUE(messages[0].text.startsWith(lead));
        EXPECT_GT(messages[0].text.size(), lead.size()) << "the reason is missing";
        EXPECT_FALSE(b.listening());
    }

    messages.clear();
    EXPECT_EQ(b.BBidiAcceptarClick(QStringLiteral("127.0.0.1"), free), TelecontrolBridge::Accept::Done);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(b.serverPort(), free.toUShort());
    auto s = tool();
    EXPECT_TRUE(connected(*s));
}

TEST_F(Bridge, ASecondToolReplacesTheFirstAndTakesThePanelsBytes)
{
    b.ConnexioAGE44();
    auto first = tool();
    ASSERT_TRUE(connected(*first));
    ASSERT_TRUE(waitFor([&] { return e.programming.bidiCentral; }, kWaitMs));
    auto second = tool();
    ASSERT_TRUE(waitFor([&] { return first->state() == QAbstractSocket::UnconnectedState; }, kWaitMs));
    EXPECT_TRUE(b.connex_prog_Agui());
    EXPECT_TRUE(e.programming.bidiCentral);

    const QByteArray panel("\x02\x00\xFE\r\n", 5);
    emit e.remote.panelBytes(panel);
    QByteArray got;
    waitFor([&] { got += second->readAll(); return got.size() >= panel.size(); }, kWaitMs);
    EXPECT_EQ(got, panel);
}

TEST_F(Bridge, WhatEndsTheModulesLinkClosesTheTool)
{
    const std::pair<const char *, std::function<void(Engine &)>> enders[] = {
        {"local port or Local", [](Engine &e) { emit e.channel.closeBridge(); }},
        {"module's own link down", [](Engine &e) { emit e.interpreter.closeBridge(); }},
        {"session closed by the user", [](Engine &e) { emit e.remote.closeBridge(); }},
        {"session lost", [](Engine &e) { emit e.remote.sessionLost(); }},
        {"link lost", [](Engine &e) { emit e.identification.linkLost(); }},
        {"firmware update ended", [](Engine &e) { emit e.firmwareUpdate.closeBridge(); }},
    };
    b.ConnexioAGE44();
    for (const auto &[what, end] : enders) {
        auto s = tool();
        ASSERT_TRUE(connected(*s)) << what;
        ASSERT_TRUE(waitFor([&] { return e.programming.bidiCentral; }, kWaitMs)) << what;
        end(e);
        EXPECT_FALSE(b.connex_prog_Agui()) << what;
        EXPECT_TRUE(waitFor([&] { return s->state() == QAbstractSocket::UnconnectedState; }, kWaitMs)) << what;
        EXPECT_TRUE(waitFor([&] { return !e.programming.bidiCentral; }, kWaitMs)) << what;
        EXPECT_TRUE(b.listening()) << what; // the next tool may come
    }
}

} // namespace
