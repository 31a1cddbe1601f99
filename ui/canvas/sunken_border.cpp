#include "ui/canvas/sunken_border.h"

#include <QPainter>
#include <QRect>

namespace tarlen {

namespace {
// Top and left edge in one colour, bottom and right edge in another, one pixel wide.
void drawEdge(QPainter &painter, const QRect &r, QRgb topLeft, QRgb bottomRight)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), QColor(topLeft));
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), QColor(topLeft));
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), QColor(bottomRight));
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), QColor(bottomRight));
}
} // namespace

void drawSunkenBorder(QPainter &painter, const QRect &outer)
{
    drawEdge(painter, outer, kButtonShadow, kButtonHighlight);
    drawEdge(painter, outer.adjusted(1, 1, -1, -1), kButtonDarkShadow, kButtonLight);
}

void drawFlatBorder(QPainter &painter, const QRect &outer)
{
    drawEdge(painter, outer, kButtonDarkShadow, kButtonDarkShadow);
}

} // namespace tarlen
