#include "ui/main/caption_frame.h"

#include "ui/canvas/sunken_border.h"

#include <QPainter>

namespace tarlen {

namespace {
constexpr int kCaptionLeft = 8;
} // namespace

CaptionFrame::CaptionFrame(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect border = rect().adjusted(0, metrics.height() / 2, 0, 0);
    painter.setPen(QColor(kButtonShadow));
    painter.drawRect(border.adjusted(0, 0, -2, -2));
    painter.setPen(QColor(kButtonHighlight));
    painter.drawRect(border.adjusted(1, 1, -1, -1));

    if (title().isEmpty())
        return;
    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, title());
}

} // namespace tarlen
