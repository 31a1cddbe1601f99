#include "ui/main/calibration_placement.h"

#include "ui/canvas/graph_canvas.h"

#include <QCheckBox>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarlen {

namespace {
// A title bar and a desktop panel.
constexpr int kWindowFrameHeight = 64;
// The x groups reach 75 pixels below the canvas (the assign buttons at 50, 25 high).
constexpr int kBelowCanvas = 80;
// The hidden y2 group stands right of the canvas; a small margin keeps the edge clear.
constexpr int kRightOfCanvas = 10;
} // namespace

QSize availableClientArea(QSize screen)
{
    return {screen.width(), std::max(0, screen.height() - kWindowFrameHeight)};
}

QSize canvasRoom(QSize screen, QPoint canvasCorner)
{
    if (screen.isEmpty())
        return {};
    const QSize area = availableClientArea(screen);
    return {std::max(1, area.width() - canvasCorner.x() - kRightOfCanvas),
            std::max(1, area.height() - canvasCorner.y() - kBelowCanvas)};
}

void placeCalibrationControls(const MainWindowControls &c, int x0LabelOffset, int x1LabelOffset)
{
    const QRect canvas = c.Picture1->geometry();
    const int pl = canvas.x();
    const int pt = canvas.y();
    const int pw = canvas.width();
    const int bottom = pt + canvas.height();
    const int right = pl + pw;

    // Later rows read the place just given to Text3.
    c.Text3->move(right - c.Text3->width(), bottom + 10);
    c.Command6->move(c.Text3->x(), c.Text3->y() + 40);
    c.Label8->move(c.Text3->x() + x1LabelOffset, c.Text3->y() + 25);
    c.Text1->move(pl, bottom + 10);
    c.Command4->move(pl, c.Text3->y() + 40);
    c.Label6->move(pl + x0LabelOffset, c.Text3->y() + 25);
    c.Text2->move(pl - c.Text2->width() - 10, bottom - c.Text2->height());
    c.Command5->move(pl - c.Text2->width() - 10, bottom - c.Text2->height() - 42);
    c.Label7->move(pl - 50, bottom - c.Text2->height() - 15);
    c.Text5->move(right + 10, pt);
    c.Label10->move(right + 25, pt + 25);
    c.Command12->move(right + 10, pt + 40);
    c.Check1->move(pw / 2 + pl - 100, bottom + 20);
    c.Check2->move(pw / 2 + pl + 10, bottom + 20);
}

} // namespace tarlen
