#include <gtest/gtest.h>

#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/bonus/umzr_params.h"
#include "platform/domain_db.h"

namespace {

TBetaRegel Regel(char art, int rundung, int64_t intervallCent, std::vector<TBetaRegel::Zeile> zeilen) {
    TBetaRegel r;
    r.WertArt = art;
    r.RundungKz = rundung;
    r.IntervallCent = intervallCent;
    r.Zeilen = std::move(zeilen);
    return r;
}

constexpr int64_t kOffen = 999999999;

struct Fall {
    const char* was;
    int64_t wert;
    int64_t bonus;
};

void Pruefe(const TBetaRegel& r, std::initializer_list<Fall> faelle) {
    for (const auto& f : faelle) EXPECT_EQ(r.Anwenden(f.wert), f.bonus) << f.was << ": " << f.wert;
}

}  // namespace

// Bands 0..100,00 -> 2 %, 100,01..500,00 -> 3 %, above -> 5 %; to the cent, halves away from 0.
TEST(BonusRegel, ShareBandsTakeTheBandOfTheAbsoluteValueAndKeepTheSign) {
    const auto r = Regel('P', 0, 0, {{10000, 200}, {50000, 300}, {kOffen, 500}});
    Pruefe(r, {{"first band edge", 10000, 200},
               {"edge - 0,01", 9999, 200},       // 1,9998
               {"edge + 0,01", 10001, 300},      // 3,0003
               {"second edge", 50000, 1500},
               {"second edge - 0,01", 49999, 1500},  // 14,9997
               {"second edge + 0,01", 50001, 2500},  // 25,0005
               {"open last band", 1000000, 50000},
               {"far above the shown bound", 100000000000, 5000000000},
               {"negative in second band", -10001, -300},
               {"negative in first band", -5000, -100},
               {"zero", 0, 0},
               {"half a cent rounds up", 25, 1},     // 0,005
               {"negative half a cent", -25, -1}});
}

TEST(BonusRegel, AbsoluteAmountsPerBandWithTheSignOfTheValue) {
    const auto r = Regel('A', 2, 500, {{5000, 500}, {kOffen, 1000}});
    Pruefe(r, {{"edge", 5000, 500},
               {"edge + 0,01", 5001, 1000},
               {"edge - 0,01", 4999, 500},
               {"large", 123456789, 1000},
               {"negative", -2000, -500},
               {"negative upper band", -5001, -1000}});
}

// 10 % of 123,45 = 12,345 exactly; of 125,00 = 12,50; of 12,25 = 1,225.
TEST(BonusRegel, RoundingRulesInStepsOfTheInterval) {
    struct R {
        int regel;
        int64_t intervall;
        int64_t wert;
        int64_t bonus;
    };
    const R faelle[] = {
        {0, 0, 12345, 1235},    {0, 100, 12345, 1235},  // exakt ignores the interval
        {1, 0, 12345, 1235},    {1, 1, 12345, 1235},    {1, 5, 12345, 1235},   {1, 10, 12345, 1230},
        {1, 100, 12345, 1200},  {1, 100, 12500, 1300},  {1, 100, -12500, -1300}, {1, 5, 1225, 125},
        {2, 0, 12345, 1235},    {2, 1, 12345, 1235},    {2, 5, 12345, 1235},   {2, 10, 12345, 1240},
        {2, 100, 12345, 1300},  {2, 100, -12345, -1300}, {2, 100, 12000, 1200},
        {3, 0, 12345, 1234},    {3, 1, 12345, 1234},    {3, 5, 12345, 1230},   {3, 10, 12345, 1230},
        {3, 100, 12345, 1200},  {3, 100, -12345, -1200}, {3, 5, 1225, 120},
    };
    for (const auto& f : faelle) {
        const auto r = Regel('P', f.regel, f.intervall, {{kOffen, 1000}});
        EXPECT_EQ(r.Anwenden(f.wert), f.bonus) << "rule " << f.regel << " interval " << f.intervall << " value " << f.wert;
    }
}

TEST(BonusRegel, RuleWithoutRowsAndUnreadableContentGiveZero) {
    EXPECT_EQ(Regel('P', 0, 0, {}).Anwenden(10000), 0);
    EXPECT_EQ(Regel('A', 0, 0, {}).Anwenden(-10000), 0);
    const auto kaputt = TBetaRegel::AusSatz("x", "P", 0, 0, {"100,00=2,00", "kein Wert"});
    EXPECT_TRUE(kaputt.Zeilen.empty());
    const auto gut = TBetaRegel::AusSatz("x", "P", 1, 0.05, {"100,00=2,50", "9999999,99=3"});
    ASSERT_EQ(gut.Zeilen.size(), 2u);
    EXPECT_EQ(gut.Zeilen[0].BisCent, 10000);
    EXPECT_EQ(gut.Zeilen[0].BonusHundertstel, 250);
    EXPECT_EQ(gut.IntervallCent, 5);
}

