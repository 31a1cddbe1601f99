#include "ui/main/form1.h"
#include "ui/platform/platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tarlen::DesktopPlatform platform;
    tarlen::Form1 form(platform);
    form.startUp();
    form.showMaximized();
    return app.exec();
}
