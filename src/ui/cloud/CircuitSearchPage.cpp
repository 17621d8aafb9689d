#include "ui/cloud/CircuitSearchPage.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

namespace velmar::ui {

namespace {

using Col = CircuitSearch::Column;

constexpr int kRowHeight = 40;

// Drawn once: a lamp for a link state, a cloud crossed out for no record.
QIcon lamp(const QColor &colour, bool crossed)
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (crossed) {
        QPainterPath cloud;
        cloud.addEllipse(3, 9, 10, 10);
        cloud.addEllipse(8, 5, 11, 11);
        cloud.addEllipse(12, 10, 9, 9);
        p.fillPath(cloud.simplified(), QColor(0xA0, 0xA0, 0xA0));
        p.setPen(QPen(QColor(0xC0, 0x00, 0x00), 2.5));
        p.drawLine(4, 20, 20, 4);
    } else {
        p.setPen(QPen(colour.darker(150), 1.5));
        p.setBrush(colour);
        p.drawEllipse(4, 4, 16, 16);
    }
    return QIcon(pm);
}

// The link and delete cells show a picture in place of their text.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int col = index.column();
        const QString text = index.data().toString();
        QIcon icon;
        if (col == Col::Ethernet || col == Col::Gprs)
            icon = CircuitSearchPage::linkIcon(text, col == Col::Ethernet);
        else if (col == Col::Number && text == cloud::deleteMark())
            icon = QApplication::style()->standardIcon(QStyle::SP_TrashIcon);
        if (icon.isNull()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        o.text.clear();
        o.icon = QIcon();
        QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
        const QSize s(24, 24);
        const QRect r(QPoint(option.rect.center().x() - s.width() / 2, option.rect.top() + 8), s);
        icon.paint(painter, r);
    }
};

QLineEdit *edit(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

} // namespace

QIcon CircuitSearchPage::linkIcon(const QString &text, bool ethernet)
{
    if (text == cloud::linkStateText(QStringLiteral("0"), ethernet))
        return lamp(QColor(0xB0, 0xB0, 0xB0), false);
    if (text == cloud::linkStateText(QStringLiteral("1"), ethernet))
        return lamp(QColor(0xE0, 0x30, 0x20), false);
    if (text == cloud::linkStateText(QStringLiteral("4"), ethernet))
        return lamp(QColor(0x20, 0xB0, 0x30), false);
    return lamp({}, true);
}

