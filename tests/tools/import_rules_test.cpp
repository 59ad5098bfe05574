// kis-import into a database that already holds data, column mappings with their settings,
// and the refusals of the command line and of foreign oddities.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "demo_test_support.h"
#include "platform/store/record_file.h"
#include "support/suite_fixture.h"

namespace fs = std::filesystem;
using kis::demo_test::ContentHash;
using kis::demo_test::ForEach;
using kis::demo_test::RunResult;
using kis::demo_test::RunTool;
using kis::store::TQEL_DBFile;

namespace {

class ImportRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int nr : {1, 2})
            fx.Row("FILIALE", {{"MANDANT", TIntPair(1, 0)}, {"NR", nr}, {"BEZEICHNUNG", "F"}});
        fx.Mandant({2, 0}, "Sport");
        fx.Row("FILIALE", {{"MANDANT", TIntPair(2, 0)}, {"NR", 51}, {"BEZEICHNUNG", "S"}});
        fx.Kunde(501, "Müller", "Anna");
        fx.Row("ARTIKEL", {{"ARTIKELNR", TInt32Trio(1, 1000, 3)}, {"LIEFARTNR", "A1"}, {"BEZEICHNUNG", "Bluse"}});
        db = "--db='" + fx.DbPath().string() + "'";
    }
    std::string File(const std::string& name, const std::string& bytes) {
        const fs::path p = fx.Dir() / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return "'" + p.string() + "'";
    }
    RunResult Import(const std::string& args) { return RunTool("kis-import", db + " " + args); }
    static bool Has(const RunResult& r, const std::string& text) {
        return r.err.find(text) != std::string::npos || r.out.find(text) != std::string::npos;
    }
    // "kind branch/number -> rnr/lnr customer" of every document, in index order.
    std::string Documents() {
        std::string s;
        ForEach("LFNR", [&](TQEL_DBFile& f) {
            s += f.Feld("BELEGART").AsString() + " " + std::to_string(f.Feld("BELEGLNR").AsInt()) + "/" +
                 std::to_string(f.Feld("BELEGRNR").AsInt()) + "->" + std::to_string(f.Feld("RNR").AsInt()) + "/" +
                 std::to_string(f.Feld("LNR").AsInt()) + " " + f.Feld("KUNDE").AsPair().ToString() + "; ";
        });
        return s;
    }

    kis::test::SuiteFixture fx{true};
    std::string db;
};

