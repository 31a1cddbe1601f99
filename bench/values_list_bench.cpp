// What one stored point costs as the values list grows: presses on the canvas of a started line
// through the real press handler (marker, record, list entry, the last line selected and
// scrolled into view), each painted into the offscreen windows before the next. The list is
// first filled to just below the count with untimed presses, then the last presses are timed;
// the memory is what the resident set grew by over all the presses of the run.
//
//   ./build/bench/tarlen_values_list_bench
#include "bench/window_bench.h"
#include "tests/support/fake_platform.h"
#include "tests/support/sample_calibration.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

// Presses timed at the end of each run.
constexpr int kTimed = 200;

// The resident memory of this process, in megabytes.
double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

class DigitizingWindow {
public:
    DigitizingWindow()
    {
        form_.startUp();
        tarlen::testing::calibrateSampleGraph(form_);
        form_.state().lineNumber = 1;
        form_.state().graphBaseName = "bench";
        form_.resize(1024, 768);
        form_.show();
        QCoreApplication::processEvents();
    }

    // A press at the n-th place of a grid over the canvas, so that the markers spread out.
    void press(int n)
    {
        tarlen::GraphCanvas &canvas = *form_.controls().Picture1;
        const QRect inside = canvas.contentsRect();
        const QPointF at(inside.left() + (n * 7) % inside.width(),
                         inside.top() + (n * 13) % inside.height());
        QMouseEvent down(QEvent::MouseButtonPress, at, canvas.mapToGlobal(at), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, at, canvas.mapToGlobal(at), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas, &up);
        QCoreApplication::processEvents();
    }

private:
    tarlen::testing::FakePlatform platform_;
    tarlen::Form1 form_{platform_};
};

void storePoints(benchmark::State &run, int count)
{
    QTemporaryDir folder;
    if (folder.isValid())
        QDir::setCurrent(folder.path());
    DigitizingWindow window;
    // What the stored points take: the list's lines, the markers' bookkeeping and the like.
    const double memoryBefore = residentMegabytes();
    int stored = 0;
    while (stored < count - kTimed)
        window.press(stored++);
    for (auto _ : run)
        window.press(stored++);
    run.SetItemsProcessed(run.iterations());
    run.counters["points"] = stored;
    const double grown = residentMegabytes() - memoryBefore;
    run.counters["memory MB"] = grown;
    run.counters["bytes a point"] = grown * 1024 * 1024 / stored;
}

} // namespace

int main(int argc, char **argv)
{
    tarlen::bench::WindowBenchStart start(argc, argv);

    for (const int count : {1000, 10000, 100000})
        benchmark::RegisterBenchmark(
            ("store a point/at " + std::to_string(count) + " points").c_str(),
            [count](benchmark::State &run) { storePoints(run, count); })
            ->Iterations(kTimed)
            ->Unit(benchmark::kMicrosecond);

    return start.runBenchmarks();
}
