// The interface in each language: every caption, hint and heading of every
// page changes with the language (names that are the same in both excepted),
// and switching loses nothing the user typed.
#include "core/shell/SettingsStore.h"
#include "ui/editor/GridEditor.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "support/Wait.h"

#include <gtest/gtest.h>

#include <map>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::waitFor;

namespace {

// Texts that stay as they are in every language, and why.
const QStringList kSameInEveryLanguage = {
    // The language menu names each language in its own words.
    QStringLiteral("Español"), QStringLiteral("English"), QString::fromUtf8("Français"),
    QString::fromUtf8("Português"),
    // The traffic lamps of the link are labelled with the line names.
    QStringLiteral("TX"), QStringLiteral("RX"),
    // The module's parts are named by their technology (ADSL and COM are in
    // the .ts files as grid headings; GPRS only names a part, and the
    // circuit list heads its two link columns with both names).
    QStringLiteral("GPRS"), QStringLiteral("Ethernet"),
    // The panel's zone buttons: "Z" and the zone number, in every language.
    QStringLiteral("Z"),
    // "X" empties the history's date, a sign rather than a word.
    QStringLiteral("X"),
};

// A text as a pattern: numbers and placeholders out, so that "E-mail 1:"
// is the text "E-mail %1:" of the .ts file.
QString pattern(QString text)
{
    static const QRegularExpression numbers(QStringLiteral("%[1-9]|[0-9]+"));
    return text.remove(numbers).simplified();
}

struct Options {
    QTemporaryDir dir;
    StartOptions opts;
    Options()
    {
        opts.settings.file = dir.filePath(QStringLiteral("settings.ini"));
        opts.settings.secretFile = dir.filePath(QStringLiteral("secret.key"));
    }
};

// Texts of the .ts file of a language whose translation is the Spanish text
// itself: names and abbreviations that read the same (App, SMS, Test...).
QSet<QString> identicalIn(const char *language)
{
    QFile f(QStringLiteral(VELMAR_SOURCE_DIR "/resources/translations/velmar_%1.ts").arg(QLatin1String(language)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QString ts = QString::fromUtf8(f.readAll());
    static const QRegularExpression pair(
        QStringLiteral("<source>([^<]*)</source>\\s*<translation>([^<]*)</translation>"));
    QSet<QString> same;
    for (const QRegularExpressionMatch &m : pair.globalMatch(ts))
        if (m.captured(1) == m.captured(2)) {
            const QString text = pattern(m.captured(1).replace(QStringLiteral("&quot;"), QStringLiteral("\"")));
            same << text;
            // A label also heads a column without its colon ("Hora: ", "Hora").
            if (text.endsWith(u':'))
                same << text.chopped(1).trimmed();
        }
    return same;
}

// Every text of the window a user reads, keyed by where it is.
using Texts = std::map<QString, QString>;

QString keyOf(const QObject *o, const QObject *top)
{
    QStringList path;
    for (; o && o != top; o = o->parent()) {
        QString name = o->objectName();
        if (name.isEmpty() && o->parent()) {
            int index = 0;
            for (const QObject *sibling : o->parent()->children()) {
                if (sibling == o)
                    break;
                if (qstrcmp(sibling->metaObject()->className(), o->metaObject()->className()) == 0)
                    ++index;
            }
            name = QStringLiteral("%1#%2").arg(QLatin1String(o->metaObject()->className())).arg(index);
        }
        path.prepend(name);
    }
    return path.join(u'/');
}

void addActions(Texts &t, const QString &where, const QList<QAction *> &actions)
{
    for (int i = 0; i < actions.size(); ++i) {
        const QAction *a = actions[i];
        const QString key = where + u'/' + (a->objectName().isEmpty() ? QString::number(i) : a->objectName());
        t[key + QStringLiteral(":text")] = a->text();
        if (a->menu())
            addActions(t, key, a->menu()->actions());
    }
}

Texts walk(MainWindow &w)
{
    Texts t;
    t[QStringLiteral("window:title")] = w.windowTitle();
    addActions(t, QStringLiteral("menu"), w.menuBar()->actions());
    for (const QWidget *c : w.findChildren<QWidget *>()) {
        if (c->isWindow())
            continue; // the service console and dialogs are not pages
        const QString key = keyOf(c, &w);
        if (!c->toolTip().isEmpty())
            t[key + QStringLiteral(":tip")] = c->toolTip();
        if (auto *l = qobject_cast<const QLabel *>(c))
            t[key + QStringLiteral(":text")] = l->text();
        else if (auto *b = qobject_cast<const QAbstractButton *>(c))
            t[key + QStringLiteral(":text")] = b->text();
        else if (auto *g = qobject_cast<const QGroupBox *>(c))
            t[key + QStringLiteral(":title")] = g->title();
        else if (auto *tabs = qobject_cast<const QTabWidget *>(c))
            for (int i = 0; i < tabs->count(); ++i)
                t[key + QStringLiteral(":tab%1").arg(i)] = tabs->tabText(i);
        else if (auto *combo = qobject_cast<const QComboBox *>(c); combo && c->objectName() != u"CCBPort")
            for (int i = 0; i < combo->count(); ++i)
                t[key + QStringLiteral(":item%1").arg(i)] = combo->itemText(i);
        else if (auto *list = qobject_cast<const QListWidget *>(c))
            for (int i = 0; i < list->count(); ++i)
                t[key + QStringLiteral(":item%1").arg(i)] = list->item(i)->text();
        if (auto *view = qobject_cast<const QAbstractItemView *>(c); view && view->model()) {
            const QAbstractItemModel *m = view->model();
            for (int i = 0; i < m->columnCount(); ++i)
                t[key + QStringLiteral(":heading%1").arg(i)] = m->headerData(i, Qt::Horizontal).toString();
            if (auto *grid = qobject_cast<const GridEditor *>(c);
                grid && grid->grid().design().labels == RowLabels::Captions)
                for (int r = 0; r < m->rowCount(); ++r)
                    t[key + QStringLiteral(":caption%1").arg(r)] = m->index(r, 0).data().toString();
        }
    }
    return t;
}

bool sameInEveryLanguage(const QString &key, const QString &text, const QSet<QString> &identical)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (!text.contains(letter) || identical.contains(pattern(text)) || kSameInEveryLanguage.contains(pattern(text)))
        return true;
    // A lamp without a caption of its own is hinted with its control name.
    const QString control = key.section(u'/', -1).section(u':', 0, 0);
    return key.endsWith(QStringLiteral(":tip")) && text == control;
}

class Languages : public ::testing::Test {
protected:
    Options o;
    std::unique_ptr<MainWindow> w;

    void SetUp() override
    {
        w = std::make_unique<MainWindow>(o.opts);
        w->show();
        QCoreApplication::processEvents();
    }
    QAction *entry(const char *name) { return w->findChild<QAction *>(QLatin1String(name)); }
    template <typename T>
    T *find(const char *name) { return w->findChild<T *>(QLatin1String(name)); }
};

TEST_F(Languages, EveryPageChangesItsTextsAndComesBackTheSame)
{
    const Texts spanish = walk(*w);
    ASSERT_GT(spanish.size(), 500u);
    const struct {
        const char *entry;
        const char *ts;
        int id;
    } cases[] = {{"LanguageEnglish", "en", 1033}, {"LanguageFrancais", "fr", 1036}, {"LanguagePortugues", "pt", 2070}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        entry(c.entry)->trigger();
        EXPECT_EQ(w->language(), c.id);
        EXPECT_TRUE(entry(c.entry)->isChecked());
        EXPECT_FALSE(entry("LanguageSpanish")->isChecked());
        const QSet<QString> identical = identicalIn(c.ts);
        const Texts now = walk(*w);
        EXPECT_EQ(now.size(), spanish.size()) << "the switch added or removed controls";
        QStringList left;
        for (const auto &[key, text] : spanish)
            if (!text.isEmpty() && now.count(key) && now.at(key) == text && !sameInEveryLanguage(key, text, identical))
                left << key + QStringLiteral(" = \"") + text + u'"';
        EXPECT_TRUE(left.isEmpty()) << left.size() << " texts still in Spanish:\n"
                                    << qPrintable(left.join(u'\n'));
    }
    entry("LanguageSpanish")->trigger();
    EXPECT_EQ(w->language(), 3082);
    const Texts back = walk(*w);
    QStringList differ;
    for (const auto &[key, text] : spanish)
        if (!back.count(key) || back.at(key) != text)
            differ << key + QStringLiteral(": \"") + text + QStringLiteral("\" -> \"")
                          + (back.count(key) ? back.at(key) : QStringLiteral("(gone)")) + u'"';
    EXPECT_TRUE(differ.isEmpty()) << qPrintable(differ.join(u'\n'));
}

TEST_F(Languages, WhatTheUserTypedAndItsRedMarkSurviveTheSwitch)
{
    w->engine().state.circuit = true; // changes are marked only with a module
    w->showProgramming();
    auto *empresa = find<QLineEdit>("EProgEmpresa");
    empresa->setFocus();
    QTest::keyClicks(empresa, "Incendios Norte");
    GridEditor *inputs = w->programming()->gridEditor(u"SGEntradesOpc");
    ASSERT_NE(inputs, nullptr);
    GridModel &grid = inputs->grid();
    const QModelIndex cell = grid.index(2, grid.columnCount() - 1);
    inputs->setCellByUser(cell, QStringLiteral("Puerta garaje"));
    auto *hora = find<QComboBox>("CBHora");
    hora->setCurrentIndex(12);
    emit hora->activated(12); // as a choice in the list
    const int changed = w->engine().fields.ncampsModificats;
    ASSERT_EQ(changed, 3);

    entry("LanguageFrancais")->trigger();
    entry("LanguageEnglish")->trigger();

    EXPECT_EQ(empresa->text(), QStringLiteral("Incendios Norte"));
    EXPECT_TRUE(w->engine().fields.edit(u"EProgEmpresa")->isChangedMark());
    EXPECT_EQ(grid.data(cell).toString(), QStringLiteral("Puerta garaje"));
    EXPECT_EQ(hora->currentIndex(), 12);
    EXPECT_EQ(hora->currentText(), QStringLiteral("(UTC+02:00) Riga"));
    EXPECT_EQ(w->engine().fields.ncampsModificats, changed);
    EXPECT_TRUE(w->programmingShown());
    EXPECT_TRUE(w->engine().state.circuit) << "the link is kept";
}

TEST_F(Languages, TheCoreTextsFollowTheLanguage)
{
    entry("LanguageEnglish")->trigger();
    EXPECT_EQ(w->statusText(), QStringLiteral("NOT   CONNECTED"));
    EXPECT_EQ(w->engine().namedTexts.GetNamedResourceString(u"txt_HarIniSys"), QStringLiteral("System start-up"));
    EXPECT_EQ(w->engine().namedTexts.GetNamedResourceString(u"rsADOk"), QStringLiteral("    Acknowledge    "));
    GridModel *operators = w->engine().fields.grid(u"SGOperadores");
    ASSERT_NE(operators, nullptr);
    QStringList headings;
    for (int c = 0; c < operators->columnCount(); ++c)
        headings << operators->heading(c);
    EXPECT_TRUE(headings.contains(QStringLiteral("User"))) << qPrintable(headings.join(u'|'));
    entry("LanguagePortugues")->trigger();
    EXPECT_EQ(w->statusText(), QString::fromUtf8("SEM   LIGAÇÃO"));
}

TEST_F(Languages, RefusedWhileLinkedThroughTheBroker)
{
    w->engine().state.connex_remota = QStringLiteral("MQTT");
    w->engine().state.circuit = true;
    QString shown;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + u'|' + box->text();
            box->done(QMessageBox::Ok);
        }
    });
    poll.start();
    entry("LanguageEnglish")->trigger();
    EXPECT_TRUE(shown.contains(QString::fromUtf8("Está conectado remotamente a un equipo"))) << qPrintable(shown);
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("¡ ATENCIÓN !")));
    EXPECT_EQ(w->language(), 3082);
    EXPECT_TRUE(entry("LanguageSpanish")->isChecked());
    EXPECT_FALSE(entry("LanguageEnglish")->isChecked());
    EXPECT_EQ(w->statusText(), QStringLiteral("SIN   CONEXION"));
    EXPECT_EQ(w->settings().Idioma, QStringLiteral("SPANISH"));
}

