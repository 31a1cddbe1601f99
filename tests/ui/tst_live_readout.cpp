#include "tests/support/fake_platform.h"
#include "tests/support/main_window_test.h"
#include "tests/support/sample_calibration.h"
#include "ui/canvas/frame_pacer.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <array>
#include <memory>

using namespace tarlen;
using namespace tarlen::testing;

namespace {

constexpr int kBorder = GraphCanvas::kBorderWidth;

// A move over the canvas at a pixel of its inside, as the window system delivers it.
void sendMove(GraphCanvas &canvas, QPoint inside, Qt::MouseButtons held = Qt::NoButton)
{
    const QPointF local(inside + QPoint(kBorder, kBorder));
    QMouseEvent event(QEvent::MouseMove, local, canvas.mapToGlobal(local), Qt::NoButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
}

// With the sample graph calibrated, the pixel (125, 267) is (1875, 4005) twips.
constexpr QPoint kWorkedExamplePixel(125, 267);

void setWorkedExample(Form1 &form)
{
    testing::calibrateSampleGraph(form);
    const MainWindowControls &c = form.controls();
    c.Option4->setChecked(true);
    c.Option7->setChecked(true);
}

constexpr std::array<CrosshairLine, 4> kArms = {CrosshairLine::Line6, CrosshairLine::Line10,
                                                CrosshairLine::Line11, CrosshairLine::Line12};

bool allArmsVisible(const GraphCanvas &canvas, bool visible)
{
    for (const CrosshairLine arm : kArms)
        if (canvas.isLineVisible(arm) != visible)
            return false;
    return true;
}

// Collects the regions of the paint events that reach the watched widgets.
class PaintRecorder : public QObject {
public:
    QList<QPair<QString, QRegion>> painted;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.append({watched->objectName(), static_cast<QPaintEvent *>(event)->region()});
        return false;
    }
};

qint64 areaOf(const QRegion &region)
{
    qint64 area = 0;
    for (const QRect &r : region)
        area += qint64(r.width()) * r.height();
    return area;
}

// Lets the window's next frame come: the changes of the moves so far are then painted.
void waitForFrame(QWidget &window)
{
    QCoreApplication::processEvents();
    const FramePacer *pacer = FramePacer::of(window);
    QVERIFY(pacer);
    QTRY_VERIFY(!pacer->isHolding());
}

// The window as the offscreen platform holds it after its last repaint.
QImage shownOnScreen(QWidget &window)
{
    return window.screen()->grabWindow(window.winId()).toImage();
}

} // namespace

class TestLiveReadout : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void designCaptionsBeforeAnyMove();
    void workedExampleReadout_data();
    void workedExampleReadout();
    void pixelsArriveAsTwips_data();
    void pixelsArriveAsTwips();
    void absentAndDegenerateValues_data();
    void absentAndDegenerateValues();
    void followsBoxesAndOptionsAtTheNextMove();
    void fullCrosshairEndPoints_data();
    void fullCrosshairEndPoints();
    void pointerStyles_data();
    void pointerStyles();
    void styleChangeWaitsForTheNextMove();
    void leavingTheCanvasKeepsTheReadout();
    void armsMoveWithoutTrails();
    void repaintsOnlyWhatChanged();

private:
    GraphCanvas &canvas() { return *controls().Picture1; }
    void showForm();
};

void TestLiveReadout::showForm()
{
    form().move(0, 0);
    form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
    QCoreApplication::processEvents();
}

void TestLiveReadout::designCaptionsBeforeAnyMove()
{
    const MainWindowControls &c = form().controls();
    QCOMPARE(c.Label4->text(), QStringLiteral("Label4"));
    QCOMPARE(c.Label5->text(), QStringLiteral("Label5"));
    QCOMPARE(c.Text6->text(), QStringLiteral(" "));
    QCOMPARE(c.Text7->text(), QStringLiteral(" "));
    QCOMPARE(form().state().xFormatIndex, 0);
    QCOMPARE(form().state().yFormatIndex, 0);
}

