#include "core/calibration.h"
#include "core/number_format.h"
#include "core/points_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace tarlen {
namespace {

// The sample graph: x linear 1320 (10) to 6870 (60), y logarithmic 4170 (0.1) to 450 (1e5).
class WorkedExampleTest : public ::testing::Test {
protected:
    WorkedExampleTest()
    {
        state.refX0Pos = 1320;
        state.refX1Pos = 6870;
        state.refY0Pos = 4170;
        state.refY1Pos = 450;
    }

    RealPoint at(float x, float y) { return canvasToReal(state, inputs, x, y); }

    DigitizerState state;
    CalibrationInputs inputs{{"10", "60", "0.1", "1e5"}, 0, 1, ','};
};

TEST_F(WorkedExampleTest, GivesFifteenAndPointOneEightFourFiveSix)
{
    const RealPoint point = at(1875, 4005);
    ASSERT_TRUE(point.x.has_value());
    ASSERT_TRUE(point.y.has_value());
    EXPECT_EQ(*point.x, (RealValue{15.0, Precision::Single}));
    EXPECT_EQ(point.y->precision, Precision::Double);
    EXPECT_NEAR(point.y->value, 0.18456, 5e-6);
}

TEST_F(WorkedExampleTest, RendersWithEachPattern)
{
    struct Row {
        NumberFormatIndex index;
        char separator;
        std::string x;
        std::string y;
    };
    const Row rows[] = {
        {1, ',', "15,0", "0,2"},
        {2, ',', "15,0000", "0,1846"},
        {3, ',', "1,500E+01", "1,846E-01"},
        {1, '.', "15.0", "0.2"},
    };
    const RealPoint point = at(1875, 4005);
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::Message() << "pattern " << row.index << " separator " << row.separator);
        EXPECT_EQ(formatOptionalValue(point.x, row.index, row.separator), row.x);
        EXPECT_EQ(formatOptionalValue(point.y, row.index, row.separator), row.y);
    }
    EXPECT_EQ(pointsRecordText(formatOptionalValue(point.x, 1, ','), formatOptionalValue(point.y, 3, ',')),
              "15,0  1,846E-01\r\n");
}

TEST_F(WorkedExampleTest, PositionOnTheFirstReferenceGivesItsTypedValue)
{
    const RealPoint point = at(1320, 4170);
    ASSERT_TRUE(point.x.has_value());
    ASSERT_TRUE(point.y.has_value());
    EXPECT_EQ(point.x->value, 10.0);
    EXPECT_EQ(point.y->value, 0.1); // val0 itself, in double precision
}

TEST_F(WorkedExampleTest, ReadsTheBoxesAgainAtEveryCall)
{
    EXPECT_EQ(at(1875, 4005).x->value, 15.0);
    inputs.texts.x0 = "20"; // edited between two moves
    EXPECT_EQ(at(1875, 4005).x->value, 24.0); // 20 + 555 × 40 ÷ 5550
    EXPECT_EQ(state.refX0Value, 20.0f);
    inputs.texts.y0 = "1"; // the logarithmic rule reads its boxes itself
    EXPECT_NEAR(at(1875, 4170 - 744).y->value, 10.0, 1e-12); // one decade of 744 twips up
}

TEST(RefreshTypedValuesTest, FillsEachTypedFieldFromItsBoxAndCopiesIt)
{
    DigitizerState state;
    refreshTypedValues(state, {"1.5", "2.5", "3.5", "4.5"}, '.');
    EXPECT_EQ(state.typedX0, 1.5f);
    EXPECT_EQ(state.typedX1, 2.5f);
    EXPECT_EQ(state.typedY0, 3.5f);
    EXPECT_EQ(state.typedY1, 4.5f);
    EXPECT_EQ(state.refX0Value, 1.5f);
    EXPECT_EQ(state.refX1Value, 2.5f);
    EXPECT_EQ(state.refY0Value, 3.5f);
    EXPECT_EQ(state.refY1Value, 4.5f);
}

TEST(RefreshTypedValuesTest, RoundsToSinglePrecision)
{
    struct Row {
        const char *text;
        char separator;
        float expected;
    };
    const Row rows[] = {
        {"0.1", '.', 0.1f},
        {"1e5", '.', 1e5f},
        {"0,1", '.', 0.0f},
        {"0,1", ',', 0.1f},
        {"16777217", '.', 16777216.0f},
        {"1e39", '.', INFINITY},
        {"-1e39", '.', -INFINITY},
        {"3.4028235e38", '.', 3.4028235e38f},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        DigitizerState state;
        refreshTypedValues(state, {"", "", "", row.text}, row.separator);
        EXPECT_EQ(state.typedY1, row.expected);
        EXPECT_EQ(state.refY1Value, row.expected);
    }
}

// One axis of a calibration: the reference texts, positions, the check box and the position.
// The y axis with the same numbers must give the same value: its log rule flips both signs.
struct AxisCase {
    std::string name;
    int mode;
    std::string text0;
    std::string text1;
    float position0;
    float position1;
    float at;
    std::optional<double> expected; // absent: no value
    Precision precision;
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const AxisCase &c, std::ostream *out) { *out << c.name; }

class AxisRuleTest : public ::testing::TestWithParam<AxisCase> {
protected:
    static void expectValue(const OptionalReal &value, const AxisCase &c)
    {
        if (!c.expected) {
            EXPECT_FALSE(value.has_value()) << "value " << value->value;
            return;
        }
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->precision, c.precision);
        if (c.precision == Precision::Single) {
            EXPECT_EQ(value->value, *c.expected);
        } else {
            EXPECT_NEAR(value->value, *c.expected, std::fabs(*c.expected) * 1e-12);
        }
    }
};

