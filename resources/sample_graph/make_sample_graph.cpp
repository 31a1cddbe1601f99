// Draws the canvas's sample graph and writes the pixels and values of its plotted points.
//
// Rebuild both files:
//   cmake --build <build folder> --target make_sample_graph
//   <build folder>/resources/sample_graph/make_sample_graph <source folder>/resources
// It writes sample_graph.bmp (508 x 349, 24-bit) and sample_graph_points.csv into that folder.
//
// The graph is calibrated so that one pixel is 15 twips of the canvas:
//   x, linear:           column 88 is 10, column 458 is 60;
//   left y, logarithmic: row 278 is 0.1, row 30 is 1e5 (a decade every 248/6 rows);
//   right y, linear:     row 278 is 0, row 30 is 8.
// Axes, ticks, curves and marks are set pixel by pixel; only the words come from a font (drawn
// without antialiasing), and they are drawn before the axes and curves.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int imageWidth = 508;
constexpr int imageHeight = 349;

constexpr int plotLeft = 88;    // x = 10
constexpr int plotRight = 458;  // x = 60
constexpr int plotTop = 30;     // left 1e5, right 8
constexpr int plotBottom = 278; // left 0.1, right 0
constexpr double rowsPerDecade = (plotBottom - plotTop) / 6.0;
constexpr double rowsPerRightUnit = (plotBottom - plotTop) / 8.0;

constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb gridGrey = qRgb(215, 215, 215);
constexpr QRgb curve1Blue = qRgb(0, 0, 170);
constexpr QRgb curve2Red = qRgb(200, 0, 0);

// ---- the calibration, in the canvas's twips as the digitizer reads them ----

double xAtColumn(int column) { return 10.0 + (column * 15.0 - 1320.0) * 50.0 / 5550.0; }
double leftYAtRow(int row) { return 0.1 * std::pow(10.0, (4170.0 - row * 15.0) * 6.0 / 3720.0); }
double rightYAtRow(int row) { return (4170.0 - row * 15.0) * 8.0 / 3720.0; }

double columnOfX(double x) { return plotLeft + (x - 10.0) * (plotRight - plotLeft) / 50.0; }
double rowOfLeftY(double y) { return plotBottom - std::log10(y / 0.1) * rowsPerDecade; }
double rowOfRightY(double y) { return plotBottom - y * rowsPerRightUnit; }

// ---- the two curves ----

// Curve 1 on the left axis: it passes 0.18456 at x = 15, rising about five decades to x = 60.
double curve1(double x) { return 0.1 * std::pow(10.0, 0.26614 * std::pow((x - 10.0) / 5.0, 1.3)); }

// Curve 2 on the right axis: a decay from about 7.8 towards 0.3.
double curve2(double x) { return 0.3 + 7.5 * std::exp(-(x - 10.0) / 20.0); }

int curve1Row(int column) { return int(std::lround(rowOfLeftY(curve1(xAtColumn(column))))); }
int curve2Row(int column) { return int(std::lround(rowOfRightY(curve2(xAtColumn(column))))); }

// Marked points of curve 1 at x = 15, 20, ..., 55; sample points of curve 2 at x = 20 ... 50.
constexpr std::array<double, 9> curve1MarkedX{15, 20, 25, 30, 35, 40, 45, 50, 55};
constexpr std::array<double, 4> curve2SampleX{20, 30, 40, 50};

// ---- pixel drawing ----

void plot(QImage &image, int x, int y, QRgb colour)
{
    if (image.valid(x, y))
        image.setPixel(x, y, colour);
}

void horizontalRun(QImage &image, int y, int left, int right, QRgb colour)
{
    for (int x = left; x <= right; ++x)
        plot(image, x, y, colour);
}

void verticalRun(QImage &image, int x, int top, int bottom, QRgb colour)
{
    for (int y = top; y <= bottom; ++y)
        plot(image, x, y, colour);
}

// Integer line between two pixels, both ends included.
void line(QImage &image, QPoint from, QPoint to, QRgb colour)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = from;
    while (true) {
        plot(image, p.x(), p.y(), colour);
        if (p == to)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += stepY;
        }
    }
}

