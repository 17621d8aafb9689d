#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace velmar::test {

// The files of a zip archive (an .xlsx workbook, for instance) by name,
// inflated; empty when the archive cannot be read. Reads the central
// directory the way any spreadsheet program does, so a workbook that comes
// out of this whole is one they can open.
QMap<QString, QByteArray> zipEntries(const QByteArray &zip);

} // namespace velmar::test
