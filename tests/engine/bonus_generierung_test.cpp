// Bonus generation after an evaluation run and the booking of its bonuses, on small
// hand-built data whose bonuses are computed by hand in the comments.
#include <cmath>

#include "engine_fixture.h"
#include "support/bonus_programme.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/bonus/bonus_marken.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/work_files.h"

namespace kis::test {
namespace {

Pos P(double ist, int menge = 1, const std::string& art = "A9") {
    Pos p;
    p.art = art;
    p.ist = ist;
    p.menge = menge;
    return p;
}

int64_t Cent(double v) { return std::llround(v * 100); }

struct BonusZeile {
    int rnr = 0, lnr = 0, snr = 0;
    std::string status, programmId;
    int64_t wert = 0, basis = 0;
    int laenge = 0;
};

class BonusGenTest : public EngineTest {
protected:
    void Regel(const std::string& name, const std::string& wertArt, std::vector<std::string> zeilen) {
        BonusRegel(name, wertArt, std::move(zeilen));
    }
    void Programm(const std::string& typ, const std::string& name, const std::string& basis,
                  const std::string& storno, std::vector<std::string> inhalt, int laenge = -1,
                  const std::string& konto = "") {
        BonusProgramm(typ, name, basis, storno, std::move(inhalt), laenge, konto);
    }
    // Evaluation and generation under one programme.
    bool Generieren(const std::string& typ, const std::string& name) {
        q.Init();
        q.SetFilter(filter);
        q.FBONUSKennung = typ;
        q.FBONUSName = name;
        if (!q.ExecuteKI()) return false;
        q.FBONUSKennung = typ;
        q.FBONUSName = name;
        return q.ExecuteBO();
    }
    TBonusTabellenGen::TBuchErgebnis Buchen(const TIntPair& kunde, const std::string& typ,
                                            const std::string& name) {
        TBonusTabellenGen t;
        t.UseTMP(1, typ, name);
        return t.BucheKunde(kunde);
    }
    std::vector<BonusZeile> Boni(const TIntPair& kunde) {
        std::vector<BonusZeile> out;
        auto& s = fx.Db().Cached(
            "SELECT RNR, LNR, SNR, STATUS, PROGRAMMID, WERT, BASISWERT, LAENGE FROM BONUS WHERE "
            "KUNDE_L = ? AND KUNDE_R = ? ORDER BY RNR, LNR, SNR");
        s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr);
        while (s.Step())
            out.push_back({int(s.ColumnInt(0)), int(s.ColumnInt(1)), int(s.ColumnInt(2)),
                           s.ColumnText(3), s.ColumnText(4), Cent(s.ColumnDouble(5)),
                           Cent(s.ColumnDouble(6)), int(s.ColumnInt(7))});
        s.Reset();
        return out;
    }
    int64_t Zahl(const std::string& sql) {
        auto& s = fx.Db().Cached(sql);
        s.Step();
        const int64_t n = s.ColumnInt(0);
        s.Reset();
        return n;
    }
    // Temporary bonuses of the run: (customer left number, value in cents).
    std::vector<std::pair<int, int64_t>> Temporaer() {
        auto db = kis::store::WorkFileConnection(kis::store::WorkFileName("BONUTMP."), false);
        auto& s = db->Cached("SELECT KUNDE_L, WERT FROM BONUTMP ORDER BY KUNDE_L, RNR, LNR");
        std::vector<std::pair<int, int64_t>> out;
        while (s.Step()) out.emplace_back(int(s.ColumnInt(0)), Cent(s.ColumnDouble(1)));
        s.Reset();
        return out;
    }
    std::string Marke(int rnr, int lnr, int posnr) {
        auto& s = fx.Db().Cached(
            "SELECT BONUS1ART, BONUS1_L, BONUS1_R, BONUS1_S FROM LST WHERE RNR = ? AND LNR = ? AND POSNR = ?");
        s.Bind(1, rnr).Bind(2, lnr).Bind(3, posnr);
        std::string m;
        if (s.Step())
            m = s.ColumnText(0) + ":" + std::to_string(s.ColumnInt(1)) + "-" +
                std::to_string(s.ColumnInt(2)) + "-" + std::to_string(s.ColumnInt(3));
        s.Reset();
        return m;
    }
    void SetUp() override {
        ORVProgramm().SetRId(7);
        Regel("Zehn", "P", {"9999999,99=10,00"});
    }
};

// Per position, cancellations skipped: 12,34 -> 1,23; 7,66 -> 0,77 (0,766); -5,00 skipped.
// A customer whose only item earns 0,004 gets nothing. Booking writes the four places; a
// second run over the same sales finds every position settled and gives nothing new.
TEST_F(BonusGenTest, TurnoverPremiumPerPositionBooksOnceInFourPlaces) {
    Programm("BONUSUMSA", "Umsatz", "0", "0", {"Zehn"});
    const TIntPair a = fx.Kunde(1, "Albrecht");
    const TIntPair b = fx.Kunde(2, "Becker");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(12.34), P(7.66), P(-5.00, -1)});
    fx.Beleg(b, 1, 11, fx.D(2026, 3, 2), {P(0.04)});
    ASSERT_TRUE(Generieren("BONUSUMSA", "Umsatz"));
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{1, 200}}));

    // The customer's bonus page shows the new bonus with each item's value and bonus.
    TBonusTabellen seite;
    seite.UseTMP(1, "BONUSUMSA", "Umsatz");
    seite.SetKundeGepNr(a);
    EXPECT_EQ(Cent(double(seite.BonusNeu())), 200);
    ASSERT_EQ(seite.GetTabCount(), 1);
    ASSERT_EQ(seite.GetTabelle(0).GetItemCount(), 2);
    EXPECT_EQ(Cent(double(*seite.GetTabelle(0).GetItem(1).Wert)), 766);
    EXPECT_EQ(Cent(double(*seite.GetTabelle(0).GetItem(1).Bonus)), 77);
    EXPECT_EQ(seite.GetTabelle(0).GetItem(1).Nr2, 10);

    EXPECT_EQ(Buchen(a, "BONUSUMSA", "Umsatz"), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    EXPECT_EQ(Buchen(b, "BONUSUMSA", "Umsatz"), TBonusTabellenGen::TBuchErgebnis::NichtsZuBuchen);
    // Booked, the page shows the same amount as stored and nothing new.
    seite.SetKundeGepNr(a);
    EXPECT_EQ(Cent(double(seite.BonusAlt())), 200);
    EXPECT_EQ(Cent(double(seite.BonusNeu())), 0);
    const auto boni = Boni(a);
    ASSERT_EQ(boni.size(), 1u);
    EXPECT_EQ(boni[0].rnr, 7);
    EXPECT_EQ(boni[0].lnr, 1);
    EXPECT_EQ(boni[0].wert, 200);
    EXPECT_EQ(boni[0].basis, 2000);
    EXPECT_EQ(boni[0].laenge, 2);
    EXPECT_EQ(boni[0].status, "O");
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM OP WHERE TABELLE = 'BONUS' AND RNR = 7 AND LNR = 1 AND "
                   "BETRAG1 = 0 AND ROUND(BETRAG2 * 100) = 200 AND STATUS = 'O'"), 1);
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM DIENST WHERE RNR = 7 AND LNR = 1 AND VERWENDET = ''"), 1);
    EXPECT_EQ(Marke(1, 10, 1), "BN:7-1-0");
    EXPECT_EQ(Marke(1, 10, 2), "BN:7-1-0");
    EXPECT_EQ(Marke(1, 10, 3), ":0-0-0");  // the skipped cancellation stays free
    EXPECT_TRUE(Temporaer().empty());

    ASSERT_TRUE(Generieren("BONUSUMSA", "Umsatz"));
    EXPECT_TRUE(Temporaer().empty());
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM BONUS"), 1);
}

