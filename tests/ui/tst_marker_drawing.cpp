#include "tests/support/fake_platform.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/marker_drawing.h"
#include "ui/main/form1.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <memory>

using namespace tarlen;

namespace {

constexpr MarkerColor kBlue{0, 0, 255};

// A white picture large enough for markers around (300, 200) twips, pixel (20, 13).
QImage whitePicture()
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
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

QRect boundingRect(const QList<QPoint> &pixels)
{
    QRect box;
    for (const QPoint &p : pixels)
        box |= QRect(p, QSize(1, 1));
    return box;
}

} // namespace

class TestMarkerDrawing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void plusOfSizeOneCoversItsArms();
    void markerExtents_data();
    void markerExtents();
    void circleOfSizeThreeHasRadius120Twips();
    void dotIsAsWideAsItsSizeAndResetsThePen();
    void sizeZeroDrawsAsOneAndWritesOneBack_data();
    void sizeZeroDrawsAsOneAndWritesOneBack();
    void unknownKindsDrawNothing_data();
    void unknownKindsDrawNothing();
    void coloursComeOutExactly_data();
    void coloursComeOutExactly();
    void clearDrawingLeavesThePicture();
    void simgebasUsesTheStartUpStyle();

private:
    QTemporaryDir dir_;
    GraphCanvas *canvas_ = nullptr;
    std::unique_ptr<GraphCanvas> owned_;
};

void TestMarkerDrawing::initTestCase()
{
    QVERIFY(dir_.isValid());
    QDir::setCurrent(dir_.path());
}

void TestMarkerDrawing::init()
{
    owned_ = std::make_unique<GraphCanvas>();
    canvas_ = owned_.get();
    canvas_->setPicture(whitePicture());
}

void TestMarkerDrawing::plusOfSizeOneCoversItsArms()
{
    std::int16_t size = 1;
    drawMarker(*canvas_, kBlue, 300, 200, 2, size);

    QList<QPoint> expected;
    for (int x = 17; x <= 23; ++x)
        expected.append(QPoint(x, 13));
    for (int y = 10; y <= 16; ++y)
        if (y != 13)
            expected.append(QPoint(20, y));
    QList<QPoint> painted = paintedPixels(canvas_->drawingLayer());
    const auto byRowThenColumn = [](const QPoint &a, const QPoint &b) {
        return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
    };
    std::sort(expected.begin(), expected.end(), byRowThenColumn);
    std::sort(painted.begin(), painted.end(), byRowThenColumn);
    QCOMPARE(painted, expected);
}

void TestMarkerDrawing::markerExtents_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<QRect>("extent");
    QTest::addColumn<QPoint>("unpainted");

    // Marker centred on pixel (20, 13); the unpainted pixel lies inside the outline.
    QTest::newRow("dot") << 1 << 1 << QRect(20, 13, 1, 1) << QPoint(21, 13);
    QTest::newRow("cross") << 3 << 1 << QRect(QPoint(17, 10), QPoint(22, 16)) << QPoint(20, 11);
    QTest::newRow("circle") << 4 << 1 << QRect(QPoint(18, 11), QPoint(22, 15)) << QPoint(21, 13);
    QTest::newRow("square") << 5 << 1 << QRect(QPoint(17, 10), QPoint(22, 16)) << QPoint(19, 12);
    QTest::newRow("diamond") << 6 << 1 << QRect(QPoint(17, 10), QPoint(22, 16)) << QPoint(19, 12);
    QTest::newRow("square size 2")
        << 5 << 2 << QRect(QPoint(14, 8), QPoint(25, 18)) << QPoint(16, 10);
}

void TestMarkerDrawing::markerExtents()
{
    QFETCH(int, kind);
    QFETCH(int, size);
    QFETCH(QRect, extent);
    QFETCH(QPoint, unpainted);

    std::int16_t olcekk = static_cast<std::int16_t>(size);
    drawMarker(*canvas_, kBlue, 300, 200, static_cast<std::int16_t>(kind), olcekk);

    const QImage &layer = canvas_->drawingLayer();
    QCOMPARE(boundingRect(paintedPixels(layer)), extent);
    QCOMPARE(qAlpha(layer.pixel(20, 13)), 255);
    QCOMPARE(qAlpha(layer.pixel(unpainted)), 0);
}

void TestMarkerDrawing::circleOfSizeThreeHasRadius120Twips()
{
    std::int16_t size = 3;
    drawMarker(*canvas_, kBlue, 300, 200, 4, size);

    const QImage &layer = canvas_->drawingLayer();
    QCOMPARE(boundingRect(paintedPixels(layer)), QRect(QPoint(12, 5), QPoint(28, 21)));
    for (const QPoint &onCircle : {QPoint(28, 13), QPoint(12, 13), QPoint(20, 5), QPoint(20, 21)})
        QCOMPARE(qAlpha(layer.pixel(onCircle)), 255);
    QCOMPARE(qAlpha(layer.pixel(24, 13)), 0);
}

