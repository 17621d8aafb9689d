#pragma once

#include "Factory.h"

#include <QJsonObject>
#include <QString>

namespace velmar::sim {

// The event lists a module keeps in the cloud for its panel, one list per
// kind with events in the status payload, each entry in the model's own
// member format. The result maps the panel's node ("Syncro", "BC600",
// "Bosch") to its "Events" object; empty when the panel has no events or
// keeps no lists.
struct PanelLists {
    QString node;
    QJsonObject events;
};
PanelLists panelEventLists(const PanelModel &panel, const QString &status);

} // namespace velmar::sim
