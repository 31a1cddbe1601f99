#pragma once

#include "core/digitizer_state.h"

#include <cstdint>

namespace tarlen {

class GraphCanvas;

// Draws one marker of the given kind (1 dot, 2 plus, 3 cross, 4 circle, 5 square, 6 diamond)
// centred on (x, y) in twips. A size of 0 is drawn as 1 and written back as 1; any other kind
// draws nothing.
void drawMarker(GraphCanvas &canvas, MarkerColor colour, float x, float y, std::int16_t kind,
                std::int16_t &size);

} // namespace tarlen
