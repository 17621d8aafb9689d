// The "Registro" page on the real window: a module on the cable, its events
// in the cloud emulator. The events listed newest first with their texts,
// the date filter and its "X", the refusals, and the exports read back.
#include "e2e/cloud/CloudRig.h"
#include "e2e/window/ChosenFile.h"
#include "e2e/window/Linked.h"

#include "core/history/EventTexts.h"
#include "core/shell/SettingsStore.h"
#include "support/Dialogs.h"
#include "support/ZipEntries.h"
#include "ui/history/DatePicker.h"
#include "ui/history/HistoryPage.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::test;

namespace {

constexpr int kWaitMs = 30000;
const QString kEmail = QStringLiteral("instalador@velmar-demo.es");


// "dd-MM-yyyy" / "hh:mm:ss" of a UTC moment on this machine's clock.
QStringList local(const QDateTime &utc)
{
    const QDateTime l = utc.toLocalTime();
    return {l.toString("dd-MM-yyyy"), l.toString("hh:mm:ss")};
}

// Receives what the window hands the desktop to open.
class Desktop : public QObject {
    Q_OBJECT
public:
    Desktop() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~Desktop() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

// The demo account signed in, the module on the cable, three of its events
// in the cloud.
struct Rig {
    QTemporaryDir folder;
    CloudRig cloud{demoCloudData(folder)};
    std::optional<Linked> l;
    const QDateTime t1{QDate(2026, 1, 10), QTime(8, 0), Qt::UTC};
    const QDateTime t2{QDate(2026, 1, 12), QTime(9, 30), Qt::UTC};
    const QDateTime t3{QDate(2026, 1, 14), QTime(18, 45, 10), Qt::UTC};

    // cabled false: the window looks for its module on a port where none is.
    bool start(const QStringList &simArgs = {}, bool cabled = true)
    {
        ui::StartOptions o;
        o.settings.file = folder.filePath("settings.ini");
        o.settings.secretFile = folder.filePath("secret.key");
        SettingsStore(o.settings, "127.0.0.1").GuardarCompte(kEmail, "demo2026", "DemoInstaller0000000000000001");
        cloud.call([&](auto done) { cloud.client().signIn(kEmail, "demo2026", done); });
        auto at = [](const QDateTime &t) { return t.toString("yyyy-MM-ddThh:mm:ss.zzz"); };
        const bool seeded = cloud.patch(
            "Events/1000123",
            {{"-E1", QJsonObject{{"Created", at(t1)}, {"EventId", "55001"}, {"ButtonNumber", "1"},
                                 {"UserMail", "ana@velmar.test"}, {"UserName", "Ana"}}},
             {"-E2", QJsonObject{{"Created", at(t2)}, {"MessageTxt", "Salida disparada: Sirena"}, {"UserId", "u2"}}},
             {"-E3", QJsonObject{{"Created", at(t3)}, {"EventId", "66003"}, {"UserId", "+34600111222"}}}});
        l.emplace(simArgs, QStringList(), [&](ui::StartOptions &opts) {
            opts.settings = o.settings;
            opts.endpoints = cloud.endpoints;
            opts.endpoints.probeUrl = cloud.endpoints.cloudDatabaseUrl + "/";
            opts.useCloud = true;
            if (!cabled)
                opts.port = folder.filePath("no-module");
        });
        return seeded && l->sim.ok()
               && waitFor([&] { return l->w->windowTitle().contains("Registrado por:"); }, kWaitMs)
               && (!cabled || waitFor([&] { return l->w->engine().state.circuit; }, kWaitMs));
    }

