#include "ui/main/handlers.h"

#include "core/general_number_text.h"
#include "ui/main/form1.h"
#include "ui/platform/platform.h"

#include <QLabel>
#include <QPushButton>

namespace tarlen {

namespace {

// One assign button: the label that shows the position, the pending field it takes and the
// reference position it sets.
struct AssignButton {
    QPushButton *MainWindowControls::*button;
    QLabel *MainWindowControls::*label;
    float DigitizerState::*pending;
    float DigitizerState::*position;
};

// "y2 Ata" sets the same reference as "y1 Ata"; only the label differs.
constexpr AssignButton kAssignButtons[] = {
    {&MainWindowControls::Command4, &MainWindowControls::Label6, &DigitizerState::pendingX0,
     &DigitizerState::refX0Pos},
    {&MainWindowControls::Command5, &MainWindowControls::Label7, &DigitizerState::pendingY0,
     &DigitizerState::refY0Pos},
    {&MainWindowControls::Command6, &MainWindowControls::Label8, &DigitizerState::pendingX1,
     &DigitizerState::refX1Pos},
    {&MainWindowControls::Command7, &MainWindowControls::Label9, &DigitizerState::pendingY1,
     &DigitizerState::refY1Pos},
    {&MainWindowControls::Command12, &MainWindowControls::Label10, &DigitizerState::pendingY1,
     &DigitizerState::refY1Pos},
};

void assign(Form1 &form, const AssignButton &row)
{
    DigitizerState &state = form.state();
    const float pending = state.*row.pending;
    const std::string caption = generalNumberText(pending, form.platform().decimalSeparator());
    (form.controls().*row.label)->setText(QString::fromStdString(caption));
    state.*row.position = pending;
}

} // namespace

void connectReferenceAssignment(Form1 &form)
{
    for (const AssignButton &row : kAssignButtons)
        QObject::connect(form.controls().*row.button, &QPushButton::clicked, &form,
                         [&form, &row] { assign(form, row); });
}

} // namespace tarlen