// Cancellations bonified negatively: 1,23 + 0,77 - 0,50 = 1,50.
TEST_F(BonusGenTest, CancellationsCanBeBonifiedNegatively) {
    Programm("BONUSUMSA", "Umsatz", "0", "1", {"Zehn"});
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(12.34), P(7.66), P(-5.00, -1)});
    ASSERT_TRUE(Generieren("BONUSUMSA", "Umsatz"));
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{1, 150}}));
}

// 3,33 + 3,33 + 3,34 in two receipts under 10 %: per position 0,33 + 0,33 + 0,33 = 0,99; per
// receipt 6,66 -> 0,67 and 3,34 -> 0,33 = 1,00; on the sum 10,00 -> 1,00. Per receipt marks
// the receipts' positions.
TEST_F(BonusGenTest, PremiumBasesPositionReceiptAndSum) {
    Programm("BONUSUMSA", "Pos", "0", "0", {"Zehn"});
    Programm("BONUSUMSA", "Bon", "1", "0", {"Zehn"});
    Programm("BONUSUMSA", "Summe", "2", "0", {"Zehn"});
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(3.33), P(3.33)});
    fx.Beleg(a, 1, 11, fx.D(2026, 3, 3), {P(3.34)});
    ASSERT_TRUE(Generieren("BONUSUMSA", "Pos"));
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{1, 99}}));
    ASSERT_TRUE(Generieren("BONUSUMSA", "Summe"));
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{1, 100}}));
    ASSERT_TRUE(Generieren("BONUSUMSA", "Bon"));
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{1, 100}}));
    EXPECT_EQ(Buchen(a, "BONUSUMSA", "Bon"), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    EXPECT_EQ(Marke(1, 10, 1), "BN:7-1-0");
    EXPECT_EQ(Marke(1, 10, 2), "BN:7-1-0");
    EXPECT_EQ(Marke(1, 11, 1), "BN:7-1-0");
    // Every receipt is settled now, so no programme finds anything more.
    ASSERT_TRUE(Generieren("BONUSUMSA", "Summe"));
    EXPECT_TRUE(Temporaer().empty());
}

