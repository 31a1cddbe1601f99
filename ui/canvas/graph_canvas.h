#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRegion>
#include <array>
#include <optional>

namespace tarlen {

class CanvasViewport;

// The four arms of the full-length crosshair, line shapes inside the canvas.
enum class CrosshairLine { Line6, Line10, Line11, Line12 };

// The pointer shapes the canvas can be given; Default is the plain pointer before any is set.
enum class CanvasPointer { Default, Arrow, Cross };

// The graph canvas Picture1: a picture under a persistent drawing layer, measured in twips
// (origin at the inside top-left, y down) inside a two-pixel sunken border.
class GraphCanvas : public QFrame {
    Q_OBJECT

public:
    static constexpr int kBorderWidth = 2;

    explicit GraphCanvas(QWidget *parent = nullptr);

    // Shows the picture; the canvas takes its size plus the border, or the room when that is
    // smaller, and keeps its top-left corner. The drawing layer starts empty at the new size.
    void setPicture(const QImage &picture);

    // The largest outer size the canvas may take; a larger picture is shown through scroll
    // bars. Every position the canvas reports or draws at stays a picture position.
    void setRoom(QSize room);
    // The picture pixel shown at the inside's top-left corner.
    QPoint scrollOffset() const;
    void scrollTo(QPoint offset);
    const QImage &picture() const { return picture_; }

    // What has been drawn, picture-sized, transparent where nothing was drawn.
    const QImage &drawingLayer() const { return drawing_; }
    // Empties the drawing layer and moves the current drawing point to (0, 0).
    void clearDrawing();

    void setPenWidth(int pixels);
    int penWidth() const { return penWidth_; }
    // Where the last primitive ended, in twips; continued lines start here.
    QPointF currentPoint() const { return current_; }

    // Drawing primitives, positions in twips.
    void plotPoint(float x, float y, const QColor &colour);
    // Paints from the first point up to, but not including, the second.
    void drawLine(float x1, float y1, float x2, float y2, const QColor &colour);
    void drawLineTo(float x2, float y2, const QColor &colour);
    void drawCircle(float x, float y, float radius, const QColor &colour);
    void drawRectangle(float x1, float y1, float x2, float y2, const QColor &colour);

    // The crosshair arms: end points in twips, drawn above picture and drawing layer.
    void setLine(CrosshairLine line, const QLineF &twips);
    QLineF line(CrosshairLine line) const;
    void setLineVisible(CrosshairLine line, bool visible);
    bool isLineVisible(CrosshairLine line) const;

    // Arm moves are repainted at once. Held, only the strips the arms leave are marked at once
    // and the strips they enter when showArmMoves() is called just before a paint, so that
    // positions passed between two paints of a frame-paced window are never painted.
    void holdArmMoves(bool hold);
    void showArmMoves();

    void setPointerShape(CanvasPointer shape);
    CanvasPointer pointerShape() const { return pointer_; }

signals:
    // Positions in twips of the inside, whole multiples of a pixel.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float xTwips,
                      float yTwips);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float xTwips,
                    float yTwips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct ArmShape {
        QLineF twips;
        bool visible = true;
    };

    // Paints one pen-wide round dot centred on a pixel of the drawing layer.
    void stamp(int px, int py, QRgb rgb);
    void paintPixelLine(int x1, int y1, int x2, int y2, QRgb rgb);
    // Schedules a repaint of a rectangle of drawing-layer pixels.
    void updateLayerRect(int left, int top, int right, int bottom);
    QRect armWidgetRect(const ArmShape &arm) const;
    void armMoved();
    // Repaints the whole inside; the arms will show where they are now.
    void repaintInside();
    // Sizes the canvas for its picture and the room, with the scroll bars it needs.
    void fitToRoom();
    // Where picture pixel (0, 0) lies in the widget, the scroll offset applied.
    QPoint pictureOrigin() const;
    // The inside position in twips under a widget position; none on the border or beyond.
    std::optional<QPointF> insideTwips(const QPointF &widgetPos) const;

    QImage picture_;
    QImage drawing_;
    // The picture with the drawing layer's marks on it, so that a repaint is one plain copy.
    QImage shown_;
    int penWidth_ = 1;
    QPointF current_;
    std::array<ArmShape, 4> arms_;
    // Where each arm may show on screen: what the next repaint of the arms must clear.
    std::array<QRect, 4> armsOnScreen_;
    // Pieces of the arms painted in their new places before their move was shown.
    QRegion strayArms_;
    bool holdArmMoves_ = false;
    bool armMovesWaiting_ = false;
    CanvasPointer pointer_ = CanvasPointer::Default;
    CanvasViewport *viewport_ = nullptr;
};

} // namespace tarlen
