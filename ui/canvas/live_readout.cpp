#include "core/calibration.h"
#include "core/general_number_text.h"
#include "core/number_format.h"
#include "core/pointer_style.h"
#include "ui/canvas/frame_pacer.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/point_capture.h"
#include "ui/main/form1.h"
#include "ui/main/handlers.h"
#include "ui/platform/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <exception>
#include <optional>
#include <string>

namespace tarlen {

namespace {

// Where one crosshair arm runs, as offsets in twips from the pointer position.
struct ArmOffsets {
    CrosshairLine line;
    float x1;
    float y1;
    float x2;
    float y2;
};

// The arms leave a gap of 120 twips around the pointer, 130 to the right.
constexpr std::array<ArmOffsets, 4> kArms = {{
    {CrosshairLine::Line6, -10000, 0, -120, 0},
    {CrosshairLine::Line11, 130, 0, 10000, 0},
    {CrosshairLine::Line10, 0, -10000, 0, -120},
    {CrosshairLine::Line12, 0, 10000, 0, 120},
}};

// Each step of a move stands on its own: one that fails is skipped and the next one runs.
template <class Step> void runStep(Step &&step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

// Setting an unchanged text would still repaint the control at every move.
void showText(QLabel &label, const QString &text)
{
    if (label.text() != text)
        label.setText(text);
}

void showText(QLineEdit &box, const QString &text)
{
    if (box.text() != text)
        box.setText(text);
}

QString latin1(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The first selected style, tested in the order full-length, small cross, arrow.
std::optional<PointerStyle> chosenPointerStyle(const DigitizerState &state)
{
    if (state.pointerFullCross)
        return PointerStyle::FullCrosshair;
    if (state.pointerSmallCross)
        return PointerStyle::SmallCross;
    if (state.pointerArrow)
        return PointerStyle::StandardArrow;
    return std::nullopt;
}

void hideArms(GraphCanvas &canvas)
{
    for (const ArmOffsets &arm : kArms)
        canvas.setLineVisible(arm.line, false);
}

// The canvas repaints only when the shape really changes.
void setPointer(GraphCanvas &canvas, CanvasPointer shape)
{
    if (canvas.pointerShape() != shape)
        canvas.setPointerShape(shape);
}

// Shows the position and the real values under the pointer and moves the crosshair.
class LiveReadout : public QObject {
public:
    explicit LiveReadout(Form1 &form) : QObject(&form), form_(form) {}

    void mouseMoved(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y);

private:
    void placeArms(GraphCanvas &canvas, float x, float y);

    Form1 &form_;
};

void LiveReadout::mouseMoved(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y)
{
    DigitizerState &state = form_.state();
    const MainWindowControls &c = form_.controls();
    const char separator = form_.platform().decimalSeparator();

    runStep([&] { showText(*c.Label19, QString::fromStdString(state.pointsFileName)); });
    runStep([&] {
        showText(*c.Label4, latin1(generalNumberText(x, separator)));
        showText(*c.Label5, latin1(generalNumberText(y, separator)));
    });

    RealPoint real;
    runStep([&] {
        const ReferenceBoxTexts texts = readReferenceBoxes(c);
        const CalibrationInputs inputs{
            .texts = texts.view(),
            .xAxisMode = axisModeOf(*c.Check1),
            .yAxisMode = axisModeOf(*c.Check2),
            .decimalSeparator = separator,
        };
        real = canvasToReal(state, inputs, x, y);
    });
    runStep([&] {
        state.xFormatIndex = indexFromOptions(c.Option4->isChecked(), c.Option5->isChecked(),
                                              c.Option6->isChecked(), state.xFormatIndex);
        state.yFormatIndex = indexFromOptions(c.Option7->isChecked(), c.Option8->isChecked(),
                                              c.Option9->isChecked(), state.yFormatIndex);
    });
    runStep([&] {
        showText(*c.Text6, latin1(formatOptionalValue(real.x, state.xFormatIndex, separator)));
        showText(*c.Text7, latin1(formatOptionalValue(real.y, state.yFormatIndex, separator)));
    });
    runStep([&] {
        state.moveX = x;
        state.moveY = y;
    });
    runStep([&] {
        state.pointerFullCross = c.Option1->isChecked();
        state.pointerSmallCross = c.Option2->isChecked();
        state.pointerArrow = c.Option3->isChecked();
    });
    runStep([&] {
        const std::optional<PointerStyle> style = chosenPointerStyle(state);
        if (!style)
            return;
        GraphCanvas &canvas = *c.Picture1;
        switch (*style) {
        case PointerStyle::FullCrosshair:
            placeArms(canvas, state.moveX, state.moveY);
            break;
        case PointerStyle::SmallCross:
            hideArms(canvas);
            setPointer(canvas, CanvasPointer::Cross);
            break;
        case PointerStyle::StandardArrow:
            hideArms(canvas);
            setPointer(canvas, CanvasPointer::Arrow);
            break;
        }
    });
}

// Shows the four arms, then puts each at its offsets; the pointer shape stays as it is.
void LiveReadout::placeArms(GraphCanvas &canvas, float x, float y)
{
    for (const ArmOffsets &arm : kArms)
        canvas.setLineVisible(arm.line, true);
    for (const ArmOffsets &arm : kArms) {
        // The ends are formed in single precision, as the positions are.
        const float x1 = x + arm.x1;
        const float y1 = y + arm.y1;
        const float x2 = x + arm.x2;
        const float y2 = y + arm.y2;
        canvas.setLine(arm.line, QLineF(x1, y1, x2, y2));
    }
}

} // namespace

void connectLiveReadout(Form1 &form)
{
    auto *readout = new LiveReadout(form);
    // The readout and the crosshair change at every move; the screen shows them once a frame.
    const MainWindowControls &c = form.controls();
    GraphCanvas &canvas = *c.Picture1;
    // The readout paints its own background: a new text repaints the label or box alone, not
    // the window beneath it and the neighbours that touch it. The boxes' rounded corners show
    // the window colour, as they did over the window.
    for (QLabel *label : {c.Label19, c.Label4, c.Label5})
        label->setAutoFillBackground(true);
    for (QLineEdit *box : {c.Text6, c.Text7}) {
        box->setBackgroundRole(QPalette::Window);
        box->setAutoFillBackground(true);
    }
    auto *pacer = new FramePacer(form);
    pacer->paintPressesAtOnce(canvas);
    canvas.holdArmMoves(true);
    QObject::connect(pacer, &FramePacer::aboutToPaint, &canvas, &GraphCanvas::showArmMoves);
    QObject::connect(&canvas, &GraphCanvas::mouseMoved, readout, &LiveReadout::mouseMoved);
}

} // namespace tarlen
