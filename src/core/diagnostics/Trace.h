#pragma once

#include <QObject>
#include <QString>

namespace velmar {

// Colour a caller suggests for a trace entry; the console decides the shade.
enum class TraceColour { Default, Blue, Maroon, Fuchsia, Red, Green };

// Sink of the time-stamped trace (the diagnostics console listens to it).
// Passed by reference to whoever traces; there is no global instance.
class Trace : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void write(const QString &text, TraceColour colour = TraceColour::Default)
    {
        emit entry(text, colour);
    }

signals:
    void entry(const QString &text, velmar::TraceColour colour);
};

} // namespace velmar
