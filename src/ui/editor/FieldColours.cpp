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

QColor kindColour(editor::KindColour colour)
{
    switch (colour) {
    case editor::KindColour::Green:
        return QColor(0x00, 0xFF, 0x00);
    case editor::KindColour::Yellow:
        return QColor(0xFF, 0xFF, 0x00);
    case editor::KindColour::Grey:
        return QColor(0xC0, 0xC0, 0xC0);
    case editor::KindColour::Red:
        return QColor(0xFF, 0x00, 0x00);
    case editor::KindColour::None:
        break;
    }
    return QColor();
}

} // namespace velmar::ui
