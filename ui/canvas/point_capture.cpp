#include "ui/canvas/point_capture.h"

#include "core/number_format.h"
#include "core/points_file.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/graphfile/graph_selection.h"
#include "ui/main/form1.h"
#include "ui/main/handlers.h"
#include "ui/platform/platform.h"
#include "ui/windows/form5_values.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

#include <limits>
#include <memory>
#include <optional>

namespace tarlen {

namespace {

// A press on the canvas: the pending click, the real values and, on a started line, the record,
// the values list entry and the marker. It also keeps the list colour of the current line.
class PointCapture : public QObject {
    Q_OBJECT

public:
    explicit PointCapture(Form1 &form) : QObject(&form), form_(form)
    {
        setObjectName(QStringLiteral("pointCapture"));
    }

    void press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);

    std::unique_ptr<QWidget> createValuesWindow();
    void setListColour(const QColor &colour);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form5 *showValuesWindow();

    Form1 &form_;
    std::optional<QColor> listColour_;
    // The values window just shown from hidden while the main window was active.
    QPointer<QWidget> handBackFrom_;
};

std::unique_ptr<QWidget> PointCapture::createValuesWindow()
{
    auto window = std::make_unique<Form5>();
    if (listColour_)
        window->setListTextColor(*listColour_);
    window->installEventFilter(this);
    return window;
}

bool PointCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == handBackFrom_ && event->type() == QEvent::WindowActivate) {
        // Some platforms activate every window they map, whatever it asks for; the keyboard
        // goes back to the main window.
        handBackFrom_ = nullptr;
        form_.activateWindow();
    } else if (watched == handBackFrom_ && event->type() == QEvent::Paint) {
        // Once the window is on screen, an activation is the user's own.
        handBackFrom_ = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

void PointCapture::setListColour(const QColor &colour)
{
    listColour_ = colour;
    if (auto *values = qobject_cast<Form5 *>(form_.windows().loaded(SecondaryWindow::Form5)))
        values->setListTextColor(colour);
}

Form5 *PointCapture::showValuesWindow()
{
    // Shown without activation (Form5 asks for it): the main window keeps the keyboard, and
    // the canvas goes on receiving presses and moves.
    Form5 *values = form_.windows().window<Form5>(SecondaryWindow::Form5);
    if (values) {
        if (!values->isVisible() && form_.isActiveWindow())
            handBackFrom_ = values;
        values->show();
        values->raise();
    }
    return values;
}

void PointCapture::press(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    DigitizerState &state = form_.state();
    const MainWindowControls &c = form_.controls();
    const char separator = form_.platform().decimalSeparator();

    state.pendingX0 = x;
    state.pendingX1 = x;
    state.pendingY0 = y;
    state.pendingY1 = y;

    state.xFormatIndex = indexFromOptions(c.Option4->isChecked(), c.Option5->isChecked(),
                                          c.Option6->isChecked(), state.xFormatIndex);
    state.yFormatIndex = indexFromOptions(c.Option7->isChecked(), c.Option8->isChecked(),
                                          c.Option9->isChecked(), state.yFormatIndex);

    // While a clicked picture waits for "Tamam", the file names are still the confirmed
    // graph's: a point taken on the other picture must not go into them.
    const bool unconfirmed = state.lineNumber > 0 && pictureAwaitsConfirmation(form_);

    if (state.lineNumber >= 1 && state.lineNumber <= 6 && !unconfirmed)
        form_.simgebas(x, y, state.symbolKind, state.symbolSize);

    const ReferenceBoxTexts texts = readReferenceBoxes(c);
    const CalibrationInputs inputs{texts.view(), axisModeOf(*c.Check1), axisModeOf(*c.Check2),
                                   separator};
    const RealPoint real = canvasToReal(state, inputs, x, y);

    const std::string xText = formatOptionalValue(real.x, state.xFormatIndex, separator);
    const std::string yText = formatOptionalValue(real.y, state.yFormatIndex, separator);

    state.pointsFileName = makePointsFileName(state.graphBaseName, state.lineNumber);
    c.Label19->setText(QString::fromStdString(state.pointsFileName));

    c.Text6->setText(QString::fromStdString(xText));
    c.Text7->setText(QString::fromStdString(yText));

    if (state.lineNumber <= 0)
        return;
    if (unconfirmed) {
        form_.platform().showMessage(
            &form_, QStringLiteral("Dikkat!"),
            QStringLiteral("Nokta kaydedilmedi: gösterilen resim henüz \"Tamam\" ile "
                           "seçilmedi, dosya adları önceki grafiğe ait (%1). Önce \"Tamam\" ya "
                           "da \"Vazgeç\" düğmesine basınız.")
                .arg(QString::fromStdString(state.pointsFileName)),
            MessageIcon::Exclamation);
        return;
    }

    Form5 *values = showValuesWindow();

    const IoStatus written = appendPointsRecord(state.pointsFileName, xText, yText);
    if (!written) {
        // The point is still counted and listed, but the user learns at once that the file
        // lacks it.
        form_.platform().showMessage(
            &form_, QStringLiteral("Dikkat!"),
            QStringLiteral("Nokta dosyaya yazılamadı: %1\n%2")
                .arg(QString::fromStdString(state.pointsFileName),
                     QString::fromStdString(written.reason())),
            MessageIcon::Exclamation);
    }

    if (state.pointCount < std::numeric_limits<std::int16_t>::max())
        ++state.pointCount;

    if (values)
        values->appendEntry(QStringLiteral(" %1   %2    %3")
                                .arg(state.pointCount)
                                .arg(QString::fromStdString(xText), QString::fromStdString(yText)));
}

PointCapture *pointCaptureOf(Form1 &form)
{
    return form.findChild<PointCapture *>(QStringLiteral("pointCapture"),
                                          Qt::FindDirectChildrenOnly);
}

} // namespace

ReferenceBoxTexts readReferenceBoxes(const MainWindowControls &controls)
{
    return {controls.Text1->text().toStdString(), controls.Text3->text().toStdString(),
            controls.Text2->text().toStdString(), controls.Text4->text().toStdString()};
}

int axisModeOf(const QCheckBox &box)
{
    switch (box.checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 2;
}

void setValuesListColor(Form1 &form, const QColor &colour)
{
    if (PointCapture *capture = pointCaptureOf(form))
        capture->setListColour(colour);
}

void connectPointCapture(Form1 &form)
{
    auto *capture = new PointCapture(form);
    form.windows().registerFactory(SecondaryWindow::Form5,
                                   [capture] { return capture->createValuesWindow(); });
    QObject::connect(form.controls().Picture1, &GraphCanvas::mousePressed, capture,
                     &PointCapture::press);
}

} // namespace tarlen

#include "point_capture.moc"
