// The door phone and user lists of a module against the cloud emulator:
// read into their grids, the changed rows written and the marked ones
// deleted one after the other, the list read again only once every write
// has answered (also on a slow server), a refused write told, a second
// click dropped while the first works, and a save with nothing changed
// that writes nothing but still reads the list again.
#include "CloudRig.h"

#include "core/cloud/DoorLists.h"
#include "core/params/FieldModel.h"

#include <gtest/gtest.h>

#include <QJsonObject>

using namespace velmar;
using velmar::test::CloudRig;
using velmar::test::ends;
using velmar::test::waitFor;
using List = DoorLists::List;

namespace {

const QString kModule = QStringLiteral("VLM0042");

struct DoorRig {
    explicit DoorRig(const QStringList &args = {}) : cloud(args) { fields.Esborra_param(); }

    bool start()
    {
        if (!cloud.started() || !cloud.signUp("jefa@velmar.test"))
            return false;
        cloud.state.identConnectar = kModule;
        lists.emplace(*cloud.cloud, fields);
        QObject::connect(&*lists, &DoorLists::message,
                         [this](const QString &title, const QString &text, int) { told << title + u'|' + text; });
        return true;
    }
    // Signed in with three phones in the cloud, the phone list read.
    bool startWithPhones()
    {
        return start()
               && cloud.patch(
                   "Equipments/" + kModule + "/MobileNumbers",
                   {{"600000001", QJsonObject{{"UserName", "Portero"}, {"Enabled", true}, {"Button", "1"}}},
                    {"600000002", QJsonObject{{"UserName", "Ana"}, {"Enabled", false}, {"Button", "2"}}},
                    {"+34600000003", QJsonObject{{"UserName", "Bruno"}, {"Enabled", true}, {"Button", "4"}}}})
               && click(&DoorLists::BBLlegirTelClick);
    }
    // Clicks one command and waits for the list read that ends it.
    bool click(void (DoorLists::*command)())
    {
        QSignalSpy read(&*lists, &DoorLists::listRead);
        return ends(read, [&] { ((*lists).*command)(); });
    }
    GridModel &phones() { return *fields.grid(u"SGTelefons"); }
    GridModel &users() { return *fields.grid(u"SGUsuaris"); }
    QStringList row(GridModel &g, int r)
    {
        QStringList cells;
        for (int c = 0; c < g.columns(); ++c)
            cells << g.cell(c, r);
        return cells;
    }
    // The requests the directory sent from trace line `from` on ("PATCH : path").
    QStringList requests(qsizetype from)
    {
        QStringList out;
        for (const QString &t : cloud.traced.mid(from))
            if (t.startsWith("GET :") || t.startsWith("PATCH :") || t.startsWith("DELETE :"))
                out << t;
        return out;
    }
    QJsonObject phone(const QString &number)
    {
        return cloud.get("Equipments/" + kModule + "/MobileNumbers/" + number).toObject();
    }

