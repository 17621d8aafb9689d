#include "ui/files/FileDialogs.h"

#include "core/files/RowFile.h"
#include "ui/shell/MessageDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace velmar::ui {

namespace {
FileChooser &chooser()
{
    static FileChooser c;
    return c;
}
} // namespace

QString chooseFile(QWidget *parent, const FileRequest &request)
{
    if (chooser())
        return chooser()(request);
    if (request.save)
        return QFileDialog::getSaveFileName(parent, request.title, QString(), request.filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    return QFileDialog::getOpenFileName(parent, request.title, QString(), request.filter);
}

FileChooser setFileChooser(FileChooser c)
{
    FileChooser previous = std::move(chooser());
    chooser() = std::move(c);
    return previous;
}

QString chooseSavePath(QWidget *parent, const FileRequest &request, const QString &suffix)
{
    QString path = chooseFile(parent, request);
    if (path.isEmpty())
        return {};
    if (!suffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    if (QFileInfo::exists(path)
        && ElMeuMessageDlg(QCoreApplication::translate("FileDialogs", "CONFIRMACION"),
                           QCoreApplication::translate("FileDialogs", "Este fichero ya existe, ¿desea sobreescribirlo?"),
                           DlgType::Confirmation,
                           {QCoreApplication::translate("FileDialogs", "     Sí    "),
                            QCoreApplication::translate("FileDialogs", "    No    ")},
                           QMessageBox::Yes | QMessageBox::No, parent)
               == QMessageBox::No)
        return {};
    return path;
}

SaveOutcome saveToChosenFile(QWidget *parent, const FileRequest &request, const std::function<QByteArray()> &bytes)
{
    const QString path = chooseSavePath(parent, request);
    if (path.isEmpty())
        return {};
    return {path, files::saveFile(path, bytes())};
}

} // namespace velmar::ui
