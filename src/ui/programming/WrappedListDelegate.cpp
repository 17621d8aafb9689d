#include "ui/programming/WrappedListDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

namespace velmar {

namespace {
constexpr int kMargin = 3; // text inset from the entry's edges

int textWidth(const QWidget *list, const QStyleOptionViewItem &option)
{
    const auto *view = qobject_cast<const QAbstractItemView *>(list);
    const int width = view ? view->viewport()->width() : list->width();
    return std::max(1, (width > 0 ? width : option.rect.width()) - 2 * kMargin);
}
} // namespace

WrappedListDelegate::WrappedListDelegate(QWidget *list)
    : QStyledItemDelegate(list), m_list(list)
{
}

QSize WrappedListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int width = textWidth(m_list, option);
    const QRect r = option.fontMetrics.boundingRect(QRect(0, 0, width, 100000),
                                                    Qt::TextWordWrap | Qt::AlignLeft,
                                                    index.data(Qt::DisplayRole).toString());
    return {width + 2 * kMargin, r.height() + 2 * kMargin};
}

void WrappedListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear(); // the style draws the background and focus, we draw the text
    const QWidget *w = opt.widget;
    QStyle *style = w ? w->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
    painter->save();
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(opt.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin),
                      Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

} // namespace velmar
