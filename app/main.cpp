#include "ui/graphfile/graph_opening.h"
#include "ui/main/command_line.h"
#include "ui/main/form1.h"
#include "ui/main/program_start.h"
#include "ui/main/qt_translation.h"
#include "ui/platform/platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Help, version and a bad command line are answered before the window system is reached,
    // so they work without a display and never show a window.
    const tarlen::CommandLine commandLine =
        tarlen::parseCommandLine(tarlen::commandLineArguments(argc, argv));
    if (commandLine.action != tarlen::CommandLineAction::Run)
        return tarlen::answerCommandLine(commandLine);

    QApplication app(argc, argv);
    tarlen::installQtTranslation(app, tarlen::qtTranslationsFolder());

    tarlen::DesktopPlatform platform;
    tarlen::Form1 form(platform);
    tarlen::startAndShowMainWindow(form);
    // A picture named on the command line opens as if chosen and confirmed.
    if (commandLine.picture)
        tarlen::openGraphPicture(form, *commandLine.picture);
    return app.exec();
}
