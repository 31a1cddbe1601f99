// One mouse move over the canvas in the full-length crosshair style: the readout handler and
// the repaint it causes, painted into the offscreen window before the next move.
#include "tests/support/fake_platform.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using tarlen::Form1;
using tarlen::GraphCanvas;

constexpr int kMoves = 10000;
// The desktop the program is meant for.
constexpr QSize kWindowSize(1024, 768);

// The main window shown on its own with the sample graph's references, in the full-length style.
struct MovingWindow {
    explicit MovingWindow(const QImage *picture)
    {
        form.startUp();
        const tarlen::MainWindowControls &c = form.controls();
        if (picture)
            c.Picture1->setPicture(*picture);
        tarlen::DigitizerState &state = form.state();
        state.refX0Pos = 1320;
        state.refX1Pos = 6870;
        state.refY0Pos = 4170;
        state.refY1Pos = 450;
        c.Text1->setText(QStringLiteral("10"));
        c.Text3->setText(QStringLiteral("60"));
        c.Text2->setText(QStringLiteral("0.1"));
        c.Text4->setText(QStringLiteral("1e5"));
        c.Check2->setChecked(true);
        c.Option4->setChecked(true);
        c.Option7->setChecked(true);
        c.Option1->setChecked(true);
        form.resize(kWindowSize);
        form.show();
        QCoreApplication::processEvents();
    }

    // A smooth path a few pixels a step over the part of the canvas the window shows, so
    // that consecutive moves look like a hand on a mouse.
    std::vector<QPointF> path() const
    {
        GraphCanvas &canvas = *form.controls().Picture1;
        const QRect inside = canvas.contentsRect();
        const QPoint shownEnd = canvas.mapFrom(&form, QPoint(form.width(), form.height()));
        const double width = std::min(inside.right(), shownEnd.x() - 1) - inside.left();
        const double height = std::min(inside.bottom(), shownEnd.y() - 1) - inside.top();
        std::vector<QPointF> points;
        points.reserve(kMoves);
        for (int i = 0; i < kMoves; ++i) {
            const double t = i;
            points.emplace_back(
                std::floor(inside.left() + width * (0.5 + 0.5 * std::sin(t * 0.0131))),
                std::floor(inside.top() + height * (0.5 + 0.5 * std::sin(t * 0.0173))));
        }
        return points;
    }

    void move(const QPointF &at)
    {
        GraphCanvas &canvas = *form.controls().Picture1;
        QMouseEvent event(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas, &event);
    }

    tarlen::testing::FakePlatform platform;
    Form1 form{platform};
};

// Each move is painted before the next, as the event loop does between two move messages.
void replayMoves(benchmark::State &run, const QImage *picture, bool paint)
{
    MovingWindow window(picture);
    const std::vector<QPointF> points = window.path();
    std::size_t next = 0;
    for (auto _ : run) {
        window.move(points[next]);
        if (paint) {
            QCoreApplication::processEvents();
        } else {
            run.PauseTiming();
            QCoreApplication::processEvents();
            run.ResumeTiming();
        }
        next = (next + 1) % points.size();
    }
    run.SetItemsProcessed(run.iterations());
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (folder.isValid())
        QDir::setCurrent(folder.path());

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

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
