#pragma once

#include <QColor>

namespace tarlen {

// Fixed stand-ins for the colours of the classic desktop scheme that the window follows.
inline constexpr QRgb kSystemHighlight = 0xFF000080;
inline constexpr QRgb kSystemActiveTitleBar = 0xFF0000FF;
inline constexpr QRgb kSystemInactiveCaptionText = 0xFFD4D0C8;
inline constexpr QRgb kSystemTooltipBackground = 0xFFFFFFE1;
inline constexpr QRgb kSystemWindowBackground = 0xFFFFFFFF;
inline constexpr QRgb kSystemWindowText = 0xFF000000;
inline constexpr QRgb kSystemDarkShadow = 0xFF000000;
inline constexpr QRgb kSystemApplicationWorkspace = 0xFF808080;

} // namespace tarlen
