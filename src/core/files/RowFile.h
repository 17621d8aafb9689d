#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace velmar::files {

// How the rows of one kind of file are laid out. Every such file is text,
// one row a line, CR LF, the first line a heading that is never read back.
struct RowFormat {
    QChar separator;             // ',' or ' '
    int fields = 1;              // exact count, or the minimum when restIsText
    bool restIsText = false;     // the last field is the rest of the line
    bool tabsAsBlanks = false;   // a TAB reads as a blank
    int maxLineChars = 250;      // a longer line is refused
    // Extra check of a split row; returns the reason for a refusal, empty
    // when the row is good.
    std::function<QString(const QStringList &)> check;
    // A line that passes as it is and is then left out (",,," of the phones).
    QString skippedLine;
};

// A whole file is read and checked before anything takes it, so that a
// refused file changes nothing.
struct ParsedRows {
    bool ok = false;
    QString reason;           // why it was refused (translated), empty when ok
    int lines = 0;            // lines of the file, heading included
    QList<QStringList> rows;  // data rows, split as the format says
};

// Files larger than this are refused before they are read: the largest list
// (1023 zones) is far below it.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

// Decodes a file's bytes (Windows-1252 unless a byte-order mark names UTF-8
// or UTF-16) into its lines. Refuses an empty file, one over kMaxFileBytes
// and one that holds control characters other than TAB, CR and LF.
ParsedRows decodeLines(const QByteArray &bytes, QStringList &lines);

// Splits the data lines (every line after the heading) by the format.
ParsedRows parseRows(const QByteArray &bytes, const RowFormat &format);

// Reads a file from disk (size checked before reading) and parses it.
ParsedRows readRowFile(const QString &path, const RowFormat &format);

// The file's bytes: heading and rows joined by the separator, CR LF after
// every line, Windows-1252 without a byte-order mark.
QByteArray writeRows(const QList<QStringList> &rows, QChar separator);

// Saves bytes all or nothing (a failed save leaves an existing file as it
// was); the error text when it failed, empty on success.
QString saveFile(const QString &path, const QByteArray &bytes);

// Reasons for refusals, shared by the formats.
class RowFileText {
    Q_DECLARE_TR_FUNCTIONS(RowFileText)
public:
    static QString badLine(int line, const QString &what);
    static QString wrongFieldCount(int line) { return badLine(line, tr("número de campos incorrecto")); }
    static QString tooLong(int line) { return badLine(line, tr("línea demasiado larga")); }
};

} // namespace velmar::files
