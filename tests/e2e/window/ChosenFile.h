#pragma once

#include "ui/files/FileDialogs.h"

#include <QList>
#include <QString>

namespace velmar::test {

// While it lives the file dialogs answer with `path` (empty: cancelled) and
// keep what they were asked.
struct ChosenFile {
    QString path;
    QList<ui::FileRequest> asked;
    ChosenFile()
    {
        ui::setFileChooser([this](const ui::FileRequest &r) {
            asked << r;
            return path;
        });
    }
    ~ChosenFile() { ui::setFileChooser({}); }
    ChosenFile(const ChosenFile &) = delete;
    ChosenFile &operator=(const ChosenFile &) = delete;
};

} // namespace velmar::test
