#include <gtest/gtest.h>

#include <algorithm>

#include "platform/bonus/bonus_abschluss.h"
#include "platform/bonus/bonus_suche.h"
#include "platform/store/database.h"
#include "support/bonus_orte_fixture.h"

using kis::test::BonusOrt;
using kis::test::SuiteFixture;

namespace {

const TIntPair kAdler{7, 0};
const TIntPair kBauer{8, 0};

BonusOrt B(int lnr, const TIntPair& kunde, double wert, TDateTime datum, const char* status = "O") {
    BonusOrt b;
    b.daten.rnr = 3;
    b.daten.lnr = lnr;
    b.daten.kunde = kunde;
    b.daten.wert = wert;
    b.daten.datum = datum;
    b.daten.status = status;
    b.daten.programmId = "BONUSUMSA";
    b.daten.programm = "Sommer";
    return b;
}

std::vector<int> Lnrs(const std::vector<TBonusTreffer>& t) {
    std::vector<int> out;
    for (const auto& x : t) out.push_back(x.Ref.LNr);
    std::sort(out.begin(), out.end());
    return out;
}

TBonusSuchFilter Sommer() {
    TBonusSuchFilter f;
    f.Mandant = {1, 0};
    f.ProgrammId = "BONUSUMSA";
    f.ProgrammName = "Sommer";
    return f;
}

class BonusSuche : public ::testing::Test {
protected:
    SuiteFixture fx;
    std::vector<TBonusTreffer> Suche(const TBonusSuchFilter& f) { return s.Suchen(f); }
    TBonusSuche s;
};

}  // namespace

// Which bonuses the open-item walk finds: client company, customer, table, status, used-mark,
// programme id and name (an empty name only finds empty names), broken bonuses reported.
TEST_F(BonusSuche, FindsOnlyTheProgrammesOpenUnusedBonuses) {
    const TDateTime d = SuiteFixture::D(2024, 6, 10);
    kis::test::BonusInOrten(fx, B(1, kAdler, 10, d));
    kis::test::BonusInOrten(fx, B(2, kBauer, 12, d));
    kis::test::BonusInOrten(fx, B(3, kAdler, 5, d, "A"));         // closed
    BonusOrt pass = B(4, kAdler, 5, d);
    pass.daten.programmId = "BONUSPASS";                            // same name, other kind
    kis::test::BonusInOrten(fx, pass);
    BonusOrt leer = B(5, kAdler, 5, d);
    leer.daten.programm = "";
    kis::test::BonusInOrten(fx, leer);
    BonusOrt benutzt = B(6, kAdler, 5, d);
    benutzt.daten.verwendet = "KASSE";                             // used, item still there
    kis::test::BonusInOrten(fx, benutzt);
    BonusOrt ohneBonus = B(7, kAdler, 5, d);
    ohneBonus.mitBonus = false;
    kis::test::BonusInOrten(fx, ohneBonus);
    fx.OffenerPosten(kAdler, "RSCHEIN", "O", d, 0, 5, 3, 8, 0);     // other table
    fx.Row("OP", {{"MANDANT", TIntPair(2, 0)}, {"KUNDE", kAdler}, {"TABELLE", "BONUS"},
                  {"STATUS", "O"}, {"DATUM", d}, {"RNR", 3}, {"LNR", 1}, {"SNR", 1}});

    EXPECT_EQ(Lnrs(Suche(Sommer())), (std::vector<int>{1, 2}));
    ASSERT_EQ(s.Fehler().size(), 1u);
    EXPECT_NE(s.Fehler()[0].find("3-7-0"), std::string::npos);

    auto f = Sommer();
    f.Kunde = kAdler;
    const auto adler = Suche(f);
    ASSERT_EQ(Lnrs(adler), std::vector<int>{1});
    EXPECT_DOUBLE_EQ(double(adler[0].Wert), 10.0);
    EXPECT_EQ(adler[0].Datum, d);

    f = Sommer();
    f.ProgrammName = "";
    EXPECT_EQ(Lnrs(Suche(f)), std::vector<int>{5});
    f.ProgrammId = "BONUSPASS";
    f.ProgrammName = "Sommer";
    EXPECT_EQ(Lnrs(Suche(f)), std::vector<int>{4});
    f = Sommer();
    f.Offen = false;
    f.Abgeschlossen = true;
    EXPECT_EQ(Lnrs(Suche(f)), std::vector<int>{3});
    f.Offen = false;
    f.Abgeschlossen = false;
    EXPECT_TRUE(Suche(f).empty());
    f = Sommer();
    f.Tabelle = "NONE";
    EXPECT_TRUE(Suche(f).empty());
}