TEST_P(AxisRuleTest, XAxis)
{
    const AxisCase &c = GetParam();
    DigitizerState state;
    state.refX0Pos = c.position0;
    state.refX1Pos = c.position1;
    // The other axis holds different numbers, so reading the wrong boxes shows.
    state.refY0Pos = 11;
    state.refY1Pos = 22;
    const CalibrationInputs inputs{{c.text0, c.text1, "7", "700"}, c.mode, 0, '.'};
    expectValue(canvasToReal(state, inputs, c.at, 0).x, c);
}

TEST_P(AxisRuleTest, YAxis)
{
    const AxisCase &c = GetParam();
    DigitizerState state;
    state.refY0Pos = c.position0;
    state.refY1Pos = c.position1;
    state.refX0Pos = 11;
    state.refX1Pos = 22;
    const CalibrationInputs inputs{{"7", "700", c.text0, c.text1}, 0, c.mode, '.'};
    expectValue(canvasToReal(state, inputs, 0, c.at).y, c);
}

constexpr auto S = Precision::Single;
constexpr auto D = Precision::Double;

INSTANTIATE_TEST_SUITE_P(
    Calibrations, AxisRuleTest,
    ::testing::Values(
        // Linear rule.
        AxisCase{"LinearWorkedExample", 0, "10", "60", 1320, 6870, 1875, 15.0, S},
        AxisCase{"LinearOnFirstReference", 0, "10", "60", 1320, 6870, 1320, 10.0, S},
        AxisCase{"LinearDescending", 0, "100", "0", 0, 400, 100, 75.0, S},
        AxisCase{"LinearSinglePrecisionResult", 0, "0", "1", 0, 3, 1, static_cast<double>(1.0f / 3.0f), S},
        AxisCase{"LinearEqualPositions", 0, "1", "2", 500, 500, 700, std::nullopt, S},
        AxisCase{"LinearUnassignedPositions", 0, "1", "2", 0, 0, 700, std::nullopt, S},
        AxisCase{"LinearZeroOverZero", 0, "1", "2", 500, 500, 500, std::nullopt, S},
        AxisCase{"LinearTypedValuePastSingleRange", 0, "1e39", "2", 0, 100, 50, std::nullopt, S},
        AxisCase{"LinearDifferenceOverflows", 0, "-3e38", "3e38", 0, 100, 50, std::nullopt, S},
        // The product overflows in single precision before the division could shrink it.
        AxisCase{"LinearProductOverflows", 0, "0", "3e38", 0, 100, 10, std::nullopt, S},
        // Check box values other than 0 and 1.
        AxisCase{"CheckBoxTwo", 2, "10", "60", 1320, 6870, 1875, std::nullopt, S},
        AxisCase{"CheckBoxMinusOne", -1, "10", "60", 1320, 6870, 1875, std::nullopt, S},
        // Logarithmic rule, calibrated.
        AxisCase{"LogOneDecadePerFiftyTwips", 1, "1", "100", 0, 100, 50, 10.0, D},
        AxisCase{"LogOnFirstReference", 1, "0.1", "1e5", 4170, 450, 4170, 0.1, D},
        AxisCase{"LogTenDecadesPastTheSecondReference", 1, "1", "10", 0, 100, 1000, 1e10, D},
        // Logarithmic rule with no calibration to speak of: no value rather than a plausible one.
        AxisCase{"LogSecondValueZero", 1, "0.01", "0", 0, 100, 50, std::nullopt, D},
        AxisCase{"LogSecondValueNegative", 1, "0.01", "-5", 0, 100, 50, std::nullopt, D},
        AxisCase{"LogSecondValueNoNumber", 1, "0.01", "abc", 0, 100, 50, std::nullopt, D},
        AxisCase{"LogSecondValueEmpty", 1, "0.01", "", 0, 100, 50, std::nullopt, D},
        AxisCase{"LogFirstValueZero", 1, "0", "100", 0, 100, 50, std::nullopt, D},
        AxisCase{"LogFirstValueNegative", 1, "-2", "100", 0, 100, 50, std::nullopt, D},
        AxisCase{"LogFirstValueEmpty", 1, "", "100", 0, 100, 50, std::nullopt, D},
        AxisCase{"LogEqualValues", 1, "5", "5", 0, 100, 73, std::nullopt, D},
        AxisCase{"LogEqualValuesTypedTwoWays", 1, "1e5", "100000.0", 0, 100, 73, std::nullopt, D},
        AxisCase{"LogBothValuesNotPositive", 1, "-4", "0", 0, 100, 73, std::nullopt, D},
        AxisCase{"LogEqualPositions", 1, "2", "200", 300, 300, 1000, std::nullopt, D},
        AxisCase{"LogEqualPositionsOnTheReference", 1, "2", "200", 300, 300, 300, std::nullopt, D},
        AxisCase{"LogUnassignedPositions", 1, "2", "200", 0, 0, 1000, std::nullopt, D},
        AxisCase{"LogPowerPastDoubleRange", 1, "3", "3e300", 0, 1, 2, std::nullopt, D},
        AxisCase{"LogProductPastDoubleRange", 1, "1e300", "1e301", 0, 100, 900, std::nullopt, D},
        AxisCase{"LogSecondValuePastDoubleRange", 1, "0.01", "1e400", 0, 100, 50, std::nullopt, D},
        AxisCase{"LogFirstValuePastDoubleRange", 1, "1e400", "10", 0, 100, 50, std::nullopt, D}),
    [](const ::testing::TestParamInfo<AxisCase> &row) { return row.param.name; });

} // namespace
} // namespace tarlen
