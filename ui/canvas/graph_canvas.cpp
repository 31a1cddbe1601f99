#include "ui/canvas/graph_canvas.h"

#include "ui/canvas/canvas_viewport.h"
#include "ui/canvas/sunken_border.h"
#include "ui/canvas/twips.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarlen {

namespace {
constexpr std::size_t armIndex(CrosshairLine line)
{
    switch (line) {
    case CrosshairLine::Line6:
        return 0;
    case CrosshairLine::Line10:
        return 1;
    case CrosshairLine::Line11:
        return 2;
    case CrosshairLine::Line12:
        return 3;
    }
    return 0;
}

QPoint toPixels(const QPointF &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}

// Marks drawn on the layer are centred on the nearest pixel.
QPoint toNearestPixels(const QPointF &twips)
{
    return {twipsToNearestPixel(twips.x()), twipsToNearestPixel(twips.y())};
}

// The stamp of a pen-wide dot runs from this offset to low + width - 1 around its pixel.
int stampLow(int width)
{
    return -(width - 1) / 2;
}

// Whether a pixel of a pen-wide stamp, at an offset from low, belongs to the round dot: its
// centre lies within a circle a quarter pixel inside the pen's edge, so that a three-pixel dot
// loses its corners and is not a square.
bool insideRoundStamp(int width, int dx, int dy)
{
    const double centre = (width - 1) / 2.0;
    const double radius = (width - 0.5) / 2.0;
    const double rx = dx - centre;
    const double ry = dy - centre;
    return rx * rx + ry * ry <= radius * radius;
}

// Whether one rectangle covering both costs less than painting the two: a strip and the same
// strip a few pixels on, or the two arms of one row or column on either side of the pointer.
bool worthJoining(const QRect &a, const QRect &b)
{
    const auto area = [](const QRect &r) { return qint64(r.width()) * r.height(); };
    return area(a.united(b)) <= area(a) + area(b) + std::min(area(a), area(b));
}
} // namespace

GraphCanvas::GraphCanvas(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::NoFrame);
    setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted here, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The arms start just outside the visible area, as stored on the window.
    arms_[armIndex(CrosshairLine::Line12)].twips = QLineF(240, -120, 1440, -120);
    arms_[armIndex(CrosshairLine::Line11)].twips = QLineF(-120, 2640, -120, 3720);
    arms_[armIndex(CrosshairLine::Line10)].twips = QLineF(-120, 240, -120, 1920);
    arms_[armIndex(CrosshairLine::Line6)].twips = QLineF(1440, -120, 4680, -120);

    viewport_ = new CanvasViewport(*this);
    connect(viewport_, &CanvasViewport::scrolled, this, [this] {
        repaintInside();
        // The picture moved under a still pointer: the readout follows the pixel now under it.
        const QPoint pointer = mapFromGlobal(QCursor::pos());
        if (underMouse())
            if (const std::optional<QPointF> at = insideTwips(pointer))
                emit mouseMoved(QGuiApplication::mouseButtons(),
                                QGuiApplication::keyboardModifiers(), static_cast<float>(at->x()),
                                static_cast<float>(at->y()));
    });
}

void GraphCanvas::setRoom(QSize room)
{
    viewport_->setRoom(room);
    fitToRoom();
    update();
    repaintInside();
}

QPoint GraphCanvas::scrollOffset() const
{
    return viewport_->offset();
}

void GraphCanvas::scrollTo(QPoint offset)
{
    viewport_->scrollTo(offset);
}

void GraphCanvas::fitToRoom()
{
    const QSize outer = viewport_->fit(picture_.size(), kBorderWidth);
    setContentsMargins(QMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth) +
                       viewport_->barMargins());
    resize(outer);
    viewport_->placeBars(contentsRect());
}

QPoint GraphCanvas::pictureOrigin() const
{
    return contentsRect().topLeft() - viewport_->offset();
}

