#include "ui/main/picture_buttons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tarlen {

namespace {
constexpr int kPictureTop = 3;
} // namespace

PictureOptionButton::PictureOptionButton(QWidget *parent) : QRadioButton(parent) {}

void PictureOptionButton::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

bool PictureOptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void PictureOptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    const bool pressed = isChecked() || isDown();
    option.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (isChecked())
        option.state |= QStyle::State_On;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect place(QPoint(0, 0), picture_.size());
    place.moveCenter(rect().center());
    if (pressed)
        place.translate(1, 1);
    painter.drawPixmap(place.topLeft(), picture_);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

PictureCaptionButton::PictureCaptionButton(QWidget *parent) : QPushButton(parent) {}

void PictureCaptionButton::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureCaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const int shift = isDown() ? 1 : 0;
    const int pictureLeft = (width() - picture_.width()) / 2;
    painter.drawPixmap(pictureLeft + shift, kPictureTop + shift, picture_);

    // The caption wraps under the picture, as narrow picture buttons show it.
    const QRect captionRect(2 + shift, kPictureTop + picture_.height() + shift, width() - 4,
                            height() - kPictureTop - picture_.height() - 2);
    painter.drawItemText(captionRect,
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         palette(), isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace tarlen
