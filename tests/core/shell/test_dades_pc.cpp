#include "core/shell/DadesPC.h"

#include <gtest/gtest.h>

#include <QHostInfo>

using namespace velmar;

TEST(DadesPC, FirstIPv4AddressOrNothing)
{
    auto addrs = [](std::initializer_list<const char *> list) {
        QList<QHostAddress> out;
        for (const char *a : list)
            out.append(QHostAddress(QString::fromLatin1(a)));
        return out;
    };
    EXPECT_EQ(firstIPv4({}), QString());
    EXPECT_EQ(firstIPv4(addrs({"fe80::1", "::1"})), QString());
    EXPECT_EQ(firstIPv4(addrs({"::ffff:1.2.3.4"})), QString());
    EXPECT_EQ(firstIPv4(addrs({"fe80::1", "192.168.1.5", "10.0.0.1"})), QStringLiteral("192.168.1.5"));
}

TEST(DadesPC, DescribesThisHost)
{
    const TDadesPC pc = ObtenirDadesPC();
    EXPECT_EQ(pc.nom, QHostInfo::localHostName());
    if (!pc.IP.isEmpty()) {
        EXPECT_EQ(QHostAddress(pc.IP).protocol(), QAbstractSocket::IPv4Protocol) << pc.IP.toStdString();
    }
}
