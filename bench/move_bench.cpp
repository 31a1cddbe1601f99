// One mouse move over the canvas in the full-length crosshair style: the readout handler and
// the repaint it causes, painted into the offscreen window before the next move.
#include "bench/window_bench.h"
#include "tests/support/sample_calibration.h"
#include "ui/canvas/graph_canvas.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

using tarlen::bench::BenchWindow;

constexpr int kMoves = 10000;

// Each move is painted before the next, as the event loop does between two move messages.
void replayMoves(benchmark::State &run, const QImage *picture, bool paint)
{
    // The main window shown on its own with the sample graph's references.
    BenchWindow window;
    tarlen::Form1 &form = window.form();
    const tarlen::MainWindowControls &c = form.controls();
    if (picture)
        c.Picture1->setPicture(*picture);
    tarlen::testing::calibrateSampleGraph(form);
    c.Option4->setChecked(true);
    c.Option7->setChecked(true);
    window.show();

    const std::vector<QPointF> path = tarlen::bench::handPath(window.shownCanvasArea(), kMoves);
    tarlen::bench::replayMoves(run, window.canvas(), path, [&run, paint] {
        if (paint) {
            QCoreApplication::processEvents();
        } else {
            run.PauseTiming();
            QCoreApplication::processEvents();
            run.ResumeTiming();
        }
    });
}

QImage largePicture()
{
    QImage picture(6000, 4000, QImage::Format_RGB32);
    picture.fill(qRgb(250, 250, 245));
    // A grid so that the repainted strips copy real picture content.
    for (int y = 0; y < picture.height(); y += 50)
        std::fill_n(reinterpret_cast<QRgb *>(picture.scanLine(y)), picture.width(),
                    qRgb(200, 200, 200));
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); x += 50)
            row[x] = qRgb(200, 200, 200);
    }
    return picture;
}

} // namespace

int main(int argc, char **argv)
{
    tarlen::bench::WindowBenchStart start(argc, argv);

    static const QImage large = largePicture();
    const auto replay = [](const char *name, const QImage *picture, bool paint) {
        benchmark::RegisterBenchmark(
            name, [picture, paint](benchmark::State &run) { replayMoves(run, picture, paint); })
            ->Iterations(kMoves)
            ->Unit(benchmark::kMicrosecond);
    };
    replay("move/sample graph/handler and paint", nullptr, true);
    replay("move/sample graph/handler only", nullptr, false);
    replay("move/6000 x 4000 picture/handler and paint", &large, true);
    replay("move/6000 x 4000 picture/handler only", &large, false);

    return start.runBenchmarks();
}
