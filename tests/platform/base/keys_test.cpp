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
