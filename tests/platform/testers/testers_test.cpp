#include <gtest/gtest.h>

#include "platform/testers/datum_tester.h"
#include "platform/testers/datum_text.h"
#include "platform/testers/saison_tester.h"

using kis::date::EncodeDate;

TEST(DatumText, FullPartialAndBadTexts) {
    TDateTime von = 0, bis = 0;
    ASSERT_TRUE(kis::testers::DatumTextBereich("15032024", von, bis));
    EXPECT_EQ(von, EncodeDate(2024, 3, 15));
    EXPECT_EQ(bis, von);
    ASSERT_TRUE(kis::testers::DatumTextBereich("15.03.2024", von, bis));
    EXPECT_EQ(von, EncodeDate(2024, 3, 15));
    // Day left out: the whole month (February of a leap year).
    ASSERT_TRUE(kis::testers::DatumTextBereich("  022024", von, bis));
    EXPECT_EQ(von, EncodeDate(2024, 2, 1));
    EXPECT_EQ(bis, EncodeDate(2024, 2, 29));
    ASSERT_TRUE(kis::testers::DatumTextBereich("00122023", von, bis));
    EXPECT_EQ(bis, EncodeDate(2023, 12, 31));
    // Year only; two-digit years.
    ASSERT_TRUE(kis::testers::DatumTextBereich("    2025", von, bis));
    EXPECT_EQ(von, EncodeDate(2025, 1, 1));
    EXPECT_EQ(bis, EncodeDate(2025, 12, 31));
    ASSERT_TRUE(kis::testers::DatumTextBereich("010185", von, bis));
    EXPECT_EQ(von, EncodeDate(1985, 1, 1));
    ASSERT_TRUE(kis::testers::DatumTextBereich("010125", von, bis));
    EXPECT_EQ(von, EncodeDate(2025, 1, 1));
    for (const char* bad : {"", "   ", "31022024", "1501", "ab032024", "15130000", "150320245"})
        EXPECT_FALSE(kis::testers::DatumTextBereich(bad, von, bis)) << bad;
}

TEST(DatumTester, NamedBoundsReportBeforeWithinAfter) {
    TDatumTester t;
    EXPECT_TRUE(t.Add("OPDatumVon", "01032024"));
    EXPECT_TRUE(t.Add("OPDatumBis", "  042024"));
    EXPECT_FALSE(t.Add("Kaputt", "xx"));
    int r = 9;
    EXPECT_FALSE(t.Check("OPDatumVon", EncodeDate(2024, 2, 29), r));
    EXPECT_EQ(r, -1);
    EXPECT_TRUE(t.Check("OPDatumVon", EncodeDate(2024, 3, 1) + 0.75, r));  // time ignored
    EXPECT_EQ(r, 0);
    EXPECT_FALSE(t.Check("OPDatumVon", EncodeDate(2024, 3, 2), r));
    EXPECT_EQ(r, 1);
    EXPECT_TRUE(t.Check("OPDatumBis", EncodeDate(2024, 4, 30), r));
    EXPECT_FALSE(t.Check("OPDatumBis", EncodeDate(2024, 5, 1), r));
    EXPECT_EQ(r, 1);
    // Unknown or unreadable bound: no verdict either way.
    EXPECT_FALSE(t.Check("Kaputt", EncodeDate(2024, 5, 1), r));
    EXPECT_EQ(r, 0);
    EXPECT_FALSE(t.Check("Fehlt", EncodeDate(2024, 5, 1), r));
    EXPECT_EQ(r, 0);
    t.Clear();
    EXPECT_FALSE(t.Exists("OPDatumVon"));
}

TEST(SaisonTester, ListsWildcardsRangesAndExclusions) {
    TSaisonTester t;
    t.SelektSet("FS2024,HW2025");
    EXPECT_TRUE(t.Test("FS2024"));
    EXPECT_TRUE(t.Test("hw2025"));
    EXPECT_FALSE(t.Test("FS2025"));

    t.SelektSet("*2024; F?2025");
    EXPECT_TRUE(t.Test("HW2024"));
    EXPECT_TRUE(t.Test("FS2025"));
    EXPECT_FALSE(t.Test("HW2025"));

    t.SelektSet("FS");  // short code in every year, but not other codes starting with it
    EXPECT_TRUE(t.Test("FS1999"));
    EXPECT_FALSE(t.Test("FSX2024"));

    t.SelektSet("FS2023-FS2025 HW*");
    EXPECT_TRUE(t.Test("FS2023"));
    EXPECT_TRUE(t.Test("FS2025"));
    EXPECT_FALSE(t.Test("FS2026"));
    EXPECT_TRUE(t.Test("HW1990"));

    t.SelektSet("!HW2024");  // exclusions only: everything else
    EXPECT_TRUE(t.Test("FS2024"));
    EXPECT_FALSE(t.Test("HW2024"));
    t.SelektSet("HW* !HW2024");
    EXPECT_TRUE(t.Test("HW2023"));
    EXPECT_FALSE(t.Test("HW2024"));

    t.SelektSet("");
    EXPECT_TRUE(t.Test("XX0000"));
}
