#include "ui/windows/secondary_window_layout.h"

#include "ui/windows/flat_button_face.h"
#include "ui/windows/line_list_box.h"

#include "ui/windows/picture_store.h"

#include <QAbstractButton>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace tarlen {

namespace {

QFont fontFrom(const FontSpec &wanted)
{
    QFont font(wanted.family.toString());
    font.setPointSizeF(wanted.pointSize);
    font.setBold(wanted.bold);
    return font;
}

QLabel *makePictureLabel(QWidget *window, int frameStyle, int lineWidth)
{
    auto *label = new QLabel(window);
    label->setFrameStyle(frameStyle);
    label->setLineWidth(lineWidth);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget *makeControl(QWidget *window, const ControlSpec &row)
{
    const QString caption = row.caption.toString();
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::WrappingLabel: {
        auto *label = new QLabel(window);
        // Plain text keeps runs of blanks that some captions rely on for their line breaks.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(row.kind == ControlKind::WrappingLabel);
        label->setText(caption);
        return label;
    }
    case ControlKind::Button:
        return new QPushButton(caption, window);
    case ControlKind::ListBox:
        return new LineListBox(window);
    case ControlKind::ReadOnlyText: {
        auto *text = new QPlainTextEdit(window);
        text->setReadOnly(true);
        // Read-only text is still scrolled and selected from the keyboard.
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        text->setPlainText(caption);
        return text;
    }
    case ControlKind::SunkenPictureBox:
        return makePictureLabel(window, QFrame::Panel | QFrame::Sunken, 2);
    case ControlKind::FlatPictureBox:
        return makePictureLabel(window, QFrame::Box | QFrame::Plain, 1);
    case ControlKind::Image:
        return makePictureLabel(window, QFrame::NoFrame, 0);
    }
    return nullptr;
}

void applyColours(QWidget *control, const ControlSpec &row)
{
    if (!row.foreground && !row.background)
        return;
    QPalette palette = control->palette();
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::WrappingLabel:
    case ControlKind::SunkenPictureBox:
    case ControlKind::FlatPictureBox:
    case ControlKind::Image:
        if (row.foreground)
            palette.setColor(QPalette::WindowText, QColor(*row.foreground));
        if (row.background) {
            palette.setColor(QPalette::Window, QColor(*row.background));
            control->setAutoFillBackground(true);
        }
        break;
    case ControlKind::Button:
        if (row.foreground)
            palette.setColor(QPalette::ButtonText, QColor(*row.foreground));
        if (row.background) {
            control->setPalette(palette);
            giveFlatFace(*qobject_cast<QAbstractButton *>(control), QColor(*row.background));
            return;
        }
        break;
    case ControlKind::ListBox:
    case ControlKind::ReadOnlyText:
        if (row.foreground)
            palette.setColor(QPalette::Text, QColor(*row.foreground));
        if (row.background)
            palette.setColor(QPalette::Base, QColor(*row.background));
        break;
    }
    control->setPalette(palette);
}

} // namespace

void applyWindowSpec(QWidget *window, const WindowSpec &layout)
{
    window->setObjectName(layout.name.toString());
    window->setWindowFlag(Qt::Window);
    window->setWindowTitle(layout.caption.toString());
    window->setWindowIcon(QIcon(QPixmap::fromImage(drawWindowIcon())));
    window->setFont(fontFrom(layout.font));
    if (layout.background) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, QColor(*layout.background));
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }
    const QSize client(twipsToPixels(layout.clientTwips.width()),
                       twipsToPixels(layout.clientTwips.height()));
    if (layout.fixedSize)
        window->setFixedSize(client);
    if (layout.screenTwips) {
        // setGeometry places the client area, not the frame, of a top-level window.
        window->setGeometry(QRect(QPoint(twipsToPixels(layout.screenTwips->x()),
                                         twipsToPixels(layout.screenTwips->y())),
                                  client));
    } else {
        window->resize(client);
    }
}

void createControls(QWidget *window, std::span<const ControlSpec> table)
{
    std::vector<std::pair<int, QWidget *>> focusable;
    for (const ControlSpec &row : table) {
        QWidget *control = makeControl(window, row);
        control->setObjectName(row.name.toString());
        control->setGeometry(twipsToPixels(row.twips));
        if (row.font)
            control->setFont(fontFrom(*row.font));
        applyColours(control, row);
        if (control->focusPolicy() & Qt::TabFocus)
            focusable.emplace_back(row.tabOrder, control);
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
}

void setControlPicture(QLabel *control, const QPixmap &picture)
{
    control->setPixmap(picture);
    const int border = 2 * control->frameWidth();
    control->resize(picture.width() + border, picture.height() + border);
}

} // namespace tarlen