TEST_F(ImportRulesTest, RunningNumbersContinueAfterTheBranchAndEarlierDatesComeFirst) {
    fx.Beleg({501, 0}, 1, 40, fx.D(2024, 1, 1), {kis::test::Pos{}}, "BO", 900);
    fx.OffenerVorgang("AUFTRAG", {501, 0}, {1, 0}, 2, 77, 1, 1, 2, 1);  // branch 2 used up to 77
    // Customer 601 is a partner of company 2 only: it becomes a customer of company 1.
    fx.Kunde(601, "Berger", "", {2, 0});
    const std::string docs = File("docs.csv",
                                  "receipt;branch;date;customer;article;quantity;price;type\n"
                                  "11;1;05.03.2024;501;A1;1;10;A9\n"
                                  "10;1;04.03.2024 18:00;601;1-1000-3;1;20;A9\n"
                                  "12;2;05.03.2024;501;A1;1;30;A9\n"
                                  "12;2;05.03.2024;501;;1;25;GS\n");
    const RunResult r = Import("documents=" + docs);
    ASSERT_EQ(0, r.exitCode) << r.err;
    EXPECT_EQ("BO 1/900->1/40 501/0; BO 1/11->1/42 501/0; BO 2/12->2/78 501/0; BO 1/10->1/41 601/0; ", Documents());
    int kuli = 0;
    ForEach("KULI", [&](TQEL_DBFile& f) {
        if (f.Feld("KUNDE").AsPair() == TIntPair(601, 0) && f.Feld("MANDANT").AsPair() == TIntPair(1, 0)) ++kuli;
    });
    EXPECT_EQ(1, kuli);
    // The sold voucher books to the voucher account, the goods to revenue, cash pays both.
    std::string ledger;
    ForEach("GUV", [&](TQEL_DBFile& f) {
        if (f.Feld("RNR").AsInt() == 2)
            ledger += f.Feld("KONTO").AsString() + " " + std::to_string(std::lround(f.Feld("BETRAG").AsFloat() * 100)) + "; ";
    });
    EXPECT_EQ("1700 2500; 8400 3000; 1000 5500; ", ledger);
    // The voucher is numbered by its document and is an open voucher item.
    std::string voucher;
    ForEach("LST", [&](TQEL_DBFile& f) {
        if (f.Feld("ART").AsString() == "GS") voucher += f.Feld("ARTIKELNR").AsTrio().ToString() + " ";
    });
    ForEach("OP", [&](TQEL_DBFile& f) {
        voucher += f.Feld("TABELLE").AsString() + " " + f.Feld("STATUS").AsString() + " " +
                   std::to_string(std::lround(f.Feld("BETRAG2").AsFloat() * 100)) + " " +
                   std::to_string(f.Feld("LNR").AsInt()) + "/" + std::to_string(f.Feld("SNR").AsInt()) + " " +
                   f.Feld("REFTEXT").AsString();
    });
    EXPECT_EQ("78-2-0 A-GUTSCHEI O 2500 78/2 0002000000012", voucher);

    // The client company by designation; its documents book to its own branches.
    const std::string sport = File("sport.csv", "receipt;date;customer;article;quantity;price\n5;05.03.2024;601;A1;1;10\n");
    ASSERT_EQ(0, Import("--mandant=sport documents=" + sport).exitCode);
    EXPECT_NE(std::string::npos, Documents().find("BO 51/5->51/1 601/0"));
    const RunResult unknown = Import("--mandant=Nirgendwo documents=" + sport);
    EXPECT_EQ(2, unknown.exitCode);
    EXPECT_TRUE(Has(unknown, "Mandant \"Nirgendwo\" ist unbekannt.")) << unknown.err;
    const std::string foreignBranch = File("fb.csv", "receipt;branch;date;customer;article;quantity;price\n6;51;05.03.2024;501;A1;1;10\n");
    const RunResult wrongBranch = Import("documents=" + foreignBranch);
    EXPECT_EQ(2, wrongBranch.exitCode);
    EXPECT_TRUE(Has(wrongBranch, "Filiale 51 ist unbekannt oder gehört zu einem anderen Mandanten.")) << wrongBranch.err;
}