// A coupon on the sum: 20,00 + 30,00 = 50,00 lies in the second band (above 40,00): 5,00.
TEST_F(BonusGenTest, CouponCarriesItsTypeAndOpenItemTable) {
    Regel("Stufen", "A", {"40,00=2,00", "9999999,99=5,00"});
    Programm("BONUSRABS", "Schein", "2", "0", {"Stufen"}, -1, "RS10");
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(20.00), P(30.00)});
    ASSERT_TRUE(Generieren("BONUSRABS", "Schein"));
    EXPECT_EQ(Buchen(a, "BONUSRABS", "Schein"), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM BONUS WHERE COUPONTYP = 'RS10' AND ROUND(WERT * 100) = 500"), 1);
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM OP WHERE TABELLE = 'RSCHEIN' AND ROUND(BETRAG2 * 100) = 500"), 1);
}

// A pass of three entries: 1,00, 1,00, 3,00. Run 1 with two sales: an open pass of 2,00.
// Run 2 with two more: entry 3 closes it at 5,00, entry 4 starts a new pass at 1,00.
TEST_F(BonusGenTest, PassFillsAndClosesAcrossTwoRuns) {
    Regel("Eins", "A", {"9999999,99=1,00"});
    Regel("Drei", "A", {"9999999,99=3,00"});
    Programm("BONUSPASS", "Karte", "0", "0", {"Eins", "Eins", "Drei"}, 3);
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(10.00), P(20.00)});
    ASSERT_TRUE(Generieren("BONUSPASS", "Karte"));
    ASSERT_EQ(Buchen(a, "BONUSPASS", "Karte"), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    auto boni = Boni(a);
    ASSERT_EQ(boni.size(), 1u);
    EXPECT_EQ(boni[0].wert, 200);
    EXPECT_EQ(boni[0].laenge, 2);
    EXPECT_EQ(boni[0].status, "O");

    fx.Beleg(a, 1, 11, fx.D(2026, 3, 9), {P(5.00), P(6.00)});
    ASSERT_TRUE(Generieren("BONUSPASS", "Karte"));
    ASSERT_EQ(Buchen(a, "BONUSPASS", "Karte"), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    boni = Boni(a);
    ASSERT_EQ(boni.size(), 2u);
    EXPECT_EQ(boni[0].wert, 500);
    EXPECT_EQ(boni[0].basis, 3500);
    EXPECT_EQ(boni[0].laenge, 3);
    EXPECT_EQ(boni[0].status, "A");
    EXPECT_EQ(boni[1].wert, 100);
    EXPECT_EQ(boni[1].laenge, 1);
    EXPECT_EQ(boni[1].status, "O");
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM OP WHERE RNR = 7 AND LNR = 1 AND STATUS = 'A' AND "
                   "ROUND(BETRAG2 * 100) = 500"), 1);
    EXPECT_EQ(Marke(1, 11, 1), "BN:7-1-0");
    EXPECT_EQ(Marke(1, 11, 2), "BN:7-2-0");
}

