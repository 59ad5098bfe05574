#include <gtest/gtest.h>

#include "platform/match/text_match.h"

using namespace kis::match;

TEST(TextMatch, WildcardsPrefixAndLikeEscaping) {
    EXPECT_TRUE(WildcardMatch("m*er", "meier"));
    EXPECT_TRUE(WildcardMatch("m*er", "mer"));
    EXPECT_FALSE(WildcardMatch("m*er", "meiers"));
    EXPECT_TRUE(WildcardMatch("k?ln", "köln"));  // '?' is one character, also a two-byte one
    EXPECT_TRUE(WildcardMatch("*", ""));
    EXPECT_FALSE(WildcardMatch("?", ""));
    EXPECT_TRUE(Pattern("Mei", true).Matches("  MEIER "));
    EXPECT_FALSE(Pattern("Mei").Matches("Meier"));
    EXPECT_TRUE(Pattern("").Matches("anything"));
    EXPECT_EQ(LikeFromPattern("50%_a\\b*c?"), "50\\%\\_a\\\\b%c_");
    EXPECT_EQ(SplitList(" a; ;b ,c", ";,"), (std::vector<std::string>{"a", "b", "c"}));
    long double v = 0;
    EXPECT_TRUE(ParseNumber("1.234,56", v));
    EXPECT_DOUBLE_EQ(double(v), 1234.56);
    EXPECT_TRUE(ParseNumber("12.5", v));
    EXPECT_DOUBLE_EQ(double(v), 12.5);
    EXPECT_FALSE(ParseNumber("12x", v));
}
