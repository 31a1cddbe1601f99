// Draws the program's icon for the desktop's icon theme from the window icon's own art.
//
// Rebuild the icons:
//   cmake --build <build folder> --target make_icons
//   <build folder>/resources/icons/make_icons <source folder>/resources/icons
// It writes hicolor/<N>x<N>/apps/tarlen.png for N = 16, 32, 48, 64, 128 and 256, each pixel of
// the 16 x 16 art enlarged to an N/16 square, and hicolor/scalable/apps/tarlen.svg, the same
// pixels as squares of a 16 x 16 drawing.

#include "ui/windows/picture_store.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <array>
#include <cstdio>

namespace {

constexpr std::array kSizes{16, 32, 48, 64, 128, 256};

bool writePng(const QImage &art, int size, const QString &folder)
{
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(dir))
        return false;
    // Whole-number enlargement without smoothing keeps every pixel of the art sharp.
    const QImage icon = art.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return icon.save(dir + QStringLiteral("/tarlen.png"), "PNG");
}

// One rectangle per run of same-coloured pixels in a row.
bool writeSvg(const QImage &art, const QString &folder)
{
    const QString dir = folder + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(dir))
        return false;
    QFile file(dir + QStringLiteral("/tarlen.svg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << art.width() << "\" height=\""
        << art.height() << "\" viewBox=\"0 0 " << art.width() << ' ' << art.height()
        << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < art.height(); ++y) {
        int x = 0;
        while (x < art.width()) {
            const QRgb colour = art.pixel(x, y);
            int end = x + 1;
            while (end < art.width() && art.pixel(end, y) == colour)
                ++end;
            out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                << "\" height=\"1\" fill=\""
                << QStringLiteral("#%1").arg(colour & 0xffffffu, 6, 16, QLatin1Char('0'))
                << "\"/>\n";
            x = end;
        }
    }
    out << "</svg>\n";
    return out.status() == QTextStream::Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <resources/icons folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QImage art = tarlen::drawWindowIcon();
    for (const int size : kSizes) {
        if (!writePng(art, size, folder)) {
            std::fprintf(stderr, "make_icons: cannot write the %d px icon\n", size);
            return 1;
        }
    }
    if (!writeSvg(art, folder)) {
        std::fprintf(stderr, "make_icons: cannot write the scalable icon\n");
        return 1;
    }
    return 0;
}
