#include <gtest/gtest.h>

#include "engine/merova_filter.h"

TEST(MerovaFilter, ClearedValues) {
    TMerovaFilter f;
    f.FBonSumMin = 5;
    f.FZM.Add("BAR=0");
    f.FVkFilter = vkJa;
    f.LSTFilter.DatumVon = "01012024";
    f.FSonderBoni4PIds.push_back({TInt32Trio(1, 2, 3), 4.5});
    f.Clear();
    EXPECT_EQ(-1, f.FBonSumMin);
    EXPECT_EQ(-1, f.FSelSumMengeMin);
    EXPECT_EQ(-1, f.FOPBonusAktLenMax);
    EXPECT_EQ(0, f.FZM.Count());
    EXPECT_EQ(vkEgal, f.FVkFilter);
    EXPECT_EQ(kis::date::EncodeDate(1980, 1, 1), f.FVkVon);
    EXPECT_EQ(kis::date::EncodeDate(2100, 12, 31), f.FVkBis);
    EXPECT_TRUE(f.LSTFilter.DatumVon.empty());
    EXPECT_TRUE(f.FSonderBoni4PIds.empty());
    EXPECT_FALSE(f.FAuchAnonymeKunden);
}

TEST(MerovaFilter, AssignKeepsTheBonusFieldsOfTheTarget) {
    TMerovaFilter quelle, ziel;
    quelle.FGutscheineBeruecksichtigen = true;
    quelle.FSonderBoni4PIds.push_back({TInt32Trio(1, 0, 0), 2.0});
    quelle.FSelSumWertMin = 10;
    quelle.FOP.Add("BONUS=1");
    quelle.FOP.Add("RSCHEIN=0");
    quelle.GPFilter.Name.Wert = "Mei";
    quelle.AAFilter.Lieferant = 7;
    quelle.FSaison = "FS2024";
    ziel.FSonderBoni4PIds.push_back({TInt32Trio(9, 9, 9), 1.0});
    ziel.Assign(quelle);
    EXPECT_FALSE(ziel.FGutscheineBeruecksichtigen);
    ASSERT_EQ(1u, ziel.FSonderBoni4PIds.size());
    EXPECT_EQ(TInt32Trio(9, 9, 9), ziel.FSonderBoni4PIds[0].PId);
    EXPECT_EQ(10, ziel.FSelSumWertMin);
    ASSERT_EQ(2, ziel.FOP.Count());
    EXPECT_EQ("RSCHEIN=0", ziel.FOP[1]);
    EXPECT_EQ("Mei", ziel.GPFilter.Name.Wert);
    EXPECT_EQ(7, ziel.AAFilter.Lieferant);
    EXPECT_EQ("FS2024", ziel.FSaison);
}

TEST(MerovaFilter, AssignOfASubFilterChangesOnlyThatSubFilter) {
    TMerovaFilter f;
    f.FBonSumMin = 3;
    f.AAFilter.Lieferant = 4;
    TLSTFilter lst;
    lst.DatumVon = "01012024";
    f.Assign(lst);
    EXPECT_EQ("01012024", f.LSTFilter.DatumVon);
    EXPECT_EQ(3, f.FBonSumMin);
    EXPECT_EQ(4, f.AAFilter.Lieferant);
    TAAFilter aa;
    f.Assign(aa);
    EXPECT_EQ(0, f.AAFilter.Lieferant);
    EXPECT_EQ("01012024", f.LSTFilter.DatumVon);
}

TEST(StringList, NamesAndValues) {
    TStringList l;
    l.Add("BAR=1");
    l.Add(" ec =0");
    EXPECT_EQ("0", l.Values("EC"));
    EXPECT_EQ(-1, l.IndexOfName("KARTE"));
    l.SetValue("bar", "0");
    EXPECT_EQ("BAR=0", l[0]);
}
