#include "tests/support/fake_platform.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/windows/magnifier_window.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <memory>

using namespace tarlen;

namespace {

// Rounds towards minus infinity, so view pixels left of the centre cell map to the right pixel.
int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

void turnWheel(QWidget *target, int angle)
{
    const QPointF inside(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(inside, target->mapToGlobal(inside), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// A move over the canvas to the given picture pixel, as the desktop delivers it.
void moveOver(GraphCanvas *canvas, const QPoint &pixel)
{
    const QPointF at =
        QPointF(pixel) + QPointF(GraphCanvas::kBorderWidth + 0.5, GraphCanvas::kBorderWidth + 0.5);
    QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
}

QRgb rgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & RGB_MASK;
}

// Notes which canvas pixel the magnifier showed at each of its paints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(MagnifierWindow *magnifier) : magnifier_(magnifier)
    {
        magnifier->installEventFilter(this);
    }
    QList<QPoint> shown;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            shown.append(magnifier_->pointerPixel());
        return false;
    }

private:
    MagnifierWindow *magnifier_;
};

} // namespace

class TestMagnifier : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsThePictureAroundThePointerEnlarged_data();
    void showsThePictureAroundThePointerEnlarged();
    void showsMarkersAndCrosshair();
    void quickMovesEndShowingTheLastPosition();
    void wheelChangesTheFactorWithinItsBounds_data();
    void wheelChangesTheFactorWithinItsBounds();
    void placeBesideTheCanvas_data();
    void placeBesideTheCanvas();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::FakePlatform> platform_;
    std::unique_ptr<Form1> form_;
    GraphCanvas *canvas_ = nullptr;
    MagnifierWindow *magnifier_ = nullptr;
};

void TestMagnifier::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir::setCurrent(dir_->path()));
    // No system magnifier can be started, so the program opens its own.
    platform_ = std::make_unique<testing::FakePlatform>();
    form_ = std::make_unique<Form1>(*platform_);
    form_->startUp();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));

    canvas_ = form_->findChild<GraphCanvas *>(QStringLiteral("Picture1"));
    QVERIFY(canvas_);
    QVERIFY(!canvas_->picture().isNull());
    form_->findChild<QPushButton *>(QStringLiteral("Command18"))->click();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == u"MagnifierWindow" && w->isVisible())
            magnifier_ = qobject_cast<MagnifierWindow *>(w);
    QVERIFY(magnifier_);
}

void TestMagnifier::cleanup()
{
    magnifier_ = nullptr;
    canvas_ = nullptr;
    form_.reset();
    platform_.reset();
}

void TestMagnifier::showsThePictureAroundThePointerEnlarged_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("notches");

    // Places on the sample graph where neighbouring pixels differ, so a view shifted by one
    // pixel or scaled wrongly cannot match; and the two far corners, where the view runs off
    // the picture.
    const struct {
        const char *name;
        QPoint pixel;
    } places[] = {
        {"red curve", QPoint(207, 165)},
        {"blue curve on the watermark", QPoint(410, 95)},
        {"blue curve at the axis", QPoint(418, 88)},
        {"top-left corner", QPoint(0, 0)},
        {"bottom-right corner", QPoint(507, 348)},
    };
    for (const auto &place : places)
        for (int notches : {0, -2, 4, -1, 1})
            QTest::addRow("%s at %d times", place.name, MagnifierWindow::kStartFactor + notches)
                << place.pixel << notches;
}

void TestMagnifier::showsThePictureAroundThePointerEnlarged()
{
    QFETCH(QPoint, pixel);
    QFETCH(int, notches);

    turnWheel(magnifier_, notches * 120);
    const int f = magnifier_->factor();
    QCOMPARE(f, MagnifierWindow::kStartFactor + notches);
    moveOver(canvas_, pixel);
    QCOMPARE(magnifier_->pointerPixel(), pixel);

    const QImage view = magnifier_->grab().toImage();
    const QImage &picture = canvas_->picture();
    const QRect cell = magnifier_->centreCell();
    const QPoint middle(view.width() / 2, view.height() / 2);
    QCOMPARE(cell.size(), QSize(f, f));
    QVERIFY(cell.contains(middle));
    QCOMPARE(rgbAt(view, middle.x(), middle.y()), rgbAt(picture, pixel.x(), pixel.y()));

    // Away from the centre mark and the factor plate in the corner, every pixel of the view
    // is a pixel of the picture, f times as wide and high.
    const int markReach = f + 12;
    const QRect plate(view.width() - 40, view.height() - 24, 40, 24);
    int compared = 0;
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            if (std::abs(x - middle.x()) <= markReach && std::abs(y - middle.y()) <= markReach)
                continue;
            if (plate.contains(x, y))
                continue;
            const QPoint source =
                pixel + QPoint(floorDiv(x - cell.left(), f), floorDiv(y - cell.top(), f));
            if (!picture.rect().contains(source))
                continue;
            ++compared;
            if (rgbAt(view, x, y) != rgbAt(picture, source.x(), source.y()))
                QFAIL(qPrintable(QStringLiteral("view pixel (%1, %2) is not picture pixel (%3, %4)")
                                     .arg(x)
                                     .arg(y)
                                     .arg(source.x())
                                     .arg(source.y())));
        }
    }
    // Even in a corner a quarter of the view shows the picture.
    QVERIFY(compared > view.width() * view.height() / 5);
}

