#include <gtest/gtest.h>

#include <unordered_set>

#include "platform/base/datetime.h"
#include "platform/base/german_collation.h"
#include "platform/base/keys.h"

TEST(KeysTest, OrderEqualityHashAndText) {
    EXPECT_LT(TIntPair(1, 9), TIntPair(2, 0));
    EXPECT_LT(TIntPair(2, 0), TIntPair(2, 1));
    EXPECT_EQ(TIntPair(3, 4), TIntPair(3, 4));
    EXPECT_TRUE(TIntPair().IsNull());
    std::unordered_set<TIntPair> set{{1, 2}, {2, 1}, {1, 2}};
    EXPECT_EQ(set.size(), 2u);

    EXPECT_EQ(TIntPair(0, 0).ToString(), "0/0");
    TIntPair p;
    EXPECT_TRUE(TIntPair::FromString("12/3", p));
    EXPECT_EQ(p, TIntPair(12, 3));
    EXPECT_TRUE(TIntPair::FromString("-5/7", p));
    EXPECT_EQ(p, TIntPair(-5, 7));
    EXPECT_FALSE(TIntPair::FromString("abc", p));
    EXPECT_FALSE(TIntPair::FromString("1/2/3", p));
    EXPECT_FALSE(TIntPair::FromString("", p));

    TInt32Trio t;
    EXPECT_TRUE(TInt32Trio::FromString(TInt32Trio(1, 2, 3).ToString(), t));
    EXPECT_EQ(t, TInt32Trio(1, 2, 3));
    EXPECT_LT(TInt32Trio(1, 2, 3), TInt32Trio(1, 2, 4));
}

TEST(DateTimeTest, PlatformEpochAndCivilRoundTrip) {
    EXPECT_EQ(kis::date::EncodeDate(1899, 12, 30), 0);  // the epoch itself reads as "no date"
    EXPECT_EQ(kis::date::EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(kis::date::EncodeDate(2024, 2, 30), 0);
    const TDateTime d = kis::date::EncodeDateTime(2024, 2, 29, 18, 30, 0);
    int y, m, day;
    kis::date::DecodeDate(d, y, m, day);
    EXPECT_EQ(y * 10000 + m * 100 + day, 20240229);
    EXPECT_EQ(kis::date::ToIso(d), "2024-02-29");
}

TEST(GermanCollationTest, UmlautsSortWithTheirBaseLetter) {
    using kis::text::GermanCompare;
    EXPECT_LT(GermanCompare("Ärger", "Bauer"), 0);
    EXPECT_LT(GermanCompare("Adam", "Ärger"), 0);
    EXPECT_LT(GermanCompare("Masse", "Maße"), 0);  // equal key; exact text decides
    EXPECT_LT(GermanCompare("Strausberg", "Strauß"), 0);
    EXPECT_EQ(GermanCompare("Öl", "Öl"), 0);
    EXPECT_EQ(kis::text::FoldCase("ÄÖÜ Straße"), "äöü straße");
}

#include "platform/base/kunde_text.h"

// The key text of the grids: both halves in full, the old fixed layout still read.
TEST(KundeText, RoundTripAndOldLayout) {
    using kis::keys::KundeAlsText;
    using kis::keys::KundeAusText;
    for (const TIntPair k : {TIntPair(1, 12345678), TIntPair(0, 4711), TIntPair(2147483647, -5), TIntPair()})
        EXPECT_EQ(KundeAusText(KundeAlsText(k)), k) << KundeAlsText(k);
    EXPECT_EQ(KundeAusText("1"), TIntPair(0, 1));
    EXPECT_EQ(KundeAusText("00120000034"), TIntPair(12, 34));
    EXPECT_EQ(KundeAusText("12x/5"), TIntPair(0, 5));  // a bad half reads 0
    EXPECT_EQ(KundeAusText("123456789012"), TIntPair());  // too long for the old layout
    EXPECT_TRUE(kis::keys::IstSummenSchluessel(KundeAusText("0/0")));
    EXPECT_FALSE(kis::keys::IstSummenSchluessel(KundeAusText("0/4711")));
}
