// One mouse move over the canvas with the program's own magnifier open and closed: the move
// handlers and every repaint they cause (canvas and magnifier, which paints at most once a
// display frame), painted into the offscreen windows before the next move, in the full-length
// crosshair style; and the cost of one magnifier frame on its own.
//
//   ./build/bench/tarlen_magnifier_move_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true
#include "bench/window_bench.h"
#include "tests/support/sample_calibration.h"
#include "ui/canvas/graph_canvas.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kMoves = 10000;

// Counts the paints of the window it watches, to show that the magnifier really repaints.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Run {
    const char *name;
    bool large;
    bool magnifier;
};

// The main window on the sample graph's references; the magnifier is the program's own, since
// the fake desktop starts no system one.
class MagnifiedWindow {
public:
    MagnifiedWindow(const QImage *picture, bool magnifier)
    {
        const tarlen::MainWindowControls &c = window_.form().controls();
        if (picture)
            c.Picture1->setPicture(*picture);
        tarlen::testing::calibrateSampleGraph(window_.form());
        window_.show();
        if (magnifier) {
            c.Command18->click();
            QCoreApplication::processEvents();
        }
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"MagnifierWindow" && w->isVisible())
                w->installEventFilter(&magnifierPaints_);
    }

    int magnifierPaints() const { return magnifierPaints_.paints; }
    tarlen::GraphCanvas &canvas() const { return window_.canvas(); }
    std::vector<QPointF> path() const
    {
        return tarlen::bench::handPath(window_.shownCanvasArea(), kMoves);
    }

private:
    PaintCounter magnifierPaints_;
    tarlen::bench::BenchWindow window_;
};

QImage largePicture()
{
    QImage picture(6000, 4000, QImage::Format_RGB32);
    picture.fill(qRgb(250, 250, 245));
    // A grid, so that the enlarged pixels are real picture content.
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            if (x % 50 == 0 || y % 50 == 0)
                row[x] = qRgb(200, 200, 200);
    }
    return picture;
}

void replayMoves(benchmark::State &run, const QImage *picture, bool magnifier)
{
    MagnifiedWindow window(picture, magnifier);
    // Each move is painted before the next, as the event loop does between two moves.
    tarlen::bench::replayMoves(run, window.canvas(), window.path(),
                               [] { QCoreApplication::processEvents(); });
    run.counters["magnifier paints a move"] =
        double(window.magnifierPaints()) / double(run.iterations());
}

// What one magnifier frame costs: the move handlers without the canvas's repaint, then the
// magnifier painted and shown at once; less the handlers alone (the move benchmark's
// "handler only"), this is one magnifier paint.
void repaintMagnifier(benchmark::State &run)
{
    MagnifiedWindow window(nullptr, true);
    QWidget *magnifier = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == u"MagnifierWindow" && w->isVisible())
            magnifier = w;
    if (!magnifier) {
        run.SkipWithError("no magnifier window");
        return;
    }
    tarlen::bench::replayMoves(run, window.canvas(), window.path(),
                               [magnifier] { magnifier->repaint(); });
}

} // namespace

int main(int argc, char **argv)
{
    tarlen::bench::WindowBenchStart start(argc, argv);

    static const QImage large = largePicture();
    static constexpr Run runs[] = {
        {"move and paint/sample graph/magnifier closed", false, false},
        {"move and paint/sample graph/magnifier open", false, true},
        {"move and paint/6000 x 4000 picture/magnifier closed", true, false},
        {"move and paint/6000 x 4000 picture/magnifier open", true, true},
    };
    for (const Run &r : runs)
        benchmark::RegisterBenchmark(r.name,
                                     [&r](benchmark::State &run) {
                                         replayMoves(run, r.large ? &large : nullptr, r.magnifier);
                                     })
            ->Iterations(kMoves)
            ->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("move handlers and magnifier repaint/sample graph",
                                 repaintMagnifier)
        ->Iterations(kMoves)
        ->Unit(benchmark::kMicrosecond);

    return start.runBenchmarks();
}
