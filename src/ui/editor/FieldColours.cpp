#include "ui/editor/FieldColours.h"

namespace velmar::ui {

QColor fieldColour(FieldColour colour, const QPalette &palette)
{
    switch (colour) {
    case FieldColour::Window: return palette.color(QPalette::Active, QPalette::Base);
    case FieldColour::Changed: return changedColour();
    case FieldColour::LightBlue: return lightBlueColour();
    case FieldColour::ButtonFace: return palette.color(QPalette::Active, QPalette::Button);
    case FieldColour::InactiveCaption: return inactiveCaptionColour();
    }
    return palette.color(QPalette::Base);
}

} // namespace velmar::ui
