#include "ui/editor/GridEditor.h"

#include "core/editor/CellMarking.h"
#include "core/editor/ListSort.h"
#include "ui/editor/GridDelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QToolButton>

namespace velmar::ui {

using namespace velmar::editor;

bool keyFromEvent(const QKeyEvent *e, Key &key)
{
    if (e->matches(QKeySequence::Copy)) {
        key = Key::of(KeyKind::Copy);
        return true;
    }
    if (e->matches(QKeySequence::Paste)) {
        key = Key::of(KeyKind::Paste);
        return true;
    }
    if (e->key() == Qt::Key_Backspace) {
        key = Key::of(KeyKind::Backspace);
        return true;
    }
    if (e->key() == Qt::Key_Escape) {
        key = Key::of(KeyKind::Escape);
        return true;
    }
    const QString text = e->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        key = Key::character(text.at(0));
        return true;
    }
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) {
        key = Key::of(KeyKind::Control);
        return true;
    }
    return false;
}

GridEditor::GridEditor(GridModel &grid, FieldModel &fields, ContextFn context, QWidget *parent)
    : QTableView(parent), m_grid(grid), m_fields(fields), m_context(std::move(context))
{
    setObjectName(grid.name());
    setModel(&grid);
    m_delegate = new GridDelegate(this);
    setItemDelegate(m_delegate);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setMinimumSectionSize(28);

    m_listDesign = editor::optionList(grid.design());
    if (!m_listDesign.name.isEmpty()) {
        m_list = new QComboBox(viewport());
        m_list->setObjectName(m_listDesign.name);
        m_list->addItems(m_listDesign.items);
        listTexts();
        m_list->setMaxVisibleItems(m_listDesign.items.size());
        m_list->hide();
        m_list->installEventFilter(this);
        connect(m_list, &QComboBox::activated, this, &GridEditor::listChosen);
    }

    const QString &name = grid.name();
    if (name == u"SGTelefons" || name == u"SGUsuaris") {
        m_sortMarker = new QToolButton(horizontalHeader());
        m_sortMarker->setObjectName(QStringLiteral("BBFletxa"));
        m_sortMarker->setArrowType(Qt::DownArrow);
        m_sortMarker->setAutoRaise(true);
        m_sortMarker->setFocusPolicy(Qt::NoFocus);
        m_sortMarker->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_sortMarker->hide();
        connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &GridEditor::sortBy);
        connect(horizontalHeader(), &QHeaderView::sectionResized, this, &GridEditor::placeSortMarker);
        // The marker stays until the list is read again.
        connect(&grid, &QAbstractItemModel::modelReset, m_sortMarker, &QWidget::hide);
    }
    // A cleared grid has its headings and row captions again: fit to them.
    connect(&grid, &QAbstractItemModel::modelReset, this, [this] {
        hideList();
        fitColumns();
        viewport()->update();
    });
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    fitColumns();
}

bool GridEditor::listShown() const
{
    return m_list && m_list->isVisible();
}

void GridEditor::setImportShown(bool shown)
{
    if (m_importShown == shown)
        return;
    m_importShown = shown;
    viewport()->update();
}

QModelIndex GridEditor::cellIndex(int column, int row) const
{
    return m_grid.index(row - 1, column);
}

void GridEditor::setVisibleRows(int maxRows)
{
    m_visibleRows = maxRows;
    setVerticalScrollBarPolicy(m_grid.dataRows() > maxRows ? Qt::ScrollBarAsNeeded
                                                            : Qt::ScrollBarAlwaysOff);
    setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    updateGeometry();
}

void GridEditor::setFill(Fill fill)
{
    QHeaderView *h = horizontalHeader();
    h->setStretchLastSection(fill == Fill::LastColumn);
    h->setSectionResizeMode(fill == Fill::AllColumns ? QHeaderView::Stretch : QHeaderView::Interactive);
    setSizePolicy(fill == Fill::None ? QSizePolicy::Maximum : QSizePolicy::Expanding,
                  sizePolicy().verticalPolicy());
    updateGeometry();
}