void GraphCanvas::setPicture(const QImage &picture)
{
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    drawing_ = QImage(picture_.size(), QImage::Format_ARGB32);
    drawing_.fill(Qt::transparent);
    shown_ = picture_.copy();
    fitToRoom();
    update();
    repaintInside();
}

void GraphCanvas::clearDrawing()
{
    drawing_.fill(Qt::transparent);
    shown_ = picture_.copy();
    current_ = QPointF(0, 0);
    repaintInside();
}

void GraphCanvas::setPenWidth(int pixels)
{
    penWidth_ = std::max(1, pixels);
}

void GraphCanvas::stamp(int px, int py, QRgb rgb)
{
    const int low = stampLow(penWidth_);
    const int left = std::max(px + low, 0);
    const int top = std::max(py + low, 0);
    const int right = std::min(px + low + penWidth_ - 1, drawing_.width() - 1);
    const int bottom = std::min(py + low + penWidth_ - 1, drawing_.height() - 1);
    for (int y = top; y <= bottom; ++y) {
        auto *layerRow = reinterpret_cast<QRgb *>(drawing_.scanLine(y));
        auto *shownRow = reinterpret_cast<QRgb *>(shown_.scanLine(y));
        for (int x = left; x <= right; ++x) {
            if (!insideRoundStamp(penWidth_, x - (px + low), y - (py + low)))
                continue;
            layerRow[x] = rgb;
            shownRow[x] = rgb;
        }
    }
}

void GraphCanvas::updateLayerRect(int left, int top, int right, int bottom)
{
    const int low = stampLow(penWidth_);
    const QRect pixels(QPoint(std::min(left, right) + low, std::min(top, bottom) + low),
                       QPoint(std::max(left, right) + low + penWidth_ - 1,
                              std::max(top, bottom) + low + penWidth_ - 1));
    update(pixels.translated(pictureOrigin()).intersected(contentsRect()));
}

// Bresenham's line from the first pixel up to but not including the second.
void GraphCanvas::paintPixelLine(int x1, int y1, int x2, int y2, QRgb rgb)
{
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        stamp(x, y, rgb);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    updateLayerRect(x1, y1, x2, y2);
}

void GraphCanvas::plotPoint(float x, float y, const QColor &colour)
{
    const QPoint p = toNearestPixels({x, y});
    stamp(p.x(), p.y(), colour.rgb());
    updateLayerRect(p.x(), p.y(), p.x(), p.y());
    current_ = QPointF(x, y);
}

void GraphCanvas::drawLine(float x1, float y1, float x2, float y2, const QColor &colour)
{
    const QPoint from = toNearestPixels({x1, y1});
    const QPoint to = toNearestPixels({x2, y2});
    paintPixelLine(from.x(), from.y(), to.x(), to.y(), colour.rgb());
    current_ = QPointF(x2, y2);
}

void GraphCanvas::drawLineTo(float x2, float y2, const QColor &colour)
{
    drawLine(static_cast<float>(current_.x()), static_cast<float>(current_.y()), x2, y2, colour);
}

