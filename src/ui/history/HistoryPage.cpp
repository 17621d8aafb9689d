#include "ui/history/HistoryPage.h"

#include "ui/history/DatePicker.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QWheelEvent>

namespace velmar::ui {

namespace {

// The rows the core holds, shown without copying them into items.
class HistoryModel : public QAbstractTableModel {
public:
    explicit HistoryModel(EventHistory &history, QObject *parent) : QAbstractTableModel(parent), m_history(history)
    {
        connect(&history, &EventHistory::rowsChanged, this, [this] {
            beginResetModel();
            endResetModel();
        });
    }
    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_history.rows().size());
    }
    int columnCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(history::historyHeadings().size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return m_history.rows().value(index.row()).value(index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return history::historyHeadings().value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    void retranslate() { emit headerDataChanged(Qt::Horizontal, 0, columnCount({}) - 1); }

private:
    EventHistory &m_history;
};

// SGHistoric: read-only; like every grid of the program the wheel does not scroll it.
class HistoryGrid : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void wheelEvent(QWheelEvent *event) override { event->accept(); }
};

} // namespace

HistoryPage::HistoryPage(EventHistory &history, QWidget *parent)
    : QWidget(parent), m_history(history), m_date(new DatePicker(this)), m_grid(new HistoryGrid(this))
{
    setObjectName(QStringLiteral("PEvents"));
    auto *layout = new QVBoxLayout(this);

    QLabel *caption = m_texts.label(this, [] { return tr("REGISTRO DE EVENTOS"); });
    caption->setObjectName(QStringLiteral("PEvents2"));
    QFont bold = caption->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    caption->setFont(bold);
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_texts.label(this, [] { return tr("A partir de: "); }));
    m_date->setObjectName(QStringLiteral("CPEvents"));
    m_texts.add(m_date, [this] { m_date->setPlaceholder(tr("Selecciona")); });
    bar->addWidget(m_date);
    auto *clear = new QToolButton(this);
    clear->setObjectName(QStringLiteral("PEsborraData"));
    clear->setText(QStringLiteral("X"));
    m_texts.tip(clear, [] { return tr("Borrar la fecha"); });
    bar->addWidget(clear);
    bar->addStretch();
    auto button = [&](const char *name, LayoutTexts::Text text) {
        auto *b = m_texts.text(new QPushButton(this), std::move(text));
        b->setObjectName(QLatin1String(name));
        bar->addWidget(b);
        return b;
    };
    QPushButton *read = button("BBLlegirEvents", [] { return tr("Leer los eventos"); });
    QPushButton *xlsx = button("BBExportarHist", [] { return tr("Exportar a Excel"); });
    m_texts.tip(xlsx, [] { return tr("Guardar el registro como libro de hoja de cálculo (.xlsx)"); });
    QPushButton *csv = button("BBExportarHistCsv", [] { return tr("Exportar CSV"); });
    m_texts.tip(csv, [] { return tr("Guardar el registro como texto separado por comas (.csv)"); });
    layout->addLayout(bar);

    auto *model = new HistoryModel(history, this);
    m_texts.add(this, [model] { model->retranslate(); });
    m_grid->setObjectName(QStringLiteral("SGHistoric"));
    m_grid->setModel(model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    const QList<int> widths = history::historyColumnWidths();
    for (int c = 0; c < widths.size(); ++c)
        m_grid->setColumnWidth(c, widths.at(c));
    layout->addWidget(m_grid, 1);

    connect(read, &QPushButton::clicked, &history, &EventHistory::BBLlegirEventsClick);
    connect(m_date, &DatePicker::closedUp, &history, &EventHistory::CPEventsCloseUp);
    connect(clear, &QToolButton::clicked, &history, &EventHistory::PEsborraDataClick);
    connect(&history, &EventHistory::dateChanged, m_date, &DatePicker::setDate);
    m_exports = {xlsx, csv};
    connect(&history, &EventHistory::readingChanged, this, &HistoryPage::holdCursor);
    connect(xlsx, &QPushButton::clicked, this, [this] { emit exportWanted(true); });
    connect(csv, &QPushButton::clicked, this, [this] { emit exportWanted(false); });
}


HistoryPage::~HistoryPage()
{
    while (m_cursorHolds > 0)
        holdCursor(false);
}

void HistoryPage::holdCursor(bool held)
{
    if (held) {
        ++m_cursorHolds;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_cursorHolds > 0) {
        --m_cursorHolds;
        QApplication::restoreOverrideCursor();
    }
}

void HistoryPage::setExporting(bool exporting)
{
    for (QPushButton *b : m_exports)
        b->setEnabled(!exporting);
    holdCursor(exporting);
}

void HistoryPage::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QWidget::changeEvent(e);
}

} // namespace velmar::ui
