#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace velmar::ui {

// What a file action asks the user for: a file to open or to save, with the
// dialog's title and its filter ("Listado de eventos (*.txt)").
struct FileRequest {
    bool save = false;
    QString title;
    QString filter;
};

// Returns the chosen file's path, empty when cancelled. The file dialogs
// ask no question of their own: the actions ask before overwriting.
QString chooseFile(QWidget *parent, const FileRequest &request);

// Replaces the dialogs (tests answer with a path); an empty function brings
// the dialogs back. Returns the chooser it replaced.
using FileChooser = std::function<QString(const FileRequest &)>;
FileChooser setFileChooser(FileChooser chooser);

// A save through the chooser: the file chosen (empty when cancelled, or
// when the user would not overwrite it) and the error text of a failed
// write (empty when saved).
struct SaveOutcome {
    QString path;
    QString error;
    bool saved() const { return !path.isEmpty() && error.isEmpty(); }
};

// Asks for a file to save to, with `suffix` added when the name has none,
// and asks before overwriting an existing one. Empty when the user gave up.
QString chooseSavePath(QWidget *parent, const FileRequest &request, const QString &suffix = {});

// Asks for the file, asks before overwriting an existing one, then writes
// bytes() there all or nothing. Telling a failure is the caller's.
SaveOutcome saveToChosenFile(QWidget *parent, const FileRequest &request, const std::function<QByteArray()> &bytes);

} // namespace velmar::ui
