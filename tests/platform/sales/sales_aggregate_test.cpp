#include <gtest/gtest.h>

#include <map>

#include "../domain_db.h"
#include "platform/sales/sales_aggregate.h"
#include "platform/tables/phasen.h"

namespace {

// Customers 1..5 of client company 1 (3 is a cash-sale customer, 5 has no documents),
// customer 6 belongs only to company 2.
struct AggregatDb : DomainDb {
    AggregatDb() {
        Sql("INSERT INTO GEP (GEPNR_L, NAME) VALUES (1, 'Adler'), (2, 'Berg'), (3, '{Barverkauf}'),"
            " (4, 'Dorn'), (5, 'Eck'), (6, 'Fink')");
        Sql("INSERT INTO KULI (KUNDE_L, MANDANT_L, ART) VALUES (1, 1, 'B'), (2, 1, 'B'),"
            " (3, 1, 'B'), (4, 1, 'B'), (5, 1, 'B'), (6, 2, 'B'), (4, 1, 'L')");
    }
    void Beleg(int kunde, const char* art, int rnr, int lnr, int mandant = 1) {
        Sql("INSERT INTO LFNR (MANDANT_L, KUNDE_L, BELEGART, BELEGLNR, BELEGRNR, RNR, LNR) VALUES (" +
            std::to_string(mandant) + ", " + std::to_string(kunde) + ", '" + art + "', " +
            std::to_string(rnr) + ", " + std::to_string(lnr) + ", " + std::to_string(rnr) + ", " +
            std::to_string(lnr) + ")");
    }
    void Pos(int rnr, int lnr, int posnr, const char* art, double istvk, int menge, int mandant = 1) {
        Sql("INSERT INTO LST (MANDANT_L, RNR, LNR, POSNR, ART, ISTVK, MENGE) VALUES (" +
            std::to_string(mandant) + ", " + std::to_string(rnr) + ", " + std::to_string(lnr) + ", " +
            std::to_string(posnr) + ", '" + art + "', " + std::to_string(istvk) + ", " +
            std::to_string(menge) + ")");
    }
    void Vorgang(int phase, int kunde, int rnr, int lnr) {
        const bool zweite = CMand_SV_Seite(phase) == 2;
        Sql("INSERT INTO ATK (MANDANT_L, PHASE, PARTEI1_L, PARTEI2_L, RNR, LNR) VALUES (1, '" +
            CPhase(phase) + "', " + std::to_string(zweite ? 1 : kunde) + ", " +
            std::to_string(zweite ? kunde : 1) + ", " + std::to_string(rnr) + ", " +
            std::to_string(lnr) + ")");
    }
};

std::map<int, TKundenUmsatz> Summen(const TUmsatzAggregatAuftrag& a) {
    std::map<int, TKundenUmsatz> out;
    UmsatzJeKunde(a, [&](const TKundenUmsatz& u) { out[u.Kunde.Lnr] = u; });
    return out;
}

TUmsatzAggregatAuftrag Mandant1() {
    TUmsatzAggregatAuftrag a;
    a.KundenMandant = a.IndexMandant = a.VerkaufsMandant = TIntPair(1, 0);
    return a;
}

}  // namespace

