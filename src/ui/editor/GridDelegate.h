#pragma once

#include <QStyledItemDelegate>

namespace velmar::ui {

class GridEditor;

// Draws and edits the cells of one grid: changed cells red, check-box cells
// as check boxes, typed cells through a line editor whose keys the grid's
// filter judges. List, check-box and read-only cells get no editor.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(GridEditor *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

    // Long text columns are written from the left, the others centred.
    bool leftAligned(int column) const;

private:
    GridEditor *m_view;
};

} // namespace velmar::ui
