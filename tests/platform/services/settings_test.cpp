#include "platform/services/settings.h"

#include <gtest/gtest.h>

#include "services_fixture.h"

using kis::services::ReadDef;
using kis::services::WriteGlobal;
using kis::services::testing::ServicesTest;
using kis::services::testing::SuiteDbTest;

using SettingsTest = SuiteDbTest;
using SettingsNoDbTest = ServicesTest;

TEST_F(SettingsTest, ReadsDefaultsUntilWritten) {
    EXPECT_EQ(ReadDef("BONUSCFG", "BONUSALSSET", 0), 0);
    EXPECT_EQ(ReadDef("BONUSCFG", "BONUSALSSET", std::string("x")), "x");
    ASSERT_TRUE(WriteGlobal("BONUSCFG", "BONUSALSSET", 1));
    EXPECT_EQ(ReadDef("BONUSCFG", "BONUSALSSET", 0), 1);
    EXPECT_EQ(ReadDef("BONUSCFG", "BONUSALSSET", std::string()), "1");
    ASSERT_TRUE(WriteGlobal("BONUSCFG", "BONUSALSSET", 0));
    EXPECT_EQ(ReadDef("BONUSCFG", "BONUSALSSET", 7), 0);
    EXPECT_EQ(CountRows("SELECT COUNT(*) FROM EINSTELLUNG"), 1);
}

TEST_F(SettingsTest, MasksAreSeparateAndNonNumbersGiveTheIntegerDefault) {
    ASSERT_TRUE(WriteGlobal("BONUSCFG", "A", "eins"));
    ASSERT_TRUE(WriteGlobal("ANDERE", "A", "zwei"));
    EXPECT_EQ(ReadDef("BONUSCFG", "A", std::string()), "eins");
    EXPECT_EQ(ReadDef("ANDERE", "A", std::string()), "zwei");
    EXPECT_EQ(ReadDef("BONUSCFG", "A", 9), 9);
    ASSERT_TRUE(WriteGlobal("BONUSCFG", "B", " 12 "));
    EXPECT_EQ(ReadDef("BONUSCFG", "B", 9), 12);
}

TEST_F(SettingsTest, SimpleMaskObject) {
    const TSimpleMask mask("BONUSCFG");
    EXPECT_EQ(mask.ReadDef("BONUSTEILAUS", 0), 0);
    ASSERT_TRUE(mask.WriteGlobal("BONUSTEILAUS", 1));
    ASSERT_TRUE(mask.WriteGlobal("TEXT", "Wert"));
    EXPECT_EQ(mask.ReadDef("BONUSTEILAUS", 0), 1);
    EXPECT_EQ(mask.ReadDef("TEXT", ""), "Wert");
    EXPECT_EQ(TSimpleMask("SONST").ReadDef("TEXT", "leer"), "leer");
}

TEST_F(SettingsTest, WritingIsABookingOfTypeZero) {
    ASSERT_TRUE(WriteGlobal("BONUSCFG", "BONUSSELECT", 1));
    EXPECT_EQ(CountRows("SELECT COUNT(*) FROM BUCHUNG WHERE TYP = 0"), 1);
}

TEST_F(SettingsNoDbTest, WithoutDatabase) {
    EXPECT_EQ(ReadDef("BONUSCFG", "X", 3), 3);
    EXPECT_FALSE(WriteGlobal("BONUSCFG", "X", 1));
    ASSERT_EQ(ORVInfo().Entries().size(), 1u);
    EXPECT_EQ(ORVInfo().Entries()[0].text, "TSimpleMask.WriteGlobal");
}
