// The event-text and list files in the real window against the simulated
// module: a file imported on its page is written by the next page write,
// exported again byte for byte, a bad file leaves the page as it was, and
// the delete-all buttons send their erases.
#include "ui/editor/GridEditor.h"
#include "ui/files/FileDialogs.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"

#include "e2e/window/ChosenFile.h"
#include "e2e/window/Linked.h"
#include "support/Dialogs.h"
#include "support/Wait.h"

#include <QFile>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::answerWith;
using velmar::test::ChosenFile;
using velmar::test::Linked;
using velmar::test::waitFor;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

bool programmingOn(Linked &l, const char *tab)
{
    return l.programmingOn(tab);
}

// "Borrar" of a page, confirmed: the module receives `first`, then `next`,
// and finally `last`.
void eraseConfirmed(Linked &l, const char *button, const QString &first, const QString &next, const QString &last)
{
    const qsizetype mark = l.received().size();
    answerWith(QStringLiteral("     Sí    "));
    l.find<QPushButton>(button)->click();
    EXPECT_TRUE(l.receives(last, mark));
    const QStringList received = l.received(mark);
    EXPECT_GE(received.indexOf(first), 0);
    EXPECT_LT(received.indexOf(first), received.indexOf(next));
}

bool idle(Linked &l)
{
    return waitFor([&] { return !l.w->engine().programming.working(); }, 20000);
}

TEST(FilesWindow, EventTextsImportedWrittenExportedAndErased)
{
    Linked l({QStringLiteral("--panel"), QStringLiteral("ID3000")});
    ASSERT_TRUE(programmingOn(l, "TSCentralID3000"));
    GridModel &g = l.w->programming()->gridEditor(u"SGCentralID3000")->grid();
    ChosenFile chosen;

    // A file made on Windows: Windows-1252, CR LF.
    const QByteArray file = "Tipo evento App SMS EMail C\xF3" "digo CID Texto del mensaje\r\n"
                            "0245 0 1 0 63100112 Sirena activa/Sirena parada\r\n"
                            "0246 2 0 0 000 Bater\xED" "a baja/Bater\xED" "a bien\r\n";
    chosen.path = l.dir.filePath("eventos.txt");
    writeFile(chosen.path, file);
    l.find<QPushButton>("BBImportarFitxerID3000")->click();
    EXPECT_EQ(chosen.asked.last().title, QStringLiteral("Importar el listado de eventos"));
    EXPECT_EQ(g.cell(6, 2), QStringLiteral("Batería baja/Batería bien"));
    EXPECT_EQ(l.w->engine().fields.edit(u"EImportarFitxerID3000")->text(), QStringLiteral("eventos.txt"));

    // The page write empties the module's block and sends the file's rows and name.
    const qsizetype mark = l.received().size();
    l.find<QPushButton>("BBGravarPag")->click();
    EXPECT_TRUE(l.receives(QStringLiteral("vm+96xx=0"), mark, 20000));
    EXPECT_TRUE(l.receives(QStringLiteral("vm+9500=eventos.txt"), mark, 20000));
    EXPECT_TRUE(l.receives(QStringLiteral("vm+9601=0245:;1;;63100112;Sirena activa/Sirena parada"), mark, 20000));
    ASSERT_TRUE(idle(l));
    EXPECT_FALSE(g.cellDiffers(6, 1));
    // The module holds the texts: its echo carries them back.
    EXPECT_TRUE(waitFor([&] {
        for (const auto &t : velmar::test::readTranscript(l.transcript()))
            if (t.kind == u"TX" && t.text == u"+9601:0245:;1;;63100112;Sirena activa/Sirena parada")
                return true;
        return false;
    }));

    // Exported, the page gives back the file it took.
    chosen.path = l.dir.filePath("exportado.txt");
    l.find<QPushButton>("BBExportarFitxerID3000")->click();
    EXPECT_EQ(readAll(chosen.path), file);

    // A file that does not parse is refused whole: the grid is left as it was.
    const struct {
        const char *what;
        QByteArray bytes;
    } bad[] = {
        {"columns", "h\r\n0300 1 1 1 1110 Fuego\r\n0301 1 1\r\n"},
        {"binary", QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0", 10)},
        {"empty", QByteArray()},
        {"huge", QByteArray(50 * 1024 * 1024, 'a')},
    };
    for (const auto &b : bad) {
        chosen.path = l.dir.filePath("malo.txt");
        writeFile(chosen.path, b.bytes);
        answerWith(QStringLiteral("    Cerrar   "));
        l.find<QPushButton>("BBImportarFitxerID3000")->click();
        EXPECT_EQ(g.cell(1, 1), QStringLiteral("0245")) << b.what;
        EXPECT_EQ(g.cell(1, 3), QString()) << b.what;
        EXPECT_FALSE(g.cellDiffers(6, 1)) << b.what;
    }

    // "Borrar", confirmed: the file name and the block are erased, the page emptied.
    eraseConfirmed(l, "BBEsborrarFitxerID3000", QStringLiteral("vm+9500="), QStringLiteral("vm+96xx=0"),
                   QStringLiteral("vm+96xx=0"));
    EXPECT_EQ(g.cell(1, 1), QString());
}

TEST(FilesWindow, OperatorListImportedWrittenExportedAndDeleted)
{
    Linked l;
    ASSERT_TRUE(programmingOn(l, "TSConfiguracio"));
    GridModel &g = l.w->programming()->gridEditor(u"SGOperadores")->grid();
    ChosenFile chosen;

    QByteArray file = "   Operadora,APN,Usuario,Password\r\nVelnet,apn.velnet,usr,pwd\r\n";
    for (int r = 2; r <= 16; ++r)
        file += ",,,\r\n";
    chosen.path = l.dir.filePath("operadoras.txt");
    writeFile(chosen.path, file);
    l.find<QPushButton>("BBImportarOperadores")->click();
    EXPECT_EQ(g.colour(), FieldColour::Changed);
    const qsizetype mark = l.received().size();
    l.find<QPushButton>("BBGravarPag")->click();
    EXPECT_TRUE(l.receives(QStringLiteral("vm+8501=Velnet;apn.velnet;usr;pwd"), mark, 20000));
    ASSERT_TRUE(idle(l));

    chosen.path = l.dir.filePath("copia.txt");
    l.find<QPushButton>("BBExportarOperadores")->click();
    EXPECT_EQ(readAll(chosen.path), file);

    // Exporting over an existing file asks first; "No" leaves it alone.
    writeFile(chosen.path, "keep");
    answerWith(QStringLiteral("    No    "));
    l.find<QPushButton>("BBExportarOperadores")->click();
    EXPECT_EQ(readAll(chosen.path), QByteArray("keep"));

    // "Borrar", confirmed: every operator record is written empty.
    const qsizetype beforeErase = l.received().size();
    answerWith(QStringLiteral("     Sí    "));
    l.find<QPushButton>("BBEsborraOperadores")->click();
    EXPECT_TRUE(l.receives(QStringLiteral("vm+8510="), beforeErase, 20000));
    EXPECT_TRUE(l.received(beforeErase).contains(QStringLiteral("vm+8501=")));
    ASSERT_TRUE(idle(l));
    EXPECT_EQ(g.cell(0, 1), QString());
    EXPECT_FALSE(g.cellDiffers(0, 1));
}

TEST(FilesWindow, ZoneListImportedWrittenExportedAndDeleted)
{
    Linked l({QStringLiteral("--panel"), QStringLiteral("AGE44")});
    ASSERT_TRUE(programmingOn(l, "TSCentralAguilera"));
    GridModel &g = l.w->programming()->gridEditor(u"SGLlistatZonesAgui")->grid();
    ChosenFile chosen;

    const QByteArray file = "ZONA C\xF3" "digo CID NOMBRE\r\n1 110 Cocina\r\n2 000 S\xF3tano norte\r\n";
    chosen.path = l.dir.filePath("zonas.txt");
    writeFile(chosen.path, file);
    l.find<QPushButton>("BBImportarFitxerAguilera")->click();
    EXPECT_EQ(g.cell(2, 2), QStringLiteral("Sótano norte"));
    const qsizetype mark = l.received().size();
    l.find<QPushButton>("BBGravarPag")->click();
    EXPECT_TRUE(l.receives(QStringLiteral("vm+9000=zonas.txt"), mark, 20000));
    EXPECT_TRUE(l.receives(QStringLiteral("vm+9101=110;Cocina"), mark, 20000));
    ASSERT_TRUE(idle(l));

    chosen.path = l.dir.filePath("copia.txt");
    l.find<QPushButton>("BBExportarFitxerAguilera")->click();
    EXPECT_EQ(readAll(chosen.path), file);

    eraseConfirmed(l, "BBEsborrarFitxerAguilera", QStringLiteral("vm+9000="), QStringLiteral("vm+91xx=0"),
                   QStringLiteral("vm+99xx=0"));
    EXPECT_EQ(g.cell(2, 1), QString());
}

} // namespace

