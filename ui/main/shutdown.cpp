#include "ui/main/form1.h"
#include "ui/platform/platform.h"

#include <QCloseEvent>

namespace tarlen {

void Form1::exitProgram()
{
    hide();
    for (SecondaryWindow id :
         {SecondaryWindow::Form2, SecondaryWindow::Form3, SecondaryWindow::Form4,
          SecondaryWindow::Form5, SecondaryWindow::Form6})
        if (QWidget *window = windows_.loaded(id))
            window->hide();
    // Every file is opened and closed inside one handler, so none is still open here.
    UnloadAllForms();
    platform_.endProgram();
}

void Form1::UnloadAllForms()
{
    const bool wasUnloading = unloading_;
    unloading_ = true;
    close();
    windows_.unloadAll();
    unloading_ = wasUnloading;
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!unloading_)
        exitProgram();
}

} // namespace tarlen
