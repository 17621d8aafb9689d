#pragma once

#include "core/editor/CellMarking.h"
#include "core/params/BoundField.h"

#include <QColor>
#include <QPalette>

namespace velmar::ui {

// The colours that carry a field's state on the editor pages.
inline QColor changedColour() { return QColor(0xFF, 0x00, 0x00); }     // 255: changed, not written
inline QColor lightBlueColour() { return QColor(0x7D, 0xB8, 0xFF); }   // 16758909: the module's own
inline QColor inactiveCaptionColour() { return QColor(0xBF, 0xCD, 0xDB); }
inline QColor tabGreyColour() { return QColor(0xD4, 0xD4, 0xD4); }

QColor fieldColour(FieldColour colour, const QPalette &palette);

// An event kind's background on the AD300 grid; invalid for none.
QColor kindColour(editor::KindColour colour);

} // namespace velmar::ui
