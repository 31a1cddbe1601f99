#include "ui/commands/form2_different_axis.h"

#include "ui/windows/secondary_window_layout.h"

#include <QLabel>
#include <QPushButton>

namespace tarlen {

namespace {

constexpr WindowSpec kWindow{u"Form2", u"Farklı Eksen Tanımla", QSize(6270, 2895),
                             std::nullopt, true, kDefaultControlFont, std::nullopt};

constexpr FontSpec kBold12{u"MS Sans Serif", 12.0, true};
constexpr FontSpec kBold975{u"MS Sans Serif", 9.75, true};

// The labels are filled when the window is created.
constexpr ControlSpec kControls[] = {
    {u"Label1", ControlKind::WrappingLabel, QRect(480, 360, 5295, 855), u"", kBold12, {}, {}, 0},
    {u"Label2", ControlKind::Label, QRect(480, 1440, 5415, 375), u"", kBold12, qRgb(255, 0, 0),
     {}, 1},
    {u"Command2", ControlKind::Button, QRect(2520, 2160, 1455, 495), u"Geri dön", kBold975, {},
     {}, 2},
    // Lies outside the client area, so it is never seen; it has no action.
    {u"Command1", ControlKind::Button, QRect(7080, 5280, 1215, 495), u"Command1", {}, {}, {}, 3},
};

} // namespace

Form2::Form2(QWidget *parent) : QWidget(parent)
{
    applyWindowSpec(this, kWindow);
    createControls(this, kControls);

    // The first sentence breaks after "için "; a label draws a bare carriage return as a blank,
    // so the break is the label's own line feed.
    findChild<QLabel *>(QStringLiteral("Label1"))
        ->setText(QStringLiteral("Farklı bir eksen tanımlamak için \n"
                                 "başlangıç ve bitiş değerlerini atamalısınız. "));
    findChild<QLabel *>(QStringLiteral("Label2"))
        ->setText(QStringLiteral("Değiştirilmeyen değerler aynen atanır."));

    // Out of sight, so the keyboard must not land on it either.
    findChild<QPushButton *>(QStringLiteral("Command1"))->setFocusPolicy(Qt::NoFocus);

    connect(findChild<QPushButton *>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            [this] {
                hide();
                emit mainWindowRequested();
            });
}

} // namespace tarlen
