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
    // colourFrom: the character of text where the colour begins (before
    // it the text has the default colour).
    void write(const QString &text, TraceColour colour = TraceColour::Default, int colourFrom = 0)
    {
        emit entry(text, colour, colourFrom);
    }

signals:
    void entry(const QString &text, velmar::TraceColour colour, int colourFrom);
};

} // namespace velmar
