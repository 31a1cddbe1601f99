#include "ui/windows/picture_store.h"

#include <QPoint>
#include <QPointF>

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace tarlen {

namespace {

constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb shadowGrey = qRgb(128, 128, 128);
constexpr QRgb buttonFace = qRgb(212, 208, 200);
constexpr QRgb symbolBackground = qRgb(237, 234, 214);

// Pixel helpers: every rectangle and run includes both of its ends.

QImage filledImage(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void setPixel(QImage &image, int x, int y, QRgb colour)
{
    if (image.valid(x, y))
        image.setPixel(x, y, colour);
}

void fillBox(QImage &image, int left, int top, int right, int bottom, QRgb colour)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            setPixel(image, x, y, colour);
}

void horizontalRun(QImage &image, int y, int left, int right, QRgb colour)
{
    fillBox(image, left, y, right, y, colour);
}

void verticalRun(QImage &image, int x, int top, int bottom, QRgb colour)
{
    fillBox(image, x, top, x, bottom, colour);
}

// The two-pixel sunken edge of a classic 3D box around the area left..right, top..bottom:
// grey and black on the top and left, white and face colour on the bottom and right.
void sunkenBorder(QImage &image, int left, int top, int right, int bottom)
{
    horizontalRun(image, top - 2, left - 2, right + 1, shadowGrey);
    verticalRun(image, left - 2, top - 2, bottom + 1, shadowGrey);
    horizontalRun(image, top - 1, left - 1, right, black);
    verticalRun(image, left - 1, top - 1, bottom, black);
    horizontalRun(image, bottom + 1, left - 1, right + 1, buttonFace);
    verticalRun(image, right + 1, top - 1, bottom + 1, buttonFace);
    horizontalRun(image, bottom + 2, left - 2, right + 2, white);
    verticalRun(image, right + 2, top - 2, bottom + 2, white);
}

// Draws rows of a character mask: 'B' black, 'W' white, anything else leaves the pixel.
void drawMask(QImage &image, int left, int top, std::span<const std::string_view> rows)
{
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string_view line = rows[row];
        for (std::size_t column = 0; column < line.size(); ++column) {
            const int x = left + static_cast<int>(column);
            const int y = top + static_cast<int>(row);
            if (line[column] == 'B')
                setPixel(image, x, y, black);
            else if (line[column] == 'W')
                setPixel(image, x, y, white);
        }
    }
}

enum class Symbol { Dot, Plus, Cross, Circle, Square, Diamond };

// Adds a pixel once, so that crossing strokes do not list a pixel twice.
void addPixel(std::vector<QPoint> &pixels, QPoint pixel)
{
    if (std::find(pixels.begin(), pixels.end(), pixel) == pixels.end())
        pixels.push_back(pixel);
}

// The black pixels of a symbol in its 17 x 17 picture, centred near (8, 8).
std::vector<QPoint> symbolPixels(Symbol symbol)
{
    std::vector<QPoint> pixels;
    switch (symbol) {
    case Symbol::Dot:
        for (int x = 7; x <= 10; ++x) {
            addPixel(pixels, QPoint(x, 7));
            addPixel(pixels, QPoint(x, 8));
        }
        for (int x = 8; x <= 9; ++x) {
            addPixel(pixels, QPoint(x, 6));
            addPixel(pixels, QPoint(x, 9));
        }
        break;
    case Symbol::Plus:
        for (int i = 4; i <= 12; ++i) {
            addPixel(pixels, QPoint(8, i));
            addPixel(pixels, QPoint(i, 8));
        }
        break;
    case Symbol::Cross:
        for (int i = 0; i <= 7; ++i) {
            addPixel(pixels, QPoint(5 + i, 4 + i));
            addPixel(pixels, QPoint(12 - i, 4 + i));
        }
        break;
    case Symbol::Circle:
        // One octant of a radius-4 circle, rounded to the nearest pixel, mirrored eight ways.
        for (const QPoint &p : {QPoint(0, 4), QPoint(1, 4), QPoint(2, 3)}) {
            for (const QPoint &q : {p, QPoint(p.y(), p.x())}) {
                for (int sx : {-1, 1}) {
                    for (int sy : {-1, 1})
                        addPixel(pixels, QPoint(8 + sx * q.x(), 8 + sy * q.y()));
                }
            }
        }
        addPixel(pixels, QPoint(8, 8));
        break;
    case Symbol::Square:
        for (int i = 4; i <= 12; ++i) {
            addPixel(pixels, QPoint(i, 4));
            addPixel(pixels, QPoint(i, 12));
            addPixel(pixels, QPoint(4, i));
            addPixel(pixels, QPoint(12, i));
        }
        addPixel(pixels, QPoint(8, 8));
        break;
    case Symbol::Diamond:
        for (int i = 0; i <= 5; ++i) {
            addPixel(pixels, QPoint(8 - i, 3 + i));
            addPixel(pixels, QPoint(8 + i, 3 + i));
            addPixel(pixels, QPoint(8 - i, 13 - i));
            addPixel(pixels, QPoint(8 + i, 13 - i));
        }
        addPixel(pixels, QPoint(8, 8));
        break;
    }
    return pixels;
}

void drawSymbol(QImage &image, Symbol symbol, QPoint offset)
{
    for (const QPoint &p : symbolPixels(symbol))
        setPixel(image, p.x() + offset.x(), p.y() + offset.y(), black);
}

QImage symbolPicture(Symbol symbol)
{
    QImage image = filledImage(17, 17, symbolBackground);
    drawSymbol(image, symbol, QPoint(0, 0));
    return image;
}

struct ThicknessLine {
    int firstRow;
    int lastRow;
    int bandTop;
    int bandBottom;
};

// Black lines from column 11 to 37; the band of the chosen line spans columns 7 to 41.
constexpr std::array<ThicknessLine, 3> thicknessLines{{
    {10, 10, 6, 15},
    {22, 23, 18, 27},
    {33, 35, 30, 39},
}};

QImage thicknessPicture(std::size_t chosen)
{
    QImage image = filledImage(50, 47, buttonFace);
    // A one-pixel sunken edge; the white bottom and right edges run over the corners.
    horizontalRun(image, 2, 4, 44, shadowGrey);
    verticalRun(image, 4, 2, 43, shadowGrey);
    horizontalRun(image, 43, 4, 44, white);
    verticalRun(image, 44, 2, 43, white);

    const QRgb band = chosen == 0 ? qRgb(10, 36, 106) : qRgb(0, 0, 128);
    for (std::size_t i = 0; i < thicknessLines.size(); ++i) {
        const ThicknessLine &line = thicknessLines[i];
        if (i == chosen)
            fillBox(image, 7, line.bandTop, 41, line.bandBottom, band);
        fillBox(image, 11, line.firstRow, 37, line.lastRow, i == chosen ? white : black);
    }
    return image;
}

struct Swatch {
    int left;
    int top;
    QRgb colour;
};

// Columns 1 to 4, top row then bottom row; each colour square is 12 x 12.
constexpr std::array<Swatch, 8> swatches{{
    {35, 4, qRgb(0, 0, 0)},
    {51, 4, qRgb(255, 0, 0)},
    {67, 4, qRgb(0, 255, 0)},
    {83, 4, qRgb(255, 0, 128)},
    {35, 20, qRgb(255, 255, 255)},
    {51, 20, qRgb(0, 0, 255)},
    {67, 20, qRgb(255, 255, 0)},
    {83, 20, qRgb(128, 64, 0)},
}};

QImage palettePicture(int width, QRgb chosen)
{
    QImage image = filledImage(width, 35, buttonFace);

    // Preview box: white inside, columns 4-30 and rows 4-31.
    fillBox(image, 4, 4, 30, 31, white);
    sunkenBorder(image, 4, 4, 30, 31);
    // The chosen colour in a one-pixel raised frame: white top and left, grey bottom and right.
    fillBox(image, 11, 12, 21, 22, chosen);
    horizontalRun(image, 11, 10, 22, white);
    verticalRun(image, 10, 11, 23, white);
    horizontalRun(image, 23, 10, 22, shadowGrey);
    verticalRun(image, 22, 11, 23, shadowGrey);

    for (const Swatch &swatch : swatches) {
        const int right = swatch.left + 11;
        const int bottom = swatch.top + 11;
        fillBox(image, swatch.left, swatch.top, right, bottom, swatch.colour);
        sunkenBorder(image, swatch.left, swatch.top, right, bottom);
    }
    return image;
}

// The classic arrow pointer, tip at the top-left corner of the mask.
constexpr std::array<std::string_view, 19> arrowMask{
    "B",
    "BB",
    "BWB",
    "BWWB",
    "BWWWB",
    "BWWWWB",
    "BWWWWWB",
    "BWWWWWWB",
    "BWWWWWWWB",
    "BWWWWWWWWB",
    "BWWWWWWWWWB",
    "BWWWWWWBBBBB",
    "BWWWBWWB",
    "BWWBBWWB",
    "BWB  BWWB",
    "BB   BWWB",
    "B     BWWB",
    "      BWWB",
    "       BB",
};

// Round shapes are decided per pixel by its distance, so no rasterizer choice enters them.

double distanceSquared(double x0, double y0, double x1, double y1)
{
    return (x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0);
}

// Pixels whose distance from the segment a-b is at most halfWidth.
void thickSegment(QImage &image, QPointF a, QPointF b, double halfWidth, QRgb colour)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double lengthSquared = dx * dx + dy * dy;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            double t = ((x - a.x()) * dx + (y - a.y()) * dy) / lengthSquared;
            t = std::clamp(t, 0.0, 1.0);
            if (distanceSquared(x, y, a.x() + t * dx, a.y() + t * dy) <= halfWidth * halfWidth)
                image.setPixel(x, y, colour);
        }
    }
}

