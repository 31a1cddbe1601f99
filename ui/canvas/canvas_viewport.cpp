#include "ui/canvas/canvas_viewport.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

namespace tarlen {

namespace {
// Pixels one arrow click moves; a wheel notch moves the desktop's number of lines of these.
constexpr int kLineStep = 20;
constexpr int kWheelNotch = 120;
} // namespace

CanvasViewport::CanvasViewport(QWidget &owner) : QObject(&owner), owner_(owner)
{
    horizontal_ = new QScrollBar(Qt::Horizontal, &owner);
    vertical_ = new QScrollBar(Qt::Vertical, &owner);
    horizontal_->setObjectName(QStringLiteral("Picture1HScroll"));
    vertical_->setObjectName(QStringLiteral("Picture1VScroll"));
    corner_ = new QWidget(&owner);
    corner_->setAutoFillBackground(true);
    for (QWidget *part :
         {static_cast<QWidget *>(horizontal_), static_cast<QWidget *>(vertical_), corner_}) {
        // The window's tab order stays as it is: the keyboard reaches the canvas, not its bars.
        part->setFocusPolicy(Qt::NoFocus);
        part->hide();
    }
    for (QScrollBar *bar : {horizontal_, vertical_}) {
        bar->setSingleStep(kLineStep);
        connect(bar, &QScrollBar::valueChanged, this, &CanvasViewport::scrolled);
    }
}

void CanvasViewport::setRoom(QSize room)
{
    room_ = room;
}

int CanvasViewport::barExtent() const
{
    return owner_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, horizontal_);
}

QSize CanvasViewport::fit(QSize picture, int border)
{
    const QSize whole = picture + QSize(2 * border, 2 * border);
    bool across = false;
    bool down = false;
    if (!room_.isEmpty()) {
        // A bar along one edge takes room from the other direction, so decide twice.
        const int bar = barExtent();
        for (int pass = 0; pass < 2; ++pass) {
            across = whole.width() + (down ? bar : 0) > room_.width();
            down = whole.height() + (across ? bar : 0) > room_.height();
        }
    }
    const int bar = across || down ? barExtent() : 0;
    const QSize shown(
        across ? std::max(1, room_.width() - 2 * border - (down ? bar : 0)) : picture.width(),
        down ? std::max(1, room_.height() - 2 * border - (across ? bar : 0)) : picture.height());

    const QSignalBlocker blockAcross(horizontal_);
    const QSignalBlocker blockDown(vertical_);
    const QPoint before = offset();
    horizontal_->setRange(0, std::max(0, picture.width() - shown.width()));
    horizontal_->setPageStep(shown.width());
    vertical_->setRange(0, std::max(0, picture.height() - shown.height()));
    vertical_->setPageStep(shown.height());
    horizontal_->setVisible(across);
    vertical_->setVisible(down);
    corner_->setVisible(across && down);
    if (offset() != before)
        emit scrolled();
    return shown + QSize(2 * border + (down ? bar : 0), 2 * border + (across ? bar : 0));
}

QMargins CanvasViewport::barMargins() const
{
    const int bar = barExtent();
    return {0, 0, vertical_->isVisibleTo(&owner_) ? bar : 0,
            horizontal_->isVisibleTo(&owner_) ? bar : 0};
}

void CanvasViewport::placeBars(const QRect &inside)
{
    const int bar = barExtent();
    horizontal_->setGeometry(inside.left(), inside.bottom() + 1, inside.width(), bar);
    vertical_->setGeometry(inside.right() + 1, inside.top(), bar, inside.height());
    corner_->setGeometry(inside.right() + 1, inside.bottom() + 1, bar, bar);
}

QPoint CanvasViewport::offset() const
{
    return {horizontal_->value(), vertical_->value()};
}

void CanvasViewport::scrollTo(QPoint offset)
{
    horizontal_->setValue(offset.x());
    vertical_->setValue(offset.y());
}

bool CanvasViewport::wheel(const QWheelEvent &event)
{
    const QPoint delta = event.angleDelta();
    // Some desktops turn a Shift+wheel into a sideways turn themselves.
    const bool sideways = (event.modifiers() & Qt::ShiftModifier) || delta.y() == 0;
    QScrollBar *bar = sideways ? horizontal_ : vertical_;
    const int turn = delta.y() != 0 ? delta.y() : delta.x();
    if (!bar->isVisibleTo(&owner_) || turn == 0)
        return false;
    const int before = bar->value();
    bar->setValue(before - turn * QApplication::wheelScrollLines() * kLineStep / kWheelNotch);
    return bar->value() != before;
}

} // namespace tarlen
