#include <gtest/gtest.h>

#include "platform/domain_db.h"
#include "platform/openitems/op_tabellen.h"

TEST(OPTabellen, GroupsTotalsAndClientCompany) {
    DomainDb d;
    d.Sql("INSERT INTO OP (MANDANT_L, MANDANT_R, KUNDE_L, KUNDE_R, TABELLE, STATUS, DATUM, BETRAG1, "
          "BETRAG2, RNR, LNR, SNR) VALUES "
          "(1, 0, 7, 0, 'BONUS', 'O', 45300, 0, 12.5, 1, 2, 3), "
          "(1, 0, 7, 0, 'BONUS', 'A', 45200, 0, 7.5, 1, 2, 4), "
          "(1, 0, 7, 0, 'A-RECHNUNG', 'O', 45100, 100, 40, 0, 0, 0), "
          "(2, 0, 7, 0, 'RSCHEIN', 'O', 45100, 0, 5, 0, 0, 0), "
          "(1, 0, 8, 0, 'BONUS', 'O', 45100, 0, 99, 0, 0, 0)");
    TOPTabellen* t = GlobOPTabellen_GetInstance();
    t->Clear();
    t->SetMandant({1, 0});
    t->SetKundeGepNr({7, 0});
    ASSERT_EQ(t->Tabellen().size(), 2u);
    EXPECT_TRUE(t->Exists(" bonus "));
    EXPECT_FALSE(t->Exists("RSCHEIN"));  // other client company
    const TOPTabelle* b = t->Tabelle("BONUS");
    ASSERT_NE(b, nullptr);
    EXPECT_DOUBLE_EQ(double(b->Summe2), 20.0);
    EXPECT_DOUBLE_EQ(double(b->Offen()), 20.0);
    ASSERT_EQ(b->Posten.size(), 2u);
    EXPECT_EQ(b->Posten[0].Status, "A");  // by date
    EXPECT_EQ(b->Posten[0].SNr, 4);
    EXPECT_DOUBLE_EQ(double(t->Tabelle("A-RECHNUNG")->Offen()), 60.0);
    EXPECT_TRUE(t->Items("FEHLT").empty());

    t->SetMandant({});  // all client companies
    t->SetKundeGepNr({7, 0});
    EXPECT_TRUE(t->Exists("RSCHEIN"));
    t->SetKundeGepNr({9, 0});
    EXPECT_TRUE(t->Tabellen().empty());
    GlobOPTabellen_ReleaseInstance();
}
