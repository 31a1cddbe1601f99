#include "ui/canvas/graph_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace tarlen;

namespace {

QImage greyPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(200, 200, 200));
    return picture;
}

QList<QPoint> paintedPixels(const QImage &layer)
{
    QList<QPoint> pixels;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0)
                pixels.append(QPoint(x, y));
    return pixels;
}

// Collects what the canvas is asked to repaint.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// Full-length arms around the pointer at a position in twips, as a mouse move places them.
void placeArms(GraphCanvas &canvas, double x, double y)
{
    canvas.setLine(CrosshairLine::Line6, QLineF(x - 10000, y, x - 120, y));
    canvas.setLine(CrosshairLine::Line11, QLineF(x + 130, y, x + 10000, y));
    canvas.setLine(CrosshairLine::Line10, QLineF(x, y - 10000, x, y - 120));
    canvas.setLine(CrosshairLine::Line12, QLineF(x, y + 10000, x, y + 120));
}

qint64 areaOf(const QRegion &region)
{
    qint64 area = 0;
    for (const QRect &r : region)
        area += qint64(r.width()) * r.height();
    return area;
}

} // namespace

class TestGraphCanvas : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linesStopShortOfTheirEndPoint_data();
    void linesStopShortOfTheirEndPoint();
    void continuedLineStartsWhereTheLastEnded();
    void widePenHasRoundEnds();
    void newPictureResizesAndEmptiesTheLayer();
    void mousePositionsAreInsideTwips_data();
    void mousePositionsAreInsideTwips();
    void borderIsNoPosition_data();
    void borderIsNoPosition();
    void moveWithoutButtonReachesTheCanvas();
    void crosshairArmsStartOutOfSight();
    void armsDrawInTheWindowTextColour();
    void movedArmRepaintsOnlyItsStrips();
    void heldArmMovesPaintOnlyWhereTheArmsWereAndAre();
    void hiddenArmIsNotDrawn();

private:
    GraphCanvas *canvas_ = nullptr;
};

void TestGraphCanvas::init()
{
    canvas_ = new GraphCanvas;
    canvas_->move(0, 0);
    canvas_->setPicture(greyPicture(100, 80));
}

void TestGraphCanvas::cleanup()
{
    delete canvas_;
}

void TestGraphCanvas::linesStopShortOfTheirEndPoint_data()
{
    QTest::addColumn<QLineF>("twips");
    QTest::addColumn<QList<QPoint>>("pixels");

    QTest::newRow("rightwards") << QLineF(0, 0, 75, 0)
                                << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}};
    QTest::newRow("leftwards") << QLineF(75, 15, 15, 15)
                               << QList<QPoint>{{2, 1}, {3, 1}, {4, 1}, {5, 1}};
    QTest::newRow("downwards") << QLineF(30, 0, 30, 45) << QList<QPoint>{{2, 0}, {2, 1}, {2, 2}};
    QTest::newRow("diagonal") << QLineF(0, 0, 45, 45) << QList<QPoint>{{0, 0}, {1, 1}, {2, 2}};
    QTest::newRow("within one pixel") << QLineF(0, 0, 7, 7) << QList<QPoint>{};
    QTest::newRow("ends round to the nearest pixel")
        << QLineF(8, 22, 52, 22) << QList<QPoint>{{1, 1}, {2, 1}};
}

void TestGraphCanvas::linesStopShortOfTheirEndPoint()
{
    QFETCH(QLineF, twips);
    QFETCH(QList<QPoint>, pixels);

    canvas_->drawLine(float(twips.x1()), float(twips.y1()), float(twips.x2()), float(twips.y2()),
                      Qt::red);

    QList<QPoint> painted = paintedPixels(canvas_->drawingLayer());
    std::sort(painted.begin(), painted.end(),
              [](const QPoint &a, const QPoint &b) { return a.x() < b.x(); });
    QCOMPARE(painted, pixels);
    QCOMPARE(canvas_->currentPoint(), twips.p2());
}

