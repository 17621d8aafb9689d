#pragma once

#include "core/cloud/DoorLists.h"

#include <QObject>

class QPushButton;

namespace velmar::ui {

class GridEditor;
class ProgrammingView;

// The door page's cloud commands: "Cargar tel." / "Cargar usuario",
// "Guardar" and "Eliminar" of the phone and user lists on the core's
// DoorLists, the save button shown by the first changed cell, the delete
// button by the "Borrar" ticks, both hidden whenever the list is cleared,
// and the directory's messages about the lists.
class DoorListsUi : public QObject {
    Q_OBJECT
public:
    DoorListsUi(DoorLists &lists, FieldModel &fields, ProgrammingView *view, QWidget *window);

private:
    struct Commands {
        GridEditor *grid = nullptr;
        QPushButton *read = nullptr;
        QPushButton *save = nullptr;
        QPushButton *remove = nullptr;
    };
    void wire(DoorLists::List list, const Commands &c);
    const Commands &commands(DoorLists::List list) const;

    DoorLists &m_lists;
    Commands m_phones;
    Commands m_users;
};

} // namespace velmar::ui