TEST(BonusRegel, DecimalTextIsReadExactly) {
    int64_t v = 0;
    EXPECT_TRUE(DezimalZuHundertstel("1.234,56", v));
    EXPECT_EQ(v, 123456);
    EXPECT_TRUE(DezimalZuHundertstel(" 12,5 ", v));
    EXPECT_EQ(v, 1250);
    EXPECT_TRUE(DezimalZuHundertstel("7.5", v));
    EXPECT_EQ(v, 750);
    EXPECT_TRUE(DezimalZuHundertstel("-3", v));
    EXPECT_EQ(v, -300);
    for (const char* schlecht : {"", "abc", "1,234", "1,2,3", "12a", "-", "1,00.5"})
        EXPECT_FALSE(DezimalZuHundertstel(schlecht, v)) << schlecht;
    EXPECT_EQ(HundertstelZuText(-5), "-0,05");
    EXPECT_EQ(HundertstelZuText(999999999), "9999999,99");
}

// The calculator over stored rules: list order, by index, by name.
TEST(BonusRechner, AppliesStoredRulesByIndexAndByName) {
    DomainDb d;
    TBetaSatz a{"GRUNDTAB", "Zehn", 0, "J", 0, 0, 1, "P", 0, 0, "", "", "", {"9999999,99=10,00"}};
    TBetaSatz b{"GRUNDTAB", "Absolut", 0, "J", 0, 0, 2, "A", 0, 0, "", "", "", {"50,00=5,00", "9999999,99=10,00"}};
    TBetaSatz kaputt{"GRUNDTAB", "Kaputt", 0, "J", 0, 0, 3, "A", 0, 0, "", "", "", {"50,00=5,00"}};
    for (const auto& s : {a, b, kaputt}) TBetaStore::Speichern(s, nullptr);

    TBonusRechner r;
    r.BETAList_Fuellen(1);
    std::vector<std::string> namen{"alt"};
    r.Fuelle_Typ(namen, 1);
    ASSERT_EQ(namen, (std::vector<std::string>{"Absolut", "Kaputt", "Zehn"}));
    EXPECT_DOUBLE_EQ(double(r.BETABerechneWertByIndex(0, 60.0L)), 10.0);
    EXPECT_DOUBLE_EQ(double(r.BETABerechneWertByIndex(2, 123.45L)), 12.35);
    EXPECT_DOUBLE_EQ(double(r.BETABerechneWertByIndex(1, 100.0L)), 0.0);  // length and content disagree
    EXPECT_EQ(r.BETABerechneWertByIndex(-1, 100.0L), 0.0L);
    EXPECT_EQ(r.BETABerechneWertByIndex(3, 100.0L), 0.0L);
    EXPECT_DOUBLE_EQ(double(TBonusRechner::BETABerechneWert("Absolut", -20.0L)), -5.0);
    EXPECT_EQ(TBonusRechner::BETABerechneWert("Fehlt", 20.0L), 0.0L);
}

TEST(UmzrParams, LinesRoundTripAndDamagedLinesAreRefused) {
    TQEL_UMZR_Params p;
    p.Zeitraum = 3;
    p.Einheit = kUMZRMonate;
    p.UmsatzgrenzeCent = 20050;
    p.Regel = "Standard 3 %";
    p.Berechnung = 2;
    p.Storno = 2;
    p.GutscheinBeiAusgabe = true;
    p.ExtraBonus = {{100000, 1000}, {200000, 2500}};
    p.Artikel = {{TInt32Trio(1, 2, 3), 5000}};
    TQEL_UMZR_Params q;
    q.FillFromStrL(p.AssignToStrL());
    EXPECT_EQ(q, p);

    TQEL_UMZR_Params r = p;
    EXPECT_THROW(r.FillFromStrL({"ZEITRAUM=3", "EXTRABONUS=1000,00"}), std::invalid_argument);
    EXPECT_EQ(r, p);  // a refused read leaves the record as it was
    EXPECT_THROW(r.FillFromStrL({"ARTIKEL=x;5,00"}), std::invalid_argument);
}