void TestGraphCanvas::continuedLineStartsWhereTheLastEnded()
{
    canvas_->drawLine(0, 30, 45, 30, Qt::red);
    canvas_->drawLineTo(45, 75, Qt::red);

    const QImage &layer = canvas_->drawingLayer();
    for (const QPoint &p : {QPoint(0, 2), QPoint(2, 2), QPoint(3, 2), QPoint(3, 4)})
        QCOMPARE(layer.pixel(p), qRgb(255, 0, 0));
    QCOMPARE(qAlpha(layer.pixel(3, 5)), 0);
}

void TestGraphCanvas::widePenHasRoundEnds()
{
    canvas_->setPenWidth(3);
    canvas_->drawLine(150, 150, 225, 150, Qt::blue);

    const QImage &layer = canvas_->drawingLayer();
    QRect box;
    for (const QPoint &p : paintedPixels(layer))
        box |= QRect(p, QSize(1, 1));
    QCOMPARE(box, QRect(QPoint(9, 9), QPoint(15, 11)));
    // Each end is the round three-pixel dot: its middle row reaches one pixel farther.
    for (const QPoint &end : {QPoint(9, 10), QPoint(15, 10), QPoint(10, 9), QPoint(14, 11)})
        QCOMPARE(qAlpha(layer.pixel(end)), 255);
    for (const QPoint &corner : {QPoint(9, 9), QPoint(9, 11), QPoint(15, 9), QPoint(15, 11)})
        QCOMPARE(qAlpha(layer.pixel(corner)), 0);
}

void TestGraphCanvas::newPictureResizesAndEmptiesTheLayer()
{
    canvas_->move(30, 40);
    canvas_->plotPoint(150, 150, Qt::red);

    canvas_->setPicture(greyPicture(120, 90));

    QCOMPARE(canvas_->geometry(), QRect(30, 40, 124, 94));
    QCOMPARE(canvas_->drawingLayer().size(), QSize(120, 90));
    QVERIFY(paintedPixels(canvas_->drawingLayer()).isEmpty());
}

void TestGraphCanvas::mousePositionsAreInsideTwips_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("widgetPixel");
    QTest::addColumn<QPointF>("twips");

    QTest::newRow("left") << int(Qt::LeftButton) << QPoint(22, 15) << QPointF(300, 195);
    QTest::newRow("right at the inside corner")
        << int(Qt::RightButton) << QPoint(2, 2) << QPointF(0, 0);
    QTest::newRow("middle") << int(Qt::MiddleButton) << QPoint(101, 81) << QPointF(1485, 1185);
}

void TestGraphCanvas::mousePositionsAreInsideTwips()
{
    QFETCH(int, button);
    QFETCH(QPoint, widgetPixel);
    QFETCH(QPointF, twips);
    const auto mouseButton = static_cast<Qt::MouseButton>(button);

    QSignalSpy pressed(canvas_, &GraphCanvas::mousePressed);
    QSignalSpy moved(canvas_, &GraphCanvas::mouseMoved);
    QTest::mousePress(canvas_, mouseButton, Qt::ShiftModifier, widgetPixel);
    QMouseEvent move(QEvent::MouseMove, QPointF(widgetPixel),
                     canvas_->mapToGlobal(QPointF(widgetPixel)), Qt::NoButton, mouseButton,
                     Qt::ShiftModifier);
    QCoreApplication::sendEvent(canvas_, &move);

    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed.first().at(0).value<Qt::MouseButton>(), mouseButton);
    QCOMPARE(pressed.first().at(1).value<Qt::KeyboardModifiers>(),
             Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(pressed.first().at(2).toFloat(), float(twips.x()));
    QCOMPARE(pressed.first().at(3).toFloat(), float(twips.y()));
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved.first().at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(mouseButton));
    QCOMPARE(moved.first().at(2).toFloat(), float(twips.x()));
    QCOMPARE(moved.first().at(3).toFloat(), float(twips.y()));
}

