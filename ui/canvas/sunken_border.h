#pragma once

#include <QColor>

class QPainter;
class QRect;

namespace tarlen {

// The edge colours of the classic 3D scheme.
inline constexpr QRgb kButtonShadow = 0xFF808080;
inline constexpr QRgb kButtonDarkShadow = 0xFF000000;
inline constexpr QRgb kButtonLight = 0xFFD4D0C8;
inline constexpr QRgb kButtonHighlight = 0xFFFFFFFF;

// A two-pixel sunken edge along the inside of the rectangle.
void drawSunkenBorder(QPainter &painter, const QRect &outer);

// A one-pixel flat black edge along the inside of the rectangle.
void drawFlatBorder(QPainter &painter, const QRect &outer);

} // namespace tarlen
