#pragma once

#include "ModuleState.h"
#include "ParamStore.h"

#include <QDateTime>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace velmar::sim {

// The module's own record in the cloud database (Equipments/ID), built from
// the same segments its information stream reports, so that the cable and
// the cloud tell the same state.
QJsonObject cloudRecord(const ModuleState &s, const ParamStore &store, const QDateTime &nowUtc);

// Keeps the record current: writes it at start, again whenever it changes
// (checked every checkMs), and marks the module off line at the end. A
// failed write is tried again at the next check.
class CloudReporter : public QObject {
    Q_OBJECT
public:
    explicit CloudReporter(QObject *parent = nullptr);
    // base: the database root URL; id: the module identifier.
    void start(const QUrl &base, const QString &id, std::function<QJsonObject()> record, int checkMs = 500);
    // Writes "Connection" OFFLINE and waits for the answer (at most waitMs).
    void finish(int waitMs = 2000);
    bool running() const { return m_timer.isActive(); }

    // Notes for the transcript.
    std::function<void(const QString &)> note;

private:
    void check();
    QUrl recordUrl() const;

    QNetworkAccessManager m_nam;
    QTimer m_timer;
    QUrl m_base;
    QString m_id;
    std::function<QJsonObject()> m_record;
    QJsonObject m_sent;          // last record the server took, "Updated" aside
    QPointer<QObject> m_pending; // the write in flight
};

} // namespace velmar::sim
