#include "core/cloud/CloudStartupSession.h"

#include "core/cloud/CloudDirectory.h"

#include <QEventLoop>

namespace velmar {

namespace {

// Starts an operation and waits for the one signal that ends it.
template <typename Signal, typename Start>
auto await(CloudDirectory &cloud, Signal signal, Start start, bool fallback)
{
    bool answer = fallback;
    QEventLoop loop;
    QObject::connect(&cloud, signal, &loop, [&](bool value) {
        answer = value;
        loop.quit();
    });
    bool done = false;
    QObject::connect(&cloud, signal, &loop, [&] { done = true; });
    start();
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return answer;
}

} // namespace

CloudStartupSession::CloudStartupSession(CloudDirectory &cloud) : m_cloud(cloud) {}

bool CloudStartupSession::ConnexioInternet()
{
    return await(m_cloud, &CloudDirectory::internetChecked, [this] { m_cloud.ConnexioInternet(); }, false);
}

bool CloudStartupSession::ComprovaVersioRTDB()
{
    return await(m_cloud, &CloudDirectory::versionChecked, [this] { m_cloud.ComprovaVersioRTDB(); }, true);
}

QString CloudStartupSession::ErrorFirebase() const
{
    return m_cloud.ErrorFirebase();
}

bool CloudStartupSession::signIn()
{
    if (m_dialog)
        return m_dialog();
    return await(m_cloud, &CloudDirectory::signInFinished, [this] { m_cloud.ConnexioFireBase(); }, false);
}

QString CloudStartupSession::token() const
{
    return m_cloud.token();
}

QString CloudStartupSession::EmpresaEmail() const
{
    return m_cloud.EmpresaEmail();
}

} // namespace velmar
