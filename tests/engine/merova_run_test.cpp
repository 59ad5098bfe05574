// Whole evaluation runs on small fixture databases.
#include <cmath>

#include "engine_fixture.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"

namespace kis::test {
namespace {

Pos P(const std::string& art, double ist, int menge = 1) {
    Pos p;
    p.art = art;
    p.ist = ist;
    p.menge = menge;
    return p;
}

int64_t Cent(double v) { return std::llround(v * 100); }

using RunTest = EngineTest;

TEST_F(RunTest, SumsPerDocumentCustomerAndTotal) {
    const TIntPair a = fx.Kunde(1, "Albrecht", "Anna");
    const TIntPair b = fx.Kunde(2, "Becker", "Bernd");
    const TIntPair c = fx.Kunde(3, "Christ", "Carla");  // no documents
    Pos gross = P("A9", 19.99, 2);
    gross.groesse = 7;
    gross.soll = 25;
    fx.Beleg(a, 1, 10, fx.D(2024, 5, 2), {gross, P("SO", 5.00, 3), P("RS", -4.50, 1)});
    fx.Beleg(a, 2, 11, fx.D(2024, 5, 3), {P("A9", 0.01)});
    fx.Beleg(b, 1, 12, fx.D(2024, 6, 1), {P("A9", 100.00, 1), P("XX", 50.00, 1)});
    fx.Beleg(b, 1, 13, fx.D(2024, 6, 1), {P("A9", 7.00)}, "LI");  // not a receipt or invoice
    ASSERT_TRUE(Run());

    const auto kisu = Kisu();
    ASSERT_EQ(4u, kisu.size());
    EXPECT_EQ(TIntPair(0, 0), kisu[0].kunde);
    EXPECT_EQ("   <alle>   ", kisu[0].name);
    EXPECT_EQ("VK", kisu[0].art);
    const auto ka = KisuVon(a);
    EXPECT_EQ("Albrecht", ka.name);
    EXPECT_EQ("Anna", ka.vorname);
    EXPECT_EQ(Cent(19.99 + 5.00 - 4.50 + 0.01), Cent(ka.sel));
    EXPECT_EQ(3, ka.selMenge);  // "SO" and "RS" carry no quantity
    EXPECT_EQ(Cent(ka.sel), Cent(ka.ges));
    const auto kb = KisuVon(b);
    EXPECT_EQ(10000, Cent(kb.sel));  // the "XX" position is never selected
    EXPECT_EQ(1, kb.selMenge);
    const auto kc = KisuVon(c);
    EXPECT_EQ(0, Cent(kc.sel));
    ASSERT_EQ(1u, KivkVon(c, "NR").size());  // summary with zeros

    // Totals equal the sum of the customer records to the cent.
    int64_t sel = 0, ges = 0;
    int menge = 0;
    for (size_t i = 1; i < kisu.size(); ++i) {
        sel += Cent(kisu[i].sel);
        ges += Cent(kisu[i].ges);
        menge += kisu[i].selMenge;
    }
    EXPECT_EQ(sel, Cent(kisu[0].sel));
    EXPECT_EQ(ges, Cent(kisu[0].ges));
    EXPECT_EQ(menge, kisu[0].selMenge);

    // Detail file: the document record, the positions, the summary and the totals record.
    const auto nrA = KivkVon(a, "NR");
    ASSERT_EQ(3u, nrA.size());  // summary 0/0 and two documents
    EXPECT_EQ(0, nrA[0].rnr);
    EXPECT_EQ(Cent(ka.sel), Cent(nrA[0].istVk));
    EXPECT_EQ("BO", nrA[1].belegArt);
    EXPECT_EQ(100010, nrA[1].belegRnr);
    EXPECT_EQ(Cent(19.99 + 5.00 - 4.50), Cent(nrA[1].istVk));
    const auto a9 = KivkVon(a, "A9");
    ASSERT_EQ(2u, a9.size());
    EXPECT_EQ("007", a9[0].groesse);
    EXPECT_EQ(2500, Cent(a9[0].sollVk));
    ASSERT_EQ(1u, KivkVon(a, "SO").size());
    EXPECT_EQ(0, KivkVon(a, "SO")[0].menge);
    const auto total = KivkVon({0, 0}, "NR");
    ASSERT_EQ(1u, total.size());
    EXPECT_EQ(Cent(kisu[0].sel), Cent(total[0].istVk));
    EXPECT_EQ(kisu[0].selMenge, total[0].menge);
    EXPECT_EQ(Cent(kisu[0].ges), Cent(total[0].gesWert));
}

TEST_F(RunTest, WholeTurnoverCountsUnselectedPositions) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 10, fx.D(2024, 5, 2), {P("A9", 10.00, 1), P("XX", 50.00, 2), P("GS", 20.00, 1)});
    filter.FGesSumBuild = true;
    ASSERT_TRUE(Run());
    const auto k = KisuVon(a);
    EXPECT_EQ(1000, Cent(k.sel));
    EXPECT_EQ(1, k.selMenge);
    EXPECT_EQ(8000, Cent(k.ges));
    EXPECT_EQ(4, k.gesMenge);
    EXPECT_TRUE(KivkVon(a, "A8").empty());  // voucher not selected without the bonus setting
}

