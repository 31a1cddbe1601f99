#include "core/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace tarlen {
namespace {

struct FormatCase {
    std::string name;
    RealValue value;
    NumberFormatIndex index;
    char separator;
    std::string expected;
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const FormatCase &c, std::ostream *out) { *out << c.name; }

class FormatValueTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, RendersThePattern)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(formatValue(c.value, c.index, c.separator), c.expected);
}

RealValue single(float value) { return {value, Precision::Single}; }
RealValue dbl(double value) { return {value, Precision::Double}; }

INSTANTIATE_TEST_SUITE_P(
    OneDecimal, FormatValueTest,
    ::testing::Values(
        FormatCase{"Rounds", dbl(1234.56), 1, '.', "1234.6"},
        FormatCase{"RoundsSingle", single(1234.56f), 1, '.', "1234.6"},
        FormatCase{"SmallRoundsToZero", dbl(0.04), 1, '.', "0.0"},
        FormatCase{"Negative", dbl(-2.5), 1, '.', "-2.5"},
        FormatCase{"HalfGoesUp", dbl(0.05), 1, '.', "0.1"},
        FormatCase{"HalfGoesUpSingle", single(0.05f), 1, '.', "0.1"},
        FormatCase{"HalfAwayNotToEven", dbl(2.25), 1, '.', "2.3"},
        FormatCase{"NegativeHalfAway", dbl(-2.25), 1, '.', "-2.3"},
        // The float nearest 2.35 lies below it, but its own shortest text is 2.35.
        FormatCase{"SingleRoundsItsShortestText", single(2.35f), 1, '.', "2.4"},
        FormatCase{"SameNumberAsDoubleRoundsDown", dbl(static_cast<double>(2.35f)), 1, '.', "2.3"},
        FormatCase{"CarryIntoNewDigit", dbl(999.96), 1, '.', "1000.0"},
        FormatCase{"NegativeRoundingToZeroHasNoSign", dbl(-0.04), 1, '.', "0.0"},
        FormatCase{"NegativeZero", dbl(-0.0), 1, '.', "0.0"},
        FormatCase{"NegativeZeroSingle", single(-0.0f), 1, '.', "0.0"},
        FormatCase{"Zero", dbl(0.0), 1, '.', "0.0"},
        FormatCase{"CommaSeparator", single(15.0f), 1, ',', "15,0"},
        FormatCase{"CommaSeparatorBelowOne", dbl(0.2), 1, ',', "0,2"},
        FormatCase{"NoGrouping", dbl(1234567.0), 1, ',', "1234567,0"},
        FormatCase{"LargeSingleFullDigits", single(16777216.0f), 1, '.', "16777216.0"},
        FormatCase{"HugeSingleFullDigits", single(3e38f), 1, '.', "3" + std::string(38, '0') + ".0"},
        FormatCase{"TinyDouble", dbl(1e-300), 1, '.', "0.0"}),
    [](const ::testing::TestParamInfo<FormatCase> &row) { return row.param.name; });

INSTANTIATE_TEST_SUITE_P(
    FourDecimals, FormatValueTest,
    ::testing::Values(
        FormatCase{"WholeNumber", dbl(250.0), 2, '.', "250.0000"},
        FormatCase{"SingleShowsItsOwnDigits", single(0.1f), 2, '.', "0.1000"},
        FormatCase{"HalfGoesUp", dbl(0.00005), 2, '.', "0.0001"},
        FormatCase{"BelowHalfGoesDown", dbl(0.00004999), 2, '.', "0.0000"},
        FormatCase{"CarryThroughNines", dbl(99999.99995), 2, '.', "100000.0000"},
        FormatCase{"NegativeRoundingToZeroHasNoSign", dbl(-0.00004), 2, ',', "0,0000"},
        FormatCase{"Negative", single(-12.34567f), 2, ',', "-12,3457"}),
    [](const ::testing::TestParamInfo<FormatCase> &row) { return row.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Scientific, FormatValueTest,
    ::testing::Values(
        FormatCase{"Thousands", dbl(1234.7), 3, '.', "1.235E+03"},
        FormatCase{"SmallValue", dbl(0.000123), 3, '.', "1.230E-04"},
        FormatCase{"Negative", dbl(-45.0), 3, '.', "-4.500E+01"},
        FormatCase{"One", dbl(1.0), 3, '.', "1.000E+00"},
        FormatCase{"Zero", dbl(0.0), 3, '.', "0.000E+00"},
        FormatCase{"NegativeZero", single(-0.0f), 3, '.', "0.000E+00"},
        FormatCase{"CarryIntoExponent", dbl(9.9996), 3, '.', "1.000E+01"},
        FormatCase{"CarryIntoNegativeExponent", dbl(0.00099996), 3, '.', "1.000E-03"},
        FormatCase{"HalfAwayNotToEven", dbl(12345.0), 3, '.', "1.235E+04"},
        FormatCase{"ThreeDigitExponent", dbl(1e100), 3, '.', "1.000E+100"},
        FormatCase{"ThreeDigitNegativeExponent", dbl(1.5e-300), 3, '.', "1.500E-300"},
        FormatCase{"SingleShortestText", single(2.35f), 3, '.', "2.350E+00"},
        FormatCase{"CommaSeparatorOnly", dbl(0.18456), 3, ',', "1,846E-01"}),
    [](const ::testing::TestParamInfo<FormatCase> &row) { return row.param.name; });

INSTANTIATE_TEST_SUITE_P(
    NoPattern, FormatValueTest,
    ::testing::Values(FormatCase{"IndexZero", dbl(1.5), 0, '.', ""},
                      FormatCase{"IndexFour", dbl(1.5), 4, '.', ""},
                      FormatCase{"IndexNegative", dbl(1.5), -1, '.', ""},
                      FormatCase{"NotFinite", dbl(std::numeric_limits<double>::infinity()), 1, '.', "NaN"}),
    [](const ::testing::TestParamInfo<FormatCase> &row) { return row.param.name; });

TEST(FormatOptionalValueTest, AbsentGivesTheAbsentText)
{
    EXPECT_EQ(formatOptionalValue(std::nullopt, 1, ','), kAbsentValueText);
    EXPECT_EQ(formatOptionalValue(std::nullopt, 3, '.'), kAbsentValueText);
    EXPECT_EQ(formatOptionalValue(RealValue{0.0, Precision::Double}, 1, ','), "0,0");
}

TEST(IndexFromOptionsTest, TakesTheLastSelectedPositionOrKeepsThePrevious)
{
    struct Row {
        bool first;
        bool second;
        bool third;
        NumberFormatIndex previous;
        NumberFormatIndex expected;
    };
    const Row rows[] = {
        {true, false, false, 0, 1},  {false, true, false, 0, 2}, {false, false, true, 2, 3},
        {false, false, false, 7, 7}, {false, false, false, 0, 0}, {true, true, false, 0, 2},
        {true, true, true, 0, 3},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(indexFromOptions(row.first, row.second, row.third, row.previous), row.expected)
            << row.first << row.second << row.third << " previous " << row.previous;
    }
}

} // namespace
} // namespace tarlen
