#include "core/calibration.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace tarlen {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct LeadingNumberCase {
    std::string name;
    std::string text;
    char separator;
    double expected;
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const LeadingNumberCase &c, std::ostream *out) { *out << c.name; }

class LeadingNumberTest : public ::testing::TestWithParam<LeadingNumberCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber)
{
    const LeadingNumberCase &c = GetParam();
    EXPECT_EQ(leadingNumber(c.text, c.separator), c.expected) << '"' << c.text << "\" with '" << c.separator << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(
        LeadingNumberCase{"ExponentUnderPoint", "1e5", '.', 1e5},
        LeadingNumberCase{"ExponentUnderComma", "1e5", ',', 1e5},
        LeadingNumberCase{"FullStopUnderPoint", "0.1", '.', 0.1},
        LeadingNumberCase{"FullStopUnderComma", "0.1", ',', 0.1},
        LeadingNumberCase{"CommaUnderPointStops", "0,1", '.', 0.0},
        LeadingNumberCase{"CommaUnderCommaIsDecimal", "0,1", ',', 0.1},
        LeadingNumberCase{"OneCommaFiveUnderComma", "1,5", ',', 1.5},
        LeadingNumberCase{"OneCommaFiveUnderPoint", "1,5", '.', 1.0},
        LeadingNumberCase{"ThousandsCommaUnderPoint", "1,000", '.', 1.0},
        LeadingNumberCase{"ThousandsCommaUnderComma", "1,000", ',', 1.0},
        LeadingNumberCase{"SecondDecimalPointStops", "1.5,3", ',', 1.5},
        LeadingNumberCase{"SecondFullStopStops", "1.2.3", '.', 1.2},
        LeadingNumberCase{"InnerBlankIgnored", "12 5", '.', 125.0},
        LeadingNumberCase{"InnerBlankIgnoredUnderComma", "12 5", ',', 125.0},
        LeadingNumberCase{"TabsAndLineFeedsIgnored", "\t1\n2 . 5", '.', 12.5},
        LeadingNumberCase{"BlankAfterSign", " - 4", '.', -4.0},
        LeadingNumberCase{"PlusSign", "+7", '.', 7.0},
        LeadingNumberCase{"NegativeWithExponent", "-2.5e-3", '.', -2.5e-3},
        LeadingNumberCase{"UpperCaseD", "1D3", '.', 1000.0},
        LeadingNumberCase{"LowerCaseDNegative", "4d-2", '.', 0.04},
        LeadingNumberCase{"UpperCaseEPlus", "2E+2", '.', 200.0},
        LeadingNumberCase{"ExponentLetterWithoutDigits", "1e", '.', 1.0},
        LeadingNumberCase{"ExponentSignWithoutDigits", "1e+", '.', 1.0},
        LeadingNumberCase{"ExponentWithBlanks", "1 e 2", '.', 100.0},
        LeadingNumberCase{"LeadingPoint", ".5", '.', 0.5},
        LeadingNumberCase{"LeadingComma", ",5", ',', 0.5},
        LeadingNumberCase{"TrailingPoint", "5.", '.', 5.0},
        LeadingNumberCase{"TrailingLetters", "12abc", '.', 12.0},
        LeadingNumberCase{"TextAfterExponent", "3e2x5", '.', 300.0},
        LeadingNumberCase{"CarriageReturnStops", "1\r2", '.', 1.0},
        LeadingNumberCase{"Empty", "", '.', 0.0},
        LeadingNumberCase{"Word", "abc", '.', 0.0},
        LeadingNumberCase{"SignOnly", "-", '.', 0.0},
        LeadingNumberCase{"PointOnly", ".", '.', 0.0},
        LeadingNumberCase{"ExponentWithoutMantissa", "e5", '.', 0.0},
        LeadingNumberCase{"PastDoubleRange", "1e400", '.', kInfinity},
        LeadingNumberCase{"PastDoubleRangeNegative", "-1e400", '.', -kInfinity},
        LeadingNumberCase{"ManyDigitsPastRange", std::string(400, '9'), '.', kInfinity},
        LeadingNumberCase{"HugeExponentDigits", "1e99999999999999999999", '.', kInfinity},
        LeadingNumberCase{"BelowDoubleRange", "1e-400", '.', 0.0},
        LeadingNumberCase{"SmallMantissaLargeExponent", "0.000001e310", '.', 1e304}),
    [](const ::testing::TestParamInfo<LeadingNumberCase> &row) { return row.param.name; });

} // namespace
} // namespace tarlen