// The curve through its rounded row in every column of the plot.
template <typename RowOf> void curve(QImage &image, RowOf rowOf, QRgb colour)
{
    QPoint previous(plotLeft, rowOf(plotLeft));
    for (int column = plotLeft + 1; column <= plotRight; ++column) {
        const QPoint next(column, rowOf(column));
        line(image, previous, next, colour);
        previous = next;
    }
}

// An open ring of radius 3 around a marked point, with its centre pixel.
void mark(QImage &image, QPoint centre)
{
    const std::array<QPoint, 3> octant{QPoint(0, 3), QPoint(1, 3), QPoint(2, 2)};
    for (const QPoint &p : octant) {
        for (const QPoint &q : {p, QPoint(p.y(), p.x())}) {
            for (int sx : {-1, 1}) {
                for (int sy : {-1, 1})
                    plot(image, centre.x() + sx * q.x(), centre.y() + sy * q.y(), black);
            }
        }
    }
    plot(image, centre.x(), centre.y(), black);
}

// ---- words ----

QFont labelFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void drawWatermark(QImage &image)
{
    QPainter painter(&image);
    painter.translate((plotLeft + plotRight) / 2.0, (plotTop + plotBottom) / 2.0);
    painter.rotate(-14.0);
    painter.setFont(labelFont(92, true));
    painter.setPen(QColor(150, 225, 150));
    painter.drawText(QRectF(-260, -80, 520, 160), Qt::AlignCenter, QStringLiteral("ÖRNEK"));
}

