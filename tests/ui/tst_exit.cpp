#include "tests/support/fake_platform.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tarlen;

namespace {

// Records the order in which watched windows are hidden.
class HideRecorder : public QObject {
public:
    QStringList hidden;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            hidden.append(watched->objectName());
        return false;
    }
};

enum class ExitPath { ExitButton, FrameCloseBox };

void discardPendingWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestExit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void exitHidesAndDiscardsEverything_data();
    void exitHidesAndDiscardsEverything();
    void unloadAllFormsKeepsTheProgramRunning();

private:
    QTemporaryDir dir_;
};

void TestExit::initTestCase()
{
    QVERIFY(dir_.isValid());
    QDir::setCurrent(dir_.path());
}

void TestExit::exitHidesAndDiscardsEverything_data()
{
    QTest::addColumn<ExitPath>("path");
    QTest::newRow("exit button") << ExitPath::ExitButton;
    QTest::newRow("frame close box") << ExitPath::FrameCloseBox;
}

void TestExit::exitHidesAndDiscardsEverything()
{
    QFETCH(ExitPath, path);

    testing::FakePlatform platform;
    Form1 form(platform);
    form.windows().registerFactory(SecondaryWindow::Form5, [] {
        auto values = std::make_unique<QWidget>();
        values->setObjectName(QStringLiteral("Form5"));
        return values;
    });
    form.startUp();
    form.show();
    QPointer<QWidget> values = form.windows().show(SecondaryWindow::Form5);
    QPointer<QWidget> store = form.windows().show(SecondaryWindow::Form6);
    QVERIFY(values && store);

    HideRecorder recorder;
    for (QWidget *window : {static_cast<QWidget *>(&form), values.data(), store.data()})
        window->installEventFilter(&recorder);

    switch (path) {
    case ExitPath::ExitButton:
        form.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        break;
    case ExitPath::FrameCloseBox:
        QVERIFY(form.close());
        break;
    }

    QCOMPARE(recorder.hidden, (QStringList{"Form1", "Form5", "Form6"}));
    QCOMPARE(platform.endProgramCalls, 1);
    QVERIFY(!form.isVisible());
    QVERIFY(form.windows().loadedWindows().isEmpty());
    discardPendingWindows();
    QVERIFY(!values);
    QVERIFY(!store);
}

void TestExit::unloadAllFormsKeepsTheProgramRunning()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    form.show();
    QPointer<QWidget> store = form.windows().loaded(SecondaryWindow::Form6);
    QVERIFY(store);

    form.UnloadAllForms();

    QVERIFY(!form.isVisible());
    discardPendingWindows();
    QVERIFY(!store);
    QCOMPARE(platform.endProgramCalls, 0);
    // A window is loaded afresh when it is next needed.
    QVERIFY(form.windows().window(SecondaryWindow::Form6));
}

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