// Pixels whose distance from the centre lies within inner..outer.
void annulus(QImage &image, QPointF centre, double inner, double outer, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double d = distanceSquared(x, y, centre.x(), centre.y());
            if (d >= inner * inner && d <= outer * outer)
                image.setPixel(x, y, colour);
        }
    }
}

} // namespace

QImage drawStorePicture(StorePicture picture)
{
    switch (picture) {
    case StorePicture::Picture4:
        return thicknessPicture(0);
    case StorePicture::Picture5:
        return thicknessPicture(1);
    case StorePicture::Picture6:
        return thicknessPicture(2);
    case StorePicture::Picture7:
        return palettePicture(99, qRgb(0, 0, 0));
    case StorePicture::Picture8:
        return palettePicture(99, qRgb(255, 255, 255));
    case StorePicture::Picture9:
        return palettePicture(99, qRgb(0, 0, 255));
    case StorePicture::Picture10:
        return palettePicture(99, qRgb(255, 0, 0));
    case StorePicture::Picture11:
        return palettePicture(100, qRgb(0, 255, 0));
    case StorePicture::Picture12:
        return palettePicture(99, qRgb(255, 255, 0));
    case StorePicture::Picture13:
        return palettePicture(99, qRgb(255, 0, 128));
    case StorePicture::Picture14:
        return palettePicture(99, qRgb(128, 64, 0));
    case StorePicture::Picture15:
        return symbolPicture(Symbol::Dot);
    case StorePicture::Picture16:
        return symbolPicture(Symbol::Plus);
    case StorePicture::Picture17:
        return symbolPicture(Symbol::Cross);
    case StorePicture::Picture18:
        return symbolPicture(Symbol::Circle);
    case StorePicture::Picture19:
        return symbolPicture(Symbol::Square);
    case StorePicture::Picture20:
        return symbolPicture(Symbol::Diamond);
    }
    return {};
}