TEST_F(ImportRulesTest, MappedAmountsGermanDecimalsAndWindows1252) {
    const std::string mapping = File("map.txt",
                                     "receipt = Bon-Nr.\ndate = Datum\ncustomer = Kunde\narticle = Art.-Nr.\n"
                                     "description = Text\nquantity = Menge\namount = Betrag\n"
                                     "date-format = dd.MM.yyyy 'um' HH:mm\ndecimal = ,\nbranch-default = 2\n");
    // Windows-1252, semicolons, German decimals, line amounts; "Größe" in the description.
    const std::string sales = File("kasse.csv",
                                   "Bon-Nr.;Datum;Kunde;Art.-Nr.;Text;Menge;Betrag\n"
                                   "77;01.02.2024 um 09:15;501;B7;\"Gr\xF6\xDF" "e M; rot\";2;19,99\n"
                                   "78;01.02.2024 um 10:00;501;B7;;-1;-9,99\n");
    const RunResult r = Import("--columns=" + mapping + " sales=" + sales);
    ASSERT_EQ(0, r.exitCode) << r.err;
    EXPECT_EQ("BO 2/77->2/1 501/0; BO 2/78->2/2 501/0; ", Documents());
    std::string article;
    ForEach("ARTIKEL", [&](TQEL_DBFile& f) {
        if (f.Feld("LIEFARTNR").AsString() == "B7") article = f.Feld("BEZEICHNUNG").AsString();
    });
    EXPECT_EQ("Größe M; rot", article);
    std::string positions;
    ForEach("LST", [&](TQEL_DBFile& f) {
        positions += std::to_string(f.Feld("MENGE").AsInt()) + " " + f.Feld("VKKZ").AsString() + " " +
                     std::to_string(int(std::lround(f.Feld("ISTVK").AsFloat() * 100))) + "; ";
    });
    EXPECT_EQ("2 0 1999; -1 1 -999; ", positions);

    // An amount whose sign differs from its quantity is no rule of ours.
    const std::string bad = File("bad.csv", "Bon-Nr.;Datum;Kunde;Art.-Nr.;Text;Menge;Betrag\n"
                                            "79;01.02.2024 um 09:15;501;B7;x;2;-19,99\n"
                                            "80;01.02.2024 um 09:15;501;B7;x;1;19.99\n");
    const RunResult r2 = Import("--columns=" + mapping + " sales=" + bad);
    EXPECT_EQ(2, r2.exitCode);
    EXPECT_TRUE(Has(r2, "Zeile 2, Spalte \"Betrag\": Betrag und Menge haben verschiedene Vorzeichen.")) << r2.err;
    EXPECT_TRUE(Has(r2, "Zeile 3, Spalte \"Betrag\": \"19.99\" ist kein Betrag.")) << r2.err;
}

TEST_F(ImportRulesTest, ReceiptsMustStayConsistent) {
    const std::string mapping = File("map.txt", "receipt = R\ndate = D\ncustomer = C\narticle = A\nquantity = Q\n"
                                                "price = P\ncancel-prefix = C\n");
    const std::string sales = File("s.csv", "R,D,C,A,Q,P\n"
                                            "100,01.02.2024,501,A1,1,5\n"
                                            "C100,02.02.2024,501,A1,1,5\n"
                                            "101,01.02.2024,501,A1,1,5\n"
                                            "101,01.02.2024,502,A1,1,5\n");
    const uint64_t before = ContentHash();
    const RunResult r = Import("--columns=" + mapping + " sales=" + sales);
    EXPECT_EQ(2, r.exitCode);
    EXPECT_TRUE(Has(r, "Zeile 3, Spalte \"R\": Belegnummer 100 ist zugleich Verkauf und Storno (Zeile 2).")) << r.err;
    EXPECT_TRUE(Has(r, "Zeile 5, Spalte \"C\": Beleg 101 hat in Zeile 4 den Kunden 501/0.")) << r.err;
    EXPECT_EQ(before, ContentHash());
}

TEST_F(ImportRulesTest, RefusalsOfCommandLineAndMapping) {
    const std::string docs = File("d.csv", "receipt;date;customer;article;quantity;price\n1;01.02.2024;501;A1;1;5\n");
    const uint64_t before = ContentHash();
    EXPECT_TRUE(Has(RunTool("kis-import", "documents=" + docs), "--db=DATEI fehlt."));
    EXPECT_TRUE(Has(Import("invoices=" + docs), "Unbekannte Art \"invoices\"."));
    EXPECT_TRUE(Has(Import(""), "Keine Datei angegeben"));
    EXPECT_TRUE(Has(Import("--columns=x documents=" + docs), "--columns= gilt für sales=DATEI"));
    EXPECT_TRUE(Has(Import("--anonymous=abc documents=" + docs), "--anonymous= braucht eine Kundennummer"));
    EXPECT_TRUE(Has(Import("documents=" + File("missing.csv", "") + "x"), "ist nicht vorhanden"));
    EXPECT_EQ(2, Import("documents=" + File("empty.csv", "")).exitCode);

    const std::string mapping = File("m.txt", "receipt = R\nwhatever = W\ndate-format = HH:mm\ndecimal = ;\n"
                                              "price = P\namount = A\nno equals sign\n");
    const RunResult r = Import("--columns=" + mapping + " sales=" + docs);
    EXPECT_EQ(2, r.exitCode);
    for (const char* expected : {"Zeile 2, Spalte \"whatever\": Unbekanntes Feld", "Zeile 3, Spalte \"date-format\"",
                                 "Zeile 4, Spalte \"decimal\"", "Nur eines von \"price\" und \"amount\"",
                                 "Zeile 7: Zeile ohne \"=\""})
        EXPECT_TRUE(Has(r, expected)) << expected << "\n" << r.err;
    // A mapped column the file lacks.
    const std::string m2 = File("m2.txt", "receipt = Bon\ndate = Datum\narticle = Art\nquantity = Menge\nprice = Preis\n");
    EXPECT_TRUE(Has(Import("--columns=" + m2 + " sales=" + docs), "Spalte \"Bon\": Spalte der Zuordnung für \"receipt\" fehlt in der Datei."));
    EXPECT_EQ(before, ContentHash());
}

