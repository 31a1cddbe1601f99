#include "tests/support/fake_platform.h"
#include "tests/support/main_window_test.h"
#include "tests/ui/graph_picture_files.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/graphfile/graph_opening.h"
#include "ui/main/calibration_placement.h"
#include "ui/main/form1.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <memory>

using namespace tarlen;
using namespace tarlen::testing;
using testing::encoded;
using testing::writeBytes;

namespace {

// A picture larger than the room, each pixel's colour telling where it is.
QImage positionPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + 16 * (y / 256)) % 256));
    return picture;
}

void turnWheel(QWidget *widget, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class TestCanvasViewport : public testing::MainWindowTest {
    Q_OBJECT

public:
    TestCanvasViewport() : MainWindowTest(Start::ByTheTest) {}

private slots:
    void scrolledPressIsThePicturePixel_data();
    void scrolledPressIsThePicturePixel();
    void everyControlInsideTheAvailableArea_data();
    void everyControlInsideTheAvailableArea();
    void wheelScrollsDownAndShiftWheelAcross();
    void fittingPictureHasNoScrollBars();

private:
    // A started, shown main window on a screen of the given size with the big picture opened.
    void openBig(QSize screen, QSize picture);
};

void TestCanvasViewport::openBig(QSize screen, QSize picture)
{
    platform().screen = screen;
    startWindow();
    const QString work = QFileInfo(workingFolder()).canonicalFilePath();
    QVERIFY(writeBytes(work + "/tarama.png", encoded(positionPicture(picture), "PNG")));
    form().show();
    QVERIFY(openGraphPicture(form(), "tarama.png"));
    QCOMPARE(form().controls().Picture1->picture().size(), picture);
}

void TestCanvasViewport::scrolledPressIsThePicturePixel_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPoint>("pixel");

    QTest::newRow("unscrolled") << QPoint(0, 0) << QPoint(120, 90);
    QTest::newRow("scrolled across") << QPoint(1500, 0) << QPoint(1620, 90);
    QTest::newRow("scrolled down") << QPoint(0, 1200) << QPoint(120, 1290);
    QTest::newRow("scrolled to the far corner") << QPoint(99999, 99999) << QPoint(2990, 1990);
}

void TestCanvasViewport::scrolledPressIsThePicturePixel()
{
    QFETCH(QPoint, offset);
    QFETCH(QPoint, pixel);

    openBig(QSize(1024, 768), QSize(3000, 2000));
    GraphCanvas *canvas = form().controls().Picture1;
    canvas->scrollTo(offset);
    const QPoint shown = canvas->scrollOffset();
    QVERIFY(shown.x() <= pixel.x() && shown.y() <= pixel.y());
    const QPoint widgetPos = pixel - shown + canvas->contentsRect().topLeft();
    QVERIFY(canvas->contentsRect().contains(widgetPos));

    // The readout under the pointer names the picture pixel.
    QMouseEvent move(QEvent::MouseMove, widgetPos, canvas->mapToGlobal(widgetPos), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &move);
    QCOMPARE(form().controls().Label4->text(), QString::number(pixel.x() * 15));
    QCOMPARE(form().controls().Label5->text(), QString::number(pixel.y() * 15));

    // A recorded point: the pending click, the record and the marker are at the pixel.
    form().controls().Command8->click();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, widgetPos);
    QCOMPARE(form().state().pendingX0, float(pixel.x() * 15));
    QCOMPARE(form().state().pendingY0, float(pixel.y() * 15));
    QVERIFY(fileBytes("tarama_1.txt") != QByteArray("<missing>"));
    const QImage &layer = canvas->drawingLayer();
    QVERIFY(qAlpha(layer.pixel(pixel)) != 0 || qAlpha(layer.pixel(pixel + QPoint(2, 0))) != 0);
    QVERIFY(qAlpha(layer.pixel(pixel + QPoint(40, 40))) == 0);

    // The same pixel pressed unscrolled, in a window of its own, gives the same record.
    const QByteArray scrolledRecord = fileBytes("tarama_1.txt");
    QVERIFY(QFile::remove("tarama_1.txt"));
    testing::FakePlatform unboundPlatform;
    unboundPlatform.screen = QSize(8000, 6000);
    Form1 unbound(unboundPlatform);
    unbound.startUp();
    unbound.show();
    QVERIFY(openGraphPicture(unbound, "tarama.png"));
    QCOMPARE(unbound.controls().Picture1->scrollOffset(), QPoint(0, 0));
    unbound.controls().Command8->click();
    QTest::mouseClick(unbound.controls().Picture1, Qt::LeftButton, {},
                      pixel + QPoint(GraphCanvas::kBorderWidth, GraphCanvas::kBorderWidth));
    QCOMPARE(fileBytes("tarama_1.txt"), scrolledRecord);
}

void TestCanvasViewport::everyControlInsideTheAvailableArea_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("picture");

    QTest::newRow("3000 x 2000 at 1024 x 768") << QSize(1024, 768) << QSize(3000, 2000);
    QTest::newRow("1600 x 1200 at 1280 x 1024") << QSize(1280, 1024) << QSize(1600, 1200);
    QTest::newRow("A4 scan at 1024 x 768") << QSize(1024, 768) << QSize(1240, 1754);
}

void TestCanvasViewport::everyControlInsideTheAvailableArea()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, picture);

    openBig(screen, picture);

    const QRect area(QPoint(0, 0), availableClientArea(screen));
    for (QWidget *child : form().findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        // Line1, the command column's separator, runs down the whole window by design.
        if (child->isVisible() && !child->objectName().isEmpty() && child->objectName() != u"Line1")
            QVERIFY2(area.contains(child->geometry()), qPrintable(child->objectName()));
    const GraphCanvas *canvas = form().controls().Picture1;
    QVERIFY(canvas->findChild<QScrollBar *>("Picture1HScroll")->isVisible() ||
            canvas->findChild<QScrollBar *>("Picture1VScroll")->isVisible());
    QVERIFY(platform().messages.isEmpty());
}

void TestCanvasViewport::wheelScrollsDownAndShiftWheelAcross()
{
    openBig(QSize(1024, 768), QSize(3000, 2000));
    GraphCanvas *canvas = form().controls().Picture1;

    turnWheel(canvas, -120, Qt::NoModifier);
    const QPoint down = canvas->scrollOffset();
    QCOMPARE(down.x(), 0);
    QVERIFY(down.y() > 0);

    turnWheel(canvas, -120, Qt::ShiftModifier);
    QVERIFY(canvas->scrollOffset().x() > 0);
    QCOMPARE(canvas->scrollOffset().y(), down.y());

    turnWheel(canvas, 10 * 120, Qt::NoModifier);
    QCOMPARE(canvas->scrollOffset().y(), 0);
}

void TestCanvasViewport::fittingPictureHasNoScrollBars()
{
    openBig(QSize(1024, 768), QSize(600, 400));
    const GraphCanvas *canvas = form().controls().Picture1;

    QCOMPARE(canvas->size(), QSize(604, 404));
    QCOMPARE(canvas->contentsRect(), QRect(2, 2, 600, 400));
    QVERIFY(!canvas->findChild<QScrollBar *>("Picture1HScroll")->isVisible());
    QVERIFY(!canvas->findChild<QScrollBar *>("Picture1VScroll")->isVisible());
}

QTEST_MAIN(TestCanvasViewport)
#include "tst_canvas_viewport.moc"
