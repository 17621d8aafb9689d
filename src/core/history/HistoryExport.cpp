#include "core/history/HistoryExport.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>

#include <xlsxwriter.h>

namespace velmar::history {

namespace {

// Pixels of the grid to the spreadsheet's width unit (characters of the
// default font, about seven pixels each).
double columnWidth(int px)
{
    return px > 0 ? px / 7.0 : 8.43;
}

QByteArray cellText(const QString &text)
{
    return text.left(kMaxCellText).toUtf8();
}

struct Formats {
    lxw_format *heading = nullptr;
    lxw_format *text = nullptr;
    lxw_format *date = nullptr;
    lxw_format *time = nullptr;
};

lxw_error writeCell(lxw_worksheet *sheet, lxw_row_t r, lxw_col_t c, const QString &value, const Formats &f)
{
    if (value.isEmpty())
        return LXW_NO_ERROR;
    const QDate date = QDate::fromString(value, QStringLiteral("dd-MM-yyyy"));
    if (date.isValid()) {
        lxw_datetime dt{date.year(), date.month(), date.day(), 0, 0, 0.0};
        return worksheet_write_datetime(sheet, r, c, &dt, f.date);
    }
    const QTime time = QTime::fromString(value, QStringLiteral("hh:mm:ss"));
    if (time.isValid()) {
        lxw_datetime dt{0, 0, 0, time.hour(), time.minute(), double(time.second())};
        return worksheet_write_datetime(sheet, r, c, &dt, f.time);
    }
    // Only plain counts become numbers: "007", "1e5" or "+3" stay as typed.
    bool isNumber = false;
    const int n = value.toInt(&isNumber);
    if (isNumber && value == QString::number(n))
        return worksheet_write_number(sheet, r, c, n, nullptr);
    return worksheet_write_string(sheet, r, c, cellText(value).constData(), f.text);
}

} // namespace

ExportResult xlsxBytes(const ExportTable &table)
{
    // The library writes a file by name: a folder of our own holds it and
    // the library's scratch files, and goes with everything in it.
    QTemporaryDir dir;
    if (!dir.isValid())
        return {{}, dir.errorString()};
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("history.xlsx")));
    QByteArray scratch = QFile::encodeName(dir.path());
    lxw_workbook_options options{};
    options.tmpdir = scratch.data();
    lxw_workbook *book = workbook_new_opt(path.constData(), &options);
    if (!book)
        return {{}, QCoreApplication::translate("velmar::history::HistoryExport", "No se ha podido crear el libro")};

    const QByteArray sheetName = cellText(table.sheetName.isEmpty() ? QStringLiteral("Hoja1") : table.sheetName.left(31));
    lxw_worksheet *sheet = workbook_add_worksheet(book, sheetName.constData());
    if (!sheet)
        sheet = workbook_add_worksheet(book, nullptr); // a name the format refuses
    Formats f;
    f.heading = workbook_add_format(book);
    format_set_bold(f.heading);
    format_set_bottom(f.heading, LXW_BORDER_THIN);
    format_set_num_format(f.heading, "@");
    f.text = workbook_add_format(book);
    format_set_num_format(f.text, "@");
    f.date = workbook_add_format(book);
    format_set_num_format(f.date, "dd-mm-yyyy");
    format_set_align(f.date, LXW_ALIGN_LEFT);
    f.time = workbook_add_format(book);
    format_set_num_format(f.time, "hh:mm:ss");
    format_set_align(f.time, LXW_ALIGN_LEFT);

    lxw_error err = LXW_NO_ERROR;
    const int columns = int(table.headings.size());
    for (int c = 0; c < columns; ++c) {
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), columnWidth(table.widthsPx.value(c)), nullptr);
        const lxw_error e = worksheet_write_string(sheet, 0, lxw_col_t(c), cellText(table.headings.at(c)).constData(),
                                                   f.heading);
        if (e != LXW_NO_ERROR && err == LXW_NO_ERROR)
            err = e;
    }
    worksheet_freeze_panes(sheet, 1, 0);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const QStringList &row = table.rows.at(r);
        for (int c = 0; c < columns && c < row.size(); ++c) {
            const lxw_error e = writeCell(sheet, lxw_row_t(r + 1), lxw_col_t(c), row.at(c), f);
            if (e != LXW_NO_ERROR && err == LXW_NO_ERROR)
                err = e;
        }
    }
    const lxw_error closed = workbook_close(book);
    if (err == LXW_NO_ERROR)
        err = closed;
    if (err != LXW_NO_ERROR)
        return {{}, QStringLiteral("xlsx: ") + QString::fromUtf8(lxw_strerror(err))};
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    return {file.readAll(), {}};
}

QByteArray csvBytes(const ExportTable &table)
{
    auto field = [](const QString &value) {
        if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\r') && !value.contains(u'\n'))
            return value;
        QString quoted = value;
        quoted.replace(u'"', QStringLiteral("\"\""));
        return u'"' + quoted + u'"';
    };
    auto line = [&](const QStringList &cells) {
        QStringList out;
        for (int c = 0; c < table.headings.size(); ++c)
            out << field(cells.value(c));
        return out.join(u',') + QStringLiteral("\r\n");
    };
    QString text = line(table.headings);
    for (const QStringList &row : table.rows)
        text += line(row);
    return text.toUtf8();
}

} // namespace velmar::history
