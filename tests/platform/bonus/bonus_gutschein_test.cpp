#include <gtest/gtest.h>

#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_gutschein.h"
#include "platform/services/orv_program.h"
#include "platform/store/database.h"
#include "support/bonus_orte_fixture.h"

using kis::test::BonusOrt;
using kis::test::SuiteFixture;

namespace {

const TIntPair kAdler{7, 0};
const TIntPair kBauer{8, 0};

void Bonus(SuiteFixture& fx, int lnr, const TIntPair& kunde, double wert, const char* status = "O") {
    BonusOrt b;
    b.daten.rnr = 3;
    b.daten.lnr = lnr;
    b.daten.kunde = kunde;
    b.daten.wert = wert;
    b.daten.status = status;
    b.daten.datum = SuiteFixture::D(2024, 6, 1);
    kis::test::BonusInOrten(fx, b);
}

struct Gutschein {
    int anzahl = 0;
    TIntPair kunde;
    double betrag1 = -1, betrag2 = -1;
    std::string status, ref;
    int rnr = 0, lnr = 0;
};

Gutschein Gutscheine() {
    Gutschein g;
    auto& s = kis::store::SuiteDb().Cached(
        "SELECT KUNDE_L, KUNDE_R, BETRAG1, BETRAG2, STATUS, REFTEXT, RNR, LNR FROM OP WHERE "
        "TABELLE = 'A-GUTSCHEI' ORDER BY LNR");
    while (s.Step()) {
        ++g.anzahl;
        g.kunde = {int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1))};
        g.betrag1 = s.ColumnDouble(2);
        g.betrag2 = s.ColumnDouble(3);
        g.status = s.ColumnText(4);
        g.ref = s.ColumnText(5);
        g.rnr = int(s.ColumnInt(6));
        g.lnr = int(s.ColumnInt(7));
    }
    s.Reset();
    return g;
}

}  // namespace

// Two bonuses of 10,00 and 15,00 become one voucher of 25,00 that the till can redeem (an open
// "A-GUTSCHEI" item owed to the customer); both bonuses are used with the voucher's reference
// and their open items are gone. A bonus of another customer stays untouched.
TEST(BonusGutschein, ConvertsBonusesIntoOneVoucherAndMarksThemUsed) {
    SuiteFixture fx;
    Bonus(fx, 1, kAdler, 10.00);
    Bonus(fx, 2, kAdler, 15.00, "A");
    Bonus(fx, 3, kBauer, 8.00);
    const TGutscheinNr nr = Buche_Boni2Gutschein(kAdler, {{{3, 1, 0}, 10.00}, {{3, 2, 0}, 15.00}}, 25.00);
    const Gutschein g = Gutscheine();
    ASSERT_EQ(g.anzahl, 1);
    EXPECT_EQ(g.kunde, kAdler);
    EXPECT_DOUBLE_EQ(g.betrag1, 0.0);
    EXPECT_DOUBLE_EQ(g.betrag2, 25.0);
    EXPECT_EQ(g.status, "O");
    EXPECT_EQ(g.rnr, ORVProgramm().GetRId());
    EXPECT_EQ(g.lnr, nr.LNr);
    EXPECT_EQ(g.ref, nr.RefText());
    EXPECT_EQ(g.ref.size(), 13u);
    EXPECT_EQ(kis::test::Stati(3, 1, 0), "- O O");
    EXPECT_EQ(kis::test::Stati(3, 2, 0), "- A A");
    EXPECT_EQ(kis::test::Verwendung(3, 1, 0), "GUTSCHEIN|" + g.ref);
    EXPECT_EQ(kis::test::Verwendung(3, 2, 0), "GUTSCHEIN|" + g.ref);
    EXPECT_EQ(kis::test::Stati(3, 3, 0), "O O O");
    EXPECT_EQ(kis::test::Verwendung(3, 3, 0), "|");

    // The next voucher of this workstation gets the next number.
    const TGutscheinNr zweiter = Buche_Boni2Gutschein(kBauer, {{{3, 3, 0}, 8.00}}, 8.00);
    EXPECT_EQ(zweiter.LNr, nr.LNr + 1);
}

