// Loading a 100-million-pixel JPEG and PNG through the program's reader beside Qt's reader
// alone, the resident memory after the canvas has taken the picture, and crosshair moves over
// a scrolled 10000 x 10000 picture.
#include "bench/window_bench.h"
#include "tests/support/fake_platform.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/graphfile/graph_opening.h"
#include "ui/graphfile/graph_picture.h"
#include "ui/main/form1.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

constexpr QSize kPictureSize(10000, 10000);
constexpr int kScrolledMoves = 10000;

// A plotted graph's look: white paper, a grey grid and a dark curve.
QImage graphLikePicture()
{
    QImage picture(kPictureSize, QImage::Format_RGB32);
    picture.fill(qRgb(255, 255, 255));
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        if (y % 100 == 0)
            std::fill_n(row, picture.width(), qRgb(190, 190, 190));
        for (int x = 0; x < picture.width(); x += 100)
            row[x] = qRgb(190, 190, 190);
        const int curve = static_cast<int>(5000 + 4000 * std::sin(y * 0.0007));
        for (int x = curve; x < curve + 6; ++x)
            row[x] = qRgb(20, 20, 120);
    }
    return picture;
}

// Resident memory of this process in megabytes, from the kernel's account.
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void programReader(benchmark::State &run, const QString &path)
{
    for (auto _ : run) {
        const tarlen::GraphPicture picture = tarlen::readGraphPicture(path);
        benchmark::DoNotOptimize(picture.image.constBits());
        if (picture.status != tarlen::GraphPictureStatus::Loaded)
            run.SkipWithError("not loaded");
    }
}

void qtReaderAlone(benchmark::State &run, const QString &path)
{
    for (auto _ : run) {
        QImageReader reader(path);
        reader.setAllocationLimit(0);
        const QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
        if (image.isNull())
            run.SkipWithError("not loaded");
    }
}

// Opened as the user opens it; the figure is the resident memory with the picture shown.
void residentAfterOpening(benchmark::State &run, const QString &path)
{
    for (auto _ : run) {
        tarlen::testing::FakePlatform platform;
        platform.screen = QSize(1024, 768);
        tarlen::Form1 form(platform);
        form.startUp();
        const double before = residentMegabytes();
        tarlen::openGraphPicture(form, path);
        run.counters["resident_MB"] = residentMegabytes();
        run.counters["added_MB"] = residentMegabytes() - before;
    }
}

// Full-length crosshair moves over a 10000 x 10000 picture scrolled to its middle.
void scrolledMoves(benchmark::State &run, const QString &path)
{
    tarlen::bench::BenchWindow window(QSize(1024, 768));
    tarlen::openGraphPicture(window.form(), path);
    window.show();
    tarlen::GraphCanvas &canvas = window.canvas();
    canvas.scrollTo(QPoint(4500, 4500));
    QCoreApplication::processEvents();
    const std::vector<QPointF> moves =
        tarlen::bench::handPath(QRectF(canvas.contentsRect()), kScrolledMoves);
    tarlen::bench::replayMoves(run, canvas, moves, [] { QCoreApplication::processEvents(); });
}

} // namespace

int main(int argc, char **argv)
{
    tarlen::bench::WindowBenchStart start(argc, argv);
    if (!start.ready())
        return 1;
    const QString jpeg = start.filePath(QStringLiteral("graf.jpg"));
    const QString png = start.filePath(QStringLiteral("graf.png"));
    {
        const QImage picture = graphLikePicture();
        QImageWriter(jpeg, "jpeg").write(picture);
        QImageWriter(png, "png").write(picture);
    }

    for (const auto &[name, path] : {std::pair{"jpeg", jpeg}, std::pair{"png", png}}) {
        const QString file = path;
        benchmark::RegisterBenchmark(
            (std::string("load 100 Mpx ") + name + "/program's reader").c_str(),
            [file](benchmark::State &run) { programReader(run, file); })
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            (std::string("load 100 Mpx ") + name + "/QImageReader alone").c_str(),
            [file](benchmark::State &run) { qtReaderAlone(run, file); })
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("open 100 Mpx png/resident memory",
                                 [png](benchmark::State &run) { residentAfterOpening(run, png); })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("move/10000 x 10000 scrolled/handler and paint",
                                 [png](benchmark::State &run) { scrolledMoves(run, png); })
        ->Iterations(kScrolledMoves)
        ->Unit(benchmark::kMicrosecond);

    return start.runBenchmarks();
}
