#pragma once

#include <cmath>

namespace tarlen {

// Stored positions and the canvas inside are measured in twips: 15 to the pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

// The pixel that holds a twips position: rounded down, so negative positions stay outside.
inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::floor(twips / kTwipsPerPixel));
}

} // namespace tarlen
