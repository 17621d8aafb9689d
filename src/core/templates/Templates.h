#pragma once

#include "core/templates/TemplateFile.h"

#include <QList>
#include <QString>

namespace velmar {

class FieldModel;
class GridModel;

// What of the screen a template covers besides the module's own pages.
struct TemplateScope {
    QString panelTab;           // the panel (or doors) tab offered, empty if none
    QString central;            // the module's panel type text
    bool moduleLinked = false;  // circuittrobat
};

// The entries of a template of the screen (Guardar plantilla), in section
// order: edit boxes, CBHora, check boxes, check lists, grids. A partial
// template holds only what is marked as changed (and ECentral).
QList<TemplateEntry> templateEntries(const FieldModel &fields, const TemplateScope &scope, bool partial);

// Key of data row `row` of a grid in a template, by the grid's style. A row
// whose key is a single field's number on the same page is written under its
// record code in eight digits instead ("00009732": Zafir row 50, not the
// address 9750).
QString templateRowKey(const GridModel &grid, int row);

// The result of applying a template to the screen.
struct TemplateApply {
    bool ok = false;
    QString title;     // "ERROR" when refused
    QString message;   // why it was refused
    int applied = 0;   // fields and grid rows marked as changed
};

// Carrega_dades_fitxer: checks the panel type (key 1590) against the module
// and applies every entry that names a control in scope, marking it red for
// the next write. A refused template changes nothing.
TemplateApply applyTemplate(FieldModel &fields, const TemplateContent &content, const TemplateScope &scope);

} // namespace velmar