void TestGraphCanvas::borderIsNoPosition_data()
{
    QTest::addColumn<QPoint>("widgetPixel");

    // The picture is 100 x 80 pixels inside a 2-pixel border: the inside runs from 2 to 101
    // across and from 2 to 81 down.
    QTest::newRow("top-left corner") << QPoint(0, 0);
    QTest::newRow("left border, inner pixel") << QPoint(1, 40);
    QTest::newRow("top border, inner pixel") << QPoint(50, 1);
    QTest::newRow("right border") << QPoint(102, 40);
    QTest::newRow("bottom border") << QPoint(50, 82);
    QTest::newRow("bottom-right corner") << QPoint(103, 83);
}

void TestGraphCanvas::borderIsNoPosition()
{
    QFETCH(QPoint, widgetPixel);

    // Sent directly: QTest takes the point (0, 0) for the widget's middle.
    const auto send = [this](QEvent::Type type, const QPoint &at, Qt::MouseButton button,
                             Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), canvas_->mapToGlobal(QPointF(at)), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(canvas_, &event);
    };
    QSignalSpy pressed(canvas_, &GraphCanvas::mousePressed);
    QSignalSpy moved(canvas_, &GraphCanvas::mouseMoved);
    send(QEvent::MouseButtonPress, widgetPixel, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, widgetPixel, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, widgetPixel, Qt::NoButton, Qt::NoButton);
    // A drag that starts inside and reaches the border reports the inside only.
    send(QEvent::MouseButtonPress, QPoint(50, 40), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, widgetPixel, Qt::NoButton, Qt::LeftButton);

    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed.first().at(2).toFloat(), 720.0f);
    QCOMPARE(pressed.first().at(3).toFloat(), 570.0f);
    QVERIFY(moved.isEmpty());
}

void TestGraphCanvas::moveWithoutButtonReachesTheCanvas()
{
    canvas_->show();
    QVERIFY(QTest::qWaitForWindowExposed(canvas_));
    QSignalSpy moved(canvas_, &GraphCanvas::mouseMoved);

    QTest::mouseMove(canvas_->windowHandle(), QPoint(10, 10));
    QTest::mouseMove(canvas_->windowHandle(), QPoint(40, 30));

    QVERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(0).value<Qt::MouseButtons>(), Qt::MouseButtons());
    QCOMPARE(moved.last().at(2).toFloat(), 570.0f);
    QCOMPARE(moved.last().at(3).toFloat(), 420.0f);
}

void TestGraphCanvas::crosshairArmsStartOutOfSight()
{
    canvas_->resize(canvas_->size());
    QImage shown = canvas_->grab().toImage();
    for (int y = 2; y < shown.height() - 2; ++y)
        for (int x = 2; x < shown.width() - 2; ++x)
            QCOMPARE(shown.pixel(x, y), qRgb(200, 200, 200));
    QCOMPARE(canvas_->line(CrosshairLine::Line6), QLineF(1440, -120, 4680, -120));
    QCOMPARE(canvas_->line(CrosshairLine::Line11), QLineF(-120, 2640, -120, 3720));
}

void TestGraphCanvas::armsDrawInTheWindowTextColour()
{
    QPalette palette = canvas_->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    canvas_->setPalette(palette);
    canvas_->resize(canvas_->size());
    canvas_->setLine(CrosshairLine::Line6, QLineF(0, 300, 900, 300));
    canvas_->setLine(CrosshairLine::Line10, QLineF(600, 0, 600, 900));

    const QImage shown = canvas_->grab().toImage();
    QCOMPARE(shown.pixel(2 + 30, 2 + 20), qRgb(0, 128, 0));
    QCOMPARE(shown.pixel(2 + 40, 2 + 50), qRgb(0, 128, 0));
}

