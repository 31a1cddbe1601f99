#include "ui/main/main_window_layout.h"

#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/picture_box.h"
#include "ui/canvas/twips.h"
#include "ui/main/caption_frame.h"
#include "ui/main/picture_buttons.h"
#include "ui/main/system_colours.h"
#include "ui/windows/flat_button_face.h"
#include "ui/windows/picture_store.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace tarlen {

namespace {

using C = MainWindowControls;

enum class Kind {
    Button,
    PictureCaptionButton,
    Label,
    TextBox,
    CheckBox,
    Option,
    PictureOption,
    Frame,
    ScrollBar,
    PictureBox,
    Canvas,
    LineShape,
};

enum class FontKind { Standard, Bold, Arial, ValueBox };

enum class Start { Shown, Hidden, Checked };

enum class Picture {
    None,
    SymbolStrip,
    ThinThickness,
    ArrowPointer,
    SmallCrossPointer,
    FullCrosshairPointer,
    Magnifier,
};

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

using Slot = std::variant<QPushButton * C::*, QLabel * C::*, QLineEdit * C::*, QCheckBox * C::*,
                          QRadioButton * C::*, QGroupBox * C::*, QScrollBar * C::*,
                          PictureBox * C::*, GraphCanvas * C::*, QFrame * C::*>;

// One control as stored. Positions are relative to the parent (a frame, or the window).
// For a check box, AlignRight puts the box right of its caption.
struct ControlRow {
    Slot slot;
    const char *name;
    Kind kind;
    const char *parent = nullptr;
    const char *caption = "";
    Twips at;
    std::optional<QRgb> text = {};
    std::optional<QRgb> face = {};
    FontKind font = FontKind::Standard;
    int tab = -1;
    Qt::Alignment align = Qt::AlignLeft;
    Start start = Start::Shown;
    Picture picture = Picture::None;
    PictureBox::Border border = PictureBox::Border::None;
};

constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kTeal = 0xFF008080;
constexpr QRgb kRed = 0xFFFF0000;

constexpr int kCommandWidth = 1830;
constexpr int kCommandHeight = 375;
constexpr int kValueBoxWidth = 735;
constexpr int kValueBoxHeight = 360;
constexpr int kAssignWidth = 735;
constexpr int kAssignHeight = 375;
constexpr int kStatusHeight = 255;

// Parents come before their children.
const std::vector<ControlRow> &layoutTable()
{
    // One row per control, kept as a table.
    // clang-format off
    static const std::vector<ControlRow> rows = {
        // Command column.
        {.slot = &C::Command3, .name = "Command3", .kind = Kind::Button, .caption = "&Grafik Değiştir", .at = {240, 240, kCommandWidth, kCommandHeight}, .face = 0xFF80FF80, .font = FontKind::Bold, .tab = 2},
        {.slot = &C::Command8, .name = "Command8", .kind = Kind::Button, .caption = "İlk / &Başka Çizgi", .at = {240, 600, kCommandWidth, kCommandHeight}, .font = FontKind::Bold, .tab = 17},
        {.slot = &C::Command1, .name = "Command1", .kind = Kind::Button, .caption = "Son &Noktayı Sil", .at = {240, 960, kCommandWidth, kCommandHeight}, .font = FontKind::Bold, .tab = 28},
        {.slot = &C::Command15, .name = "Command15", .kind = Kind::Button, .caption = "Simgeleri Temizle", .at = {240, 1320, kCommandWidth, kCommandHeight}, .font = FontKind::Bold, .tab = 57},
        {.slot = &C::Command11, .name = "Command11", .kind = Kind::Button, .caption = "&Farklı Eksen", .at = {240, 1680, kCommandWidth, kCommandHeight}, .font = FontKind::Bold, .tab = 31},
        {.slot = &C::Command9, .name = "Command9", .kind = Kind::Button, .caption = "K&ullanma Kılavuzu", .at = {240, 2040, kCommandWidth, kCommandHeight}, .font = FontKind::Bold, .tab = 20},
        {.slot = &C::Command10, .name = "Command10", .kind = Kind::Button, .caption = "&Adres", .at = {240, 2400, kCommandWidth, kCommandHeight}, .font = FontKind::Bold, .tab = 29},
        {.slot = &C::Command2, .name = "Command2", .kind = Kind::Button, .caption = "ÇI&KIŞ", .at = {240, 2760, kCommandWidth, kCommandHeight}, .face = 0xFFFF8080, .font = FontKind::Bold, .tab = 1},

        // Marker style.
        {.slot = &C::Frame2, .name = "Frame2", .kind = Kind::Frame, .caption = "Simge", .at = {240, 3360, 1830, 3345}, .text = kSystemHighlight, .tab = 36},
        {.slot = &C::Picture2, .name = "Picture2", .kind = Kind::PictureBox, .parent = "Frame2", .at = {240, 240, 390, 2265}, .tab = 37, .picture = Picture::SymbolStrip, .border = PictureBox::Border::Flat},
        {.slot = &C::Picture5, .name = "Picture5", .kind = Kind::PictureBox, .parent = "Frame2", .at = {960, 360, 315, 315}, .tab = 43, .border = PictureBox::Border::Sunken},
        {.slot = &C::Label21, .name = "Label21", .kind = Kind::Label, .parent = "Frame2", .caption = "Boyut:", .at = {945, 960, 495, 255}, .text = kGreen, .tab = 39},
        {.slot = &C::Label20, .name = "Label20", .kind = Kind::Label, .parent = "Frame2", .caption = "1", .at = {840, 1320, 255, 255}, .text = kGreen, .font = FontKind::Arial, .tab = 38, .align = Qt::AlignRight},
        {.slot = &C::VScroll1, .name = "VScroll1", .kind = Kind::ScrollBar, .parent = "Frame2", .at = {1200, 1200, 255, 375}, .tab = 40},
        {.slot = &C::Picture3, .name = "Picture3", .kind = Kind::PictureBox, .at = {1080, 5160, 750, 705}, .tab = 41, .picture = Picture::ThinThickness},
        {.slot = &C::Picture4, .name = "Picture4", .kind = Kind::PictureBox, .at = {390, 6000, 1485, 525}, .tab = 42},

        // Pointer style.
        {.slot = &C::Frame1, .name = "Frame1", .kind = Kind::Frame, .caption = "İşaretçi ", .at = {240, 6720, 1830, 810}, .text = kSystemHighlight, .tab = 32},
        {.slot = &C::Option3, .name = "Option3", .kind = Kind::PictureOption, .parent = "Frame1", .at = {120, 240, 495, 495}, .tab = 35, .picture = Picture::ArrowPointer},
        {.slot = &C::Option2, .name = "Option2", .kind = Kind::PictureOption, .parent = "Frame1", .at = {660, 240, 495, 495}, .tab = 34, .start = Start::Checked, .picture = Picture::SmallCrossPointer},
        {.slot = &C::Option1, .name = "Option1", .kind = Kind::PictureOption, .parent = "Frame1", .at = {1200, 240, 495, 495}, .tab = 33, .picture = Picture::FullCrosshairPointer},

        // Number formats.
        {.slot = &C::Frame3, .name = "Frame3", .kind = Kind::Frame, .caption = "x ekseni", .at = {240, 7680, 1815, 1335}, .text = kSystemHighlight, .tab = 47},
        {.slot = &C::Option4, .name = "Option4", .kind = Kind::Option, .parent = "Frame3", .caption = "0.0", .at = {240, 240, 1335, 195}, .text = kSystemDarkShadow, .tab = 48},
        {.slot = &C::Option5, .name = "Option5", .kind = Kind::Option, .parent = "Frame3", .caption = "0.0000", .at = {240, 480, 1335, 195}, .text = kSystemDarkShadow, .tab = 49, .start = Start::Checked},
        {.slot = &C::Option6, .name = "Option6", .kind = Kind::Option, .parent = "Frame3", .caption = "0.000E+00", .at = {240, 720, 1335, 195}, .text = kSystemDarkShadow, .tab = 50},
        {.slot = &C::Command13, .name = "Command13", .kind = Kind::Button, .parent = "Frame3", .caption = "Kaydet", .at = {360, 960, 1095, 315}, .face = kSystemInactiveCaptionText, .tab = 55},
        {.slot = &C::Frame4, .name = "Frame4", .kind = Kind::Frame, .caption = "y ekseni", .at = {240, 9120, 1815, 1335}, .text = kSystemHighlight, .tab = 51},
        {.slot = &C::Option7, .name = "Option7", .kind = Kind::Option, .parent = "Frame4", .caption = "0.0", .at = {240, 240, 1335, 195}, .text = kSystemDarkShadow, .tab = 52},
        {.slot = &C::Option8, .name = "Option8", .kind = Kind::Option, .parent = "Frame4", .caption = "0.0000", .at = {240, 480, 1335, 195}, .text = kSystemDarkShadow, .tab = 53, .start = Start::Checked},
        {.slot = &C::Option9, .name = "Option9", .kind = Kind::Option, .parent = "Frame4", .caption = "0.000E+00", .at = {240, 720, 1335, 195}, .text = kSystemDarkShadow, .tab = 54},
        {.slot = &C::Command14, .name = "Command14", .kind = Kind::Button, .parent = "Frame4", .caption = "Kaydet", .at = {360, 960, 1095, 315}, .face = kSystemInactiveCaptionText, .tab = 56},

        // Magnifier.
        {.slot = &C::Command18, .name = "Command18", .kind = Kind::PictureCaptionButton, .caption = " Windows Büyüteci", .at = {2400, 9420, 855, 1035}, .face = kSystemTooltipBackground, .tab = 58, .picture = Picture::Magnifier},

        // Status line.
        {.slot = &C::Label3, .name = "Label3", .kind = Kind::Label, .caption = "Dosya adı :  ", .at = {2520, 120, 855, 375}, .text = kSystemHighlight, .tab = 30},
        {.slot = &C::Label19, .name = "Label19", .kind = Kind::Label, .at = {3420, 120, 1815, kStatusHeight}, .text = kSystemHighlight, .font = FontKind::Bold, .tab = 27},
        {.slot = &C::Label11, .name = "Label11", .kind = Kind::Label, .caption = "x =", .at = {3480, 360, 255, kStatusHeight}, .tab = 21},
        {.slot = &C::Label4, .name = "Label4", .kind = Kind::Label, .caption = "Label4", .at = {3720, 360, 615, kStatusHeight}, .text = kSystemHighlight, .tab = 3, .align = Qt::AlignHCenter},
        {.slot = &C::Label12, .name = "Label12", .kind = Kind::Label, .caption = "y =", .at = {4680, 360, 255, kStatusHeight}, .tab = 22},
        {.slot = &C::Label5, .name = "Label5", .kind = Kind::Label, .caption = "Label5", .at = {4920, 360, 615, kStatusHeight}, .text = kSystemHighlight, .tab = 4, .align = Qt::AlignHCenter},
        {.slot = &C::Label13, .name = "Label13", .kind = Kind::Label, .caption = "Gerçek x =", .at = {6000, 360, 855, kStatusHeight}, .tab = 23},
        {.slot = &C::Text6, .name = "Text6", .kind = Kind::TextBox, .caption = " ", .at = {6840, 300, 1095, 285}, .tab = 59, .align = Qt::AlignRight},
        {.slot = &C::Label14, .name = "Label14", .kind = Kind::Label, .caption = "Gerçek y =", .at = {8040, 360, 855, kStatusHeight}, .tab = 24},
        {.slot = &C::Text7, .name = "Text7", .kind = Kind::TextBox, .caption = " ", .at = {8880, 300, 1095, 285}, .tab = 60, .align = Qt::AlignRight},
        {.slot = &C::Label15, .name = "Label15", .kind = Kind::Label, .caption = "Çizgi : ", .at = {10080, 360, 615, kStatusHeight}, .text = kTeal, .font = FontKind::Bold, .tab = 25},
        {.slot = &C::Label16, .name = "Label16", .kind = Kind::Label, .caption = "0", .at = {10680, 360, 615, kStatusHeight}, .text = kGreen, .font = FontKind::Bold, .tab = 26},

        // The canvas and its calibration controls.
        {.slot = &C::Picture1, .name = "Picture1", .kind = Kind::Canvas, .at = {3360, 720, 7680, 5295}, .tab = 0},
        {.slot = &C::Text4, .name = "Text4", .kind = Kind::TextBox, .at = {2490, 720, kValueBoxWidth, kValueBoxHeight}, .text = kRed, .font = FontKind::ValueBox, .tab = 14, .align = Qt::AlignHCenter},
        {.slot = &C::Label9, .name = "Label9", .kind = Kind::Label, .caption = "y1", .at = {2550, 1110, 615, 255}, .tab = 19, .align = Qt::AlignHCenter},
        {.slot = &C::Command7, .name = "Command7", .kind = Kind::Button, .caption = "y1 Ata", .at = {2490, 1320, kAssignWidth, kAssignHeight}, .tab = 8},
        {.slot = &C::Text2, .name = "Text2", .kind = Kind::TextBox, .at = {2520, 7320, kValueBoxWidth, kValueBoxHeight}, .text = kRed, .font = FontKind::ValueBox, .tab = 12, .align = Qt::AlignHCenter},
        {.slot = &C::Label7, .name = "Label7", .kind = Kind::Label, .caption = "y0", .at = {2640, 7800, 495, 255}, .tab = 18, .align = Qt::AlignHCenter},
        {.slot = &C::Command5, .name = "Command5", .kind = Kind::Button, .caption = "y0 Ata", .at = {2520, 8040, kAssignWidth, kAssignHeight}, .tab = 6},
        {.slot = &C::Text1, .name = "Text1", .kind = Kind::TextBox, .at = {4200, 9240, kValueBoxWidth, kValueBoxHeight}, .text = kSystemActiveTitleBar, .font = FontKind::ValueBox, .tab = 11, .align = Qt::AlignHCenter},
        {.slot = &C::Label6, .name = "Label6", .kind = Kind::Label, .caption = "x0", .at = {4320, 9600, 495, 255}, .tab = 9, .align = Qt::AlignHCenter},
        {.slot = &C::Command4, .name = "Command4", .kind = Kind::Button, .caption = "xO Ata", .at = {4200, 9840, kAssignWidth, kAssignHeight}, .tab = 5},
        {.slot = &C::Text3, .name = "Text3", .kind = Kind::TextBox, .at = {12360, 9240, kValueBoxWidth, kValueBoxHeight}, .text = kSystemActiveTitleBar, .font = FontKind::ValueBox, .tab = 13, .align = Qt::AlignHCenter},
        {.slot = &C::Label8, .name = "Label8", .kind = Kind::Label, .caption = "x1", .at = {11040, 9330, 615, 255}, .tab = 10},
        {.slot = &C::Command6, .name = "Command6", .kind = Kind::Button, .caption = "x1 Ata", .at = {10200, 9240, kAssignWidth, kAssignHeight}, .tab = 7},
        {.slot = &C::Check1, .name = "Check1", .kind = Kind::CheckBox, .caption = "x Logaritmik", .at = {6360, 9360, 1215, 255}, .tab = 15, .align = Qt::AlignRight},
        {.slot = &C::Check2, .name = "Check2", .kind = Kind::CheckBox, .caption = "y Logaritmik", .at = {7800, 9360, 1215, 255}, .tab = 16, .start = Start::Checked},
        {.slot = &C::Text5, .name = "Text5", .kind = Kind::TextBox, .caption = "1", .at = {13440, 720, kValueBoxWidth, kValueBoxHeight}, .font = FontKind::ValueBox, .tab = 44, .align = Qt::AlignHCenter, .start = Start::Hidden},
        {.slot = &C::Label10, .name = "Label10", .kind = Kind::Label, .caption = "y2", .at = {13560, 1200, 615, 255}, .tab = 45, .start = Start::Hidden},
        {.slot = &C::Command12, .name = "Command12", .kind = Kind::Button, .caption = "y2 Ata", .at = {13440, 1560, kAssignWidth, kAssignHeight}, .tab = 46, .start = Start::Hidden},

        // The separator of the command column, one pixel wide.
        {.slot = &C::Line1, .name = "Line1", .kind = Kind::LineShape, .at = {2280, 0, kTwipsPerPixel, 11040 + kTwipsPerPixel}, .face = kSystemApplicationWorkspace},
    };
    // clang-format on
    return rows;
}

QFont fontFor(FontKind kind)
{
    QFont font = standardControlFont();
    switch (kind) {
    case FontKind::Standard:
        break;
    case FontKind::Bold:
        font.setBold(true);
        break;
    case FontKind::Arial:
        font.setFamily(QStringLiteral("Arial"));
        break;
    case FontKind::ValueBox:
        // 9.75 pt at 96 dpi.
        font.setPixelSize(13);
        font.setBold(true);
        break;
    }
    return font;
}

QImage pictureFor(Picture picture)
{
    switch (picture) {
    case Picture::None:
        return {};
    case Picture::SymbolStrip:
        return drawSymbolStrip();
    case Picture::ThinThickness:
        return drawStorePicture(StorePicture::Picture4);
    case Picture::ArrowPointer:
        return drawPointerStylePicture(PointerStyle::StandardArrow);
    case Picture::SmallCrossPointer:
        return drawPointerStylePicture(PointerStyle::SmallCross);
    case Picture::FullCrosshairPointer:
        return drawPointerStylePicture(PointerStyle::FullCrosshair);
    case Picture::Magnifier:
        return drawMagnifierPicture();
    }
    return {};
}

bool takesFocus(Kind kind)
{
    switch (kind) {
    case Kind::Button:
    case Kind::PictureCaptionButton:
    case Kind::TextBox:
    case Kind::CheckBox:
    case Kind::Option:
    case Kind::PictureOption:
    case Kind::ScrollBar:
    case Kind::PictureBox:
    case Kind::Canvas:
        return true;
    case Kind::Label:
    case Kind::Frame:
    case Kind::LineShape:
        return false;
    }
    return false;
}

QWidget *createControl(const ControlRow &row, QWidget *parent)
{
    const QString caption = QString::fromUtf8(row.caption);
    const QPixmap picture = QPixmap::fromImage(pictureFor(row.picture));
    switch (row.kind) {
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::PictureCaptionButton: {
        auto *button = new PictureCaptionButton(parent);
        button->setText(caption);
        button->setPicture(picture);
        return button;
    }
    case Kind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(row.align | Qt::AlignTop);
        return label;
    }
    case Kind::TextBox: {
        auto *box = new QLineEdit(caption, parent);
        box->setAlignment(row.align | Qt::AlignVCenter);
        return box;
    }
    case Kind::CheckBox: {
        auto *box = new QCheckBox(caption, parent);
        if (row.align & Qt::AlignRight)
            box->setLayoutDirection(Qt::RightToLeft);
        return box;
    }
    case Kind::Option:
        return new QRadioButton(caption, parent);
    case Kind::PictureOption: {
        auto *option = new PictureOptionButton(parent);
        option->setPicture(picture);
        return option;
    }
    case Kind::Frame:
        return new CaptionFrame(caption, parent);
    case Kind::ScrollBar: {
        auto *bar = new QScrollBar(Qt::Vertical, parent);
        bar->setRange(1, 10);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setValue(2);
        return bar;
    }
    case Kind::PictureBox: {
        auto *box = new PictureBox(parent);
        box->setBorder(row.border);
        box->setPicture(picture);
        return box;
    }
    case Kind::Canvas:
        return new GraphCanvas(parent);
    case Kind::LineShape: {
        auto *line = new QFrame(parent);
        line->setFrameStyle(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        return line;
    }
    }
    return nullptr;
}

void applyColours(const ControlRow &row, QWidget &widget)
{
    QPalette palette = widget.palette();
    if (row.text) {
        palette.setColor(QPalette::WindowText, QColor(*row.text));
        palette.setColor(QPalette::Text, QColor(*row.text));
    }
    if (row.face && row.kind == Kind::LineShape)
        palette.setColor(QPalette::Window, QColor(*row.face));
    if (row.text || row.face)
        widget.setPalette(palette);
    if (auto *button = qobject_cast<QAbstractButton *>(&widget); button && row.face)
        giveFlatFace(*button, QColor(*row.face));
}

void applyStart(Start start, QWidget &widget)
{
    switch (start) {
    case Start::Shown:
        break;
    case Start::Hidden:
        widget.hide();
        break;
    case Start::Checked:
        if (auto *button = qobject_cast<QAbstractButton *>(&widget))
            button->setChecked(true);
        break;
    }
}

QRect pixelsOf(const Twips &at)
{
    return {twipsToPixels(at.left), twipsToPixels(at.top), twipsToPixels(at.width),
            twipsToPixels(at.height)};
}

} // namespace

void installFontSubstitutions()
{
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

QFont standardControlFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

MainWindowControls buildMainWindowControls(QWidget &window)
{
    MainWindowControls controls;
    std::map<std::string_view, QWidget *> byName;
    std::vector<std::pair<int, QWidget *>> tabOrder;

    for (const ControlRow &row : layoutTable()) {
        QWidget *parent = row.parent ? byName.at(row.parent) : &window;
        QWidget *widget = createControl(row, parent);
        widget->setObjectName(QString::fromLatin1(row.name));
        widget->setGeometry(pixelsOf(row.at));
        widget->setFont(fontFor(row.font));
        applyColours(row, *widget);
        applyStart(row.start, *widget);
        if (takesFocus(row.kind)) {
            widget->setFocusPolicy(Qt::StrongFocus);
            tabOrder.emplace_back(row.tab, widget);
        }
        std::visit(
            [&](auto member) {
                using Widget =
                    std::remove_pointer_t<std::remove_reference_t<decltype(controls.*member)>>;
                controls.*member = qobject_cast<Widget *>(widget);
                Q_ASSERT(controls.*member);
            },
            row.slot);
        byName.emplace(row.name, widget);
    }

    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    return controls;
}

} // namespace tarlen