void GridEditor::fitColumns()
{
    resizeColumnsToContents();
    const QFontMetrics fm = horizontalHeader()->fontMetrics();
    for (int c = 0; c < m_grid.columns(); ++c) {
        const int heading = fm.horizontalAdvance(m_grid.heading(c)) + 16;
        int width = qMax(columnWidth(c), heading);
        if (m_delegate->leftAligned(c))
            width = qMax(width, fm.horizontalAdvance(QLatin1Char('M')) * 9);
        else if (columnEditor(m_grid.design(), c).kind == CellKind::Alias)
            width = qMax(width, fm.horizontalAdvance(QLatin1Char('M')) * 7);
        setColumnWidth(c, width);
    }
    updateGeometry();
}

QSize GridEditor::sizeHint() const
{
    QSize s = QTableView::sizeHint();
    int width = 2 * frameWidth();
    for (int c = 0; c < m_grid.columns(); ++c)
        width += columnWidth(c);
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width += verticalScrollBar()->sizeHint().width();
    s.setWidth(width);
    if (m_visibleRows > 0) {
        const int rows = qMin(m_visibleRows, m_grid.dataRows());
        s.setHeight(2 * frameWidth() + horizontalHeader()->sizeHint().height()
                    + rows * verticalHeader()->defaultSectionSize()
                    + (horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0));
    }
    return s;
}

QSize GridEditor::minimumSizeHint() const
{
    QSize s = QTableView::minimumSizeHint();
    if (m_visibleRows > 0)
        s.setHeight(sizeHint().height());
    return s;
}

void GridEditor::setCellByUser(const QModelIndex &index, const QString &text)
{
    if (!index.isValid())
        return;
    const int column = index.column();
    const int row = index.row() + 1;
    m_grid.setCell(column, row, userCellText(m_grid.design(), text));
    userEdited(m_fields, m_grid, column, row, context());
    viewport()->update(visualRect(index));
    emit cellEdited(column, row);
}

bool GridEditor::filterKey(QKeyEvent *event, QLineEdit *cellEditor)
{
    Key key;
    const QModelIndex index = currentIndex();
    if (!index.isValid() || !keyFromEvent(event, key))
        return false;
    const int column = index.column();
    const QString text = cellEditor ? cellEditor->text() : m_grid.cell(column, index.row() + 1);
    switch (judgeKey(m_grid.design(), column, text, key)) {
    case KeyVerdict::Accept:
        return false;
    case KeyVerdict::Refuse:
        break;
    case KeyVerdict::Copy:
        QApplication::clipboard()->setText(text);
        break;
    case KeyVerdict::Paste: {
        const QString clipboard = QApplication::clipboard()->text();
        if (!pasteAccepted(m_grid.design(), column, clipboard))
            break;
        const QString pasted = userCellText(m_grid.design(), clipboard);
        if (cellEditor) {
            cellEditor->setText(pasted);
            emit m_delegate->commitData(cellEditor);
        } else {
            setCellByUser(index, pasted);
        }
        break;
    }
    case KeyVerdict::ToggleList:
        toggleList(index);
        break;
    case KeyVerdict::CloseList:
        hideList();
        // Escape still closes an open cell editor.
        if (key.kind == KeyKind::Escape && cellEditor)
            return false;
        break;
    }
    event->accept();
    return true;
}

void GridEditor::showList(const QModelIndex &index)
{
    if (!m_list || !index.isValid())
        return;
    m_listIndex = index;
    const QRect cell = visualRect(index);
    const int width = m_listDesign.width > 0 ? m_listDesign.width : cell.width() - 2;
    m_list->setGeometry(cell.x() + 2, cell.y() + 2, qMax(width, 24),
                        qMax(cell.height() - 2, m_list->minimumSizeHint().height()));
    m_list->setCurrentIndex(m_listDesign.preselection.isEmpty()
                                ? -1
                                : m_listDesign.items.indexOf(m_listDesign.preselection));
    m_list->show();
    m_list->raise();
    m_list->setFocus(Qt::OtherFocusReason);
    m_list->showPopup();
    m_listJustShown = true;
}

void GridEditor::hideList()
{
    if (!m_list || !m_list->isVisible() || m_hidingList)
        return;
    QScopedValueRollback<bool> hiding(m_hidingList, true);
    m_list->hidePopup();
    // The grid takes the focus back first: a focused list that hides would
    // pass the focus on as a Tab does, moving the current cell.
    if (m_list->hasFocus())
        setFocus(Qt::OtherFocusReason);
    m_list->hide();
}

