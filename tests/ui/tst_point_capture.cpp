#include "tests/support/fake_platform.h"
#include "tests/support/main_window_test.h"
#include "tests/support/real_failures.h"
#include "tests/support/sample_calibration.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/main/main_window_controls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace tarlen;
using namespace tarlen::testing;

class TestPointCapture : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void pressOnLineZeroStoresNothing();
    void pressOnStartedLine_data();
    void pressOnStartedLine();
    void pressBeforeAnyReference_data();
    void pressBeforeAnyReference();
    void patternFollowsTheOptionsAtEachPress();
    void appendsToAnExistingFile();
    void unwritableRecordIsReportedAndStillListed();
    void fileSizeLimitFailsTheWriteNotTheProgram();
    void pointCountStaysAt32767();
    void valuesWindowLeavesTheMainWindowActive();
    void valuesWindowClosedByItsFrameComesBackEmpty();
};

void TestPointCapture::pressOnLineZeroStoresNothing()
{
    testing::calibrateSampleGraph(form());
    const MainWindowControls &c = form().controls();

    pressAt(form(), 1875, 4005);

    const DigitizerState &state = form().state();
    QCOMPARE(state.pendingX0, 1875.0f);
    QCOMPARE(state.pendingX1, 1875.0f);
    QCOMPARE(state.pendingY0, 4005.0f);
    QCOMPARE(state.pendingY1, 4005.0f);
    // The design selection "0.0000" on both axes becomes the index at the first press.
    QCOMPARE(state.xFormatIndex, std::int16_t{2});
    QCOMPARE(state.yFormatIndex, std::int16_t{2});
    QCOMPARE(state.typedY1, 1e5f);
    QCOMPARE(state.refY1Value, 1e5f);
    QCOMPARE(c.Text6->text(), QStringLiteral("15,0000"));
    QCOMPARE(c.Text7->text(), QStringLiteral("0,1846"));
    QCOMPARE(state.pointsFileName, std::string("_0.txt"));
    QCOMPARE(c.Label19->text(), QStringLiteral("_0.txt"));

    QCOMPARE(state.pointCount, std::int16_t{0});
    QVERIFY(!form().windows().loaded(SecondaryWindow::Form5));
    QVERIFY(QDir().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    QVERIFY(!anythingDrawn(*c.Picture1));
    QVERIFY(platform().messages.isEmpty());
}

void TestPointCapture::pressOnStartedLine_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("marker");

    QTest::newRow("line 1, left") << 1 << Qt::LeftButton << Qt::KeyboardModifiers() << true;
    QTest::newRow("line 1, right with shift")
        << 1 << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("line 2, middle with ctrl and alt")
        << 2 << Qt::MiddleButton << (Qt::ControlModifier | Qt::AltModifier) << true;
    QTest::newRow("line 6, left") << 6 << Qt::LeftButton << Qt::KeyboardModifiers() << true;
    QTest::newRow("line 7, left, no marker")
        << 7 << Qt::LeftButton << Qt::KeyboardModifiers() << false;
    QTest::newRow("line 120, right, no marker")
        << 120 << Qt::RightButton << Qt::KeyboardModifiers() << false;
}

void TestPointCapture::pressOnStartedLine()
{
    QFETCH(int, line);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, marker);

    testing::calibrateSampleGraph(form());
    form().state().lineNumber = static_cast<std::int16_t>(line);
    form().state().graphBaseName = "abc";

    pressAt(form(), 1875, 4005, button, modifiers);

    const QString fileName = QStringLiteral("abc_%1.txt").arg(line);
    QCOMPARE(form().state().pointsFileName, fileName.toStdString());
    QCOMPARE(form().controls().Label19->text(), fileName);
    QCOMPARE(fileBytes(fileName), QByteArray("15,0000  0,1846\r\n"));
    QCOMPARE(form().state().pointCount, std::int16_t{1});

    QWidget *values = form().windows().loaded(SecondaryWindow::Form5);
    QVERIFY(values);
    QVERIFY(values->isVisible());
    QCOMPARE(valuesEntries(form()), QStringList{QStringLiteral(" 1   15,0000    0,1846")});
    QCOMPARE(valuesList(form())->currentIndex().row(), 0);

    // The default marker is a blue circle of size 2 around the pressed pixel (125, 267).
    const QImage &layer = form().controls().Picture1->drawingLayer();
    QCOMPARE(layer.pixel(125, 267) == qRgb(0, 0, 255), marker);
    QCOMPARE(layer.pixel(130, 267) == qRgb(0, 0, 255), marker);
    QCOMPARE(anythingDrawn(*form().controls().Picture1), marker);
    QVERIFY(platform().messages.isEmpty());
}

