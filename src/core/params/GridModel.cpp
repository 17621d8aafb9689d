#include "core/params/GridModel.h"

#include "core/params/ParamCatalogue.h"

#include <QCoreApplication>

namespace velmar {

namespace {

QString translated(const QString &text)
{
    if (text.isEmpty())
        return text;
    return QCoreApplication::translate("FieldModel", text.toUtf8().constData());
}

} // namespace

QString recordFieldText(const QString &text)
{
    QString kept = text;
    kept.remove(u';');
    kept.remove(u'\r');
    kept.remove(u'\n');
    return kept;
}

int listLength(const GridModel &grid)
{
    int r = 1;
    while (r <= grid.dataRows() && !(grid.cell(1, r).isEmpty() && grid.cell(2, r).isEmpty()))
        ++r;
    return r - 1;
}

GridModel::GridModel(const GridDesign &design, QObject *parent)
    : QAbstractTableModel(parent), Tag(design.offset), m_design(design)
{
    setObjectName(design.name);
    const qsizetype n = qsizetype(m_design.columns) * m_design.dataRows;
    m_cells.resize(n);
    m_store.resize(n);
    m_marker.fill(kMarkerWindow, n);
    m_flags.fill(0, n);
    for (int c = 0; c < m_design.columns; ++c)
        m_headings.append(translated(m_design.headers.value(c)));
}

int GridModel::rowRange(const QString &central) const
{
    switch (m_design.range) {
    case RowRange::Fixed:
        return m_design.records;
    case RowRange::BC600:
        return central.contains(u"BC600") || central.contains(u"BC216") ? 255 : 1;
    case RowRange::ZoneList:
        return central.contains(u"AE/SA") || central.contains(u"AGE") || central.contains(u"AE/C5")
                   ? 1023
                   : 1;
    case RowRange::DataRows:
        return m_design.dataRows;
    }
    return 1;
}

bool GridModel::takesNumber(int number, const QString &central) const
{
    return Tag > 0 && number >= Tag && number < Tag + rowRange(central);
}

QString GridModel::recordCode(int row) const
{
    return ParamCatalogue::recordCode(firstCode, row);
}

bool GridModel::inRange(int column, int row) const
{
    return column >= 0 && column < m_design.columns && row >= 1 && row <= m_design.dataRows;
}

QString GridModel::cell(int column, int row) const
{
    return inRange(column, row) ? m_cells.at(at(column, row)) : QString();
}

void GridModel::setCell(int column, int row, const QString &text)
{
    if (!inRange(column, row) || m_cells.at(at(column, row)) == text)
        return;
    m_cells[at(column, row)] = text;
    cellChanged(column, row, {Qt::DisplayRole, Qt::EditRole, ModifiedRole});
}

QString GridModel::stored(int column, int row) const
{
    return inRange(column, row) ? m_store.at(at(column, row)) : QString();
}

void GridModel::setStored(int column, int row, const QString &text)
{
    if (!inRange(column, row) || m_store.at(at(column, row)) == text)
        return;
    m_store[at(column, row)] = text;
    cellChanged(column, row, {StoreRole, ModifiedRole});
}

void GridModel::load(int column, int row, const QString &text)
{
    if (!inRange(column, row))
        return;
    const qsizetype i = at(column, row);
    m_cells[i] = text;
    m_store[i] = text;
    m_marker[i] = kMarkerWindow;
    cellChanged(column, row,
                {Qt::DisplayRole, Qt::EditRole, StoreRole, MarkerRole, ModifiedRole});
}

int GridModel::marker(int column, int row) const
{
    return inRange(column, row) ? m_marker.at(at(column, row)) : kMarkerWindow;
}

void GridModel::setMarker(int column, int row, int marker)
{
    if (!inRange(column, row) || m_marker.at(at(column, row)) == marker)
        return;
    m_marker[at(column, row)] = marker;
    cellChanged(column, row, {MarkerRole, ModifiedRole});
}

int GridModel::flagWord(int column, int row) const
{
    return inRange(column, row) ? m_flags.at(at(column, row)) : 0;
}

void GridModel::setFlagWord(int column, int row, int word)
{
    if (!inRange(column, row) || m_flags.at(at(column, row)) == word)
        return;
    m_flags[at(column, row)] = word;
    cellChanged(column, row, {FlagWordRole, Qt::CheckStateRole, ModifiedRole});
}

void GridModel::toggleCheck(int column, int row)
{
    if (!inRange(column, row) || !m_design.checkColumns.contains(column))
        return;
    const int word = (flagWord(column, row) ^ 1) | 2;
    setFlagWord(column, row, word);
    setStored(column, row, (word & 1) ? QStringLiteral("1") : QStringLiteral("0"));
}

bool GridModel::normallyOpen(int row) const
{
    return m_design.noColumn >= 0 && (flagWord(m_design.noColumn, row) & 1);
}

bool GridModel::cellDiffers(int column, int row) const
{
    return inRange(column, row) && m_cells.at(at(column, row)) != m_store.at(at(column, row));
}

void GridModel::setColour(FieldColour c)
{
    if (m_colour == c)
        return;
    m_colour = c;
    emit colourChanged();
}

void GridModel::setHeadings(const QStringList &untranslated)
{
    m_headingSources = untranslated;
    m_headings.clear();
    for (int c = 0; c < m_design.columns; ++c)
        m_headings.append(translated(m_headingSources.value(c)));
    emit headerDataChanged(Qt::Horizontal, 0, m_design.columns - 1);
}

void GridModel::retranslate()
{
    const QStringList &sources = m_headingSources.isEmpty() ? m_design.headers : m_headingSources;
    m_headings.clear();
    for (int c = 0; c < m_design.columns; ++c)
        m_headings.append(translated(sources.value(c)));
    emit headerDataChanged(Qt::Horizontal, 0, m_design.columns - 1);
    if (m_design.labels != RowLabels::Captions || m_design.dataRows < 1)
        return;
    // The caption column is the program's own text, never the user's.
    for (int r = 1; r <= m_design.dataRows; ++r) {
        const QString text = translated(m_design.captions.value(r - 1));
        m_cells[at(0, r)] = text;
        m_store[at(0, r)] = text;
    }
    emit dataChanged(index(0, 0), index(m_design.dataRows - 1, 0));
}

void GridModel::setHeaders(const QStringList &untranslated)
{
    m_design.headers = untranslated;
}

void GridModel::setCaptions(const QStringList &untranslated)
{
    m_design.captions = untranslated;
}

void GridModel::clear()
{
    beginResetModel();
    m_headingSources.clear();
    m_headings.clear();
    for (int c = 0; c < m_design.columns; ++c)
        m_headings.append(translated(m_design.headers.value(c)));
    for (int r = 1; r <= m_design.dataRows; ++r) {
        for (int c = 0; c < m_design.columns; ++c) {
            QString text = m_design.clearedValue;
            if (c == 0 && m_design.labels == RowLabels::Numbers)
                text = QString::number(r);
            else if (c == 0 && m_design.labels == RowLabels::Captions)
                text = translated(m_design.captions.value(r - 1));
            const qsizetype i = at(c, r);
            m_cells[i] = text;
            m_store[i] = text;
            m_marker[i] = kMarkerWindow;
            m_flags[i] = 0;
        }
    }
    const bool recoloured = m_colour != FieldColour::Window;
    m_colour = FieldColour::Window;
    endResetModel();
    if (recoloured)
        emit colourChanged();
    emit headerDataChanged(Qt::Horizontal, 0, m_design.columns - 1);
}

void GridModel::cellChanged(int column, int row, const QList<int> &roles)
{
    const QModelIndex i = index(row - 1, column);
    emit dataChanged(i, i, roles);
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_design.dataRows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_design.columns;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int c = index.column();
    const int r = index.row() + 1;
    if (!inRange(c, r))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell(c, r);
    case Qt::CheckStateRole:
        if (m_design.checkColumns.contains(c))
            return (flagWord(c, r) & 1) ? Qt::Checked : Qt::Unchecked;
        return {};
    case StoreRole:
        return stored(c, r);
    case MarkerRole:
        return marker(c, r);
    case FlagWordRole:
        return flagWord(c, r);
    case ModifiedRole:
        return cellDiffers(c, r) || marker(c, r) == kMarkerChanged || (flagWord(c, r) & 2) != 0;
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    const int c = index.column();
    const int r = index.row() + 1;
    if (!inRange(c, r))
        return false;
    switch (role) {
    case Qt::EditRole:
        setCell(c, r, value.toString());
        return true;
    case Qt::CheckStateRole:
        if (!m_design.checkColumns.contains(c))
            return false;
        if (((flagWord(c, r) & 1) != 0) != (value.toInt() == Qt::Checked))
            toggleCheck(c, r);
        return true;
    case MarkerRole:
        setMarker(c, r, value.toInt());
        return true;
    default:
        return false;
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_headings.value(section);
    return section + 1;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (hasFixedColumn() && index.column() == 0)
        return f;
    if (m_design.checkColumns.contains(index.column()))
        return f | Qt::ItemIsUserCheckable;
    return f | Qt::ItemIsEditable;
}

} // namespace velmar