    ui::MainWindow &w() { return *l->w; }
    EventHistory &history() { return w().engine().history; }
    QWidget *front() { return w().findChild<QStackedWidget *>("PVistes")->currentWidget(); }
    ui::HistoryPage *page() { return w().findChild<ui::HistoryPage *>(); }
    QStringList row(int r)
    {
        QAbstractItemModel *m = w().findChild<QTableView *>("SGHistoric")->model();
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c)
            cells << m->index(r, c).data().toString();
        return cells;
    }
    int rows() { return w().findChild<QTableView *>("SGHistoric")->model()->rowCount(); }
    bool readEnds(const std::function<void()> &start)
    {
        QSignalSpy reading(&history(), &EventHistory::readingChanged);
        start();
        return waitFor([&] { return !reading.isEmpty() && !history().reading(); }, kWaitMs);
    }
};

TEST(HistoryWindow, RegistroListsTheModulesEventsNewestFirstAndTheDateNarrowsThem)
{
    Rig rig;
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(rig.readEnds([&] { rig.w().findChild<QPushButton *>("BBEvents")->click(); }));
    EXPECT_EQ(rig.front(), rig.page());
    ASSERT_EQ(rig.rows(), 3);
    EXPECT_EQ(rig.row(0), QStringList({"1"}) + local(rig.t3)
                              + QStringList({"+34600111222", "", "Número no registrado"}));
    EXPECT_EQ(rig.row(1), QStringList({"2"}) + local(rig.t2) + QStringList({"u2", "", "Salida disparada: Sirena"}));
    EXPECT_EQ(rig.row(2),
              QStringList({"3"}) + local(rig.t1) + QStringList({"ana@velmar.test", "Ana", "Abierta Botón 1  "}));

    // A date picked in the calendar: only what came after its start.
    auto *picker = rig.w().findChild<ui::DatePicker *>("CPEvents");
    ASSERT_TRUE(rig.readEnds([&] {
        picker->click();
        ASSERT_TRUE(picker->isPopupShown());
        picker->calendar()->setSelectedDate(rig.t2.toLocalTime().date());
        QTest::keyClick(picker->calendar()->findChild<QTableView *>(), Qt::Key_Return);
    }));
    EXPECT_FALSE(picker->isPopupShown());
    EXPECT_EQ(picker->text(), rig.t2.toLocalTime().date().toString("dd-MM-yyyy"));
    ASSERT_EQ(rig.rows(), 2);
    EXPECT_EQ(rig.row(1).at(5), "Salida disparada: Sirena");

    // Closed with Escape, without a choice, the calendar still reads again; "X" lets every event back.
    ASSERT_TRUE(rig.readEnds([&] {
        picker->click();
        ASSERT_TRUE(picker->isPopupShown());
        QTest::keyClick(picker->calendar()->findChild<QTableView *>(), Qt::Key_Escape);
    }));
    EXPECT_FALSE(picker->isPopupShown());
    EXPECT_EQ(rig.rows(), 2);
    ASSERT_TRUE(rig.readEnds([&] { rig.w().findChild<QToolButton *>("PEsborraData")->click(); }));
    EXPECT_EQ(picker->text(), "Selecciona");
    EXPECT_EQ(rig.rows(), 3);

    // An event stored since shows at the top after "Leer los eventos".
    const QDateTime t4 = QDateTime::currentDateTimeUtc().addSecs(-60);
    ASSERT_TRUE(rig.cloud.patch("Events/1000123",
                                {{"-E4", QJsonObject{{"Created", t4.toString("yyyy-MM-ddThh:mm:ss.zzz")},
                                                     {"MessageTxt", "Entrada activada: Puerta"}, {"UserId", "u9"}}}}));
    ASSERT_TRUE(rig.readEnds([&] { rig.w().findChild<QPushButton *>("BBLlegirEvents")->click(); }));
    ASSERT_EQ(rig.rows(), 4);
    EXPECT_EQ(rig.row(0).at(5), "Entrada activada: Puerta");
}

TEST(HistoryWindow, ExportsHoldTheRowsShownAndTheWorkbookIsOfferedToTheDesktop)
{
    Rig rig;
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(rig.readEnds([&] { rig.w().findChild<QPushButton *>("BBEvents")->click(); }));
    ASSERT_EQ(rig.rows(), 3);

    Desktop desktop;
    ChosenFile chosen;
    chosen.path = rig.folder.filePath("registro"); // no suffix: the kind's own is added
    answerWith(QStringLiteral("     Sí    "));
    rig.w().findChild<QPushButton *>("BBExportarHist")->click();
    const QString xlsx = chosen.path + ".xlsx";
    ASSERT_TRUE(waitFor([&] { return !desktop.opened.isEmpty(); }, kWaitMs));
    EXPECT_EQ(desktop.opened.value(0), QUrl::fromLocalFile(xlsx));
    QFile book(xlsx);
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    const QMap<QString, QByteArray> files = zipEntries(book.readAll());
    const QByteArray strings = files.value("xl/sharedStrings.xml");
    for (const char *text : {"DESCRIPCION", "Número no registrado", "Salida disparada: Sirena", "ana@velmar.test",
                             "Abierta Botón 1"})
        EXPECT_TRUE(strings.contains(text)) << text;
    // Three events and the headings, nothing else.
    EXPECT_EQ(files.value("xl/worksheets/sheet1.xml").count("<row "), 4);

    // The CSV beside it, asked before it overwrites, not offered to open when declined.
    chosen.path = rig.folder.filePath("registro.csv");
    answerWith(QStringLiteral("    No    "));
    rig.w().findChild<QPushButton *>("BBExportarHistCsv")->click();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(chosen.path); }, kWaitMs));
    QFile csv(chosen.path);
    ASSERT_TRUE(waitFor([&] { return rig.page()->findChild<QPushButton *>("BBExportarHistCsv")->isEnabled(); }, kWaitMs));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5); // four lines and the empty rest after the last CR LF
    EXPECT_EQ(lines[0], "N.,Fecha,Hora,Usuario,Referencia ,DESCRIPCION\r");
    EXPECT_EQ(lines[2], ("2," + local(rig.t2).join(',') + ",u2,,Salida disparada: Sirena\r").toUtf8());
    EXPECT_EQ(desktop.opened.size(), 1);

    answerWith(QStringLiteral("    No    ")); // do not overwrite
    rig.w().findChild<QPushButton *>("BBExportarHistCsv")->click();
    EXPECT_EQ(csv.size(), lines.join('\n').size());
}

