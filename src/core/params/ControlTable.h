#pragma once

#include "core/params/GridModel.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velmar {

// Design-time properties of one bound single control, as the editor pages
// define them: control name, hint (parameter name), offset (tag below 100)
// and the panel that holds it.
struct ControlDesign {
    QString name;
    QString hint;
    int offset = 0;
    QString page;
    bool readOnly = false; // edit boxes: read-only
    bool disabled = false; // edit boxes: disabled from the start
    bool password = false; // edit boxes: shown as "*"
    QString indicator;     // check boxes: the indicator shape behind them
};

// The bound controls, each list in the order of its pointer table.
namespace ControlTable {
QList<ControlDesign> edits();      // PunterEdit, 97 boxes
QList<ControlDesign> comboBoxes(); // PunterComboBox: CBHora
QList<ControlDesign> checkLists(); // PunterCheckListBox: CLBPartsActives
QList<ControlDesign> checkBoxes(); // PunterCheckBox, 3 boxes
QList<GridDesign> grids();           // PunterStringGrid, 40 grids

// The 24 whole-hour entries of CBHora, UTC-10 to UTC+13 (index = offset + 10).
QStringList horaEntries();
// Items of CLBPartsActives.
QStringList partsActives();
} // namespace ControlTable

} // namespace velmar