TEST_F(RunTest, AnonymousCustomersOnlyOnRequest) {
    const TIntPair anon = fx.Kunde(1, "{Laufkunde}");
    fx.Kunde(2, "Becker");
    fx.Beleg(anon, 1, 1, fx.D(2024, 1, 1), {P("A9", 5)});
    ASSERT_TRUE(Run());
    EXPECT_FALSE(HatKisu(anon));
    filter.FAuchAnonymeKunden = true;
    ASSERT_TRUE(Run());
    EXPECT_EQ(500, Cent(KisuVon(anon).sel));
}

TEST_F(RunTest, FailingDocumentIsRemovedWithAllItsPositions) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Beleg(a, 1, 1, fx.D(2024, 1, 1), {P("A9", 5.00), P("SO", 2.00), P("RS", 1.00)});
    fx.Beleg(a, 1, 2, fx.D(2024, 1, 2), {P("A9", 20.00)});
    fx.Beleg(a, 1, 3, fx.D(2024, 1, 3), {P("XX", 20.00)});  // no selected position
    filter.FBonSumMin = 10;
    filter.FGesSumBuild = true;
    ASSERT_TRUE(Run());
    const auto k = KisuVon(a);
    EXPECT_EQ(2000, Cent(k.sel));
    EXPECT_EQ(2000, Cent(k.ges));  // the failed documents' totals are taken back as well
    for (const auto& z : Kivk()) EXPECT_NE(1, z.lnr) << z.art;
    EXPECT_EQ(2000, Cent(Kisu()[0].sel));
}

TEST_F(RunTest, StoredDocumentIsSkipped) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    // The receipt and the invoice of the same sale point at the same positions.
    fx.Beleg(a, 1, 1, fx.D(2024, 1, 1), {P("A9", 5.00)}, "BO", 500);
    fx.Row("LFNR", {{"MANDANT", TIntPair(1, 0)}, {"KUNDE", a}, {"BELEGART", "RG"}, {"BELEGLNR", 1},
                    {"BELEGRNR", 501}, {"RNR", 1}, {"LNR", 1}});
    ASSERT_TRUE(Run());
    EXPECT_EQ(500, Cent(KisuVon(a).sel));
    EXPECT_EQ(1u, KivkVon(a, "A9").size());
    EXPECT_EQ(2u, KivkVon(a, "NR").size());  // summary + one document
}