// Bounds: value in cents (0,004 is no bound, the maximum itself passes, a cent more does
// not), lengths, dates as whole days (the from-date itself passes, a time on the to-date too).
TEST(BonusSucheGrenzen, ValueLengthAndDateBounds) {
    TBonusSuchFilter f;
    TBonusTreffer t;
    t.Status = "O";
    t.Wert = 10.00;
    t.Laenge = 4;
    t.Datum = SuiteFixture::D(2024, 6, 10) + 0.75;
    EXPECT_TRUE(TBonusSuche::Passt(f, t));

    f.WertMin = 0.004;
    EXPECT_TRUE(TBonusSuche::Passt(f, t));
    f.WertMin = 10.00;
    EXPECT_TRUE(TBonusSuche::Passt(f, t));
    f.WertMin = 10.01;
    EXPECT_FALSE(TBonusSuche::Passt(f, t));
    f.WertMin = 0;
    f.WertMax = 10.00;
    EXPECT_TRUE(TBonusSuche::Passt(f, t));
    t.Wert = 10.01;
    EXPECT_FALSE(TBonusSuche::Passt(f, t));
    t.Wert = 10.004;  // rounds to the maximum's cents
    EXPECT_TRUE(TBonusSuche::Passt(f, t));
    f.WertMax = 0;

    f.LaengeMin = 4;
    f.LaengeMax = 4;
    EXPECT_TRUE(TBonusSuche::Passt(f, t));
    f.LaengeMin = 5;
    EXPECT_FALSE(TBonusSuche::Passt(f, t));
    f.LaengeMin = 0;
    f.LaengeMax = 3;
    EXPECT_FALSE(TBonusSuche::Passt(f, t));
    f.LaengeMax = 0;

    f.DatumVon = SuiteFixture::D(2024, 6, 10);
    f.DatumBis = SuiteFixture::D(2024, 6, 10);
    EXPECT_TRUE(TBonusSuche::Passt(f, t));
    f.DatumVon = SuiteFixture::D(2024, 6, 11);
    f.DatumBis = 0;
    EXPECT_FALSE(TBonusSuche::Passt(f, t));
    f.DatumVon = 0;
    f.DatumBis = SuiteFixture::D(2024, 6, 9);
    EXPECT_FALSE(TBonusSuche::Passt(f, t));
}

// Validity and manual-only filters: only manual grants (kind "BM") with a validity end in range.
TEST(BonusSucheGrenzen, ValidityAndManualOnly) {
    TBonusSuchFilter f;
    TBonusTreffer t;
    t.Status = "O";
    t.ProgrammId = "BONUSUMSA";
    f.NurManuell = true;
    EXPECT_FALSE(TBonusSuche::Passt(f, t));
    t.ProgrammId = "RSCHEMANU";
    EXPECT_TRUE(TBonusSuche::Passt(f, t));
    f.GueltigVon = SuiteFixture::D(2024, 1, 1);
    EXPECT_FALSE(TBonusSuche::Passt(f, t));  // no kind "BM", no validity end
    t.Art = "BM";
    EXPECT_FALSE(TBonusSuche::Passt(f, t));  // no validity end
    t.GueltigBis = SuiteFixture::D(2024, 1, 1) + 0.5;
    EXPECT_TRUE(TBonusSuche::Passt(f, t));
    f.GueltigBis = SuiteFixture::D(2023, 12, 31);
    EXPECT_FALSE(TBonusSuche::Passt(f, t));
}

// Closing changes exactly the status of the three places and nothing else; a bonus closed,
// used or incomplete since the search is refused without any change.
TEST_F(BonusSuche, ClosingSetsStatusInAllThreePlacesOrNone) {
    const TDateTime d = SuiteFixture::D(2024, 6, 10);
    BonusOrt a = B(1, kAdler, 10, d);
    a.daten.text = "BO   3      777\n";
    kis::test::BonusInOrten(fx, a);
    kis::test::BonusInOrten(fx, B(2, kAdler, 12, d));
    BonusOrt ohneDienst = B(3, kAdler, 5, d);
    ohneDienst.mitDienst = false;
    kis::test::BonusInOrten(fx, ohneDienst);
    BonusOrt benutzt = B(4, kAdler, 5, d);
    benutzt.daten.verwendet = "ZURUECKGEZ";
    kis::test::BonusInOrten(fx, benutzt);

    BonusAbschliessen({3, 1, 0}, kAdler);
    EXPECT_EQ(kis::test::Stati(3, 1, 0), "A A A");
    EXPECT_EQ(kis::test::Stati(3, 2, 0), "O O O");
    auto& s = kis::store::SuiteDb().Cached("SELECT WERT, TEXT, LAENGE FROM BONUS WHERE LNR = 1");
    ASSERT_TRUE(s.Step());
    EXPECT_DOUBLE_EQ(s.ColumnDouble(0), 10.0);
    EXPECT_EQ(s.ColumnText(1), "BO   3      777\n");
    EXPECT_EQ(s.ColumnInt(2), 1);
    s.Reset();
    EXPECT_EQ(kis::test::Verwendung(3, 1, 0), "|");

    // Closed since the search: refused, nothing applied twice.
    EXPECT_THROW(BonusAbschliessen({3, 1, 0}, kAdler), TBonusNichtBuchbar);
    EXPECT_THROW(BonusAbschliessen({3, 3, 0}, kAdler), TBonusNichtBuchbar);
    EXPECT_EQ(kis::test::Stati(3, 3, 0), "O - O");
    EXPECT_THROW(BonusAbschliessen({3, 4, 0}, kAdler), TBonusNichtBuchbar);
    EXPECT_EQ(kis::test::Stati(3, 4, 0), "O O O");
    EXPECT_THROW(BonusAbschliessen({3, 99, 0}, kAdler), TBonusNichtBuchbar);
}