TEST(LanguageAtStart, FirstStartFollowsTheLocaleAndAStoredLanguageWins)
{
    Options o;
    o.opts.locale = QLocale(QLocale::French, QLocale::France);
    {
        MainWindow w{o.opts};
        EXPECT_EQ(w.language(), 1036);
        EXPECT_TRUE(w.findChild<QAction *>(QStringLiteral("LanguageFrancais"))->isChecked());
        EXPECT_EQ(w.statusText(), QString::fromUtf8("NON   CONNECTÉ"));
        // Chosen in the menu, kept when the window closes.
        w.findChild<QAction *>(QStringLiteral("LanguageEnglish"))->trigger();
        w.show();
        EXPECT_TRUE(w.close());
    }
    ConfigInicial stored;
    SettingsStore(o.opts.settings, QString()).LLegirConfigInicial(stored);
    EXPECT_EQ(stored.Idioma, QStringLiteral("ENGLISH"));
    // The stored language, not the locale, on the next start.
    MainWindow again{o.opts};
    EXPECT_EQ(again.language(), 1033);
    EXPECT_EQ(again.statusText(), QStringLiteral("NOT   CONNECTED"));
}

TEST(LanguageAtStart, AnyOtherLocaleOrAnUnknownKeywordKeepsSpanish)
{
    Options o;
    o.opts.locale = QLocale(QLocale::German, QLocale::Germany);
    {
        MainWindow w{o.opts};
        EXPECT_EQ(w.language(), 3082);
        EXPECT_EQ(w.settings().Idioma, QStringLiteral("SPANISH"));
    }
    ConfigInicial c;
    const SettingsStore store(o.opts.settings, QString());
    store.LLegirConfigInicial(c);
    c.Idioma = QStringLiteral("KLINGON");
    store.GuardarConfigInicial(c);
    o.opts.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    MainWindow w{o.opts};
    EXPECT_EQ(w.language(), 3082);
    EXPECT_EQ(w.statusText(), QStringLiteral("SIN   CONEXION"));
}

