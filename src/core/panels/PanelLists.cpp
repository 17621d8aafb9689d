#include "core/panels/PanelLists.h"

#include "core/cloud/CloudDirectory.h"
#include "core/panels/PanelCatalogue.h"
#include "core/panels/PanelMonitor.h"

namespace velmar::panels {

PanelLists::PanelLists(PanelMonitor &monitor, CloudDirectory &cloud, QObject *parent)
    : QObject(parent), m_monitor(monitor), m_cloud(cloud)
{
    connect(&monitor, &PanelMonitor::listWanted, this,
            [this](const QString &model, const QString &node, const QString &kind) {
                want({model, kind, u'/' + node + QStringLiteral("/Events/") + kind, false});
            });
    // The module keeps the count record of these models beside their lists.
    connect(&monitor, &PanelMonitor::statusRefreshWanted, this, [this](const QString &model) {
        want({model, {}, QStringLiteral("/Syncro/Events/buzzerAndNums"), true});
    });
}

void PanelLists::want(const Read &read)
{
    // The same read still waiting answers for both.
    if (m_queue.contains(read))
        return;
    m_queue.append(read);
    if (!m_reading)
        next();
}

void PanelLists::next()
{
    if (m_queue.isEmpty()) {
        m_reading = false;
        return;
    }
    m_reading = true;
    const Read read = m_queue.takeFirst();
    m_cloud.readModule(read.tail, [this, read](bool ok, const QString &text) {
        if (!ok)
            failed();
        else
            m_told = false;
        if (!read.status) {
            m_monitor.listFetched(read.model, read.kind, ok ? text : QString());
        } else if (const PanelModel *m = modelNamed(read.model)) {
            QString status = text;
            status.remove(u'"');
            // A record the module has not written would read as all at rest.
            if (ok && !status.trimmed().isEmpty())
                m_monitor.statusText(*m, status);
        }
        next();
    });
}

void PanelLists::failed()
{
    const QString error = m_cloud.ErrorFirebase();
    if (error.isEmpty() || m_told)
        return;
    m_told = true;
    emit message(CloudDirectory::tr("ERROR"), error + u'\r' + CloudDirectory::tr("Compruebe la conexión a internet"));
}

} // namespace velmar::panels
