// The window's part of the event history: the "Registro" button, its page,
// and the export of what the page shows to a spreadsheet or a CSV file.
// The file is made and written beside the window, which goes on painting.
#include "ui/shell/MainWindow.h"

#include "core/files/RowFile.h"
#include "core/history/EventTexts.h"
#include "core/history/HistoryExport.h"
#include "ui/files/FileDialogs.h"
#include "ui/history/HistoryPage.h"
#include "ui/shell/MessageDialogs.h"
#include "ui/update/UpdatePage.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPushButton>
#include <QStackedWidget>
#include <QUrl>
#include <QtConcurrent>

namespace velmar::ui {

QPushButton *MainWindow::buildHistoryButton(QWidget *bar)
{
    auto *events = m_texts.text(new QPushButton(bar), [] { return tr("Registro"); });
    events->setObjectName(QStringLiteral("BBEvents"));
    m_texts.tip(events, [] { return tr("Los eventos del equipo guardados en la nube"); });
    connect(events, &QPushButton::clicked, &m_engine.history, &EventHistory::BBEventsClick);
    return events;
}

void MainWindow::buildHistoryPage()
{
    EventHistory &history = m_engine.history;
    m_historyPage = new HistoryPage(history, m_views);
    m_views->addWidget(m_historyPage);
    history.setUpdateRunning([this] { return m_updatePage && m_updatePage->progressShown(); });
    connect(&history, &EventHistory::pageShown, this, [this] {
        m_views->setCurrentWidget(m_historyPage);
        m_engine.programming.mostraestat = false;
        m_engine.programming.panelmostrat = QStringLiteral("Events");
        emit m_engine.programming.viewChanged();
    });
    connect(&history, &EventHistory::internetLost, this, [this] { setCloudReachable(false); });
    connect(&history, &EventHistory::message, this, [this](const QString &title, const QString &text, int seconds) {
        ElMeuMessageDlgOpen(title, text, DlgType::Warning, seconds, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
    });
    connect(m_historyPage, &HistoryPage::exportWanted, this, &MainWindow::exportHistory);
}

void MainWindow::exportHistory(bool spreadsheet)
{
    history::ExportTable table{history::historyHeadings(), history::historyColumnWidths(), m_engine.history.rows(),
                               tr("Registro")};
    const FileRequest request{true, spreadsheet ? tr("Exportar a Excel") : tr("Exportar CSV"),
                              spreadsheet ? tr("Libro de hoja de cálculo (*.xlsx)") : tr("Texto CSV (*.csv)")};
    const QString path = chooseSavePath(this, request, spreadsheet ? QStringLiteral("xlsx") : QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    m_historyPage->setExporting(true);
    auto *watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher, path] {
        const QString error = watcher->result();
        watcher->deleteLater();
        m_historyPage->setExporting(false);
        if (!error.isEmpty()) {
            ElMeuMessageDlgOpen(tr("ERROR"), tr("Error al guardar : ") + path + u'\r' + error, DlgType::Error, 0,
                                {tr("    Aceptar   ")}, QMessageBox::Ok, this);
            return;
        }
        if (ElMeuMessageDlg(tr("Registro"),
                            tr("El registro se ha guardado en") + QStringLiteral("\r\n") + path
                                + QStringLiteral("\r\n") + tr("¿Desea abrirlo?"),
                            DlgType::Confirmation, {tr("     Sí    "), tr("    No    ")},
                            QMessageBox::Yes | QMessageBox::No, this)
            != QMessageBox::Yes)
            return;
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            ElMeuMessageDlgOpen(tr("¡ ATENCIÓN !"), tr("No hay ningún programa para abrir este fichero"),
                                DlgType::Warning, 0, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
    });
    watcher->setFuture(QtConcurrent::run([table = std::move(table), spreadsheet, path] {
        const history::ExportResult made =
            spreadsheet ? history::xlsxBytes(table) : history::ExportResult{history::csvBytes(table), {}};
        return made.ok() ? files::saveFile(path, made.bytes) : made.error;
    }));
}

} // namespace velmar::ui