void TestPointCapture::pressBeforeAnyReference_data()
{
    QTest::addColumn<bool>("yLogarithmic");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("entry");

    // Unassigned positions are all 0: neither rule has a span to divide by, so no value comes.
    QTest::newRow("linear axes") << false << QByteArray("NaN  NaN\r\n")
                                 << QStringLiteral(" 1   NaN    NaN");
    QTest::newRow("y logarithmic") << true << QByteArray("NaN  NaN\r\n")
                                   << QStringLiteral(" 1   NaN    NaN");
}

void TestPointCapture::pressBeforeAnyReference()
{
    QFETCH(bool, yLogarithmic);
    QFETCH(QByteArray, record);
    QFETCH(QString, entry);

    const MainWindowControls &c = form().controls();
    c.Check2->setCheckState(yLogarithmic ? Qt::Checked : Qt::Unchecked);
    c.Text2->setText(QStringLiteral("0.1"));
    c.Text4->setText(QStringLiteral("1e5"));
    form().state().lineNumber = 1;

    pressAt(form(), 1875, 4005);

    QCOMPARE(fileBytes(QStringLiteral("_1.txt")), record);
    QCOMPARE(valuesEntries(form()), QStringList{entry});
    QCOMPARE(c.Text6->text(), QStringLiteral("NaN"));
    QCOMPARE(c.Text7->text(), QStringLiteral("NaN"));
}

void TestPointCapture::patternFollowsTheOptionsAtEachPress()
{
    testing::calibrateSampleGraph(form());
    const MainWindowControls &c = form().controls();
    form().state().lineNumber = 1;

    c.Option4->click();
    c.Option7->click();
    pressAt(form(), 1875, 4005);
    c.Option5->click();
    c.Option9->click();
    pressAt(form(), 1875, 4005);

    QCOMPARE(fileBytes(QStringLiteral("_1.txt")),
             QByteArray("15,0  0,2\r\n"
                        "15,0000  1,846E-01\r\n"));
    QCOMPARE(valuesEntries(form()), (QStringList{QStringLiteral(" 1   15,0    0,2"),
                                                 QStringLiteral(" 2   15,0000    1,846E-01")}));
    QCOMPARE(form().state().xFormatIndex, std::int16_t{2});
    QCOMPARE(form().state().yFormatIndex, std::int16_t{3});
}

