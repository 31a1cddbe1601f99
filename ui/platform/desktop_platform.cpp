#include "ui/platform/platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>

namespace tarlen {

void DesktopPlatform::showMessage(QWidget *parent, const QString &title, const QString &text,
                                  MessageIcon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::Warning;
    switch (icon) {
    case MessageIcon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MessageIcon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QSize DesktopPlatform::screenSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

char DesktopPlatform::decimalSeparator() const
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

bool DesktopPlatform::startProgram(const QString &path, StartWindowState state)
{
    // A detached process is neither waited for nor held; the state hint has no portable
    // counterpart outside Windows, where the paths asked for do not exist anyway.
    switch (state) {
    case StartWindowState::MinimizedNoFocus:
    case StartWindowState::NormalFocus:
        break;
    }
    return QProcess::startDetached(path, {});
}

void DesktopPlatform::endProgram() { QApplication::exit(0); }

} // namespace tarlen
