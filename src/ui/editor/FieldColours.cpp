#include "ui/editor/FieldColours.h"

#include "core/status/Colours.h"

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
    case editor::KindColour::Green: return QColor::fromRgb(colours::Lime);
    case editor::KindColour::Yellow: return QColor::fromRgb(colours::Yellow);
    case editor::KindColour::Grey: return QColor::fromRgb(colours::Silver);
    case editor::KindColour::Red: return QColor::fromRgb(colours::Red);
    case editor::KindColour::None: break;
    }
    return QColor();
}

} // namespace velmar::ui
