// The history as the page shows it and as it leaves the program: the
// message column, the workbook (read back from its zip the way a
// spreadsheet program reads it) and the CSV file.
#include "core/history/EventTexts.h"
#include "core/history/HistoryExport.h"

#include "support/ZipEntries.h"

#include <QDate>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::history;

namespace {

TEST(HistoryMessage, OwnTextElseTheEventTextWithItsButton)
{
    const EventTexts texts = EventTexts::build();
    const QStringList names{"Portal", "Garaje"};
    struct Case {
        const char *message, *eventId, *button, *expected;
    } cases[] = {
        {"Salida disparada", "77000", "", "Salida disparada"},   // its own text wins
        {"", "77000", "", "Orden dada a la Central"},
        {"", "55001", "2", "Abierta Botón 2  Garaje"},
        {"", "55111", "4", "Orden de abrir Botón 4  "},           // a button without a name
        {"", "55111", "x", "Orden de abrir Botón x  "},           // not a number: no name looked up
        {"", "12345", "", ""},                                    // not in the table
    };
    for (const Case &c : cases) {
        cloud::HistoryRow row;
        row.message = QString::fromUtf8(c.message);
        row.eventId = QString::fromUtf8(c.eventId);
        row.buttonNumber = QString::fromUtf8(c.button);
        EXPECT_EQ(historyMessage(row, texts, names).toStdString(), c.expected) << c.eventId << "/" << c.button;
    }
    EXPECT_EQ(texts.entries().size(), 18);
    EXPECT_EQ(historyHeadings(),
              QStringList({"N.", "Fecha", "Hora", "Usuario", "Referencia ", "DESCRIPCION"}));
}

ExportTable sample()
{
    ExportTable t;
    t.headings = historyHeadings();
    t.widthsPx = historyColumnWidths();
    t.sheetName = QStringLiteral("Registro");
    t.rows = {
        {"1", "15-01-2026", "10:20:30", "ana@velmar.test", "O'Brien, J.", "=HYPERLINK(\"x\")"},
        {"2", "31-02-2026", "25:00:00", "u2", "Ünal \"Jefe\"", QString(40000, u'a')},
        {"007", "", "", "", "", QStringLiteral("línea\x01uno\nlínea dos")},
        {"", "", "", "", "", ""},
    };
    return t;
}

// The text of the cells of one row of the sheet, in order, shared strings looked up.
QStringList sheetRow(const QMap<QString, QByteArray> &files, int row)
{
    QStringList shared;
    static const QRegularExpression si(QStringLiteral("<si><t[^>]*>(.*?)</t></si>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    for (auto m = si.globalMatch(QString::fromUtf8(files.value("xl/sharedStrings.xml"))); m.hasNext();)
        shared << m.next().captured(1);
    const QString sheet = QString::fromUtf8(files.value("xl/worksheets/sheet1.xml"));
    const QRegularExpression rowRe(QStringLiteral("<row r=\"%1\"[^>]*>(.*?)</row>").arg(row));
    const QString cells = rowRe.match(sheet).captured(1);
    QStringList out;
    static const QRegularExpression c(QStringLiteral("<c r=\"[A-Z]+\\d+\"([^>]*)>(.*?)</c>"));
    for (auto m = c.globalMatch(cells); m.hasNext();) {
        const auto cell = m.next();
        const QString value = QRegularExpression(QStringLiteral("<v>(.*?)</v>")).match(cell.captured(2)).captured(1);
        if (cell.captured(2).contains(QLatin1String("<f>")))
            out << QStringLiteral("formula:") + cell.captured(2);
        else if (cell.captured(1).contains(QLatin1String("t=\"s\"")))
            out << QStringLiteral("text:") + shared.value(value.toInt());
        else
            out << QStringLiteral("number:") + value;
    }
    return out;
}

TEST(HistoryExport, WorkbookHoldsTheRowsWithDatesAsDatesAndNothingAsAFormula)
{
    const ExportResult r = xlsxBytes(sample());
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const QMap<QString, QByteArray> files = test::zipEntries(r.bytes);
    ASSERT_TRUE(files.contains("xl/worksheets/sheet1.xml")) << files.keys().join(' ').toStdString();
    EXPECT_TRUE(files.value("xl/workbook.xml").contains("name=\"Registro\""));

    EXPECT_EQ(sheetRow(files, 1), QStringList({"text:N.", "text:Fecha", "text:Hora", "text:Usuario",
                                                "text:Referencia ", "text:DESCRIPCION"}));
    // 15-01-2026 is day 46037 of the spreadsheet calendar; 10:20:30 is 37230 s of 86400.
    const QStringList first = sheetRow(files, 2);
    ASSERT_EQ(first.size(), 6);
    EXPECT_EQ(first[0], "number:1");
    EXPECT_EQ(first[1], QStringLiteral("number:%1").arg(QDate(1899, 12, 30).daysTo(QDate(2026, 1, 15))));
    EXPECT_NEAR(first[2].mid(7).toDouble(), 37230.0 / 86400.0, 1e-9);
    EXPECT_EQ(first[4], "text:O'Brien, J.");
    EXPECT_EQ(first[5], "text:=HYPERLINK(\"x\")"); // a text that looks like a formula stays a text

    // An impossible date or time stays as it was typed; an overlong text is cut to what a cell holds.
    const QStringList second = sheetRow(files, 3);
    ASSERT_EQ(second.size(), 6);
    EXPECT_EQ(second[1], "text:31-02-2026");
    EXPECT_EQ(second[2], "text:25:00:00");
    EXPECT_EQ(second[5].size(), 5 + kMaxCellText);
    const QStringList third = sheetRow(files, 4);
    EXPECT_EQ(third.value(0), "text:007"); // a code with a leading zero is not a number
    // A control character would make the sheet unreadable XML: it is written escaped.
    EXPECT_EQ(third.value(1), "text:línea_x0001_uno\nlínea dos");
    EXPECT_TRUE(sheetRow(files, 5).isEmpty());

    // The date and time cells carry the program's own display forms.
    const QByteArray styles = files.value("xl/styles.xml");
    EXPECT_TRUE(styles.contains("formatCode=\"dd-mm-yyyy\""));
    EXPECT_TRUE(styles.contains("formatCode=\"hh:mm:ss\""));
}

TEST(HistoryExport, EmptyHistoryGivesTheHeadingsAlone)
{
    ExportTable t = sample();
    t.rows = QList<QStringList>(kHistoryInitialRows, QStringList(6));
    const ExportResult r = xlsxBytes(t);
    ASSERT_TRUE(r.ok());
    const auto files = test::zipEntries(r.bytes);
    EXPECT_EQ(sheetRow(files, 1).size(), 6);
    EXPECT_TRUE(sheetRow(files, 2).isEmpty());
    EXPECT_EQ(csvBytes(t), QByteArray("N.,Fecha,Hora,Usuario,Referencia ,DESCRIPCION\r\n") + QByteArray(",,,,,\r\n").repeated(20));
}

TEST(HistoryExport, CsvQuotesWhatWouldSplitACell)
{
    ExportTable t;
    t.headings = {"a", "b"};
    t.rows = {{"plain", "with, comma"}, {"say \"hi\"", "two\r\nlines"}, {"short"}};
    EXPECT_EQ(QString::fromUtf8(csvBytes(t)).toStdString(),
              "a,b\r\nplain,\"with, comma\"\r\n\"say \"\"hi\"\"\",\"two\r\nlines\"\r\nshort,\r\n");
}

} // namespace
