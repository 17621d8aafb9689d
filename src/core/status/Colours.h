#pragma once

#include <QtGlobal>

namespace velmar {

// A colour as the status displays decide it: 0xRRGGBB. The core decides
// colours without a screen; the views turn them into QColor.
using Rgb = quint32;

namespace colours {

inline constexpr Rgb Red = 0xFF0000;
inline constexpr Rgb Lime = 0x00FF00;
inline constexpr Rgb Green = 0x008000;
inline constexpr Rgb Yellow = 0xFFFF00;
inline constexpr Rgb Orange = 0xFF8000;
inline constexpr Rgb Amber = 0xFFBF00;
inline constexpr Rgb Gold = 0xFED801;
inline constexpr Rgb Olive = 0x959500;
inline constexpr Rgb Silver = 0xC0C0C0;
inline constexpr Rgb MediumGrey = 0xA0A0A4;
inline constexpr Rgb DarkGrey = 0x323232;
inline constexpr Rgb White = 0xFFFFFF;
inline constexpr Rgb Black = 0x000000;
inline constexpr Rgb LightRed = 0xFFB0B0;
inline constexpr Rgb LightGreen = 0xAAFFAA;
inline constexpr Rgb PaleBlue = 0xCCE3FF;
inline constexpr Rgb Blue = 0x0000FF;
inline constexpr Rgb LightGrey = 0xDBDBDB;
inline constexpr Rgb LightBlue = 0x7DB8FF; // the module's own panels

// Theme colours, fixed so that every desktop shows the same states.
inline constexpr Rgb Window = 0xFFFFFF;
inline constexpr Rgb WindowText = 0x000000;
inline constexpr Rgb GrayText = 0x6D6D6D;
inline constexpr Rgb InactiveCaption = 0xBFCDDB;
inline constexpr Rgb HotLight = 0x0066CC;
inline constexpr Rgb ButtonShadow = 0xA0A0A0;

} // namespace colours
} // namespace velmar
