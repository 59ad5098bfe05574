#include <gtest/gtest.h>

#include "platform/domain_db.h"
#include "platform/tables/bonus_typen.h"
#include "platform/tables/filial_tabelle.h"
#include "platform/tables/phasen.h"

TEST(Phasen, CustomerPhasesSidesAndLookup) {
    for (int nr : {13, 14, 17, 26, 29}) {
        EXPECT_GT(CPhase(nr).size(), 3u) << nr;
        EXPECT_TRUE(CPhase_IstKundenVorgang(nr));
        EXPECT_EQ(CPhase_Nr(CPhase(nr)), nr);
        EXPECT_EQ(CPhase_Nr(CPhase(nr).substr(0, 3)), nr);  // the document kind alone
    }
    EXPECT_EQ(CMand_SV_Seite(13), 1);
    EXPECT_EQ(CMand_SV_Seite(26), 2);
    EXPECT_EQ(CMand_SV_Seite(0), 1);
    EXPECT_EQ(CPhase(0), "");
    EXPECT_EQ(CPhase(CPhase_Anzahl() + 1), "");
    EXPECT_EQ(CPhase_Nr("XYZ"), 0);
    // The three-letter kinds are unique, so a document kind names one phase.
    for (int a = 1; a <= CPhase_Anzahl(); ++a)
        for (int b = a + 1; b <= CPhase_Anzahl(); ++b)
            EXPECT_NE(CPhase(a).substr(0, 3), CPhase(b).substr(0, 3)) << a << " " << b;
}

TEST(BonusTypen, NamesAndCodesRoundTrip) {
    EXPECT_EQ(CBonuTypen2Kuerzel(1), "GRUNDTAB");
    EXPECT_EQ(CBonuTypen2Name(2), "Bonusprogramm - Prämienpass");
    EXPECT_EQ(CBonuTypen2Name(5), "Bonusprogramm - Umsatzzeitraumprämie");
    for (int t = 1; t <= kBonusTypAnzahl; ++t) {
        EXPECT_EQ(BonuTypen4Kuerzel(CBonuTypen2Kuerzel(t)), t);
        EXPECT_EQ(BonuTypen4Name(CBonuTypen2Name(t)), t);
    }
    EXPECT_EQ(BonuTypen4Kuerzel(" bonusumsa "), 3);
    EXPECT_EQ(BonuTypen4Kuerzel("BONUSMANU"), 0);
    EXPECT_EQ(CBonuTypen2Kuerzel(6), "");
}

TEST(FilialTabelle, BranchesAndGroupsOfAClientCompany) {
    DomainDb d;
    d.Sql("INSERT INTO FILIALE (MANDANT_L, MANDANT_R, NR, BEZEICHNUNG) VALUES "
          "(1, 0, 3, 'Köln'), (1, 0, 1, 'Berlin'), (1, 0, 2, 'Hamburg'), (2, 0, 9, 'Fremd')");
    d.Sql("INSERT INTO FILIALGRUPPE (MANDANT_L, MANDANT_R, GRUPPE, BEZEICHNUNG, FILIALE) VALUES "
          "(1, 0, 10, 'Nord', 2), (1, 0, 10, 'Nord', 1), (1, 0, 20, 'West', 3)");
    TFilialTabelle t;
    t.Laden({1, 0});
    ASSERT_EQ(t.Filialen().size(), 3u);
    EXPECT_EQ(t.Filialen()[0].Nr, 1);
    EXPECT_FALSE(t.Exists(9));
    EXPECT_EQ(t.Bezeichnung(3), "Köln");
    const TFilialGruppe* nord = t.Gruppen().GetGruppeByNr(10);
    ASSERT_NE(nord, nullptr);
    EXPECT_TRUE(nord->Filialen.Exists(1));
    EXPECT_FALSE(nord->Filialen.Exists(3));
    EXPECT_EQ(t.Gruppen().GetGruppeByNr(0), nullptr);
    t.Laden({});
    EXPECT_TRUE(t.Exists(9));
}
