#include "ui/canvas/frame_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tarlen {

namespace {
// The frame of a screen that reports no refresh rate: 60 Hz.
constexpr double kCommonRefreshRate = 60.0;

qint64 frameMilliseconds(const QWidget &window)
{
    const QScreen *screen = window.screen();
    const double rate =
        screen && screen->refreshRate() >= 1.0 ? screen->refreshRate() : kCommonRefreshRate;
    return std::max<qint64>(1, std::llround(1000.0 / rate));
}
} // namespace

FramePacer::FramePacer(QWidget &window) : QObject(&window), window_(window)
{
    setObjectName(QStringLiteral("framePacer"));
    frame_.setSingleShot(true);
    frame_.setTimerType(Qt::PreciseTimer);
    connect(&frame_, &QTimer::timeout, this, &FramePacer::paintNow);
    window.installEventFilter(this);
}

FramePacer *FramePacer::of(const QWidget &window)
{
    return window.findChild<FramePacer *>(QStringLiteral("framePacer"), Qt::FindDirectChildrenOnly);
}

void FramePacer::paintPressesAtOnce(QWidget &source)
{
    source.installEventFilter(this);
}

bool FramePacer::mayPaint() const
{
    return window_.isVisible() && !window_.isMinimized();
}

void FramePacer::hold()
{
    holding_ = true;
    if (!mayPaint() || frame_.isActive())
        return;
    const qint64 left =
        sincePaint_.isValid() ? frameMilliseconds(window_) - sincePaint_.elapsed() : 0;
    frame_.start(static_cast<int>(std::max<qint64>(0, left)));
}

void FramePacer::paintNow()
{
    frame_.stop();
    if (!holding_ || !mayPaint())
        return;
    holding_ = false;
    sincePaint_.restart();
    releasing_ = true;
    emit aboutToPaint();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window_, &request);
    releasing_ = false;
}

bool FramePacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &window_) {
        // A press is handled first; what it drew is then painted without waiting.
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            sincePaint_.invalidate();
            if (holding_)
                QMetaObject::invokeMethod(this, &FramePacer::paintNow, Qt::QueuedConnection);
        }
        return false;
    }

    if (event->type() == QEvent::UpdateRequest) {
        if (releasing_)
            return false;
        if (mayPaint() &&
            (!sincePaint_.isValid() || sincePaint_.elapsed() >= frameMilliseconds(window_))) {
            sincePaint_.restart();
            emit aboutToPaint();
            return false;
        }
        // Qt sends no further request until this one is served: the changes gather meanwhile.
        hold();
        return true;
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange) {
        // Shown again: what changed while minimized or hidden is painted at the next turn.
        if (holding_ && !frame_.isActive())
            frame_.start(0);
    }
    return false;
}

} // namespace tarlen
