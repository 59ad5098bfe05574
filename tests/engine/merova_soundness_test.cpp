// Runs that meet an error report it, and what other client companies hold never counts.
#include <cmath>

#include "engine_fixture.h"

namespace kis::test {
namespace {

Pos P(double ist, int menge = 1) {
    Pos p;
    p.ist = ist;
    p.menge = menge;
    return p;
}

int64_t Cent(double v) { return std::llround(v * 100); }

// Replaces a table by a view over its rows that breaks (integer overflow) on the rows the
// condition names, so a real read fails part-way.
void BrichtBeim(SuiteFixture& fx, const std::string& tabelle, const std::string& bedingung) {
    fx.Db().Exec("ALTER TABLE " + tabelle + " RENAME TO " + tabelle + "_DATEN");
    fx.Db().Exec("CREATE VIEW " + tabelle + " AS SELECT * FROM " + tabelle + "_DATEN WHERE CASE WHEN " +
                 bedingung + " THEN abs(-9223372036854775807 - 1) ELSE 1 END");
}

class SoundnessTest : public EngineTest {
protected:
    void ZweiKunden() {
        a = fx.Kunde(1, "Albrecht", "Anna");
        b = fx.Kunde(2, "Becker", "Bernd");
        fx.Beleg(a, 1, 1, fx.D(2024, 3, 1), {P(10.00)});
        fx.Beleg(b, 1, 2, fx.D(2024, 3, 2), {P(20.00)});
    }
    // A failed run names its step and leaves no customer behind to be listed.
    void ErwarteFehlschlag(const std::string& schritt) {
        EXPECT_FALSE(Run());
        EXPECT_NE(std::string::npos, q.Fehler().find(schritt)) << q.Fehler();
        EXPECT_TRUE(Kisu().empty());
        EXPECT_TRUE(Kivk().empty());
    }
    TIntPair a, b;
};

TEST_F(SoundnessTest, AnErrorInAnyReadFailsTheRun) {
    ZweiKunden();
    // Positions: the read breaks after the first document.
    BrichtBeim(fx, "LST", "LNR >= 2");
    ErwarteFehlschlag("DoGet_LST_First");
}

TEST_F(SoundnessTest, AnUnreadableCustomerListFailsInsteadOfSelectingNobody) {
    ZweiKunden();
    BrichtBeim(fx, "KULI", "KUNDE_L >= 2");
    ErwarteFehlschlag("DoGet_KULI_First");
}

TEST_F(SoundnessTest, ACustomerCheckThatCannotDecideRejectsAndFailsTheRun) {
    ZweiKunden();
    // "Never had a bonus": the bonus file cannot be read for the second customer.
    fx.Bonus(9, 9, 9, b, 1);
    BrichtBeim(fx, "BONUS", "KUNDE_L >= 2");
    filter.FKundeBonusNie = true;
    ErwarteFehlschlag("Filter_Teste_KundBonusNie");
    // The same check with a readable file decides, and the run succeeds again.
    fx.Db().Exec("DROP VIEW BONUS");
    fx.Db().Exec("ALTER TABLE BONUS_DATEN RENAME TO BONUS");
    fx.Db().Exec("DELETE FROM BONUS");
    fx.Bonus(1, 1, 1, a, 1);
    ASSERT_TRUE(Run()) << q.Fehler();
    EXPECT_TRUE(q.Fehler().empty());
    EXPECT_FALSE(HatKisu(a));
    EXPECT_TRUE(HatKisu(b));
}

TEST_F(SoundnessTest, AStoppedFillRunIsNotDone) {
    ZweiKunden();
    ASSERT_TRUE(Run());
    q.OnKIVKGelesen = [this] { q.SetActive(false); };
    EXPECT_FALSE(q.ExecuteFillKivkLief());
    q.OnKIVKGelesen = nullptr;
    EXPECT_TRUE(q.ExecuteFillKivkMerkmale());
}

TEST_F(SoundnessTest, AMonthOrYearAsPeriodEndMeansItsLastDay) {
    const TIntPair k = fx.Kunde(1, "Albrecht", "Anna");
    fx.Beleg(k, 1, 100, fx.D(2024, 3, 1), {P(10.00)});
    fx.Beleg(k, 1, 101, fx.D(2024, 3, 15), {P(20.00)});
    fx.Beleg(k, 1, 102, fx.D(2024, 4, 2), {P(40.00)});
    fx.Tagesabschluss(1, fx.D(2024, 3, 1), 100, 100);
    fx.Tagesabschluss(1, fx.D(2024, 3, 15), 101, 101);
    fx.Tagesabschluss(1, fx.D(2024, 4, 2), 102, 102);
    struct Fall {
        const char *von, *bis;
        double summe;
    };
    const Fall faelle[] = {
        {"01032024", "00032024", 30.00},   // the whole of March
        {"01.03.2024", "31.03.2024", 30.00},
        {"00032024", "00032024", 30.00},
        {"01032024", "00002024", 70.00},   // to the end of the year
        {"02.03.2024", "01.04.2024", 20.00},
    };
    for (const Fall& f : faelle) {
        filter.Clear();
        filter.LSTFilter.DatumVon = f.von;
        filter.LSTFilter.DatumBis = f.bis;
        ASSERT_TRUE(Run()) << f.von << "-" << f.bis;
        EXPECT_EQ(Cent(f.summe), Cent(KisuVon(k).sel)) << f.von << "-" << f.bis;
    }
    // The dotted and the undotted date both use the day closings to skip documents.
    EXPECT_EQ(TMerovaQuery::ConvertDateString("01032024"), TMerovaQuery::ConvertDateString("01.03.2024"));
    EXPECT_EQ(fx.D(2024, 3, 31), TMerovaQuery::ConvertDateString("00032024", true));
    EXPECT_EQ(fx.D(2024, 2, 29), TMerovaQuery::ConvertDateString("  022024", true));
    EXPECT_EQ(fx.D(2024, 12, 31), TMerovaQuery::ConvertDateString("00002024", true));
    EXPECT_EQ(fx.D(2024, 3, 15), TMerovaQuery::ConvertDateString("15032024", true));
}

TEST_F(SoundnessTest, DataOfAnotherClientCompanyNeverMixesIn) {
    fx.Mandant({2, 0}, "M2");
    const TIntPair k = fx.Kunde(1, "Albrecht", "Anna");
    const TIntPair firma = fx.Kunde(9, "Firma", "");
    fx.Beleg(k, 1, 100, fx.D(2024, 3, 1), {P(10.00)});
    // Positions of an open transaction of company 1, reached only through company 2's
    // transaction record with the same document key.
    fx.Positionen(5, 77, fx.D(2024, 3, 3), {P(99.00)});
    fx.Row("ATK", {{"MANDANT", TIntPair(2, 0)}, {"PHASE", std::string("AUFKUNDE")},
                   {"PARTEI1", k}, {"PARTEI2", firma}, {"RNR", 5}, {"LNR", 77}});
    // A day closing of company 2 for the same branch would cut company 1's documents off.
    fx.Row("KV", {{"MANDANT", TIntPair(2, 0)}, {"FILIALE", 1}, {"DATUM", fx.D(2024, 3, 1)},
                  {"ERSTNR", 500}, {"LETZTNR", 600}});
    filter.LSTFilter.DatumVon = "01032024";
    filter.LSTFilter.DatumBis = "31032024";
    // A payment of company 2 with a forbidden means on the same document key.
    fx.Row("ZM", {{"MANDANT", TIntPair(2, 0)}, {"RNR", 1}, {"LNR", 100}, {"POSNR", 1},
                  {"ZMKZ", std::string("BAR")}, {"KONTO", std::string("1000")}, {"BETRAG", 10.0}});
    filter.FZM.Add("BAR=0");
    ASSERT_TRUE(Run()) << q.Fehler();
    EXPECT_EQ(1000, Cent(KisuVon(k).sel));
}

TEST_F(SoundnessTest, NameSearchListsOnlyCustomersOfTheClientCompany) {
    fx.Mandant({2, 0}, "M2");
    const TIntPair hier = fx.Kunde(1, "Albrecht", "Anna");
    const TIntPair dort = fx.Kunde(2, "Albers", "Otto", {2, 0});
    fx.Kunde(3, "Becker", "Bernd");
    filter.GPFilter.NameSuche = true;
    filter.GPFilter.SuchText = "alb";
    ASSERT_TRUE(Run()) << q.Fehler();
    EXPECT_TRUE(HatKisu(hier));
    EXPECT_FALSE(HatKisu(dort));
    EXPECT_EQ(2u, Kisu().size());  // Albrecht and the totals record
}

}  // namespace
}  // namespace kis::test
