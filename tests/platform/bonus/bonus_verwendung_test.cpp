// Marking bonuses as used and cancelling them: each bonus changes exactly its own places, in
// one booking, and a bonus that is gone, used or incomplete is left alone.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/bonus/bonus_verwendung.h"
#include "platform/store/booking.h"
#include "support/bonus_orte.h"

namespace {

using kis::test::BonusDaten;
using kis::test::BonusInAllenOrten;
using kis::test::AbbildLesen;
using kis::test::Pos;
using kis::test::SuiteFixture;
using kis::test::Unterschiede;
using Diff = std::set<std::string>;

Pos P(double ist) {
    Pos p;
    p.ist = ist;
    return p;
}

TIdent Id(int rnr, int lnr, int snr = 0) {
    TIdent i;
    i.RNr = rnr;
    i.LNr = lnr;
    i.SNr = snr;
    return i;
}

class BonusVerwendungTest : public ::testing::Test {
protected:
    // Albrecht: bonus 7-1-0 (5,00, open) from receipt 1/10, bonus 7-2-0 (4,00, closed) from
    // receipt 1/11. Becker: discount coupon 7-3-0 (2,50) from receipt 2/12.
    void SetUp() override {
        a = fx.Kunde(1, "Albrecht");
        b = fx.Kunde(2, "Becker");
        fx.Beleg(a, 1, 10, SuiteFixture::D(2026, 3, 2), {P(20), P(30), P(15)});
        fx.Beleg(a, 1, 11, SuiteFixture::D(2026, 3, 3), {P(40)});
        fx.Beleg(b, 2, 12, SuiteFixture::D(2026, 3, 4), {P(10)});
        BonusInAllenOrten(fx, Bonus(1, a, 5.00, "O"), {{1, 10, 1}, {1, 10, 2}});
        BonusInAllenOrten(fx, Bonus(2, a, 4.00, "A"), {{1, 11, 1}});
        BonusDaten coupon = Bonus(3, b, 2.50, "O");
        coupon.programmId = "RSCHEMANU";
        BonusInAllenOrten(fx, coupon, {{2, 12, 1}}, "RSCHEIN");
    }
    BonusDaten Bonus(int lnr, const TIntPair& kunde, double wert, const std::string& status) {
        BonusDaten d;
        d.rnr = 7;
        d.lnr = lnr;
        d.kunde = kunde;
        d.wert = wert;
        d.status = status;
        d.datum = SuiteFixture::D(2026, 3, 5);
        return d;
    }
    // Booking numbers of the journal's type-43 bookings as "%.4d%.9d", with their key.
    std::vector<std::string> Buchungen43() {
        std::vector<std::string> out;
        auto& s = fx.Db().Cached(
            "SELECT NR_L, NR_R, SCHLUESSEL_L FROM BUCHUNG WHERE TYP = 43 ORDER BY NR_L, NR_R");
        while (s.Step()) {
            char buf[48];
            std::snprintf(buf, sizeof buf, "%.4d%.9d@%d", int(s.ColumnInt(0)), int(s.ColumnInt(1)),
                          int(s.ColumnInt(2)));
            out.push_back(buf);
        }
        s.Reset();
        return out;
    }
    SuiteFixture fx;
    TIntPair a, b;
};

TEST_F(BonusVerwendungTest, MarkingUsedRemovesTheOpenItemAndMarksTheServiceRecordOnly) {
    const auto vorher = AbbildLesen(fx);
    const auto r = Buche_BoniLoeschen({Id(7, 1), Id(7, 3)});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_TRUE(BonusAktionAlleGebucht(r)) << BonusAktionFehlerText(r);
    // One booking per bonus, keyed by its customer; its number is the usage reference.
    const auto buchungen = Buchungen43();
    ASSERT_EQ(buchungen.size(), 2u);
    EXPECT_EQ(buchungen[0].substr(13), "@1");
    EXPECT_EQ(buchungen[1].substr(13), "@2");
    const std::string ref1 = buchungen[0].substr(0, 13), ref3 = buchungen[1].substr(0, 13);
    EXPECT_NE(ref1, ref3);
    // The bonus records and the sales marks stay: a used bonus keeps its sales settled.
    EXPECT_EQ(Unterschiede(vorher, AbbildLesen(fx)),
              (Diff{"-OP BONUS 1 O 500.0 7-1-0", "-OP RSCHEIN 2 O 250.0 7-3-0", "-DIENST 7-1-0 O [] []",
                    "-DIENST 7-3-0 O [] []", "+DIENST 7-1-0 O [ZURUECKGEZ] [" + ref1 + "]",
                    "+DIENST 7-3-0 O [ZURUECKGEZ] [" + ref3 + "]"}));

    // Again (a second workstation with the same list), or cancelling a used bonus: nothing
    // changes and no booking is left behind.
    const auto danach = AbbildLesen(fx);
    for (const auto& wieder : {Buche_BoniLoeschen({Id(7, 1), Id(7, 3)}), Buche_BoniStornieren({Id(7, 1)})}) {
        for (const auto& e : wieder) {
            EXPECT_EQ(e.Status, TBonusAktionStatus::SchonVerwendet);
            EXPECT_NE(e.Meldung.find("bereits verwendet"), std::string::npos) << e.Meldung;
        }
    }
    EXPECT_EQ(AbbildLesen(fx), danach);
    EXPECT_EQ(Buchungen43().size(), 2u);
}

// Bonus 7-2-0 settled 1/11/1 in the first mark and, besides 7-1-0, 1/10/2 in the second.
TEST_F(BonusVerwendungTest, CancellingReleasesExactlyItsMarksAndDeletesItsPlaces) {
    fx.Db().Exec("UPDATE LST SET BONUS2ART = 'BN', BONUS2_L = 7, BONUS2_R = 2, BONUS2_S = 0 WHERE RNR = 1 AND "
                 "LNR = 10 AND POSNR = 2");
    const auto vorher = AbbildLesen(fx);
    const auto r = Buche_BoniStornieren({Id(7, 2)});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_TRUE(r[0].Ok()) << r[0].Meldung;
    EXPECT_EQ(Unterschiede(vorher, AbbildLesen(fx)),
              (Diff{"-BONUS 7-2-0 1 A BONUSUMSA 400.0 ", "-OP BONUS 1 A 400.0 7-2-0", "-DIENST 7-2-0 A [] []",
                    "-LST 1/11/1 BN:7-2-0 :0-0-0", "+LST 1/11/1 :0-0-0 :0-0-0",
                    "-LST 1/10/2 BN:7-1-0 BN:7-2-0", "+LST 1/10/2 BN:7-1-0 :0-0-0"}));
    EXPECT_EQ(Buchungen43().size(), 1u);

    // Cancelled already (here or at another workstation): reported, nothing booked.
    const auto danach = AbbildLesen(fx);
    const auto wieder = Buche_BoniStornieren({Id(7, 2)});
    EXPECT_EQ(wieder[0].Status, TBonusAktionStatus::NichtVorhanden);
    const auto verwendet = Buche_BoniLoeschen({Id(7, 2)});
    EXPECT_EQ(verwendet[0].Status, TBonusAktionStatus::NichtVorhanden);
    EXPECT_FALSE(BonusAktionFehlerText(verwendet).empty());
    EXPECT_EQ(AbbildLesen(fx), danach);
    EXPECT_EQ(Buchungen43().size(), 1u);
}

// A bonus without its open item, without its service record or with two open items is not
// half-changed; the other bonuses of the same list are booked all the same.
TEST_F(BonusVerwendungTest, ABonusMissingOrDoubledInAPlaceIsLeftAlone) {
    BonusDaten ohneOp = Bonus(4, a, 1.00, "O");
    fx.GespeicherterBonus(ohneOp);
    BonusInAllenOrten(fx, Bonus(5, a, 1.00, "O"));
    fx.Db().Exec("DELETE FROM DIENST WHERE RNR = 7 AND LNR = 5");
    BonusInAllenOrten(fx, Bonus(6, a, 1.00, "O"));
    fx.OffenerPosten(a, "BONUS", "O", SuiteFixture::D(2026, 3, 5), 0, 1.00, 7, 6, 0);
    const auto vorher = AbbildLesen(fx);
    for (auto aktion : {&Buche_BoniLoeschen, &Buche_BoniStornieren}) {
        const auto r = aktion({Id(7, 4), Id(7, 5), Id(7, 6)});
        ASSERT_EQ(r.size(), 3u);
        for (const auto& e : r) EXPECT_EQ(e.Status, TBonusAktionStatus::Unvollstaendig) << e.Meldung;
        EXPECT_NE(r[0].Meldung.find("offene Posten fehlt"), std::string::npos) << r[0].Meldung;
        EXPECT_NE(r[1].Meldung.find("Dienstleistungssatz fehlt"), std::string::npos) << r[1].Meldung;
        EXPECT_NE(r[2].Meldung.find("mehrere offene Posten"), std::string::npos) << r[2].Meldung;
    }
    EXPECT_EQ(AbbildLesen(fx), vorher);
    EXPECT_TRUE(Buchungen43().empty());

    const auto gemischt = Buche_BoniStornieren({Id(7, 4), Id(7, 1)});
    EXPECT_FALSE(gemischt[0].Ok());
    EXPECT_TRUE(gemischt[1].Ok());
    EXPECT_FALSE(BonusAktionAlleGebucht(gemischt));
    EXPECT_EQ(BonusAktionFehlerText(gemischt), gemischt[0].Meldung);
    EXPECT_EQ(Unterschiede(vorher, AbbildLesen(fx)).size(), 3u + 4u);  // 3 places, 2 marks before/after
}

// Inside another booking a bonus could not be rolled back on its own: nothing is done.
TEST_F(BonusVerwendungTest, RefusedInsideAnotherBooking) {
    const auto vorher = AbbildLesen(fx);
    {
        kis::store::BookingScope aussen(99);
        const auto r = Buche_BoniStornieren({Id(7, 1)});
        EXPECT_EQ(r[0].Status, TBonusAktionStatus::Fehler);
        EXPECT_FALSE(r[0].Meldung.empty());
    }
    EXPECT_EQ(AbbildLesen(fx), vorher);
}

}  // namespace
