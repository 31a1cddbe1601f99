#pragma once

#include <string>

namespace tarlen {

// A single-precision number with at most 7 significant digits, no trailing zeros, no leading
// blank and the given decimal separator: the text of canvas positions in labels.
std::string generalNumberText(float value, char decimalSeparator);

} // namespace tarlen
