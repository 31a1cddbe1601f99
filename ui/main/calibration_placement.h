#pragma once

#include "ui/main/main_window_controls.h"

#include <QPoint>
#include <QSize>

namespace tarlen {

// Start-up places the x0 position label 12 pixels and the x1 label 8 pixels in.
inline constexpr int kStartUpX0LabelOffset = 12;
inline constexpr int kStartUpX1LabelOffset = 8;

// Places the calibration controls around the canvas as it stands now, in window pixels: the x
// groups under its ends, the y0 group left of its bottom, the check boxes under its middle and
// the hidden y2 group by its top right corner. The offsets move the x0 and x1 position labels
// right of their value boxes' left edges.
void placeCalibrationControls(const MainWindowControls &controls, int x0LabelOffset,
                              int x1LabelOffset);

// What a maximized main window has for its controls on a screen of this size: the whole width,
// and the height less a title bar and a desktop panel.
QSize availableClientArea(QSize screen);

// The largest outer size the canvas may take with its top-left corner where it stands, so that
// it and the controls placed below it stay inside the available area; empty when the screen
// size is unknown.
QSize canvasRoom(QSize screen, QPoint canvasCorner);

} // namespace tarlen