void TestPointCapture::appendsToAnExistingFile()
{
    {
        QFile earlier(QStringLiteral("_1.txt"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("1,0  2,0\r\n");
    }
    testing::calibrateSampleGraph(form());
    form().state().lineNumber = 1;

    pressAt(form(), 1875, 4005);

    QCOMPARE(fileBytes(QStringLiteral("_1.txt")), QByteArray("1,0  2,0\r\n15,0000  0,1846\r\n"));
    QCOMPARE(valuesEntries(form()), QStringList{QStringLiteral(" 1   15,0000    0,1846")});
}

void TestPointCapture::unwritableRecordIsReportedAndStillListed()
{
    testing::calibrateSampleGraph(form());
    form().state().lineNumber = 1;
    // A folder of the points file's name cannot be opened for appending.
    QVERIFY(QDir().mkdir(QStringLiteral("_1.txt")));

    pressAt(form(), 1875, 4005);

    QCOMPARE(platform().messages.size(), 1);
    const testing::FakePlatform::Message &message = platform().messages.first();
    QCOMPARE(message.title, QStringLiteral("Dikkat!"));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QVERIFY2(message.text.contains(QStringLiteral("_1.txt")), qPrintable(message.text));
    QCOMPARE(form().state().pointCount, std::int16_t{1});
    QCOMPARE(valuesEntries(form()), QStringList{QStringLiteral(" 1   15,0000    0,1846")});
    QCOMPARE(form().controls().Text6->text(), QStringLiteral("15,0000"));

    // The next press meets the same folder, is reported again and is counted on.
    pressAt(form(), 1875, 4005);
    QCOMPARE(platform().messages.size(), 2);
    QCOMPARE(valuesEntries(form()).last(), QStringLiteral(" 2   15,0000    0,1846"));
}

// Past a file-size limit the program goes on: each failed record is reported and leaves no part
// of itself, so the file ends on whole records for delete-last and the next press.
void TestPointCapture::fileSizeLimitFailsTheWriteNotTheProgram()
{
    testing::calibrateSampleGraph(form());
    form().state().lineNumber = 1;
    const QByteArray record("15,0000  0,1846\r\n");

    {
        testing::FileSizeLimit limit(60); // room for three records
        QVERIFY(limit.active());
        for (int press = 0; press < 6; ++press)
            pressAt(form(), 1875, 4005);
    }

    QCOMPARE(fileBytes(QStringLiteral("_1.txt")), record.repeated(3));
    QCOMPARE(platform().messages.size(), 3);
    for (const testing::FakePlatform::Message &message : platform().messages)
        QCOMPARE(message.text, QStringLiteral("Nokta dosyaya yazılamadı: _1.txt\n\"_1.txt\" "
                                              "yazılamadı: dosya çok büyük (dosya boyutu sınırı "
                                              "aşıldı)"));
    QCOMPARE(valuesEntries(form()).size(), 6);

    form().controls().Command1->click();
    pressAt(form(), 1875, 4005);
    QCOMPARE(platform().messages.size(), 3);
    QCOMPARE(fileBytes(QStringLiteral("_1.txt")),
             QByteArray("15,0000       0,1846\r\n").repeated(2) + record);
}

void TestPointCapture::pointCountStaysAt32767()
{
    testing::calibrateSampleGraph(form());
    form().state().lineNumber = 1;
    form().state().pointCount = 32766;

    pressAt(form(), 1875, 4005);
    pressAt(form(), 1875, 4005);

    QCOMPARE(form().state().pointCount, std::int16_t{32767});
    QCOMPARE(valuesEntries(form()), (QStringList{QStringLiteral(" 32767   15,0000    0,1846"),
                                                 QStringLiteral(" 32767   15,0000    0,1846")}));
    QCOMPARE(fileBytes(QStringLiteral("_1.txt")),
             QByteArray("15,0000  0,1846\r\n15,0000  0,1846\r\n"));
}

void TestPointCapture::valuesWindowLeavesTheMainWindowActive()
{
    testing::calibrateSampleGraph(form());
    form().state().lineNumber = 1;
    QVERIFY(showActive());

    pressAt(form(), 1875, 4005);

    QWidget *values = form().windows().loaded(SecondaryWindow::Form5);
    QVERIFY(values);
    QVERIFY(values->isVisible());
    QVERIFY(values->isWindow());
    QVERIFY(!values->parentWidget());
    QVERIFY(values->testAttribute(Qt::WA_ShowWithoutActivating));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), &form());

    // Hidden by the user, it comes back with the next point, and the canvas still takes presses.
    values->hide();
    pressAt(form(), 1875, 4005);
    QVERIFY(values->isVisible());
    QCOMPARE(form().windows().loaded(SecondaryWindow::Form5), values);
    QCOMPARE(valuesEntries(form()).size(), 2);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), &form());

    // The user may still activate the values window; the main window does not take it back.
    values->activateWindow();
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), values);
}

void TestPointCapture::valuesWindowClosedByItsFrameComesBackEmpty()
{
    testing::calibrateSampleGraph(form());
    form().state().lineNumber = 1;

    pressAt(form(), 1875, 4005);
    QPointer<QWidget> first = form().windows().loaded(SecondaryWindow::Form5);
    QVERIFY(first);
    QVERIFY(first->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QVERIFY(!form().windows().loaded(SecondaryWindow::Form5));

    pressAt(form(), 1875, 4005);

    QWidget *again = form().windows().loaded(SecondaryWindow::Form5);
    QVERIFY(again);
    QVERIFY(again->isVisible());
    QCOMPARE(valuesEntries(form()), QStringList{QStringLiteral(" 2   15,0000    0,1846")});
}

QTEST_MAIN(TestPointCapture)
#include "tst_point_capture.moc"