namespace {

TEST(FilesWindow, PhoneListFromWindowsRoundTripsAndABadOneIsRefused)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok());
    GridModel &g = *l.w->engine().fields.grid(u"SGTelefons");
    ChosenFile chosen;

    const QByteArray file = "Borrar,Tel\xE9" "fonos,Referencia ,Habilita,Bot\xF3n\r\n"
                            ",600111222,Porter\xED" "a,1,1\r\n"
                            "1,+34600333444,Garaje,0,2\r\n";
    chosen.path = l.dir.filePath("telefonos.txt");
    writeFile(chosen.path, file);
    l.find<QPushButton>("BBImportarTel")->click();
    EXPECT_EQ(chosen.asked.last().title, QStringLiteral("Importar el listado de teléfonos"));
    EXPECT_EQ(g.cell(2, 1), QStringLiteral("Portería"));

    chosen.path = l.dir.filePath("copia.txt");
    l.find<QPushButton>("BBExportarTel")->click();
    EXPECT_EQ(readAll(chosen.path), file);

    chosen.path = l.dir.filePath("malo.txt");
    writeFile(chosen.path, "h\r\n,600999999,Nuevo,1,1\r\n,600,x,1\r\n");
    answerWith(QStringLiteral("    Cerrar   "));
    l.find<QPushButton>("BBImportarTel")->click();
    EXPECT_EQ(g.cell(1, 1), QStringLiteral("600111222"));
}

} // namespace
