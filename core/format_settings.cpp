#include "core/format_settings.h"

#include "core/decimal_digits.h"
#include "core/text_file.h"

#include <cmath>
#include <limits>

namespace tarlen {

namespace {

// Only the first field counts; a file larger than this is read no further.
constexpr std::size_t kFormatSettingsReadLimit = 4096;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isFieldEnd(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

// The first field: leading blanks, tabs and line ends skipped, up to a blank, comma or line end.
// Absent when the text holds no field at all.
std::optional<std::string_view> firstField(std::string_view text)
{
    const auto start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t end = start;
    while (end < text.size() && !isFieldEnd(text[end])) {
        ++end;
    }
    return text.substr(start, end - start);
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

// The field's value when the whole field is a number: sign, digits, point and fraction, exponent.
std::optional<double> wholeNumber(std::string_view field)
{
    std::size_t at = 0;
    bool negative = false;
    if (at < field.size() && (field[at] == '+' || field[at] == '-')) {
        negative = field[at] == '-';
        ++at;
    }
    const std::size_t numberStart = at;
    std::size_t afterWhole = skipDigits(field, at);
    bool hasDigits = afterWhole > at;
    at = afterWhole;
    if (at < field.size() && field[at] == '.') {
        const std::size_t afterFraction = skipDigits(field, at + 1);
        hasDigits = hasDigits || afterFraction > at + 1;
        at = afterFraction;
    }
    if (!hasDigits) {
        return std::nullopt;
    }
    const std::string_view mantissa = field.substr(numberStart, at - numberStart);
    long exponent = 0;
    if (at < field.size() && (field[at] == 'e' || field[at] == 'E' || field[at] == 'd' || field[at] == 'D')) {
        std::size_t digitsAt = at + 1;
        const bool negativeExponent = digitsAt < field.size() && field[digitsAt] == '-';
        if (digitsAt < field.size() && (field[digitsAt] == '+' || field[digitsAt] == '-')) {
            ++digitsAt;
        }
        const std::size_t afterExponent = skipDigits(field, digitsAt);
        if (afterExponent == digitsAt) {
            return std::nullopt;
        }
        exponent = detail::cappedExponent(field.substr(digitsAt, afterExponent - digitsAt));
        if (negativeExponent) {
            exponent = -exponent;
        }
        at = afterExponent;
    }
    if (at != field.size()) {
        return std::nullopt;
    }
    const double magnitude = detail::decimalMagnitude(mantissa, exponent);
    return negative ? -magnitude : magnitude;
}

// Nearest integer, halves to the even neighbour.
double roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace

std::string formatSettingsText(NumberFormatIndex index)
{
    // The sign position holds a blank for a number that is not negative.
    std::string text = index < 0 ? "" : " ";
    text += std::to_string(index);
    text += " \r\n";
    return text;
}

IoStatus saveFormatSetting(const std::string &path, NumberFormatIndex index)
{
    return detail::replaceFileBytes(path, formatSettingsText(index));
}

NumberFormatIndex readFormatSetting(const std::optional<std::string> &contents, NumberFormatIndex previous)
{
    if (!contents) {
        return 0;
    }
    const auto field = firstField(*contents);
    if (!field) {
        return 0;
    }
    const auto number = wholeNumber(*field);
    if (!number) {
        return previous;
    }
    const double rounded = roundHalfToEven(*number);
    if (!(rounded >= std::numeric_limits<NumberFormatIndex>::min() &&
          rounded <= std::numeric_limits<NumberFormatIndex>::max())) {
        return previous;
    }
    return static_cast<NumberFormatIndex>(rounded);
}

NumberFormatIndex loadFormatSetting(const std::string &path, NumberFormatIndex previous)
{
    detail::FileText file = detail::readRegularFile(path, kFormatSettingsReadLimit);
    if (!file.status) {
        return readFormatSetting(std::nullopt, previous);
    }
    return readFormatSetting(std::move(file.text), previous);
}

} // namespace tarlen
