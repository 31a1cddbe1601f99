#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace tarlen {

// Paints a window at most once per display frame. A mouse reports up to a thousand moves a
// second, a screen shows sixty frames: the window's repaint requests are held until a frame
// has passed since its last paint, and everything that changed meanwhile is then painted
// together, each widget in its current state. A request that comes after a quiet frame is
// painted at once. Nothing is painted while the window is minimized or hidden; it is painted
// when shown again.
class FramePacer : public QObject {
    Q_OBJECT

public:
    // Paces the given top-level window; the pacer lives as long as the window.
    explicit FramePacer(QWidget &window);

    // A press on this widget (inside the window) is painted as soon as it has been handled,
    // so that what it drew shows without waiting for the frame.
    void paintPressesAtOnce(QWidget &source);

    // Paints what is waiting now, unless the window is minimized or hidden.
    void paintNow();

    // Whether changes are waiting for the next frame (or for the window to be shown).
    bool isHolding() const { return holding_; }

    // The pacer of a window, if it has one.
    static FramePacer *of(const QWidget &window);

signals:
    // Just before the window paints: the last chance to mark what the paint must show.
    void aboutToPaint();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mayPaint() const;
    void hold();

    QWidget &window_;
    QTimer frame_;
    QElapsedTimer sincePaint_;
    bool holding_ = false;
    bool releasing_ = false;
};

} // namespace tarlen
