// The core's share of one mouse move over the canvas: the transform and the two readout texts.
#include "core/calibration.h"
#include "core/number_format.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MouseMove(benchmark::State &run)
{
    tarlen::DigitizerState state;
    state.refX0Pos = 1320;
    state.refX1Pos = 6870;
    state.refY0Pos = 4170;
    state.refY1Pos = 450;
    const tarlen::CalibrationInputs inputs{{"10", "60", "0.1", "1e5"}, 0, 1, ','};
    float step = 0;
    for (auto _ : run) {
        // Positions wander over the sample graph so no two moves in a row are alike.
        const float x = 1320 + step;
        const float y = 4170 - step * 0.5f;
        step = step >= 5000 ? 0 : step + 7.5f;
        const tarlen::RealPoint point = tarlen::canvasToReal(state, inputs, x, y);
        std::string xText = tarlen::formatOptionalValue(point.x, 1, ',');
        std::string yText = tarlen::formatOptionalValue(point.y, 1, ',');
        benchmark::DoNotOptimize(xText);
        benchmark::DoNotOptimize(yText);
    }
}
BENCHMARK(BM_MouseMove);

} // namespace
