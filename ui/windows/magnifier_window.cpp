#include "ui/windows/magnifier_window.h"

#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <array>

namespace tarlen {

namespace {
// Room left between the canvas and the magnifier, in pixels.
constexpr int kGap = 8;
// One notch of a common mouse wheel.
constexpr int kWheelNotch = 120;
constexpr QRgb kBackdrop = qRgb(128, 128, 128);
constexpr QRgb kMark = qRgb(255, 0, 0);
constexpr int kMarkTick = 6;

constexpr std::array kArms = {CrosshairLine::Line6, CrosshairLine::Line10, CrosshairLine::Line11,
                              CrosshairLine::Line12};

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
    update();
}

void MagnifierWindow::placeBeside(const QRect &canvasOnScreen, const QSize &screen)
{
    move(magnifierPlace(canvasOnScreen, frameGeometry().size(), screen));
}

void MagnifierWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(kBackdrop));
    if (!canvas_)
        return;

    const int f = factor_;
    const QRect cell = centreCell();
    // The canvas pixels that fall into the view, at least partly: whole or cut cells on each
    // side of the centre cell.
    const int left = (cell.left() + f - 1) / f;
    const int up = (cell.top() + f - 1) / f;
    const int right = (width() - 1 - cell.left()) / f;
    const int down = (height() - 1 - cell.top()) / f;
    const QRect seen(pointer_ - QPoint(left, up), pointer_ + QPoint(right, down));
    const QImage &picture = canvas_->picture();
    const QRect source = seen.intersected(picture.rect());
    const auto toView = [&](const QPoint &pixel) {
        return cell.topLeft() + (pixel - pointer_) * f;
    };

    if (!source.isEmpty()) {
        // Only the small rectangle under the view is copied and enlarged, never the whole picture.
        const QRect target(toView(source.topLeft()), source.size() * f);
        painter.drawImage(target, picture.copy(source));
        painter.drawImage(target, canvas_->drawingLayer().copy(source));

        const QRect pictureInView(toView(QPoint(0, 0)), picture.size() * f);
        painter.save();
        painter.setClipRect(pictureInView.intersected(rect()));
        painter.setPen(QPen(QColor(Qt::black), f, Qt::SolidLine, Qt::SquareCap));
        const QPointF half(f / 2.0, f / 2.0);
        for (CrosshairLine arm : kArms) {
            if (!canvas_->isLineVisible(arm))
                continue;
            const QLineF line = canvas_->line(arm);
            painter.drawLine(QPointF(toView(pixelOf(line.p1()))) + half,
                             QPointF(toView(pixelOf(line.p2()))) + half);
        }
        painter.restore();
    }

    // An open square around the pixel under the pointer, with ticks that lead the eye to it.
    painter.setPen(QPen(QColor(kMark), 1));
    // The outline's pixels: one pixel of the view free between it and the cell.
    const QRect box = cell.adjusted(-2, -2, 2, 2);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    const QPoint mid = cell.center();
    painter.drawLine(box.left() - kMarkTick, mid.y(), box.left() - 1, mid.y());
    painter.drawLine(box.right() + 1, mid.y(), box.right() + kMarkTick, mid.y());
    painter.drawLine(mid.x(), box.top() - kMarkTick, mid.x(), box.top() - 1);
    painter.drawLine(mid.x(), box.bottom() + 1, mid.x(), box.bottom() + kMarkTick);

    // The factor in the lower right corner, on a plate that keeps it legible on any graph.
    const QString label = QStringLiteral("%1×").arg(f);
    const QRect plate = painter.fontMetrics().boundingRect(label).adjusted(-3, -1, 3, 1);
    const QRect corner(rect().bottomRight() - QPoint(plate.width() + 2, plate.height() + 2),
                       plate.size());
    painter.fillRect(corner, QColor(255, 255, 225));
    painter.setPen(QColor(Qt::black));
    painter.drawText(corner, Qt::AlignCenter, label);
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
