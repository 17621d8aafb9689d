#pragma once

#include <QString>
#include <QStringList>

namespace velmar::panels {

// The fixed code tables of the panel event decoders. In the coded tables an
// entry is a code, a colon and a text; a decoder finds the first entry that
// contains the code's digits and shows the text after its first four
// characters.

// Device types of an ID3000 or MA-2000 event, indexed by the type number 0 to 15.
const QStringList &TaulaTipusEquip();
// A new language: the tables whose texts are translated are made again in it.
void retranslateCodeTables();
// Event texts of the ID3000, MA-2000 and PL-1000 decoders: 151 slots, the
// last three empty.
const QStringList &TaulaEventEquip();
// The ID3000 decoder searches only the entries up to "068".
constexpr int kID3000EventEntries = 101;
// C-Tec XFP device, event and fault types.
const QStringList &TaulaTipusEquipCtecXFP();
const QStringList &TaulaEventEquipCtecXFP();
const QStringList &TaulaAvariaEquipCtecXFP();

} // namespace velmar::panels
