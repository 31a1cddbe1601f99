#pragma once

#include <string>
#include <string_view>

namespace tarlen::detail {

// A finite number as sign, decimal digits d1 d2 ... dn and the power of ten of d1:
// value = d1.d2...dn × 10^exponent. Zero is the single digit "0" with exponent 0.
struct DecimalDigits {
    bool negative = false;
    std::string digits = "0";
    int exponent = 0;

    bool isZero() const { return digits == "0"; }
};

// The shortest digits that read back as the same float or double (finite values only).
DecimalDigits shortestDigits(float value);
DecimalDigits shortestDigits(double value);

// The float rounded to `significant` digits (nearest, ties to even on the exact binary value),
// trailing zeros dropped.
DecimalDigits significantDigits(float value, int significant);

// Keeps the first `count` digits (count may be zero or negative) and rounds the dropped ones
// half away from zero; a carry past the first digit raises the exponent. Trailing zeros dropped.
DecimalDigits roundHalfAwayFromZero(const DecimalDigits &number, int count);

// The value of "digits[.digits]" (either part may be empty) × 10^exponent, correctly rounded;
// an infinity past the double range and 0 below it.
double decimalMagnitude(std::string_view mantissa, long exponent);

// The value of a run of exponent digits, capped where every typed mantissa is out of range.
long cappedExponent(std::string_view digits);

} // namespace tarlen::detail
