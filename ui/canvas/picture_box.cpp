#include "ui/canvas/picture_box.h"

#include "ui/canvas/sunken_border.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tarlen {

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
}

int PictureBox::borderWidth() const
{
    switch (border_) {
    case Border::None:
        return 0;
    case Border::Flat:
        return 1;
    case Border::Sunken:
        return 2;
    }
    return 0;
}

void PictureBox::setBorder(Border border)
{
    border_ = border;
    const int width = borderWidth();
    setContentsMargins(width, width, width, width);
    update();
}

void PictureBox::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    switch (border_) {
    case Border::None:
        break;
    case Border::Flat:
        drawFlatBorder(painter, rect());
        break;
    case Border::Sunken:
        drawSunkenBorder(painter, rect());
        break;
    }
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawPixmap(inside.topLeft(), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    const int inset = borderWidth();
    emit mousePressed(event->button(), event->modifiers(),
                      static_cast<float>(std::floor(event->position().x()) - inset),
                      static_cast<float>(std::floor(event->position().y()) - inset));
}

} // namespace tarlen
