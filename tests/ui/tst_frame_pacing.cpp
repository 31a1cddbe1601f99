#include "tests/support/main_window_test.h"
#include "tests/support/sample_calibration.h"
#include "ui/canvas/frame_pacer.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QTest>

using namespace tarlen;

namespace {

constexpr int kBorder = GraphCanvas::kBorderWidth;
// The worked example: with the sample graph calibrated and the 0.0 patterns, the pixel
// (125, 267) reads 1875, 4005 twips, real x 15,0 and real y 0,2.
constexpr QPoint kWorkedExamplePixel(125, 267);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// A move over the canvas at a position of its inside, in pixels, as the window system delivers
// it; the event loop then runs as it would between two moves.
void sendMove(GraphCanvas &canvas, QPointF inside)
{
    const QPointF local = inside + QPointF(kBorder, kBorder);
    QMouseEvent event(QEvent::MouseMove, local, canvas.mapToGlobal(local), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
    QCoreApplication::processEvents();
}

// Moves far quicker than frames: a diagonal of small steps ending at the given pixel.
void sendBurst(GraphCanvas &canvas, QPoint from, QPoint to, int steps = 24)
{
    for (int i = 0; i <= steps; ++i)
        sendMove(canvas, QPointF(from + (to - from) * i / steps));
}

// Lets the window's next frame come: the changes so far are then painted.
void waitForFrame(QWidget &window)
{
    QCoreApplication::processEvents();
    const FramePacer *pacer = FramePacer::of(window);
    QVERIFY(pacer);
    QTRY_VERIFY(!pacer->isHolding());
}

// The window as the offscreen platform holds it after its last paint, not a fresh rendering.
QImage shownOnScreen(QWidget &window)
{
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Whether the screen shows the widget as it would paint itself now.
bool showsCurrentState(QWidget &window, const QImage &shown, QWidget &widget)
{
    const QImage now = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage onScreen = shown.copy(QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size()));
    if (onScreen == now)
        return true;
    qWarning("%s is not shown as it stands now", qPrintable(widget.objectName()));
    return false;
}

// Collects the names of the widgets that paint and what they paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget &window)
    {
        window.installEventFilter(this);
        for (QWidget *child : window.findChildren<QWidget *>())
            child->installEventFilter(this);
    }

    QSet<QString> names() const
    {
        QSet<QString> result;
        for (const auto &[name, region] : painted)
            result.insert(name);
        return result;
    }

    QRegion regionOf(const QString &name) const
    {
        QRegion result;
        for (const auto &[painter, region] : painted)
            if (painter == name)
                result += region;
        return result;
    }

    QList<QPair<QString, QRegion>> painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.append({watched->objectName(), static_cast<QPaintEvent *>(event)->region()});
        return false;
    }
};

} // namespace

class TestFramePacing : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void burstEndsWithTheLastMoveOnScreen_data();
    void burstEndsWithTheLastMoveOnScreen();
    void pressAfterBurstIsRecordedAndShownAtOnce();
    void nothingIsPaintedWhileAway_data();
    void nothingIsPaintedWhileAway();
    void repaintsOnlyTheReadoutThatChanged_data();
    void repaintsOnlyTheReadoutThatChanged();

private:
    GraphCanvas &canvas() { return *form().controls().Picture1; }
    // The sample calibration over a white picture, the 0.0 patterns and a pointer style,
    // the window shown with the pointer once over the canvas.
    void showCalibrated(const char *pointerOption);
    QRgb shownAt(const QImage &shown, QPoint inside)
    {
        return shown.pixel(canvas().mapTo(&form(), inside + QPoint(kBorder, kBorder)));
    }
};

void TestFramePacing::showCalibrated(const char *pointerOption)
{
    QImage white(508, 349, QImage::Format_RGB32);
    white.fill(Qt::white);
    canvas().setPicture(white);
    testing::calibrateSampleGraph(form());
    const MainWindowControls &c = form().controls();
    c.Option4->setChecked(true);
    c.Option7->setChecked(true);
    form().findChild<QRadioButton *>(QString::fromLatin1(pointerOption))->setChecked(true);
    form().move(0, 0);
    form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
    sendMove(canvas(), QPointF(40, 30));
    waitForFrame(form());
}

void TestFramePacing::burstEndsWithTheLastMoveOnScreen_data()
{
    QTest::addColumn<QString>("pointerOption");
    QTest::addColumn<bool>("armsShown");
    QTest::addColumn<bool>("leaveTheCanvas");

    QTest::newRow("full-length crosshair") << "Option1" << true << false;
    QTest::newRow("small cross") << "Option2" << false << false;
    QTest::newRow("full-length crosshair, then out of the canvas mid-frame")
        << "Option1" << true << true;
}