TEST(HistoryWindow, RegistroIsRefusedWithoutAModuleAndALockedModuleAsksItsCode)
{
    {
        Rig rig;
        ASSERT_TRUE(rig.start({"--lock", "1234"}));
        ASSERT_TRUE(waitFor([&] { return rig.w().engine().state.protegit; }, kWaitMs));
        QSignalSpy panel(&rig.w().engine().programming, &ProgrammingState::accessPanelShown);
        rig.w().findChild<QPushButton *>("BBEvents")->click();
        ASSERT_TRUE(waitFor([&] { return !panel.isEmpty(); }, kWaitMs));
        EXPECT_TRUE(rig.w().findChild<QWidget *>("PBloqueig")->isVisible());
        EXPECT_NE(rig.front(), rig.page());
    }
    Rig rig;
    ASSERT_TRUE(rig.start({}, false));
    QSignalSpy told(&rig.history(), &EventHistory::message);
    rig.w().findChild<QPushButton *>("BBEvents")->click();
    ASSERT_TRUE(waitFor([&] { return !told.isEmpty(); }, kWaitMs));
    EXPECT_EQ(told.first().at(1).toString(), " No hay ningún equipo conectado");
    EXPECT_EQ(told.first().at(2).toInt(), 5);
    EXPECT_NE(rig.front(), rig.page());
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(top))
            box->done(QMessageBox::Ok);
}

TEST(Screenshots, DISABLED_HistoryPage)
{
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QStringLiteral("."));
    Rig rig;
    ASSERT_TRUE(rig.start());
    rig.w().resize(1180, 760);
    ASSERT_TRUE(rig.readEnds([&] { rig.w().findChild<QPushButton *>("BBEvents")->click(); }));
    QTest::qWait(300);
    rig.w().grab().save(dir + QStringLiteral("/history.png"));
    auto *picker = rig.w().findChild<ui::DatePicker *>("CPEvents");
    picker->showPopup();
    QTest::qWait(300);
    // The calendar is a window of its own.
    picker->calendar()->window()->grab().save(dir + QStringLiteral("/history-calendar.png"));
    picker->hidePopup();
}

} // namespace

#include "test_history_window.moc"