TEST(LanguageAtStart, AnEmptyStoredLanguageFollowsTheLocale)
{
    Options o;
    ConfigInicial c;
    const SettingsStore store(o.opts.settings, QString());
    store.LLegirConfigInicial(c);
    c.Idioma.clear();
    store.GuardarConfigInicial(c);
    ASSERT_TRUE(store.holdsLanguage());
    o.opts.locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
    MainWindow w{o.opts};
    EXPECT_EQ(w.language(), 2070);
    EXPECT_EQ(w.settings().Idioma, QStringLiteral("PORTUGUES"));
}

TEST(LanguageAtStart, ALanguageWithoutItsModuleChangesNothing)
{
    Options o;
    QTemporaryDir empty;
    o.opts.languageModules = empty.filePath(QStringLiteral("velmar_"));
    MainWindow w{o.opts};
    w.findChild<QAction *>(QStringLiteral("LanguageEnglish"))->trigger();
    EXPECT_EQ(w.language(), 3082);
    EXPECT_TRUE(w.findChild<QAction *>(QStringLiteral("LanguageSpanish"))->isChecked());
    EXPECT_FALSE(w.findChild<QAction *>(QStringLiteral("LanguageEnglish"))->isChecked());
    EXPECT_EQ(w.statusText(), QStringLiteral("SIN   CONEXION"));
    EXPECT_EQ(w.settings().Idioma, QStringLiteral("SPANISH"));
}

} // namespace

