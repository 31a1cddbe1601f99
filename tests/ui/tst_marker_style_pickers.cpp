#include "tests/support/fake_platform.h"
#include "tests/support/main_window_test.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/picture_box.h"
#include "ui/main/form1.h"
#include "ui/windows/picture_store.h"

#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <array>
#include <memory>
#include <optional>
#include <utility>

using namespace tarlen;
using namespace tarlen::testing;

namespace {

// A press of a picker at a pixel of its inside, past its border.
void pressPicker(PictureBox &picker, QPoint inside, Qt::MouseButton button = Qt::LeftButton)
{
    const int border = picker.borderWidth();
    QTest::mouseClick(&picker, button, {}, inside + QPoint(border, border));
}

std::optional<StorePicture> storePictureNamed(const QString &name)
{
    static const std::array<std::pair<const char *, StorePicture>, 17> names = {{
        {"Picture4", StorePicture::Picture4},
        {"Picture5", StorePicture::Picture5},
        {"Picture6", StorePicture::Picture6},
        {"Picture7", StorePicture::Picture7},
        {"Picture8", StorePicture::Picture8},
        {"Picture9", StorePicture::Picture9},
        {"Picture10", StorePicture::Picture10},
        {"Picture11", StorePicture::Picture11},
        {"Picture12", StorePicture::Picture12},
        {"Picture13", StorePicture::Picture13},
        {"Picture14", StorePicture::Picture14},
        {"Picture15", StorePicture::Picture15},
        {"Picture16", StorePicture::Picture16},
        {"Picture17", StorePicture::Picture17},
        {"Picture18", StorePicture::Picture18},
        {"Picture19", StorePicture::Picture19},
        {"Picture20", StorePicture::Picture20},
    }};
    for (const auto &[text, picture] : names)
        if (name == QLatin1String(text))
            return picture;
    return std::nullopt;
}

// Whether the box shows the store picture of that name; an empty name means no picture.
bool showsStorePicture(const PictureBox &box, const QString &name)
{
    if (name.isEmpty())
        return box.picture().isNull();
    const std::optional<StorePicture> picture = storePictureNamed(name);
    if (!picture || box.picture().isNull())
        return false;
    return box.picture().toImage().convertToFormat(QImage::Format_RGB32) ==
           drawStorePicture(*picture);
}

QRect paintedExtent(const QImage &layer)
{
    QRect box;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestMarkerStylePickers : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void symbolStrip_data();
    void symbolStrip();
    void thicknessPicker_data();
    void thicknessPicker();
    void palette_data();
    void palette();
    void dotResetsTheThicknessButNotItsPicture();
    void sizeScrollBar_data();
    void sizeScrollBar();
};

void TestMarkerStylePickers::symbolStrip_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("picture");

    const auto row = [](QPoint at, int kind, const char *picture,
                        Qt::MouseButton button = Qt::LeftButton) {
        QTest::addRow("(%d, %d) %s", at.x(), at.y(), kind ? picture : "nothing")
            << at << button << kind << QString::fromLatin1(picture);
    };
    row({10, 1}, 0, "");
    row({10, 2}, 1, "Picture15");
    row({10, 14}, 1, "Picture15");
    row({10, 21}, 1, "Picture15");
    row({10, 22}, 0, "");
    row({10, 23}, 0, "");
    row({10, 24}, 2, "Picture16");
    row({10, 48}, 2, "Picture16");
    row({10, 49}, 0, "");
    row({10, 50}, 0, "");
    row({10, 61}, 3, "Picture17");
    row({10, 73}, 0, "");
    row({10, 74}, 0, "");
    row({10, 85}, 4, "Picture18");
    row({2, 85}, 4, "Picture18");
    row({21, 85}, 4, "Picture18");
    row({1, 85}, 0, "");
    row({22, 85}, 0, "");
    row({10, 97}, 0, "");
    row({10, 98}, 0, "");
    row({10, 110}, 5, "Picture19", Qt::RightButton);
    row({10, 123}, 0, "");
    row({10, 124}, 0, "");
    row({10, 134}, 6, "Picture20", Qt::MiddleButton);
    row({10, 145}, 6, "Picture20");
    row({10, 146}, 0, "");
}

void TestMarkerStylePickers::symbolStrip()
{
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, kind);
    QFETCH(QString, picture);

    // No kind and no picture beforehand, so that a click outside shows as no change.
    form().state().symbolKind = 0;
    controls().Picture5->setPicture(QPixmap());

    pressPicker(*controls().Picture2, at, button);

    QCOMPARE(form().state().symbolKind, kind);
    QVERIFY(showsStorePicture(*controls().Picture5, picture));
}

void TestMarkerStylePickers::thicknessPicker_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QString>("picture");

    // A pen width of 9 is what the canvas keeps when the click selects nothing.
    const auto row = [](QPoint at, int penWidth, const char *picture) {
        QTest::addRow("(%d, %d) %s", at.x(), at.y(), *picture ? picture : "nothing")
            << at << penWidth << QString::fromLatin1(picture);
    };
    row({20, 5}, 9, "");
    row({20, 6}, 1, "Picture4");
    row({20, 15}, 1, "Picture4");
    row({20, 16}, 9, "");
    row({20, 17}, 9, "");
    row({20, 18}, 2, "Picture5");
    row({20, 29}, 2, "Picture5");
    row({20, 30}, 9, "");
    row({20, 31}, 9, "");
    row({20, 32}, 3, "Picture6");
    row({20, 35}, 3, "Picture6");
    row({20, 41}, 3, "Picture6");
    row({20, 42}, 9, "");
    row({5, 35}, 9, "");
    row({6, 35}, 3, "Picture6");
    row({39, 35}, 3, "Picture6");
    row({40, 35}, 9, "");
}

