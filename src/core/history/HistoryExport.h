#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The history grid written out for other programs: a spreadsheet workbook
// and a CSV file. Pure functions of the cells, safe on any thread.
namespace velmar::history {

struct ExportTable {
    QStringList headings;
    QList<int> widthsPx;       // the grid's column widths
    QList<QStringList> rows;   // as shown, empty rows included
    QString sheetName;
};

struct ExportResult {
    QByteArray bytes;
    QString error; // empty when bytes hold the whole file
    bool ok() const { return error.isEmpty(); }
};

// An .xlsx workbook of one sheet: the headings in bold on a frozen first
// row, the grid's column widths, "dd-MM-yyyy" and "hh:mm:ss" cells as real
// dates and times shown in those forms, numbers as numbers, every other
// cell as text (never a formula, whatever it begins with).
ExportResult xlsxBytes(const ExportTable &table);

// CSV for scripts: UTF-8, "," between cells, CR LF between rows, a cell
// quoted (inner quotes doubled) when it holds a comma, a quote or a line break.
QByteArray csvBytes(const ExportTable &table);

// Longest text a spreadsheet cell holds; longer texts are cut there.
constexpr int kMaxCellText = 32767;

} // namespace velmar::history
