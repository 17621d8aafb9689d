#include "ui/editor/GridDelegate.h"

#include "core/editor/CellMarking.h"
#include "ui/editor/FieldColours.h"
#include "ui/editor/GridEditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>

namespace velmar::ui {

using namespace velmar::editor;

namespace {

bool typed(CellKind k)
{
    switch (k) {
    case CellKind::Text:
    case CellKind::Alias:
    case CellKind::Digits:
    case CellKind::ContactId:
    case CellKind::EventKind:
    case CellKind::Name:
    case CellKind::Hora:
    case CellKind::Phone:
        return true;
    default:
        return false;
    }
}

bool isCheck(CellKind k) { return k == CellKind::Check || k == CellKind::TextCheck; }

// Keeps out of the cell editor what the cell may not hold, however the text
// arrives: the keys the grid's filter lets through, the editor's own menu,
// a drop.
class CellTextValidator : public QValidator {
public:
    CellTextValidator(const GridDesign &design, QObject *parent) : QValidator(parent), m_design(design) {}

    State validate(QString &input, int &pos) const override
    {
        const QString kept = userCellText(m_design, input);
        if (kept != input) {
            pos = int(userCellText(m_design, input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }

private:
    const GridDesign &m_design;
};

} // namespace

GridDelegate::GridDelegate(GridEditor *view) : QStyledItemDelegate(view), m_view(view) {}

bool GridDelegate::leftAligned(int column) const
{
    const GridModel &g = m_view->grid();
    const GridDesign &d = g.design();
    const ColumnEditor e = columnEditor(d, column);
    const QString heading = d.headers.value(column);
    if (d.name == u"SGOperadores")
        return true;
    if (d.name == u"SGEntrades" && e.kind == CellKind::Alias)
        return true;
    if (d.name == u"SGTelefons" || d.name == u"SGUsuaris")
        return e.kind == CellKind::Text || e.kind == CellKind::Phone || e.kind == CellKind::ReadOnly;
    if (e.kind == CellKind::Fixed)
        return d.labels == RowLabels::Captions;
    if (e.kind == CellKind::Name)
        return true;
    return e.kind == CellKind::Text
           && (heading.contains(u"Mensaje") || heading.contains(u"Texto"));
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const GridModel &g = m_view->grid();
    const int column = index.column();
    const int row = index.row() + 1;
    const ColumnEditor editor = columnEditor(g.design(), column);

    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    opt.displayAlignment = (leftAligned(column) ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
    if (editor.kind == CellKind::Fixed)
        opt.backgroundBrush = opt.palette.brush(QPalette::Button);
    if (const QColor kind = kindColour(eventKindColour(g, column, row)); kind.isValid()) {
        opt.backgroundBrush = kind;
        opt.palette.setColor(QPalette::Text, Qt::black);
    }
    if (drawnModified(g, column, row, m_view->context(), m_view->importShown())) {
        opt.backgroundBrush = changedColour();
        opt.palette.setColor(QPalette::Text, Qt::black);
        opt.palette.setColor(QPalette::Highlight, QColor(0xA0, 0x00, 0x00));
        opt.palette.setColor(QPalette::HighlightedText, Qt::white);
    }
    const bool check = isCheck(editor.kind);
    if (check) {
        opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        opt.text.clear();
    }
    QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    if (check) {
        const bool on = editor.kind == CellKind::Check ? (g.flagWord(column, row) & 1) != 0
                                                        : g.cell(column, row) == u"1";
        QStyleOptionButton box;
        box.initFrom(opt.widget ? opt.widget : m_view);
        box.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        box.state |= on ? QStyle::State_On : QStyle::State_Off;
        const QSize size(style->pixelMetric(QStyle::PM_IndicatorWidth, &box, opt.widget),
                         style->pixelMetric(QStyle::PM_IndicatorHeight, &box, opt.widget));
        box.rect = QRect(QPoint(), size);
        box.rect.moveCenter(opt.rect.center());
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, opt.widget);
    }
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    if (isCheck(columnEditor(m_view->grid().design(), index.column()).kind))
        s.setWidth(qMax(s.width(), 34));
    return s;
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                    const QModelIndex &index) const
{
    if (!typed(columnEditor(m_view->grid().design(), index.column()).kind))
        return nullptr;
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setValidator(new CellTextValidator(m_view->grid().design(), edit));
    edit->installEventFilter(m_view);
    // The cell follows every key, as the filters judge the text in the cell.
    auto *self = const_cast<GridDelegate *>(this);
    connect(edit, &QLineEdit::textEdited, self, [self, edit] { emit self->commitData(edit); });
    return edit;
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return;
    // The cell follows the editor key by key: the same text coming back
    // must not move the cursor.
    const QString text = index.data(Qt::EditRole).toString();
    if (edit->text() != text)
        edit->setText(text);
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        m_view->setCellByUser(index, edit->text());
}

bool GridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                               const QStyleOptionViewItem &option, const QModelIndex &index)
{
    // Check-box cells are ticked by the grid on mouse down; the standard
    // toggle on release would tick them a second time.
    if (isCheck(columnEditor(m_view->grid().design(), index.column()).kind)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
            return true;
        default:
            return false;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

} // namespace velmar::ui
