// The bonus tables fed by hand: text lines, the period premium across runs and periods.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/bonus/beta_programm.h"
#include "support/bonus_programme.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/services/orv_program.h"
#include "platform/store/work_files.h"
#include "support/suite_fixture.h"

namespace {

using kis::test::Pos;
using kis::test::SuiteFixture;

int64_t Cent(long double v) { return std::llround(double(v) * 100); }

// The line keeps kind and numbers at fixed places (read by the bonus page too) and every
// value exactly, negative ones included.
TEST(BonusGenItem, TextLineRoundTrip) {
    TBonusGenItem a;
    a.Art = "AP";
    a.Art2 = "AUF";
    a.Nr1 = 12;
    a.Nr2 = 345678;
    a.Wert = -19.99L;
    a.BonusCent = -200;
    a.Datum = 46000.5;
    a.ArtikelNr = TInt32Trio(1, 2, 3);
    a.Nr3 = 4;
    a.Nr4 = 5;
    const std::string z = a.AlsTextZeile();
    EXPECT_EQ(z, "AP  12   345678;46000.500000;-19.99;-2.00;0;1-2-3;AUF;4;5");
    TBonusGenItem b;
    ASSERT_TRUE(TBonusGenItem::AusTextZeile(z, b));
    EXPECT_EQ(b.Art, "AP");
    EXPECT_EQ(b.Art2, "AUF");
    EXPECT_EQ(b.Nr1, 12);
    EXPECT_EQ(b.Nr2, 345678);
    EXPECT_EQ(Cent(b.Wert), -1999);
    EXPECT_EQ(b.BonusCent, -200);
    EXPECT_DOUBLE_EQ(double(b.Datum), 46000.5);
    EXPECT_EQ(b.ArtikelNr, TInt32Trio(1, 2, 3));
    EXPECT_EQ(b.Nr3, 4);
    EXPECT_EQ(b.Nr4, 5);

    TBonusGenItem pos;
    pos.Art = "  ";
    pos.Nr1 = 1;
    pos.Nr2 = 10;
    pos.PosNr = 3;
    pos.Wert = 0.05L;
    pos.BonusCent = -5;
    EXPECT_EQ(pos.AlsTextZeile(), "     1       10;0.000000;0.05;-0.05;3;0-0-0;;0;0");
    ASSERT_TRUE(TBonusGenItem::AusTextZeile(pos.AlsTextZeile(), b));
    EXPECT_TRUE(b.IstPosition());
    EXPECT_EQ(b.PosNr, 3);
    EXPECT_EQ(Cent(b.Wert), 5);
    EXPECT_FALSE(TBonusGenItem::AusTextZeile("kaputt", b));
}

class PeriodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ORVProgramm().SetRId(3);
        kis::test::RegelZehnProzent();
        kis::test::BonusProgramm("BONUSUMZR", "Woche", "0", "",
                                 {"ZEITRAUM=1", "EINHEIT=2", "UMSATZGRENZE=0,00", "REGEL=Zehn",
                                  "BERECHNUNG=1", "STORNO=1", "GUTSCHEINE=1"});
        kunde = fx.Kunde(1, "Albrecht");
        Pos p1, p2, p3, p4;
        p1.ist = 10, p2.ist = 20, p3.ist = 30, p4.ist = 10;
        fx.Beleg(kunde, 1, 10, SuiteFixture::D(2026, 3, 2), {p1});
        fx.Beleg(kunde, 1, 11, SuiteFixture::D(2026, 3, 4), {p2});
        fx.Beleg(kunde, 1, 12, SuiteFixture::D(2026, 3, 6), {p3});
        fx.Beleg(kunde, 1, 13, SuiteFixture::D(2026, 3, 10), {p4});
        // The run's temporary bonus file starts empty.
        kis::store::WorkFileConnection(kis::store::WorkFileName("BONUTMP."), true);
    }
    TBonusGenItem Item(int lnr, double wert, int tag, const std::string& art = "  ") {
        TBonusGenItem it;
        it.Art = art;
        it.Nr1 = 1;
        it.Nr2 = lnr;
        it.PosNr = 1;
        it.Wert = wert;
        it.Datum = SuiteFixture::D(2026, 3, tag);
        return it;
    }
    int64_t Anzahl(const std::string& sql) {
        auto& s = fx.Db().Cached(sql);
        s.Step();
        const int64_t n = s.ColumnInt(0);
        s.Reset();
        return n;
    }
    SuiteFixture fx;
    TIntPair kunde;
};