void TestMarkerDrawing::dotIsAsWideAsItsSizeAndResetsThePen()
{
    canvas_->setPenWidth(3);
    std::int16_t size = 2;
    drawMarker(*canvas_, kBlue, 300, 200, 1, size);

    const QRect dot = boundingRect(paintedPixels(canvas_->drawingLayer()));
    QCOMPARE(dot.width(), 2);
    QCOMPARE(dot.height(), 2);
    QVERIFY(dot.contains(20, 13));
    QCOMPARE(paintedPixels(canvas_->drawingLayer()).size(), 4);
    QCOMPARE(canvas_->penWidth(), 1);
}

void TestMarkerDrawing::sizeZeroDrawsAsOneAndWritesOneBack_data()
{
    QTest::addColumn<int>("kind");
    const std::array<const char *, 6> names = {"dot",    "plus",   "cross",
                                               "circle", "square", "diamond"};
    for (std::size_t i = 0; i < names.size(); ++i)
        QTest::newRow(names[i]) << static_cast<int>(i + 1);
}

void TestMarkerDrawing::sizeZeroDrawsAsOneAndWritesOneBack()
{
    QFETCH(int, kind);
    std::int16_t one = 1;
    drawMarker(*canvas_, kBlue, 300, 200, static_cast<std::int16_t>(kind), one);
    const QImage sizeOne = canvas_->drawingLayer().copy();

    canvas_->clearDrawing();
    std::int16_t zero = 0;
    drawMarker(*canvas_, kBlue, 300, 200, static_cast<std::int16_t>(kind), zero);

    QCOMPARE(zero, std::int16_t{1});
    QCOMPARE(canvas_->drawingLayer(), sizeOne);
}

void TestMarkerDrawing::unknownKindsDrawNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("0") << 0;
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
}

void TestMarkerDrawing::unknownKindsDrawNothing()
{
    QFETCH(int, kind);
    canvas_->setPenWidth(3);
    std::int16_t size = 2;
    drawMarker(*canvas_, kBlue, 300, 200, static_cast<std::int16_t>(kind), size);

    QVERIFY(paintedPixels(canvas_->drawingLayer()).isEmpty());
    QCOMPARE(canvas_->penWidth(), 3);
    QCOMPARE(size, std::int16_t{2});
}

void TestMarkerDrawing::coloursComeOutExactly_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("brown") << 128 << 64 << 0;
    QTest::newRow("white") << 255 << 255 << 255;
    QTest::newRow("blue") << 0 << 0 << 255;
}

void TestMarkerDrawing::coloursComeOutExactly()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const MarkerColor colour{static_cast<std::int16_t>(red), static_cast<std::int16_t>(green),
                             static_cast<std::int16_t>(blue)};
    for (std::int16_t kind = 1; kind <= 6; ++kind) {
        canvas_->clearDrawing();
        std::int16_t size = 2;
        drawMarker(*canvas_, colour, 300, 200, kind, size);
        const QList<QPoint> painted = paintedPixels(canvas_->drawingLayer());
        QVERIFY(!painted.isEmpty());
        for (const QPoint &p : painted)
            QCOMPARE(canvas_->drawingLayer().pixel(p), qRgb(red, green, blue));
    }
}

void TestMarkerDrawing::clearDrawingLeavesThePicture()
{
    canvas_->resize(canvas_->size());
    const QImage before = canvas_->grab().toImage();
    std::int16_t size = 3;
    drawMarker(*canvas_, MarkerColor{128, 64, 0}, 300, 200, 5, size);
    QVERIFY(canvas_->grab().toImage() != before);

    canvas_->clearDrawing();

    QVERIFY(paintedPixels(canvas_->drawingLayer()).isEmpty());
    QCOMPARE(canvas_->grab().toImage(), before);
    QCOMPARE(canvas_->currentPoint(), QPointF(0, 0));
}

void TestMarkerDrawing::simgebasUsesTheStartUpStyle()
{
    testing::FakePlatform platform;
    Form1 form(platform);
    form.startUp();
    auto *canvas = form.findChild<GraphCanvas *>(QStringLiteral("Picture1"));
    QVERIFY(canvas);

    float x = 300;
    float y = 200;
    form.simgebas(x, y, form.state().symbolKind, form.state().symbolSize);

    // A blue circle of size 2: radius 80 twips, 5 pixels.
    const QImage &layer = canvas->drawingLayer();
    QCOMPARE(boundingRect(paintedPixels(layer)), QRect(QPoint(15, 8), QPoint(25, 18)));
    QCOMPARE(layer.pixel(25, 13), qRgb(0, 0, 255));

    form.state().symbolSize = 0;
    form.state().markerColor = MarkerColor{255, 0, 0};
    form.simgebas(x, y, form.state().symbolKind, form.state().symbolSize);
    QCOMPARE(form.state().symbolSize, std::int16_t{1});
    QCOMPARE(layer.pixel(22, 13), qRgb(255, 0, 0));
}

QTEST_MAIN(TestMarkerDrawing)
#include "tst_marker_drawing.moc"
