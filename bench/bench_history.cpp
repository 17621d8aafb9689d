// The event history at the sizes the cloud gives it (100 rows, and 1000 with
// a date chosen): the rows taken into the "Registro" page and drawn, and the
// exports. The page is the real one on the offscreen platform unless one is
// set. Figures, for each size:
// - taking the rows and drawing the visible part of the grid, in ms;
// - making the .xlsx workbook and the CSV text, in ms and bytes;
// - the longest stall of the event loop (a 5 ms timer's lateness) while the
//   workbook is made the way the window makes it, on a pool thread, and its
//   ratio to the time making it takes: near 0 means the window kept painting
//   (1 would be a window frozen for the whole export).
// It prints its figures and exits 0; a benchmark, not a test.
#include "ui/history/HistoryPage.h"

#include "core/history/EventTexts.h"
#include "core/history/HistoryExport.h"
#include "core/shell/Engine.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QTableView>
#include <QtConcurrent>

#include <cstdio>

namespace {

QList<velmar::cloud::HistoryRow> rows(int count)
{
    QList<velmar::cloud::HistoryRow> out;
    for (int i = 0; i < count; ++i) {
        velmar::cloud::HistoryRow r;
        r.number = i + 1;
        r.date = QDate(2026, 12, 31).addDays(-i / 8).toString(QStringLiteral("dd-MM-yyyy"));
        r.time = QTime(23, 59).addSecs(-(i % 8) * 2700).toString(QStringLiteral("hh:mm:ss"));
        r.user = i % 3 ? QStringLiteral("tecnico%1@instalaciones-norte.es").arg(i % 17) : QStringLiteral("+34600%1").arg(i, 6, 10, QLatin1Char('0'));
        r.userName = i % 3 ? QStringLiteral("Técnico %1").arg(i % 17) : QString();
        if (i % 4 == 0)
            r.message = QStringLiteral("Salida disparada: Sirena planta %1, evacuación parcial").arg(i % 5);
        r.eventId = QStringList{"55001", "55000", "66001", "77000"}.at(i % 4);
        r.buttonNumber = i % 2 ? QString::number(1 + i % 4) : QString();
        out << r;
    }
    return out;
}

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velmar::Engine engine{velmar::Endpoints{}};
    velmar::ui::HistoryPage page(engine.history);
    page.resize(1200, 700);
    page.show();
    velmar::bench::sleepUntil([] { return false; }, 300);

    for (const int count : {100, 1000}) {
        const QList<velmar::cloud::HistoryRow> given = rows(count);
        QElapsedTimer t;
        t.start();
        engine.history.showRows(given);
        page.grid()->viewport()->repaint();
        const double shownMs = ms(t);

        velmar::history::ExportTable table{velmar::history::historyHeadings(), velmar::history::historyColumnWidths(),
                                           engine.history.rows(),
                                           QStringLiteral("Registro")};
        t.restart();
        const velmar::history::ExportResult book = velmar::history::xlsxBytes(table);
        const double xlsxMs = ms(t);
        t.restart();
        const QByteArray csv = velmar::history::csvBytes(table);
        const double csvMs = ms(t);

        // As the window does it: made beside the loop, the loop watched meanwhile.
        velmar::bench::StallWatch stalls;
        stalls.start();
        QFutureWatcher<velmar::history::ExportResult> watcher;
        t.restart();
        watcher.setFuture(QtConcurrent::run([table] { return velmar::history::xlsxBytes(table); }));
        velmar::bench::sleepUntil([&] { return watcher.isFinished(); }, 60000);
        const double besideMs = ms(t);
        stalls.stop();

        std::printf("rows %d: shown in %.1f ms; xlsx %.1f ms (%lld bytes, %s), csv %.2f ms (%lld bytes)\n", count,
                    shownMs, xlsxMs, static_cast<long long>(book.bytes.size()),
                    book.ok() ? "ok" : qPrintable(book.error), csvMs, static_cast<long long>(csv.size()));
        std::printf("  export beside the loop: %.1f ms; worst loop stall %.2f ms (own %.2f ms), "
                    "stall/export ratio %.3f\n",
                    besideMs, stalls.worstMs(), stalls.worstOwnMs(), besideMs > 0 ? stalls.worstOwnMs() / besideMs : 0.0);
    }
    return 0;
}