// A pass whose first entries are worth nothing still advances: the entries are stored at 0,00.
TEST_F(BonusGenTest, PassAtZeroAdvances) {
    Regel("Null", "A", {"9999999,99=0,00"});
    Programm("BONUSPASS", "Karte", "0", "0", {"Null", "Null"}, 2);
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(10.00)});
    ASSERT_TRUE(Generieren("BONUSPASS", "Karte"));
    ASSERT_EQ(Buchen(a, "BONUSPASS", "Karte"), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    const auto boni = Boni(a);
    ASSERT_EQ(boni.size(), 1u);
    EXPECT_EQ(boni[0].wert, 0);
    EXPECT_EQ(boni[0].laenge, 1);
}

// Monthly periods from 10 January, threshold 100,00, 10 %, extra bonus 5,00 above 150,00 and
// 20,00 above 300,00. January period: 80,00 + 90,00 = 170,00 -> 8,00 + 9,00 + 5,00 = 22,00,
// closed because the period has ended. February period: 50,00 stays below the threshold.
TEST_F(BonusGenTest, PeriodPremiumWithThresholdAndExtraBonus) {
    Programm("BONUSUMZR", "Monat", "0", "",
             {"ZEITRAUM=1", "EINHEIT=3", "UMSATZGRENZE=100,00", "REGEL=Zehn", "BERECHNUNG=1",
              "STORNO=1", "GUTSCHEINE=0", "EXTRABONUS=150,00;5,00", "EXTRABONUS=300,00;20,00"});
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2025, 1, 10), {P(80.00)});
    fx.Beleg(a, 1, 11, fx.D(2025, 1, 20), {P(90.00)});
    fx.Beleg(a, 1, 12, fx.D(2025, 2, 15), {P(50.00)});
    ASSERT_TRUE(Generieren("BONUSUMZR", "Monat"));
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{1, 2200}}));
    ASSERT_EQ(Buchen(a, "BONUSUMZR", "Monat"), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    const auto boni = Boni(a);
    ASSERT_EQ(boni.size(), 1u);
    EXPECT_EQ(boni[0].status, "A");
    EXPECT_EQ(boni[0].basis, 17000);
    EXPECT_EQ(Marke(1, 12, 1), ":0-0-0");  // below the threshold: free for the next run
}

// A position another run marked since the generation skips the customer and drops the stale
// temporary bonus; a failing mark rolls the whole customer back and keeps it.
TEST_F(BonusGenTest, FailingOrStaleBookingLeavesNothingBooked) {
    Programm("BONUSUMSA", "Umsatz", "0", "0", {"Zehn"});
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(10.00), P(20.00)});
    ASSERT_TRUE(Generieren("BONUSUMSA", "Umsatz"));

    TBonusTabellenGen t;
    t.UseTMP(1, "BONUSUMSA", "Umsatz");
    int n = 0;
    t.OnItemBuchen = [&](const TIntPair& k, const TBonusGenItem& item, const TInt32Trio& ref) {
        if (++n == 2) throw std::runtime_error("Position gesperrt");
        BonusTabItemBuchen(k, item, ref);
    };
    std::string meldung;
    EXPECT_EQ(t.BucheKunde(a, &meldung), TBonusTabellenGen::TBuchErgebnis::Fehler);
    EXPECT_EQ(meldung, "Position gesperrt");
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM BONUS") + Zahl("SELECT COUNT(*) FROM OP") +
                  Zahl("SELECT COUNT(*) FROM DIENST"), 0);
    EXPECT_EQ(Marke(1, 10, 1), ":0-0-0");
    EXPECT_EQ(Temporaer().size(), 1u);
    EXPECT_EQ(kis::store::ORVBuchung().Depth(), 0);

    // Another run settles position 2 meanwhile.
    fx.Db().Exec("UPDATE LST SET BONUS1ART = 'BN', BONUS1_L = 9 WHERE LNR = 10 AND POSNR = 2");
    EXPECT_EQ(Buchen(a, "BONUSUMSA", "Umsatz"), TBonusTabellenGen::TBuchErgebnis::SchonVerrechnet);
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM BONUS"), 0);
    EXPECT_EQ(Marke(1, 10, 1), ":0-0-0");
    EXPECT_TRUE(Temporaer().empty());
}