namespace {

// A module's record as the status page shows it: identification, inputs and
// outputs, links, gauges, aliases and the GSM line.
const QString kRecord = QStringLiteral(
    "{#0090326143000|001"
    "#1Instalaciones Sur|Pedro|Nave 3|1000123:356938035643809|BC600"
    "#21000000000000000|01|5631|20:41.1,2.3|1:C0:80:40|1:64:5A:64|12,3|40"
    "#3Puerta|Ventana|||||||||||||Sirena|"
    "#4Luz|Bomba|Riego|Alarma"
    "#5600123456:Movistar:UC20:1.02}");

} // namespace

// Pictures of the status page and of the configuration page in the four
// languages (scripts/screenshots.sh): status-<language>.png, config-<language>.png.
TEST(Screenshots, DISABLED_Languages)
{
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QStringLiteral("."));
    Options o;
    o.opts.port = QStringLiteral("/nonexistent/velmar-port");
    MainWindow w{o.opts};
    w.resize(1180, 860);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(200); // the start-up probe of the missing port is over
    Engine &e = w.engine();
    e.state.inf = e.state.circuit = e.state.circuittrobat = true;
    emit e.identification.connectedChanged(true);
    emit e.identification.recognised();
    e.channel.receive(kRecord.toLatin1() + "\r\n");
    FieldModel &f = e.fields;
    const FieldContext none;
    const std::pair<int, const char *> values[] = {
        {102, "Instalaciones Norte"}, {103, "J. Pérez"}, {104, "Nave 3"}, {105, "+34600111222"},
        {108, "clave"}, {111, "4321"}, {6600, "1234"}, {1590, "BC600"}, {211, "0"},
        {212, "192.168.1.50"}, {213, "255.255.255.0"}, {214, "192.168.1.1"}, {215, "8.8.8.8"},
        {216, "8.8.4.4"}, {200, "00:1E:C0:12:34:56"},
    };
    for (const auto &[number, value] : values)
        f.deliver(number, QString::fromUtf8(value), none);
    const struct {
        const char *entry;
        const char *name;
    } languages[] = {{"LanguageSpanish", "es"}, {"LanguageEnglish", "en"}, {"LanguageFrancais", "fr"},
                     {"LanguagePortugues", "pt"}};
    auto shoot = [&](const QString &name) {
        QCoreApplication::processEvents();
        w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    for (const auto &l : languages) {
        w.findChild<QAction *>(QLatin1String(l.entry))->trigger();
        e.monitor.showStatusPage();
        shoot(QStringLiteral("status-") + QLatin1String(l.name));
        w.showProgramming();
        w.programming()->tabs()->setCurrentIndex(0);
        shoot(QStringLiteral("config-") + QLatin1String(l.name));
    }
}