CircuitSearchPage::CircuitSearchPage(CircuitSearch &search, QWidget *parent) : QWidget(parent), m_search(search)
{
    setObjectName(QStringLiteral("PLlistatCircuits"));
    auto *layout = new QVBoxLayout(this);

    auto *site = new QHBoxLayout;
    m_empresa = edit("ELListatEmpresa", this);
    m_instal = edit("ELlistatInstal", this);
    m_ref = edit("ELlistatRef", this);
    const struct {
        LayoutTexts::Text caption;
        QLineEdit *edit;
    } fields[] = {{[] { return tr("Empresa:"); }, m_empresa},
                  {[] { return tr("Instalador:"); }, m_instal},
                  {[] { return tr("Referencia:"); }, m_ref}};
    for (const auto &f : fields) {
        QLabel *label = m_texts.label(this, f.caption);
        label->setBuddy(f.edit);
        site->addWidget(label);
        site->addWidget(f.edit, 1);
    }
    auto *find = m_texts.text(new QPushButton(this), [] { return tr("BUSCAR"); });
    find->setObjectName(QStringLiteral("BBLlistatBusca"));
    find->setDefault(true);
    site->addWidget(find);
    layout->addLayout(site);
    connect(find, &QPushButton::clicked, this, &CircuitSearchPage::BBLlistatBuscaClick);
    for (QLineEdit *e : {m_empresa, m_instal, m_ref})
        connect(e, &QLineEdit::returnPressed, this, &CircuitSearchPage::BBLlistatBuscaClick);

    // PBuscaPassword: the site's key, asked only when it must be proved or defined.
    m_keyPanel = new QFrame(this);
    m_keyPanel->setObjectName(QStringLiteral("PBuscaPassword"));
    m_keyPanel->setFrameShape(QFrame::StyledPanel);
    auto *keyRow = new QHBoxLayout(m_keyPanel);
    QLabel *keyLabel = m_texts.label(m_keyPanel, [] { return tr("Clave:"); });
    m_key = edit("EBuscaPassword", m_keyPanel);
    m_key->setEchoMode(QLineEdit::Password);
    m_key->setMaxLength(CircuitSearch::kMaximumKeyLength);
    keyLabel->setBuddy(m_key);
    m_showKey = new QToolButton(m_keyPanel);
    m_showKey->setObjectName(QStringLiteral("BBMostraPassword"));
    m_texts.text(m_showKey, [] { return tr("Ver"); });
    m_texts.tip(m_showKey, [] { return tr("Mantenga pulsado para ver la clave"); });
    // Shown in clear only while the button is held.
    connect(m_showKey, &QToolButton::pressed, this, [this] { m_key->setEchoMode(QLineEdit::Normal); });
    connect(m_showKey, &QToolButton::released, this, [this] { m_key->setEchoMode(QLineEdit::Password); });
    auto *accept = m_texts.text(new QPushButton(m_keyPanel), [] { return tr("ACEPTAR"); });
    accept->setObjectName(QStringLiteral("BBAcceptarPassword"));
    auto *close = new QToolButton(m_keyPanel);
    close->setObjectName(QStringLiteral("ISortirBuscaPasword"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_texts.tip(close, [] { return tr("Cerrar"); });
    keyRow->addWidget(keyLabel);
    keyRow->addWidget(m_key, 1);
    keyRow->addWidget(m_showKey);
    keyRow->addWidget(accept);
    keyRow->addWidget(close);
    m_keyPanel->hide();
    layout->addWidget(m_keyPanel);
    connect(accept, &QPushButton::clicked, this, &CircuitSearchPage::BBAcceptarPasswordClick);
    connect(m_key, &QLineEdit::returnPressed, this, &CircuitSearchPage::BBAcceptarPasswordClick);
    connect(close, &QToolButton::clicked, this, [this] { showKeyPanel(false); });

    m_grid = new QTableWidget(0, CircuitSearch::Columns, this);
    m_grid->setObjectName(QStringLiteral("SGLListatCircuits"));
    m_texts.tip(m_grid, [] { return tr("Doble click para acceder al equipo o eliminarlo"); });
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->setItemDelegate(new CellDelegate(m_grid));
    m_grid->setMouseTracking(true);
    m_grid->viewport()->installEventFilter(this);
    QHeaderView *header = m_grid->horizontalHeader();
    header->setSectionsClickable(true);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    header->setDefaultAlignment(Qt::AlignCenter);
    const int widths[] = {50, 0, 0, 150, 95, 95};
    for (int c = 0; c < CircuitSearch::Columns; ++c) {
        if (widths[c]) {
            header->setSectionResizeMode(c, QHeaderView::Fixed);
            header->resizeSection(c, widths[c]);
        } else {
            header->setSectionResizeMode(c, QHeaderView::Stretch);
        }
    }
    layout->addWidget(m_grid, 1);
    connect(header, &QHeaderView::sectionClicked, this, [this](int c) { m_search.SortStringGridEquips(c); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &CircuitSearchPage::SGLListatCircuitsDblClick);

    // BBOrdreEquips: marks the column the list is sorted by.
    m_sort = new QToolButton(header);
    m_sort->setObjectName(QStringLiteral("BBOrdreEquips"));
    m_sort->setArrowType(Qt::DownArrow);
    m_sort->setAutoRaise(true);
    m_sort->hide();
    connect(m_sort, &QToolButton::clicked, this, [this] { m_search.SortStringGridEquips(m_search.sortColumn()); });

    m_texts.add(m_grid, [this] {
        m_grid->setHorizontalHeaderLabels({tr("N."), tr("Instalador"), tr("Referencia"), tr("Identificador"),
                                           QStringLiteral("Ethernet"), QStringLiteral("GPRS")});
    });
    InicialitzaSGLlistatCircuits();

    connect(&m_search, &CircuitSearch::siteShown, this,
            [this](const QString &e, const QString &i, const QString &r) {
                m_empresa->setText(e);
                m_instal->setText(i);
                m_ref->setText(r);
            });
    connect(&m_search, &CircuitSearch::keyPanelChanged, this, &CircuitSearchPage::showKeyPanel);
    connect(&m_search, &CircuitSearch::focusWanted, this, [this](CircuitSearch::Field f) {
        QLineEdit *target = f == CircuitSearch::Field::Key         ? m_key
                            : f == CircuitSearch::Field::Installer ? m_instal
                                                                   : m_empresa;
        target->setFocus();
    });
    connect(&m_search, &CircuitSearch::listCleared, this, [this] {
        InicialitzaSGLlistatCircuits();
        emit wanted();
    });
    connect(&m_search, &CircuitSearch::listed, this, &CircuitSearchPage::fill);
    connect(&m_search, &CircuitSearch::sorted, this, [this](int column) {
        fill();
        placeSortButton(column);
    });
}

void CircuitSearchPage::BBLlistatBuscaClick()
{
    m_sort->hide();
    m_search.BBLlistatBuscaClick(m_empresa->text(), m_instal->text(), m_ref->text());
}

void CircuitSearchPage::BBAcceptarPasswordClick()
{
    m_search.BBAcceptarPasswordClick(m_empresa->text(), m_instal->text(), m_ref->text(), m_key->text());
}

void CircuitSearchPage::SGLListatCircuitsDblClick(int row, int column)
{
    m_search.SGLListatCircuitsDblClick(row, column);
}

void CircuitSearchPage::showKeyPanel(bool shown)
{
    if (shown) {
        m_key->clear();
        m_key->setEchoMode(QLineEdit::Password);
        m_keyPanel->show();
        m_keyPanel->raise();
        m_key->setFocus();
    } else {
        m_keyPanel->hide();
    }
}

void CircuitSearchPage::InicialitzaSGLlistatCircuits()
{
    m_grid->clearContents();
    m_grid->setRowCount(0);
    m_sort->hide();
}

void CircuitSearchPage::fill()
{
    const QList<QStringList> &rows = m_search.rows();
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < CircuitSearch::Columns; ++c) {
            auto *item = new QTableWidgetItem(rows.at(r).value(c));
            item->setTextAlignment(c == Col::Installer || c == Col::Reference ? Qt::AlignLeft | Qt::AlignVCenter
                                                                              : Qt::AlignCenter);
            // The pictures keep their words for the pointer's hint.
            if (c == Col::Ethernet || c == Col::Gprs || (c == Col::Number && item->text() == cloud::deleteMark()))
                item->setToolTip(c == Col::Number ? tr("Eliminar") : item->text());
            m_grid->setItem(r, c, item);
        }
    }
}

void CircuitSearchPage::placeSortButton(int column)
{
    QHeaderView *header = m_grid->horizontalHeader();
    const int side = qMax(8, header->height() - 12);
    const int right = header->sectionViewportPosition(column) + header->sectionSize(column);
    m_sort->setGeometry(right - 12 - side / 2, (header->height() - side) / 2, side, side);
    m_sort->show();
    m_sort->raise();
}

void CircuitSearchPage::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        m_texts.retranslate();
        // The cells hold the core's words for the links: made again in the new language.
        m_search.retranslate();
        fill();
    }
    QWidget::changeEvent(e);
}

bool CircuitSearchPage::eventFilter(QObject *watched, QEvent *event)
{
    // A hand over the link cells: they are the ones a double click opens.
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseMove) {
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        const int row = m_grid->rowAt(pos.y());
        const int col = m_grid->columnAt(pos.x());
        const bool link = row >= 0 && (col == Col::Ethernet || col == Col::Gprs);
        m_grid->viewport()->setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmar::ui
