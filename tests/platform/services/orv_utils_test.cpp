#include "platform/services/orv_utils.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/services/number_format.h"
#include "platform/services/text.h"

using kis::date::EncodeDate;

namespace {
int CurrentYear() {
    int y, m, d;
    kis::date::DecodeDate(orv_Date(), y, m, d);
    return y;
}
}  // namespace

TEST(OrvDateTest, TodayNowAndEndOfToday) {
    const TDateTime today = orv_Date();
    const TDateTime now = orv_Now();
    EXPECT_EQ(today, kis::date::DateOf(today));
    EXPECT_LE(today, now);
    EXPECT_LT(now, today + 1.0);
    const TDateTime end = orv_EndOfNow();
    EXPECT_EQ(kis::date::DateOf(end), today);
    // 23:59:59.999 is one millisecond before midnight.
    EXPECT_NEAR((today + 1.0 - end) * 86400000.0, 1.0, 1e-3);
}

TEST(OrvDateTest, ReadsGermanDateTexts) {
    EXPECT_EQ(orv_StrToDate("31.12.2024"), EncodeDate(2024, 12, 31));
    EXPECT_EQ(orv_StrToDate("1.2.2024"), EncodeDate(2024, 2, 1));
    EXPECT_EQ(orv_StrToDate("  05.06.2023 "), EncodeDate(2023, 6, 5));
    EXPECT_EQ(orv_StrToDate("29.02.2024"), EncodeDate(2024, 2, 29));
    EXPECT_EQ(orv_StrToDate("31122024"), EncodeDate(2024, 12, 31));
    EXPECT_EQ(orv_StrToDate("311224"), EncodeDate(2024, 12, 31));
    EXPECT_EQ(orv_StrToDate("05.06."), EncodeDate(CurrentYear(), 6, 5));
    EXPECT_EQ(orv_StrToDate("5.6"), EncodeDate(CurrentYear(), 6, 5));
}

TEST(OrvDateTest, TwoDigitYearsSplitAtFifty) {
    EXPECT_EQ(orv_StrToDate("01.01.00"), EncodeDate(2000, 1, 1));
    EXPECT_EQ(orv_StrToDate("01.01.49"), EncodeDate(2049, 1, 1));
    EXPECT_EQ(orv_StrToDate("01.01.50"), EncodeDate(1950, 1, 1));
    EXPECT_EQ(orv_StrToDate("01.01.99"), EncodeDate(1999, 1, 1));
}

TEST(OrvDateTest, BadTextThrowsOrGivesTheDefault) {
    for (const char* bad : {"", "   ", "abc", "31.02.2024", "32.01.2024", "1.13.2024", "29.02.2023",
                            "1.2.3.4", "123.4.2024", "1.2.123", "1234567", "  .  .    ", "1.2.2024x"}) {
        EXPECT_THROW(orv_StrToDate(bad), std::invalid_argument) << bad;
        EXPECT_EQ(orv_StrToDate_Def(bad, 42.0), 42.0) << bad;
    }
    try {
        orv_StrToDate("30.02.2024");
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "'30.02.2024' ist kein gültiges Datum.");
    }
    EXPECT_EQ(orv_StrToDate_Def("07.03.2024", 0), EncodeDate(2024, 3, 7));
}

TEST(OrvDateTest, WritesGermanDateTextAndReadsItBack) {
    EXPECT_EQ(orv_DateToStr(EncodeDate(2024, 3, 7)), "07.03.2024");
    EXPECT_EQ(orv_DateToStr(kis::date::EncodeDateTime(1999, 12, 31, 23, 59, 0)), "31.12.1999");
    EXPECT_EQ(orv_DateToStr(0), "30.12.1899");
    const TDateTime d = EncodeDate(2031, 11, 9);
    EXPECT_EQ(orv_StrToDate(orv_DateToStr(d)), d);
}

TEST(OrvStrToRealTest, ReadsGermanAndPlainNumbers) {
    const struct {
        const char* text;
        long double value;
    } cases[] = {
        {"1.234,56", 1234.56L}, {"1234,56", 1234.56L},   {"-0,5", -0.5L},     {"+3", 3.0L},
        {"12.50", 12.5L},       {"1.234", 1234.0L},      {"1.234.567", 1234567.0L},
        {"1234.567", 1234.567L}, {"0.125", 0.125L},      {",5", 0.5L},        {"5,", 5.0L},
        {"  7 ", 7.0L},          {"-1.234.567,891", -1234567.891L},           {"0", 0.0L},
        {".5", 0.5L},            {"12.", 12.0L},
    };
    for (const auto& c : cases) EXPECT_NEAR(double(orv_StrToReal_Def(c.text, -99)), double(c.value), 1e-9) << c.text;
}

TEST(OrvStrToRealTest, UnreadableTextGivesTheDefault) {
    for (const char* bad : {"", "  ", "abc", "1,2,3", "1.23,4", "1..2", "12a", "-", "+", ".", ",",
                            "1.2.3", "1e5", "1 234", "--1", "1,2.3", "12.34.567,8", "0.123,5", "0.123.456"})
        EXPECT_EQ(orv_StrToReal_Def(bad, -99.0L), -99.0L) << bad;
}

TEST(OrvStrToRealTest, ReadsWhatTheGermanFormatWrites) {
    for (long double v : {0.0L, 1.5L, -1234.56L, 987654321.99L}) {
        const std::string text = kis::services::FormatNumber("%.2n", v);
        EXPECT_EQ(kis::services::ToCents(orv_StrToReal_Def(text, -1)), kis::services::ToCents(v)) << text;
    }
}

TEST(OrvTextTest, PaddingAndTrimUp) {
    EXPECT_EQ(orv_padleft_char("12", 4, '0'), "0012");
    EXPECT_EQ(orv_padleft_char("12345", 4, '0'), "12345");
    EXPECT_EQ(orv_padleft_char("", 3, ' '), "   ");
    EXPECT_EQ(orv_padright_char("ab", 4, ' '), "ab  ");
    EXPECT_EQ(orv_padright_char("abcdef", 4, ' '), "abcdef");

    EXPECT_EQ(TrimUp("  -abg \t"), "-ABG");
    EXPECT_EQ(TrimUp("Müller Öl äpfel"), "MÜLLER ÖL ÄPFEL");
    EXPECT_EQ(TrimUp("straße"), "STRAßE");
    EXPECT_EQ(TrimUp("école"), "ÉCOLE");
    EXPECT_EQ(TrimUp(""), "");
}
