#include "ui/main/program_start.h"

#include "ui/main/form1.h"

#include <QScreen>

namespace tarlen {

void startAndShowMainWindow(Form1 &form)
{
    form.startUp();
    // Cover the screen also where no window manager carries out the maximized state.
    if (const QScreen *screen = form.screen())
        form.setGeometry(screen->availableGeometry());
    form.showMaximized();
}

} // namespace tarlen