TEST(SalesAggregate, SelectedKindsDocumentKindsAndCustomers) {
    AggregatDb db;
    db.Beleg(1, "BO", 1, 10);
    db.Pos(1, 10, 1, "A9", 19.99, 2);
    db.Pos(1, 10, 2, "SO", 5.00, 3);   // value, no quantity
    db.Pos(1, 10, 3, "RS", -4.50, -1);  // value, no quantity
    db.Pos(1, 10, 4, "GS", 25.00, 1);  // sold voucher: not selected
    db.Pos(1, 10, 5, "XX", 99.00, 1);  // unknown kind: not selected
    db.Pos(1, 10, 10000, "A9", 50.00, 1);  // outside the position range
    db.Beleg(1, "RG", 1, 11);
    db.Pos(1, 11, 1, "A9", 0.01, 1);
    db.Beleg(1, "LS", 1, 12);  // delivery note: not read
    db.Pos(1, 12, 1, "A9", 70.00, 1);
    db.Beleg(2, "BO", 2, 10);
    db.Pos(2, 10, 1, "A9", 10.00, 1);
    db.Pos(2, 10, 1, "A9", 10.00, 1, 2);  // same key in company 2's sales list
    db.Beleg(3, "BO", 2, 11);  // cash-sale customer
    db.Pos(2, 11, 1, "A9", 8.00, 1);
    db.Beleg(6, "BO", 51, 1, 2);

    const auto s = Summen(Mandant1());
    ASSERT_EQ(s.size(), 4u);  // 1, 2, 4, 5: no cash-sale customer, no customer of company 2
    EXPECT_NEAR(s.at(1).SelUmsatz, 19.99 + 5.00 - 4.50 + 0.01, 1e-9);
    EXPECT_EQ(s.at(1).SelMenge, 3);
    EXPECT_EQ(s.at(1).Positionen, 6);  // every position of the two documents read
    EXPECT_NEAR(s.at(2).SelUmsatz, 10.00, 1e-9);
    EXPECT_EQ(s.at(4).Positionen, 0);  // customer and supplier entry: listed once
    EXPECT_EQ(s.at(5).SelMenge, 0);

    TUmsatzAggregatAuftrag a = Mandant1();
    a.AuchAnonymeKunden = true;
    a.AlleMandanten = true;
    const auto alle = Summen(a);
    EXPECT_EQ(alle.size(), 6u);
    EXPECT_NEAR(alle.at(3).SelUmsatz, 8.00, 1e-9);
    EXPECT_EQ(alle.at(6).Positionen, 0);  // its documents are not in company 1's index
}

TEST(SalesAggregate, OpenTransactionsOfCustomerPhasesOnTheirSide) {
    AggregatDb db;
    db.Vorgang(13, 1, 5, 1);  // customer order: first party
    db.Pos(5, 1, 1, "A9", 30.00, 2);
    db.Vorgang(26, 2, 5, 2);  // repair order: customer is the second party
    db.Pos(5, 2, 1, "A9", 12.00, 1);
    db.Vorgang(15, 1, 5, 3);  // not a phase the evaluation reads
    db.Pos(5, 3, 1, "A9", 99.00, 1);
    db.Beleg(4, "BO", 5, 4);  // the same document reached twice from one customer counts once
    db.Vorgang(14, 4, 5, 4);
    db.Pos(5, 4, 1, "A9", 1.00, 1);

    auto s = Summen(Mandant1());
    EXPECT_NEAR(s.at(1).SelUmsatz, 30.00, 1e-9);
    EXPECT_EQ(s.at(1).SelMenge, 2);
    EXPECT_NEAR(s.at(2).SelUmsatz, 12.00, 1e-9);
    EXPECT_EQ(s.at(4).SelMenge, 1);

    TUmsatzAggregatAuftrag ohne = Mandant1();
    ohne.MitOffenenVorgaengen = false;
    s = Summen(ohne);
    EXPECT_EQ(s.at(1).Positionen, 0);
    EXPECT_EQ(s.at(4).SelMenge, 1);
}

TEST(SalesAggregate, LatestSalesDateAndPositionCountOfTheCompany) {
    AggregatDb db;
    EXPECT_EQ(LetztesVerkaufsdatum(TIntPair(1, 0)), 0);
    db.Sql("INSERT INTO LST (MANDANT_L, RNR, LNR, POSNR, DATUM) VALUES (1, 1, 1, 1, 45000.5),"
           " (1, 1, 2, 1, 45100.25), (2, 51, 1, 1, 46000)");
    EXPECT_EQ(LetztesVerkaufsdatum(TIntPair(1, 0)), 45100.25);
    EXPECT_EQ(LetztesVerkaufsdatum(TIntPair(2, 0)), 46000);
    db.Pos(1, 3, 10000, "A9", 1, 1);  // outside the position range
    EXPECT_EQ(VerkaufspositionenAnzahl(TIntPair(1, 0)), 2);
    EXPECT_EQ(VerkaufspositionenAnzahl(TIntPair(3, 0)), 0);
}
