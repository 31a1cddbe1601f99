#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>

namespace tarlen {

class GraphCanvas;

// "Büyüteç": the program's own magnifier, opened where no system magnifier can be started.
// A small tool window that shows the canvas around the pointer enlarged, with the picture,
// the drawing layer and the crosshair, and a mark on the pixel under the pointer. It never
// takes the keyboard focus, so the main window keeps it while the user digitizes.
class MagnifierWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinFactor = 2;
    static constexpr int kMaxFactor = 8;
    static constexpr int kStartFactor = 4;
    // The view is square; at the start factor it shows 50 x 50 canvas pixels.
    static constexpr int kViewSize = 200;

    explicit MagnifierWindow(GraphCanvas &canvas, QWidget *parent = nullptr);

    int factor() const { return factor_; }
    // The canvas pixel shown under the centre mark.
    QPoint pointerPixel() const { return pointer_; }
    // Where that pixel's enlarged cell lies in the view.
    QRect centreCell() const;

    // Follows a move over the canvas; repaints later, at most once a display frame.
    void followPointer(float xTwips, float yTwips);

    // Puts the window right of the canvas, or at the screen's right edge when it does not fit
    // there, always inside the screen.
    void placeBeside(const QRect &canvasOnScreen, const QSize &screen);

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void endFrame();
    void composeSeen(const QRect &seen);
    void enlargeSeen(const QPoint &origin);
    void markCentre(const QRect &cell);
    void makePlate();

    QPointer<GraphCanvas> canvas_;
    // The canvas pixels under the view, one image pixel each, kept between paints.
    QImage seen_;
    QImage view_;
    QImage plate_;
    int plateFactor_ = 0;
    // Runs for one display frame after a repaint was asked; moves meanwhile only set behind_.
    QTimer frame_;
    bool behind_ = false;
    QPoint pointer_;
    int factor_ = kStartFactor;
    // Wheel turns smaller than one notch add up until they make one.
    int wheelRemainder_ = 0;
};

// The window's top-left corner for a window of the given size beside the canvas.
QPoint magnifierPlace(const QRect &canvasOnScreen, const QSize &window, const QSize &screen);

} // namespace tarlen
