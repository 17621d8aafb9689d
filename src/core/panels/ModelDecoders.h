#pragma once

#include "core/panels/EventDecoders.h"
#include "core/panels/StatusDecoders.h"

namespace velmar::panels {

// The status decoders of the models (StatusDecoders.cpp).
namespace status {
PanelStatus bc600Status(const QString &text);
PanelStatus bc216Status(const QString &text);
PanelStatus cofemStatus(const QString &text);
PanelStatus uranoStatus(const QString &text);
PanelStatus syncroStatus(const QString &text);
PanelStatus avenarStatus(const QString &text);
PanelStatus ad300Status(const QString &text);
PanelStatus id3000Status(const QString &text);
PanelStatus ad600Status(const QString &text);
PanelStatus ma2000Status(const QString &text);
PanelStatus jadeBirdStatus(const QString &text);
PanelStatus ctecStatus(const QString &text);
PanelStatus pl1000Status(const QString &text);
// ZoneStatusDecoders.cpp
PanelStatus supraStatus(const QString &text);
PanelStatus komttechStatus(const QString &text);
PanelStatus ccd100Status(const QString &text);
PanelStatus zafirStatus(const QString &text);

// Shared by the decoders of both files.
int digitAt(const QString &s, int i); // i counted from 0; not a digit is 0
QChar charAt(const QString &s, int pos); // pos counted from 1
void lamp(PanelStatus &st, LampGroup g, int index, int tag);
void blinking(PanelStatus &st, LampGroup g, int index, int tag); // 2 reloads the slow countdown

// The zone groups of Urano and the models told as Urano's differences:
// three characters per zone into its alarm and fault lamps.
struct UranoZones {
    LampGroup alarm;
    LampGroup fault;
    int disabledFault; // fault state of a disabled zone
    bool testLit;      // a zone in test lights its fault lamp whatever the second character
};
struct ZoneScan {
    bool disabled = false; // some zone is disabled
    bool testing = false;  // some zone is in test
};
ZoneScan uranoZones(PanelStatus &st, const QString &zones, const UranoZones &family);
// The general part of an Urano-shaped zone text (characters 52 to 67),
// all off for a text of 51 characters or fewer.
struct UranoGeneral {
    const char *earth;    // lit by character 52
    const char *system;   // by 55
    const char *silenced; // by 67
    LampGroup supply;     // by 53
    LampGroup sirens;     // by 56 to 59
    int supplyTag[5];     // the supply lamp's Tag for "0" to "4"
    int fastTag;          // the supply Tag that flashes fast
    int slowTag;          // ... slowly (-1 none)
};
void uranoGeneral(PanelStatus &st, const QString &zones, const UranoGeneral &general);
} // namespace status

// What the model's event record does.
enum class OnEvent {
    None,
    Append,        // decoded and added to the display
    Replace,       // decoded and shown alone
    RefetchKind,   // the list it names is fetched again when shown
    RefreshStatus, // the model's status is read again from the cloud
};

// One cloud list entry; n its place from 1, total the events announced.
using EntryDecoder = DecodedEvent (*)(const QString &entry, const QString &kind, int n, int total);
using RecordDecoder = DecodedEvent (*)(const QString &payload);

// Everything that decodes one model's texts, a row per model of the
// catalogue (by its name) in ModelDecoders.cpp. Null members: the model
// has no such text.
struct ModelDecoders {
    const char *model;
    StatusDecoder status;
    EntryDecoder entry;
    bool utf8List;         // its cloud lists are UTF-8 underneath
    OnEvent onEvent;
    RecordDecoder record;  // for Append and Replace
};

const ModelDecoders *decodersOf(const QString &model);

} // namespace velmar::panels