void TestLiveReadout::workedExampleReadout_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("xOption");
    QTest::addColumn<QString>("yOption");
    QTest::addColumn<int>("xIndex");
    QTest::addColumn<int>("yIndex");
    QTest::addColumn<QString>("xText");
    QTest::addColumn<QString>("yText");

    const auto row = [](char separator, const char *xOption, const char *yOption, int xIndex,
                        int yIndex, const char *xText, const char *yText) {
        QTest::addRow("%s %s, '%c'", xOption, yOption, separator)
            << separator << QString::fromLatin1(xOption) << QString::fromLatin1(yOption) << xIndex
            << yIndex << QString::fromLatin1(xText) << QString::fromLatin1(yText);
    };
    row(',', "Option4", "Option7", 1, 1, "15,0", "0,2");
    row(',', "Option5", "Option8", 2, 2, "15,0000", "0,1846");
    row(',', "Option6", "Option9", 3, 3, "1,500E+01", "1,846E-01");
    row(',', "Option4", "Option9", 1, 3, "15,0", "1,846E-01");
    row('.', "Option4", "Option7", 1, 1, "15.0", "0.2");
}

void TestLiveReadout::workedExampleReadout()
{
    QFETCH(char, separator);
    QFETCH(QString, xOption);
    QFETCH(QString, yOption);
    QFETCH(int, xIndex);
    QFETCH(int, yIndex);
    QFETCH(QString, xText);
    QFETCH(QString, yText);

    platform().separator = separator;
    setWorkedExample(form());
    form().findChild<QRadioButton *>(xOption)->setChecked(true);
    form().findChild<QRadioButton *>(yOption)->setChecked(true);
    form().state().pointsFileName = "abc_1.txt";

    sendMove(canvas(), kWorkedExamplePixel);

    const MainWindowControls &c = form().controls();
    const DigitizerState &state = form().state();
    QCOMPARE(c.Label19->text(), QStringLiteral("abc_1.txt"));
    QCOMPARE(c.Label4->text(), QStringLiteral("1875"));
    QCOMPARE(c.Label5->text(), QStringLiteral("4005"));
    QCOMPARE(c.Text6->text(), xText);
    QCOMPARE(c.Text7->text(), yText);
    QCOMPARE(state.xFormatIndex, xIndex);
    QCOMPARE(state.yFormatIndex, yIndex);
    QCOMPARE(state.moveX, 1875.0f);
    QCOMPARE(state.moveY, 4005.0f);
    QCOMPARE(state.refY1Value, 1e5f);
    // The name is shown as it stands, not rebuilt from the graph and the line.
    QCOMPARE(state.pointsFileName, std::string("abc_1.txt"));
}

void TestLiveReadout::pixelsArriveAsTwips_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<Qt::MouseButton>("held");
    QTest::addColumn<QString>("xTwips");
    QTest::addColumn<QString>("yTwips");

    const auto row = [](const char *tag, QPoint pixel, Qt::MouseButton held, const char *x,
                        const char *y) {
        QTest::newRow(tag) << pixel << held << QString::fromLatin1(x) << QString::fromLatin1(y);
    };
    row("top-left corner", {0, 0}, Qt::NoButton, "0", "0");
    row("one pixel in", {1, 1}, Qt::NoButton, "15", "15");
    row("worked example", kWorkedExamplePixel, Qt::NoButton, "1875", "4005");
    row("far inside", {400, 300}, Qt::NoButton, "6000", "4500");
    row("left button held", {37, 251}, Qt::LeftButton, "555", "3765");
    row("right button held", {200, 10}, Qt::RightButton, "3000", "150");
}

// Real moves through the window system, which reach the canvas only because it tracks the mouse.
void TestLiveReadout::pixelsArriveAsTwips()
{
    QFETCH(QPoint, pixel);
    QFETCH(Qt::MouseButton, held);
    QFETCH(QString, xTwips);
    QFETCH(QString, yTwips);

    showForm();
    const QPoint at = pixel + QPoint(kBorder, kBorder);
    if (held == Qt::NoButton) {
        QTest::mouseMove(&canvas(), at + QPoint(3, 3));
        QTest::mouseMove(&canvas(), at);
    } else {
        QTest::mousePress(&canvas(), held, {}, at + QPoint(3, 3));
        QTest::mouseMove(&canvas(), at);
        QTest::mouseRelease(&canvas(), held, {}, at);
    }

    QCOMPARE(form().controls().Label4->text(), xTwips);
    QCOMPARE(form().controls().Label5->text(), yTwips);
    QCOMPARE(form().state().moveX, float(pixel.x() * 15));
    QCOMPARE(form().state().moveY, float(pixel.y() * 15));
}

