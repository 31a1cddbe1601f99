#include "ui/windows/form6_pointer_selection.h"
#include "ui/windows/picture_store.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

using namespace tarlen;

namespace {

constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb grey = qRgb(128, 128, 128);
constexpr QRgb face = qRgb(212, 208, 200);
constexpr QRgb symbolBackground = qRgb(237, 234, 214);

QRgb at(const QImage &image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }

// Black pixels of the image inside rows top..bottom, moved so that their bounding box starts at 0, 0.
QList<QPoint> inkShape(const QImage &image, int top, int bottom)
{
    QList<QPoint> ink;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == black)
                ink.append(QPoint(x, y));
    if (ink.isEmpty())
        return ink;
    int left = ink.front().x();
    int first = ink.front().y();
    for (const QPoint &p : ink) {
        left = std::min(left, p.x());
        first = std::min(first, p.y());
    }
    for (QPoint &p : ink)
        p -= QPoint(left, first);
    std::sort(ink.begin(), ink.end(), [](QPoint a, QPoint b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return ink;
}

struct NamedPicture {
    const char *name;
    StorePicture picture;
};

constexpr std::array<NamedPicture, 8> palettePictures{{
    {"Picture7", StorePicture::Picture7},
    {"Picture8", StorePicture::Picture8},
    {"Picture9", StorePicture::Picture9},
    {"Picture10", StorePicture::Picture10},
    {"Picture11", StorePicture::Picture11},
    {"Picture12", StorePicture::Picture12},
    {"Picture13", StorePicture::Picture13},
    {"Picture14", StorePicture::Picture14},
}};

// Rows of the three thickness lines, thin to thick.
struct LineRows {
    int first;
    int last;
};
constexpr std::array<LineRows, 3> thicknessLines{{{10, 10}, {22, 23}, {33, 35}}};

} // namespace

Q_DECLARE_METATYPE(StorePicture)

class TestPictureStore : public QObject {
    Q_OBJECT

private slots:
    void pictureSizes_data();
    void pictureSizes();
    void symbolPictures_data();
    void symbolPictures();
    void stripSymbolsLieInTheirHitRanges_data();
    void stripSymbolsLieInTheirHitRanges();
    void stripHasInkOnlyInsideHitRanges();
    void thicknessPictures_data();
    void thicknessPictures();
    void palettePreview_data();
    void palettePreview();
    void paletteSwatches_data();
    void paletteSwatches();
    void pointerStylePictures();
    void form6StoreBoxes_data();
    void form6StoreBoxes();
    void form6Demonstration();
    void form6BackButtonRequestsMainWindow();
};

void TestPictureStore::pictureSizes_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QSize>("size");

    struct Row {
        const char *name;
        StorePicture picture;
        QSize size;
    };
    const Row rows[] = {
        {"Picture4", StorePicture::Picture4, {50, 47}},
        {"Picture5", StorePicture::Picture5, {50, 47}},
        {"Picture6", StorePicture::Picture6, {50, 47}},
        {"Picture7", StorePicture::Picture7, {99, 35}},
        {"Picture8", StorePicture::Picture8, {99, 35}},
        {"Picture9", StorePicture::Picture9, {99, 35}},
        {"Picture10", StorePicture::Picture10, {99, 35}},
        {"Picture11", StorePicture::Picture11, {100, 35}},
        {"Picture12", StorePicture::Picture12, {99, 35}},
        {"Picture13", StorePicture::Picture13, {99, 35}},
        {"Picture14", StorePicture::Picture14, {99, 35}},
        {"Picture15", StorePicture::Picture15, {17, 17}},
        {"Picture16", StorePicture::Picture16, {17, 17}},
        {"Picture17", StorePicture::Picture17, {17, 17}},
        {"Picture18", StorePicture::Picture18, {17, 17}},
        {"Picture19", StorePicture::Picture19, {17, 17}},
        {"Picture20", StorePicture::Picture20, {17, 17}},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << drawStorePicture(row.picture) << row.size;
    QTest::newRow("symbol strip") << drawSymbolStrip() << QSize(24, 149);
    QTest::newRow("window icon") << drawWindowIcon() << QSize(16, 16);
    QTest::newRow("full crosshair option")
        << drawPointerStylePicture(PointerStyle::FullCrosshair) << QSize(34, 41);
    QTest::newRow("small cross option")
        << drawPointerStylePicture(PointerStyle::SmallCross) << QSize(34, 41);
    QTest::newRow("standard arrow option")
        << drawPointerStylePicture(PointerStyle::StandardArrow) << QSize(34, 41);
    QTest::newRow("magnifier") << drawMagnifierPicture() << QSize(40, 33);
    QTest::newRow("arrow demonstration") << drawArrowPointerPicture() << QSize(117, 61);
}

void TestPictureStore::pictureSizes()
{
    QFETCH(QImage, image);
    QFETCH(QSize, size);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB32);
}

