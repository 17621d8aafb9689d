// The window's side of the template files: the two menu entries, their
// guards, the file dialogs and the messages. What a template holds and how
// it is applied is decided in core/templates.
#include "core/templates/Templates.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MessageDialogs.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>

namespace velmar::ui {

namespace {

// Non-native, so that it looks the same everywhere and tests can answer it.
QString askFile(QWidget *parent, const QString &name, QFileDialog::AcceptMode mode)
{
    QFileDialog d(parent);
    d.setObjectName(name);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setOption(QFileDialog::DontConfirmOverwrite); // asked in the program's own words
    d.setAcceptMode(mode);
    d.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setNameFilter(MainWindow::tr("Plantilla") + QStringLiteral(" (*.pla)"));
    d.setDefaultSuffix(QStringLiteral("pla"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    return d.selectedFiles().constFirst();
}

} // namespace

void MainWindow::buildTemplates(QMenu *menu)
{
    QAction *save = m_texts.text(menu->addAction(QString(), this, &MainWindow::MIICrearplantillaClick),
                                 [] { return tr("Guardar plantilla"); });
    save->setObjectName(QStringLiteral("MIICrearplantilla"));
    QAction *load = m_texts.text(menu->addAction(QString(), this, &MainWindow::MIIImportarPlantillaClick),
                                 [] { return tr("Importar datos de plantilla"); });
    load->setObjectName(QStringLiteral("MIIImportarPlantilla"));
}

bool MainWindow::templateGuards()
{
    Engine &e = m_engine;
    if (e.state.tempsActu > 0 || e.programming.working())
        return false; // the module is being worked on (an update, a read, a write)
    if (e.programming.bidiCentral) {
        e.programming.warnTelecontrol();
        return false;
    }
    if (e.state.protegit) {
        e.programming.showAccessPanel();
        return false;
    }
    e.commands.PassarPanelProgramacio();
    return true;
}

TemplateScope MainWindow::templateScope() const
{
    return {m_engine.programming.panelTab(), m_engine.state.central, m_engine.state.circuittrobat};
}

void MainWindow::MIICrearplantillaClick()
{
    if (!templateGuards())
        return;
    // Standard order Yes, No: "Rojo" is the partial template, "Todo" the complete one.
    const int kind = ElMeuMessageDlg(
        tr("¡ ATENCIÓN !"),
        tr("Si desea guardar una plantilla con todos los campos, pulse [Todo]\r\nSi desea guardar una "
           "plantilla con los campos marcados, pulse [Rojo]"),
        DlgType::Confirmation, {tr("Rojo"), tr("Todo")}, QMessageBox::Yes | QMessageBox::No, this);
    if (kind != QMessageBox::Yes && kind != QMessageBox::No)
        return;
    const bool partial = kind == QMessageBox::Yes;

    const QString file = askFile(this, QStringLiteral("SDPlantilla"), QFileDialog::AcceptSave);
    if (file.isEmpty())
        return;
    if (QFileInfo::exists(file)
        && ElMeuMessageDlg(tr("CONFIRMACION"), tr("Esta plantilla ya existe, ¿desea sobreescribirla?"),
                           DlgType::Confirmation, {tr("     Sí    "), tr("    No    ")},
                           QMessageBox::Yes | QMessageBox::No, this)
               != QMessageBox::Yes)
        return;

    const QByteArray bytes = encodeTemplate(partial, templateEntries(m_engine.fields, templateScope(), partial));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        ElMeuMessageDlg(QStringLiteral("ERROR"), out.errorString(), DlgType::Error, {tr("    Aceptar   ")},
                        QMessageBox::Ok, this);
        return;
    }
    ElMeuMessageDlg(tr("CONFIRMACION"), file + QStringLiteral("\r\n\r\n") + tr("    Plantilla creada correctamente    "),
                    DlgType::Information, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
}

void MainWindow::MIIImportarPlantillaClick()
{
    if (!templateGuards())
        return;
    const QString file = askFile(this, QStringLiteral("ODPlantilla"), QFileDialog::AcceptOpen);
    if (file.isEmpty())
        return;

    auto failed = [this](const QString &why) {
        ElMeuMessageDlg(QStringLiteral("ERROR"),
                        tr("Se ha producido un error al cargar la plantilla\r\n\r\nERROR : ") + why,
                        DlgType::Error, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
    };
    // The whole file is read and checked before anything on screen changes.
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return failed(in.errorString());
    if (in.size() > kTemplateMaxBytes)
        return failed(tr("el archivo es demasiado grande"));
    const TemplateRead read = parseTemplate(in.read(kTemplateMaxBytes + 1));
    if (!read.content)
        return failed(read.error);

    const TemplateApply applied = applyTemplate(m_engine.fields, *read.content, templateScope());
    if (!applied.ok) {
        ElMeuMessageDlg(applied.title, applied.message, DlgType::Error, {tr("    Aceptar   ")},
                        QMessageBox::Ok, this);
        return;
    }
    showProgramming();
    m_engine.programming.PRes = tr("Plantilla") + QStringLiteral("  ") + file;
    m_programming->setImportShown(true);
    ElMeuMessageDlg(tr("CONFIRMACION"), file + QStringLiteral("\r\n\r\n") + tr("    Plantilla cargada    "),
                    DlgType::Information, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
}

} // namespace velmar::ui
