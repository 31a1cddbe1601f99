#pragma once

#include <QColor>

class QAbstractButton;

namespace tarlen {

// Gives a button a flat face in one colour, with a plain raised or sunken edge: the style's
// shaded gradient would wash a light face colour out. Its text and focus frame are the style's.
void giveFlatFace(QAbstractButton &button, const QColor &face);

} // namespace tarlen