void TestLiveReadout::absentAndDegenerateValues_data()
{
    QTest::addColumn<bool>("referencesAssigned");
    QTest::addColumn<Qt::CheckState>("check1");
    QTest::addColumn<Qt::CheckState>("check2");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("xText");
    QTest::addColumn<QString>("yText");

    const auto row = [](const char *tag, bool assigned, Qt::CheckState check1,
                        Qt::CheckState check2, const char *text2, const char *x, const char *y) {
        QTest::newRow(tag) << assigned << check1 << check2 << QString::fromLatin1(text2)
                           << QString::fromLatin1(x) << QString::fromLatin1(y);
    };
    row("linear axes before any reference", false, Qt::Unchecked, Qt::Unchecked, "0.1", "NaN",
        "NaN");
    row("logarithmic axes before any reference", false, Qt::Checked, Qt::Checked, "0.1", "NaN",
        "NaN");
    row("logarithmic y with an empty first value", true, Qt::Unchecked, Qt::Checked, "", "15,0",
        "NaN");
    row("third state of Check1 gives no x", true, Qt::PartiallyChecked, Qt::Checked, "0.1", "NaN",
        "0,2");
    row("third state of Check2 gives no y", true, Qt::Unchecked, Qt::PartiallyChecked, "0.1",
        "15,0", "NaN");
    row("logarithmic y with equal typed values", true, Qt::Unchecked, Qt::Checked, "1e5", "15,0",
        "NaN");
}

void TestLiveReadout::absentAndDegenerateValues()
{
    QFETCH(bool, referencesAssigned);
    QFETCH(Qt::CheckState, check1);
    QFETCH(Qt::CheckState, check2);
    QFETCH(QString, text2);
    QFETCH(QString, xText);
    QFETCH(QString, yText);

    setWorkedExample(form());
    if (!referencesAssigned) {
        DigitizerState &state = form().state();
        state.refX0Pos = state.refX1Pos = state.refY0Pos = state.refY1Pos = 0;
    }
    const MainWindowControls &c = form().controls();
    c.Check1->setTristate(true);
    c.Check2->setTristate(true);
    c.Check1->setCheckState(check1);
    c.Check2->setCheckState(check2);
    c.Text2->setText(text2);

    sendMove(canvas(), kWorkedExamplePixel);

    QCOMPARE(c.Text6->text(), xText);
    QCOMPARE(c.Text7->text(), yText);
}

void TestLiveReadout::followsBoxesAndOptionsAtTheNextMove()
{
    setWorkedExample(form());
    const MainWindowControls &c = form().controls();
    sendMove(canvas(), kWorkedExamplePixel);
    QCOMPARE(c.Text6->text(), QStringLiteral("15,0"));

    // An edit of a reference box, with no button pressed, shows at the very next move.
    c.Text1->selectAll();
    QTest::keyClicks(c.Text1, QStringLiteral("20"));
    QCOMPARE(c.Text6->text(), QStringLiteral("15,0"));
    sendMove(canvas(), kWorkedExamplePixel);
    QCOMPARE(c.Text6->text(), QStringLiteral("24,0"));
    QCOMPARE(form().state().refX0Value, 20.0f);

    // So does a pattern chosen without saving it.
    c.Option5->setChecked(true);
    QCOMPARE(c.Text6->text(), QStringLiteral("24,0"));
    sendMove(canvas(), kWorkedExamplePixel);
    QCOMPARE(c.Text6->text(), QStringLiteral("24,0000"));
    QCOMPARE(form().state().xFormatIndex, 2);
}

void TestLiveReadout::fullCrosshairEndPoints_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QLineF>("line6");
    QTest::addColumn<QLineF>("line11");
    QTest::addColumn<QLineF>("line10");
    QTest::addColumn<QLineF>("line12");

    QTest::newRow("worked example (1875, 4005)")
        << kWorkedExamplePixel << QLineF(-8125, 4005, 1755, 4005) << QLineF(2005, 4005, 11875, 4005)
        << QLineF(1875, -5995, 1875, 3885) << QLineF(1875, 14005, 1875, 4125);
    QTest::newRow("top-left corner (0, 0)")
        << QPoint(0, 0) << QLineF(-10000, 0, -120, 0) << QLineF(130, 0, 10000, 0)
        << QLineF(0, -10000, 0, -120) << QLineF(0, 10000, 0, 120);
}