// A crash after the booking's commit but before its temporary bonus was removed: the retry
// finds the positions settled and books nothing twice.
TEST_F(BonusGenTest, RetryAfterCrashBetweenBookingAndCleanupBooksNothingTwice) {
    Programm("BONUSUMSA", "Umsatz", "0", "0", {"Zehn"});
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(10.00)});
    ASSERT_TRUE(Generieren("BONUSUMSA", "Umsatz"));
    {
        TBonusTabellenGen t;
        t.UseTMP(1, "BONUSUMSA", "Umsatz");
        t.KundeLaden(a);
        ASSERT_TRUE(t.Buchen_Noetig());
        t.Insert();  // ... and the process dies before Delete(1)
    }
    EXPECT_EQ(Buchen(a, "BONUSUMSA", "Umsatz"), TBonusTabellenGen::TBuchErgebnis::SchonVerrechnet);
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM BONUS"), 1);
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM OP"), 1);
    EXPECT_TRUE(Temporaer().empty());
}

// Deleting a customer's bonuses removes all places and frees the positions for a new run.
TEST_F(BonusGenTest, DeleteReleasesThePositions) {
    Programm("BONUSUMSA", "Umsatz", "0", "0", {"Zehn"});
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(10.00)});
    ASSERT_TRUE(Generieren("BONUSUMSA", "Umsatz"));
    ASSERT_EQ(Buchen(a, "BONUSUMSA", "Umsatz"), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    TBonusTabellenGen t;
    t.KundeLaden(a);
    t.Delete(0);
    EXPECT_EQ(Zahl("SELECT COUNT(*) FROM BONUS") + Zahl("SELECT COUNT(*) FROM OP") +
                  Zahl("SELECT COUNT(*) FROM DIENST"), 0);
    EXPECT_EQ(Marke(1, 10, 1), ":0-0-0");
    ASSERT_TRUE(Generieren("BONUSUMSA", "Umsatz"));
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{1, 100}}));
}

// A programme that cannot be read stops the generation; its failure is the run's result.
TEST_F(BonusGenTest, MissingProgrammeFailsTheGeneration) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(10.00)});
    EXPECT_FALSE(Generieren("BONUSUMSA", "Fehlt"));
    EXPECT_TRUE(q.BETAProPosition("BONUSUMSA", "Fehlt"));
    EXPECT_TRUE(Temporaer().empty());
}

// The period premium's vouchers and article values reach the filter; other kinds and the
// next run's Init leave them cleared.
TEST_F(BonusGenTest, PeriodSettingsReachTheFilterOnlyForTheirKind) {
    Programm("BONUSUMZR", "Monat", "0", "",
             {"ZEITRAUM=1", "EINHEIT=3", "UMSATZGRENZE=0,00", "REGEL=Zehn", "BERECHNUNG=1",
              "STORNO=1", "GUTSCHEINE=1", "ARTIKEL=1-2-3;4,50"});
    Programm("BONUSUMSA", "Umsatz", "0", "0", {"Zehn"});
    TMerovaFilter f;
    TMerovaQuery::Filter4BonusKonfig("BONUSUMZR", "Monat", f);
    EXPECT_TRUE(f.FGutscheineBeruecksichtigen);
    ASSERT_EQ(f.FSonderBoni4PIds.size(), 1u);
    EXPECT_EQ(f.FSonderBoni4PIds[0].PId, TInt32Trio(1, 2, 3));
    EXPECT_EQ(Cent(f.FSonderBoni4PIds[0].Betrag), 450);
    TMerovaFilter g;
    g.FGutscheineBeruecksichtigen = true;
    g.FSonderBoni4PIds = f.FSonderBoni4PIds;
    TMerovaQuery::Filter4BonusKonfig("", "", g);  // an ordinary evaluation keeps them
    EXPECT_TRUE(g.FGutscheineBeruecksichtigen);
    EXPECT_EQ(g.FSonderBoni4PIds.size(), 1u);
    TMerovaQuery::Filter4BonusKonfig("BONUSUMSA", "Umsatz", f);
    EXPECT_FALSE(f.FGutscheineBeruecksichtigen);
    EXPECT_TRUE(f.FSonderBoni4PIds.empty());
    // The next run forgets what a bonus run's programme set.
    q.FBONUSKennung = "BONUSUMZR";
    q.FFilter.FGutscheineBeruecksichtigen = true;
    q.FFilter.FSonderBoni4PIds = g.FSonderBoni4PIds;
    q.Init();
    EXPECT_FALSE(q.FFilter.FGutscheineBeruecksichtigen);
    EXPECT_TRUE(q.FFilter.FSonderBoni4PIds.empty());
}

