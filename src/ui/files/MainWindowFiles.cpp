// The window's side of the event-text and list files: the file commands of
// the panel pages, the operator list and the phone list, and the
// delete-all buttons. Reading, checking and writing the files is the
// core's (core/files); a file is read and checked whole before any grid
// takes it, so a refused file leaves the page as it was.
#include "core/files/EventTextFile.h"
#include "core/files/ListFiles.h"
#include "ui/files/FileDialogs.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MessageDialogs.h"

#include <QFileInfo>
#include <QPushButton>

#include <functional>
#include <tuple>

namespace velmar::ui {

namespace {

struct FileTexts {
    QString openTitle;
    QString saveTitle;
    QString filter;
};

FileTexts eventTexts()
{
    return {MainWindow::tr("Importar el listado de eventos"), MainWindow::tr("Exportar el listado de eventos"),
            MainWindow::tr("Listado de eventos (*.txt)")};
}

FileTexts listTexts(files::ListKind kind)
{
    switch (kind) {
    case files::ListKind::Operators:
        return {MainWindow::tr("Importar el listado de operadoras"),
                MainWindow::tr("Exportar el listado de operadoras"), MainWindow::tr("Listado de operadoras (*.txt)")};
    case files::ListKind::Phones:
        return {MainWindow::tr("Importar el listado de teléfonos"),
                MainWindow::tr("Exportar el listado de teléfonos"), MainWindow::tr("Listado de teléfonos (*.txt)")};
    case files::ListKind::Zones:
        break;
    }
    return {MainWindow::tr("Importar el listado de zonas"), MainWindow::tr("Exportar el listado de zonas"),
            MainWindow::tr("Listado de zonas (*.txt)")};
}

// How a failed save is told: the event and zone lists with the saving
// error box, the operator and phone lists with a box that closes itself.
enum class SaveError { Box, SelfClosing };

class FileActions {
public:
    FileActions(MainWindow *window, Engine &engine) : m_w(window), m_e(engine) {}

    void import(const FileTexts &texts, const files::RowFormat &format,
                const std::function<void(const files::ParsedRows &, const QString &)> &apply) const
    {
        if (m_e.programming.working())
            return;
        const QString path = chooseFile(m_w, {false, texts.openTitle, texts.filter});
        if (path.isEmpty())
            return;
        const files::ParsedRows rows = files::readRowFile(path, format);
        if (!rows.ok) {
            ElMeuMessageDlg(MainWindow::tr("Fichero error"),
                            path + QStringLiteral("\r\n\r\n") + MainWindow::tr("Este fichero no es correcto")
                                + QStringLiteral("\r\n") + rows.reason,
                            DlgType::Error, {MainWindow::tr("    Cerrar   ")}, QMessageBox::Ok, m_w);
            return;
        }
        apply(rows, QFileInfo(path).fileName());
        m_w->programming()->refreshMarks();
    }

    void exportTo(const FileTexts &texts, SaveError style, const std::function<QByteArray()> &bytes,
                  const std::function<void(const QString &)> &saved = {}) const
    {
        const SaveOutcome out = saveToChosenFile(m_w, {true, texts.saveTitle, texts.filter}, bytes);
        if (out.path.isEmpty())
            return;
        const QString &path = out.path;
        const QString &error = out.error;
        const QString name = QFileInfo(path).fileName();
        if (error.isEmpty()) {
            if (saved)
                saved(name);
            return;
        }
        const QStringList ok{MainWindow::tr("    Aceptar   ")};
        if (style == SaveError::Box)
            ElMeuMessageDlg(MainWindow::tr("ERROR"), MainWindow::tr("Error al guardar : ") + path + u'\r' + error,
                            DlgType::Error, ok, QMessageBox::Ok, m_w);
        else
            ElMeuMessageDlgTemps(MainWindow::tr("ERROR"), texts.saveTitle + u' ' + name + u'\r' + error,
                                 DlgType::Error, 8, ok, QMessageBox::Ok, m_w);
    }

