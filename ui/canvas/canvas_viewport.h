#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScrollBar;
class QWheelEvent;
class QWidget;

namespace tarlen {

// Which part of a picture a widget of bounded size shows. When the picture and its border do
// not fit the room, scroll bars along the inside's right and bottom edges choose the part, and
// offset() tells, in picture pixels, which picture pixel sits at the inside's top-left corner.
class CanvasViewport : public QObject {
    Q_OBJECT

public:
    // The bars are children of the owner and take no keyboard focus.
    explicit CanvasViewport(QWidget &owner);

    // The largest outer size the owner may take; an empty size sets no bound.
    void setRoom(QSize room);
    QSize room() const { return room_; }

    // Fits a picture inside a border of the given width: shows the bars it needs, keeps the
    // offset where it still lies in range and returns the owner's outer size.
    QSize fit(QSize picture, int border);

    // The strips along the inside's right and bottom edges that the shown bars take.
    QMargins barMargins() const;
    // Lays the bars along the edges of the inside, the rectangle that shows the picture.
    void placeBars(const QRect &inside);

    QPoint offset() const;
    // Scrolls as far towards the offset as the picture allows.
    void scrollTo(QPoint offset);

    // The wheel scrolls up and down, with Shift left and right; false when nothing scrolls.
    bool wheel(const QWheelEvent &event);

signals:
    // The offset has changed.
    void scrolled();

private:
    int barExtent() const;

    QWidget &owner_;
    QScrollBar *horizontal_ = nullptr;
    QScrollBar *vertical_ = nullptr;
    // Fills the square where the two bars meet.
    QWidget *corner_ = nullptr;
    QSize room_;
};

} // namespace tarlen
