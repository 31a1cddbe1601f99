#include "core/calibration.h"

#include "core/decimal_digits.h"
#include "core/single_precision.h"

#include <cmath>
#include <optional>
#include <string>

namespace tarlen {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A step result of the logarithmic rule: absent when the step failed.
using Step = std::optional<double>;

double orZero(Step step) { return step.value_or(0.0); }

Step finiteOrAbsent(double value) { return std::isfinite(value) ? Step(value) : std::nullopt; }

// Base-10 logarithm as ln(v) ÷ ln(10); fails for an absent value or one that is not positive.
Step logStep(Step value)
{
    if (!value || *value <= 0) {
        return std::nullopt;
    }
    return finiteOrAbsent(std::log(*value) / std::log(10.0));
}

// Fails for an absent or zero divisor.
Step divideStep(double numerator, Step divisor)
{
    if (!divisor || *divisor == 0) {
        return std::nullopt;
    }
    return finiteOrAbsent(numerator / *divisor);
}

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

// The ten steps, each on its own: a failed step leaves its result absent and the next one runs.
OptionalReal logarithmicValue(const LogarithmicAxis &axis, char decimalSeparator)
{
    const Step dp = finiteOrAbsent(axis.positionSpan);
    const Step val1 = finiteOrAbsent(leadingNumber(axis.text1, decimalSeparator));
    const Step val0 = finiteOrAbsent(leadingNumber(axis.text0, decimalSeparator));
    const Step l1 = logStep(val1);
    const Step l0 = logStep(val0);
    const Step dl = finiteOrAbsent(orZero(l1) - orZero(l0));
    const Step perDecade = divideStep(orZero(dp), dl);
    const Step e = std::isfinite(axis.positionOffset)
                       ? divideStep(static_cast<double>(axis.positionOffset), perDecade)
                       : std::nullopt;
    const Step p = finiteOrAbsent(std::pow(10.0, orZero(e)));
    const Step real = finiteOrAbsent(orZero(val0) * orZero(p));
    if (!real) {
        return std::nullopt;
    }
    return RealValue{*real, Precision::Double};
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
