#include "tests/support/fake_platform.h"
#include "tests/support/main_window_test.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace tarlen;
using namespace tarlen::testing;

namespace {

const QString kFirstMagnifier = QStringLiteral("C:\\windows\\system32\\magnify.exe");
const QString kSecondMagnifier = QStringLiteral("C:\\winnt\\system32\\magnify.exe");

QList<QWidget *> visibleTopLevelsNamed(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *w : topLevelsNamed(name))
        if (w->isVisible())
            found.append(w);
    return found;
}

// A start request as "path, state", so a whole launch order compares in one go.
QStringList describe(const QList<testing::FakePlatform::StartRequest> &requests)
{
    QStringList lines;
    for (const auto &request : requests) {
        QString state;
        switch (request.state) {
        case StartWindowState::MinimizedNoFocus:
            state = QStringLiteral("minimized, no focus");
            break;
        case StartWindowState::NormalFocus:
            state = QStringLiteral("normal, focus");
            break;
        }
        lines.append(request.path + QStringLiteral(", ") + state);
    }
    return lines;
}

void discardClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestToolCommands : public testing::MainWindowTest {
    Q_OBJECT

public:
    TestToolCommands() : MainWindowTest(Start::ShownAndActive) {}

private slots:
    void infoWindowOpensOnceAndComesToFront_data();
    void infoWindowOpensOnceAndComesToFront();
    void infoWindowAfterItsOwnButtonOrCloseBox_data();
    void infoWindowAfterItsOwnButtonOrCloseBox();
    void magnifierLaunchOrder_data();
    void magnifierLaunchOrder();
    void ownMagnifierStandsBesideTheCanvas();
    void ownMagnifierClosedByItsBoxIsMadeAnew();
    void ownMagnifierHidesWithTheMainWindow();
};

void TestToolCommands::infoWindowOpensOnceAndComesToFront_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("maximized");

    QTest::newRow("K&ullanma Kılavuzu") << "Command9"
                                        << "Form4" << true;
    QTest::newRow("&Adres") << "Command10"
                            << "AddressForm" << false;
}

void TestToolCommands::infoWindowOpensOnceAndComesToFront()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(bool, maximized);

    auto *command = form().findChild<QPushButton *>(button);
    QVERIFY(command);
    QVERIFY(topLevelsNamed(window).isEmpty());

    command->click();
    const QList<QWidget *> opened = visibleTopLevelsNamed(window);
    QCOMPARE(opened.size(), 1);
    QPointer<QWidget> first = opened.first();
    QVERIFY(!first->parentWidget());
    QCOMPARE(first->isMaximized(), maximized);
    QVERIFY(QTest::qWaitForWindowActive(first));
    QVERIFY(form().isVisible());
    QVERIFY(form().isEnabled());

    // The user goes back to digitizing, then asks for the same aid again.
    form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form()));
    command->click();
    QCOMPARE(topLevelsNamed(window), QList<QWidget *>{first.data()});
    QVERIFY(first->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(first));
    QCOMPARE(QApplication::activeWindow(), first.data());
}

void TestToolCommands::infoWindowAfterItsOwnButtonOrCloseBox_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("mainWindowToFront");

    QTest::newRow("guide, its own button") << "Command9"
                                           << "Form4" << false << false;
    QTest::newRow("guide, close box") << "Command9"
                                      << "Form4" << true << false;
    QTest::newRow("address, its own button") << "Command10"
                                             << "AddressForm" << false << true;
    QTest::newRow("address, close box") << "Command10"
                                        << "AddressForm" << true << false;
}

void TestToolCommands::infoWindowAfterItsOwnButtonOrCloseBox()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(bool, closeBox);
    QFETCH(bool, mainWindowToFront);

    auto *command = form().findChild<QPushButton *>(button);
    command->click();
    QPointer<QWidget> first = visibleTopLevelsNamed(window).value(0);
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowActive(first));

    if (closeBox) {
        QVERIFY(first->close());
        discardClosedWindows();
        QVERIFY(!first);
    } else {
        first->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QVERIFY(first);
        QVERIFY(!first->isVisible());
    }
    if (mainWindowToFront)
        QVERIFY(QTest::qWaitForWindowActive(&form()));

    command->click();
    const QList<QWidget *> reopened = visibleTopLevelsNamed(window);
    QCOMPARE(reopened.size(), 1);
    // Hidden windows come back as they were; a discarded one is created afresh.
    if (!closeBox)
        QCOMPARE(reopened.first(), first.data());
}

