#pragma once

#include <QJsonValue>
#include <QList>
#include <QString>

// The module list of the circuit search: what the directory query finds for
// a site and how the list shows and orders it. Pure functions.
namespace velmar::cloud {

// One module of a site as the list shows it.
struct CircuitRow {
    QString installer;
    QString reference;
    QString ethernet; // stored link state, "-1" when the module is not online
    QString gprs;
    QString identifier;
    bool operator==(const CircuitRow &) const = default;
};

// ClearMultiByteChar: letters without their diacritics ("Ñandú" -> "Nandu").
QString ClearMultiByteChar(const QString &text);

// The modules of an `Equipments` answer that belong to the site: Company
// equal to the company without diacritics, Installer and Reference to the
// ones given (each compared only when given, without diacritics). Sorted
// by reference, case-insensitively.
QList<CircuitRow> circuitRows(const QJsonValue &equipments, const QString &empresa, const QString &instal,
                              const QString &ref);

// The search result text: installer, reference, Ethernet state, GPRS state
// and identifier joined by "," and each entry ended by "|".
QString searchResultText(const QList<CircuitRow> &rows);

// The link cell of a stored state ("Desactivado", "Perdido", "Conectado",
// or "No ADSL" / "No GPRS" for anything else).
QString linkStateText(const QString &value, bool ethernet);
inline bool isConnectedText(const QString &cell) { return cell == linkStateText(QStringLiteral("4"), true); }

// The six cells of row k (from 1): number or "Esborrar", installer,
// reference, identifier, Ethernet and GPRS texts.
QStringList circuitCells(const CircuitRow &row, int number);
QString deleteMark();

// Rows ordered by one column's text, ascending, compared case-insensitively
// in the user's locale (stable, so equal cells keep their order).
void sortRowsByColumn(QList<QStringList> &rows, int column);

} // namespace velmar::cloud
