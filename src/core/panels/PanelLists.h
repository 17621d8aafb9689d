#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace velmar {

class CloudDirectory;

namespace panels {

class PanelMonitor;

// The panel monitor's cloud reads: the event lists it names and the status
// record the AD300, AD600 and C-Tec views are refreshed from. Reads go one
// at a time in the order asked, so that the lists of one status reach the
// display in their order.
class PanelLists : public QObject {
    Q_OBJECT
public:
    PanelLists(PanelMonitor &monitor, CloudDirectory &cloud, QObject *parent = nullptr);

    // A read is under way or waiting.
    bool busy() const { return m_reading || !m_queue.isEmpty(); }

signals:
    // A failed read, told once until a read succeeds again: status records
    // come every few seconds and would otherwise pile up one box each.
    void message(const QString &title, const QString &text);

private:
    struct Read {
        QString model;
        QString kind; // empty for the status record
        QString tail; // below Equipments/ID
        bool status = false;
        bool operator==(const Read &) const = default;
    };
    void want(const Read &read);
    void next();
    void failed();

    PanelMonitor &m_monitor;
    CloudDirectory &m_cloud;
    QList<Read> m_queue;
    bool m_reading = false;
    bool m_told = false;
};

} // namespace panels
} // namespace velmar