TEST_F(ImportRulesTest, AtMostHundredErrorsAreListedAllAreCounted) {
    std::string rows = "receipt;date;customer;article;quantity;price\n";
    for (int i = 1; i <= 150; ++i) rows += std::to_string(i) + ";kein Datum;501;A1;1;5\n";
    const RunResult r = Import("documents=" + File("many.csv", rows));
    EXPECT_EQ(2, r.exitCode);
    size_t listed = 0;
    for (size_t p = r.err.find("ist kein Datum"); p != std::string::npos; p = r.err.find("ist kein Datum", p + 1)) ++listed;
    EXPECT_EQ(100u, listed);
    EXPECT_TRUE(Has(r, "… und 50 weitere Fehler.")) << r.err;
    EXPECT_TRUE(Has(r, "150 Fehler; es wurde nichts geschrieben.")) << r.err;
}

// The documented example files import as they stand; sums computed by hand from them.
TEST(ImportExamples, DocumentedFilesImport) {
    kis::demo_test::TempFolder dir;
    const std::string ex = std::string("'") + KIS_EXAMPLES_DIR + "/";
    const std::string shop = "--db='" + dir.Path("shop.kis") + "'";
    RunResult r = RunTool("kis-import", shop + " --create branches=" + ex + "branches.csv' suppliers=" + ex +
                                            "suppliers.csv' articles=" + ex + "articles.csv' customers=" + ex +
                                            "customers.csv' documents=" + ex + "documents.csv' payments=" + ex +
                                            "payments.csv' openitems=" + ex + "openitems.csv'");
    ASSERT_EQ(0, r.exitCode) << r.err;
    r = RunTool("kis-eval", shop);
    // 501: 2 x 44.95 + 79.90; 502: a return of 79.90 and an invoice of 49.95.
    EXPECT_EQ("KUNDE;NAME;VORNAME;SELUMSATZ;SELMENGE;GESUMSATZ;GESMENGE\n"
              "501/0;Müller;Anna;169.80;3;169.80;3\n"
              "502/0;\"Schmidt; Söhne\";;-29.95;0;-29.95;0\n"
              "0/0;   <alle>   ;;139.85;3;139.85;3\n",
              r.out);
    const std::string pos = "--db='" + dir.Path("pos.kis") + "'";
    r = RunTool("kis-import", pos + " --create --columns=" + ex + "sales-foreign.txt' sales=" + ex + "sales-foreign.csv'");
    ASSERT_EQ(0, r.exitCode) << r.err;
    r = RunTool("kis-eval", pos);
    // 6 x 2.55 + 6 x 3.39 - 1 x 2.55 (cancelled); the anonymous row is left out.
    EXPECT_EQ("KUNDE;NAME;VORNAME;SELUMSATZ;SELMENGE;GESUMSATZ;GESMENGE\n"
              "17850/0;Kunde 17850;;33.09;11;33.09;11\n"
              "0/0;   <alle>   ;;33.09;11;33.09;11\n",
              r.out);
}

}  // namespace
