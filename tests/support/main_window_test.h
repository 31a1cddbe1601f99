#pragma once

#include "tests/support/fake_platform.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QAbstractItemView;
class QWidget;

namespace tarlen {
class Form1;
class GraphCanvas;
struct MainWindowControls;
} // namespace tarlen

namespace tarlen::testing {

// The base of a window test suite. Before each test: a fresh temporary folder as the working
// folder, the fake platform and a started main window, shown and active where the suite asks;
// after it, all three are gone, so that no file, window or message reaches the next test.
// A suite that needs more around each test declares its own init() or cleanup() and calls these
// from it: Qt Test runs only the suite's own.
class MainWindowTest : public QObject {
    Q_OBJECT

public:
    enum class Start {
        Hidden,
        ShownAndActive,
        // The test sets up the platform (a screen size, say) first, then calls startWindow().
        ByTheTest,
    };

    explicit MainWindowTest(Start start = Start::Hidden);
    ~MainWindowTest() override;

protected slots:
    void init();
    void cleanup();

protected:
    Form1 &form() { return *form_; }
    const MainWindowControls &controls() const;
    FakePlatform &platform() { return *platform_; }
    QString workingFolder() const { return folder_->path(); }

    // Makes the main window on the platform and runs its start-up.
    void startWindow();
    // Shows the main window and waits until it is the active one; false if it never is.
    bool showActive();

private:
    Start start_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<Form1> form_;
};

// A left press (or the given button) on the canvas at a position in twips; the inside starts
// after the canvas's border.
void pressAt(Form1 &form, int xTwips, int yTwips, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {});

// The bytes of a file in the working folder, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString &name);

// The values window's list, when that window is loaded.
QAbstractItemView *valuesList(Form1 &form);
// The entries of the values window's list; none when the window is not loaded.
QStringList valuesEntries(Form1 &form);

// Whether any marker pixel stands on the canvas's drawing layer.
bool anythingDrawn(const GraphCanvas &canvas);

// The top-level windows of that objectName, hidden ones too.
QList<QWidget *> topLevelsNamed(const QString &name);

} // namespace tarlen::testing
