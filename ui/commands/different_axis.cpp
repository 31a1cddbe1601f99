#include "ui/main/handlers.h"

#include "ui/commands/form2_different_axis.h"
#include "ui/main/form1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>
#include <memory>

namespace tarlen {

namespace {

// "&Farklı Eksen": the notice first, then the calibration panel unlocked for another axis of
// the same graph. The line, its file and every reference stay as they are.
void unlockForDifferentAxis(Form1 &form)
{
    form.windows().show(SecondaryWindow::Form2);

    const MainWindowControls &c = form.controls();
    // The hidden y2 group is left locked: it is not part of the panel a user can see.
    for (QWidget *control : std::initializer_list<QWidget *>{
             c.Command4, c.Command5, c.Command6, c.Command7, c.Text1, c.Text2, c.Text3, c.Text4,
             c.Label6, c.Label7, c.Label8, c.Label9, c.Check1, c.Check2})
        control->setEnabled(true);
}

} // namespace

void connectDifferentAxis(Form1 &form)
{
    form.windows().registerFactory(SecondaryWindow::Form2, [&form] {
        auto notice = std::make_unique<Form2>();
        QObject::connect(notice.get(), &Form2::mainWindowRequested, &form, &Form1::bringToFront);
        return std::unique_ptr<QWidget>(std::move(notice));
    });

    QObject::connect(form.controls().Command11, &QPushButton::clicked, &form,
                     [&form] { unlockForDifferentAxis(form); });
}

} // namespace tarlen
