#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace velmar::sim {

// The module's side of a firmware update. "vm+act=SIZE,BYTES,CRC,FIRMWARE"
// starts it; from then on the line carries frames "+U" + three hex digits +
// data + the data's CRC-32 in 8 hex digits, one per block the module asks
// for with "+U" + three hex digits. The whole image's CRC decides between
// "+UFFF" (new firmware after the restart) and "+UFFE".
struct UpdateSideOptions {
    QHash<int, QString> replyAt; // block -> error code (FF0, FF1, FF2, FFC) answered once instead
    int silentAt = -1;           // stop answering when this block arrives
    int frameTimeoutMs = 3000;   // a frame not whole by then: "+UFF0"
    int attempts = 4;            // failed frames of one block before the module gives up
};

class ModuleUpdate : public QObject {
    Q_OBJECT
public:
    explicit ModuleUpdate(UpdateSideOptions options, QObject *parent = nullptr);

    // What the module does with the results.
    std::function<void(const QString &)> reply;     // one "+U..." line
    std::function<void(const QString &)> note;      // transcript note
    // The transfer ended: restart, with the new firmware text when it is set.
    std::function<void(const QString &newFirmware)> finished;

    bool active() const { return m_active; }
    // The "vm+act=" line; false when its fields make no transfer.
    bool begin(const QString &line);
    void feed(const QByteArray &bytes);

private:
    void request(int block);
    // A failed frame: the code answered, the block asked again or, after
    // too many, the update abandoned and the old firmware restarted.
    void failed(const QString &code);
    void frameTimedOut();
    void end(bool good);
    qsizetype frameSize(int block) const;

    UpdateSideOptions m_options;
    QTimer m_frameTimer;
    bool m_active = false;
    bool m_silent = false;
    int m_blockSize = 0;
    qint64 m_fileSize = 0;
    QByteArray m_imageCrc;
    QString m_newFirmware;
    int m_expected = 0;
    int m_blocks = 0;
    int m_failures = 0;          // failed frames of the expected block
    QByteArray m_buffer;
    QByteArray m_image;
};

} // namespace velmar::sim
