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