void TestPictureStore::symbolPictures_data()
{
    QTest::addColumn<StorePicture>("picture");
    QTest::addColumn<QList<QPoint>>("inked");
    QTest::addColumn<QList<QPoint>>("bare");
    QTest::addColumn<int>("inkCount");

    QTest::newRow("dot") << StorePicture::Picture15
                         << QList<QPoint>{{8, 6}, {9, 6}, {7, 7}, {10, 8}, {8, 9}, {9, 9}}
                         << QList<QPoint>{{7, 6}, {10, 6}, {7, 9}, {8, 5}, {8, 10}, {6, 7}}
                         << 12;
    QTest::newRow("plus") << StorePicture::Picture16
                          << QList<QPoint>{{8, 4}, {8, 12}, {4, 8}, {12, 8}, {8, 8}}
                          << QList<QPoint>{{8, 3}, {8, 13}, {3, 8}, {13, 8}, {7, 7}} << 17;
    QTest::newRow("cross") << StorePicture::Picture17
                           << QList<QPoint>{{5, 4}, {12, 11}, {12, 4}, {5, 11}, {8, 7}, {9, 7}}
                           << QList<QPoint>{{4, 3}, {13, 12}, {13, 3}, {4, 12}, {8, 4}} << 16;
    QTest::newRow("circle") << StorePicture::Picture18
                            << QList<QPoint>{{8, 4}, {12, 8}, {8, 12}, {4, 8}, {8, 8}, {10, 5}}
                            << QList<QPoint>{{8, 3}, {11, 5}, {7, 8}, {12, 12}, {13, 8}} << 21;
    QTest::newRow("square") << StorePicture::Picture19
                            << QList<QPoint>{{4, 4}, {12, 4}, {4, 12}, {12, 12}, {8, 8}}
                            << QList<QPoint>{{3, 4}, {13, 12}, {5, 5}, {8, 3}, {8, 13}} << 33;
    QTest::newRow("diamond") << StorePicture::Picture20
                             << QList<QPoint>{{8, 3}, {13, 8}, {8, 13}, {3, 8}, {8, 8}, {10, 5}}
                             << QList<QPoint>{{8, 2}, {14, 8}, {2, 8}, {8, 14}, {9, 3}, {7, 8}}
                             << 21;
}

void TestPictureStore::symbolPictures()
{
    QFETCH(StorePicture, picture);
    QFETCH(QList<QPoint>, inked);
    QFETCH(QList<QPoint>, bare);
    QFETCH(int, inkCount);

    const QImage image = drawStorePicture(picture);
    for (const QPoint &p : inked)
        QVERIFY2(at(image, p.x(), p.y()) == black, qPrintable(QString("(%1, %2)").arg(p.x()).arg(p.y())));
    for (const QPoint &p : bare)
        QVERIFY2(at(image, p.x(), p.y()) == symbolBackground,
                 qPrintable(QString("(%1, %2)").arg(p.x()).arg(p.y())));
    // Every pixel is either ink or background, and the ink count pins the whole outline.
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = at(image, x, y);
            QVERIFY(pixel == black || pixel == symbolBackground);
            count += pixel == black ? 1 : 0;
        }
    }
    QCOMPARE(count, inkCount);
}

void TestPictureStore::stripSymbolsLieInTheirHitRanges_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("centreRow");
    QTest::addColumn<StorePicture>("symbol");

    // The strip's hit ranges: a click selects when from < y < to and 1 < x < 22.
    QTest::newRow("dot 1..22") << 1 << 22 << 14 << StorePicture::Picture15;
    QTest::newRow("plus 23..49") << 23 << 49 << 37 << StorePicture::Picture16;
    QTest::newRow("cross 50..73") << 50 << 73 << 61 << StorePicture::Picture17;
    QTest::newRow("circle 74..97") << 74 << 97 << 85 << StorePicture::Picture18;
    QTest::newRow("square 98..123") << 98 << 123 << 110 << StorePicture::Picture19;
    QTest::newRow("diamond 124..146") << 124 << 146 << 134 << StorePicture::Picture20;
}