QImage drawSymbolStrip()
{
    struct StripSymbol {
        Symbol symbol;
        int centreRow;
    };
    // Each centre row lies in the middle of the symbol's hit range on the strip.
    constexpr std::array<StripSymbol, 6> strip{{
        {Symbol::Dot, 14},
        {Symbol::Plus, 37},
        {Symbol::Cross, 61},
        {Symbol::Circle, 85},
        {Symbol::Square, 110},
        {Symbol::Diamond, 134},
    }};
    QImage image = filledImage(24, 149, symbolBackground);
    for (const StripSymbol &entry : strip)
        drawSymbol(image, entry.symbol, QPoint(12 - 8, entry.centreRow - 8));
    return image;
}

QImage drawWindowIcon()
{
    // A small sheet of graph paper with digitized points on it.
    QImage image = filledImage(16, 16, white);
    horizontalRun(image, 0, 0, 15, shadowGrey);
    horizontalRun(image, 15, 0, 15, shadowGrey);
    verticalRun(image, 0, 0, 15, shadowGrey);
    verticalRun(image, 15, 0, 15, shadowGrey);

    for (const QPoint &centre : {QPoint(3, 3), QPoint(7, 7), QPoint(3, 12)}) {
        horizontalRun(image, centre.y(), centre.x() - 2, centre.x() + 2, black);
        verticalRun(image, centre.x(), centre.y() - 2, centre.y() + 2, black);
    }
    fillBox(image, 10, 2, 13, 5, qRgb(255, 0, 0));

    const QRgb blue = qRgb(0, 0, 255);
    horizontalRun(image, 9, 10, 12, blue);
    horizontalRun(image, 13, 10, 12, blue);
    verticalRun(image, 9, 10, 12, blue);
    verticalRun(image, 13, 10, 12, blue);
    setPixel(image, 11, 11, blue);
    return image;
}

