#include "ui/files/FileDialogs.h"

#include <QFileDialog>

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

} // namespace velmar::ui
