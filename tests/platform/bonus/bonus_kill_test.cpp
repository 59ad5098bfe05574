// "Buchung für alle Kunden" killed at random points: the four places always agree, and the
// rerun books the rest without paying anyone twice.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "support/bonus_programme.h"
#include "platform/bonus/bonus_buchungslauf.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/bonus/bonus_marken.h"
#include "platform/services/orv_program.h"
#include "platform/store/work_files.h"
#include "support/suite_fixture.h"

namespace {

using kis::test::Pos;
using kis::test::SuiteFixture;

constexpr int kKunden = 40;
constexpr int kStapel = 7;  // customers per batch in the batch runs

class BonusKillTest : public ::testing::Test {
protected:
    int64_t Zahl(const std::string& sql) {
        auto& s = fx.Db().Cached(sql);
        s.Step();
        const int64_t n = s.ColumnInt(0);
        s.Reset();
        return n;
    }
    // Books every customer in a child process that is killed after `ms` milliseconds. The
    // child works on a copy of the run's temporary file, as a restarted workstation would
    // after a crash: its removals never reach the original.
    void GetoeteteBuchung(int ms, bool stapel) {
        const std::filesystem::path dir(kis::store::WorkDir());
        const std::string original = kis::store::WorkFileName("BONUTMP.");
        const pid_t pid = ::fork();
        if (pid == 0) {
            try {
                auto db = kis::store::Database::OpenSuite(fx.DbPath().string());
                kis::store::SetSuiteDb(db.get());
                std::filesystem::copy_file(dir / original,
                                           dir / kis::store::WorkFileName("BONUTMP."),
                                           std::filesystem::copy_options::overwrite_existing);
                const auto langsam = [](const TIntPair& k, const TBonusGenItem& item,
                                        const TInt32Trio& ref) {
                    ::usleep(3000);
                    BonusTabItemBuchen(k, item, ref);
                };
                if (stapel) {
                    TBonusBuchungsLauf lauf("BONUSUMSA", "Umsatz", kStapel);
                    lauf.Tabellen().OnItemBuchen = langsam;
                    for (int i = 1; i <= kKunden; ++i) lauf.BucheKunde(TIntPair(i, 0));
                    lauf.Abschliessen();
                } else {
                    TBonusTabellenGen t;
                    t.UseTMP(1, "BONUSUMSA", "Umsatz");
                    t.OnItemBuchen = langsam;
                    for (int i = 1; i <= kKunden; ++i) t.BucheKunde(TIntPair(i, 0));
                }
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        ASSERT_GT(pid, 0);
        ::usleep(useconds_t(ms) * 1000);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    // Every booked bonus is whole: value 3,00, one open item, one service record and exactly
    // its two positions marked; no customer has more than one.
    void PruefeStimmig() {
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM BONUS WHERE ROUND(WERT * 100) <> 300"), 0);
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM (SELECT KUNDE_L FROM BONUS GROUP BY KUNDE_L HAVING "
                       "COUNT(*) > 1)"),
                  0);
        const int64_t boni = Zahl("SELECT COUNT(*) FROM BONUS");
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM OP o JOIN BONUS b ON b.RNR = o.RNR AND b.LNR = o.LNR "
                       "AND b.SNR = o.SNR AND b.KUNDE_L = o.KUNDE_L"),
                  boni);
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM OP"), boni);
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM DIENST d JOIN BONUS b ON b.RNR = d.RNR AND "
                       "b.LNR = d.LNR AND b.SNR = d.SNR"),
                  boni);
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM DIENST"), boni);
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM LST l JOIN BONUS b ON l.BONUS1ART = 'BN' AND "
                       "l.BONUS1_L = b.RNR AND l.BONUS1_R = b.LNR AND l.BONUS1_S = b.SNR AND "
                       "l.LNR = 100 + b.KUNDE_L"),
                  2 * boni);
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM LST WHERE BONUS1ART = 'BN'"), 2 * boni);
    }
    // Random kill points while every customer is booked (in batches or one by one), then a
    // rerun that books the rest without paying anyone twice.
    void KillenUndNachbuchen(bool stapel) {
        ORVProgramm().SetRId(2);
        kis::test::RegelZehnProzent();
        kis::test::BonusProgramm("BONUSUMSA", "Umsatz", "0", "0", {"Zehn"});
        kis::store::WorkFileConnection(kis::store::WorkFileName("BONUTMP."), true);

        TBonusTabellenGen gen;
        for (int i = 1; i <= kKunden; ++i) {
            const TIntPair k = fx.Kunde(i, "Kunde " + std::to_string(i));
            Pos a, b;
            a.ist = 10;
            b.ist = 20;
            fx.Beleg(k, 1, 100 + i, SuiteFixture::D(2026, 3, 2), {a, b});
            gen.New(k, "BONUSUMSA", "Umsatz");
            gen.VorhandeneKundenDatenLaden();
            for (int pos = 1; pos <= 2; ++pos) {
                TBonusGenItem it;
                it.Art = "  ";
                it.Nr1 = 1;
                it.Nr2 = 100 + i;
                it.PosNr = pos;
                it.Wert = pos * 10;
                it.Datum = SuiteFixture::D(2026, 3, 2);
                gen.AddItem(it);
            }
            gen.Insert(1);
        }

        // Random kill points; later rounds wait longer so that a busy machine still books some.
        std::mt19937 zufall(42);
        for (int runde = 0; runde < 5 || (runde < 10 && Zahl("SELECT COUNT(*) FROM BONUS") == 0); ++runde) {
            GetoeteteBuchung(int(zufall() % 60) + 5 + 15 * runde, stapel);
            PruefeStimmig();
        }
        const int64_t vorher = Zahl("SELECT COUNT(*) FROM BONUS");
        EXPECT_GT(vorher, 0);        // the killed runs booked some customers ...
        EXPECT_LT(vorher, kKunden);  // ... and were killed before the end

        TBonusBuchungsLauf lauf("BONUSUMSA", "Umsatz", kStapel);
        int gebucht = 0, schon = 0;
        for (int i = 1; i <= kKunden; ++i) {
            const auto e = lauf.BucheKunde(TIntPair(i, 0));
            gebucht += e == TBonusTabellenGen::TBuchErgebnis::Gebucht;
            schon += e == TBonusTabellenGen::TBuchErgebnis::SchonVerrechnet;
        }
        lauf.Abschliessen();
        EXPECT_EQ(gebucht, kKunden - vorher);
        EXPECT_EQ(schon, vorher);
        EXPECT_EQ(Zahl("SELECT COUNT(*) FROM BONUS"), kKunden);
        PruefeStimmig();
    }
    SuiteFixture fx{true};
};

TEST_F(BonusKillTest, KilledBookingsLeaveWholeCustomersAndTheRerunCompletes) { KillenUndNachbuchen(false); }

// Several customers per transaction: a kill loses the open batch whole, never a part of one
// customer, and the customers of committed batches are not booked again.
TEST_F(BonusKillTest, KilledBatchesLeaveWholeCustomersAndTheRerunCompletes) { KillenUndNachbuchen(true); }

}  // namespace