TEST_F(RunTest, VouchersSoldAndRedeemed) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Zahlungsmittel(1, "GUTSCHEIN", 1, "1590");
    Pos gs = P("GS", 25.00);
    gs.artikel = TInt32Trio(7, 1, 0);  // voucher 1/7
    // Document 1: sells voucher 1/7 and pays with it at once (no redemption); document 2
    // redeems voucher 3/9; document 3 pays a voucher back (kind "S").
    fx.Beleg(a, 1, 7, fx.D(2024, 2, 1), {P("A9", 30.00), gs});
    fx.Zahlung(1, 7, 1, "GUTSCHEIN", "1590", 25.00, "Z", "1/7", fx.D(2024, 2, 1));
    fx.Beleg(a, 1, 8, fx.D(2024, 2, 2), {P("A9", 40.00)});
    fx.Zahlung(1, 8, 1, "GUTSCHEIN", "1590", 15.00, "Z", "3/9", fx.D(2024, 2, 2));
    fx.Zahlung(1, 8, 2, "BAR", "1000", 25.00, "Z", "");
    fx.Beleg(a, 1, 9, fx.D(2024, 2, 3), {P("A9", 10.00)});
    fx.Zahlung(1, 9, 1, "GUTSCHEIN", "1590", 4.00, "S", "3/9", fx.D(2024, 2, 3));

    q.FFilter.FGutscheineBeruecksichtigen = true;  // set by the bonus programme of a run
    ASSERT_TRUE(Run());
    const auto k = KisuVon(a);
    EXPECT_EQ(Cent(30 + 25 + 40 + 15 + 10 - 4), Cent(k.sel));
    const auto a8 = KivkVon(a, "A8");
    ASSERT_EQ(1u, a8.size());
    EXPECT_EQ(2500, Cent(a8[0].istVk));
    const auto a7 = KivkVon(a, "A7");
    ASSERT_EQ(2u, a7.size());
    EXPECT_EQ(1500, Cent(a7[0].istVk));
    EXPECT_EQ("0", a7[0].vkkz);
    EXPECT_EQ(-400, Cent(a7[1].istVk));
    EXPECT_EQ("2", a7[1].vkkz);
    EXPECT_EQ(0, a7[0].menge);
}

TEST_F(RunTest, SalesPeriodRangesSkipDocumentsOutside) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Tagesabschluss(1, fx.D(2024, 3, 10), 100, 120);
    fx.Beleg(a, 1, 50, fx.D(2024, 1, 5), {P("A9", 1.00)});    // before the range
    fx.Beleg(a, 1, 110, fx.D(2024, 3, 10), {P("A9", 2.00)});  // inside
    fx.Beleg(a, 2, 5, fx.D(2024, 3, 10), {P("A9", 4.00)});    // branch without day closing
    filter.LSTFilter.DatumVon = "01032024";
    filter.LSTFilter.DatumBis = "31032024";
    ASSERT_TRUE(Run());
    EXPECT_EQ(600, Cent(KisuVon(a).sel));
}

TEST_F(RunTest, AbortedRunStillWritesItsTotals) {
    for (int k = 1; k <= 5; ++k) {
        const TIntPair c = fx.Kunde(k, "Kunde" + std::to_string(k));
        fx.Beleg(c, 1, k, fx.D(2024, 1, k), {P("A9", 10.00 * k)});
    }
    int gelesen = 0;
    q.OnGepSelektiert = [&](const TIntPair&, const std::string&) {
        if (++gelesen == 2) q.SetActive(false);
    };
    EXPECT_FALSE(Run());
    const auto kisu = Kisu();
    ASSERT_FALSE(kisu.empty());
    EXPECT_EQ(TIntPair(0, 0), kisu[0].kunde);
    ASSERT_EQ(3u, kisu.size());  // totals + the two customers before the abort
    EXPECT_EQ(3000, Cent(kisu[0].sel));
    EXPECT_EQ(1u, KivkVon({0, 0}, "NR").size());
    // The next run is complete again.
    q.OnGepSelektiert = nullptr;
    EXPECT_TRUE(Run());
    EXPECT_EQ(6u, Kisu().size());
}

TEST_F(RunTest, CustomerListedTwiceIsCountedOnce) {
    fx.Mandant({2, 0}, "M2");
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.KundeInListe(a, {2, 0});
    fx.Beleg(a, 1, 1, fx.D(2024, 1, 1), {P("A9", 12.34)});
    fx.Parameter("MANDKUND", "J");
    int selektiert = 0;
    q.OnGepSelektiert = [&](const TIntPair&, const std::string&) { ++selektiert; };
    ASSERT_TRUE(Run());
    const auto kisu = Kisu();
    ASSERT_EQ(2u, kisu.size());
    EXPECT_EQ(1234, Cent(kisu[1].sel));
    EXPECT_EQ(1234, Cent(kisu[0].sel));
    EXPECT_EQ(1, selektiert);
    EXPECT_EQ(1u, KivkVon(a, "A9").size());
}