// The midpoint circle, each of its pixels stamped with the pen.
void GraphCanvas::drawCircle(float x, float y, float radius, const QColor &colour)
{
    const QPoint c = toNearestPixels({x, y});
    const int r = twipsToNearestPixel(std::abs(radius));
    const QRgb rgb = colour.rgb();
    int dx = r;
    int dy = 0;
    int err = 1 - r;
    while (dx >= dy) {
        const std::array<QPoint, 8> octants = {QPoint(dx, dy),  QPoint(dy, dx),   QPoint(-dy, dx),
                                               QPoint(-dx, dy), QPoint(-dx, -dy), QPoint(-dy, -dx),
                                               QPoint(dy, -dx), QPoint(dx, -dy)};
        for (const QPoint &o : octants)
            stamp(c.x() + o.x(), c.y() + o.y(), rgb);
        ++dy;
        if (err < 0) {
            err += 2 * dy + 1;
        } else {
            --dx;
            err += 2 * (dy - dx) + 1;
        }
    }
    updateLayerRect(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
    current_ = QPointF(x, y);
}

void GraphCanvas::drawRectangle(float x1, float y1, float x2, float y2, const QColor &colour)
{
    const QPoint a = toNearestPixels({x1, y1});
    const QPoint b = toNearestPixels({x2, y2});
    const int left = std::min(a.x(), b.x());
    const int right = std::max(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    const int bottom = std::max(a.y(), b.y());
    const QRgb rgb = colour.rgb();
    for (int px = left; px <= right; ++px) {
        stamp(px, top, rgb);
        stamp(px, bottom, rgb);
    }
    for (int py = top; py <= bottom; ++py) {
        stamp(left, py, rgb);
        stamp(right, py, rgb);
    }
    updateLayerRect(left, top, right, bottom);
    current_ = QPointF(x2, y2);
}

QRect GraphCanvas::armWidgetRect(const ArmShape &arm) const
{
    if (!arm.visible)
        return {};
    const QPoint p1 = toPixels(arm.twips.p1());
    const QPoint p2 = toPixels(arm.twips.p2());
    const QRect pixels(QPoint(std::min(p1.x(), p2.x()) - 1, std::min(p1.y(), p2.y()) - 1),
                       QPoint(std::max(p1.x(), p2.x()) + 1, std::max(p1.y(), p2.y()) + 1));
    return pixels.translated(pictureOrigin()).intersected(contentsRect());
}

void GraphCanvas::setLine(CrosshairLine line, const QLineF &twips)
{
    ArmShape &arm = arms_[armIndex(line)];
    if (arm.twips == twips)
        return;
    arm.twips = twips;
    armMoved();
}

QLineF GraphCanvas::line(CrosshairLine line) const
{
    return arms_[armIndex(line)].twips;
}

void GraphCanvas::setLineVisible(CrosshairLine line, bool visible)
{
    ArmShape &arm = arms_[armIndex(line)];
    if (arm.visible == visible)
        return;
    arm.visible = visible;
    armMoved();
}

void GraphCanvas::holdArmMoves(bool hold)
{
    holdArmMoves_ = hold;
    if (!hold)
        showArmMoves();
}

void GraphCanvas::armMoved()
{
    if (!holdArmMoves_) {
        showArmMoves();
        return;
    }
    if (armMovesWaiting_)
        return;
    armMovesWaiting_ = true;
    // What the screen shows must go in any case; this also asks for the paint that will show
    // the arms' new places.
    bool marked = false;
    for (const QRect &shown : armsOnScreen_)
        if (!shown.isEmpty()) {
            update(shown);
            marked = true;
        }
    if (!marked)
        for (const ArmShape &arm : arms_)
            update(armWidgetRect(arm));
}

void GraphCanvas::showArmMoves()
{
    armMovesWaiting_ = false;
    // The strips the arms leave and enter, joined where they lie along one another, each
    // repainted with one update().
    std::array<QRect, 8> strips;
    std::size_t count = 0;
    const auto add = [&](QRect strip) {
        if (strip.isEmpty())
            return;
        for (std::size_t i = 0; i < count;) {
            if (worthJoining(strips[i], strip)) {
                strip = strip.united(strips[i]);
                strips[i] = strips[--count];
                i = 0;
            } else {
                ++i;
            }
        }
        strips[count++] = strip;
    };
    for (std::size_t i = 0; i < arms_.size(); ++i) {
        const QRect now = armWidgetRect(arms_[i]);
        if (now == armsOnScreen_[i])
            continue;
        add(armsOnScreen_[i]);
        add(now);
        armsOnScreen_[i] = now;
    }
    for (std::size_t i = 0; i < count; ++i)
        update(strips[i]);
    if (!strayArms_.isEmpty()) {
        update(strayArms_);
        strayArms_ = QRegion();
    }
}

void GraphCanvas::repaintInside()
{
    update(contentsRect());
    for (std::size_t i = 0; i < arms_.size(); ++i)
        armsOnScreen_[i] = armWidgetRect(arms_[i]);
    armMovesWaiting_ = false;
    strayArms_ = QRegion();
}

bool GraphCanvas::isLineVisible(CrosshairLine line) const
{
    return arms_[armIndex(line)].visible;
}

void GraphCanvas::setPointerShape(CanvasPointer shape)
{
    pointer_ = shape;
    switch (shape) {
    case CanvasPointer::Default:
        unsetCursor();
        break;
    case CanvasPointer::Arrow:
        setCursor(Qt::ArrowCursor);
        break;
    case CanvasPointer::Cross:
        setCursor(Qt::CrossCursor);
        break;
    }
}

void GraphCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect inside = contentsRect();
    if (!inside.contains(event->rect()))
        drawSunkenBorder(painter, rect());

    const QPoint origin = pictureOrigin();
    const QRect pictureArea(origin, shown_.size());
    std::array<QRect, 4> armAreas;
    for (std::size_t i = 0; i < arms_.size(); ++i)
        armAreas[i] = armWidgetRect(arms_[i]);
    // Line shapes draw in the window-text colour.
    const QColor armColour = palette().color(QPalette::WindowText);
    painter.setPen(QPen(armColour, 1));
    // Each exposed rectangle is painted under a clip of its own: Qt paints a plain rectangle
    // clip in one blit, but splits a many-rectangle clip into scanlines over a thread pool,
    // which costs more than the thin strips of a moved arm.
    for (const QRect &exposed : event->region()) {
        const QRect target = exposed.intersected(inside);
        if (target.isEmpty())
            continue;
        painter.setClipRect(target);
        if (!pictureArea.contains(target))
            painter.fillRect(target, palette().window());
        painter.drawImage(target.topLeft(), shown_, target.translated(-origin));
        for (std::size_t i = 0; i < arms_.size(); ++i) {
            if (!armAreas[i].intersects(target))
                continue;
            // An arm painted while its move is held shows here too, until the move is shown.
            if (armMovesWaiting_)
                strayArms_ += armAreas[i].intersected(target);
            const QPoint p1 = toPixels(arms_[i].twips.p1()) + origin;
            const QPoint p2 = toPixels(arms_[i].twips.p2()) + origin;
            // A level or upright arm covers the same pixels as the line, ends included.
            if (p1.x() == p2.x() || p1.y() == p2.y())
                painter.fillRect(QRect(QPoint(std::min(p1.x(), p2.x()), std::min(p1.y(), p2.y())),
                                       QPoint(std::max(p1.x(), p2.x()), std::max(p1.y(), p2.y())))
                                     .intersected(target),
                                 armColour);
            else
                painter.drawLine(p1, p2);
        }
    }
}

std::optional<QPointF> GraphCanvas::insideTwips(const QPointF &widgetPos) const
{
    const QPoint widgetPixel(static_cast<int>(std::floor(widgetPos.x())),
                             static_cast<int>(std::floor(widgetPos.y())));
    // The border, and anything beyond it while a button is held, is no position.
    if (!contentsRect().contains(widgetPixel))
        return std::nullopt;
    const int px = widgetPixel.x() - pictureOrigin().x();
    const int py = widgetPixel.y() - pictureOrigin().y();
    return QPointF(static_cast<double>(px * kTwipsPerPixel),
                   static_cast<double>(py * kTwipsPerPixel));
}

void GraphCanvas::mousePressEvent(QMouseEvent *event)
{
    const std::optional<QPointF> at = insideTwips(event->position());
    if (!at)
        return;
    emit mousePressed(event->button(), event->modifiers(), static_cast<float>(at->x()),
                      static_cast<float>(at->y()));
}

void GraphCanvas::wheelEvent(QWheelEvent *event)
{
    if (!viewport_->wheel(*event))
        event->ignore();
}

void GraphCanvas::mouseMoveEvent(QMouseEvent *event)
{
    const std::optional<QPointF> at = insideTwips(event->position());
    if (!at)
        return;
    emit mouseMoved(event->buttons(), event->modifiers(), static_cast<float>(at->x()),
                    static_cast<float>(at->y()));
}

} // namespace tarlen
