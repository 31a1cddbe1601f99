#pragma once

#include <QChar>
#include <QSize>
#include <QString>

class QWidget;

namespace tarlen {

enum class MessageIcon { Exclamation, Information, Critical };

// The window state asked of a started program.
enum class StartWindowState { MinimizedNoFocus, NormalFocus };

// What the program asks of the desktop that a test must be able to replace: modal message
// boxes, the screen size, the user's decimal separator and starting other programs.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal box with one OK button; returns when the user has closed it.
    virtual void showMessage(QWidget *parent, const QString &title, const QString &text,
                             MessageIcon icon) = 0;
    // The primary screen's size in pixels.
    virtual QSize screenSize() const = 0;
    // The decimal separator of the user's regional settings: '.' or ','.
    virtual char decimalSeparator() const = 0;
    // Starts a program without waiting for it; false when it cannot be started.
    virtual bool startProgram(const QString &path, StartWindowState state) = 0;
    // Ends the program's event loop (the exit command's last step).
    virtual void endProgram() = 0;
};

// The real desktop: QMessageBox, QScreen, QLocale and QProcess.
class DesktopPlatform final : public Platform {
public:
    void showMessage(QWidget *parent, const QString &title, const QString &text,
                     MessageIcon icon) override;
    QSize screenSize() const override;
    char decimalSeparator() const override;
    bool startProgram(const QString &path, StartWindowState state) override;
    void endProgram() override;
};

} // namespace tarlen