TEST_F(RunTest, OpenTransactionsBecomeDocuments) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    const TIntPair firma(900, 0);
    fx.Positionen(5, 77, fx.D(2024, 4, 1), {P("A9", 8.00)});
    fx.OffenerVorgang("AUFKUNDE", a, firma, 5, 77, 31, 32, 5, 4711);  // phase 13, first party
    fx.Positionen(5, 78, fx.D(2024, 4, 1), {P("A9", 3.00)});
    fx.OffenerVorgang("REPKUNDE", firma, a, 5, 78, 0, 0, 5, 4712);  // phase 26, second party
    fx.Positionen(5, 79, fx.D(2024, 4, 1), {P("A9", 100.00)});
    fx.OffenerVorgang("BESLIEF", a, firma, 5, 79, 0, 0, 5, 4713);  // not a customer phase
    ASSERT_TRUE(Run());
    EXPECT_EQ(1100, Cent(KisuVon(a).sel));
    const auto nr = KivkVon(a, "NR");
    ASSERT_EQ(3u, nr.size());
    EXPECT_EQ("AUF", nr[1].belegArt);
    EXPECT_EQ(4711, nr[1].belegRnr);
    EXPECT_EQ(31, nr[1].atk1);
    EXPECT_EQ("REP", nr[2].belegArt);

    ORVProgramm().SetKundenkennung("INSTBB00");  // installations without open transactions
    ASSERT_TRUE(Run());
    EXPECT_EQ(0, Cent(KisuVon(a).sel));
}

TEST_F(RunTest, PaymentMeansTestWithLedgerVoucherAccount) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Konto("1590", 137, 0);
    fx.Beleg(a, 1, 1, fx.D(2024, 1, 1), {P("A9", 10.00)});
    fx.Zahlung(1, 1, 1, "BAR", "1000", 10.00);
    fx.Beleg(a, 1, 2, fx.D(2024, 1, 1), {P("A9", 20.00)});
    fx.Zahlung(1, 2, 1, "EC", "1200", 20.00);
    fx.Buchung(1, 2, 1, "1590", 20.00);  // voucher account of kind 137
    fx.Beleg(a, 1, 3, fx.D(2024, 1, 1), {P("A9", 40.00)});
    fx.Zahlung(1, 3, 1, "EC", "1200", 40.00);
    filter.FZM.Add("BAR=0");
    filter.FZM.Add("GUTSCHEIN=0");
    filter.FZM.Add("EC=1");
    ASSERT_TRUE(Run());
    EXPECT_EQ(4000, Cent(KisuVon(a).sel));
    filter.FZMNeg = true;
    ASSERT_TRUE(Run());
    EXPECT_EQ(3000, Cent(KisuVon(a).sel));
}

