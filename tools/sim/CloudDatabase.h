#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrlQuery>

#include <optional>

namespace velmar::sim {

// The realtime database's JSON tree and what its REST interface does to it.
// Empty objects and nulls are never stored: writing null removes a node, and
// removing the last child removes the parent.
class CloudDatabase {
public:
    struct Answer {
        int status = 200;
        QByteArray body; // JSON text
        bool changed = false;
    };

    // "a/b/c" (already percent-decoded) into levels; false for a bad key.
    static bool splitPath(const QString &path, QStringList *levels, QString *error);
    static bool validKey(const QString &key);
    // Any JSON text, scalars included.
    static std::optional<QJsonValue> parseJson(const QByteArray &text);
    static QByteArray toJson(const QJsonValue &v);
    static QByteArray errorBody(const QString &message);

    Answer get(const QStringList &path, const QUrlQuery &query) const;
    Answer put(const QStringList &path, const QByteArray &body);
    Answer patch(const QStringList &path, const QByteArray &body);
    Answer post(const QStringList &path, const QByteArray &body);
    Answer remove(const QStringList &path);

    QJsonValue value(const QStringList &path) const;
    QJsonObject root() const { return m_root; }
    void setRoot(const QJsonObject &root);

    // 20 characters of the push alphabet: 8 for the time in milliseconds,
    // 12 random ones; an id made in the same millisecond increments the last.
    QString pushId(qint64 msSinceEpoch);

private:
    void write(const QStringList &path, const QJsonValue &v);

    QJsonObject m_root;
    qint64 m_lastPushMs = -1;
    QList<int> m_lastRandom;
};

} // namespace velmar::sim
