// The number-to-text rule of every value, and the leading-number reading of texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/live/Numbers.h"

using namespace montira;

TEST(FormatOneDecimal, cutsToOneDecimalWithAPoint) {
    EXPECT_EQ(FormatOneDecimal(7), "7.0");
    EXPECT_EQ(FormatOneDecimal(100), "100.0");
    EXPECT_EQ(FormatOneDecimal(0.05), "0.0");
    EXPECT_EQ(FormatOneDecimal(23.99), "23.9");
    EXPECT_EQ(FormatOneDecimal(23.46), "23.4");
    EXPECT_EQ(FormatOneDecimal(-3.25), "-3.2");
    EXPECT_EQ(FormatOneDecimal(0), "0.0");
    EXPECT_EQ(FormatOneDecimal(-0.0), "0.0");
}

TEST(FormatOneDecimal, usesFifteenSignificantDigitsNotShortestRoundTrip) {
    // 0.7 × 15.42 + 0.3 × 20.02 is 16.799999999999997 in doubles; the classic conversion
    // writes it as 16.8.
    EXPECT_EQ(FormatOneDecimal(0.7 * (1542 * 0.01) + 0.3 * (2002 * 0.01)), "16.8");
    EXPECT_EQ(FormatOneDecimal(23.499999999999996), "23.5");
    EXPECT_EQ(FormatOneDecimal(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatOneDecimal(23.4999999), "23.4");  // well inside 15 digits: still cut
}

TEST(FormatOneDecimal, neverLetsAnExponentIntoTheText) {
    EXPECT_EQ(FormatOneDecimal(1e-16), "0.0");
    EXPECT_EQ(FormatOneDecimal(-1e-16), "-0.0");
    EXPECT_EQ(FormatOneDecimal(1e-300), "0.0");
    EXPECT_EQ(FormatOneDecimal(0.00001), "0.0");
    EXPECT_EQ(FormatOneDecimal(1e20), "100000000000000000000.0");
    EXPECT_EQ(FormatOneDecimal(123456789012345678.0), "123456789012346000.0");
    for (double x : {1e-16, 3e-7, 2.5e15, 7e22, -4e-9})
        EXPECT_FALSE(FormatOneDecimal(x).contains('e', Qt::CaseInsensitive)) << x;
}

TEST(FormatOneDecimal, nonFiniteIsTheInvalidMarker) {
    EXPECT_EQ(FormatOneDecimal(std::numeric_limits<double>::quiet_NaN()), "- - -");
    EXPECT_EQ(FormatOneDecimal(std::numeric_limits<double>::infinity()), "- - -");
}

TEST(LeadingNumber, readsTheNumberAtTheStartOfTheText) {
    EXPECT_DOUBLE_EQ(LeadingNumber("23.4"), 23.4);
    EXPECT_DOUBLE_EQ(LeadingNumber("  -3.2 °C"), -3.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(".25x"), 0.25);
    EXPECT_DOUBLE_EQ(LeadingNumber("12."), 12.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1E3"), 1000.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("7e"), 7.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("23,4"), 23.0);  // the point is the only separator
}

TEST(LeadingNumber, textWithoutANumberReadsZero) {
    EXPECT_EQ(LeadingNumber("- - -"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("1e999"), 0.0);  // no infinity comes out of a text
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
