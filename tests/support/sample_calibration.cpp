#include "tests/support/sample_calibration.h"

#include "ui/main/form1.h"

#include <QCheckBox>
#include <QLineEdit>

namespace tarlen::testing {

void calibrateSampleGraph(Form1 &form)
{
    DigitizerState &state = form.state();
    state.refX0Pos = 1320;
    state.refX1Pos = 6870;
    state.refY0Pos = 4170;
    state.refY1Pos = 450;
    const MainWindowControls &c = form.controls();
    c.Text1->setText(QStringLiteral("10"));
    c.Text3->setText(QStringLiteral("60"));
    c.Text2->setText(QStringLiteral("0.1"));
    c.Text4->setText(QStringLiteral("1e5"));
    c.Check1->setCheckState(Qt::Unchecked);
    c.Check2->setCheckState(Qt::Checked);
}

} // namespace tarlen::testing
