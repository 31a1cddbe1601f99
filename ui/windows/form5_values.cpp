#include "ui/windows/form5_values.h"

#include "ui/windows/line_list_box.h"
#include "ui/windows/secondary_window_layout.h"

namespace tarlen {

namespace {

constexpr WindowSpec kWindow{u"Form5", u"Değerler", QSize(3150, 2535), QPoint(11115, 3480),
                             true, kDefaultControlFont, std::nullopt};

constexpr ControlSpec kControls[] = {
    // name     kind                  left, top, width, height   caption
    {u"Label3", ControlKind::Label, QRect(240, 360, 495, 255), u"Nokta", {}, {}, {}, 3},
    {u"Label1", ControlKind::Label, QRect(840, 360, 855, 255), u"x değeri:", {}, {}, {}, 1},
    {u"Label2", ControlKind::Label, QRect(1680, 360, 735, 255), u"y değeri:", {}, {}, {}, 2},
    {u"List1", ControlKind::ListBox, QRect(240, 600, 2655, 1620), u"", {}, {}, {}, 0},
};

} // namespace

Form5::Form5(QWidget *parent) : QWidget(parent)
{
    applyWindowSpec(this, kWindow);
    createControls(this, kControls);
    m_list = findChild<LineListBox *>(QStringLiteral("List1"));
    // The canvas of the main window must keep the keyboard and the pointer while points come in.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void Form5::appendEntry(const QString &entry)
{
    m_list->appendLine(entry);
    m_list->selectLine(m_list->lineCount() - 1);
}

void Form5::setListTextColor(const QColor &color)
{
    // The palette colours every line that carries no colour of its own, which is all of them.
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Text, color);
    m_list->setPalette(palette);
}

void Form5::clearDrawingSurface() { update(); }

std::optional<QColor> Form5::lineColor(std::int16_t lineNumber)
{
    // Entries 1 to 8 of the standard 16-colour palette.
    constexpr QRgb kPalette[] = {
        qRgb(0, 0, 128),     // 1 navy
        qRgb(0, 128, 0),     // 2 green
        qRgb(0, 128, 128),   // 3 teal
        qRgb(128, 0, 0),     // 4 maroon
        qRgb(128, 0, 128),   // 5 purple
        qRgb(128, 128, 0),   // 6 olive
        qRgb(192, 192, 192), // 7 silver
        qRgb(128, 128, 128), // 8 grey
    };
    if (lineNumber < 1 || lineNumber > 8)
        return std::nullopt;
    return QColor(kPalette[lineNumber - 1]);
}

} // namespace tarlen