QImage drawPointerStylePicture(PointerStyle style)
{
    QImage image = filledImage(34, 41, buttonFace);
    constexpr int centreX = 17;
    constexpr int centreY = 20;
    switch (style) {
    case PointerStyle::FullCrosshair:
        // Edge-to-edge arms with the canvas crosshair's gap of 8 pixels around the pointer.
        horizontalRun(image, centreY, 0, centreX - 9, black);
        horizontalRun(image, centreY, centreX + 9, 33, black);
        verticalRun(image, centreX, 0, centreY - 9, black);
        verticalRun(image, centreX, centreY + 9, 40, black);
        break;
    case PointerStyle::SmallCross:
        horizontalRun(image, centreY, centreX - 8, centreX + 8, black);
        verticalRun(image, centreX, centreY - 8, centreY + 8, black);
        break;
    case PointerStyle::StandardArrow:
        drawMask(image, 11, 11, arrowMask);
        break;
    }
    return image;
}

QImage drawMagnifierPicture()
{
    // On the magnifier button's light yellow face: a glass lens in a dark rim with a handle.
    QImage image = filledImage(40, 33, qRgb(255, 255, 225));
    const QPointF lens(15.0, 13.0);
    thickSegment(image, QPointF(22.5, 20.5), QPointF(33.0, 30.0), 2.2, qRgb(96, 48, 16));
    annulus(image, lens, 0.0, 8.5, qRgb(200, 228, 255));
    annulus(image, lens, 8.5, 10.6, qRgb(48, 48, 48));
    // A white glint in the lens' upper left.
    thickSegment(image, QPointF(10.0, 11.0), QPointF(12.0, 8.0), 0.8, white);
    return image;
}

QImage drawArrowPointerPicture()
{
    // Only the top-left part shows in Form6's Picture3, so the arrow stands there.
    QImage image = filledImage(117, 61, qRgb(192, 192, 192));
    drawMask(image, 26, 18, arrowMask);
    return image;
}

} // namespace tarlen
