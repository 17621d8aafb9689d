// The door buttons on the engine, with the cloud emulator holding the
// user's rights and the doors' cloud states: which buttons a layout shows
// and where, the door records' first-digit rule, and the order a click
// sends on the cable (by the state shown) or over the broker (by the cloud).
#include "core/shell/Engine.h"
#include "e2e/cloud/CloudRig.h"
#include "support/Pty.h"

#include <QJsonObject>

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using namespace velmar::test;

namespace {

constexpr int kWaitMs = 20000;
const QString kModule = QStringLiteral("1000456");
const QSize kView(800, 250);

struct Rights {
    bool enabled = true;        // Equipments/ID/Users/UID: may open doors
    int count = 1;              // numButtonsEnabled
    std::array<bool, 4> flags = {true, false, false, false};
};

// The emulator, an account signed in on it, and an engine on a
// pseudo-terminal with the door module 1000456 in hand.
struct DoorsRig {
    CloudRig cloud;
    Pty pty;
    QStringList messages;
    std::optional<Engine> e;

    bool start(const Rights &rights, bool signIn = true)
    {
        if (!cloud.started() || !cloud.signUp(QStringLiteral("puertas@velmar.test")))
            return false;
        const QString uid = cloud.cloud->CodiReg();
        QJsonObject module{{"numButtonsEnabled", rights.count}, {"enabled", true}};
        for (int n = 0; n < 4; ++n)
            module.insert(QStringLiteral("b%1Enabled").arg(n + 1), rights.flags[size_t(n)]);
        if (!cloud.patch("Users/" + uid + "/Modulos", {{kModule, module}})
            || !cloud.patch("Equipments/" + kModule + "/Users", {{uid, rights.enabled}}))
            return false;
        Endpoints endpoints = cloud.endpoints;
        endpoints.probeUrl = cloud.endpoints.cloudDatabaseUrl + "/";
        e.emplace(endpoints);
        e->cloud.setAccount(QStringLiteral("puertas@velmar.test"), QStringLiteral("secreto1"));
        if (signIn && !this->signIn())
            return false;
        QObject::connect(&e->programming, &ProgrammingState::message,
                         [this](const QString &t, const QString &x, const QString &b, int) {
                             messages << t + u'|' + x + u'|' + b;
                         });
        if (!e->channel.openPort(pty.slavePath()))
            return false;
        e->state.identConnectar = kModule;
        e->state.circuit = true;
        e->state.circuittrobat = true;
        // The stream is on: records reach the interpreter.
        e->channel.receive("+Inf:\r");
        return true;
    }
    bool signIn()
    {
        e->cloud.ConnexioFireBase();
        return waitFor([&] { return !e->cloud.CodiReg().isEmpty(); }, kWaitMs);
    }
    bool layOut(QSize view = kView)
    {
        e->doors.MostraPEstatPortes(view);
        return waitFor([&] { return !e->doors.layingOut(); }, kWaitMs);
    }
    void record(const char *text) { e->channel.receive(QByteArray(text) + '\r'); }
    QList<int> shown() const
    {
        QList<int> n;
        for (int b = 1; b <= 4; ++b)
            if (e->doors.slot(b).shown)
                n << b;
        return n;
    }
    // Clicks picture n and waits for its answers.
    void click(int n)
    {
        e->doors.IPBotoClick(n);
        waitFor([&] { return !e->doors.ordering(); }, kWaitMs);
    }
    QStringList published()
    {
        QStringList p;
        for (const QString &t : std::as_const(cloud.traced))
            if (t.startsWith(QLatin1String("Publica_MQTT: ")))
                p << t.mid(14);
        return p;
    }
};

TEST(DoorButtons, LayoutShowsTheFlaggedButtonsInSlotsAsWideAsTheCountSays)
{
    const struct {
        const char *what;
        Rights rights;
        QList<int> shown;
        QList<int> lefts;
        DoorPicture closed;
    } cases[] = {
        {"two of four: buttons 1 and 3 in the two halves", {true, 2, {true, false, true, false}}, {1, 3},
         {140, 540}, DoorPicture::Closed},
        {"no count: only button 1, centred, whatever the flags", {true, 0, {true, true, true, true}}, {1},
         {340}, DoorPicture::Closed},
        {"four buttons in quarters", {true, 4, {true, true, true, true}}, {1, 2, 3, 4}, {40, 240, 440, 640},
         DoorPicture::Closed},
        {"a count larger than the flags leaves its slots empty", {true, 2, {false, true, false, false}}, {2},
         {140}, DoorPicture::Closed},
        {"without the open right the closed door shows the padlock", {false, 1, {true, false, false, false}},
         {1}, {340}, DoorPicture::Locked},
    };
    for (const auto &c : cases) {
        DoorsRig r;
        ASSERT_TRUE(r.start(c.rights)) << c.what << r.cloud.sim.errorText().toStdString();
        ASSERT_TRUE(r.layOut()) << c.what;
        EXPECT_EQ(r.shown(), c.shown) << c.what;
        for (qsizetype i = 0; i < c.shown.size(); ++i) {
            const DoorSlot &s = r.e->doors.slot(c.shown[i]);
            EXPECT_EQ(s.picturePos, QPoint(c.lefts[i], 50)) << c.what;
            EXPECT_EQ(s.namePos, QPoint(c.lefts[i], 185)) << c.what;
            EXPECT_EQ(s.statePos, QPoint(c.lefts[i], 215)) << c.what;
            EXPECT_EQ(s.picture, c.closed) << c.what;
            EXPECT_EQ(DoorButtons::stateText(s.state), QStringLiteral("Cerrado")) << c.what;
        }
        // Laid out once: a second identification changes nothing.
        const DoorSlot before = r.e->doors.slot(c.shown[0]);
        r.e->doors.MostraPEstatPortes(QSize(400, 250));
        EXPECT_FALSE(r.e->doors.layingOut()) << c.what;
        EXPECT_EQ(r.e->doors.slot(c.shown[0]), before) << c.what;
    }
}

TEST(DoorButtons, WithoutAnAccountOnlyTheFirstButtonShowsLockedAndEveryClickIsRefused)
{
    DoorsRig r;
    ASSERT_TRUE(r.start({}));
    r.e->cloud.setAccount({}, {});
    r.e->cloud.client().signOut();
    ASSERT_TRUE(r.layOut());
    EXPECT_EQ(r.shown(), QList<int>{1});
    EXPECT_EQ(r.e->doors.slot(1).picture, DoorPicture::Locked);
    r.click(1);
    EXPECT_EQ(r.messages, QStringList{QStringLiteral("¡ ATENCIÓN !|Usuario no habilitado|    Aceptar   ")});
    EXPECT_EQ(r.pty.read(100), QByteArray());
}

TEST(DoorButtons, LaidOutBeforeTheSignInTheButtonsFollowTheAccountOnceSignedIn)
{
    DoorsRig r;
    ASSERT_TRUE(r.start({true, 2, {true, false, true, false}}, false));
    ASSERT_TRUE(r.layOut());
    EXPECT_EQ(r.shown(), QList<int>{1});
    EXPECT_EQ(r.e->doors.slot(1).picture, DoorPicture::Locked);
    r.record("{#dPuerta 1 Obert}");
    ASSERT_TRUE(r.signIn());
    EXPECT_TRUE(waitFor([&] { return r.shown() == QList<int>({1, 3}); }, kWaitMs));
    EXPECT_EQ(r.e->doors.slot(3).picturePos, QPoint(540, 50));
    // The state shown is kept.
    EXPECT_EQ(r.e->doors.slot(1).picture, DoorPicture::Open);
    EXPECT_EQ(r.e->doors.slot(3).picture, DoorPicture::Closed);
}

TEST(DoorButtons, DoorRecordsSetTheButtonOfTheFirstDigit)
{
    const struct {
        const char *record;
        int button; // 0: no button changes
        DoorPicture picture;
        const char *text;
    } cases[] = {
        {"{#dPuerta 2 Obert}", 2, DoorPicture::Open, "Abierto"},
        {"{#dPuerta 3 Obrint}", 3, DoorPicture::Opening, "Abriendo"},
        {"{#dPuerta 4 Tancant}", 4, DoorPicture::Closing, "Cerrando"},
        {"{#dPuerta 1 Esperant}", 1, DoorPicture::Waiting, "Esperando ..."},
        {"{#dPuerta 0 Obert}", 1, DoorPicture::Open, "Abierto"},
        {"{#dPuerta Obert}", 1, DoorPicture::Open, "Abierto"},
        {"{#dPuerta 7 Obert}", 0, DoorPicture::Closed, ""},
        {"{#dPuerta 2 abierta}", 0, DoorPicture::Closed, ""},
    };
    DoorsRig r;
    ASSERT_TRUE(r.start({true, 4, {true, true, true, true}}));
    ASSERT_TRUE(r.layOut());
    for (const auto &c : cases) {
        std::array<DoorSlot, 4> before;
        for (int n = 1; n <= 4; ++n)
            before[size_t(n - 1)] = r.e->doors.slot(n);
        r.record(c.record);
        for (int n = 1; n <= 4; ++n) {
            const DoorSlot &s = r.e->doors.slot(n);
            if (n != c.button) {
                EXPECT_EQ(s, before[size_t(n - 1)]) << c.record << " button " << n;
                continue;
            }
            EXPECT_EQ(s.picture, c.picture) << c.record;
            EXPECT_EQ(DoorButtons::stateText(s.state), QString::fromUtf8(c.text)) << c.record;
        }
        // Back to closed for the next case.
        for (int n = 1; n <= 4; ++n)
            r.e->doors.setDoor(n, DoorState::Tancat);
        waitFor([&] { return r.e->doors.slot(1).picture == DoorPicture::Closed; }, kWaitMs);
    }
}

TEST(DoorButtons, AClosedRecordAsksTheRightAgainForItsPicture)
{
    for (const bool mayOpen : {true, false}) {
        DoorsRig r;
        ASSERT_TRUE(r.start({mayOpen, 1, {true, false, false, false}}));
        ASSERT_TRUE(r.layOut());
        r.record("{#dPuerta 1 Obert}");
        ASSERT_EQ(r.e->doors.slot(1).picture, DoorPicture::Open);
        // The right changes in the cloud: the next closed record shows it.
        ASSERT_TRUE(r.cloud.patch("Equipments/" + kModule + "/Users", {{r.cloud.cloud->CodiReg(), !mayOpen}}));
        r.record("{#dPuerta Tancat}");
        EXPECT_EQ(DoorButtons::stateText(r.e->doors.slot(1).state), QStringLiteral("Cerrado"));
        const DoorPicture wanted = mayOpen ? DoorPicture::Locked : DoorPicture::Closed;
        EXPECT_TRUE(waitFor([&] { return r.e->doors.slot(1).picture == wanted; }, kWaitMs)) << mayOpen;
    }
}

TEST(DoorButtons, OrdersOnTheCableFollowTheStateShown)
{
    const struct {
        const char *record; // the door's last record, "" for none
        int button;
        const char *sent;
        const char *event;
    } cases[] = {
        {"{#dPuerta 3 Obert}", 3, "\rvm+Tancar3\r", "Orden de cerrar  Patio"},
        {"{#dPuerta 3 Tancant}", 3, "\rvm+Obrir3\r", "Orden de abrir  Patio"},
        {"{#dPuerta 3 Obrint}", 3, "\rvm+Tancar3\r", "Orden de cerrar  Patio"},
        {"{#dPuerta 3 Esperant}", 3, "\rvm+Tancar3\r", "Orden de cerrar  Patio"},
        {"", 1, "\rvm+Obrir1\r", "Orden de abrir  Entrada"},
    };
    for (const auto &c : cases) {
        DoorsRig r;
        ASSERT_TRUE(r.start({true, 4, {true, true, true, true}}));
        ASSERT_TRUE(r.layOut());
        r.record("{#A1|Entrada|Garaje|Patio|}");
        if (*c.record)
            r.record(c.record);
        r.pty.read(50);
        r.click(c.button);
        EXPECT_EQ(r.pty.read(2000, "\r" + QByteArray(c.sent).mid(1)), QByteArray(c.sent)) << c.record;
        EXPECT_TRUE(r.messages.isEmpty());
        // The order is in the module's cloud history with the button's name.
        const auto eventText = [&] {
            const QJsonObject events = r.cloud.get("Events/" + kModule).toObject();
            for (const QJsonValue &ev : events)
                if (ev[QStringLiteral("EventId")].toString() == QLatin1String("77000"))
                    return ev[QStringLiteral("MessageTxt")].toString();
            return QString();
        };
        EXPECT_TRUE(waitFor([&] { return eventText() == QString::fromUtf8(c.event); }, kWaitMs))
            << c.record << " " << eventText().toStdString();
    }
}

TEST(DoorButtons, WithoutAModuleOnTheCableAClickOrdersNothing)
{
    // The module shown from its stored record: the link stays as it is.
    DoorsRig r;
    ASSERT_TRUE(r.start({}));
    ASSERT_TRUE(r.layOut());
    r.e->state.circuit = false;
    r.pty.read(50);
    r.click(1);
    EXPECT_EQ(r.pty.read(300), QByteArray());
    EXPECT_EQ(r.e->state.identConnectar, kModule);
    EXPECT_TRUE(r.messages.isEmpty());
}

TEST(DoorButtons, AUserWithoutTheOpenRightIsRefusedAndTheRefusalRecorded)
{
    DoorsRig r;
    ASSERT_TRUE(r.start({false, 1, {true, false, false, false}}));
    ASSERT_TRUE(r.layOut());
    r.pty.read(50);
    r.click(1);
    EXPECT_EQ(r.messages, QStringList{QStringLiteral("¡ ATENCIÓN !|Usuario no habilitado|    Aceptar   ")});
    EXPECT_EQ(r.pty.read(300), QByteArray());
    EXPECT_TRUE(waitFor(
        [&] {
            const QJsonObject events = r.cloud.get("Events/" + kModule).toObject();
            for (const QJsonValue &ev : events)
                if (ev[QStringLiteral("MessageTxt")].toString() == QLatin1String("Usuario no habilitado"))
                    return ev[QStringLiteral("EventId")].toString() == QLatin1String("77000");
            return false;
        },
        kWaitMs));
}

TEST(DoorButtons, OrdersOverTheBrokerFollowTheCloudState)
{
    const struct {
        const char *cloudState; // ButtonStatus/n, "" for none
        int button;
        const char *order;
    } cases[] = {
        {"OPENING", 1, "{#Tancar1}"}, {"OPEN", 2, "{#Tancar2}"}, {"CLOSING", 1, "{#Obrir1}"},
        {"CLOSED", 4, "{#Obrir4}"},   {"", 1, "{#Obrir1}"},
    };
    for (const auto &c : cases) {
        DoorsRig r;
        ASSERT_TRUE(r.start({true, 4, {true, true, true, true}}));
        ASSERT_TRUE(r.layOut());
        if (*c.cloudState) {
            ASSERT_TRUE(r.cloud.patch("Equipments/" + kModule + "/ButtonStatus",
                                      {{QString::number(c.button), QString::fromLatin1(c.cloudState)}}));
        }
        // The state shown says the opposite: over the broker it does not count.
        const bool opens = QByteArray(c.order).contains("Obrir");
        r.record(QStringLiteral("{#dPuerta %1 %2}").arg(c.button).arg(opens ? "Obert" : "Tancat").toLatin1());
        r.e->state.connex_remota = QStringLiteral("MQTT");
        r.e->remote.CodiReg = QStringLiteral("velmar-pc");
        r.cloud.traced.clear();
        QObject::connect(&r.e->trace, &Trace::entry,
                         [&r](const QString &t, TraceColour) { r.cloud.traced << t; });
        r.click(c.button);
        // On the account's own status topic.
        EXPECT_EQ(r.published(), QStringList{"topic=ssts/1000456/" + r.e->cloud.CodiReg()
                                             + "  str=" + QString::fromLatin1(c.order)})
            << c.cloudState;
        EXPECT_EQ(r.pty.read(100).count("vm+"), 0) << c.cloudState;
    }
}

TEST(DoorButtons, NamesFeedTheHistoryAndAResetHidesAndEmptiesEveryButton)
{
    DoorsRig r;
    ASSERT_TRUE(r.start({true, 2, {true, true, false, false}}));
    ASSERT_TRUE(r.layOut());
    r.record("{#A1|Entrada|Garaje}");
    EXPECT_EQ(r.e->doors.names(), QStringList({"Entrada", "Garaje", "", ""}));
    // The history names a button's events with its name.
    cloud::HistoryRow opened;
    opened.eventId = QStringLiteral("1401");
    opened.buttonNumber = QStringLiteral("2");
    r.e->history.showRows({opened});
    ASSERT_EQ(r.e->history.rows().size(), 1);
    EXPECT_TRUE(r.e->history.rows()[0][5].endsWith(QStringLiteral("Botón 2  Garaje")))
        << r.e->history.rows()[0][5].toStdString();
    r.record("{#dPuerta 2 Obert}");

    // Saved users: the view is empty until it is laid out again.
    emit r.e->doorLists.doorViewReset();
    EXPECT_TRUE(r.shown().isEmpty());
    EXPECT_EQ(r.e->doors.names(), QStringList({"", "", "", ""}));
    EXPECT_EQ(DoorButtons::stateText(r.e->doors.slot(2).state), QStringLiteral("Cerrado"));
    ASSERT_TRUE(r.layOut());
    EXPECT_EQ(r.shown(), QList<int>({1, 2}));

    // A click waiting for its answer is dropped by a reset.
    r.pty.read(50);
    r.e->doors.IPBotoClick(1);
    emit r.e->doorLists.doorViewReset();
    EXPECT_FALSE(r.e->doors.ordering());
    EXPECT_EQ(r.pty.read(1000).count("Obrir"), 0);

    // The disconnected state hides the buttons too.
    ASSERT_TRUE(r.layOut());
    ASSERT_FALSE(r.shown().isEmpty());
    r.e->Esborra_Camps();
    EXPECT_TRUE(r.shown().isEmpty());
}

} // namespace