void TestMagnifier::showsMarkersAndCrosshair()
{
    const QPoint pixel(207, 165);
    moveOver(canvas_, pixel);
    const int f = magnifier_->factor();
    const QRect cell = magnifier_->centreCell();
    const QRgb magenta = qRgb(255, 0, 255) & RGB_MASK;

    // A marker dot on the pixel under the pointer, drawn on the canvas's drawing layer.
    canvas_->setPenWidth(1);
    canvas_->plotPoint(static_cast<float>(pixel.x() * 15), static_cast<float>(pixel.y() * 15),
                       QColor(magenta));
    // Two crosshair arms, from 5 to 20 pixels right of the pointer and below it.
    canvas_->setLine(CrosshairLine::Line11, QLineF((pixel.x() + 5) * 15, pixel.y() * 15,
                                                   (pixel.x() + 20) * 15, pixel.y() * 15));
    canvas_->setLine(CrosshairLine::Line12, QLineF(pixel.x() * 15, (pixel.y() + 20) * 15,
                                                   pixel.x() * 15, (pixel.y() + 5) * 15));
    canvas_->setLineVisible(CrosshairLine::Line11, true);
    canvas_->setLineVisible(CrosshairLine::Line12, true);

    const QImage view = magnifier_->grab().toImage();
    const QImage onCanvas = canvas_->grab().toImage();
    const QPoint middle(view.width() / 2, view.height() / 2);
    QCOMPARE(rgbAt(view, middle.x(), middle.y()), magenta);
    // Along the arms and past their ends the magnifier shows what the canvas shows.
    const QPoint inside(GraphCanvas::kBorderWidth, GraphCanvas::kBorderWidth);
    int armPixels = 0;
    for (int k = 3; k <= 23; ++k) {
        const QPoint right = pixel + QPoint(k, 0);
        const QPoint below = pixel + QPoint(0, k);
        const QRgb rightOnCanvas = rgbAt(onCanvas, right.x() + inside.x(), right.y() + inside.y());
        const QRgb belowOnCanvas = rgbAt(onCanvas, below.x() + inside.x(), below.y() + inside.y());
        QCOMPARE(rgbAt(view, cell.left() + k * f + f / 2, cell.top() + f / 2), rightOnCanvas);
        QCOMPARE(rgbAt(view, cell.left() + f / 2, cell.top() + k * f + f / 2), belowOnCanvas);
        armPixels += int(rightOnCanvas == 0) + int(belowOnCanvas == 0);
    }
    // The canvas really drew both arms there, so the comparison saw them.
    QVERIFY(armPixels >= 2 * 15);
}

void TestMagnifier::quickMovesEndShowingTheLastPosition()
{
    QVERIFY(QTest::qWaitForWindowExposed(magnifier_));
    PaintRecorder recorder(magnifier_);
    const QList<QPoint> path = {QPoint(100, 100), QPoint(101, 100), QPoint(103, 102),
                                QPoint(110, 120)};
    for (const QPoint &pixel : path) {
        moveOver(canvas_, pixel);
        QCoreApplication::processEvents();
    }
    // However the moves were gathered into paints, the view comes to rest on the last one.
    QTRY_VERIFY(!recorder.shown.isEmpty() && recorder.shown.last() == path.last());
    QVERIFY(recorder.shown.size() <= path.size());
}

void TestMagnifier::wheelChangesTheFactorWithinItsBounds_data()
{
    QTest::addColumn<QList<int>>("angles");
    QTest::addColumn<int>("factor");

    QTest::newRow("no turn") << QList<int>{} << 4;
    QTest::newRow("one notch up") << QList<int>{120} << 5;
    QTest::newRow("one notch down") << QList<int>{-120} << 3;
    QTest::newRow("up to the top") << QList<int>{120, 120, 120, 120} << 8;
    QTest::newRow("past the top stops at 8") << QList<int>{480, 120, 120} << 8;
    QTest::newRow("past the bottom stops at 2") << QList<int>{-120, -120, -120, -120} << 2;
    QTest::newRow("back down after the top") << QList<int>{600, -120} << 7;
    QTest::newRow("half notches add up") << QList<int>{60, 60} << 5;
    QTest::newRow("half a notch is not a step") << QList<int>{60} << 4;
}

void TestMagnifier::wheelChangesTheFactorWithinItsBounds()
{
    QFETCH(QList<int>, angles);
    QFETCH(int, factor);

    for (int angle : angles)
        turnWheel(magnifier_, angle);
    QCOMPARE(magnifier_->factor(), factor);
    QCOMPARE(magnifier_->centreCell().size(), QSize(factor, factor));
}

void TestMagnifier::placeBesideTheCanvas_data()
{
    QTest::addColumn<QRect>("canvas");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("place");

    const QRect canvas(228, 80, 512, 353);
    const QSize window(200, 220);
    QTest::newRow("room right of the canvas") << canvas << QSize(1024, 768) << QPoint(748, 80);
    QTest::newRow("narrow screen: at its right edge")
        << canvas << QSize(800, 600) << QPoint(800 - window.width(), 80);
    QTest::newRow("canvas low on the screen")
        << canvas.translated(0, 500) << QSize(1024, 768) << QPoint(748, 768 - window.height());
    QTest::newRow("canvas above the screen's top")
        << canvas.translated(0, -200) << QSize(1024, 768) << QPoint(748, 0);
    QTest::newRow("screen narrower than the window") << canvas << QSize(150, 768) << QPoint(0, 80);
}

void TestMagnifier::placeBesideTheCanvas()
{
    QFETCH(QRect, canvas);
    QFETCH(QSize, screen);
    QFETCH(QPoint, place);

    QCOMPARE(magnifierPlace(canvas, QSize(200, 220), screen), place);
}

QTEST_MAIN(TestMagnifier)
#include "tst_magnifier.moc"
