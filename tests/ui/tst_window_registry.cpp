#include "ui/main/secondary_windows.h"

#include <QPointer>
#include <QTest>

using namespace tarlen;

namespace {

SecondaryWindows::Factory namedWindow(const QString &name, int *created)
{
    return [name, created] {
        ++*created;
        auto window = std::make_unique<QWidget>();
        window->setObjectName(name);
        return window;
    };
}

} // namespace

class TestWindowRegistry : public QObject {
    Q_OBJECT

private slots:
    void firstUseCreatesAHiddenTopLevelWindowOnce();
    void showingIsModelessAndOwnerless();
    void frameCloseDiscardsAndNextUseCreatesAfresh();
    void windowsWithoutFactoryAreAbsent();
    void loadedWindowsInLoadOrder();
};

void TestWindowRegistry::firstUseCreatesAHiddenTopLevelWindowOnce()
{
    SecondaryWindows windows;
    int created = 0;
    windows.registerFactory(SecondaryWindow::Form5, namedWindow("Form5", &created));
    QVERIFY(!windows.loaded(SecondaryWindow::Form5));

    QWidget *first = windows.window(SecondaryWindow::Form5);
    QWidget *second = windows.window(SecondaryWindow::Form5);

    QVERIFY(first);
    QCOMPARE(second, first);
    QCOMPARE(created, 1);
    QVERIFY(first->isWindow());
    QVERIFY(!first->parentWidget());
    QVERIFY(!first->isVisible());
    QCOMPARE(windows.loaded(SecondaryWindow::Form5), first);
}

void TestWindowRegistry::showingIsModelessAndOwnerless()
{
    SecondaryWindows windows;
    int created = 0;
    windows.registerFactory(SecondaryWindow::Form2, namedWindow("Form2", &created));

    QWidget *shown = windows.show(SecondaryWindow::Form2);

    QVERIFY(shown->isVisible());
    QCOMPARE(shown->windowModality(), Qt::NonModal);
    QVERIFY(!shown->parentWidget());
}

void TestWindowRegistry::frameCloseDiscardsAndNextUseCreatesAfresh()
{
    SecondaryWindows windows;
    int created = 0;
    windows.registerFactory(SecondaryWindow::AddressForm, namedWindow("AddressForm", &created));
    QPointer<QWidget> first = windows.show(SecondaryWindow::AddressForm);

    QVERIFY(first->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(!first);
    QVERIFY(!windows.loaded(SecondaryWindow::AddressForm));
    QVERIFY(windows.window(SecondaryWindow::AddressForm));
    QCOMPARE(created, 2);
}

void TestWindowRegistry::windowsWithoutFactoryAreAbsent()
{
    SecondaryWindows windows;
    QVERIFY(!windows.hasFactory(SecondaryWindow::Form3));
    QVERIFY(!windows.window(SecondaryWindow::Form3));
    QVERIFY(!windows.show(SecondaryWindow::Form3));
    QVERIFY(windows.loadedWindows().isEmpty());
}

void TestWindowRegistry::loadedWindowsInLoadOrder()
{
    SecondaryWindows windows;
    int created = 0;
    windows.registerFactory(SecondaryWindow::Form2, namedWindow("Form2", &created));
    windows.registerFactory(SecondaryWindow::Form6, namedWindow("Form6", &created));
    windows.registerFactory(SecondaryWindow::Form5, namedWindow("Form5", &created));
    windows.window(SecondaryWindow::Form6);
    windows.window(SecondaryWindow::Form5);
    windows.window(SecondaryWindow::Form2);

    QStringList names;
    for (const QWidget *w : windows.loadedWindows())
        names.append(w->objectName());
    QCOMPARE(names, (QStringList{"Form6", "Form5", "Form2"}));

    windows.unloadAll();
    QVERIFY(windows.loadedWindows().isEmpty());
}

QTEST_MAIN(TestWindowRegistry)
#include "tst_window_registry.moc"
