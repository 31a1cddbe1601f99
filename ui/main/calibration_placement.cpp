#include "ui/main/calibration_placement.h"

#include "ui/canvas/graph_canvas.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarlen {

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