void TestFramePacing::burstEndsWithTheLastMoveOnScreen()
{
    QFETCH(QString, pointerOption);
    QFETCH(bool, armsShown);
    QFETCH(bool, leaveTheCanvas);

    showCalibrated(qPrintable(pointerOption));
    sendBurst(canvas(), QPoint(300, 150), kWorkedExamplePixel);
    if (leaveTheCanvas) {
        // Out over the window's background, left of the canvas, before the frame has come.
        QTest::mouseMove(&form(), QPoint(5, form().height() / 2));
        QVERIFY(!canvas().underMouse());
    }
    waitForFrame(form());

    const MainWindowControls &c = form().controls();
    QCOMPARE(c.Label4->text(), QStringLiteral("1875"));
    QCOMPARE(c.Label5->text(), QStringLiteral("4005"));
    QCOMPARE(c.Text6->text(), QStringLiteral("15,0"));
    QCOMPARE(c.Text7->text(), QStringLiteral("0,2"));
    const QImage shown = shownOnScreen(form());
    for (QWidget *readout : std::initializer_list<QWidget *>{c.Label4, c.Label5, c.Text6, c.Text7})
        QVERIFY(showsCurrentState(form(), shown, *readout));

    // The arms of the last move, with their gaps of 8 pixels (9 to the right).
    const QRgb arm = armsShown ? kBlack : kWhite;
    for (const QPoint &on : {QPoint(10, 267), QPoint(116, 267), QPoint(134, 267), QPoint(400, 267),
                             QPoint(125, 10), QPoint(125, 258), QPoint(125, 276), QPoint(125, 340)})
        QCOMPARE(shownAt(shown, on), arm);
    // Nothing where the first move, the burst's start or its middle put them.
    for (const QPoint &off : {QPoint(40, 100), QPoint(100, 30), QPoint(300, 50), QPoint(20, 150),
                              QPoint(212, 100), QPoint(10, 208), QPoint(450, 208)})
        QCOMPARE(shownAt(shown, off), kWhite);
}

void TestFramePacing::pressAfterBurstIsRecordedAndShownAtOnce()
{
    showCalibrated("Option2");
    form().state().lineNumber = 1;
    sendBurst(canvas(), QPoint(300, 150), QPoint(60, 50));

    // The press comes before the burst's frame is over, at another pixel than the last move.
    testing::pressAt(form(), kWorkedExamplePixel.x() * 15, kWorkedExamplePixel.y() * 15);
    QCoreApplication::processEvents();

    QCOMPARE(testing::fileBytes(QStringLiteral("_1.txt")), QByteArray("15,0  0,2\r\n"));
    const MainWindowControls &c = form().controls();
    QCOMPARE(c.Text6->text(), QStringLiteral("15,0"));
    QCOMPARE(c.Text7->text(), QStringLiteral("0,2"));
    // Shown without waiting for the frame: the marker on the pressed pixel and its values.
    const QImage shown = shownOnScreen(form());
    QVERIFY(testing::anythingDrawn(canvas()));
    const QRgb marker = canvas().drawingLayer().pixel(kWorkedExamplePixel);
    QVERIFY(qAlpha(marker) != 0);
    QCOMPARE(shownAt(shown, kWorkedExamplePixel),
             qRgb(qRed(marker), qGreen(marker), qBlue(marker)));
    QVERIFY(showsCurrentState(form(), shown, *c.Text6));
    QVERIFY(showsCurrentState(form(), shown, *c.Text7));
}

void TestFramePacing::nothingIsPaintedWhileAway_data()
{
    QTest::addColumn<bool>("minimize");

    QTest::newRow("minimized") << true;
    QTest::newRow("hidden") << false;
}

void TestFramePacing::nothingIsPaintedWhileAway()
{
    QFETCH(bool, minimize);

    showCalibrated("Option1");
    if (minimize)
        form().showMinimized();
    else
        form().hide();
    QCoreApplication::processEvents();

    PaintRecorder recorder(form());
    sendBurst(canvas(), QPoint(300, 150), kWorkedExamplePixel);
    // Several frames go by.
    QTest::qWait(100);
    QCOMPARE(recorder.names(), QSet<QString>());
    // Every value is current all the same.
    const MainWindowControls &c = form().controls();
    QCOMPARE(c.Label4->text(), QStringLiteral("1875"));
    QCOMPARE(c.Text7->text(), QStringLiteral("0,2"));
    QCOMPARE(canvas().line(CrosshairLine::Line6), QLineF(-8125, 4005, 1755, 4005));

    // Back on the screen, the window shows the last move.
    form().showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
    waitForFrame(form());
    const QImage shown = shownOnScreen(form());
    QVERIFY(showsCurrentState(form(), shown, *c.Label4));
    QVERIFY(showsCurrentState(form(), shown, *c.Text7));
    QCOMPARE(shownAt(shown, QPoint(10, 267)), kBlack);
    QCOMPARE(shownAt(shown, QPoint(10, 30)), kWhite);
}

void TestFramePacing::repaintsOnlyTheReadoutThatChanged_data()
{
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QStringList>("painted");

    // From the worked example pixel, with the 0.0000 patterns.
    QTest::newRow("one pixel on, down and right")
        << QPointF(126, 268) << QStringList{"Picture1", "Label4", "Label5", "Text6", "Text7"};
    QTest::newRow("one pixel to the right")
        << QPointF(126, 267) << QStringList{"Picture1", "Label4", "Text6"};
    QTest::newRow("one pixel down")
        << QPointF(125, 268) << QStringList{"Picture1", "Label5", "Text7"};
    QTest::newRow("within the same pixel") << QPointF(125.7, 267.4) << QStringList{};
}

// The labels and boxes paint their own background: the window beneath them and the captions
// beside them are not repainted, and nothing is when nothing changed.
void TestFramePacing::repaintsOnlyTheReadoutThatChanged()
{
    QFETCH(QPointF, to);
    QFETCH(QStringList, painted);

    showCalibrated("Option1");
    const MainWindowControls &c = form().controls();
    c.Option5->setChecked(true);
    c.Option8->setChecked(true);
    sendMove(canvas(), QPointF(kWorkedExamplePixel));
    waitForFrame(form());

    PaintRecorder recorder(form());
    sendMove(canvas(), to);
    waitForFrame(form());

    QSet<QString> expected(painted.begin(), painted.end());
    QCOMPARE(recorder.names(), expected);
}

QTEST_MAIN(TestFramePacing)
#include "tst_frame_pacing.moc"