void TestPictureStore::stripSymbolsLieInTheirHitRanges()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, centreRow);
    QFETCH(StorePicture, symbol);

    const QImage strip = drawSymbolStrip();
    // The range holds exactly the symbol whose picture the click puts into Picture5.
    const QList<QPoint> expected = inkShape(drawStorePicture(symbol), 0, 16);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(inkShape(strip, from + 1, to - 1), expected);

    // Centred within a pixel of column 12 and of its centre row.
    QRect ink;
    for (int y = from + 1; y < to; ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (at(strip, x, y) == black)
                ink |= QRect(x, y, 1, 1);
    const QPointF centre = QRectF(ink).center() - QPointF(0.5, 0.5);
    QVERIFY2(std::abs(centre.x() - 12) <= 1 && std::abs(centre.y() - centreRow) <= 1,
             qPrintable(QString("centre (%1, %2)").arg(centre.x()).arg(centre.y())));
}

void TestPictureStore::stripHasInkOnlyInsideHitRanges()
{
    const std::array<std::pair<int, int>, 6> ranges{{
        {1, 22}, {23, 49}, {50, 73}, {74, 97}, {98, 123}, {124, 146}}};
    const QImage strip = drawSymbolStrip();
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            if (at(strip, x, y) != black)
                continue;
            const bool inside = x > 1 && x < 22
                && std::any_of(ranges.begin(), ranges.end(),
                               [y](const auto &r) { return y > r.first && y < r.second; });
            QVERIFY2(inside, qPrintable(QString("ink at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestPictureStore::thicknessPictures_data()
{
    QTest::addColumn<StorePicture>("picture");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("bandTop");
    QTest::addColumn<int>("bandBottom");
    QTest::addColumn<QRgb>("bandColour");

    QTest::newRow("Picture4 thin") << StorePicture::Picture4 << 0 << 6 << 15 << qRgb(10, 36, 106);
    QTest::newRow("Picture5 middle") << StorePicture::Picture5 << 1 << 18 << 27 << qRgb(0, 0, 128);
    QTest::newRow("Picture6 thick") << StorePicture::Picture6 << 2 << 30 << 39 << qRgb(0, 0, 128);
}

void TestPictureStore::thicknessPictures()
{
    QFETCH(StorePicture, picture);
    QFETCH(int, chosen);
    QFETCH(int, bandTop);
    QFETCH(int, bandBottom);
    QFETCH(QRgb, bandColour);

    const QImage image = drawStorePicture(picture);

    // Sunken frame: grey top and left, white bottom and right, face colour outside it.
    QCOMPARE(at(image, 20, 2), grey);
    QCOMPARE(at(image, 4, 20), grey);
    QCOMPARE(at(image, 20, 43), white);
    QCOMPARE(at(image, 44, 20), white);
    QCOMPARE(at(image, 20, 1), face);
    QCOMPARE(at(image, 3, 20), face);
    QCOMPARE(at(image, 20, 44), face);
    QCOMPARE(at(image, 45, 20), face);

    // The band covers columns 7-41 of its rows and nothing beyond.
    QCOMPARE(at(image, 7, bandTop), bandColour);
    QCOMPARE(at(image, 41, bandBottom), bandColour);
    QCOMPARE(at(image, 6, bandTop), face);
    QCOMPARE(at(image, 42, bandBottom), face);
    QCOMPARE(at(image, 7, bandTop - 1), face);
    QCOMPARE(at(image, 41, bandBottom + 1), face);

    for (int i = 0; i < int(thicknessLines.size()); ++i) {
        const LineRows line = thicknessLines[std::size_t(i)];
        const QRgb ink = i == chosen ? white : black;
        const QRgb around = i == chosen ? bandColour : face;
        for (int row = line.first; row <= line.last; ++row) {
            QCOMPARE(at(image, 11, row), ink);
            QCOMPARE(at(image, 37, row), ink);
            QCOMPARE(at(image, 10, row), around);
            QCOMPARE(at(image, 38, row), around);
        }
        QCOMPARE(at(image, 24, line.first - 1), around);
        QCOMPARE(at(image, 24, line.last + 1), around);
    }
}

void TestPictureStore::palettePreview_data()
{
    QTest::addColumn<StorePicture>("picture");
    QTest::addColumn<QRgb>("colour");

    const QRgb colours[] = {qRgb(0, 0, 0),     qRgb(255, 255, 255), qRgb(0, 0, 255),
                            qRgb(255, 0, 0),   qRgb(0, 255, 0),     qRgb(255, 255, 0),
                            qRgb(255, 0, 128), qRgb(128, 64, 0)};
    for (std::size_t i = 0; i < palettePictures.size(); ++i)
        QTest::newRow(palettePictures[i].name) << palettePictures[i].picture << colours[i];
}

void TestPictureStore::palettePreview()
{
    QFETCH(StorePicture, picture);
    QFETCH(QRgb, colour);

    const QImage image = drawStorePicture(picture);
    QCOMPARE(at(image, 11, 12), colour);
    QCOMPARE(at(image, 21, 22), colour);
    QCOMPARE(at(image, 16, 17), colour);
    // The raised frame's shaded sides close the square at column 22 and row 23.
    QCOMPARE(at(image, 22, 17), grey);
    QCOMPARE(at(image, 16, 23), grey);

    // Preview box edges: grey row and column 2, black row and column 3, white from 4.
    QCOMPARE(at(image, 16, 2), grey);
    QCOMPARE(at(image, 2, 17), grey);
    QCOMPARE(at(image, 16, 3), black);
    QCOMPARE(at(image, 3, 17), black);
    QCOMPARE(at(image, 4, 4), white);
    QCOMPARE(at(image, 30, 31), white);

    // Outside the preview square every picture equals the blue one.
    const QImage blue = drawStorePicture(StorePicture::Picture9);
    for (int y = 0; y < blue.height(); ++y) {
        for (int x = 0; x < blue.width(); ++x) {
            if (x >= 11 && x <= 21 && y >= 12 && y <= 22)
                continue;
            QVERIFY2(at(image, x, y) == at(blue, x, y),
                     qPrintable(QString("(%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestPictureStore::paletteSwatches_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<QRgb>("colour");

    QTest::newRow("column 1 top black") << 35 << 4 << qRgb(0, 0, 0);
    QTest::newRow("column 2 top red") << 51 << 4 << qRgb(255, 0, 0);
    QTest::newRow("column 3 top green") << 67 << 4 << qRgb(0, 255, 0);
    QTest::newRow("column 4 top pink") << 83 << 4 << qRgb(255, 0, 128);
    QTest::newRow("column 1 bottom white") << 35 << 20 << qRgb(255, 255, 255);
    QTest::newRow("column 2 bottom blue") << 51 << 20 << qRgb(0, 0, 255);
    QTest::newRow("column 3 bottom yellow") << 67 << 20 << qRgb(255, 255, 0);
    QTest::newRow("column 4 bottom brown") << 83 << 20 << qRgb(128, 64, 0);
}

void TestPictureStore::paletteSwatches()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(QRgb, colour);

    const int right = left + 11;
    const int bottom = top + 11;
    for (const NamedPicture &entry : palettePictures) {
        const QImage image = drawStorePicture(entry.picture);
        QCOMPARE(at(image, left, top), colour);
        QCOMPARE(at(image, right, bottom), colour);
        QCOMPARE(at(image, left + 5, top + 4), colour); // (88, 8) on the pink swatch
        // The 12 x 12 square ends at its stated columns and rows, inside a sunken frame.
        QVERIFY(at(image, right + 1, top) != colour);
        QVERIFY(at(image, left, bottom + 1) != colour);
        QCOMPARE(at(image, left - 1, top + 5), black);
        QCOMPARE(at(image, left + 5, top - 1), black);
        QCOMPARE(at(image, left - 2, top + 5), grey);
        QCOMPARE(at(image, left + 5, top - 2), grey);
    }
}

void TestPictureStore::pointerStylePictures()
{
    const QImage full = drawPointerStylePicture(PointerStyle::FullCrosshair);
    const QImage small = drawPointerStylePicture(PointerStyle::SmallCross);
    const QImage arrow = drawPointerStylePicture(PointerStyle::StandardArrow);

    // The long lines reach the picture's edges; the small cross stays well inside.
    for (const QPoint &edge : {QPoint(0, 20), QPoint(33, 20), QPoint(17, 0), QPoint(17, 40)}) {
        QCOMPARE(at(full, edge.x(), edge.y()), black);
        QCOMPARE(at(small, edge.x(), edge.y()), face);
    }
    QCOMPARE(at(small, 17, 20), black);
    QCOMPARE(at(small, 9, 20), black);
    QCOMPARE(at(small, 8, 20), face);
    // The arrow is a black outline filled white.
    QCOMPARE(at(arrow, 11, 11), black);
    QCOMPARE(at(arrow, 12, 13), white);
    QVERIFY(arrow != small && arrow != full);
}

void TestPictureStore::form6StoreBoxes_data()
{
    QTest::addColumn<StorePicture>("picture");
    QTest::addColumn<QPoint>("position");

    struct Row {
        const char *name;
        StorePicture picture;
        QPoint position; // pixels
    };
    const Row rows[] = {
        {"Picture4", StorePicture::Picture4, {32, 144}},
        {"Picture5", StorePicture::Picture5, {136, 144}},
        {"Picture6", StorePicture::Picture6, {256, 144}},
        {"Picture7", StorePicture::Picture7, {16, 216}},
        {"Picture8", StorePicture::Picture8, {128, 216}},
        {"Picture9", StorePicture::Picture9, {128, 264}},
        {"Picture10", StorePicture::Picture10, {16, 264}},
        {"Picture11", StorePicture::Picture11, {16, 312}},
        {"Picture12", StorePicture::Picture12, {128, 312}},
        {"Picture13", StorePicture::Picture13, {16, 360}},
        {"Picture14", StorePicture::Picture14, {128, 360}},
        {"Picture15", StorePicture::Picture15, {264, 216}},
        {"Picture16", StorePicture::Picture16, {264, 240}},
        {"Picture17", StorePicture::Picture17, {264, 264}},
        {"Picture18", StorePicture::Picture18, {264, 288}},
        {"Picture19", StorePicture::Picture19, {264, 312}},
        {"Picture20", StorePicture::Picture20, {264, 336}},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.picture << row.position;
}

void TestPictureStore::form6StoreBoxes()
{
    QFETCH(StorePicture, picture);
    QFETCH(QPoint, position);

    Form6 form;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto *box = form.findChild<QLabel *>(name);
    QVERIFY(box);
    const QImage expected = drawStorePicture(picture);
    QCOMPARE(box->pos(), position);
    QCOMPARE(box->size(), expected.size());
    QCOMPARE(box->pixmap().toImage().convertToFormat(QImage::Format_RGB32), expected);
    QCOMPARE(form.picture(picture).toImage().convertToFormat(QImage::Format_RGB32), expected);
}

void TestPictureStore::form6Demonstration()
{
    Form6 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("İmleç seçimi"));
    QCOMPARE(form.size(), QSize(424, 581));
    QVERIFY(!form.isVisible());

    const struct {
        const char *name;
        const char *caption;
        bool checked;
    } optionRows[] = {
        {"Option1", "Boydan boya", true},
        {"Option2", "Küçük artı", false},
        {"Option3", "Standart ok", false},
    };
    for (const auto &row : optionRows) {
        auto *option = form.findChild<QRadioButton *>(QString::fromLatin1(row.name));
        QVERIFY2(option, row.name);
        QCOMPARE(option->text(), QString::fromUtf8(row.caption));
        QCOMPARE(option->isChecked(), row.checked);
    }

    // Line2 stands 480 twips into Picture1; Line1 runs past the box's right edge and is clipped.
    auto *picture1 = form.findChild<QWidget *>(QStringLiteral("Picture1"));
    auto *line1 = form.findChild<QWidget *>(QStringLiteral("Line1"));
    auto *line2 = form.findChild<QWidget *>(QStringLiteral("Line2"));
    QVERIFY(picture1 && line1 && line2);
    QVERIFY(picture1->isAncestorOf(line1) && picture1->isAncestorOf(line2));
    QCOMPARE(line2->x(), 32);
    QVERIFY(line1->width() > picture1->width());
    auto *picture2 = form.findChild<QWidget *>(QStringLiteral("Picture2"));
    QVERIFY(picture2);
    QVERIFY(picture2->isAncestorOf(form.findChild<QWidget *>(QStringLiteral("Line3"))));
    QVERIFY(picture2->isAncestorOf(form.findChild<QWidget *>(QStringLiteral("Line4"))));

    auto *picture3 = form.findChild<QLabel *>(QStringLiteral("Picture3"));
    QVERIFY(picture3);
    QCOMPARE(picture3->geometry(), QRect(280, 24, 65, 57));
    QCOMPARE(picture3->pixmap().size(), QSize(117, 61));
}

void TestPictureStore::form6BackButtonRequestsMainWindow()
{
    Form6 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *back = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(back);
    QCOMPARE(back->text(), QStringLiteral("Geri Dön"));
    QSignalSpy requested(&form, &Form6::mainWindowRequested);
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(requested.count(), 1);
}

QTEST_MAIN(TestPictureStore)
#include "tst_picture_store.moc"
