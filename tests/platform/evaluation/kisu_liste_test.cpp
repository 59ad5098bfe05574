// The customer list of a result file kept across a selection run.
#include <gtest/gtest.h>

#include "platform/evaluation/kisu_liste.h"
#include "platform/store/record_files.h"
#include "support/suite_fixture.h"

namespace {

const char* kDatei = "KISUFILE.test";

TKisuSatz Satz(TIntPair kunde, const char* name, double sel, int menge) {
    TKisuSatz s;
    s.Kunde = kunde;
    s.Art = "VK";
    s.Name = name;
    s.SelUmsatz = sel;
    s.SelMenge = menge;
    s.GesUmsatz = sel;
    s.GesMenge = menge;
    return s;
}

// Writes a fresh file as a run does: the customers and the totals record of their sums.
void Lauf(const std::vector<TKisuSatz>& kunden) {
    kis::store::Tkisufile f;
    f.SetFileNameRel(kDatei);
    f.OpenNew();
    TKisuSatz summe = Satz({}, "   <alle>   ", 0, 0);
    for (const TKisuSatz& s : kunden) {
        f.ClearRecord();
        f.Feld("KUNDE").SetWert(s.Kunde);
        f.Feld("ART").SetWert(s.Art);
        f.Feld("NAME").SetWert(s.Name);
        f.Feld("SELUMSATZ").SetWert(double(s.SelUmsatz));
        f.Feld("SELMENGE").SetWert(s.SelMenge);
        f.Insert();
        summe.SelUmsatz += s.SelUmsatz;
        summe.SelMenge += s.SelMenge;
    }
    f.ClearRecord();
    f.Feld("KUNDE").SetWert(summe.Kunde);
    f.Feld("ART").SetWert(summe.Art);
    f.Feld("NAME").SetWert(summe.Name);
    f.Feld("SELUMSATZ").SetWert(double(summe.SelUmsatz));
    f.Feld("SELMENGE").SetWert(summe.SelMenge);
    f.Insert();
    f.Close();
}

TKisuSatz Summe() {
    kis::store::Tkisufile f;
    f.SetFileNameRel(kDatei);
    f.OpenOut();
    f.Feld("KUNDE").SetKeyWertAndFilter(TIntPair());
    TKisuSatz s;
    if (f.Get_ge()) {
        s.SelUmsatz = f.Feld("SELUMSATZ").AsFloat();
        s.SelMenge = f.Feld("SELMENGE").AsInt();
    }
    f.Close();
    return s;
}

std::vector<std::string> Namen() {
    std::vector<std::string> out;
    for (const TKisuSatz& s : kis::evaluation::KisuKunden(kDatei)) out.push_back(s.Name);
    return out;
}

}  // namespace

TEST(KisuAnhang, KeepsTheListedCustomersAddsTheNewOnesOnceAndSumsTheTotals) {
    kis::test::SuiteFixture fx;
    EXPECT_TRUE(kis::evaluation::KisuKunden(kDatei).empty());  // no file yet
    Lauf({Satz({1, 0}, "Adler", 10, 1), Satz({2, 0}, "Bauer", 20, 2)});
    kis::evaluation::TKisuAnhang anhang(kDatei);
    anhang.Merken();
    EXPECT_EQ(anhang.Gemerkt().size(), 2u);
    // The next run finds Bauer again (with today's sums) and Cramer.
    Lauf({Satz({2, 0}, "Bauer", 25, 3), Satz({3, 0}, "Cramer", 5, 1)});
    EXPECT_EQ(anhang.Anhaengen(), 1);
    EXPECT_EQ(Namen(), (std::vector<std::string>{"Adler", "Bauer", "Cramer"}));
    const TKisuSatz summe = Summe();
    EXPECT_DOUBLE_EQ(double(summe.SelUmsatz), 40.0);  // 10 + 25 + 5
    EXPECT_EQ(summe.SelMenge, 5);
    for (const TKisuSatz& s : kis::evaluation::KisuKunden(kDatei))
        if (s.Name == "Bauer") EXPECT_DOUBLE_EQ(double(s.SelUmsatz), 25.0);
}

TEST(KisuAnhang, AFailedRunGetsTheOldListBack) {
    kis::test::SuiteFixture fx;
    Lauf({Satz({1, 0}, "Adler", 10, 1), Satz({2, 0}, "Bauer", 20, 2)});
    kis::evaluation::TKisuAnhang anhang(kDatei);
    anhang.Merken();
    Lauf({});  // a stopped run leaves only what it wrote
    anhang.Wiederherstellen();
    EXPECT_EQ(Namen(), (std::vector<std::string>{"Adler", "Bauer"}));
    EXPECT_DOUBLE_EQ(double(Summe().SelUmsatz), 30.0);
}
