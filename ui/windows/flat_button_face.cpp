#include "ui/windows/flat_button_face.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace tarlen {

namespace {

// The application's style, except that a button's panel is its face colour edged like a
// classic button.
class FlatFaceStyle : public QProxyStyle {
public:
    FlatFaceStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_PanelButtonCommand) {
            drawPanel(*option, *painter);
            return;
        }
        // The panel draws the focus frame itself.
        if (element == PE_FrameFocusRect)
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static void drawPanel(const QStyleOption &option, QPainter &painter)
    {
        const bool sunken = option.state & (State_Sunken | State_On);
        const QBrush face = option.palette.brush(QPalette::Button);
        qDrawWinButton(&painter, option.rect, option.palette, sunken, &face);
        if (option.state & State_HasFocus) {
            // A dotted frame in the caption's colour, inside the edge.
            painter.save();
            painter.setPen(QPen(option.palette.color(QPalette::ButtonText), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(option.rect.adjusted(3, 3, -4, -4));
            painter.restore();
        }
    }
};

// One style for every flat-faced button, living as long as the application.
QStyle *flatFaceStyle()
{
    static QPointer<FlatFaceStyle> style;
    if (!style) {
        style = new FlatFaceStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void giveFlatFace(QAbstractButton &button, const QColor &face)
{
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, face);
    button.setPalette(palette);
    button.setStyle(flatFaceStyle());
}

} // namespace tarlen
