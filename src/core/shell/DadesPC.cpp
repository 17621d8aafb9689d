#include "core/shell/DadesPC.h"

#include <QHostInfo>
#include <QtGlobal>

namespace velmar {

QString firstIPv4(const QList<QHostAddress> &addresses)
{
    for (const QHostAddress &a : addresses) {
        bool ok = false;
        a.toIPv4Address(&ok);
        // An IPv4-mapped IPv6 address is not an IPv4 address of the host.
        if (ok && a.protocol() == QAbstractSocket::IPv4Protocol)
            return a.toString();
    }
    return QString();
}

TDadesPC ObtenirDadesPC()
{
    TDadesPC pc;
    pc.nom = QHostInfo::localHostName();
    pc.usuari = qEnvironmentVariable("USER");
    if (pc.usuari.isEmpty())
        pc.usuari = qEnvironmentVariable("USERNAME");
    if (!pc.nom.isEmpty()) {
        const QHostInfo info = QHostInfo::fromName(pc.nom);
        if (info.error() == QHostInfo::NoError)
            pc.IP = firstIPv4(info.addresses());
    }
    return pc;
}

} // namespace velmar