    CloudRig cloud;
    FieldModel fields;
    std::optional<DoorLists> lists;
    QStringList told;
};

TEST(DoorListsCloud, PhonesReadSavedAndDeleted)
{
    DoorRig rig;
    ASSERT_TRUE(rig.startWithPhones()) << rig.cloud.sim.errorText().toStdString();
    GridModel &g = rig.phones();
    EXPECT_EQ(listLength(g), 3);
    EXPECT_EQ(rig.row(g, 1), QStringList({"", "+34600000003", "Bruno", "1", "4"}));
    EXPECT_EQ(rig.row(g, 2), QStringList({"", "600000001", "Portero", "1", "1"}));
    EXPECT_EQ(rig.row(g, 3), QStringList({"", "600000002", "Ana", "0", "2"}));
    EXPECT_TRUE(doorlists::changedRows(g, doorlists::kPhoneColumns).isEmpty());

    // A reference, an enable and a new number in the first free row.
    g.setCell(2, 2, QStringLiteral("Conserje"));
    g.setCell(3, 3, QStringLiteral("1"));
    g.setCell(1, 4, QStringLiteral("611222333"));
    g.setCell(2, 4, QStringLiteral("Nuevo"));
    g.setCell(3, 4, QStringLiteral("0"));
    g.setCell(4, 4, QStringLiteral("3"));
    const qsizetype mark = rig.cloud.traced.size();
    ASSERT_TRUE(rig.click(&DoorLists::BBGuardarTelClick));
    const QString base = QStringLiteral("Equipments/") + kModule + QStringLiteral("/MobileNumbers");
    EXPECT_EQ(rig.requests(mark), QStringList({"PATCH : " + base + "/600000001", "PATCH : " + base + "/600000002",
                                               "PATCH : " + base + "/611222333", "GET : " + base}));
    EXPECT_EQ(rig.phone("600000001").value("UserName").toString(), "Conserje");
    EXPECT_TRUE(rig.phone("600000002").value("Enabled").toBool());
    EXPECT_EQ(rig.phone("611222333"),
              (QJsonObject{{"UserName", "Nuevo"}, {"Enabled", false}, {"Button", "3"}}));
    // Read again: the grid holds what the cloud holds, nothing counts as changed.
    EXPECT_EQ(listLength(g), 4);
    EXPECT_EQ(rig.row(g, 4), QStringList({"", "611222333", "Nuevo", "0", "3"}));
    EXPECT_TRUE(doorlists::changedRows(g, doorlists::kPhoneColumns).isEmpty());

    // Two marked, deleted one after the other, then read again.
    g.setCell(0, 1, QStringLiteral("1"));
    g.setCell(0, 3, QStringLiteral("1"));
    const qsizetype mark2 = rig.cloud.traced.size();
    ASSERT_TRUE(rig.click(&DoorLists::BBEliminarTelClick));
    EXPECT_EQ(rig.requests(mark2), QStringList({"DELETE : " + base + "/+34600000003",
                                                "DELETE : " + base + "/600000002", "GET : " + base}));
    EXPECT_EQ(rig.cloud.get(base).toObject().keys(), QStringList({"600000001", "611222333"}));
    EXPECT_EQ(listLength(g), 2);
    EXPECT_TRUE(g.cell(0, 1).isEmpty()) << "the marks go with the read";
    EXPECT_TRUE(rig.told.isEmpty()) << rig.told.join('\n').toStdString();
}

TEST(DoorListsCloud, NothingChangedWritesNothingAndReadsAgain)
{
    DoorRig rig;
    ASSERT_TRUE(rig.startWithPhones()) << rig.cloud.sim.errorText().toStdString();
    ASSERT_TRUE(rig.click(&DoorLists::BBLlegirUsuarisClick));
    const struct {
        void (DoorLists::*command)();
        const char *read;
    } cases[] = {{&DoorLists::BBGuardarTelClick, "/MobileNumbers"},
                 {&DoorLists::BBEliminarTelClick, "/MobileNumbers"},
                 {&DoorLists::BbGuardarUsuarisClick, "/Users"},
                 {&DoorLists::BBEliminarUsuarisClick, "/Users"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.read);
        const qsizetype mark = rig.cloud.traced.size();
        ASSERT_TRUE(rig.click(c.command));
        EXPECT_EQ(rig.requests(mark), QStringList({"GET : Equipments/" + kModule + QLatin1String(c.read)}));
    }
    EXPECT_EQ(listLength(rig.phones()), 3);
}

TEST(DoorListsCloud, OnASlowServerTheReadWaitsForEveryWriteAndASecondClickIsDropped)
{
    DoorRig rig({"--slow", "150"});
    ASSERT_TRUE(rig.startWithPhones()) << rig.cloud.sim.errorText().toStdString();
    GridModel &g = rig.phones();
    for (int r = 1; r <= 3; ++r)
        g.setCell(2, r, QStringLiteral("Cambio %1").arg(r));
    QSignalSpy working(&*rig.lists, &DoorLists::workingChanged);
    const qsizetype mark = rig.cloud.traced.size();
    QSignalSpy read(&*rig.lists, &DoorLists::listRead);
    rig.lists->BBGuardarTelClick();
    EXPECT_TRUE(rig.lists->working(List::Phones));
    rig.lists->BBGuardarTelClick();
    rig.lists->BBLlegirTelClick();
    ASSERT_TRUE(waitFor([&] { return !read.isEmpty(); }, 20000));
    EXPECT_EQ(rig.requests(mark).filter("PATCH").size(), 3);
    EXPECT_EQ(rig.requests(mark).filter("GET").size(), 1);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(g.cell(2, r), QStringLiteral("Cambio %1").arg(r)) << "read before the write landed";
    EXPECT_FALSE(rig.lists->working(List::Phones));
    ASSERT_EQ(working.size(), 2);
    EXPECT_TRUE(working.at(0).at(1).toBool());
    EXPECT_FALSE(working.at(1).at(1).toBool());
}

TEST(DoorListsCloud, RefusedPhoneWritesAreToldAndTheOthersGoThrough)
{
    DoorRig rig;
    ASSERT_TRUE(rig.startWithPhones()) << rig.cloud.sim.errorText().toStdString();
    GridModel &g = rig.phones();
    // A number emptied (the row kept by its reference) would name the whole list.
    g.setCell(1, 2, QString());
    g.setCell(2, 3, QStringLiteral("Escrito"));
    ASSERT_TRUE(rig.click(&DoorLists::BBGuardarTelClick));
    EXPECT_EQ(rig.told, QStringList({"ERROR|Error de acceso a la base de datos: Número de teléfono no válido: "}));
    EXPECT_EQ(rig.phone("600000002").value("UserName").toString(), "Escrito");
    EXPECT_EQ(rig.cloud.get("Equipments/" + kModule + "/MobileNumbers").toObject().size(), 3);
    EXPECT_EQ(rig.row(rig.phones(), 2), QStringList({"", "600000001", "Portero", "1", "1"}));
}

TEST(DoorListsCloud, UsersRightsWrittenByKeyAndByEmailAndUsersDeleted)
{
    DoorRig rig;
    ASSERT_TRUE(rig.cloud.started()) << rig.cloud.sim.errorText().toStdString();
    // Three accounts; the first two have rights on the module.
    QStringList uids;
    for (const char *email : {"ana@velmar.test", "bea@velmar.test", "ciro@velmar.test"}) {
        ASSERT_TRUE(rig.cloud.signUp(QString::fromLatin1(email)));
        uids << rig.cloud.cloud->CodiReg();
        ASSERT_TRUE(rig.cloud.patch("Users/" + uids.last(),
                                    {{"email", email}, {"nickname", QString::fromLatin1(email).section('@', 0, 0)}}));
        rig.cloud.client().signOut();
    }
    ASSERT_TRUE(rig.start());
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(rig.cloud.patch("Users/" + uids[i] + "/Modulos/" + kModule,
                                    {{"b1Enabled", true}, {"b2Enabled", i == 1}, {"b3Enabled", false},
                                     {"b4Enabled", false}, {"numButtonsEnabled", i + 1}, {"enabled", true}}));
        ASSERT_TRUE(rig.cloud.patch("Equipments/" + kModule + "/Users", {{uids[i], true}}));
    }
    QSignalSpy reset(&*rig.lists, &DoorLists::doorViewReset);
    ASSERT_TRUE(rig.click(&DoorLists::BBLlegirUsuarisClick));
    GridModel &g = rig.users();
    ASSERT_EQ(listLength(g), 2);
    const int ana = g.cell(1, 1) == u"ana@velmar.test" ? 1 : 2;
    const int bea = 3 - ana;
    EXPECT_EQ(rig.row(g, ana), QStringList({"", "ana@velmar.test", "ana", "1", "1", uids[0]}));
    EXPECT_EQ(rig.row(g, bea), QStringList({"", "bea@velmar.test", "bea", "1", "1,2", uids[1]}));
    EXPECT_EQ(reset.size(), 0) << "a read is no reset";

