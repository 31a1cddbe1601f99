#include "ui/main/handlers.h"

#include "core/calibration.h"
#include "core/delete_last.h"
#include "core/points_file.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/point_capture.h"
#include "ui/main/form1.h"
#include "ui/platform/platform.h"
#include "ui/windows/form5_values.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace tarlen {

namespace {

// The calibration panel that a started line locks; its contents stay as they are.
void disableCalibrationPanel(const MainWindowControls &c)
{
    QWidget *const panel[] = {c.Command4, c.Command5, c.Command6, c.Command7, c.Command12,
                              c.Text1,    c.Text2,    c.Text3,    c.Text4,    c.Text5,
                              c.Label6,   c.Label7,   c.Label8,   c.Label9,   c.Check1,
                              c.Check2};
    for (QWidget *control : panel)
        control->setEnabled(false);
}

// "İlk / &Başka Çizgi": locks the calibration, takes the typed values and starts the next line.
void startNextLine(Form1 &form)
{
    DigitizerState &state = form.state();
    const MainWindowControls &c = form.controls();

    // A 16-bit line number cannot go on; nothing changes, so no step runs with a wrong number.
    if (state.lineNumber == std::numeric_limits<std::int16_t>::max()) {
        form.platform().showMessage(&form, QStringLiteral("Dikkat!"),
                                    QStringLiteral("En fazla 32767 çizgi başlatılabilir."),
                                    MessageIcon::Exclamation);
        return;
    }

    disableCalibrationPanel(c);
    ++state.lineNumber;
    c.Label16->setText(QString::number(state.lineNumber));
    state.pointsFileName = makePointsFileName(state.graphBaseName, state.lineNumber);
    const ReferenceBoxTexts texts = readReferenceBoxes(c);
    refreshTypedValues(state, texts.view(), form.platform().decimalSeparator());
    if (const auto colour = Form5::lineColor(state.lineNumber))
        setValuesListColor(form, *colour);
    c.Label19->setText(QString::fromStdString(state.pointsFileName));
}

// "Son &Noktayı Sil": the current file is written again, without its last record, under its
// own name. Label19, the values list and the markers stay.
void deleteLastPoint(Form1 &form)
{
    const DeleteLastOutcome outcome = deleteLastRecord(form.state().pointsFileName);
    switch (outcome.result) {
    case DeleteLastResult::Deleted:
        return;
    case DeleteLastResult::NoRecord:
        form.platform().showMessage(&form, QStringLiteral("Dikkat!"),
                                    QStringLiteral("Henüz değer girilmedi."),
                                    MessageIcon::Exclamation);
        return;
    case DeleteLastResult::Failed:
        form.platform().showMessage(
            &form, QStringLiteral("Dikkat!"),
            QStringLiteral("Son nokta silinemedi.\n%1")
                .arg(QString::fromStdString(outcome.status.reason())),
            MessageIcon::Exclamation);
        return;
    }
}

} // namespace

void connectLineCommands(Form1 &form)
{
    const MainWindowControls &c = form.controls();
    QObject::connect(c.Command8, &QPushButton::clicked, &form, [&form] { startNextLine(form); });
    QObject::connect(c.Command1, &QPushButton::clicked, &form, [&form] { deleteLastPoint(form); });
    QObject::connect(c.Command15, &QPushButton::clicked, c.Picture1, &GraphCanvas::clearDrawing);
}

} // namespace tarlen
