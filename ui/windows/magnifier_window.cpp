#include "ui/windows/magnifier_window.h"

#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>

namespace tarlen {

namespace {
// Room left between the canvas and the magnifier, in pixels.
constexpr int kGap = 8;
// One notch of a common mouse wheel.
constexpr int kWheelNotch = 120;
constexpr QRgb kBackdrop = qRgb(128, 128, 128);
constexpr QRgb kMark = qRgb(255, 0, 0);
// Behind the factor, so that it stays legible on any graph.
constexpr QRgb kPlate = qRgb(255, 255, 225);
constexpr int kMarkTick = 6;
// A frame of a 60 Hz display.
constexpr std::chrono::milliseconds kFrameMs{16};

constexpr std::array kArms = {CrosshairLine::Line6, CrosshairLine::Line10, CrosshairLine::Line11,
                              CrosshairLine::Line12};

// A mark of the drawing layer over a picture pixel.
QRgb blend(QRgb mark, QRgb under)
{
    const int a = qAlpha(mark);
    const auto mix = [a](int top, int bottom) { return (top * a + bottom * (255 - a)) / 255; };
    return qRgb(mix(qRed(mark), qRed(under)), mix(qGreen(mark), qGreen(under)),
                mix(qBlue(mark), qBlue(under)));
}

void fillRect(QImage &image, const QRect &area, QRgb colour)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)) + inside.left(), inside.width(),
                    colour);
}

// One crosshair arm in canvas pixels, painted from end to end like a one-pixel line of the
// canvas, but only inside clip.
void plotArm(QImage &image, const QRect &clip, const QPoint &from, const QPoint &to)
{
    constexpr QRgb kArm = qRgb(0, 0, 0);
    // Long arms are cut to the clip first; the arms are horizontal or vertical in practice.
    if (from.y() == to.y() || from.x() == to.x()) {
        // Both end pixels belong to the arm, whichever way it runs.
        const QRect run = QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                                QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())))
                              .intersected(clip);
        fillRect(image, run, kArm);
        return;
    }
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    QPoint p = from;
    for (;;) {
        if (clip.contains(p))
            reinterpret_cast<QRgb *>(image.scanLine(p.y()))[p.x()] = kArm;
        if (p == to)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.rx() += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.ry() += sy;
        }
    }
}

QPoint pixelOf(const QPointF &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}
} // namespace

QPoint magnifierPlace(const QRect &canvasOnScreen, const QSize &window, const QSize &screen)
{
    int x = canvasOnScreen.right() + 1 + kGap;
    if (x + window.width() > screen.width())
        x = screen.width() - window.width();
    const int y =
        std::clamp(canvasOnScreen.top(), 0, std::max(0, screen.height() - window.height()));
    return {std::max(0, x), y};
}

MagnifierWindow::MagnifierWindow(GraphCanvas &canvas, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowDoesNotAcceptFocus), canvas_(&canvas)
{
    setObjectName(QStringLiteral("MagnifierWindow"));
    setWindowTitle(QStringLiteral("Büyüteç"));
    setToolTip(QStringLiteral("Büyütmeyi fare tekerleği ile 2 ile 8 kat arasında değiştirin."));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kViewSize, kViewSize);

    // Until the pointer first moves over the canvas, the middle of the picture is shown.
    pointer_ = QPoint(canvas.picture().width() / 2, canvas.picture().height() / 2);

    connect(
        &canvas, &GraphCanvas::mouseMoved, this,
        [this](Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) { followPointer(x, y); });
    frame_.setSingleShot(true);
    frame_.setInterval(kFrameMs);
    connect(&frame_, &QTimer::timeout, this, &MagnifierWindow::endFrame);
    // A press may draw a marker under the pointer without any move.
    connect(&canvas, &GraphCanvas::mousePressed, this, qOverload<>(&QWidget::update));
}

QRect MagnifierWindow::centreCell() const
{
    return {width() / 2 - factor_ / 2, height() / 2 - factor_ / 2, factor_, factor_};
}

void MagnifierWindow::followPointer(float xTwips, float yTwips)
{
    const QPoint pixel(twipsToPixels(xTwips), twipsToPixels(yTwips));
    if (pixel == pointer_)
        return;
    pointer_ = pixel;
    // At most one repaint a frame: the first move paints at once, later ones within the same
    // frame are shown together when it ends. Painting at every move would cost the move about
    // a third more on top of the canvas's own work.
    if (frame_.isActive()) {
        behind_ = true;
        return;
    }
    update();
    frame_.start();
}

void MagnifierWindow::endFrame()
{
    if (!behind_)
        return;
    behind_ = false;
    update();
    frame_.start();
}

void MagnifierWindow::placeBeside(const QRect &canvasOnScreen, const QSize &screen)
{
    move(magnifierPlace(canvasOnScreen, frameGeometry().size(), screen));
}

void MagnifierWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!canvas_) {
        painter.fillRect(rect(), QColor(kBackdrop));
        return;
    }

    const int f = factor_;
    const QRect cell = centreCell();
    // The canvas pixels that fall into the view, at least partly: whole or cut cells on each
    // side of the centre cell.
    const int left = (cell.left() + f - 1) / f;
    const int up = (cell.top() + f - 1) / f;
    const int right = (width() - 1 - cell.left()) / f;
    const int down = (height() - 1 - cell.top()) / f;
    const QRect seen(pointer_ - QPoint(left, up), pointer_ + QPoint(right, down));

    // Only these few pixels are composed and enlarged; the marks go into the same image, so
    // that the window is painted with one plain copy.
    composeSeen(seen);
    enlargeSeen(cell.topLeft() - QPoint(left, up) * f);
    markCentre(cell);
    if (plateFactor_ != f)
        makePlate();
    const QPoint corner = view_.rect().bottomRight() - QPoint(plate_.width(), plate_.height());
    for (int y = 0; y < plate_.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb *>(plate_.constScanLine(y)), plate_.width(),
                    reinterpret_cast<QRgb *>(view_.scanLine(corner.y() + y)) + corner.x());
    painter.drawImage(0, 0, view_);
}

