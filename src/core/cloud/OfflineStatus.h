#pragma once

#include "core/cloud/CloudRecords.h"

#include <QObject>
#include <QTimeZone>

namespace velmar {

class EventLog;
class ModuleStatus;
struct LinkState;
namespace panels {
class PanelMonitor;
struct PanelModel;
}

namespace cloud {
// The attached panel's status text as the stored record holds it, in the
// form the panel's own status records have; empty for a model that keeps
// none.
QString storedPanelStatus(const panels::PanelModel &model, const ModuleRecord &record);
} // namespace cloud

// The offline view: a module that is on neither link is shown from the
// state its record last stored, on the same status page and panel view as
// a live module.
class OfflineStatus : public QObject {
    Q_OBJECT
public:
    OfflineStatus(LinkState &state, ModuleStatus &status, EventLog &log, panels::PanelMonitor &panel,
                  QObject *parent = nullptr);

    // The zone the "last data received" time is shown in (tests fix it).
    void setZone(const QTimeZone &zone) { m_zone = zone; }

    void show(const cloud::ModuleRecord &record);

signals:
    // The status page comes to the front with "SIN   CONEXION".
    void shown();
    // The attached model's view is chosen from the stored record.
    void panelViewChosen(const QString &central);

private:
    LinkState &m_state;
    ModuleStatus &m_status;
    EventLog &m_log;
    panels::PanelMonitor &m_panel;
    QTimeZone m_zone = QTimeZone::systemTimeZone();
};

} // namespace velmar
