#include "ui/cloud/DoorListsUi.h"

#include "core/editor/CellMarking.h"
#include "ui/editor/GridEditor.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MessageDialogs.h"

#include <QPushButton>

namespace velmar::ui {

using List = DoorLists::List;

DoorListsUi::DoorListsUi(DoorLists &lists, FieldModel &fields, ProgrammingView *view, QWidget *window)
    : QObject(window), m_lists(lists)
{
    auto button = [view](const char *name) { return view->findChild<QPushButton *>(QLatin1String(name)); };
    m_phones = {view->gridEditor(u"SGTelefons"), button("BBLlegirTel"), button("BBGuardarTel"),
                button("BBEliminarTel")};
    m_users = {view->gridEditor(u"SGUsuaris"), button("BBLlegirUsuaris"), button("BbGuardarUsuaris"),
               button("BBEliminarUsuaris")};
    wire(List::Phones, m_phones);
    wire(List::Users, m_users);

    auto cleared = [this](int opcio) {
        for (const List list : {List::Phones, List::Users}) {
            if (opcio != 0 && opcio != int(list))
                continue;
            commands(list).save->hide();
            commands(list).remove->hide();
        }
    };
    connect(&fields, &FieldModel::doorListsCleared, this, cleared);
    // Nothing to save or delete before a list is read.
    cleared(0);
    connect(&lists, &DoorLists::workingChanged, this, [this](List list, bool working) {
        const Commands &c = commands(list);
        for (QPushButton *b : {c.read, c.save, c.remove})
            b->setEnabled(!working);
    });
    connect(&lists, &DoorLists::listRead, view, &ProgrammingView::refreshMarks);
    connect(&lists, &DoorLists::message, window, [window](const QString &title, const QString &text, int seconds) {
        ElMeuMessageDlgOpen(title, text, DlgType::Error, seconds, {MainWindow::tr("    Aceptar   ")},
                            QMessageBox::Ok, window);
    });
}

const DoorListsUi::Commands &DoorListsUi::commands(List list) const
{
    return list == List::Phones ? m_phones : m_users;
}

void DoorListsUi::wire(List list, const Commands &c)
{
    const bool phones = list == List::Phones;
    connect(c.read, &QPushButton::clicked, &m_lists,
            phones ? &DoorLists::BBLlegirTelClick : &DoorLists::BBLlegirUsuarisClick);
    connect(c.save, &QPushButton::clicked, &m_lists,
            phones ? &DoorLists::BBGuardarTelClick : &DoorLists::BbGuardarUsuarisClick);
    connect(c.remove, &QPushButton::clicked, &m_lists,
            phones ? &DoorLists::BBEliminarTelClick : &DoorLists::BBEliminarUsuarisClick);
    connect(c.grid, &GridEditor::deleteButtonWanted, c.remove, &QWidget::setVisible);
    // The first cell drawn as changed shows the save button; only a clearing hides it.
    GridEditor *g = c.grid;
    QPushButton *save = c.save;
    connect(&g->grid(), &QAbstractItemModel::dataChanged, save,
            [g, save](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                if (!save->isHidden())
                    return;
                const ChangeContext context = g->context();
                for (int r = topLeft.row(); r <= bottomRight.row(); ++r)
                    for (int column = topLeft.column(); column <= bottomRight.column(); ++column)
                        if (editor::drawnModified(g->grid(), column, r + 1, context)) {
                            save->show();
                            return;
                        }
            });
}

} // namespace velmar::ui
