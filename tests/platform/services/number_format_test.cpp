#include "platform/services/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using kis::services::CompareCents;
using kis::services::FormatNumber;
using kis::services::RoundCents;
using kis::services::RoundHalfEven;
using kis::services::ToCents;

TEST(FormatNumberTest, GermanAmountsInGrids) {
    EXPECT_EQ(FormatNumber("%9.2n", 1234.5L), " 1.234,50");
    EXPECT_EQ(FormatNumber("%9.2n", -1234.5L), "-1.234,50");
    EXPECT_EQ(FormatNumber("%9.2n", 0), "     0,00");
    EXPECT_EQ(FormatNumber("%9.2n", 999.0L), "   999,00");
    EXPECT_EQ(FormatNumber("%9.2n", 1234567.891L), "1.234.567,89");
    EXPECT_EQ(FormatNumber("%7.2n", 12.3L), "  12,30");
    EXPECT_EQ(FormatNumber("%.2n", 1000000.0L), "1.000.000,00");
    EXPECT_EQ(FormatNumber("%n", 1234.0L), "1.234,00");
    EXPECT_EQ(FormatNumber("%n", 0.5L), "0,50");
    EXPECT_EQ(FormatNumber("%.0n", 123456.0L), "123.456");
    EXPECT_EQ(FormatNumber("%-8.2n", 1.5L), "1,50    ");
}

TEST(FormatNumberTest, ValuesThatRoundToZeroHaveNoSign) {
    EXPECT_EQ(FormatNumber("%9.2n", -0.001L), "     0,00");
    EXPECT_EQ(FormatNumber("%9.2f", -0.004L), "     0.00");
    EXPECT_EQ(FormatNumber("%.2n", -0.0L), "0,00");
}

TEST(FormatNumberTest, ExactTiesRoundToEven) {
    EXPECT_EQ(FormatNumber("%.2n", 0.125L), "0,12");
    EXPECT_EQ(FormatNumber("%.2n", 0.375L), "0,38");
    EXPECT_EQ(FormatNumber("%.0n", 1234.5L), "1.234");
    EXPECT_EQ(FormatNumber("%.0n", 1235.5L), "1.236");
}

TEST(FormatNumberTest, PlainAndIntegerFormats) {
    EXPECT_EQ(FormatNumber("%9.2f", 1234.5L), "  1234.50");
    EXPECT_EQ(FormatNumber("%9.2f", -1234567.5L), "-1234567.50");
    EXPECT_EQ(FormatNumber("%f", 3.0L), "3.00");
    EXPECT_EQ(FormatNumber("%.11d", 12345), "00000012345");
    EXPECT_EQ(FormatNumber("%.11d", -5), "-00000000005");
    EXPECT_EQ(FormatNumber("%d", 2.5L), "2");
    EXPECT_EQ(FormatNumber("%5d", 42), "   42");
}

TEST(FormatNumberTest, LiteralTextAroundTheValue) {
    EXPECT_EQ(FormatNumber("Summe: %.2n EUR", 1999.9L), "Summe: 1.999,90 EUR");
    EXPECT_EQ(FormatNumber("%.2n%%", 10), "10,00%");
}

TEST(FormatNumberTest, BadFormatsThrow) {
    for (const char* bad : {"", "abc", "%9.2x", "%n %n", "%", "100%%"})
        EXPECT_THROW(FormatNumber(bad, 1), std::invalid_argument) << bad;
}

TEST(RoundingTest, HalfToEvenOnSixtyFourBits) {
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(3.5L), 4);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(-3.5L), -4);
    EXPECT_EQ(RoundHalfEven(-0.5L), 0);
    EXPECT_EQ(RoundHalfEven(2.4999L), 2);
    EXPECT_EQ(RoundHalfEven(2.5001L), 3);
    EXPECT_EQ(RoundHalfEven(-2.5001L), -3);
    EXPECT_EQ(RoundHalfEven(9000000000000000000.0L), 9000000000000000000LL);
    EXPECT_EQ(RoundHalfEven(-9223372036854775808.0L), std::numeric_limits<int64_t>::min());
}

TEST(RoundingTest, OutOfRangeAndInvalidValuesThrow) {
    EXPECT_THROW(RoundHalfEven(1e19L), std::out_of_range);
    EXPECT_THROW(RoundHalfEven(-1e19L), std::out_of_range);
    EXPECT_THROW(RoundHalfEven(9223372036854775808.0L), std::out_of_range);
    EXPECT_THROW(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN()), std::out_of_range);
    EXPECT_THROW(RoundHalfEven(std::numeric_limits<long double>::infinity()), std::out_of_range);
}

TEST(RoundingTest, CentsAndComparisonAtCentPrecision) {
    EXPECT_EQ(ToCents(12.34L), 1234);
    EXPECT_EQ(ToCents(0.125L), 12);
    EXPECT_EQ(ToCents(0.375L), 38);
    EXPECT_EQ(ToCents(-0.625L), -62);
    EXPECT_EQ(RoundCents(0.375L), 0.38L);
    EXPECT_EQ(RoundCents(19.999L), 20.0L);
    EXPECT_EQ(CompareCents(10.004L, 10), 0);
    EXPECT_EQ(CompareCents(10.006L, 10), 1);
    EXPECT_EQ(CompareCents(9.99L, 10), -1);
}
