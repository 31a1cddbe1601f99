#include "core/general_number_text.h"

#include "core/decimal_digits.h"

#include <cmath>
#include <cstdlib>

namespace tarlen {

namespace {

constexpr int kSignificantDigits = 7;

// Decimal exponents written in plain digits; outside this range (values of 1e7 and more, or
// below 1e-5 after rounding to 7 digits) the text takes the form 1.234568E+07.
constexpr int kLargestPlainExponent = 6;
constexpr int kSmallestPlainExponent = -5;

} // namespace

std::string generalNumberText(float value, char decimalSeparator)
{
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : "Inf";
    }
    const detail::DecimalDigits number = detail::significantDigits(value, kSignificantDigits);
    std::string text = number.negative ? "-" : "";
    const std::string &digits = number.digits;
    const int exponent = number.exponent;
    const int digitCount = static_cast<int>(digits.size());

    if (exponent > kLargestPlainExponent || exponent < kSmallestPlainExponent) {
        text.push_back(digits[0]);
        if (digitCount > 1) {
            text.push_back(decimalSeparator);
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        if (exponentDigits.size() < 2) {
            text.push_back('0');
        }
        return text + exponentDigits;
    }

    if (exponent < 0) {
        // 0.000ddd: a zero before the separator, then the zeros after it.
        text.push_back('0');
        text.push_back(decimalSeparator);
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        return text + digits;
    }
    const int wholeCount = exponent + 1;
    if (digitCount <= wholeCount) {
        text += digits;
        return text.append(static_cast<std::size_t>(wholeCount - digitCount), '0');
    }
    text.append(digits, 0, static_cast<std::size_t>(wholeCount));
    text.push_back(decimalSeparator);
    return text.append(digits, static_cast<std::size_t>(wholeCount));
}

} // namespace tarlen
