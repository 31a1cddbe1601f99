#include "core/calibration.h"

#include "core/decimal_digits.h"
#include "core/single_precision.h"

#include <cmath>
#include <optional>
#include <string>

namespace tarlen {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isPositiveFinite(double value) { return std::isfinite(value) && value > 0; }

struct LinearAxis {
    float value0;
    float value1;
    float position0;
    float position1;
};

// The six single-precision steps as one unit: any division by zero or non-finite step result
// makes the whole value absent.
OptionalReal linearValue(const LinearAxis &axis, float position)
{
    const float dv = axis.value1 - axis.value0;
    const float dp = axis.position1 - axis.position0;
    float t = position - axis.position0;
    if (!std::isfinite(dv) || !std::isfinite(dp) || !std::isfinite(t)) {
        return std::nullopt;
    }
    t = t * dv;
    if (!std::isfinite(t) || dp == 0) {
        return std::nullopt;
    }
    t = t / dp;
    if (!std::isfinite(t)) {
        return std::nullopt;
    }
    const float real = axis.value0 + t;
    if (!std::isfinite(real)) {
        return std::nullopt;
    }
    return RealValue{real, Precision::Single};
}

struct LogarithmicAxis {
    float positionSpan;      // step 1, already formed in single precision
    float positionOffset;    // the difference of step 8, formed in single precision
    std::string_view text1;  // the box of the second reference, read again for val1
    std::string_view text0;  // the box of the first reference, read again for val0
};

// The ten steps in their order, which decides the rounding. Where there is no calibration to
// speak of the value is absent rather than a plausible number: equal or unassigned positions,
// a typed value that is missing, zero, negative or past the double range, two typed values with
// the same logarithm, or a power past the double range.
OptionalReal logarithmicValue(const LogarithmicAxis &axis, char decimalSeparator)
{
    const double dp = axis.positionSpan;
    const double val1 = leadingNumber(axis.text1, decimalSeparator);
    const double val0 = leadingNumber(axis.text0, decimalSeparator);
    if (!std::isfinite(dp) || dp == 0 || !isPositiveFinite(val1) || !isPositiveFinite(val0)) {
        return std::nullopt;
    }
    const double l1 = std::log(val1) / std::log(10.0);
    const double l0 = std::log(val0) / std::log(10.0);
    const double dl = l1 - l0;
    if (dl == 0) {
        return std::nullopt;
    }
    const double perDecade = dp / dl;
    const double e = static_cast<double>(axis.positionOffset) / perDecade;
    const double p = std::pow(10.0, e);
    const double real = val0 * p;
    if (!std::isfinite(e) || !std::isfinite(p) || !std::isfinite(real)) {
        return std::nullopt;
    }
    return RealValue{real, Precision::Double};
}

enum class AxisRule { Linear, Logarithmic };

// The rule a check box value selects: 0 linear, 1 logarithmic, anything else none.
std::optional<AxisRule> axisRuleFromCheckBox(int checkBoxValue)
{
    if (checkBoxValue == 0) {
        return AxisRule::Linear;
    }
    if (checkBoxValue == 1) {
        return AxisRule::Logarithmic;
    }
    return std::nullopt;
}

} // namespace

double leadingNumber(std::string_view text, char decimalSeparator)
{
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact.push_back(c);
        }
    }

    std::size_t at = 0;
    bool negative = false;
    if (at < compact.size() && (compact[at] == '+' || compact[at] == '-')) {
        negative = compact[at] == '-';
        ++at;
    }

    std::string mantissa;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; at < compact.size(); ++at) {
        const char c = compact[at];
        if (isDigit(c)) {
            mantissa.push_back(c);
            seenDigit = true;
        } else if (!seenPoint && (c == '.' || (c == ',' && decimalSeparator == ','))) {
            mantissa.push_back('.');
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return 0.0;
    }

    // An exponent counts only with at least one digit after the letter and its sign.
    long exponent = 0;
    if (at < compact.size()) {
        const char letter = compact[at];
        if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
            std::size_t digitsAt = at + 1;
            bool negativeExponent = false;
            if (digitsAt < compact.size() && (compact[digitsAt] == '+' || compact[digitsAt] == '-')) {
                negativeExponent = compact[digitsAt] == '-';
                ++digitsAt;
            }
            std::size_t afterDigits = digitsAt;
            while (afterDigits < compact.size() && isDigit(compact[afterDigits])) {
                ++afterDigits;
            }
            exponent = detail::cappedExponent(std::string_view(compact).substr(digitsAt, afterDigits - digitsAt));
            if (negativeExponent) {
                exponent = -exponent;
            }
        }
    }

    const double magnitude = detail::decimalMagnitude(mantissa, exponent);
    return negative ? -magnitude : magnitude;
}

void refreshTypedValues(DigitizerState &state, const ReferenceTexts &texts, char decimalSeparator)
{
    state.typedX0 = detail::toSingle(leadingNumber(texts.x0, decimalSeparator));
    state.typedX1 = detail::toSingle(leadingNumber(texts.x1, decimalSeparator));
    state.typedY0 = detail::toSingle(leadingNumber(texts.y0, decimalSeparator));
    state.typedY1 = detail::toSingle(leadingNumber(texts.y1, decimalSeparator));
    state.refX0Value = state.typedX0;
    state.refX1Value = state.typedX1;
    state.refY0Value = state.typedY0;
    state.refY1Value = state.typedY1;
}

RealPoint canvasToReal(DigitizerState &state, const CalibrationInputs &inputs, float x, float y)
{
    refreshTypedValues(state, inputs.texts, inputs.decimalSeparator);

    RealPoint point;
    if (const auto rule = axisRuleFromCheckBox(inputs.xAxisMode)) {
        switch (*rule) {
        case AxisRule::Linear:
            point.x = linearValue({state.refX0Value, state.refX1Value, state.refX0Pos, state.refX1Pos}, x);
            break;
        case AxisRule::Logarithmic:
            point.x = logarithmicValue(
                {state.refX1Pos - state.refX0Pos, x - state.refX0Pos, inputs.texts.x1, inputs.texts.x0},
                inputs.decimalSeparator);
            break;
        }
    }
    if (const auto rule = axisRuleFromCheckBox(inputs.yAxisMode)) {
        switch (*rule) {
        case AxisRule::Linear:
            point.y = linearValue({state.refY0Value, state.refY1Value, state.refY0Pos, state.refY1Pos}, y);
            break;
        case AxisRule::Logarithmic:
            // y grows downwards: both differences are taken the other way round.
            point.y = logarithmicValue(
                {state.refY0Pos - state.refY1Pos, state.refY0Pos - y, inputs.texts.y1, inputs.texts.y0},
                inputs.decimalSeparator);
            break;
        }
    }
    return point;
}

} // namespace tarlen
