// The single tests of the engine on prepared state.
#include "engine_fixture.h"

namespace kis::test {
namespace {

class TestsTest : public EngineTest {
protected:
    void SetUp() override {
        q.SetFilter(filter);
        q.TestsVorbereiten();
    }
    void Neu() {
        q.SetFilter(filter);
        q.TestsVorbereiten();
    }
};

TEST_F(TestsTest, ReceiptTotalComparesAtCentPrecision) {
    filter.FBonSumMax = 10.00;
    Neu();
    EXPECT_TRUE(q.Filter_Teste_Bonsumme(1, 10.004L));
    EXPECT_FALSE(q.Filter_Teste_Bonsumme(1, 10.006L));
    EXPECT_TRUE(q.Filter_Teste_Bonsumme(1, -9.99L));  // absolute value
    EXPECT_FALSE(q.Filter_Teste_Bonsumme(0, 5.0L));   // no selected position: fails
    filter.FBonSumNeg = true;
    Neu();
    EXPECT_TRUE(q.Filter_Teste_Bonsumme(1, 10.006L));
    EXPECT_FALSE(q.Filter_Teste_Bonsumme(0, 10.006L));  // also under negation
    filter.Clear();
    filter.FBonSumMin = 0;
    Neu();
    EXPECT_TRUE(q.Filter_Teste_Bonsumme(1, 0.0L));
}

TEST_F(TestsTest, SelectedValueAndQuantityBounds) {
    filter.FSelSumWertMin = 40;
    filter.FSelSumWertMax = 60;
    Neu();
    q.FKISURec.SelUmsatz = -50;  // compared as 50
    EXPECT_TRUE(q.Filter_Teste_SelWert());
    q.FKISURec.SelUmsatz = 60.004L;
    EXPECT_TRUE(q.Filter_Teste_SelWert());
    q.FKISURec.SelUmsatz = 39.994L;
    EXPECT_FALSE(q.Filter_Teste_SelWert());

    filter.Clear();
    filter.FSelSumMengeMin = 0;
    filter.FSelSumMengeMax = 0;
    Neu();
    q.FKISURec.SelMenge = 0;
    EXPECT_TRUE(q.Filter_Teste_SelMenge());
    q.FKISURec.SelMenge = -2;
    EXPECT_FALSE(q.Filter_Teste_SelMenge());
    filter.FSelSumMengeNeg = true;
    Neu();
    EXPECT_TRUE(q.Filter_Teste_SelMenge());
    q.FKISURec.SelMenge = 0;
    EXPECT_FALSE(q.Filter_Teste_SelMenge());
}

TEST_F(TestsTest, TotalBoundsOnlyWithWholeTurnover) {
    filter.FGesSumMengeMin = 5;
    filter.FGesSumWertMin = 100;
    Neu();
    q.FKISURec.GesMenge = 1;
    q.FKISURec.GesUmsatz = 1;
    EXPECT_TRUE(q.Filter_Teste_GesMenge());
    EXPECT_TRUE(q.Filter_Teste_GesWert());
    filter.FGesSumBuild = true;
    Neu();
    EXPECT_FALSE(q.Filter_Teste_GesMenge());
    EXPECT_FALSE(q.Filter_Teste_GesWert());
}

TEST_F(TestsTest, ConvertDateString) {
    using kis::date::EncodeDate;
    EXPECT_EQ(EncodeDate(2024, 3, 15), TMerovaQuery::ConvertDateString("15032024"));
    EXPECT_EQ(EncodeDate(2024, 3, 1), TMerovaQuery::ConvertDateString("  032024"));
    EXPECT_EQ(EncodeDate(2024, 1, 1), TMerovaQuery::ConvertDateString("    2024"));
    EXPECT_EQ(EncodeDate(1985, 2, 1), TMerovaQuery::ConvertDateString("010285"));
    EXPECT_EQ(EncodeDate(2012, 2, 1), TMerovaQuery::ConvertDateString("010212"));
    EXPECT_EQ(0, TMerovaQuery::ConvertDateString("31022024"));  // invalid
    EXPECT_EQ(0, TMerovaQuery::ConvertDateString("15  2024"));  // day without month
    EXPECT_EQ(0, TMerovaQuery::ConvertDateString(""));
    EXPECT_EQ(EncodeDate(2024, 3, 1), TMerovaQuery::ConvertDateString("ab032024"));  // day not a number: 0
}

TEST_F(TestsTest, DocumentNumberRanges) {
    fx.Tagesabschluss(1, fx.D(2024, 3, 1), 100, 150);
    fx.Tagesabschluss(1, fx.D(2024, 3, 2), 151, 180);
    fx.Tagesabschluss(2, fx.D(2024, 3, 2), 40, 0);      // last number 0: open upwards
    fx.Tagesabschluss(3, fx.D(2023, 1, 1), 1, 10);      // outside the period
    filter.LSTFilter.DatumVon = "01032024";
    filter.LSTFilter.DatumBis = "31032024";
    q.SetFilter(filter);
    q.MinMaxTabAufbauen();
    ASSERT_FALSE(q.FMinMaxEmpty);
    EXPECT_FALSE(q.MinMaxTabTesten(1, 99));
    EXPECT_TRUE(q.MinMaxTabTesten(1, 100));
    EXPECT_TRUE(q.MinMaxTabTesten(1, 180));
    EXPECT_FALSE(q.MinMaxTabTesten(1, 181));
    EXPECT_FALSE(q.MinMaxTabTesten(2, 39));
    EXPECT_TRUE(q.MinMaxTabTesten(2, 5000000));
    EXPECT_TRUE(q.MinMaxTabTesten(3, 5000));  // branch without day closing in the period
    EXPECT_TRUE(q.MinMaxTabTesten(9, 1));
}

TEST_F(TestsTest, SpecialBonusAmounts) {
    filter.FSonderBoni4PIds = {{TInt32Trio(), 99.0}, {TInt32Trio(5, 0, 0), 3.0}, {TInt32Trio(5, 0, 0), 7.0}};
    q.SetFilter(filter);  // the engine keeps its own bonus fields
    q.FFilter.FSonderBoni4PIds = filter.FSonderBoni4PIds;
    TLSTPosition p;
    p.Art = "A9";
    p.ArtikelNr = TInt32Trio(5, 0, 0);
    p.IstVk = 20;
    p.Menge = 2;
    EXPECT_TRUE(q.Check_LST(p));
    EXPECT_EQ(6, double(p.IstVk));  // first matching entry: 2 x 3.00
    p.Menge = 0;
    p.VkKz = "2";
    EXPECT_TRUE(q.Check_LST(p));
    EXPECT_EQ(-3, double(p.IstVk));
    p.VkKz = "0";
    EXPECT_TRUE(q.Check_LST(p));
    EXPECT_EQ(3, double(p.IstVk));
}

TEST_F(TestsTest, PositionKindRule) {
    TLSTPosition p;
    p.IstVk = 5;
    p.Menge = 3;
    p.Art = "SO";
    EXPECT_TRUE(q.Check_LST(p));
    EXPECT_EQ(0, p.Menge);
    p.Art = "XY";
    EXPECT_FALSE(q.Check_LST(p));
    p.Art = "GS";
    EXPECT_FALSE(q.Check_LST(p));
    q.FFilter.FGutscheineBeruecksichtigen = true;
    EXPECT_TRUE(q.Check_LST(p));
}

}  // namespace
}  // namespace kis::test
