#pragma once

#include "core/panels/EventDecoders.h"
#include "core/status/LampBoard.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace velmar::panels {

// A panel's status text decoded into what its view shows: lamp Tags of the
// blink engine's groups, Tags of the view's own single lamps, counters and
// kind labels, and the event lists to fetch next. Decoding never touches
// a widget; the view applies the result.

struct LampTag {
    LampGroup group;
    int index = 0;
    int tag = 0;
    bool operator==(const LampTag &) const = default;
};

struct KindLabel {
    QString name;    // the label's objectName
    QString kind;    // the cloud list it selects ("Fire", ...)
    int count = 0;
    QString text;    // caption, when the model writes one
    bool visible = true;
    int x = -1;      // left edge, when the model places it
};

struct PanelStatus {
    QList<LampTag> lamps;
    QMap<QString, int> named;   // single lamps and indicators of the view: 0 off, 1 lit, 2 flashing, 3+ model states
    QList<KindLabel> labels;
    QStringList counts;         // BC600/BC216: the six counters as texts
    QStringList fetch;          // event lists to fetch, in order
    QList<EventLine> lines;     // the display's text when the status itself writes it (Cofem-A)
    QMap<QString, QString> texts; // texts of the view's labels and fields by name (CCD-100)
    QMap<QString, bool> visible;  // parts of the view shown or hidden by name (CCD-100 zones)
    QString selected;           // the kind shown after this status
    QString accessLevel;        // BC216 only
    int total = 0;              // AD300/AD600: events announced
    bool reloadSlow = false;    // a lamp started flashing: tempsLedZones to 6
    bool reloadFast = false;    // ... fast: tempsLedZonesRapid to 3
    bool reloadEstat = false;   // an Aguilera front lamp started flashing: tempsLedEstat to 6

    int tagOf(LampGroup g, int index) const;
};

// The ten fields of a count record: buzzer state, then the counts of Fire,
// Evacuate, Alert, Prealarm, Security, Fault, Disablement, TechAlarm, Test.
// Missing fields and fields that are not numbers count as 0.
struct CountRecord {
    int field[10] = {};
    int buzzer() const { return field[0]; }
};
CountRecord countRecord(const QString &text);

// The Syncro screen's first line and the empty line after it, from the
// Fire, Fault and Disablement counts.
QList<EventLine> syncroScreenHeading(int fire, int fault, int disablement);

// Status decoders per model, by the model's catalogue name; null for a
// model whose status text is not decoded here.
using StatusDecoder = PanelStatus (*)(const QString &text);
StatusDecoder statusDecoderFor(const QString &model);

// Writes the decoded Tags into the board and reloads the flash countdowns.
void applyLamps(LampBoard &board, const PanelStatus &status);

} // namespace velmar::panels
