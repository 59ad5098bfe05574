// Cancelling a generated bonus releases the sales that earned it, so the next generation run
// bonifies them again; a bonus marked as used keeps them settled.
#include <cmath>

#include "engine_fixture.h"
#include "support/bonus_programme.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/bonus/bonus_verwendung.h"
#include "platform/services/orv_program.h"
#include "platform/store/work_files.h"

namespace kis::test {
namespace {

class BonusStornoTest : public EngineTest {
protected:
    // 10 % per receipt: receipt 1/10 (20,00 + 30,00) gives 5,00, receipt 1/11 (40,00) 4,00.
    void SetUp() override {
        ORVProgramm().SetRId(7);
        RegelZehnProzent();
        BonusProgramm("BONUSUMSA", "Bon", "1", "0", {"Zehn"});
        kunde = fx.Kunde(1, "Albrecht");
        fx.Beleg(kunde, 1, 10, fx.D(2026, 3, 2), {Preis(20), Preis(30)});
        fx.Beleg(kunde, 1, 11, fx.D(2026, 3, 3), {Preis(40)});
    }
    static Pos Preis(double ist) {
        Pos p;
        p.ist = ist;
        return p;
    }
    // Generates and books; the value in cents of the booked bonus (0 when nothing was booked).
    int64_t GenerierenUndBuchen() {
        q.Init();
        q.SetFilter(filter);
        q.FBONUSKennung = "BONUSUMSA";
        q.FBONUSName = "Bon";
        EXPECT_TRUE(q.ExecuteKI());
        q.FBONUSKennung = "BONUSUMSA";
        q.FBONUSName = "Bon";
        EXPECT_TRUE(q.ExecuteBO());
        TBonusTabellenGen t;
        t.UseTMP(1, "BONUSUMSA", "Bon");
        if (t.BucheKunde(kunde) != TBonusTabellenGen::TBuchErgebnis::Gebucht) return 0;
        auto& s = fx.Db().Cached("SELECT ROUND(WERT * 100), RNR, LNR, SNR FROM BONUS ORDER BY rowid DESC LIMIT 1");
        s.Step();
        const int64_t wert = s.ColumnInt(0);
        letzter.RNr = int32_t(s.ColumnInt(1));
        letzter.LNr = int32_t(s.ColumnInt(2));
        letzter.SNr = int32_t(s.ColumnInt(3));
        s.Reset();
        return wert;
    }
    // Positions marked by the bonus, as "RNR/LNR/POSNR".
    std::vector<std::string> Markiert(const TIdent& b) {
        auto& s = fx.Db().Cached(
            "SELECT RNR, LNR, POSNR FROM LST WHERE (BONUS1ART = 'BN' AND BONUS1_L = ? AND BONUS1_R = ? AND "
            "BONUS1_S = ?) ORDER BY RNR, LNR, POSNR");
        s.Bind(1, b.RNr).Bind(2, b.LNr).Bind(3, b.SNr);
        std::vector<std::string> out;
        while (s.Step())
            out.push_back(std::to_string(s.ColumnInt(0)) + "/" + std::to_string(s.ColumnInt(1)) + "/" +
                          std::to_string(s.ColumnInt(2)));
        s.Reset();
        return out;
    }
    TIntPair kunde;
    TIdent letzter;
};

const std::vector<std::string> kAlle{"1/10/1", "1/10/2", "1/11/1"};

TEST_F(BonusStornoTest, CancelledSalesAreBonifiedAgainByTheNextRun) {
    ASSERT_EQ(GenerierenUndBuchen(), 900);
    const TIdent erster = letzter;
    EXPECT_EQ(Markiert(erster), kAlle);
    // Nothing left to bonify while the bonus stands.
    EXPECT_EQ(GenerierenUndBuchen(), 0);

    const auto r = Buche_BoniStornieren({erster});
    ASSERT_TRUE(r[0].Ok()) << r[0].Meldung;
    EXPECT_TRUE(Markiert(erster).empty());

    ASSERT_EQ(GenerierenUndBuchen(), 900);
    EXPECT_EQ(Markiert(letzter), kAlle);
}

TEST_F(BonusStornoTest, SalesOfAUsedBonusStaySettled) {
    ASSERT_EQ(GenerierenUndBuchen(), 900);
    const TIdent erster = letzter;
    const auto r = Buche_BoniLoeschen({erster});
    ASSERT_TRUE(r[0].Ok()) << r[0].Meldung;
    EXPECT_EQ(Markiert(erster), kAlle);
    EXPECT_EQ(GenerierenUndBuchen(), 0);
}

}  // namespace
}  // namespace kis::test
