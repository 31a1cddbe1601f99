#include "tests/support/fake_platform.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/marker_drawing.h"
#include "ui/main/form1.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <utility>

using namespace tarlen;

namespace {

constexpr MarkerColor kBlue{0, 0, 255};

// A white picture large enough for markers of every size around pixel (40, 40).
QImage whitePicture()
{
    QImage picture(80, 80, QImage::Format_RGB32);
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
    void reachAtClickPositions_data();
    void reachAtClickPositions();
    void circleOfSizeThreeHasRadius120Twips();
    void dotIsAsWideAsItsSizeAndResetsThePen();
    void wideDotIsRound_data();
    void wideDotIsRound();
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

    // Ends round to the nearest pixel: 260 and 360 twips across, 160 and 260 down.
    QList<QPoint> expected;
    for (int x = 17; x <= 23; ++x)
        expected.append(QPoint(x, 13));
    for (int y = 11; y <= 16; ++y)
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

void TestMarkerDrawing::reachAtClickPositions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("down");

    // Pixels the marker reaches from the pressed pixel. The half-size is 40 twips a step
    // (2 2/3 pixels); the plus's right and lower arms run 20 twips (1 1/3 pixels) farther, the
    // cross's 16 (about the one pixel that a line leaves out at its end).
    const auto row = [](const char *kind, int k, int size, int left, int right, int up,
                        int down) {
        QTest::addRow("%s size %d", kind, size) << k << size << left << right << up << down;
    };
    row("dot", 1, 1, 0, 0, 0, 0);
    row("dot", 1, 2, 0, 1, 0, 1);
    row("dot", 1, 3, 1, 1, 1, 1);
    row("plus", 2, 1, 3, 3, 3, 3);
    row("plus", 2, 2, 5, 6, 5, 6);
    row("plus", 2, 3, 8, 8, 8, 8);
    row("plus", 2, 4, 11, 11, 11, 11);
    row("plus", 2, 5, 13, 14, 13, 14);
    row("plus", 2, 10, 27, 27, 27, 27);
    const std::array<std::pair<const char *, int>, 4> symmetric = {
        {{"cross", 3}, {"circle", 4}, {"square", 5}, {"diamond", 6}}};
    for (const auto &[name, kind] : symmetric) {
        row(name, kind, 1, 3, 3, 3, 3);
        row(name, kind, 2, 5, 5, 5, 5);
        row(name, kind, 3, 8, 8, 8, 8);
        row(name, kind, 4, 11, 11, 11, 11);
        row(name, kind, 10, 27, 27, 27, 27);
    }
}

void TestMarkerDrawing::reachAtClickPositions()
{
    QFETCH(int, kind);
    QFETCH(int, size);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, up);
    QFETCH(int, down);

    // A press on pixel (40, 40) reports 600 twips, the pixel's corner.
    const QPoint centre(40, 40);
    std::int16_t olcekk = static_cast<std::int16_t>(size);
    drawMarker(*canvas_, kBlue, 600, 600, static_cast<std::int16_t>(kind), olcekk);

    const QImage &layer = canvas_->drawingLayer();
    const QList<QPoint> painted = paintedPixels(layer);
    QCOMPARE(boundingRect(painted),
             QRect(QPoint(centre.x() - left, centre.y() - up),
                   QPoint(centre.x() + right, centre.y() + down)));
    QCOMPARE(qAlpha(layer.pixel(centre)), 255);
    for (const QPoint &p : painted) {
        const QPoint d = p - centre;
        const QByteArray where = QStringLiteral("(%1, %2)").arg(d.x()).arg(d.y()).toLatin1();
        if (kind == 2) // both arms run through the centre
            QVERIFY2(d.x() == 0 || d.y() == 0, where.constData());
        if (kind == 3) // both strokes run through the centre on its diagonals
            QVERIFY2(std::abs(d.x()) == std::abs(d.y()), where.constData());
    }
    // Circle, square and diamond are outlines around their centre dot.
    if (kind >= 4)
        QCOMPARE(qAlpha(layer.pixel(centre + QPoint(1, 1))), 0);
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

void TestMarkerDrawing::wideDotIsRound_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("pixels");

    // Pixel counts of the round dot: a plus of 5 at three pixels, 21 at five, 76 at ten.
    QTest::newRow("3") << 3 << 5;
    QTest::newRow("5") << 5 << 21;
    QTest::newRow("10") << 10 << 76;
}

void TestMarkerDrawing::wideDotIsRound()
{
    QFETCH(int, size);
    QFETCH(int, pixels);

    std::int16_t olcekk = static_cast<std::int16_t>(size);
    drawMarker(*canvas_, kBlue, 600, 600, 1, olcekk);

    const QImage &layer = canvas_->drawingLayer();
    const QList<QPoint> painted = paintedPixels(layer);
    const QRect box = boundingRect(painted);
    QCOMPARE(box.size(), QSize(size, size));
    QVERIFY(box.contains(40, 40));
    QCOMPARE(painted.size(), pixels);
    for (const QPoint &corner :
         {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        QCOMPARE(qAlpha(layer.pixel(corner)), 0);
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
    QCOMPARE(layer.pixel(23, 13), qRgb(255, 0, 0));
}

QTEST_MAIN(TestMarkerDrawing)
#include "tst_marker_drawing.moc"
