#pragma once

#include <QFile>
#include <QString>

namespace velmar::sim {

// Every line received and sent, time-stamped, one per line:
//   2024-03-15T10:30:00.123 RX vm+ver
//   2024-03-15T10:30:00.124 TX +ver:Velmar_v8.7 [x1.2],<1000123>,<BC600>
//   2024-03-15T10:30:02.000 -- dropped +0102:Velmar Demo
// Control characters are written as \xNN. Flushed line by line so that a
// test can read it while the simulator runs.
class Transcript {
public:
    bool open(const QString &path, QString *error);
    bool isOpen() const { return m_file.isOpen(); }

    void rx(const QString &line) { write("RX", line); }
    void tx(const QString &line) { write("TX", line); }
    void note(const QString &text) { write("--", text); }

    static QString escaped(const QString &text);

private:
    void write(const char *kind, const QString &text);

    QFile m_file;
};

} // namespace velmar::sim
