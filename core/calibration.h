#pragma once

#include "core/digitizer_state.h"

#include <optional>
#include <string_view>

namespace tarlen {

// The precision a real value was computed in: the linear rule works in single precision,
// the logarithmic rule in double precision. Formatting rounds at the value's own precision.
enum class Precision { Single, Double };

struct RealValue {
    double value = 0;
    Precision precision = Precision::Single;

    bool operator==(const RealValue &) const = default;
};

// An absent value (nothing could be computed) is distinct from 0.
using OptionalReal = std::optional<RealValue>;

struct RealPoint {
    OptionalReal x;
    OptionalReal y;
};

// The texts of the four reference value boxes, as the user typed them.
struct ReferenceTexts {
    std::string_view x0; // Text1
    std::string_view x1; // Text3
    std::string_view y0; // Text2
    std::string_view y1; // Text4
};

// Everything the transform reads besides the state record: the boxes, the check boxes
// (0 linear, 1 logarithmic, anything else gives no value) and the user's decimal separator.
struct CalibrationInputs {
    ReferenceTexts texts;
    int xAxisMode = 0; // Check1
    int yAxisMode = 0; // Check2
    char decimalSeparator = '.';
};

// The leading number of a typed text. Blanks, tabs and line feeds are ignored; the full stop is
// always a decimal point and the comma is one too when the user's separator is a comma.
// A text with no leading number gives 0; a number past the double range gives an infinity.
double leadingNumber(std::string_view text, char decimalSeparator);

// Reads the four boxes into typedX0, typedX1, typedY0, typedY1 (single precision) and copies them
// into refX0Value, refX1Value, refY0Value, refY1Value.
void refreshTypedValues(DigitizerState &state, const ReferenceTexts &texts, char decimalSeparator);

// Converts a canvas position (twips) into real values; refreshes the typed values first.
RealPoint canvasToReal(DigitizerState &state, const CalibrationInputs &inputs, float x, float y);

} // namespace tarlen
