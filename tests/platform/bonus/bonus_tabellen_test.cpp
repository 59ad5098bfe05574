#include <gtest/gtest.h>

#include "platform/bonus/bonus_tabellen.h"
#include "support/suite_fixture.h"

using kis::test::BonusDaten;
using kis::test::SuiteFixture;

namespace {

BonusDaten B(int snr, const char* status, double wert, double basis) {
    BonusDaten b;
    b.rnr = 9;
    b.lnr = 100;
    b.snr = snr;
    b.kunde = {7, 0};
    b.status = status;
    b.wert = wert;
    b.basis = basis;
    b.datum = SuiteFixture::D(2024, 3, snr);
    return b;
}

}  // namespace

// One customer with a bonus in every state, plus a new one of the run; the totals as the
// overview columns use them, computed by hand.
TEST(BonusTabellen, StatesTotalsAndTemporaryBonuses) {
    SuiteFixture f;
    BonusDaten offen = B(1, "O", 2.00, 40);
    offen.text = "BO   1      777\n";
    f.GespeicherterBonus(offen);
    f.GespeicherterBonus(B(2, "A", 5.00, 100));
    BonusDaten abgelaufen = B(3, "O", 4.00, 80);
    abgelaufen.gueltigBis = SuiteFixture::D(2024, 5, 31);
    f.GespeicherterBonus(abgelaufen);
    BonusDaten kasse = B(4, "A", 6.00, 120);
    kasse.verwendet = "KASSE";
    kasse.verwRef = "0003000000042";
    f.GespeicherterBonus(kasse);
    BonusDaten hand = B(5, "A", 7.00, 140);
    hand.verwendet = "ZURUECKGEZ";
    f.GespeicherterBonus(hand);
    BonusDaten manuell = B(6, "O", 10.00, 0);
    manuell.programmId = "BONUSMANU";
    manuell.programm = "1742";
    manuell.art = "BM";
    f.GespeicherterBonus(manuell);
    BonusDaten fremd = B(7, "O", 99.00, 0);
    fremd.kunde = {8, 0};
    f.GespeicherterBonus(fremd);
    BonusDaten neu = B(0, "O", 3.00, 60);
    neu.text = "  0001000000010;45350;60;3;1;4-5-6\n";
    f.TemporaererBonus(neu);
    BonusDaten andererLauf = neu;
    andererLauf.programm = "Treue";
    andererLauf.snr = 1;
    f.TemporaererBonus(andererLauf);

    TBonusTabellen t;
    t.SetHeute(SuiteFixture::D(2024, 6, 1));
    t.SetKundeGepNr({7, 0});
    ASSERT_EQ(t.GetTabCount(), 6);  // stored only
    EXPECT_EQ(t.GetTabelle(0).GetIdent(), (TBonusIdent{9, 100, 1}));
    EXPECT_FALSE(t.GetTabelle(0).GetAbgeschlossen());
    EXPECT_TRUE(t.GetTabelle(1).GetAbgeschlossen());
    EXPECT_TRUE(t.GetTabelle(2).GetBonusAbgelaufen());
    EXPECT_FALSE(t.GetTabelle(3).IstOffen());
    EXPECT_EQ(t.GetTabelle(3).GetVerwRef1(), 3);
    EXPECT_EQ(t.GetTabelle(3).GetVerwRef2(), 42);
    EXPECT_EQ(t.GetTabelle(4).GetVerwendet(), "ZURUECKGEZ");
    // Stored value and bonus of all six; closed and unused: 5; at the till (open, not
    // expired, closed or not): 2 + 5 + 10.
    EXPECT_DOUBLE_EQ(double(t.WertAlt()), 40 + 100 + 80 + 120 + 140 + 0);
    EXPECT_DOUBLE_EQ(double(t.BonusAlt()), 2 + 5 + 4 + 6 + 7 + 10);
    EXPECT_DOUBLE_EQ(double(t.BonusAbgeschlossen()), 5);
    EXPECT_DOUBLE_EQ(double(t.BonusKasse()), 17);
    EXPECT_DOUBLE_EQ(double(t.BonusNeu()), 0);

    // A manual grant is one item of kind "BM" with its own values.
    const TBonusTabelle& m = t.GetTabelle(5);
    ASSERT_EQ(m.GetItemCount(), 1);
    EXPECT_EQ(m.GetItem(0).Art, "BM");
    EXPECT_DOUBLE_EQ(double(*m.GetItem(0).Bonus), 10);

    // With the run's bonuses of one programme: the new one comes last, the other run's not.
    t.UseTMP(1, "BONUSUMSA", "Umsatz");
    t.SetKundeGepNr({7, 0});
    ASSERT_EQ(t.GetTabCount(), 7);
    const TBonusTabelle& n = t.GetTabelle(6);
    EXPECT_TRUE(n.IstNeu());
    ASSERT_EQ(n.GetItemCount(), 1);
    EXPECT_TRUE(n.GetItem(0).Neu);
    EXPECT_EQ(n.GetItem(0).ArtikelNr, TInt32Trio(4, 5, 6));
    EXPECT_DOUBLE_EQ(double(t.BonusNeu()), 3);
    EXPECT_DOUBLE_EQ(double(t.WertNeu()), 60);
    EXPECT_DOUBLE_EQ(double(t.BonusAlt()), 34);  // unchanged by the new one

    // Only closed bonuses are usable at the till when the parameter says so.
    f.Parameter("BONUNUAB", "J");
    t.UseTMP(0, "", "");
    t.SetKundeGepNr({7, 0});
    EXPECT_EQ(t.GetTabCount(), 6);
    EXPECT_DOUBLE_EQ(double(t.BonusKasse()), 5);

    EXPECT_NE(t.FindTabelle({9, 100, 2}), nullptr);
    EXPECT_EQ(t.FindTabelle({9, 100, 7}), nullptr);  // another customer's
    t.SetKundeGepNr({});
    EXPECT_EQ(t.GetTabCount(), 0);
}

TEST(BonusTabellen, ItemsOfTheTextBlock) {
    const auto items = TBonusTabellen::ItemsAusText(
        "BO   1      777\r\nRG2000000000123\n\n  0003000004567;45400;12.5;0.38;2;1-2-3\nGZ  12");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].Art, "BO");
    EXPECT_EQ(items[0].Nr1, 1);
    EXPECT_EQ(items[0].Nr2, 777);
    EXPECT_FALSE(items[0].Wert);
    EXPECT_EQ(items[1].Art, "RG");
    EXPECT_EQ(items[1].Nr1, 2000);
    EXPECT_EQ(items[1].Nr2, 123);
    EXPECT_EQ(items[2].Art, "");  // a single position
    EXPECT_EQ(items[2].Nr1, 3);
    EXPECT_EQ(items[2].Nr2, 4567);
    EXPECT_DOUBLE_EQ(items[2].Datum, 45400);
    EXPECT_DOUBLE_EQ(double(*items[2].Wert), 12.5);
    EXPECT_DOUBLE_EQ(double(*items[2].Bonus), 0.38);
    EXPECT_EQ(items[2].Nr3, 2);
    EXPECT_EQ(items[2].ArtikelNr, TInt32Trio(1, 2, 3));
    EXPECT_EQ(items[3].Nr1, 12);  // a short line reads what it has
    EXPECT_EQ(items[3].Nr2, 0);
}
