#include "tests/support/fake_platform.h"
#include "tests/support/real_failures.h"
#include "ui/main/form1.h"
#include "ui/main/program_start.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace tarlen;

namespace {

void writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QStringList checkedOptions(const Form1 &form)
{
    QStringList checked;
    for (int i = 4; i <= 9; ++i) {
        const QString name = QStringLiteral("Option%1").arg(i);
        if (form.findChild<QRadioButton *>(name)->isChecked())
            checked.append(name);
    }
    return checked;
}

QStringList topLevelNames()
{
    QStringList names;
    for (const QWidget *w : QApplication::topLevelWidgets())
        names.append(w->objectName());
    names.sort();
    return names;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void init();

    void screenCheck_data();
    void screenCheck();
    void windowIsShownOnlyAfterStartUp();
    void savedFormatChoices_data();
    void savedFormatChoices();
    void settingsThatAreNoFilesDoNotHoldStartUp();
    void startValues();
    void loadsOnlyThePictureStore();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestStartUp::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir::setCurrent(dir_->path()));
}

void TestStartUp::screenCheck_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("warned");

    QTest::newRow("800 x 600") << QSize(800, 600) << true;
    QTest::newRow("1023 x 768") << QSize(1023, 768) << true;
    QTest::newRow("1024 x 600") << QSize(1024, 600) << false;
    QTest::newRow("1280 x 1024") << QSize(1280, 1024) << false;
}

void TestStartUp::screenCheck()
{
    QFETCH(QSize, screen);
    QFETCH(bool, warned);

    testing::FakePlatform platform;
    platform.screen = screen;
    Form1 form(platform);
    form.startUp();

    if (!warned) {
        QVERIFY(platform.messages.isEmpty());
        return;
    }
    QCOMPARE(platform.messages.size(), 1);
    const auto &message = platform.messages.first();
    QCOMPARE(message.title, QStringLiteral("Dikkat!"));
    QCOMPARE(message.text, QStringLiteral(" Ekran çözünürlüğünüz: \n   %1 × %2'dür.\n"
                                          "   1024 × 768 önerilir. ")
                               .arg(screen.width())
                               .arg(screen.height()));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
}

// Records what the main window holds when it is first shown.
class FirstShow : public QObject {
public:
    explicit FirstShow(Form1 &form) : form_(form) { form.installEventFilter(this); }

    bool shown = false;
    QString sizeCaption;
    QString caption;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !shown) {
            shown = true;
            sizeCaption = form_.controls().Label20->text();
            caption = form_.windowTitle();
        }
        return false;
    }

private:
    Form1 &form_;
};

void TestStartUp::windowIsShownOnlyAfterStartUp()
{
    testing::FakePlatform platform;
    platform.screen = QSize(800, 600);
    Form1 form(platform);
    FirstShow firstShow(form);
    bool visibleWhileWarning = true;
    platform.whileMessageOpen = [&] { visibleWhileWarning = form.isVisible(); };

    startAndShowMainWindow(form);

    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(!visibleWhileWarning);
    QVERIFY(firstShow.shown);
    // Start-up had run to its last step when the window appeared: the size caption is the
    // scroll bar's 2, not the stored 1, and the caption names the product.
    QCOMPARE(firstShow.sizeCaption, QStringLiteral("2"));
    QVERIFY(firstShow.caption.contains(QStringLiteral("Tarlen")));
    QVERIFY(form.isVisible());
    QVERIFY(form.windowState() & Qt::WindowMaximized);
}

void TestStartUp::savedFormatChoices_data()
{
    QTest::addColumn<QByteArray>("xFile");
    QTest::addColumn<QByteArray>("yFile");
    QTest::addColumn<int>("xIndex");
    QTest::addColumn<int>("yIndex");
    QTest::addColumn<QStringList>("checked");

    // An empty file content stands for no file at all.
    QTest::newRow("x 3, y 1") << QByteArray(" 3 \r\n") << QByteArray(" 1 \r\n") << 3 << 1
                              << QStringList{"Option6", "Option7"};
    QTest::newRow("no files") << QByteArray() << QByteArray() << 0 << 0
                              << QStringList{"Option5", "Option8"};
    QTest::newRow("x 1 only") << QByteArray(" 1 \r\n") << QByteArray() << 1 << 0
                              << QStringList{"Option4", "Option8"};
    QTest::newRow("out of range") << QByteArray(" 7 \r\n") << QByteArray(" 2 \r\n") << 7 << 2
                                  << QStringList{"Option5", "Option8"};
}

void TestStartUp::savedFormatChoices()
{
    QFETCH(QByteArray, xFile);
    QFETCH(QByteArray, yFile);
    QFETCH(int, xIndex);
    QFETCH(int, yIndex);
    QFETCH(QStringList, checked);

    if (!xFile.isEmpty())
        writeFile(QStringLiteral("xformats.txt"), xFile);
    if (!yFile.isEmpty())
        writeFile(QStringLiteral("yformats.txt"), yFile);

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();

    QCOMPARE(form.state().xFormatIndex, xIndex);
    QCOMPARE(form.state().yFormatIndex, yIndex);
    QCOMPARE(checkedOptions(form), checked);
    QVERIFY(platform.messages.isEmpty());
}

// A FIFO or a device in place of a settings file is not read: start-up neither waits for a
// writer nor reads without end, and the design selection stays.
void TestStartUp::settingsThatAreNoFilesDoNotHoldStartUp()
{
    QVERIFY(testing::makeFifo("xformats.txt"));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), QStringLiteral("yformats.txt")));

    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();

    QCOMPARE(form.state().xFormatIndex, 0);
    QCOMPARE(form.state().yFormatIndex, 0);
    QCOMPARE(checkedOptions(form), (QStringList{"Option5", "Option8"}));
    QVERIFY(platform.messages.isEmpty());
}

void TestStartUp::startValues()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.state().lineNumber = 5;
    form.startUp();

    const DigitizerState &state = form.state();
    QCOMPARE(state.symbolSize, 2);
    QCOMPARE(state.symbolKind, 4);
    QCOMPARE(state.markerColor, (MarkerColor{0, 0, 255}));
    QCOMPARE(state.lineNumber, 0);
    QCOMPARE(state.pointCount, 0);
    QVERIFY(state.pointsFileName.empty());
    QVERIFY(form.windowTitle().contains(QStringLiteral("Tarlen")));
    QVERIFY(!form.isVisible());
}

void TestStartUp::loadsOnlyThePictureStore()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    const QStringList before = topLevelNames();
    form.startUp();

    QStringList expected = before;
    expected.append(QStringLiteral("Form6"));
    expected.sort();
    QCOMPARE(topLevelNames(), expected);
    QWidget *store = form.windows().loaded(SecondaryWindow::Form6);
    QVERIFY(store);
    QVERIFY(!store->isVisible());
    QVERIFY(!store->parentWidget());
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