// An open square around the pixel under the pointer, with ticks that lead the eye to it: red
// on a white halo, so that it shows on red curves and dark axes alike. Between the square and
// the cell one pixel of the view is left.
void MagnifierWindow::markCentre(const QRect &cell)
{
    const QRect box = cell.adjusted(-2, -2, 2, 2);
    const QPoint mid = cell.center();
    const QRect strokes[] = {
        QRect(box.left(), box.top(), box.width(), 1),
        QRect(box.left(), box.bottom(), box.width(), 1),
        QRect(box.left(), box.top(), 1, box.height()),
        QRect(box.right(), box.top(), 1, box.height()),
        QRect(box.left() - kMarkTick, mid.y(), kMarkTick, 1),
        QRect(box.right() + 1, mid.y(), kMarkTick, 1),
        QRect(mid.x(), box.top() - kMarkTick, 1, kMarkTick),
        QRect(mid.x(), box.bottom() + 1, 1, kMarkTick),
    };
    for (const QRect &stroke : strokes)
        fillRect(view_, stroke.adjusted(-1, -1, 1, 1), qRgb(255, 255, 255));
    for (const QRect &stroke : strokes)
        fillRect(view_, stroke, kMark);
}

// The picture's pixels in the seen rectangle with the drawing layer over them and the visible
// crosshair arms on top, as the canvas shows them; outside the picture the backdrop.
void MagnifierWindow::composeSeen(const QRect &seen)
{
    if (seen_.size() != seen.size())
        seen_ = QImage(seen.size(), QImage::Format_RGB32);
    seen_.fill(kBackdrop);

    const QImage &picture = canvas_->picture();
    const QImage &layer = canvas_->drawingLayer();
    const QRect source = seen.intersected(picture.rect());
    if (source.isEmpty())
        return;
    const bool layered = layer.size() == picture.size();
    for (int y = source.top(); y <= source.bottom(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        const auto *marks =
            layered ? reinterpret_cast<const QRgb *>(layer.constScanLine(y)) : nullptr;
        auto *to = reinterpret_cast<QRgb *>(seen_.scanLine(y - seen.top()));
        for (int x = source.left(); x <= source.right(); ++x) {
            QRgb shown = from[x];
            if (marks && qAlpha(marks[x]) != 0)
                shown = blend(marks[x], shown);
            to[x - seen.left()] = shown;
        }
    }

    const QRect clip = source.translated(-seen.topLeft());
    for (CrosshairLine arm : kArms) {
        if (!canvas_->isLineVisible(arm))
            continue;
        const QLineF line = canvas_->line(arm);
        plotArm(seen_, clip, pixelOf(line.p1()) - seen.topLeft(),
                pixelOf(line.p2()) - seen.topLeft());
    }
}

// Each seen pixel becomes a factor-sized square of the view, whose top-left corner lies at
// origin in the view (up to one cell off the view's edges). Done by hand, row by row: a scaled
// blit costs several times more and calls on the painter's thread pool at every move.
void MagnifierWindow::enlargeSeen(const QPoint &origin)
{
    if (view_.size() != size())
        view_ = QImage(size(), QImage::Format_RGB32);
    const int f = factor_;
    const int w = view_.width();
    const int sourceWidth = seen_.width();
    for (int y = 0; y < view_.height(); ++y) {
        auto *to = reinterpret_cast<QRgb *>(view_.scanLine(y));
        // The rows of one cell are alike: the first is made, the others copied.
        if (y > 0 && (y - origin.y()) % f != 0) {
            std::copy_n(reinterpret_cast<const QRgb *>(view_.constScanLine(y - 1)), w, to);
            continue;
        }
        const auto *from =
            reinterpret_cast<const QRgb *>(seen_.constScanLine((y - origin.y()) / f));
        for (int sx = 0, x = origin.x(); sx < sourceWidth && x < w; ++sx, x += f) {
            const int begin = std::max(x, 0);
            const int end = std::min(x + f, w);
            if (end > begin)
                std::fill(to + begin, to + end, from[sx]);
        }
    }
}

// The factor in a small plate for the lower right corner, drawn once for each factor.
void MagnifierWindow::makePlate()
{
    const QString label = QStringLiteral("%1×").arg(factor_);
    const QRect text = fontMetrics().boundingRect(label);
    plate_ = QImage(text.size() + QSize(6, 2), QImage::Format_RGB32);
    plate_.fill(kPlate);
    QPainter painter(&plate_);
    painter.setFont(font());
    painter.setPen(QColor(Qt::black));
    painter.drawText(plate_.rect(), Qt::AlignCenter, label);
    plateFactor_ = factor_;
}

void MagnifierWindow::wheelEvent(QWheelEvent *event)
{
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    const int factor = std::clamp(factor_ + notches, kMinFactor, kMaxFactor);
    if (factor != factor_) {
        factor_ = factor;
        update();
    }
    event->accept();
}

} // namespace tarlen
