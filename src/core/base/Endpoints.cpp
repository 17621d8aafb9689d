#include "core/base/Endpoints.h"

#include <QFileInfo>
#include <QSettings>

#include <functional>
#include <vector>

namespace velmar {

namespace {

struct Field {
    const char *key; // "section/key"
    std::function<bool(Endpoints &, const QString &)> set;
};

bool setPort(int &port, const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v <= 0 || v > 65535)
        return false;
    port = v;
    return true;
}

#define VELMAR_TEXT(k, m) Field{k, [](Endpoints &e, const QString &v) { e.m = v; return true; }}
#define VELMAR_PORT(k, m) Field{k, [](Endpoints &e, const QString &v) { return setPort(e.m, v); }}

const std::vector<Field> &fields()
{
    static const std::vector<Field> list = {
        VELMAR_TEXT("broker/host", brokerHost),
        VELMAR_PORT("broker/port", brokerPort),
        VELMAR_TEXT("broker/user", brokerUser),
        VELMAR_TEXT("broker/password", brokerPassword),
        VELMAR_TEXT("mqtt/public_host", publicMqttHost),
        VELMAR_TEXT("cloud/api_key", cloudApiKey),
        VELMAR_TEXT("cloud/project_id", cloudProjectId),
        VELMAR_TEXT("cloud/database_url", cloudDatabaseUrl),
        VELMAR_TEXT("cloud/auth_base", cloudAuthBase),
        VELMAR_TEXT("cloud/token_base", cloudTokenBase),
        VELMAR_TEXT("update/host", updateHost),
        VELMAR_PORT("update/port", updatePort),
        VELMAR_TEXT("update/key", updateKey),
        VELMAR_TEXT("web/download_page", downloadPage),
        VELMAR_TEXT("web/probe_url", probeUrl),
    };
    return list;
}

#undef VELMAR_TEXT
#undef VELMAR_PORT

QString envName(const char *key)
{
    return QStringLiteral("VELMAR_") + QString::fromLatin1(key).replace(u'/', u'_').toUpper();
}

} // namespace

bool Endpoints::load(const QString &iniPath, QString *error)
{
    if (!QFileInfo(iniPath).isReadable()) {
        if (error)
            *error = QStringLiteral("cannot read %1").arg(iniPath);
        return false;
    }
    QSettings ini(iniPath, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("%1 is not a valid settings file").arg(iniPath);
        return false;
    }
    for (const Field &f : fields()) {
        const QString key = QString::fromLatin1(f.key);
        if (!ini.contains(key))
            continue;
        if (!f.set(*this, ini.value(key).toString())) {
            if (error)
                *error = QStringLiteral("%1: bad value for %2").arg(iniPath, key);
            return false;
        }
    }
    return true;
}

void Endpoints::applyEnvironment()
{
    for (const Field &f : fields()) {
        const QByteArray name = envName(f.key).toLatin1();
        if (qEnvironmentVariableIsSet(name.constData()))
            f.set(*this, qEnvironmentVariable(name.constData()));
    }
}

} // namespace velmar
