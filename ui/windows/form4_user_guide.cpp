#include "ui/windows/form4_user_guide.h"

#include "ui/windows/secondary_window_layout.h"
#include "ui/windows/user_guide_text.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarlen {

namespace {

constexpr WindowSpec kWindow{u"Form4", u"Tarlen Kullanma Kılavuzu", QSize(14535, 8865),
                             std::nullopt, false, kDefaultControlFont, std::nullopt};

constexpr FontSpec kBold12{u"MS Sans Serif", 12.0, true};
constexpr FontSpec kArial975{u"Arial", 9.75, false};
// Classic-scheme values of the system colours the text box follows.
constexpr QRgb kInactiveCaptionText = qRgb(212, 208, 200);
constexpr QRgb kHighlight = qRgb(0, 0, 128);

constexpr ControlSpec kControls[] = {
    {u"Command1", ControlKind::Button, QRect(1080, 7920, 2895, 495), u"Bu Pencereyi &Kapat",
     kBold12, {}, qRgb(0xFF, 0xE0, 0xC0), 0},
    {u"Text5", ControlKind::ReadOnlyText, QRect(240, 960, 4695, 6255), u"", kArial975,
     kHighlight, kInactiveCaptionText, 1},
    {u"Label2", ControlKind::Label, QRect(360, 7440, 6015, 255),
     u"Öneri ve eleştirilerinizi programın yazarına iletirseniz seviniriz.", {}, {}, {}, 2},
    {u"Picture1", ControlKind::SunkenPictureBox, QRect(5160, 240, 9585, 8055), u"", {}, {}, {},
     3},
    {u"Label1", ControlKind::WrappingLabel, QRect(240, 240, 3975, 615),
     u"Kullanma Kılavuzu ve                   yazılımın bazı özellikleri:", kBold12,
     qRgb(0x00, 0x00, 0xC0), {}, 4},
};

// Made from the real main window and compiled in when available; until then the box is empty.
constexpr QStringView kGuidePicture = u":/guide_picture.png";

} // namespace

Form4::Form4(QWidget *parent) : QWidget(parent)
{
    applyWindowSpec(this, kWindow);
    createControls(this, kControls);

    findChild<QPlainTextEdit *>(QStringLiteral("Text5"))->setPlainText(userGuideText());

    if (QFile::exists(kGuidePicture.toString())) {
        const QPixmap picture(kGuidePicture.toString());
        if (!picture.isNull())
            setControlPicture(findChild<QLabel *>(QStringLiteral("Picture1")), picture);
    }

    connect(findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &QWidget::hide);
}

void Form4::showGuide()
{
    // Hidden by its own button, the window keeps its place, size, state and scroll position.
    if (!shownBefore_)
        showMaximized();
    else if (!isVisible())
        show();
    shownBefore_ = true;
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

} // namespace tarlen
