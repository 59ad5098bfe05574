// Grouping found bonuses per customer and reading the grid's row keys back.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/bonus/bonus_kunden_liste.h"

namespace {

TIdent B(int lnr, long double bonus, long double rabatt = 0) {
    TIdent i;
    i.RNr = 7;
    i.LNr = lnr;
    i.Bonus = bonus;
    i.Rabatt = rabatt;
    return i;
}

std::vector<int> Lnrs(const std::vector<TIdent>& v) {
    std::vector<int> out;
    for (const auto& i : v) out.push_back(i.LNr);
    return out;
}

TEST(BonusKundenListe, GroupsPerCustomerAndResolvesRowKeys) {
    TBonusKundenListe l;
    const TIntPair a(12, 0), b(0, 4711);
    EXPECT_EQ(l.Add(a, B(1, 10.00L)), 0);
    EXPECT_EQ(l.Add(b, B(2, 0, 2.50L)), 0);
    EXPECT_EQ(l.Add(a, B(3, 15.00L)), 1);
    ASSERT_EQ(l.Kunden().size(), 2u);
    EXPECT_EQ(l.Kunden()[0]->Kunde, a);
    EXPECT_EQ(std::llround(double(l.Find(a)->Bonus * 100)), 2500);
    EXPECT_EQ(std::llround(double(l.Find(b)->Rabatt * 100)), 250);
    EXPECT_EQ(l.Find(TIntPair(3, 0)), nullptr);

    EXPECT_EQ(TBonusKundenListe::ZeilenSchluessel(a, -1), "0012000000000SUMM");
    EXPECT_EQ(TBonusKundenListe::ZeilenSchluessel(b, 1), "00000000047110001");
    EXPECT_EQ(Lnrs(l.BoniZuSchluessel("0012000000000SUMM")), (std::vector<int>{1, 3}));
    EXPECT_EQ(Lnrs(l.BoniZuSchluessel(TBonusKundenListe::ZeilenSchluessel(a, 1))), (std::vector<int>{3}));
    EXPECT_EQ(Lnrs(l.BoniZuSchluessel(TBonusKundenListe::ZeilenSchluessel(b, 0))), (std::vector<int>{2}));
    // Unknown customer or position, and keys that are no keys, stand for nothing.
    for (const char* k : {"0012000000000" "0002", "0003000000000SUMM", "", "0012", "00x2000000000SUMM",
                          "0012000000000", "0012000000000-001", "0012000000000SUM"})
        EXPECT_TRUE(l.BoniZuSchluessel(k).empty()) << k;
    EXPECT_EQ(TBonusKundenListe::KundeAusSchluessel("kaputt"), TIntPair());

    l.Clear();
    EXPECT_TRUE(l.Empty());
    EXPECT_TRUE(l.BoniZuSchluessel("0012000000000SUMM").empty());
}

}  // namespace
