#pragma once

#include <cmath>
#include <limits>

namespace tarlen::detail {

// The float nearest to a double, as the hardware rounds it, but defined for every input:
// a finite value past the float range becomes the largest float or an infinity.
inline float toSingle(double value)
{
    constexpr double kLargest = std::numeric_limits<float>::max();
    // Halfway between the largest float and 2^128: from here on the nearest float is infinity.
    constexpr double kOverflowEdge = kLargest + 0x1p103;
    if (std::isfinite(value) && std::fabs(value) > kLargest) {
        const double magnitude = std::fabs(value) >= kOverflowEdge
                                     ? std::numeric_limits<double>::infinity()
                                     : kLargest;
        return static_cast<float>(std::copysign(magnitude, value));
    }
    return static_cast<float>(value);
}

} // namespace tarlen::detail
