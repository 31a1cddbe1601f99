#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QStringView>

#include <optional>
#include <span>

class QLabel;
class QPixmap;
class QWidget;

namespace tarlen {

// Stored positions are in twips; at 96 dots per inch fifteen twips make one pixel.
constexpr int twipsToPixels(int twips) { return (twips >= 0 ? twips + 7 : twips - 7) / 15; }
constexpr QRect twipsToPixels(const QRect &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

enum class ControlKind {
    Label,            // QLabel, one line
    WrappingLabel,    // QLabel that wraps its caption within its width
    Button,           // QPushButton
    ListBox,          // LineListBox, single selection, lines kept in the order added
    ReadOnlyText,     // QPlainTextEdit, several lines, vertical scroll bar, not editable
    SunkenPictureBox, // QLabel that takes its picture's size plus a 2-pixel sunken border
    FlatPictureBox,   // QLabel that takes its picture's size plus a 1-pixel line
    Image,            // QLabel that takes its picture's size, no border
};

struct FontSpec {
    QStringView family;
    qreal pointSize;
    bool bold;
};

// One row of a window's layout table.
struct ControlSpec {
    QStringView name;
    ControlKind kind;
    QRect twips; // left, top, width, height inside the client area
    QStringView caption;
    std::optional<FontSpec> font;   // none: the window's font
    std::optional<QRgb> foreground; // text colour
    std::optional<QRgb> background; // button face or box background
    int tabOrder;                   // position in the keyboard order; only focusable kinds use it
};

struct WindowSpec {
    QStringView name;
    QStringView caption;
    QSize clientTwips;
    std::optional<QPoint> screenTwips; // top-left of the client area; none: the desktop decides
    bool fixedSize;
    FontSpec font;
    std::optional<QRgb> background;
};

// The default font of the controls of every secondary window.
inline constexpr FontSpec kDefaultControlFont{u"MS Sans Serif", 8.25, false};

// Makes widget an independent top-level window with its name, caption, size, place,
// font, background and the icon that all secondary windows share.
void applyWindowSpec(QWidget *window, const WindowSpec &layout);

// Creates one child of window per row and chains the focusable ones in tab order.
void createControls(QWidget *window, std::span<const ControlSpec> table);

// A picture box or image takes the size of its picture (plus its border); its top-left stays.
void setControlPicture(QLabel *control, const QPixmap &picture);

} // namespace tarlen