void TestToolCommands::magnifierLaunchOrder_data()
{
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("requestsPerClick");
    QTest::addColumn<bool>("ownMagnifier");

    const QString first = kFirstMagnifier + QStringLiteral(", minimized, no focus");
    const QString second = kSecondMagnifier + QStringLiteral(", normal, focus");

    QTest::newRow("first path starts")
        << QStringList{kFirstMagnifier} << QStringList{first} << false;
    QTest::newRow("both would start")
        << QStringList{kFirstMagnifier, kSecondMagnifier} << QStringList{first} << false;
    QTest::newRow("only the second path starts")
        << QStringList{kSecondMagnifier} << QStringList{first, second} << false;
    QTest::newRow("neither starts") << QStringList{} << QStringList{first, second} << true;
}

void TestToolCommands::magnifierLaunchOrder()
{
    QFETCH(QStringList, startable);
    QFETCH(QStringList, requestsPerClick);
    QFETCH(bool, ownMagnifier);

    platform().startablePrograms = startable;
    auto *command = form().findChild<QPushButton *>(QStringLiteral("Command18"));

    command->click();
    QCOMPARE(describe(platform().startRequests), requestsPerClick);
    const QList<QWidget *> shown = visibleTopLevelsNamed(QStringLiteral("MagnifierWindow"));
    QCOMPARE(shown.size(), ownMagnifier ? 1 : 0);

    // A second click tries the system magnifier again; the program's own stays one window.
    command->click();
    QCOMPARE(describe(platform().startRequests), requestsPerClick + requestsPerClick);
    QCOMPARE(visibleTopLevelsNamed(QStringLiteral("MagnifierWindow")), shown);
    QCOMPARE(topLevelsNamed(QStringLiteral("MagnifierWindow")).size(), ownMagnifier ? 1 : 0);
    QVERIFY(platform().messages.isEmpty());
}

void TestToolCommands::ownMagnifierStandsBesideTheCanvas()
{
    form().findChild<QPushButton *>(QStringLiteral("Command18"))->click();
    QWidget *magnifier = visibleTopLevelsNamed(QStringLiteral("MagnifierWindow")).value(0);
    QVERIFY(magnifier);
    QCOMPARE(magnifier->windowTitle(), QStringLiteral("Büyüteç"));

    // It stands beside the canvas, inside the screen, without covering the graph.
    const QRect onScreen = magnifier->frameGeometry();
    QVERIFY(QRect(QPoint(0, 0), platform().screen).contains(onScreen));
    const QWidget *canvas = form().findChild<QWidget *>(QStringLiteral("Picture1"));
    const QRect canvasOnScreen(canvas->mapToGlobal(QPoint(0, 0)), canvas->size());
    QVERIFY(!onScreen.intersects(canvasOnScreen));
}

void TestToolCommands::ownMagnifierClosedByItsBoxIsMadeAnew()
{
    auto *command = form().findChild<QPushButton *>(QStringLiteral("Command18"));
    command->click();
    QPointer<QWidget> first = visibleTopLevelsNamed(QStringLiteral("MagnifierWindow")).value(0);
    QVERIFY(first);

    QVERIFY(first->close());
    discardClosedWindows();
    QVERIFY(!first);
    QVERIFY(topLevelsNamed(QStringLiteral("MagnifierWindow")).isEmpty());

    command->click();
    QCOMPARE(visibleTopLevelsNamed(QStringLiteral("MagnifierWindow")).size(), 1);
}

void TestToolCommands::ownMagnifierHidesWithTheMainWindow()
{
    form().findChild<QPushButton *>(QStringLiteral("Command18"))->click();
    QPointer<QWidget> magnifier = visibleTopLevelsNamed(QStringLiteral("MagnifierWindow")).value(0);
    QVERIFY(magnifier);

    form().findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    QCOMPARE(platform().endProgramCalls, 1);
    QVERIFY(!magnifier || !magnifier->isVisible());
}

QTEST_MAIN(TestToolCommands)
#include "tst_tool_commands.moc"
