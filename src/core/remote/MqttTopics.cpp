#include "core/remote/MqttTopics.h"

namespace velmar {

MqttTopics MqttTopics::forModule(const QString &id, bool adsl)
{
    MqttTopics t;
    t.subsSts = QStringLiteral("gsts/") + id + QStringLiteral("/#");
    t.subsCfg = QStringLiteral("gcfg/") + id + QStringLiteral("/#");
    t.subsCea = QStringLiteral("gcea/") + id + QStringLiteral("/#");
    t.subsCeg = QStringLiteral("gceg/") + id + QStringLiteral("/#");
    t.publishCfg = (adsl ? QStringLiteral("scfa/") : QStringLiteral("scfg/")) + id + QStringLiteral("/.");
    t.publishSts = QStringLiteral("ssts/") + id + QStringLiteral("/.");
    t.publishCe = (adsl ? QStringLiteral("scea/") : QStringLiteral("sceg/")) + id + QStringLiteral("/.");
    t.will = QStringLiteral("scfg/") + id + u'/';
    return t;
}

QString MqttTopics::willMessage(const QString &codiReg)
{
    return QStringLiteral("S'ha perdut la connexio amb el client: ") + codiReg;
}

bool MqttTopics::usableId(const QString &id)
{
    if (id.isEmpty())
        return false;
    for (QChar c : id)
        if (c == u'/' || c == u'+' || c == u'#' || c.unicode() == 0)
            return false;
    return true;
}

bool MqttTopics::carriesPanelBytes(const QString &topic)
{
    return topic.contains(QLatin1String("gcea")) || topic.contains(QLatin1String("gceg"));
}

} // namespace velmar