// Scale numbers and axis names, all outside the plot's frame.
void drawLabels(QImage &image)
{
    QPainter painter(&image);
    painter.setPen(QColor(black));
    painter.setFont(labelFont(11));
    for (int tens = 1; tens <= 6; ++tens) {
        const int column = int(std::lround(columnOfX(tens * 10.0)));
        painter.drawText(QRect(column - 20, plotBottom + 8, 40, 14), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tens * 10));
    }
    const std::array<QString, 7> decades{
        QStringLiteral("10⁻¹"), QStringLiteral("10⁰"), QStringLiteral("10¹"), QStringLiteral("10²"),
        QStringLiteral("10³"),  QStringLiteral("10⁴"), QStringLiteral("10⁵")};
    for (std::size_t k = 0; k < decades.size(); ++k) {
        const int row = int(std::lround(plotBottom - double(k) * rowsPerDecade));
        painter.drawText(QRect(plotLeft - 50, row - 8, 40, 16), Qt::AlignRight | Qt::AlignVCenter,
                         decades[k]);
    }
    for (int unit = 0; unit <= 8; ++unit) {
        const int row = int(std::lround(rowOfRightY(unit)));
        painter.drawText(QRect(plotRight + 10, row - 8, 30, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(unit));
    }

    painter.setFont(labelFont(12, true));
    painter.drawText(QRect(plotLeft, plotBottom + 26, plotRight - plotLeft, 16), Qt::AlignCenter,
                     QStringLiteral("x"));
    painter.drawText(QRect(plotLeft - 70, plotTop - 24, 70, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("y (log)"));
    painter.drawText(QRect(plotRight + 4, plotTop - 24, 46, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("y₂"));
}

// A framed legend in the empty upper middle of the plot, over the grid.
void drawLegend(QImage &image)
{
    constexpr int left = 200;
    constexpr int top = 38;
    constexpr int right = 340;
    constexpr int bottom = 74;
    for (int y = top; y <= bottom; ++y)
        horizontalRun(image, y, left, right, qRgb(255, 255, 255));
    horizontalRun(image, top, left, right, black);
    horizontalRun(image, bottom, left, right, black);
    verticalRun(image, left, top, bottom, black);
    verticalRun(image, right, top, bottom, black);

    horizontalRun(image, 47, 206, 230, curve1Blue);
    mark(image, QPoint(218, 47));
    horizontalRun(image, 65, 206, 230, curve2Red);

    QPainter painter(&image);
    painter.setPen(QColor(black));
    painter.setFont(labelFont(11));
    painter.drawText(QRect(236, 40, 102, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Eğri 1 (sol eksen)"));
    painter.drawText(QRect(236, 58, 102, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Eğri 2 (sağ eksen)"));
}

// ---- axes ----

void drawGrid(QImage &image)
{
    for (int tens = 2; tens <= 5; ++tens)
        verticalRun(image, int(std::lround(columnOfX(tens * 10.0))), plotTop + 1, plotBottom - 1,
                    gridGrey);
    for (int k = 1; k <= 5; ++k)
        horizontalRun(image, int(std::lround(plotBottom - k * rowsPerDecade)), plotLeft + 1,
                      plotRight - 1, gridGrey);
}

void drawAxes(QImage &image)
{
    horizontalRun(image, plotTop, plotLeft, plotRight, black);
    horizontalRun(image, plotBottom, plotLeft, plotRight, black);
    verticalRun(image, plotLeft, plotTop, plotBottom, black);
    verticalRun(image, plotRight, plotTop, plotBottom, black);

    // x: a long tick every 10, a short one between.
    for (int fives = 2; fives <= 12; ++fives) {
        const int column = int(std::lround(columnOfX(fives * 5.0)));
        verticalRun(image, column, plotBottom + 1, plotBottom + (fives % 2 == 0 ? 6 : 3), black);
    }
    // Left y: long ticks at the decades, short ones at 2 to 9 times each decade.
    for (int k = 0; k <= 6; ++k) {
        for (int m = 1; m <= 9; ++m) {
            const double y = 0.1 * std::pow(10.0, k) * m;
            const int row = int(std::lround(rowOfLeftY(y)));
            if (row < plotTop)
                break;
            horizontalRun(image, row, plotLeft - (m == 1 ? 6 : 3), plotLeft - 1, black);
        }
    }
    // Right y: a tick at every unit.
    for (int unit = 0; unit <= 8; ++unit)
        horizontalRun(image, int(std::lround(rowOfRightY(unit))), plotRight + 1, plotRight + 5,
                      black);
}

struct PlottedPoint {
    int curve;
    int column;
    int row;
    double x;
    double y;
};

std::vector<PlottedPoint> plottedPoints()
{
    std::vector<PlottedPoint> points;
    for (double x : curve1MarkedX) {
        const int column = int(std::lround(columnOfX(x)));
        const int row = curve1Row(column);
        points.push_back({1, column, row, xAtColumn(column), leftYAtRow(row)});
    }
    for (double x : curve2SampleX) {
        const int column = int(std::lround(columnOfX(x)));
        const int row = curve2Row(column);
        points.push_back({2, column, row, xAtColumn(column), rightYAtRow(row)});
    }
    return points;
}

bool writePoints(const QString &path, const std::vector<PlottedPoint> &points)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "curve,col,row,x,y\n";
    for (const PlottedPoint &p : points) {
        out << p.curve << ',' << p.column << ',' << p.row << ',' << QString::number(p.x, 'g', 10)
            << ',' << QString::number(p.y, 'g', 10) << '\n';
    }
    return out.status() == QTextStream::Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_graph <resources folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);

    QImage image(imageWidth, imageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    // Words first where they share pixels with the plot, so that no plotted pixel depends on a font.
    drawWatermark(image);
    drawGrid(image);
    drawLegend(image);
    drawLabels(image);
    drawAxes(image);
    curve(image, curve2Row, curve2Red);
    curve(image, curve1Row, curve1Blue);
    const std::vector<PlottedPoint> points = plottedPoints();
    for (const PlottedPoint &p : points) {
        if (p.curve == 1)
            mark(image, QPoint(p.column, p.row));
    }

    if (!image.save(folder + QStringLiteral("/sample_graph.bmp"), "BMP")) {
        std::fprintf(stderr, "cannot write sample_graph.bmp\n");
        return 1;
    }
    if (!writePoints(folder + QStringLiteral("/sample_graph_points.csv"), points)) {
        std::fprintf(stderr, "cannot write sample_graph_points.csv\n");
        return 1;
    }
    return 0;
}
