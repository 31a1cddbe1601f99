#include "core/general_number_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tarlen {
namespace {

struct GeneralCase {
    std::string name;
    float value;
    char separator;
    std::string expected;
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const GeneralCase &c, std::ostream *out) { *out << c.name; }

class GeneralNumberTextTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralNumberTextTest, WritesAtMostSevenSignificantDigits)
{
    const GeneralCase &c = GetParam();
    EXPECT_EQ(generalNumberText(c.value, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralNumberTextTest,
    ::testing::Values(GeneralCase{"Integer", 1875.0f, ',', "1875"},
                      GeneralCase{"Fraction", 1875.5f, ',', "1875,5"},
                      GeneralCase{"BelowOne", 0.5f, ',', "0,5"},
                      GeneralCase{"NegativeFullStop", -12.25f, '.', "-12.25"},
                      GeneralCase{"SevenDigitsHideFloatNoise", 123.456f, '.', "123.456"},
                      GeneralCase{"OneTenth", 0.1f, '.', "0.1"},
                      GeneralCase{"Third", 1.0f / 3.0f, '.', "0.3333333"},
                      GeneralCase{"RoundingCarries", 99999.997f, '.', "100000"},
                      GeneralCase{"TrailingZerosOfInteger", 2000000.0f, '.', "2000000"},
                      GeneralCase{"LargestPlain", 9999999.0f, '.', "9999999"},
                      GeneralCase{"TenMillion", 1e7f, '.', "1E+07"},
                      GeneralCase{"LargeRounded", 12345678.0f, ',', "1,234568E+07"},
                      GeneralCase{"LargestFloat", 3e38f, '.', "3E+38"},
                      GeneralCase{"SmallestPlain", 1e-5f, ',', "0,00001"},
                      GeneralCase{"SmallPlainDigits", 0.0001234f, '.', "0.0001234"},
                      GeneralCase{"Small", 1.5e-6f, ',', "1,5E-06"},
                      GeneralCase{"SubnormalStillSevenDigits", 1e-40f, '.', "9.999946E-41"},
                      GeneralCase{"Zero", 0.0f, '.', "0"},
                      GeneralCase{"NegativeZero", -0.0f, '.', "0"}),
    [](const ::testing::TestParamInfo<GeneralCase> &row) { return row.param.name; });

} // namespace
} // namespace tarlen
