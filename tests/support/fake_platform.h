#pragma once

#include "ui/platform/platform.h"

#include <QList>
#include <QSize>
#include <QString>
#include <functional>

namespace tarlen::testing {

// A platform that records message boxes instead of blocking, with a screen size, a decimal
// separator and a program launcher that the test chooses.
class FakePlatform final : public Platform {
public:
    struct Message {
        QString title;
        QString text;
        MessageIcon icon;
    };
    struct StartRequest {
        QString path;
        StartWindowState state;
    };

    void showMessage(QWidget *parent, const QString &title, const QString &text,
                     MessageIcon icon) override;
    QSize screenSize() const override { return screen; }
    char decimalSeparator() const override { return separator; }
    bool startProgram(const QString &path, StartWindowState state) override;
    void endProgram() override { ++endProgramCalls; }

    QSize screen{1280, 1024};
    char separator = ',';
    // Paths that start successfully; every other path fails.
    QList<QString> startablePrograms;

    // Runs while a message box would be open, after the message is recorded.
    std::function<void()> whileMessageOpen;

    QList<Message> messages;
    QList<StartRequest> startRequests;
    int endProgramCalls = 0;
};

} // namespace tarlen::testing