void TestLiveReadout::fullCrosshairEndPoints()
{
    QFETCH(QPoint, pixel);
    QFETCH(QLineF, line6);
    QFETCH(QLineF, line11);
    QFETCH(QLineF, line10);
    QFETCH(QLineF, line12);

    form().controls().Option1->setChecked(true);
    sendMove(canvas(), pixel);

    QVERIFY(allArmsVisible(canvas(), true));
    QCOMPARE(canvas().line(CrosshairLine::Line6), line6);
    QCOMPARE(canvas().line(CrosshairLine::Line11), line11);
    QCOMPARE(canvas().line(CrosshairLine::Line10), line10);
    QCOMPARE(canvas().line(CrosshairLine::Line12), line12);
}

void TestLiveReadout::pointerStyles_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("armsShown");
    QTest::addColumn<CanvasPointer>("pointer");

    // One move after selecting each option in turn.
    QTest::newRow("small cross") << QStringList{"Option2"} << false << CanvasPointer::Cross;
    QTest::newRow("arrow") << QStringList{"Option3"} << false << CanvasPointer::Arrow;
    QTest::newRow("full length first keeps the plain pointer")
        << QStringList{"Option1"} << true << CanvasPointer::Default;
    QTest::newRow("small cross, then full length keeps the cross")
        << QStringList{"Option2", "Option1"} << true << CanvasPointer::Cross;
    QTest::newRow("arrow, then full length keeps the arrow")
        << QStringList{"Option3", "Option1"} << true << CanvasPointer::Arrow;
    QTest::newRow("full length, then small cross hides the arms")
        << QStringList{"Option1", "Option2"} << false << CanvasPointer::Cross;
    QTest::newRow("full length, then arrow hides the arms")
        << QStringList{"Option1", "Option3"} << false << CanvasPointer::Arrow;
}

void TestLiveReadout::pointerStyles()
{
    QFETCH(QStringList, options);
    QFETCH(bool, armsShown);
    QFETCH(CanvasPointer, pointer);

    QPoint pixel(40, 30);
    for (const QString &option : options) {
        form().findChild<QRadioButton *>(option)->setChecked(true);
        sendMove(canvas(), pixel);
        pixel += QPoint(5, 5);
    }

    const DigitizerState &state = form().state();
    const QString last = options.last();
    QCOMPARE(state.pointerFullCross, last == QStringLiteral("Option1"));
    QCOMPARE(state.pointerSmallCross, last == QStringLiteral("Option2"));
    QCOMPARE(state.pointerArrow, last == QStringLiteral("Option3"));
    QVERIFY(allArmsVisible(canvas(), armsShown));
    QCOMPARE(canvas().pointerShape(), pointer);
}

void TestLiveReadout::styleChangeWaitsForTheNextMove()
{
    const MainWindowControls &c = form().controls();
    c.Option1->setChecked(true);
    sendMove(canvas(), QPoint(40, 30));
    QVERIFY(allArmsVisible(canvas(), true));

    c.Option2->setChecked(true);
    QVERIFY(allArmsVisible(canvas(), true));
    QCOMPARE(canvas().pointerShape(), CanvasPointer::Default);
    QVERIFY(form().state().pointerFullCross);

    sendMove(canvas(), QPoint(40, 30));
    QVERIFY(allArmsVisible(canvas(), false));
    QCOMPARE(canvas().pointerShape(), CanvasPointer::Cross);
}

void TestLiveReadout::leavingTheCanvasKeepsTheReadout()
{
    setWorkedExample(form());
    form().controls().Option1->setChecked(true);
    showForm();
    const QPoint at = kWorkedExamplePixel + QPoint(kBorder, kBorder);
    QTest::mouseMove(&canvas(), at + QPoint(1, 1));
    QTest::mouseMove(&canvas(), at);
    const QLineF line6 = canvas().line(CrosshairLine::Line6);

    // Out over the window's background, left of the canvas.
    QTest::mouseMove(&form(), QPoint(5, form().height() / 2));
    QVERIFY(!canvas().underMouse());

    const MainWindowControls &c = form().controls();
    QCOMPARE(c.Label4->text(), QStringLiteral("1875"));
    QCOMPARE(c.Label5->text(), QStringLiteral("4005"));
    QCOMPARE(c.Text6->text(), QStringLiteral("15,0"));
    QCOMPARE(c.Text7->text(), QStringLiteral("0,2"));
    QCOMPARE(canvas().line(CrosshairLine::Line6), line6);
    QVERIFY(allArmsVisible(canvas(), true));
}

