#pragma once

#include "core/diagnostics/Trace.h"

#include <QList>
#include <QString>

namespace velmar {

struct TraceLine {
    QString text;
    TraceColour colour;
    int colourFrom = 0; // the colour begins at this character; the default before it
};

// Turns one trace entry into console lines: each non-empty piece between
// line ends becomes "stamp piece" (the last piece followed by three blanks),
// NUL characters become code 1, and with hexa the entry's hexadecimal form
// follows in red with a line holding one blank. No line holds a line end or
// paragraph separator (one left in the hexadecimal form's leading text
// becomes a blank).
// colourFrom: the character of the entry where `suggested` begins.
QList<TraceLine> formatTraceEntry(const QString &entry, const QString &stamp, bool hexa,
                                  TraceColour suggested = TraceColour::Default, int colourFrom = 0);

// The hexadecimal form: the entry up to and including the colon of its first
// ": ", then every later character as a blank and at least two upper-case digits.
QString traceHexForm(const QString &entry, const QString &stamp);

} // namespace velmar
