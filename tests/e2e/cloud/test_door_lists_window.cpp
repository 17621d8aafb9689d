// The door page's phone and user lists on the real window, signed in to the
// cloud emulator (demo data) with a door module on its line: "Cargar tel."
// and "Cargar usuario" fill the grids, an edit shows "Guardar", which writes
// it and reads the list again, "Borrar" shows "Eliminar", which deletes the
// marked rows; a save with nothing left to change writes nothing but still
// reads the list again.
#include "CloudRig.h"

#include "core/editor/CellMarking.h"
#include "core/shell/SettingsStore.h"
#include "e2e/window/Linked.h"
#include "ui/editor/GridEditor.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using namespace velmar::test;
using List = DoorLists::List;

namespace {

constexpr int kWaitMs = 30000;
const QString kEmail = QStringLiteral("instalador@velmar-demo.es");
const QString kUid = QStringLiteral("DemoInstaller0000000000000001");
const QString kModule = QStringLiteral("1000456");

QStringList dataArgs(const QTemporaryDir &dir)
{
    // The emulator writes its data back: it gets a copy of the demo's.
    const QString path = dir.filePath("cloud.json");
    EXPECT_TRUE(dir.isValid() && QFile::copy(QStringLiteral(VELMAR_DEMO_CLOUD), path));
    return {"--data", path};
}

QStringList openMessages()
{
    QStringList texts;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible())
            texts << box->text();
    return texts;
}

// The emulator, the door module 1000456 on its line, and the window signed
// in with the demo account, its door page in front.
struct DoorWindow {
    DoorWindow() : cloud(dataArgs(folder))
    {
        // The rig's own reads go with the demo account's token.
        cloud.call([&](auto done) { cloud.client().signIn(kEmail, "demo2026", done); });
    }

    bool open()
    {
        if (!cloud.started())
            return false;
        linked.emplace(QStringList{"--id", kModule, "--panel", "Puertas"}, QStringList{}, [this](StartOptions &o) {
            SettingsStore(o.settings, "127.0.0.1").GuardarCompte(kEmail, "demo2026", kUid);
            o.endpoints = cloud.endpoints;
            o.endpoints.probeUrl = cloud.endpoints.cloudDatabaseUrl + "/";
            o.useCloud = true;
        });
        if (!linked->w || !waitFor([&] { return linked->w->windowTitle().contains("Registrado por:"); }, kWaitMs))
            return false;
        QObject::connect(&engine().trace, &Trace::entry, [this](const QString &t, TraceColour) {
            if (t.startsWith("PATCH :") || t.startsWith("DELETE :") || t.startsWith("GET : Equipments/" + kModule))
                requests << t;
        });
        return linked->programmingOn("TSPortes");
    }

    Engine &engine() { return linked->w->engine(); }
    QPushButton *button(const char *name) { return linked->find<QPushButton>(name); }
    GridEditor *grid(const char *name) { return linked->find<GridEditor>(name); }
    // Clicks a list command and waits until the list has been read again.
    bool click(const char *name, List list)
    {
        QPushButton *b = button(name);
        if (!b || !b->isVisible() || !b->isEnabled())
            return false;
        b->click();
        return waitFor([&] { return !engine().doorLists.working(list); }, kWaitMs);
    }
    QStringList row(GridEditor *g, int r)
    {
        QStringList cells;
        for (int c = 0; c < g->grid().columns(); ++c)
            cells << g->grid().cell(c, r);
        return cells;
    }
    // A mouse click on a cell of the grid, as the user does.
    void clickCell(GridEditor *g, int column, int row)
    {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->cellIndex(column, row)).center());
    }
    QJsonValue get(const QString &path) { return cloud.get(path); }

    QTemporaryDir folder;
    CloudRig cloud;
    std::optional<Linked> linked;
    QStringList requests;
};

