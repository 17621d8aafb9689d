// The panel views' orders: refused while the panel is not live, asked,
// sent on the active link, recorded in the cloud history; a second reset
// within 3 s is dropped.
#include "core/panels/PanelOrders.h"
#include "core/programming/Rig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::panels;
using velmar::test::Rig;

namespace {

struct History : CloudEvents {
    QList<QPair<QString, QString>> events;
    void addEvent(const QString &code, const QString &text) override { events << qMakePair(code, text); }
};

struct OrdersRig : Rig {
    PanelCommands orders{state, channel, scheduler, view};
    History history;
    OrdersRig()
    {
        orders.setCloudEvents(&history);
        state.connex_velmar_Agui = 2;
    }
};

TEST(PanelOrders, ButtonsSendTheirWordsAskAndRecord)
{
    const struct {
        const char *button;
        const char *sent;
        const char *question; // "" when none is asked
        const char *logged;
    } cases[] = {
        {"SBRearme", "vm+ord=Rearme", "¿Está seguro que quiere Rearmar la Central?", "Rearmando la Central desde PC"},
        {"PCtecReset", "vm+ord=Rearme", "¿Está seguro que quiere hacer Reset a la Central?", "Reset a la Central desde PC"},
        {"SBReposicio", "vm+ord=Repos", "", "Reposición de la Central desde PC"},
        {"SSilenZumID3000", "vm+ord=Silenbuz", "¿Está seguro que quiere silenciar el zumbador?", "Silenciar zumbador desde PC"},
        {"PAD300SilenciarZum", "vm+ord=Silenbuz", "", "    Enterado    "},
        {"PBC216Reset", "vm+ord=Silensir", "¿Está seguro que quiere silenciar la sirena?", "Silenciar sirena desde PC"},
        {"PAD600DisparSirenes", "vm+ord=ActiveSir", "", "Disparo sirena desde PC"},
        {"BDetnovActivarSirenes", "vm+ord=Activesir", "", "Activar sirenas desde PC"},
        {"PAD600Evacuacio", "vm+ord=Evacuacio", "", "Evacuación manual desde PC"},
        {"SPZ7", "vm+ord=BotoZona7", "", "Activar modo pruebas/anulado desde PC"},
        {"LZ12", "vm+ord=BotoZona12", "", "Activar modo pruebas/anulado desde PC"},
    };
    for (const auto &c : cases) {
        OrdersRig r;
        EXPECT_TRUE(r.orders.press(QString::fromUtf8(c.button))) << c.button;
        EXPECT_EQ(r.sent(), QStringList{QString::fromUtf8(c.sent)}) << c.button;
        if (*c.question) {
            ASSERT_EQ(r.answers.asked.size(), 1) << c.button;
            EXPECT_EQ(r.answers.asked[0].title, QStringLiteral("CONFIRMACION"));
            EXPECT_EQ(r.answers.asked[0].text, QString::fromUtf8(c.question));
            EXPECT_EQ(r.answers.asked[0].yes, QString::fromUtf8("     Sí    "));
            EXPECT_EQ(r.answers.asked[0].no, QStringLiteral(" Cancelar "));
        } else {
            EXPECT_TRUE(r.answers.asked.isEmpty()) << c.button;
        }
        ASSERT_EQ(r.history.events.size(), 1) << c.button;
        EXPECT_EQ(r.history.events[0], qMakePair(QStringLiteral("77000"), QString::fromUtf8(c.logged)));
        ASSERT_EQ(r.messages.size(), 1) << c.button;
        EXPECT_EQ(r.messages[0].title, QStringLiteral("  "));
        EXPECT_EQ(r.messages[0].text, QString::fromUtf8(c.logged));
    }
    for (const char *none : {"SPZ0", "SPZ13", "LZ07", "PLoQueSea", ""})
        EXPECT_EQ(orderFor(QString::fromLatin1(none)), nullptr) << none;
}

TEST(PanelOrders, RefusedCancelledAndTheCofemToggle)
{
    OrdersRig r;
    // Panel not talking to the module: a message and nothing sent.
    r.state.connex_velmar_Agui = 1;
    EXPECT_FALSE(r.orders.press(QStringLiteral("SBSilenci")));
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_EQ(r.messages[0].title, QString::fromUtf8("  ¡ ATENCIÓN !"));
    EXPECT_EQ(r.messages[0].text, QStringLiteral("Central no conectada"));
    r.state.connex_velmar_Agui = 2;
    r.state.circuit = false;
    EXPECT_FALSE(r.orders.press(QStringLiteral("SBSilenci")));
    EXPECT_TRUE(r.answers.asked.isEmpty());
    r.state.circuit = true;

    r.answers.answer = false;
    EXPECT_FALSE(r.orders.press(QStringLiteral("SBSilenci")));
    EXPECT_TRUE(r.sent().isEmpty());
    EXPECT_TRUE(r.history.events.isEmpty());

    r.answers.answer = true;
    EXPECT_TRUE(r.orders.press(QStringLiteral("PCofemSilenciarSirenes"), true));
    EXPECT_EQ(r.history.events.last().second, QStringLiteral("Activar sirenas desde PC"));
    EXPECT_TRUE(r.orders.press(QStringLiteral("PCofemSilenciarSirenes"), false));
    EXPECT_EQ(r.history.events.last().second, QStringLiteral("Silenciar sirena desde PC"));
    EXPECT_EQ(r.sent(), QStringList({"vm+ord=Silensir", "vm+ord=Silensir"}));
}

TEST(PanelOrders, ASecondResetWithinThreeSecondsIsDropped)
{
    OrdersRig r;
    EXPECT_TRUE(r.orders.press(QStringLiteral("SBRearme")));
    r.scheduler.advance(2999);
    const auto asked = r.answers.asked.size();
    const auto told = r.messages.size();
    EXPECT_FALSE(r.orders.press(QStringLiteral("SRearmeID3000")));
    EXPECT_EQ(r.answers.asked.size(), asked);
    EXPECT_EQ(r.messages.size(), told);
    // The other reset row and other orders are not held back.
    EXPECT_TRUE(r.orders.press(QStringLiteral("PCtecReset")));
    r.scheduler.advance(1);
    EXPECT_TRUE(r.orders.press(QStringLiteral("IPL1000Rearme")));
    EXPECT_EQ(r.sent(), QStringList({"vm+ord=Rearme", "vm+ord=Rearme", "vm+ord=Rearme"}));

    // A reset cancelled at the question does not start the 3 s.
    r.scheduler.advance(5000);
    r.answers.answer = false;
    EXPECT_FALSE(r.orders.press(QStringLiteral("SBRearme")));
    r.answers.answer = true;
    EXPECT_TRUE(r.orders.press(QStringLiteral("SBRearme")));
}

TEST(PanelOrders, OverMqttTheOrderGoesToTheStatusTopic)
{
    OrdersRig r;
    r.state.connex_remota = QStringLiteral("MQTT");
    QSignalSpy status(&r.orders, &PanelCommands::publishStatus);
    EXPECT_TRUE(r.orders.press(QStringLiteral("SBSilenci")));
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), QStringLiteral("{#Silenbuz}"));
    EXPECT_TRUE(r.sent().isEmpty());
}