void TestGraphCanvas::movedArmRepaintsOnlyItsStrips()
{
    canvas_->setPicture(greyPicture(508, 349));
    canvas_->show();
    QVERIFY(QTest::qWaitForWindowExposed(canvas_));
    QCoreApplication::processEvents();

    // The pointer at pixel (100, 60), then two pixels on.
    placeArms(*canvas_, 1500, 900);
    QCoreApplication::processEvents();

    PaintRecorder recorder;
    canvas_->installEventFilter(&recorder);
    placeArms(*canvas_, 1530, 930);
    QCoreApplication::processEvents();

    QVERIFY(!recorder.painted.isEmpty());
    const qint64 whole = qint64(canvas_->width()) * canvas_->height();
    QVERIFY2(
        areaOf(recorder.painted) * 20 < whole,
        qPrintable(
            QStringLiteral("repainted %1 of %2 pixels").arg(areaOf(recorder.painted)).arg(whole)));

    const QImage shown = canvas_->grab().toImage();
    QCOMPARE(shown.pixel(2 + 10, 2 + 62), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(2 + 10, 2 + 60), qRgb(200, 200, 200));
    QCOMPARE(shown.pixel(2 + 102, 2 + 200), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(2 + 102, 2 + 62), qRgb(200, 200, 200));
}

// Held for a frame, the arms repaint where they showed and where they end, never the places
// they passed between two paints; the screen keeps no trail of any of them.
void TestGraphCanvas::heldArmMovesPaintOnlyWhereTheArmsWereAndAre()
{
    canvas_->setPicture(greyPicture(508, 349));
    canvas_->show();
    QVERIFY(QTest::qWaitForWindowExposed(canvas_));
    canvas_->holdArmMoves(true);
    placeArms(*canvas_, 1500, 900);
    canvas_->showArmMoves();
    QCoreApplication::processEvents();

    PaintRecorder recorder;
    canvas_->installEventFilter(&recorder);
    // Through the pixels (200, 160) and (300, 100) to (400, 200), the event loop running
    // between the moves.
    placeArms(*canvas_, 3000, 2400);
    QCoreApplication::processEvents();
    placeArms(*canvas_, 4500, 1500);
    QCoreApplication::processEvents();
    placeArms(*canvas_, 6000, 3000);
    canvas_->showArmMoves();
    QCoreApplication::processEvents();

    const QPoint inside(2, 2);
    // The column and the row of the passed pixel (300, 100), away from the others.
    QVERIFY(!recorder.painted.contains(inside + QPoint(300, 300)));
    QVERIFY(!recorder.painted.contains(inside + QPoint(20, 100)));
    const QImage shown = canvas_->screen()
                             ->grabWindow(canvas_->winId())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QRgb grey = qRgb(200, 200, 200);
    QCOMPARE(shown.pixel(inside + QPoint(20, 200)), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(inside + QPoint(400, 300)), qRgb(0, 0, 0));
    for (const QPoint &passed : {QPoint(20, 60), QPoint(100, 300), QPoint(20, 160),
                                 QPoint(200, 300), QPoint(20, 100), QPoint(300, 300)})
        QCOMPARE(shown.pixel(inside + passed), grey);
}

void TestGraphCanvas::hiddenArmIsNotDrawn()
{
    canvas_->resize(canvas_->size());
    canvas_->setLine(CrosshairLine::Line6, QLineF(0, 300, 900, 300));
    QCOMPARE(canvas_->grab().toImage().pixel(2 + 30, 2 + 20), qRgb(0, 0, 0));

    canvas_->setLineVisible(CrosshairLine::Line6, false);

    QVERIFY(!canvas_->isLineVisible(CrosshairLine::Line6));
    QCOMPARE(canvas_->grab().toImage().pixel(2 + 30, 2 + 20), qRgb(200, 200, 200));
}

QTEST_MAIN(TestGraphCanvas)
#include "tst_graph_canvas.moc"