TEST(DoorListsWindow, PhonesLoadedEditedSavedAndDeleted)
{
    DoorWindow w;
    ASSERT_TRUE(w.open()) << w.cloud.sim.errorText().toStdString();
    GridEditor *g = w.grid("SGTelefons");
    ASSERT_NE(g, nullptr);
    for (const char *name : {"BBLlegirTel", "BBGuardarTel", "BBEliminarTel"})
        ASSERT_NE(w.button(name), nullptr) << name;
    EXPECT_EQ(w.button("BBLlegirTel")->text(), "Cargar tel.");
    EXPECT_EQ(w.button("BBGuardarTel")->text(), "Guardar");
    EXPECT_EQ(w.button("BBEliminarTel")->text(), "Eliminar");
    EXPECT_FALSE(w.button("BBGuardarTel")->isVisible());
    EXPECT_FALSE(w.button("BBEliminarTel")->isVisible());

    ASSERT_TRUE(w.click("BBLlegirTel", List::Phones));
    EXPECT_EQ(w.row(g, 1), QStringList({"", "600111222", "Portero", "1", "1"}));
    EXPECT_EQ(g->model()->data(g->cellIndex(2, 1)).toString(), "Portero");
    EXPECT_EQ(listLength(g->grid()), 1);
    EXPECT_FALSE(w.button("BBGuardarTel")->isVisible()) << "a read is no change";

    // A new reference: drawn red, "Guardar" shown; saved and read again.
    g->setCellByUser(g->cellIndex(2, 1), "Conserje");
    EXPECT_TRUE(editor::drawnModified(g->grid(), 2, 1, g->context()));
    EXPECT_TRUE(w.button("BBGuardarTel")->isVisible());
    w.requests.clear();
    ASSERT_TRUE(w.click("BBGuardarTel", List::Phones));
    EXPECT_EQ(w.requests, QStringList({"PATCH : Equipments/1000456/MobileNumbers/600111222",
                                       "GET : Equipments/1000456/MobileNumbers"}));
    EXPECT_EQ(w.get("Equipments/1000456/MobileNumbers/600111222/UserName").toString(), "Conserje");
    EXPECT_EQ(w.row(g, 1), QStringList({"", "600111222", "Conserje", "1", "1"}));
    EXPECT_FALSE(editor::drawnModified(g->grid(), 2, 1, g->context()));
    EXPECT_FALSE(w.button("BBGuardarTel")->isVisible());

    // Changed and changed back: "Guardar" stays, and writes nothing but reads again.
    g->setCellByUser(g->cellIndex(4, 1), "2");
    g->setCellByUser(g->cellIndex(4, 1), "1");
    ASSERT_TRUE(w.button("BBGuardarTel")->isVisible());
    w.requests.clear();
    ASSERT_TRUE(w.click("BBGuardarTel", List::Phones));
    EXPECT_EQ(w.requests, QStringList({"GET : Equipments/1000456/MobileNumbers"}));
    EXPECT_EQ(w.row(g, 1), QStringList({"", "600111222", "Conserje", "1", "1"}));

    // "Borrar" ticked by a click shows "Eliminar"; the number goes.
    w.clickCell(g, 0, 1);
    EXPECT_EQ(g->grid().cell(0, 1), "1");
    ASSERT_TRUE(w.button("BBEliminarTel")->isVisible());
    ASSERT_TRUE(w.click("BBEliminarTel", List::Phones));
    EXPECT_TRUE(w.get("Equipments/1000456/MobileNumbers").isNull());
    EXPECT_EQ(listLength(g->grid()), 0);
    EXPECT_FALSE(w.button("BBEliminarTel")->isVisible());
    EXPECT_TRUE(openMessages().isEmpty()) << openMessages().join('|').toStdString();
}

TEST(DoorListsWindow, UserRightsLoadedSavedAndTheUserDeleted)
{
    DoorWindow w;
    ASSERT_TRUE(w.open()) << w.cloud.sim.errorText().toStdString();
    GridEditor *g = w.grid("SGUsuaris");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(w.button("BBLlegirUsuaris")->text(), "Cargar usuario");
    QSignalSpy reset(&w.engine().doorLists, &DoorLists::doorViewReset);

    ASSERT_TRUE(w.click("BBLlegirUsuaris", List::Users));
    EXPECT_EQ(w.row(g, 1), QStringList({"", kEmail, "Juan Demo", "1", "1", kUid}));
    EXPECT_TRUE(g->isColumnHidden(5)) << "the user key stays out of sight";

    // Buttons 1 and 3: written to the account's rights and the module's list.
    g->setCellByUser(g->cellIndex(4, 1), "1,3");
    ASSERT_TRUE(w.button("BbGuardarUsuaris")->isVisible());
    ASSERT_TRUE(w.click("BbGuardarUsuaris", List::Users));
    const QJsonObject rights = w.get("Users/" + kUid + "/Modulos/1000456").toObject();
    EXPECT_EQ(rights, (QJsonObject{{"b1Enabled", true}, {"b2Enabled", false}, {"b3Enabled", true},
                                   {"b4Enabled", false}, {"numButtonsEnabled", 2}, {"enabled", true}}));
    EXPECT_EQ(w.get("Equipments/1000456/Users/" + kUid), QJsonValue(true));
    EXPECT_EQ(w.row(g, 1), QStringList({"", kEmail, "Juan Demo", "1", "1,3", kUid}));
    EXPECT_EQ(reset.size(), 1);

    // "Borrar" toggles, and "Eliminar" with it.
    w.clickCell(g, 0, 1);
    EXPECT_TRUE(w.button("BBEliminarUsuaris")->isVisible());
    w.clickCell(g, 0, 1);
    EXPECT_FALSE(w.button("BBEliminarUsuaris")->isVisible());
    w.clickCell(g, 0, 1);
    ASSERT_TRUE(w.click("BBEliminarUsuaris", List::Users));
    EXPECT_TRUE(w.get("Equipments/1000456/Users").isNull());
    EXPECT_TRUE(w.get("Users/" + kUid + "/Modulos/1000456").isNull());
    EXPECT_EQ(w.get("Users/" + kUid + "/email").toString(), kEmail) << "the account itself stays";
    EXPECT_EQ(listLength(g->grid()), 0);
    EXPECT_EQ(reset.size(), 2);
    EXPECT_TRUE(openMessages().isEmpty()) << openMessages().join('|').toStdString();
}

} // namespace
