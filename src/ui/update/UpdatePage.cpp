#include "ui/update/UpdatePage.h"

#include <QBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace velmar::ui {

namespace {

const QColor kTitleRow(0x6C, 0xA0, 0xEC);
// Column widths in percent of the list: version, description, bytes, download.
constexpr int kColumnPercent[] = {27, 43, 14, 16};

QTableWidgetItem *readOnly(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

void UpdatePage::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QWidget::changeEvent(e);
}

UpdatePage::UpdatePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PActualitzacions"));
    auto *layout = new QVBoxLayout(this);

    m_current = new QTableWidget(2, 1, this);
    m_current->setObjectName(QStringLiteral("VLEVersioActual"));
    m_texts.add(m_current, [this] { m_current->setVerticalHeaderLabels({tr("FirmWare:"), tr("HardWare:")}); });
    m_current->horizontalHeader()->hide();
    m_current->horizontalHeader()->setStretchLastSection(true);
    m_current->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_current->setMaximumHeight(70);
    layout->addWidget(m_current);

    auto *buttons = new QHBoxLayout;
    auto *search = m_texts.text(new QPushButton(this), [] { return tr("Buscar nuevas versiones a actualizar"); });
    search->setObjectName(QStringLiteral("BBuscarVersions"));
    m_all = m_texts.text(new QPushButton(this), [] { return tr("Ver"); });
    m_all->setObjectName(QStringLiteral("BTotesVer"));
    auto *abort = m_texts.text(new QPushButton(this), [] { return tr("Desconectar"); });
    abort->setObjectName(QStringLiteral("BDesconnectarTCPActu"));
    buttons->addWidget(search);
    buttons->addWidget(m_all);
    buttons->addStretch();
    buttons->addWidget(abort);
    layout->addLayout(buttons);
    connect(search, &QPushButton::clicked, this, &UpdatePage::listRequested);
    connect(m_all, &QPushButton::clicked, this, &UpdatePage::listRequested);
    connect(abort, &QPushButton::clicked, this, &UpdatePage::abortRequested);

    m_versions = new QTableWidget(0, 4, this);
    m_versions->setObjectName(QStringLiteral("SGVersions"));
    m_texts.add(m_versions, [this] {
        m_versions->setHorizontalHeaderLabels({tr("VERSION"), tr("DESCRIPCION"), tr("BYTES"), tr("DESCARGAR")});
    });
    m_versions->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; }").arg(kTitleRow.name()));
    m_versions->verticalHeader()->hide();
    m_versions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_versions->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int c = 0; c < 4; ++c)
        m_versions->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Interactive);
    layout->addWidget(m_versions, 1);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("LActualitzant"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("PBActualitzacio"));
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    clearVersions();
}

void UpdatePage::setCurrent(const QString &firmware, const QString &hardware)
{
    m_current->setItem(0, 0, readOnly(firmware));
    m_current->setItem(1, 0, readOnly(hardware));
}

void UpdatePage::clearVersions()
{
    m_entries.clear();
    m_versions->clearContents();
    m_versions->setRowCount(1);
    setProgressShown(false);
}

void UpdatePage::setVersions(const QList<update::VersionEntry> &entries)
{
    m_entries = entries;
    m_versions->clearContents();
    m_versions->setRowCount(int(entries.size()));
    const int width = m_versions->viewport()->width();
    for (int c = 0; c < 4; ++c)
        m_versions->setColumnWidth(c, width * kColumnPercent[c] / 100);
    for (int row = 0; row < entries.size(); ++row) {
        const update::VersionEntry &e = entries[row];
        m_versions->setItem(row, 0, readOnly(e.version));
        m_versions->setItem(row, 1, readOnly(e.description));
        m_versions->setItem(row, 2, readOnly(e.bytes));
        auto *download = new QPushButton(m_versions);
        download->setObjectName(QStringLiteral("BDescarregar%1").arg(row));
        download->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
        download->setFixedSize(50, 24);
        m_texts.tip(download, [] { return tr("DESCARGAR"); });
        connect(download, &QPushButton::clicked, this, [this, row] {
            if (row < m_entries.size()) {
                m_versions->selectRow(row);
                emit downloadRequested(m_entries[row]);
            }
        });
        m_versions->setCellWidget(row, 3, download);
    }
}

void UpdatePage::setProgressText(const QString &text)
{
    m_text->setText(text);
}

void UpdatePage::setProgress(int value, int maximum)
{
    m_bar->setRange(0, maximum);
    m_bar->setValue(value);
}

void UpdatePage::setProgressShown(bool shown)
{
    m_text->setVisible(shown);
    m_bar->setVisible(shown);
}

bool UpdatePage::progressShown() const
{
    return !m_bar->isHidden();
}

} // namespace velmar::ui