// Weekly periods from Monday 2 March. Run 1 on 5 March: 10,00 + 20,00 -> 3,00, running, open;
// a voucher redemption earns nothing (vouchers earn at issue). Run 2 on 11 March: 30,00 on
// 6 March completes the first week at 6,00 (the stored 3,00 plus 3,00, closed); 10,00 on
// 10 March opens the second week at 1,00.
TEST_F(PeriodeTest, RunningPeriodIsContinuedAndClosedByTheNextRun) {
    TBonusTabellenGen gen;
    gen.New(kunde, "BONUSUMZR", "Woche");
    gen.VorhandeneKundenDatenLaden();
    EXPECT_EQ(Cent(gen.AddItem(Item(10, 10, 2))), 100);
    EXPECT_EQ(Cent(gen.AddItem(Item(11, 20, 4))), 200);
    EXPECT_EQ(Cent(gen.AddItem(Item(99, 50, 4, "GZ"))), 0);
    EXPECT_EQ(Cent(gen.BonusNeu()), 0);
    gen.OffenerBonusBerechnen(kunde, SuiteFixture::D(2026, 3, 5));
    ASSERT_EQ(gen.Tabellen().size(), 1u);
    EXPECT_EQ(gen.Tabellen()[0].BonusCent, 300);
    EXPECT_EQ(gen.Tabellen()[0].Status, "O");

    TBonusTabellenGen buch;
    buch.UseTMP(1, "BONUSUMZR", "Woche");
    ASSERT_EQ(buch.BucheKunde(kunde), TBonusTabellenGen::TBuchErgebnis::Gebucht);

    gen.New(kunde, "BONUSUMZR", "Woche");
    gen.VorhandeneKundenDatenLaden();
    gen.AddItem(Item(12, 30, 6));
    gen.AddItem(Item(13, 10, 10));
    gen.OffenerBonusBerechnen(kunde, SuiteFixture::D(2026, 3, 11));
    ASSERT_EQ(gen.Tabellen().size(), 2u);
    EXPECT_TRUE(gen.Tabellen()[0].Fortsetzung());
    EXPECT_EQ(gen.Tabellen()[0].BonusCent, 300);
    EXPECT_EQ(gen.Tabellen()[0].Status, "A");
    EXPECT_FALSE(gen.Tabellen()[1].Fortsetzung());
    EXPECT_EQ(gen.Tabellen()[1].BonusCent, 100);
    ASSERT_EQ(buch.BucheKunde(kunde), TBonusTabellenGen::TBuchErgebnis::Gebucht);

    EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM BONUS"), 2);
    EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM BONUS WHERE ROUND(WERT * 100) = 600 AND STATUS = 'A' "
                     "AND LAENGE = 3 AND ROUND(BASISWERT * 100) = 6000"), 1);
    EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM OP WHERE ROUND(BETRAG2 * 100) = 600 AND STATUS = 'A'"), 1);
    EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM BONUS WHERE ROUND(WERT * 100) = 100 AND STATUS = 'O'"), 1);
    EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM LST WHERE BONUS1ART = 'BN'"), 4);

    // Run 3 on 20 March without new sales closes the ended second week as it stands.
    gen.New(kunde, "BONUSUMZR", "Woche");
    gen.VorhandeneKundenDatenLaden();
    gen.OffenerBonusBerechnen(kunde, SuiteFixture::D(2026, 3, 20));
    ASSERT_EQ(gen.Tabellen().size(), 1u);
    EXPECT_EQ(gen.Tabellen()[0].BonusCent, 0);
    EXPECT_EQ(gen.Tabellen()[0].Status, "A");
    ASSERT_EQ(buch.BucheKunde(kunde), TBonusTabellenGen::TBuchErgebnis::Gebucht);
    EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM BONUS WHERE STATUS = 'A'"), 2);
    EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM BONUS WHERE ROUND(WERT * 100) = 100 AND LAENGE = 1"), 1);
    gen.New(kunde, "BONUSUMZR", "Woche");
    gen.VorhandeneKundenDatenLaden();
    gen.OffenerBonusBerechnen(kunde, SuiteFixture::D(2026, 3, 21));
    EXPECT_TRUE(gen.Tabellen().empty());  // nothing left to close
}

// A programme that cannot compute is refused at New, before any customer is touched.
TEST_F(PeriodeTest, ProgrammeWithoutRecordOrRuleIsRefused) {
    TBonusTabellenGen gen;
    EXPECT_THROW(gen.New(kunde, "BONUSUMSA", "Fehlt"), std::runtime_error);
    TBetaSatz p;
    p.Typ = "BONUSUMSA";
    p.Name = "OhneRegel";
    p.Inhalt = {"Gibtsnicht"};
    TBetaStore::Speichern(p, nullptr);
    EXPECT_THROW(gen.New(kunde, "BONUSUMSA", "OhneRegel"), std::runtime_error);
    EXPECT_THROW(gen.New(kunde, "GRUNDTAB", "Zehn"), std::runtime_error);
}

}  // namespace