// What the window shows after the repaints of the moves, not a fresh rendering.
void TestLiveReadout::armsMoveWithoutTrails()
{
    QImage white(300, 200, QImage::Format_RGB32);
    white.fill(Qt::white);
    canvas().setPicture(white);
    form().controls().Option1->setChecked(true);
    showForm();
    const QPoint origin = canvas().mapTo(&form(), QPoint(kBorder, kBorder));
    const auto shownAt = [&](const QImage &shown, int x, int y) {
        return shown.pixel(origin + QPoint(x, y));
    };

    sendMove(canvas(), QPoint(50, 40));
    waitForFrame(form());
    sendMove(canvas(), QPoint(120, 90));
    waitForFrame(form());
    QImage shown = shownOnScreen(form());

    const QRgb black = qRgb(0, 0, 0);
    const QRgb background = qRgb(255, 255, 255);
    // The arms of the second move, with their gaps of 120 twips (8 pixels) and 130 to the right.
    QCOMPARE(shownAt(shown, 10, 90), black);
    QCOMPARE(shownAt(shown, 111, 90), black);
    QCOMPARE(shownAt(shown, 114, 90), background);
    QCOMPARE(shownAt(shown, 120, 90), background);
    QCOMPARE(shownAt(shown, 126, 90), background);
    QCOMPARE(shownAt(shown, 130, 90), black);
    QCOMPARE(shownAt(shown, 290, 90), black);
    QCOMPARE(shownAt(shown, 120, 10), black);
    QCOMPARE(shownAt(shown, 120, 80), black);
    QCOMPARE(shownAt(shown, 120, 85), background);
    QCOMPARE(shownAt(shown, 120, 95), background);
    QCOMPARE(shownAt(shown, 120, 100), black);
    QCOMPARE(shownAt(shown, 120, 190), black);
    // Nothing is left where the first move put them.
    QCOMPARE(shownAt(shown, 10, 40), background);
    QCOMPARE(shownAt(shown, 50, 10), background);
    QCOMPARE(shownAt(shown, 50, 190), background);

    // Back to the small cross: the next move takes the arms away.
    form().controls().Option2->setChecked(true);
    sendMove(canvas(), QPoint(120, 90));
    waitForFrame(form());
    shown = shownOnScreen(form());
    QCOMPARE(shownAt(shown, 10, 90), background);
    QCOMPARE(shownAt(shown, 120, 10), background);
}

void TestLiveReadout::repaintsOnlyWhatChanged()
{
    setWorkedExample(form());
    const MainWindowControls &c = form().controls();
    c.Option1->setChecked(true);
    showForm();
    sendMove(canvas(), kWorkedExamplePixel);
    waitForFrame(form());

    PaintRecorder recorder;
    const std::array<QWidget *, 7> watched = {&form(),   c.Picture1, c.Label4, c.Label5,
                                              c.Label19, c.Text6,    c.Text7};
    for (QWidget *widget : watched)
        widget->installEventFilter(&recorder);

    // The same position again changes nothing on the screen.
    sendMove(canvas(), kWorkedExamplePixel);
    waitForFrame(form());
    QCOMPARE(recorder.painted.size(), 0);

    // One pixel on: the arms' strips and the position labels, never the whole canvas or window.
    sendMove(canvas(), kWorkedExamplePixel + QPoint(1, 1));
    waitForFrame(form());
    QHash<QString, QRegion> painted;
    for (const auto &[name, region] : recorder.painted)
        painted[name] += region;
    QVERIFY(painted.contains(QStringLiteral("Label4")));
    QVERIFY(painted.contains(QStringLiteral("Label5")));
    const auto smallPart = [&](const QString &name, const QWidget &widget) {
        const qint64 area = areaOf(painted.value(name));
        const qint64 whole = qint64(widget.width()) * widget.height();
        if (area * 20 < whole)
            return true;
        qWarning("%s: repainted %lld of %lld pixels", qPrintable(name), area, whole);
        return false;
    };
    QVERIFY(painted.contains(QStringLiteral("Picture1")));
    QVERIFY(smallPart(QStringLiteral("Picture1"), canvas()));
    QVERIFY(smallPart(QStringLiteral("Form1"), form()));
}

QTEST_MAIN(TestLiveReadout)
#include "tst_live_readout.moc"