TEST(PanelOrders, AguileraFrontOrdersAndTheQuietTestStep)
{
    const struct {
        const char *button;
        const char *word;
        const char *question; // "" when none is asked
        const char *logged;   // "" when not logged
    } cases[] = {
        {"SBSilenci", "Silenbuz", "¿Está seguro que quiere silenciar el zumbador?", "Silenciar zumbador desde PC"},
        {"SBReposicio", "Repos", "", "Reposición de la Central desde PC"},
        {"SBRearme", "Rearme", "¿Está seguro que quiere Rearmar la Central?", "Rearmando la Central desde PC"},
        {"PConnectar", "Connex", "", ""},
        {"PProva", "Test", "", ""},
        {"PReset", "Reset", "¿Está seguro que quiere hacer Reset a la Central?", "Reset a la Central desde PC"},
        {"PDisparSirenes", "Sirena", "", "Disparo sirena desde PC"},
        {"PSirenes", "Silensir", "¿Está seguro que quiere silenciar la sirena?", "Silenciar sirena desde PC"},
    };
    for (const auto &c : cases) {
        for (const bool broker : {false, true}) {
            SCOPED_TRACE(std::string(c.button) + (broker ? " broker" : " cable"));
            OrdersRig r;
            if (broker)
                r.state.connex_remota = QStringLiteral("MQTT");
            QSignalSpy status(&r.orders, &PanelCommands::publishStatus);
            EXPECT_TRUE(r.orders.press(QString::fromUtf8(c.button)));
            const QString word = QString::fromUtf8(c.word);
            if (broker) {
                ASSERT_EQ(status.count(), 1);
                EXPECT_EQ(status.at(0).at(0).toString(), QStringLiteral("{#") + word + u'}');
                EXPECT_TRUE(r.sent().isEmpty());
            } else {
                EXPECT_EQ(r.sent(), QStringList{QStringLiteral("vm+ord=") + word});
            }
            EXPECT_EQ(r.answers.asked.size(), *c.question ? 1 : 0);
            if (*c.question) {
                EXPECT_EQ(r.answers.asked[0].text, QString::fromUtf8(c.question));
            }
            if (*c.logged) {
                ASSERT_EQ(r.history.events.size(), 1);
                EXPECT_EQ(r.history.events[0].second, QString::fromUtf8(c.logged));
                ASSERT_EQ(r.messages.size(), 1);
                EXPECT_EQ(r.messages[0].text, QString::fromUtf8(c.logged));
            } else {
                EXPECT_TRUE(r.history.events.isEmpty());
                EXPECT_TRUE(r.messages.isEmpty());
            }
        }
    }

    // A panel that is not live: the test step is dropped without a word,
    // the other orders are refused with the message.
    OrdersRig r;
    r.state.connex_velmar_Agui = 1;
    EXPECT_FALSE(r.orders.press(QStringLiteral("PProva")));
    EXPECT_TRUE(r.messages.isEmpty());
    EXPECT_FALSE(r.orders.press(QStringLiteral("PConnectar")));
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_EQ(r.messages[0].text, QStringLiteral("Central no conectada"));
    EXPECT_TRUE(r.sent().isEmpty());
}

} // namespace
