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

// The pixel whose centre lies nearest a twips position. A pressed pixel reports the twips of
// its corner, so drawing around a pressed position rounds to keep shapes centred on that pixel.
inline int twipsToNearestPixel(double twips)
{
    return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5));
}

} // namespace tarlen