// Nothing is written when one bonus of the row cannot be converted: already converted (no
// double voucher), of another customer, changed in value, incomplete; nor for an amount of 0.
TEST(BonusGutschein, RefusedConversionWritesNothing) {
    SuiteFixture fx;
    Bonus(fx, 1, kAdler, 10.00);
    Bonus(fx, 2, kAdler, 15.00);
    Bonus(fx, 3, kBauer, 8.00);
    BonusOrt ohneBonus;
    ohneBonus.daten.rnr = 3;
    ohneBonus.daten.lnr = 4;
    ohneBonus.daten.kunde = kAdler;
    ohneBonus.daten.wert = 5;
    ohneBonus.mitBonus = false;
    kis::test::BonusInOrten(fx, ohneBonus);

    EXPECT_THROW(Buche_Boni2Gutschein(kAdler, {{{3, 1, 0}, 10.00}, {{3, 3, 0}, 8.00}}, 18.00), TBonusNichtBuchbar);
    EXPECT_THROW(Buche_Boni2Gutschein(kAdler, {{{3, 1, 0}, 10.00}, {{3, 2, 0}, 14.99}}, 24.99), TBonusNichtBuchbar);
    EXPECT_THROW(Buche_Boni2Gutschein(kAdler, {{{3, 1, 0}, 10.00}, {{3, 4, 0}, 5.00}}, 15.00), TBonusNichtBuchbar);
    EXPECT_THROW(Buche_Boni2Gutschein(kAdler, {{{3, 1, 0}, 10.00}}, 0.004), TBonusNichtBuchbar);
    EXPECT_THROW(Buche_Boni2Gutschein(kAdler, {}, 10.00), TBonusNichtBuchbar);
    EXPECT_EQ(Gutscheine().anzahl, 0);
    EXPECT_EQ(kis::test::Stati(3, 1, 0), "O O O");
    EXPECT_EQ(kis::test::Verwendung(3, 1, 0), "|");

    Buche_Boni2Gutschein(kAdler, {{{3, 1, 0}, 10.00}}, 10.00);
    EXPECT_THROW(Buche_Boni2Gutschein(kAdler, {{{3, 1, 0}, 10.00}, {{3, 2, 0}, 15.00}}, 25.00), TBonusNichtBuchbar);
    EXPECT_EQ(Gutscheine().anzahl, 1);
    EXPECT_EQ(kis::test::Stati(3, 2, 0), "O O O");
}

// The amount: taken over to the cent, or the named rule applied to the value.
TEST(BonusGutschein, AmountTakenOverOrCalculatedByRule) {
    SuiteFixture fx;
    TBetaSatz regel;
    regel.Typ = "GRUNDTAB";
    regel.Name = "Staffel";
    regel.Laenge = 2;
    regel.WertArt = "P";
    regel.Inhalt = {"20,00=10,00", "9999999,99=20,00"};
    TBetaStore::Speichern(regel, nullptr);
    EXPECT_DOUBLE_EQ(double(GutscheinBetrag(25.00, "")), 25.00);
    EXPECT_DOUBLE_EQ(double(GutscheinBetrag(10.00, "Staffel")), 1.00);
    EXPECT_DOUBLE_EQ(double(GutscheinBetrag(15.00, "Staffel")), 1.50);
    // On the sum: 20 % of 25,00, not 1,00 + 1,50.
    EXPECT_DOUBLE_EQ(double(GutscheinBetrag(25.00, "Staffel")), 5.00);
    EXPECT_DOUBLE_EQ(double(GutscheinBetrag(25.00, "Unbekannt")), 0.00);
}
