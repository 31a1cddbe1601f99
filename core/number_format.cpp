#include "core/number_format.h"

#include "core/decimal_digits.h"
#include "core/single_precision.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace tarlen {

namespace {

enum class Pattern { OneDecimal, FourDecimals, Scientific };

std::optional<Pattern> patternOf(NumberFormatIndex index)
{
    switch (index) {
    case 1:
        return Pattern::OneDecimal;
    case 2:
        return Pattern::FourDecimals;
    case 3:
        return Pattern::Scientific;
    default:
        return std::nullopt;
    }
}

// The digit at place 10^power of the number, '0' where the digit string has none.
char digitAtPower(const detail::DecimalDigits &number, int power)
{
    const int index = number.exponent - power;
    if (index < 0 || index >= static_cast<int>(number.digits.size())) {
        return '0';
    }
    return number.digits[static_cast<std::size_t>(index)];
}

std::string fixedText(const detail::DecimalDigits &value, int decimals, char decimalSeparator)
{
    const detail::DecimalDigits rounded = detail::roundHalfAwayFromZero(value, value.exponent + 1 + decimals);
    std::string text = rounded.negative ? "-" : "";
    if (rounded.exponent < 0) {
        text.push_back('0');
    } else {
        for (int power = rounded.exponent; power >= 0; --power) {
            text.push_back(digitAtPower(rounded, power));
        }
    }
    text.push_back(decimalSeparator);
    for (int power = -1; power >= -decimals; --power) {
        text.push_back(digitAtPower(rounded, power));
    }
    return text;
}

std::string scientificText(const detail::DecimalDigits &value, char decimalSeparator)
{
    constexpr int kMantissaDecimals = 3;
    const detail::DecimalDigits rounded = detail::roundHalfAwayFromZero(value, 1 + kMantissaDecimals);
    std::string text = rounded.negative ? "-" : "";
    text.push_back(rounded.digits[0]);
    text.push_back(decimalSeparator);
    for (std::size_t place = 1; place <= kMantissaDecimals; ++place) {
        text.push_back(place < rounded.digits.size() ? rounded.digits[place] : '0');
    }
    text += rounded.exponent < 0 ? "E-" : "E+";
    const std::string exponentDigits = std::to_string(std::abs(rounded.exponent));
    if (exponentDigits.size() < 2) {
        text.push_back('0');
    }
    text += exponentDigits;
    return text;
}

} // namespace

std::string formatValue(RealValue value, NumberFormatIndex index, char decimalSeparator)
{
    const auto pattern = patternOf(index);
    if (!pattern) {
        return {};
    }
    if (!std::isfinite(value.value)) {
        return std::string(kAbsentValueText); // nothing a pattern can show
    }
    // The shortest decimal text that identifies the number at its own precision is what gets rounded.
    detail::DecimalDigits digits;
    switch (value.precision) {
    case Precision::Single:
        digits = detail::shortestDigits(detail::toSingle(value.value));
        break;
    case Precision::Double:
        digits = detail::shortestDigits(value.value);
        break;
    }
    switch (*pattern) {
    case Pattern::OneDecimal:
        return fixedText(digits, 1, decimalSeparator);
    case Pattern::FourDecimals:
        return fixedText(digits, 4, decimalSeparator);
    case Pattern::Scientific:
        return scientificText(digits, decimalSeparator);
    }
    return {};
}

std::string formatOptionalValue(const OptionalReal &value, NumberFormatIndex index, char decimalSeparator)
{
    if (!value) {
        return std::string(kAbsentValueText);
    }
    return formatValue(*value, index, decimalSeparator);
}

NumberFormatIndex indexFromOptions(bool first, bool second, bool third, NumberFormatIndex previous)
{
    NumberFormatIndex index = previous;
    if (first) {
        index = 1;
    }
    if (second) {
        index = 2;
    }
    if (third) {
        index = 3;
    }
    return index;
}

} // namespace tarlen
