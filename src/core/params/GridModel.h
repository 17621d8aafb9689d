#pragma once

#include "core/params/BoundField.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

namespace velmar {

// What the fixed first column of a grid shows.
enum class RowLabels {
    None,     // no fixed column: record fields start at column 0
    Numbers,  // the row number
    Captions, // a fixed caption per row
};

// How many records from the grid's number on the grid accepts from the module.
enum class RowRange {
    Fixed,    // GridDesign::records
    BC600,    // 255 with a BC600 or BC216 attached, else 1
    ZoneList, // 1023 with an Aguilera AE/SA, AGE or AE/C5 attached, else 1
    DataRows, // as many as the grid has data rows
};

// How a grid's parameter number follows from its hint's code.
enum class GridBinding {
    Decimal,    // the code read as a decimal number, added to the offset
    DoorButton, // 4000 + the code's last two characters as hexadecimal
};

// Design of one grid: its binding, its layout and how it is cleared.
struct GridDesign {
    QString name;             // control name (objectName)
    QString hint;             // parameter name of the block, empty: no parameter
    int offset = 0;           // design-time offset
    QString page;             // panel holding the grid
    QString panelTab;         // a panel grid takes records only while this tab is shown
    int columns = 1;
    int dataRows = 1;
    RowLabels labels = RowLabels::None;
    QStringList headers;      // heading row, untranslated (context "FieldModel")
    QStringList captions;     // row captions for RowLabels::Captions, untranslated
    QString clearedValue;     // what a cleared data cell holds
    QList<int> checkColumns;  // cells with a flag word (bit 0 ticked, bit 1 changed)
    int noColumn = -1;        // the normally-open column, -1 if none
    RowRange range = RowRange::Fixed;
    int records = 1;          // for RowRange::Fixed
    GridBinding binding = GridBinding::Decimal;
    QString storeName;        // the field store's own name ("Entrades")
    QString flagsName;        // its flag array ("EntradesNO"), if any
};

// A cell's text as one field of its block record: the record separator ";"
// and line breaks (a break ends the command on the wire) are left out.
QString recordFieldText(const QString &text);

class GridModel;
// The rows of a list grid (phones, users, zones): data rows from 1 down to,
// not including, the first row whose second and third columns are both
// empty; rows after it are not part of the list.
int listLength(const GridModel &grid);

// One grid: the cells the user sees and edits, the field store (the text of
// every cell as last read from or written to the module), the changed marker
// of every cell and the flag words of check-box cells.
//
// Rows are counted as on the window: row 0 is the heading row, data row r
// (from 1) holds record r of the block. The table model shows data rows
// only (model row = r - 1) and the headings as horizontal header.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        StoreRole = Qt::UserRole + 1, // field-store text
        MarkerRole,                   // 255 when the user changed the cell, else 0
        FlagWordRole,                 // check-box cells: bit 0 ticked, bit 1 changed
        ModifiedRole,                 // text differs from the store, or marked, or flag bit 1
    };
    static constexpr int kMarkerChanged = kChangedColour;
    static constexpr int kMarkerWindow = 0;

    explicit GridModel(const GridDesign &design, QObject *parent = nullptr);

    const GridDesign &design() const { return m_design; }
    QString name() const { return objectName(); }

    // Parameter number of record 1 once bound (0: unbound; holds the offset
    // before binding).
    int Tag = 0;
    // Code of record 1 as the module knows it (set by binding).
    QString firstCode;

    int columns() const { return m_design.columns; }
    int dataRows() const { return m_design.dataRows; }
    bool hasFixedColumn() const { return m_design.labels != RowLabels::None; }

    // Records accepted from the grid's number on, given the attached panel.
    int rowRange(const QString &central) const;
    // The grid is bound and its row range holds the number.
    bool takesNumber(int number, const QString &central) const;
    // Data row of a parameter number (number - Tag + 1).
    int rowOf(int number) const { return number - Tag + 1; }
    // Command code of a data row: first code + row - 1, in hexadecimal.
    QString recordCode(int row) const;

    // Cell access by column and data row (from 1); out of range reads empty
    // and writes nothing.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    QString stored(int column, int row) const;
    void setStored(int column, int row, const QString &text);
    // A value from the module: cell and store alike, marker back to window.
    void load(int column, int row, const QString &text);
    int marker(int column, int row) const;
    void setMarker(int column, int row, int marker);
    int flagWord(int column, int row) const;
    void setFlagWord(int column, int row, int word);
    // The user ticks a check-box cell: bit 0 inverted, bit 1 set, the new
    // state stored as "1" or "0".
    void toggleCheck(int column, int row);
    // Normally-open flag of a record (bit 0 of its NO column).
    bool normallyOpen(int row) const;
    // Text differs from the field store.
    bool cellDiffers(int column, int row) const;

    QString heading(int column) const { return m_headings.value(column); }
    // Replaces the heading row (untranslated, context "FieldModel") until the next clear().
    void setHeadings(const QStringList &untranslated);
    // A new language: the heading row and the row captions of the fixed
    // column again, in it; the other cells are left as they are.
    void retranslate();

    // The grid as a whole (red after an import, window colour otherwise).
    FieldColour colour() const { return m_colour; }
    void setColour(FieldColour c);

    // Headings and captions of panel grids, installed by their pages.
    void setHeaders(const QStringList &untranslated);
    void setCaptions(const QStringList &untranslated);

    // The grid's clearing: heading row written, row labels in the fixed
    // column (also in the store), every other cell and its store set to the
    // cleared value, flag words 0, markers and grid colour back to window.
    void clear();

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void colourChanged();

private:
    bool inRange(int column, int row) const;
    qsizetype at(int column, int row) const { return qsizetype(row - 1) * m_design.columns + column; }
    void cellChanged(int column, int row, const QList<int> &roles);

    GridDesign m_design;
    QStringList m_headingSources; // set by setHeadings, else the design's
    QStringList m_headings;
    QList<QString> m_cells;
    QList<QString> m_store;
    QList<int> m_marker;
    QList<int> m_flags;
    FieldColour m_colour = FieldColour::Window;
};

} // namespace velmar
