#include <gtest/gtest.h>

#include <limits>

#include "core/meter/Numbers.h"

using namespace montira;

TEST(FormatOneDecimal, cutsAtFifteenDigitsWithoutExponentAndMarksNonFinite) {
    const std::pair<double, const char*> cases[] = {
        {7, "7.0"},
        {23.99, "23.9"},
        {-3.25, "-3.2"},
        {-0.0, "0.0"},
        {0.7 * (1542 * 0.01) + 0.3 * (2002 * 0.01), "16.8"},  // 16.799999999999997
        {23.499999999999996, "23.5"},
        {1e-16, "0.0"},
        {-1e-16, "-0.0"},
        {1e20, "100000000000000000000.0"},
        {123456789012345678.0, "123456789012346000.0"},
        {std::numeric_limits<double>::quiet_NaN(), "- - -"},
    };
    for (const auto& [x, text] : cases) EXPECT_EQ(FormatOneDecimal(x), text) << x;
    for (double x : {3e-7, 7e22, -4e-9})
        EXPECT_FALSE(FormatOneDecimal(x).contains('e', Qt::CaseInsensitive)) << x;
}

TEST(LeadingNumber, readsTheNumberAtTheStartOfTheTextElseZero) {
    const std::pair<const char*, double> cases[] = {
        {"  -3.2 °C", -3.2}, {"-.5", -0.5},  {"1E3", 1000.0}, {"7e", 7.0},
        {"1.2.3", 1.2},      {"23,4", 23.0}, {"- - -", 0.0},  {"1e999", 0.0}};
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
}

TEST(TruncAndWhole, cutTowardZeroAndNeverConvertWhatDoesNotFit) {
    EXPECT_DOUBLE_EQ(TruncTo(-3.256, 2), -3.25);
    EXPECT_DOUBLE_EQ(TruncTo(-4.93, 1), -4.9);
    EXPECT_EQ(SafeWhole(-2.9), -2);
    for (double x : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300})
        EXPECT_EQ(SafeWhole(x), 0) << x;
}