void TestMarkerStylePickers::thicknessPicker()
{
    QFETCH(QPoint, at);
    QFETCH(int, penWidth);
    QFETCH(QString, picture);

    controls().Picture1->setPenWidth(9);
    controls().Picture3->setPicture(QPixmap());

    pressPicker(*controls().Picture3, at);

    QCOMPARE(controls().Picture1->penWidth(), penWidth);
    QVERIFY(showsStorePicture(*controls().Picture3, picture));
}

void TestMarkerStylePickers::palette_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<MarkerColor>("colour");
    QTest::addColumn<QString>("picture");

    constexpr MarkerColor blue{0, 0, 255};
    const auto row = [](const char *what, QPoint at, MarkerColor colour, const char *picture) {
        QTest::addRow("%s (%d, %d)", what, at.x(), at.y())
            << at << colour << QString::fromLatin1(picture);
    };
    row("black", {40, 10}, {0, 0, 0}, "Picture7");
    row("white", {40, 25}, {255, 255, 255}, "Picture8");
    row("red", {56, 10}, {255, 0, 0}, "Picture10");
    row("blue", {56, 25}, blue, "Picture9");
    row("green", {72, 10}, {0, 255, 0}, "Picture11");
    row("yellow", {72, 25}, {255, 255, 0}, "Picture12");
    row("magenta behind the pink swatch", {88, 10}, {255, 0, 255}, "Picture13");
    row("brown", {88, 25}, {128, 64, 0}, "Picture14");
    row("black, inner corner", {36, 5}, {0, 0, 0}, "Picture7");
    row("black, far inner corner", {45, 14}, {0, 0, 0}, "Picture7");
    row("brown, far inner corner", {93, 30}, {128, 64, 0}, "Picture14");
    row("preview gives blue", {15, 15}, blue, "Picture9");
    row("between columns gives blue", {48, 10}, blue, "Picture9");
    row("between rows gives blue", {40, 17}, blue, "Picture9");
    row("left edge gives blue", {35, 10}, blue, "Picture9");
    row("right edge gives blue", {46, 10}, blue, "Picture9");
    row("top edge gives blue", {40, 4}, blue, "Picture9");
    row("bottom edge gives blue", {40, 31}, blue, "Picture9");
    row("last column's right edge gives blue", {94, 25}, blue, "Picture9");
    row("border gives blue", {0, 0}, blue, "Picture9");
}

// Every click falls back to blue first, whatever was chosen before.
void TestMarkerStylePickers::palette()
{
    QFETCH(QPoint, at);
    QFETCH(MarkerColor, colour);
    QFETCH(QString, picture);

    pressPicker(*controls().Picture4, QPoint(56, 10));
    QCOMPARE(form().state().markerColor, (MarkerColor{255, 0, 0}));
    form().state().markerColor = MarkerColor{1, 2, 3};
    controls().Picture4->setPicture(QPixmap());

    pressPicker(*controls().Picture4, at);

    QCOMPARE(form().state().markerColor, colour);
    QVERIFY(showsStorePicture(*controls().Picture4, picture));
}

void TestMarkerStylePickers::dotResetsTheThicknessButNotItsPicture()
{
    pressPicker(*controls().Picture3, QPoint(20, 35));
    QCOMPARE(controls().Picture1->penWidth(), 3);

    float x = 1500;
    float y = 1500;
    std::int16_t dot = 1;
    std::int16_t size = 2;
    form().simgebas(x, y, dot, size);
    QCOMPARE(controls().Picture1->penWidth(), 1);

    // A plus of size 2 at pixel (200, 100): its horizontal arm is one pixel high, and the right
    // and lower arms reach one pixel farther than the left and upper ones.
    controls().Picture1->clearDrawing();
    x = 3000;
    std::int16_t plus = 2;
    form().simgebas(x, y, plus, size);
    const QImage &layer = controls().Picture1->drawingLayer();
    QCOMPARE(qAlpha(layer.pixel(196, 100)), 255);
    QCOMPARE(qAlpha(layer.pixel(196, 99)), 0);
    QCOMPARE(qAlpha(layer.pixel(196, 101)), 0);
    QCOMPARE(paintedExtent(layer), QRect(QPoint(195, 95), QPoint(206, 106)));

    QVERIFY(showsStorePicture(*controls().Picture3, QStringLiteral("Picture6")));
}

void TestMarkerStylePickers::sizeScrollBar_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("extent");

    // A square centred on (3000, 3000) twips, pixel 200: its half-size is 40 twips per step.
    QTest::newRow("1") << 1 << QRect(QPoint(197, 197), QPoint(203, 203));
    QTest::newRow("5") << 5 << QRect(QPoint(187, 187), QPoint(213, 213));
    QTest::newRow("10") << 10 << QRect(QPoint(173, 173), QPoint(227, 227));
}

void TestMarkerStylePickers::sizeScrollBar()
{
    QFETCH(int, value);
    QFETCH(QRect, extent);

    pressPicker(*controls().Picture2, QPoint(10, 110));
    controls().VScroll1->setValue(value);

    QCOMPARE(controls().Label20->text(), QString::number(value));
    QCOMPARE(form().state().symbolSize, value);

    float x = 3000;
    float y = 3000;
    form().simgebas(x, y, form().state().symbolKind, form().state().symbolSize);
    QCOMPARE(paintedExtent(controls().Picture1->drawingLayer()), extent);
}

QTEST_MAIN(TestMarkerStylePickers)
#include "tst_marker_style_pickers.moc"
