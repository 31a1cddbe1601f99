// One mouse move over the canvas with the program's own magnifier open and closed: the move
// handlers and every repaint they cause (canvas and magnifier, which paints at most once a
// display frame), painted into the offscreen windows before the next move, in the full-length
// crosshair style; and the cost of one magnifier frame on its own.
//
//   ./build/bench/tarlen_magnifier_move_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true
#include "tests/support/fake_platform.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

constexpr int kMoves = 10000;
constexpr QSize kWindowSize(1024, 768);

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
        form_.startUp();
        const tarlen::MainWindowControls &c = form_.controls();
        if (picture)
            c.Picture1->setPicture(*picture);
        c.Text1->setText(QStringLiteral("10"));
        c.Text3->setText(QStringLiteral("60"));
        c.Text2->setText(QStringLiteral("0.1"));
        c.Text4->setText(QStringLiteral("1e5"));
        tarlen::DigitizerState &state = form_.state();
        state.refX0Pos = 1320;
        state.refX1Pos = 6870;
        state.refY0Pos = 4170;
        state.refY1Pos = 450;
        c.Option1->setChecked(true);
        form_.resize(kWindowSize);
        form_.show();
        if (magnifier)
            c.Command18->click();
        QCoreApplication::processEvents();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"MagnifierWindow" && w->isVisible())
                w->installEventFilter(&magnifierPaints_);
    }

    int magnifierPaints() const { return magnifierPaints_.paints; }

    // A smooth path, a few pixels a step, over the part of the canvas inside the window.
    std::vector<QPointF> path() const
    {
        const tarlen::GraphCanvas &canvas = *form_.controls().Picture1;
        const QRect inside = canvas.contentsRect();
        const QPoint shownEnd = canvas.mapFrom(&form_, QPoint(form_.width(), form_.height()));
        const double width = std::min(inside.right(), shownEnd.x() - 1) - inside.left();
        const double height = std::min(inside.bottom(), shownEnd.y() - 1) - inside.top();
        std::vector<QPointF> points;
        points.reserve(kMoves);
        for (int i = 0; i < kMoves; ++i)
            points.emplace_back(
                std::floor(inside.left() + width * (0.5 + 0.5 * std::sin(i * 0.0131))),
                std::floor(inside.top() + height * (0.5 + 0.5 * std::sin(i * 0.0173))));
        return points;
    }

    void move(const QPointF &at)
    {
        tarlen::GraphCanvas &canvas = *form_.controls().Picture1;
        QMouseEvent event(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas, &event);
    }

private:
    PaintCounter magnifierPaints_;
    tarlen::testing::FakePlatform platform_;
    tarlen::Form1 form_{platform_};
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
    const std::vector<QPointF> points = window.path();
    std::size_t next = 0;
    for (auto _ : run) {
        window.move(points[next]);
        // Each move is painted before the next, as the event loop does between two moves.
        QCoreApplication::processEvents();
        next = (next + 1) % points.size();
    }
    run.SetItemsProcessed(run.iterations());
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
    const std::vector<QPointF> points = window.path();
    std::size_t next = 0;
    for (auto _ : run) {
        window.move(points[next]);
        magnifier->repaint();
        next = (next + 1) % points.size();
    }
    run.SetItemsProcessed(run.iterations());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (folder.isValid())
        QDir::setCurrent(folder.path());

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

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
