#pragma once

#include "ModuleState.h"
#include "ParamStore.h"

#include <QDateTime>
#include <QString>

namespace velmar::sim {

// Builders of the information-stream records. Everything they report is
// taken from the live state and the stored parameters, so that what the
// program shows agrees with what it reads.
namespace info {

// "0" DDMMYY HHMM SS "|" zone index (three digits, from 0120).
QString timeSegment(const QDateTime &now, const ParamStore &store);
// "1" company|installer|reference|identifier:IMEI|panel type
QString identSegment(const ModuleState &s, const ParamStore &store);
// "2" inputs|outputs|links|coverage:coordinates|tamper|power|data|minutes
QString statusSegment(const ModuleState &s, const ParamStore &store);
// "3" the sixteen input aliases, "4" the four output aliases.
QString inputAliasSegment(const ParamStore &store);
QString outputAliasSegment(const ParamStore &store);
// "5" SIM:operator:modem:modem version
QString gsmSegment(const ModuleState &s);

// The periodic record: "{#" segments 0 to 5 "}".
QString mainRecord(const ModuleState &s, const ParamStore &store, const QDateTime &now);
// The attached panel's status record ("{#A4|...}"), empty when it has none.
QString panelStatusRecord(const ModuleState &s, const ParamStore &store);
// "{#" code ":" value "}"
QString eventRecord(const QString &code, const QString &value);
// A panel event record ("{#C4|...}"), empty when the panel has no events.
QString panelEventRecord(const ModuleState &s, const QString &payload);
// A free text shown in the program's event log.
QString textRecord(const QString &text);

// The four link-state characters: GPRS, ADSL, COM, inputs/outputs.
QString linkStates(const ModuleState &s, const ParamStore &store);

} // namespace info
} // namespace velmar::sim