TEST_F(RunTest, CustomerTestsOnBonusesOpenItemsAndSalesPeriod) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    const TIntPair b = fx.Kunde(2, "Becker");
    const TIntPair c = fx.Kunde(3, "Christ");
    fx.Bonus(1, 1, 1, a, 4, "A");
    fx.OffenerPosten(a, "BONUS", "A", fx.D(2024, 1, 1), 0, 5.00, 1, 1, 1);
    fx.OffenerPosten(b, "RECHNUNG", "O", fx.D(2024, 2, 1), 80.00, 0);
    fx.Beleg(c, 1, 1, fx.D(2024, 6, 1), {P("A9", 1.00)});

    filter.FKundeBonusNie = true;
    ASSERT_TRUE(Run());
    EXPECT_FALSE(HatKisu(a));
    EXPECT_TRUE(HatKisu(b));

    filter.Clear();
    filter.FKeineOP = true;
    ASSERT_TRUE(Run());
    EXPECT_FALSE(HatKisu(a));
    EXPECT_FALSE(HatKisu(b));
    EXPECT_TRUE(HatKisu(c));

    filter.Clear();
    filter.FOP.Add("RECHNUNG=1");
    filter.FOP.Add("BONUS=0");
    filter.FOPWertMin = 50;
    ASSERT_TRUE(Run());
    EXPECT_EQ(2u, Kisu().size());
    EXPECT_TRUE(HatKisu(b));

    filter.Clear();
    filter.FOPBonusAbg = true;
    filter.FOPBonusAktLenMin = 3;
    filter.FOPBonusAktLenMax = 4;
    ASSERT_TRUE(Run());
    EXPECT_EQ(2u, Kisu().size());
    EXPECT_TRUE(HatKisu(a));

    filter.Clear();
    filter.FVkFilter = vkJa;  // default period: any document at all
    ASSERT_TRUE(Run());
    EXPECT_EQ(2u, Kisu().size());
    EXPECT_TRUE(HatKisu(c));
    filter.FVkVon = fx.D(2024, 7, 1);
    ASSERT_TRUE(Run());
    EXPECT_EQ(1u, Kisu().size());
    filter.FVkFilter = vkNein;
    filter.FVkVon = fx.D(2024, 1, 1);
    filter.FVkBis = fx.D(2024, 6, 1);  // the whole last day counts
    ASSERT_TRUE(Run());
    EXPECT_FALSE(HatKisu(c));
    EXPECT_TRUE(HatKisu(a));
}

TEST_F(RunTest, ArticleAndSeasonTests) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Artikel(TInt32Trio(1, 0, 0), 10, "L-1", "FS", 2024);
    fx.Artikel(TInt32Trio(2, 0, 0), 20, "L-2", "HW", 2024);
    Pos p1 = P("A9", 1.00), p2 = P("A9", 2.00), p3 = P("A9", 4.00);
    p1.artikel = TInt32Trio(1, 0, 0);
    p2.artikel = TInt32Trio(2, 0, 0);
    p3.artikel = TInt32Trio(3, 0, 0);  // no such article
    fx.Beleg(a, 1, 1, fx.D(2024, 1, 1), {p1, p2, p3});
    filter.AAFilter.Lieferant = 10;
    ASSERT_TRUE(Run());
    EXPECT_EQ(100, Cent(KisuVon(a).sel));
    filter.Clear();
    filter.FSaison = "HW2024";
    ASSERT_TRUE(Run());
    EXPECT_EQ(200, Cent(KisuVon(a).sel));
    filter.FSaisonNeg = true;  // the missing article fails also under negation
    ASSERT_TRUE(Run());
    EXPECT_EQ(100, Cent(KisuVon(a).sel));
}

TEST_F(RunTest, FillRunsCompleteSupplierAndAttributeColumns) {
    const TIntPair a = fx.Kunde(1, "Albrecht");
    fx.Lieferant(10, "ACME", "Acme GmbH");
    fx.Artikel(TInt32Trio(1, 0, 0), 10, "L-1", "", 0, {"rot", "gross"});
    Pos p1 = P("A9", 1.00), p2 = P("A9", 2.00);
    p1.artikel = TInt32Trio(1, 0, 0);
    p2.artikel = TInt32Trio(2, 0, 0);  // no longer exists
    fx.Beleg(a, 1, 1, fx.D(2024, 1, 1), {p1, p2});
    ASSERT_TRUE(Run());
    int gemeldet = 0;
    q.OnKIVKGelesen = [&] { ++gemeldet; };
    q.ExecuteFillKivkLief();
    q.ExecuteFillKivkMerkmale();
    EXPECT_EQ(2 * int(Kivk().size()), gemeldet);
    const auto pos = KivkVon(a, "A9");
    ASSERT_EQ(2u, pos.size());
    EXPECT_EQ("ACME", pos[0].liefName);
    EXPECT_EQ("L-1", pos[0].liefArt);
    EXPECT_EQ("rot", pos[0].merkmal1);
    EXPECT_EQ("", pos[1].liefName);
    EXPECT_EQ("", pos[1].merkmal1);
}

}  // namespace
}  // namespace kis::test
