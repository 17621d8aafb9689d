// Template files through the real window against the simulated module: the
// menu entries, their dialogs, and what a loaded template makes the write
// send.
#include "ui/shell/MainWindow.h"

#include "Linked.h"
#include "support/Dialogs.h"
#include "support/Wait.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::Linked;
using velmar::test::waitFor;

namespace {

// Answers the modal dialogs that come up one after the other: a message box
// by a button's caption, a file dialog with a file name. Each answer also
// notes the box's text.
class DialogScript {
public:
    DialogScript &button(const QString &caption)
    {
        m_steps << Step{caption, QString()};
        return *this;
    }
    DialogScript &file(const QString &path)
    {
        m_steps << Step{QString(), path};
        return *this;
    }
    void start()
    {
        m_timer = std::make_unique<QTimer>();
        QObject::connect(m_timer.get(), &QTimer::timeout, [this] { poll(); });
        m_timer->start(50);
    }
    bool done() const { return m_next == m_steps.size(); }
    QStringList texts;

private:
    struct Step {
        QString caption;
        QString file;
    };
    void poll()
    {
        if (done())
            return;
        QWidget *modal = QApplication::activeModalWidget();
        const Step &s = m_steps.at(m_next);
        if (auto *d = qobject_cast<QFileDialog *>(modal); d && !s.file.isEmpty()) {
            ++m_next;
            // Typed into the name box, as a user would, then accepted.
            if (auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(s.file);
            QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal); box && s.file.isEmpty()) {
            for (QAbstractButton *b : box->buttons())
                if (b->text() == s.caption) {
                    ++m_next;
                    texts << box->text();
                    b->click();
                    return;
                }
        }
    }
    QList<Step> m_steps;
    qsizetype m_next = 0;
    std::unique_ptr<QTimer> m_timer;
};

const QString kOk = QStringLiteral("    Aceptar   ");

struct TemplateWindow : Linked {
    using Linked::Linked;

