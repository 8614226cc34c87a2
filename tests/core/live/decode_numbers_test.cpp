// The number-to-text rule of every value, and the leading-number reading of texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/live/Numbers.h"

using namespace montira;

TEST(FormatOneDecimal, cutsAtFifteenDigitsWithoutExponentAndMarksNonFinite) {
    // 0.7 × 15.42 + 0.3 × 20.02 is 16.799999999999997 in doubles; the classic conversion
    // (15 significant digits, not shortest round trip) writes it as 16.8.
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {7, "7.0"},
        {0.05, "0.0"},
        {23.99, "23.9"},
        {-3.25, "-3.2"},
        {-0.0, "0.0"},
        {0.7 * (1542 * 0.01) + 0.3 * (2002 * 0.01), "16.8"},
        {23.499999999999996, "23.5"},
        {23.4999999, "23.4"},  // well inside 15 digits: still cut
        {1e-16, "0.0"},
        {-1e-16, "-0.0"},
        {1e-300, "0.0"},
        {1e20, "100000000000000000000.0"},
        {123456789012345678.0, "123456789012346000.0"},
        {std::numeric_limits<double>::quiet_NaN(), "- - -"},
        {std::numeric_limits<double>::infinity(), "- - -"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatOneDecimal(c.x), c.text) << c.x;
    for (double x : {3e-7, 2.5e15, 7e22, -4e-9})
        EXPECT_FALSE(FormatOneDecimal(x).contains('e', Qt::CaseInsensitive)) << x;
}

TEST(LeadingNumber, readsTheNumberAtTheStartOfTheTextElseZero) {
    // The point is the only separator; no infinity comes out of a text.
    const struct {
        const char* text;
        double value;
    } cases[] = {{"  -3.2 °C", -3.2}, {"-.5", -0.5},  {"12.", 12.0},  {"1E3", 1000.0},
                 {"7e", 7.0},         {"1.2.3", 1.2}, {"23,4", 23.0}, {"- - -", 0.0},
                 {"", 0.0},           {"1e999", 0.0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(TruncAndWhole, cutTowardZeroAndNeverConvertWhatDoesNotFit) {
    EXPECT_DOUBLE_EQ(TruncTo(3.256, 2), 3.25);
    EXPECT_DOUBLE_EQ(TruncTo(-3.256, 2), -3.25);
    EXPECT_DOUBLE_EQ(TruncTo(-4.93, 1), -4.9);
    EXPECT_EQ(SafeWhole(984.25), 984);
    EXPECT_EQ(SafeWhole(-2.9), -2);
    EXPECT_EQ(SafeWhole(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(SafeWhole(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(SafeWhole(1e300), 0);
    EXPECT_EQ(SafeWhole(-1e300), 0);
}
