// A Qt window that does nothing with the pointer, covering the screen like the main window: what
// any Qt program costs the X server and itself when the pointer sweeps over it. The real-X move
// measurement runs it beside the program.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    if (const QScreen *screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
