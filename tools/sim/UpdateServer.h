#pragma once

#include "Transcript.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTcpServer>

namespace velmar::sim {

// The maker's update server on loopback: answers the version request from a
// directory of firmware images (NAME.bin, its description in NAME.txt) and
// runs transfers, one enciphered message per block the module asks for.
struct UpdateServerOptions {
    quint16 port = 5009;
    QString firmwareDir;
    QByteArray key = QByteArrayLiteral("VlmUpd2021");
    QString transcriptPath;
    // Faults.
    QSet<int> badCrcBeforeBlock;  // a damaged control message goes before these blocks
    bool badCrcFirst = false;     // the first control message of a connection is damaged
    int dropAfterBlock = -1;      // the connection closes once this block is sent
    int splitBytes = 0;           // every message written in pieces of this size
    bool coalesce = false;        // each block goes in one write with a control message before it
    bool silent = false;          // connections are taken and never answered
};

class UpdateServer : public QObject {
    Q_OBJECT
public:
    explicit UpdateServer(UpdateServerOptions options, QObject *parent = nullptr);
    // The command line of "velmar-sim update-server"; with --help, *help is
    // set and *error holds the help text.
    static bool parse(const QStringList &args, UpdateServerOptions *o, bool *help, QString *error);
    bool start(QString *error);
    quint16 port() const { return m_server.serverPort(); }

    struct Image {
        QString version;
        QString description;
        QByteArray bytes;
    };

private:
    class Connection;
    void onConnection();
    QList<Image> images() const;

    UpdateServerOptions m_options;
    QTcpServer m_server;
    Transcript m_transcript;
};

} // namespace velmar::sim