void GridEditor::toggleList(const QModelIndex &index)
{
    if (listShown())
        hideList();
    else
        showList(index);
}

void GridEditor::listChosen(int item)
{
    if (item >= 0 && item < m_listDesign.items.size() && m_listIndex.isValid())
        setCellByUser(m_listIndex, optionValue(m_listDesign, m_listDesign.items.at(item)));
    hideList();
}

bool GridEditor::tick(const QModelIndex &index)
{
    if (!index.isValid())
        return false;
    const int column = index.column();
    const int row = index.row() + 1;
    switch (columnEditor(m_grid.design(), column).kind) {
    case CellKind::Check:
        userTicked(m_fields, m_grid, column, row, context());
        break;
    case CellKind::TextCheck: {
        const DeleteButton b = clickTextCheck(m_grid, column, row);
        if (b != DeleteButton::Unchanged)
            emit deleteButtonWanted(b == DeleteButton::Show);
        break;
    }
    default:
        return false;
    }
    viewport()->update(visualRect(index));
    emit cellEdited(column, row);
    return true;
}

void GridEditor::keyPressEvent(QKeyEvent *event)
{
    if (state() != EditingState && filterKey(event, nullptr))
        return;
    // The keyboard ticks a check-box cell as a click does.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier
        && tick(currentIndex()))
        return;
    QTableView::keyPressEvent(event);
}

void GridEditor::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    m_listJustShown = false;
    QTableView::mousePressEvent(event);
    if (!index.isValid() || event->button() != Qt::LeftButton || tick(index))
        return;
    if (m_listDesign.clickToggles && !m_listJustShown)
        toggleList(index);
    else if (m_listDesign.clickOpens && !m_listJustShown && !listShown()
             && columnEditor(m_grid.design(), index.column()).showsList)
        showList(index);
}

void GridEditor::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second click of a double click ticks again, as every click does.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && tick(index))
        return;
    QTableView::mouseDoubleClickEvent(event);
}

void GridEditor::wheelEvent(QWheelEvent *event)
{
    // The wheel scrolls no grid; the event ends here.
    event->accept();
}

void GridEditor::focusInEvent(QFocusEvent *event)
{
    // Focus may pick a current cell: that is no choice of the user's.
    m_quietSelection = true;
    QTableView::focusInEvent(event);
    m_quietSelection = false;
}

void GridEditor::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (!m_list)
        return;
    if (listShown() && (!current.isValid() || current.column() != m_listIndex.column()))
        hideList();
    if (!m_quietSelection && current.isValid()
        && columnEditor(m_grid.design(), current.column()).showsList)
        showList(current);
}

void GridEditor::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    hideList();
    placeSortMarker();
    emit scrolled(horizontalScrollBar()->value() == 0);
}

void GridEditor::listTexts()
{
    // The items are the untranslated texts; what a choice writes is taken
    // from them, never from what is shown.
    for (int i = 0; i < m_list->count(); ++i)
        m_list->setItemText(i, QCoreApplication::translate("FieldModel", m_listDesign.items.at(i).toUtf8().constData()));
}

void GridEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_list)
        listTexts();
    QTableView::changeEvent(event);
}

void GridEditor::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeSortMarker();
}

bool GridEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list) {
        // Leaving the list hides it; its own popup takes no focus from it.
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            const QWidget *now = QApplication::focusWidget();
            const bool toPopup = now && now->window() == m_list->view()->window();
            if (!toPopup && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                hideList();
        } else if (event->type() == QEvent::KeyPress
                   && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            hideList();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            return filterKey(static_cast<QKeyEvent *>(event), edit);
    }
    return QTableView::eventFilter(watched, event);
}

void GridEditor::sortBy(int column)
{
    if (sortList(m_grid, column) < 0)
        return;
    m_sortColumn = column;
    placeSortMarker();
    m_sortMarker->show();
}

void GridEditor::placeSortMarker()
{
    if (!m_sortMarker || m_sortColumn < 0)
        return;
    QHeaderView *header = horizontalHeader();
    const int side = header->height();
    const int right = header->sectionViewportPosition(m_sortColumn) + header->sectionSize(m_sortColumn);
    m_sortMarker->setGeometry(right - side, 0, side, side);
}

} // namespace velmar::ui
