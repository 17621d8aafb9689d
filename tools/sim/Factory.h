#pragma once

#include <QString>

#include <map>

namespace velmar::sim {

// One attached panel model as the module knows it: the records it uses in the
// information stream, the event-text block its page edits and the few single
// parameters that go with it.
struct PanelModel {
    const char *name;          // text searched in the panel type ("BC600", "AGE", ...)
    int number;                // value of comCiExt (1590)
    const char *statusRecord;  // "A4", or "" when the model reports no status
    const char *eventRecord;   // "C4", or ""
    const char *quietStatus;   // status payload of a panel at rest, "" when none
    quint16 blockFirst;        // first code of the event-text block, 0 when none
    int blockRecords;          // records of that block
    bool eventKind;            // records start with "kind:" (7-column pages)
    const char *baud;          // factory value of 1500
    bool fileName;             // has the event-file name 9500
    bool address;              // has the peripheral address 9750
    bool aguileraExtras;       // 9000 file name and the 1023-record zone list
};

// The model whose name the panel type contains, tried in an order that keeps
// the longer names ahead of the names they contain. Null when none matches.
const PanelModel *findPanelModel(const QString &panelType);

// Identity and options that decide factory values.
struct FactoryInput {
    QString identifier;
    QString parts;      // four "0"/"1": GPRS, ADSL, COM, inputs/outputs
    QString lockCode;   // "" when the module has no access code
    const PanelModel *panel = nullptr;
};

// Every parameter and block record of the module with its factory value,
// keyed by its four-digit hexadecimal code.
std::map<quint16, QString> factoryValues(const FactoryInput &in);

// Parameters the module reports but never lets anyone change.
bool isReadOnly(quint16 code);

} // namespace velmar::sim