    // Clicking the named button of the programming view runs fn.
    template <typename Fn>
    void onClick(const QString &button, Fn fn) const
    {
        if (auto *b = m_w->programming()->findChild<QPushButton *>(button))
            QObject::connect(b, &QPushButton::clicked, m_w, fn);
    }

private:
    MainWindow *m_w;
    Engine &m_e;
};

// The file name box shows the file the page's list was saved to; it is not
// a change to write.
void showFileName(FieldModel &fields, const char *box, const QString &name)
{
    if (EditField *e = fields.edit(QString::fromLatin1(box)))
        e->setText(name);
}

} // namespace

void MainWindow::wireFiles()
{
    const FileActions actions(this, m_engine);
    FieldModel &fields = m_engine.fields;

    for (const panels::PanelPageForm &form : panels::pageForms()) {
        if (!*form.fileEdit || !*form.grid)
            continue;
        const QString suffix = QString::fromLatin1(form.tab).mid(int(qstrlen("TSCentral")));
        const panels::PanelPageForm *f = &form;
        if (qstrcmp(form.tab, "TSCentralAguilera") == 0) {
            // The bridged panel's file is its zone list.
            const files::ListKind zones = files::ListKind::Zones;
            actions.onClick(QStringLiteral("BBImportarFitxer") + suffix, [actions, &fields, zones] {
                actions.import(listTexts(zones), files::listFormat(zones),
                             [&fields, zones](const files::ParsedRows &rows, const QString &name) {
                                 files::importList(fields, zones, rows, name);
                             });
            });
            actions.onClick(QStringLiteral("BBExportarFitxer") + suffix, [actions, &fields, zones] {
                actions.exportTo(
                    listTexts(zones), SaveError::Box,
                    [&fields, zones] { return files::exportList(*files::listGrid(fields, zones), zones); },
                    [&fields](const QString &name) { showFileName(fields, "EImportarFitxer", name); });
            });
            actions.onClick(QStringLiteral("BBEsborrarFitxer") + suffix,
                          [this] { m_engine.listErase.BBEsborraZonesClick(); });
            continue;
        }
        actions.onClick(QStringLiteral("BBImportarFitxer") + suffix, [actions, &fields, f] {
            actions.import(eventTexts(), files::eventTextFormat(*f),
                         [&fields, f](const files::ParsedRows &rows, const QString &name) {
                             files::importEventText(fields, *f, rows, name);
                         });
        });
        actions.onClick(QStringLiteral("BBExportarFitxer") + suffix, [actions, &fields, f] {
            actions.exportTo(
                eventTexts(), SaveError::Box,
                [&fields, f] { return files::exportEventText(*fields.grid(QString::fromLatin1(f->grid)), *f); },
                [&fields, f](const QString &name) { showFileName(fields, f->fileEdit, name); });
        });
        actions.onClick(QStringLiteral("BBEsborrarFitxer") + suffix, [this, f] { m_engine.listErase.eraseEvents(*f); });
    }

    for (const auto &[kind, importButton, exportButton] :
         {std::tuple{files::ListKind::Operators, "BBImportarOperadores", "BBExportarOperadores"},
          std::tuple{files::ListKind::Phones, "BBImportarTel", "BBExportarTel"}}) {
        const files::ListKind k = kind;
        actions.onClick(QLatin1String(importButton), [actions, &fields, k] {
            actions.import(listTexts(k), files::listFormat(k),
                         [&fields, k](const files::ParsedRows &rows, const QString &name) {
                             files::importList(fields, k, rows, name);
                         });
        });
        actions.onClick(QLatin1String(exportButton), [actions, &fields, k] {
            actions.exportTo(listTexts(k), SaveError::SelfClosing,
                           [&fields, k] { return files::exportList(*files::listGrid(fields, k), k); });
        });
    }
    connect(m_programming, &ProgrammingView::operatorsEraseRequested, &m_engine.listErase,
            &ListErase::BBEsborraOperadoresClick);
}

} // namespace velmar::ui