    // Ana's buttons, Bea disabled, Ciro added by e-mail in the free row.
    g.setCell(4, ana, QStringLiteral("2,4"));
    g.setCell(3, bea, QStringLiteral("0"));
    g.setCell(1, 3, QStringLiteral("ciro@velmar.test"));
    g.setCell(3, 3, QStringLiteral("1"));
    g.setCell(4, 3, QStringLiteral("3"));
    ASSERT_TRUE(rig.click(&DoorLists::BbGuardarUsuarisClick));
    const QJsonObject anaRights = rig.cloud.get("Users/" + uids[0] + "/Modulos/" + kModule).toObject();
    EXPECT_EQ(anaRights, (QJsonObject{{"b1Enabled", false}, {"b2Enabled", true}, {"b3Enabled", false},
                                      {"b4Enabled", true}, {"numButtonsEnabled", 2}, {"enabled", true}}));
    EXPECT_FALSE(rig.cloud.get("Users/" + uids[1] + "/Modulos/" + kModule + "/enabled").toBool());
    EXPECT_EQ(rig.cloud.get("Equipments/" + kModule + "/Users").toObject(),
              (QJsonObject{{uids[0], true}, {uids[1], false}, {uids[2], true}}));
    EXPECT_EQ(rig.cloud.get("Users/" + uids[2] + "/Modulos/" + kModule + "/b3Enabled"), QJsonValue(true));
    EXPECT_EQ(listLength(g), 3);
    EXPECT_TRUE(doorlists::changedRows(g, doorlists::kUserColumns).isEmpty());
    EXPECT_EQ(reset.size(), 1);

    // An e-mail nobody has is told once; the list is read again all the same.
    const int free = 4;
    g.setCell(1, free, QStringLiteral("nadie@velmar.test"));
    ASSERT_TRUE(rig.click(&DoorLists::BbGuardarUsuarisClick));
    EXPECT_EQ(rig.told, QStringList({"ERROR|Este email no existe"}));
    EXPECT_EQ(listLength(g), 3);
    EXPECT_EQ(reset.size(), 2);

    // Bea marked: both sides of her right go.
    for (int r = 1; r <= 3; ++r)
        if (g.cell(1, r) == u"bea@velmar.test")
            g.setCell(0, r, QStringLiteral("1"));
    ASSERT_TRUE(rig.click(&DoorLists::BBEliminarUsuarisClick));
    EXPECT_TRUE(rig.cloud.get("Users/" + uids[1] + "/Modulos/" + kModule).isNull());
    EXPECT_EQ(rig.cloud.get("Equipments/" + kModule + "/Users").toObject().keys().contains(uids[1]), false);
    EXPECT_EQ(listLength(g), 2);
    EXPECT_EQ(reset.size(), 3);
}

} // namespace
