#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velmar::panels {

// The panels' event decoders: each turns one entry of a cloud event list (or
// the payload of a "C4"/"C7" event record) into the lines of the model's
// event display. They keep no state; the running numbers a model shows are
// passed in. Anything the text does not hold decodes to fewer lines, never
// to a failure.

struct EventLine {
    QString text;
    bool heading = false; // drawn bold and larger
};

struct DecodedEvent {
    QList<EventLine> lines;
    QList<int> zoneLamps;    // AD300: zone lamps 1..19 to set flashing
    bool evacuation = false; // AD600: the evacuation lamp goes on
    bool skipped() const { return lines.isEmpty(); }
};

// A cloud list as the read returns it: quotes and apostrophes removed, cut
// at CR, empty pieces dropped. utf8: the text's bytes are UTF-8 (JadeBird).
QStringList eventEntries(const QString &listText, bool utf8 = false);

// Text of a coded table entry ("001:Fuego", "008 Circuito abierto módulo")
// after its code and separator.
QString entryText(const QString &entry);
// First entry among the first `limit` that contains code; its text, or an
// empty string when none does.
QString lookupContaining(const QStringList &table, const QString &code, int limit);

// ID3000 family: one decoder for ID3000, MA-2000 and PL-1000, told apart by
// their row of differences (EventDecoders.cpp).
enum class IdFamily { ID3000, MA2000, PL1000 };
// numEvent: the entry's running number in its list (MA-2000, PL-1000).
DecodedEvent decodeIdEvent(IdFamily model, const QString &entry, int numEvent = 1);

// BC600 and BC216 list entries.
DecodedEvent decodeBC600(const QString &entry);
DecodedEvent decodeBC216(const QString &entry);
// "C4" payload: the kind that changed, 1 (Alarm) to 6 (Test); 0 when none.
int bc600ChangedKind(const QString &payload);
// Kind names of the BC600 lists by their number 1 to 6.
QString bc600KindName(int kind);

// Avenar (Bosch) list entry; number is the entry's place in its list from 1.
DecodedEvent decodeAvenar(const QString &entry, const QString &heading, int number);

// Syncro: a list entry, or the payload of a "C7" record.
DecodedEvent decodeSyncroEntry(const QString &entry);
DecodedEvent decodeSyncroRecord(const QString &payload);

// AD300 and AD600 list entries of the list `kind` ("Fire", "Fault", ...);
// number and total are the "Evento: k de n" counters of the view.
DecodedEvent decodeAD300(const QString &entry, const QString &kind, int number, int total);
DecodedEvent decodeAD600(const QString &entry, const QString &kind, int number, int total);
// Text of an AD300 event code ("3364"), empty when unknown.
QString ad300CodeText(const QString &code);

// JadeBird list entry or "C7" payload.
DecodedEvent decodeJadeBird(const QString &input);
// What the JadeBird display shows for a kind without events.
QString jadeBirdNoEvents(const QString &kind);

// C-Tec XFP list entry of the list `kind`; an empty kind is the list of the
// other events, where entries naming the four known kinds are skipped.
DecodedEvent decodeCtec(const QString &entry, const QString &kind);

// A whole cloud list of `kind` for the model (catalogue name) into the
// lines of its event display, entries in order; total is the number of
// events the view announced (AD300, AD600). Unknown models show nothing.
DecodedEvent decodeEventList(const QString &model, const QString &kind, const QString &listText, int total = 0);

} // namespace velmar::panels
