#include <gtest/gtest.h>

#include "platform/sales/lst_query.h"

using kis::date::EncodeDate;

namespace {
TLSTPosition Pos() {
    TLSTPosition p;
    p.Art = "A9";
    p.Datum = EncodeDate(2024, 3, 15) + 0.5;
    p.Filiale = 2;
    p.ArtikelNr = {10, 20, 30};
    p.VkKz = "1";
    p.IstVk = 80;
    p.SollVk = 100;
    p.RedSollVk = 80;
    p.Nachlass = 20;
    p.Menge = 1;
    return p;
}

bool Check(const TLSTFilter& f, const TLSTPosition& p) {
    TLSTQuery q;
    q.SetFilter(f);
    return q.Check_LST(p);
}
}  // namespace

TEST(LSTQuery, ClearedFilterTakesEverything) {
    TLSTFilter f;
    EXPECT_TRUE(Check(f, Pos()));
    TLSTPosition p = Pos();
    p.IstVk = p.SollVk;
    p.Bonus1Art = "BN";
    EXPECT_TRUE(Check(f, p));
}

TEST(LSTQuery, SaleDateRangeNegationAndBadText) {
    TLSTFilter f;
    f.DatumVon = "15032024";
    f.DatumBis = "15032024";
    EXPECT_TRUE(Check(f, Pos()));  // time of day does not matter
    f.DatumBis = "  032024";  // whole month
    EXPECT_TRUE(Check(f, Pos()));
    f.DatumVon = "16032024";
    EXPECT_FALSE(Check(f, Pos()));
    f.DatumNeg = true;
    EXPECT_TRUE(Check(f, Pos()));
    f = TLSTFilter();
    f.DatumVon = "31022024";  // unreadable: matches nothing, and everything when negated
    TLSTQuery q;
    q.SetFilter(f);
    EXPECT_FALSE(q.Prepare());
    EXPECT_FALSE(q.Check_LST(Pos()));
    f.DatumNeg = true;
    EXPECT_TRUE(Check(f, Pos()));
}

TEST(LSTQuery, BranchesArticleAndSalesCode) {
    TLSTFilter f;
    f.Filialen = {"1=1", "2=1", "3=1"};  // nothing left out: no restriction
    TLSTPosition p = Pos();
    p.Filiale = 9;
    EXPECT_TRUE(Check(f, p));
    f.Filialen = {"1=1", "2=0", "3=1"};
    EXPECT_FALSE(Check(f, Pos()));
    p.Filiale = 3;
    EXPECT_TRUE(Check(f, p));
    p.Filiale = 9;  // not listed while some branch is left out
    EXPECT_FALSE(Check(f, p));

    f = TLSTFilter();
    f.ArtikelNr = "10-20-30";
    EXPECT_TRUE(Check(f, Pos()));
    f.ArtikelNrNeg = true;
    EXPECT_FALSE(Check(f, Pos()));
    f.ArtikelNr = "10-20";
    EXPECT_TRUE(Check(f, Pos()));  // 10-20-0 differs, negated

    f = TLSTFilter();
    f.VkKz = "0, 2";
    EXPECT_FALSE(Check(f, Pos()));
    f.VkKz = "12";
    EXPECT_TRUE(Check(f, Pos()));
    f.VkKzNeg = true;
    EXPECT_FALSE(Check(f, Pos()));
}

TEST(LSTQuery, ActualPriceAtCentPrecisionOnAbsoluteValues) {
    TLSTFilter f;
    f.IstVkMax = 80.00L;
    TLSTPosition p = Pos();
    p.IstVk = 80.004L;
    EXPECT_TRUE(Check(f, p));
    p.IstVk = 80.006L;
    EXPECT_FALSE(Check(f, p));
    p.IstVk = -50;  // a return compares as 50
    p.SollVk = -100;
    f.IstVkMin = 40;
    EXPECT_TRUE(Check(f, p));
    f.IstVkNeg = true;
    EXPECT_FALSE(Check(f, p));
}

TEST(LSTQuery, ReducedSalesAndTheirSubOptions) {
    TLSTFilter f;
    TLSTPosition voll = Pos();
    voll.IstVk = voll.SollVk;
    f.NichtReduziert = false;
    EXPECT_FALSE(Check(f, voll));
    EXPECT_TRUE(Check(f, Pos()));
    f.NichtReduziert = true;
    f.Reduziert = false;
    EXPECT_TRUE(Check(f, voll));
    EXPECT_FALSE(Check(f, Pos()));

    f = TLSTFilter();
    f.ReduziertIstKleinerRedSoll = false;  // only "IstVk = red. SollVk"
    EXPECT_TRUE(Check(f, Pos()));
    TLSTPosition tiefer = Pos();
    tiefer.IstVk = 70;
    EXPECT_FALSE(Check(f, tiefer));
    f.ReduziertIstKleinerRedSoll = true;
    f.ReduziertIstGleichRedSoll = false;  // only "IstVk < red. SollVk"
    EXPECT_TRUE(Check(f, tiefer));
    EXPECT_FALSE(Check(f, Pos()));
    EXPECT_TRUE(Check(f, voll));  // not reduced: governed by NichtReduziert alone

    f = TLSTFilter();
    f.NachlassMin = 25;
    EXPECT_FALSE(Check(f, Pos()));
    EXPECT_TRUE(Check(f, voll));
    f.NachlassNeg = true;
    EXPECT_TRUE(Check(f, Pos()));
}

TEST(LSTQuery, BonusSettlement) {
    TLSTFilter f;
    TLSTPosition settled = Pos();
    settled.Bonus2Art = "BN";
    f.BonusVerrechnet = false;
    EXPECT_FALSE(Check(f, settled));
    EXPECT_TRUE(Check(f, Pos()));
    f.BonusVerrechnet = true;
    f.NichtBonusVerrechnet = false;
    EXPECT_TRUE(Check(f, settled));
    EXPECT_FALSE(Check(f, Pos()));
}
