#pragma once

#include "core/editor/CellRules.h"
#include "core/params/FieldModel.h"

#include <QPersistentModelIndex>
#include <QTableView>

#include <functional>

class QComboBox;
class QLineEdit;
class QToolButton;

namespace velmar::ui {

class GridDelegate;

// The key of a key press as the editor filters see it; false for navigation
// and other keys that keep their normal meaning.
bool keyFromEvent(const QKeyEvent *event, editor::Key &key);

// One grid of the editor pages (StringGrid): a table view over a GridModel
// that applies the editor rules of the core. It carries the grid's control
// name as objectName; its in-place option list (CBSG...) is a child named
// after the list. The model never sees the view.
class GridEditor : public QTableView {
    Q_OBJECT
public:
    // Whether user changes are marked now (link up, program not busy).
    using ContextFn = std::function<ChangeContext()>;

    GridEditor(GridModel &grid, FieldModel &fields, ContextFn context, QWidget *parent = nullptr);

    GridModel &grid() const { return m_grid; }
    FieldModel &fields() const { return m_fields; }
    ChangeContext context() const { return m_context ? m_context() : ChangeContext{}; }

    // The grid's in-place list, null when it has none.
    QComboBox *optionList() const { return m_list; }
    bool listShown() const;

    // The notice of an imported list or template is shown (operator grid).
    bool importShown() const { return m_importShown; }
    void setImportShown(bool shown);

    // Model index of a data cell (column, row from 1).
    QModelIndex cellIndex(int column, int row) const;

    // Shows up to maxRows data rows without scrolling; the rest scroll.
    void setVisibleRows(int maxRows);
    // How the grid uses spare width: not at all (it keeps the width of its
    // columns), by widening its last column, or by widening every column.
    enum class Fill { None, LastColumn, AllColumns };
    void setFill(Fill fill);
    // Widens the columns to their contents and headings, with a minimum.
    void fitColumns();

    // A text the user gave a cell (typed, pasted or chosen): stored in the
    // model and marked as the editor rules say.
    void setCellByUser(const QModelIndex &index, const QString &text);
    // The key filter: applied to a key typed into the current cell, by the
    // grid itself or by the cell editor open in it. Returns true when the
    // key was taken (refused or acted upon) and must go no further.
    bool filterKey(QKeyEvent *event, QLineEdit *cellEditor);

    void showList(const QModelIndex &index);
    void hideList();
    void toggleList(const QModelIndex &index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Door lists: a click on "Borrar" wants the delete button shown or hidden.
    void deleteButtonWanted(bool shown);
    // The grid scrolled; firstColumnShown: its first scrollable column is in view.
    void scrolled(bool firstColumnShown);
    // The user changed a cell (after the marking rules ran).
    void cellEdited(int column, int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;
    // A new language: the in-place list shows its names in it.
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void listTexts();
    void listChosen(int item);
    // A click (or Space) on a check-box cell; false for other cells.
    bool tick(const QModelIndex &index);
    void sortBy(int column);
    void placeSortMarker();

    GridModel &m_grid;
    FieldModel &m_fields;
    ContextFn m_context;
    GridDelegate *m_delegate = nullptr;
    editor::OptionList m_listDesign;
    QComboBox *m_list = nullptr;
    QPersistentModelIndex m_listIndex;
    QToolButton *m_sortMarker = nullptr;
    int m_sortColumn = -1;
    int m_visibleRows = 0;
    bool m_importShown = false;
    bool m_quietSelection = false; // selection moved by the program: no list
    bool m_listJustShown = false;
    bool m_hidingList = false;
};

} // namespace velmar::ui
