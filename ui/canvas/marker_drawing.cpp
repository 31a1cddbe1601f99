#include "ui/canvas/marker_drawing.h"

#include "ui/canvas/graph_canvas.h"

#include <QColor>

namespace tarlen {

namespace {
QColor toColour(MarkerColor colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}
} // namespace

void drawMarker(GraphCanvas &canvas, MarkerColor colour, float x, float y, std::int16_t kind,
                std::int16_t &size)
{
    if (size == 0)
        size = 1;
    const float a = 40.0f * size;
    const QColor c = toColour(colour);

    switch (kind) {
    case 1:
        canvas.setPenWidth(size);
        canvas.plotPoint(x, y, c);
        canvas.setPenWidth(1);
        return;
    case 2:
        // The right and lower arms reach 20 twips beyond the half-size.
        canvas.drawLine(x - a, y, x + a + 20, y, c);
        canvas.drawLine(x, y - a, x, y + a + 20, c);
        break;
    case 3:
        canvas.drawLine(x - a, y + a, x + a + 16, y - a - 16, c);
        canvas.drawLine(x - a, y - a, x + a + 16, y + a + 16, c);
        break;
    case 4:
        canvas.drawCircle(x, y, a, c);
        break;
    case 5:
        canvas.drawRectangle(x - a, y - a, x + a, y + a, c);
        break;
    case 6:
        canvas.drawLine(x - a, y, x, y - a, c);
        canvas.drawLineTo(x + a, y, c);
        canvas.drawLineTo(x, y + a, c);
        canvas.drawLineTo(x - a, y, c);
        break;
    default:
        return;
    }
    canvas.plotPoint(x, y, c);
}

} // namespace tarlen