    QAction *action(const char *name) { return find<QAction>(name); }
    bool readDone()
    {
        const Engine &e = w->engine();
        return waitFor([&] { return e.programming.progllegida && !e.programming.busy()
                                    && !e.reader.fullReadRunning(); }, 30000);
    }
    // Runs a menu entry with its dialogs answered; the texts they showed.
    QStringList run(const char *entry, DialogScript script)
    {
        script.start();
        action(entry)->trigger();
        EXPECT_TRUE(waitFor([&] { return script.done(); }, 10000)) << entry;
        return script.texts;
    }
    QStringList save(const QString &path)
    {
        return run("MIICrearplantilla", std::move(DialogScript().button(QStringLiteral("Todo")).file(path).button(kOk)));
    }
    QStringList load(const QString &path)
    {
        return run("MIIImportarPlantilla", std::move(DialogScript().file(path).button(kOk)));
    }
    QByteArray bytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Values the factory reset undoes, in a single field, a list and a flag word.
const QStringList kProgrammed = {
    QStringLiteral("set 0104 Obra 7"),
    QStringLiteral("set 3010 10;3;1;Puerta"),
    QStringLiteral("set 3301 0101000001"),
    QStringLiteral("set 8503 Orange;internet;;"),
};

TEST(WindowTemplates, ASavedTemplateBringsTheProgrammingBackAfterAFactoryReset)
{
    test::ForcedButtonLayout layout(QDialogButtonBox::WinLayout);
    TemplateWindow l({}, kProgrammed);
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    Engine &e = l.w->engine();

    l.find<QPushButton>("BBProg")->click();
    ASSERT_TRUE(l.readDone());
    ASSERT_EQ(l.find<QLineEdit>("EProgRef")->text(), QStringLiteral("Obra 7"));

    const QString first = l.dir.filePath(QStringLiteral("modulo.pla"));
    const QStringList saved = l.save(first);
    ASSERT_EQ(saved.size(), 2);
    EXPECT_EQ(saved.last(), first + QStringLiteral("\r\n\r\n    Plantilla creada correctamente    "));
    const QByteArray before = l.bytes(first);
    ASSERT_TRUE(before.startsWith("PLANTILLA COMPLETA\r\n"));
    EXPECT_TRUE(before.contains("\r\n3016=Puerta;10;3;1 {"));

    // Factory values back, and read again.
    qsizetype mark = l.received().size();
    l.run("MIIDefecte", std::move(DialogScript().button(QStringLiteral("     Sí    "))));
    ASSERT_TRUE(l.receives(QStringLiteral("vm+Xxxx=0"), mark));
    ASSERT_TRUE(l.receives(QStringLiteral("vm+Xxxx"), l.received().indexOf(QStringLiteral("vm+Xxxx=0"), mark) + 1, 20000));
    ASSERT_TRUE(l.readDone());
    ASSERT_NE(l.find<QLineEdit>("EProgRef")->text(), QStringLiteral("Obra 7"));

    // Loading marks the fields; nothing reaches the module until the write.
    mark = l.received().size();
    const QStringList loaded = l.load(first);
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_EQ(loaded.first(), first + QStringLiteral("\r\n\r\n    Plantilla cargada    "));
    EXPECT_EQ(l.find<QLineEdit>("EProgRef")->text(), QStringLiteral("Obra 7"));
    EXPECT_GT(e.fields.ncampsModificats, 0);
    for (const QString &line : l.received(mark))
        EXPECT_FALSE(line.contains(u'=')) << line.toStdString();

    mark = l.received().size();
    l.action("MIGravarCircuit")->trigger();
    ASSERT_TRUE(l.receives(QStringLiteral("vm+3010=10;3;1;Puerta"), mark, 30000));
    ASSERT_TRUE(waitFor([&] { return !e.writer.running() && !e.programming.busy(); }, 60000));
    for (const char *sent : {"vm+0104=Obra 7", "vm+3301=0101000001", "vm+8503=Orange;internet;;"})
        EXPECT_TRUE(l.received(mark).contains(QLatin1String(sent))) << sent;

    // A second read shows the module as it was: the same template.
    l.action("MILlegirCircuit")->trigger();
    ASSERT_TRUE(waitFor([&] { return e.reader.fullReadRunning() || e.programming.busy(); }, 10000));
    ASSERT_TRUE(l.readDone());
    const QString second = l.dir.filePath(QStringLiteral("otra.pla"));
    l.save(second);
    EXPECT_EQ(l.bytes(second), before);
}

TEST(WindowTemplates, ADamagedTemplateIsRefusedAndChangesNothing)
{
    test::ForcedButtonLayout layout(QDialogButtonBox::WinLayout);
    TemplateWindow l;
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    Engine &e = l.w->engine();
    l.find<QPushButton>("BBProg")->click();
    ASSERT_TRUE(l.readDone());
    auto *empresa = l.find<QLineEdit>("EProgEmpresa");
    const QString shown = empresa->text();
    const int marked = e.fields.ncampsModificats;

    const struct {
        const char *what;
        QByteArray bytes;
        const char *says;
    } cases[] = {
        {"cut short", "PLANTILLA COMPLETA\r\n1590=Estandar {ECentral}\r\n102=Otra {EProgEmpresa}\r\n104=Ob",
         "ERROR : el archivo est\xc3\xa1 incompleto"},
        {"binary", QByteArray("PLANTILLA COMPLETA\r\n102=Otra {x}\r\n\x00\x00\x7f", 37), "ERROR : el archivo no es un texto"},
        {"empty", QByteArray(), "ERROR : el archivo est\xc3\xa1 vac\xc3\xado"},
        {"without its panel", "PLANTILLA COMPLETA\r\n102=Otra {EProgEmpresa}\r\n", "Esta plantilla no es correcta"},
        {"for a panel the module lacks", "PLANTILLA COMPLETA\r\n1590=BC600 {ECentral}\r\n102=Otra {EProgEmpresa}\r\n",
         "El tipo de central de la plantilla y del equipo no coinciden"},
    };
    for (const auto &c : cases) {
        const QString path = l.dir.filePath(QStringLiteral("mala.pla"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        const QStringList said = l.load(path);
        ASSERT_EQ(said.size(), 1) << c.what;
        EXPECT_TRUE(said.first().contains(QString::fromUtf8(c.says))) << c.what << ": " << said.first().toStdString();
        EXPECT_EQ(empresa->text(), shown) << c.what;
        EXPECT_EQ(e.fields.ncampsModificats, marked) << c.what;
    }
}

} // namespace
