#include "platform/services/orv_parameter.h"

#include <gtest/gtest.h>

#include "platform/services/settings.h"
#include "platform/store/booking.h"
#include "services_fixture.h"

using kis::services::testing::ServicesTest;
using kis::services::testing::SuiteDbTest;

using ParameterTest = SuiteDbTest;
using ParameterNoDbTest = ServicesTest;

TEST_F(ParameterTest, MissingParametersGiveTheDefault) {
    EXPECT_FALSE(ORVParameter().GetBooleanValueByName("MANDKUND"));
    EXPECT_TRUE(ORVParameter().GetBooleanValueByName("MANDKUND", true));
    EXPECT_EQ(ORVParameter().GetCharValueByName("BONUDIRE", 'N'), 'N');
    EXPECT_EQ(ORVParameter().GetStringValueByName("X", "vorgabe"), "vorgabe");
    EXPECT_EQ(ORVParameter().GetIntegerValueByName("X", 5), 5);
}

TEST_F(ParameterTest, FlagsAreJOrN) {
    ASSERT_TRUE(ORVParameter().SetCharValueByName("MANDKUND", 'J'));
    EXPECT_TRUE(ORVParameter().GetBooleanValueByName("MANDKUND"));
    EXPECT_EQ(ORVParameter().GetCharValueByName("MANDKUND", 'N'), 'J');
    ASSERT_TRUE(ORVParameter().SetCharValueByName("MANDKUND", 'N'));
    EXPECT_FALSE(ORVParameter().GetBooleanValueByName("MANDKUND", true));
    ASSERT_TRUE(ORVParameter().SetCharValueByName("MANDKUND", 'j'));
    EXPECT_TRUE(ORVParameter().GetBooleanValueByName("MANDKUND"));
    ASSERT_TRUE(ORVParameter().SetBooleanValueByName("BONUNUAB", false));
    EXPECT_EQ(ORVParameter().GetCharValueByName("BONUNUAB", '?'), 'N');
    EXPECT_EQ(CountRows("SELECT COUNT(*) FROM PARAMETER"), 2);
}

TEST_F(ParameterTest, TextAndIntegerValues) {
    ASSERT_TRUE(ORVParameter().SetStringValueByName("TEXT", " Hallo "));
    EXPECT_EQ(ORVParameter().GetStringValueByName("TEXT"), " Hallo ");
    EXPECT_EQ(ORVParameter().GetCharValueByName("TEXT", '-'), 'H');
    ASSERT_TRUE(ORVParameter().SetStringValueByName("LEER", "  "));
    EXPECT_EQ(ORVParameter().GetCharValueByName("LEER", '-'), '-');
    ASSERT_TRUE(ORVParameter().SetIntegerValueByName("ZAHL", -42));
    EXPECT_EQ(ORVParameter().GetIntegerValueByName("ZAHL"), -42);
    EXPECT_EQ(ORVParameter().GetIntegerValueByName("TEXT", 3), 3);
}

TEST_F(ParameterTest, WritingIsABookingOfTypeZero) {
    ASSERT_TRUE(ORVParameter().SetCharValueByName("BONUDIRE", 'J'));
    EXPECT_EQ(CountRows("SELECT COUNT(*) FROM BUCHUNG WHERE TYP = 0"), 1);
}

TEST_F(ParameterTest, WritingJoinsAnOpenBookingAndIsUndoneWithIt) {
    ASSERT_TRUE(ORVParameter().SetCharValueByName("BONUDIRE", 'N'));
    {
        kis::store::BookingScope outer(40);
        ASSERT_TRUE(ORVParameter().SetCharValueByName("BONUDIRE", 'J'));
        ASSERT_TRUE(kis::services::WriteGlobal("BONUSCFG", "BONUSSELECT", 1));
        // left without Commit: everything is rolled back
    }
    EXPECT_EQ(ORVParameter().GetCharValueByName("BONUDIRE", '?'), 'N');
    EXPECT_EQ(kis::services::ReadDef("BONUSCFG", "BONUSSELECT", 0), 0);
}

TEST_F(ParameterNoDbTest, WithoutDatabaseReadsGiveDefaultsAndWritesFail) {
    EXPECT_FALSE(ORVParameter().GetBooleanValueByName("MANDKUND"));
    EXPECT_TRUE(ORVInfo().Entries().empty());
    EXPECT_FALSE(ORVParameter().SetCharValueByName("MANDKUND", 'J'));
    const auto entries = ORVInfo().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, "TORVParameter.SetValueByName");
}
