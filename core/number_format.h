#pragma once

#include "core/calibration.h"

#include <cstdint>
#include <string>

namespace tarlen {

// 1 "0.0", 2 "0.0000", 3 "0.000E+00"; any other value selects no pattern.
using NumberFormatIndex = std::int16_t;

// The text written for an absent value, on screen and in the files alike.
inline constexpr std::string_view kAbsentValueText = "NaN";

// Renders a value with the pattern of the index and the given decimal separator;
// an index other than 1, 2 or 3 gives an empty text.
std::string formatValue(RealValue value, NumberFormatIndex index, char decimalSeparator);

// formatValue for a value that may be absent: absent gives kAbsentValueText.
std::string formatOptionalValue(const OptionalReal &value, NumberFormatIndex index,
                                char decimalSeparator);

// The index chosen by an option group: the position (1, 2, 3) of the selected button, inspected in
// order; with none selected the previous index stays.
NumberFormatIndex indexFromOptions(bool first, bool second, bool third, NumberFormatIndex previous);

} // namespace tarlen
