#pragma once

// What the window benchmarks share: the start of their main(), a main window on the fake
// platform, and mouse moves replayed over its canvas.

#include "tests/support/fake_platform.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <optional>
#include <vector>

namespace tarlen {
class GraphCanvas;
}

namespace tarlen::bench {

// The start of a window benchmark: the offscreen platform unless QT_QPA_PLATFORM names another,
// the application, and a fresh temporary folder as the working folder, so that the files the
// program writes land there and go with it.
class WindowBenchStart {
public:
    WindowBenchStart(int &argc, char **argv);

    // False when the temporary folder could not be made or entered.
    bool ready() const { return ready_; }
    QString filePath(const QString &name) const { return folder_.filePath(name); }

    // Runs the registered benchmarks the command line selects; the program's exit status.
    int runBenchmarks();

private:
    struct OffscreenUnlessNamed {
        OffscreenUnlessNamed();
    };

    int &argc_;
    char **argv_;
    OffscreenUnlessNamed platformChoice_;
    QApplication app_;
    QTemporaryDir folder_;
    bool ready_ = false;
};

// The main window started on the fake platform with a screen of the given size (the fake's own
// when none is given), in the full-length crosshair style; the benchmark adds its picture,
// references and options, then shows it.
class BenchWindow {
public:
    explicit BenchWindow(std::optional<QSize> screen = std::nullopt);

    Form1 &form() { return form_; }
    GraphCanvas &canvas() const;

    // Sizes the window to the desktop the program is meant for (after the picture, which may
    // have grown it), shows it and lets it paint.
    void show();

    // The part of the canvas's inside that the window shows.
    QRectF shownCanvasArea() const;

private:
    testing::FakePlatform platform_;
    Form1 form_{platform_};
};

// A smooth path, a few pixels a step, over the area, so that consecutive moves look like a hand
// on a mouse.
std::vector<QPointF> handPath(const QRectF &area, int moves);

// One mouse move over the canvas at a position of the widget, as the window system delivers it.
void sendMove(GraphCanvas &canvas, const QPointF &at);

// Replays the path over the canvas, one move an iteration and round again; after each move
// `afterMove` runs (the paint the event loop does between two moves, say), timed unless it
// pauses the timing.
template <typename AfterMove>
void replayMoves(benchmark::State &run, GraphCanvas &canvas, const std::vector<QPointF> &path,
                 AfterMove afterMove)
{
    std::size_t next = 0;
    for (auto _ : run) {
        sendMove(canvas, path[next]);
        afterMove();
        next = (next + 1) % path.size();
    }
    run.SetItemsProcessed(run.iterations());
}

} // namespace tarlen::bench
