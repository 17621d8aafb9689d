#pragma once

#include <QStyledItemDelegate>

namespace velmar {

// Draws a drop-down's entries with word wrap, each as tall as its text needs
// in the list's width, so long city lists of the zone selector stay readable.
class WrappedListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit WrappedListDelegate(QWidget *list);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    QWidget *m_list;
};

} // namespace velmar
