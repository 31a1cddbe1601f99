#include "bench/window_bench.h"

#include "ui/canvas/graph_canvas.h"

#include <QDir>
#include <QMouseEvent>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace tarlen::bench {

WindowBenchStart::OffscreenUnlessNamed::OffscreenUnlessNamed()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

WindowBenchStart::WindowBenchStart(int &argc, char **argv)
    : argc_(argc), argv_(argv), app_(argc, argv)
{
    ready_ = folder_.isValid() && QDir::setCurrent(folder_.path());
}

int WindowBenchStart::runBenchmarks()
{
    benchmark::Initialize(&argc_, argv_);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

BenchWindow::BenchWindow(std::optional<QSize> screen)
{
    if (screen)
        platform_.screen = *screen;
    form_.startUp();
    form_.controls().Option1->setChecked(true);
}

void BenchWindow::show()
{
    form_.resize(1024, 768);
    form_.show();
    QCoreApplication::processEvents();
}

GraphCanvas &BenchWindow::canvas() const
{
    return *form_.controls().Picture1;
}

QRectF BenchWindow::shownCanvasArea() const
{
    const GraphCanvas &shown = canvas();
    const QRect inside = shown.contentsRect();
    const QPoint shownEnd = shown.mapFrom(&form_, QPoint(form_.width(), form_.height()));
    const double width = std::min(inside.right(), shownEnd.x() - 1) - inside.left();
    const double height = std::min(inside.bottom(), shownEnd.y() - 1) - inside.top();
    return QRectF(inside.left(), inside.top(), width, height);
}

std::vector<QPointF> handPath(const QRectF &area, int moves)
{
    std::vector<QPointF> points;
    points.reserve(moves);
    for (int i = 0; i < moves; ++i) {
        const double t = i;
        points.emplace_back(
            std::floor(area.left() + area.width() * (0.5 + 0.5 * std::sin(t * 0.0131))),
            std::floor(area.top() + area.height() * (0.5 + 0.5 * std::sin(t * 0.0173))));
    }
    return points;
}

void sendMove(GraphCanvas &canvas, const QPointF &at)
{
    QMouseEvent event(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
}

} // namespace tarlen::bench