// A customer whose bonuses cannot be written is registered and skipped; the others still get
// theirs, and the generation reports the failure.
TEST_F(BonusGenTest, FailingCustomerFailsTheRunButNotTheOthers) {
    Regel("Eins", "A", {"9999999,99=1,00"});
    Programm("BONUSPASS", "Karte", "0", "0", {"Eins", "Eins", "Eins"}, 3);
    const TIntPair a = fx.Kunde(1, "Albrecht");
    const TIntPair b = fx.Kunde(2, "Becker");
    fx.Row("BONUS", {{"RNR", 5}, {"LNR", 5}, {"SNR", 0}, {"KUNDE", a}, {"PROGRAMMID", std::string("BONUSPASS")},
                     {"PROGRAMM", std::string("Karte")}, {"STATUS", std::string("O")}, {"LAENGE", 1}});
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(10.00)});
    fx.Beleg(b, 1, 11, fx.D(2026, 3, 2), {P(10.00)});
    q.Init();
    q.SetFilter(filter);
    ASSERT_TRUE(q.ExecuteKI());
    // Something else holds the reference of A's open pass in the temporary file.
    auto db = kis::store::WorkFileConnection(kis::store::WorkFileName("BONUTMP."), false);
    db->Exec("INSERT INTO BONUTMP (RNR, LNR, SNR, KUNDE_L) VALUES (5, 5, 0, 99)");
    q.FBONUSKennung = "BONUSPASS";
    q.FBONUSName = "Karte";
    EXPECT_FALSE(q.ExecuteBO());
    EXPECT_NE(q.Fehler().find("TMerovaQuery.ExecuteBO_BonusBerechnen"), std::string::npos);
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{2, 100}, {99, 0}}));
}

// A generation stopped from the progress dialog is no success.
TEST_F(BonusGenTest, StoppedGenerationIsNoSuccess) {
    Programm("BONUSUMSA", "Umsatz", "0", "0", {"Zehn"});
    const TIntPair a = fx.Kunde(1, "Albrecht");
    const TIntPair b = fx.Kunde(2, "Becker");
    fx.Beleg(a, 1, 10, fx.D(2026, 3, 2), {P(10.00)});
    fx.Beleg(b, 1, 11, fx.D(2026, 3, 2), {P(10.00)});
    std::vector<TIntPair> gemeldet;
    q.OnGepGelesen = [&](const TIntPair& k, const std::string&) {
        gemeldet.push_back(k);
        if (q.FBONUSKennung == "BONUSUMSA" && k == b) q.SetActive(false);
    };
    q.Init();
    q.SetFilter(filter);
    ASSERT_TRUE(q.ExecuteKI());
    gemeldet.clear();
    q.FBONUSKennung = "BONUSUMSA";
    q.FBONUSName = "Umsatz";
    EXPECT_FALSE(q.ExecuteBO());
    EXPECT_EQ(gemeldet, (std::vector<TIntPair>{a, b}));
    EXPECT_EQ(Temporaer(), (std::vector<std::pair<int, int64_t>>{{1, 100}}));
}

}  // namespace
}  // namespace kis::test
