#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

namespace velmar {

// The PC the program runs on, filled once at start-up.
struct TDadesPC {
    QString nom;     // computer name
    QString IP;      // first IPv4 address of the host name, dotted; empty when it does not resolve
    QString usuari;  // operating-system user
};

// Resolves the host name (a blocking lookup, as at start-up).
TDadesPC ObtenirDadesPC();

// The first IPv4 address in dotted form, or an empty text when there is none.
QString firstIPv4(const QList<QHostAddress> &addresses);

} // namespace velmar
