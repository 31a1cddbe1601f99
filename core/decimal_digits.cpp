#include "core/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string_view>
#include <system_error>

namespace tarlen::detail {

namespace {

void dropTrailingZeros(DecimalDigits &number)
{
    const auto last = number.digits.find_last_not_of('0');
    if (last == std::string::npos) {
        number = DecimalDigits{}; // zero carries no sign
    } else {
        number.digits.erase(last + 1);
    }
}

// Reads the scientific text of std::to_chars: "-d.ddde+xx" or "de-xx".
DecimalDigits fromScientificText(std::string_view text)
{
    DecimalDigits number;
    std::size_t at = 0;
    if (text[at] == '-') {
        number.negative = true;
        ++at;
    }
    number.digits.clear();
    for (; at < text.size() && text[at] != 'e'; ++at) {
        if (text[at] != '.') {
            number.digits.push_back(text[at]);
        }
    }
    ++at; // the 'e'
    if (text[at] == '+') {
        ++at;
    }
    int exponent = 0;
    std::from_chars(text.data() + at, text.data() + text.size(), exponent);
    number.exponent = exponent;
    dropTrailingZeros(number);
    return number;
}

template <typename Number> DecimalDigits shortestOf(Number value)
{
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    return fromScientificText(
        std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
}

} // namespace

DecimalDigits shortestDigits(float value) { return shortestOf(value); }

DecimalDigits shortestDigits(double value) { return shortestOf(value); }

DecimalDigits significantDigits(float value, int significant)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, significant - 1);
    return fromScientificText(
        std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
}

DecimalDigits roundHalfAwayFromZero(const DecimalDigits &number, int count)
{
    if (count >= static_cast<int>(number.digits.size())) {
        return number;
    }
    if (count < 0) {
        return DecimalDigits{}; // every kept place lies above the first digit: the value rounds to zero
    }
    const auto kept = static_cast<std::size_t>(count);
    const bool up = number.digits[kept] >= '5';
    std::string digits = number.digits.substr(0, kept);
    int exponent = number.exponent;
    if (up) {
        std::size_t place = kept;
        while (place > 0 && digits[place - 1] == '9') {
            digits[place - 1] = '0';
            --place;
        }
        if (place == 0) {
            // All kept digits were nines (or none was kept): the carry leaves a 1 one place higher.
            digits.assign(1, '1');
            ++exponent;
        } else {
            ++digits[place - 1];
        }
    }
    if (digits.empty()) {
        return DecimalDigits{};
    }
    DecimalDigits rounded{number.negative, std::move(digits), exponent};
    dropTrailingZeros(rounded);
    return rounded;
}

double decimalMagnitude(std::string_view mantissa, long exponent)
{
    const auto point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    std::string canonical = "0";
    canonical.append(whole);
    canonical.push_back('.');
    canonical.append(fraction);
    canonical += "0e" + std::to_string(exponent);

    double magnitude = 0.0;
    const auto result =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), magnitude, std::chars_format::general);
    if (result.ec != std::errc::result_out_of_range) {
        return magnitude;
    }
    // Out of range: the power of ten of the first non-zero digit tells too large from too small.
    long firstDigitPower = 0;
    if (const auto first = whole.find_first_not_of('0'); first != std::string_view::npos) {
        firstDigitPower = static_cast<long>(whole.size() - first) - 1 + exponent;
    } else if (const auto firstFraction = fraction.find_first_not_of('0'); firstFraction != std::string_view::npos) {
        firstDigitPower = exponent - static_cast<long>(firstFraction) - 1;
    } else {
        return 0.0;
    }
    return firstDigitPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

long cappedExponent(std::string_view digits)
{
    constexpr long kCap = 1'000'000;
    long value = 0;
    for (const char c : digits) {
        value = std::min(kCap, value * 10 + (c - '0'));
    }
    return value;
}

} // namespace tarlen::detail
