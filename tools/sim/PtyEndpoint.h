#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

class QSocketNotifier;

namespace velmar::sim {

// The module's end of the serial line: the master side of a pseudo-terminal
// in raw mode. The slave side is what the program opens as its port; we keep
// a slave descriptor of our own open so that the program closing its port
// does not hang up the line.
class PtyEndpoint : public QObject {
    Q_OBJECT
public:
    // Bytes waiting to go out beyond which new output is refused.
    static constexpr qsizetype kMaxQueued = 1 << 20;
    // 115200 baud, 8N1: ten bit times per byte.
    static constexpr double kBytesPerSecond = 11520.0;

    explicit PtyEndpoint(QObject *parent = nullptr);
    ~PtyEndpoint() override;

    bool open(QString *error);
    QString slavePath() const { return m_slavePath; }

    // Points path at the slave device (replacing an old symlink there).
    bool makeLink(const QString &path, QString *error);
    // Removes the link made by makeLink, if it still points at our device.
    void removeLink();

    // Pace output at the byte rate of 115200 baud instead of all at once,
    // and take input no faster: what the program writes reaches the module
    // as it would through the cable.
    void setBaudTiming(bool on) { m_baud = on; }

    // Queues bytes for the line. With splitBytes > 0 they go out in pieces of
    // at most that many bytes, gapMs apart, so the reader sees several reads.
    // Returns false when the queue is full and the bytes were dropped.
    bool write(const QByteArray &bytes, int splitBytes = 0, int gapMs = 0);
    qsizetype queued() const { return m_queued; }
    // Holds back everything queued after this call for ms milliseconds.
    void pause(int ms);

signals:
    void received(const QByteArray &bytes);

private:
    struct Chunk {
        QByteArray bytes;
        qsizetype offset = 0;
        int gapAfterMs = 0;
    };

    void onReadable();
    void pump();
    void armTimer(qint64 ms);
    void refillCredit();
    void deliverInput();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_link;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer m_timer;
    std::deque<Chunk> m_queue;
    qsizetype m_queued = 0;
    QElapsedTimer m_clock;
    qint64 m_resumeAtMs = 0;
    bool m_baud = false;
    double m_credit = 0;
    qint64 m_creditAtNs = 0;
    // Input held until its bytes have crossed the line (baud timing).
    struct Arrival {
        qint64 atNs;
        QByteArray bytes;
    };
    std::deque<Arrival> m_input;
    qint64 m_inputFreeAtNs = 0;
    QTimer m_inputTimer;
};

} // namespace velmar::sim
