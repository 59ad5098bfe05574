// kis-import as a command: every kind of file into a suite database, the evaluation of the
// imported documents, errors that leave the database untouched, duplicates, foreign exports.
#include <gtest/gtest.h>

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

class ImportCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Row("FILIALE", {{"MANDANT", TIntPair(1, 0)}, {"NR", 1}, {"BEZEICHNUNG", "Filiale 1"}});
        db = "--db='" + fx.DbPath().string() + "'";
    }
    std::string File(const std::string& name, const std::string& bytes) {
        const fs::path p = fx.Dir() / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return "'" + p.string() + "'";
    }
    RunResult Import(const std::string& args) { return RunTool("kis-import", db + " " + args); }
    static std::string Money(double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.2f", v);
        return buf;
    }
    int64_t Count(const std::string& table) {
        int64_t n = 0;
        ForEach(table, [&](TQEL_DBFile&) { ++n; });
        return n;
    }
    // The customer sums of kis-eval over the whole database, without the header line.
    std::string EvalSums(const std::string& dbArg) {
        const RunResult r = RunTool("kis-eval", dbArg);
        EXPECT_EQ(0, r.exitCode) << r.err;
        return r.out.substr(r.out.find('\n') + 1);
    }

    kis::test::SuiteFixture fx{true};
    std::string db;
};

// One set of files of every kind, in both encodings and with both separators.
TEST_F(ImportCliTest, EveryKindLandsAsDocumentsTheEvaluationSums) {
    const std::string branches = File("branches.csv", "branch;name\n2;Filiale S\xFC" "d\n");  // Windows-1252
    const std::string suppliers = File("suppliers.csv", "supplier,short-name,name\n7,L007,\"Nord, Textil GmbH\"\n");
    const std::string articles = File(
        "articles.csv",
        "article;code;description;supplier;season;season-year;attribute1;price;group\n"
        "1-1000-3;;Bluse;7;FS;2024;rot;49,95;1\n"
        ";X-77;\"Hose \"\"Slim\"\"\";7;;;;79.90;2\n");
    const std::string customers = File(
        "customers.csv",
        "customer;name;first-name;city;birthday;branch\n"
        "501;M\xC3\xBCller;Anna;K\xC3\xB6ln;03.04.1980;2\n"
        "502;\"Schmidt; S\xC3\xB6hne\";;\"Berlin\nMitte\";;\n");
    const std::string documents = File(
        "documents.csv",
        "receipt,kind,branch,date,customer,article,quantity,price\n"
        "1001,BO,1,02.01.2024 10:00,501,1-1000-3,2,49.95\n"
        "1002,BO,2,03.01.2024,502,X-77,-1,79.90\n"
        "1001,BO,1,02.01.2024 10:00,501,X-77,1,79.90\n"
        "2001,RG,1,04.01.2024,502,1-1000-3,1,49.95\n");
    const std::string payments = File("payments.csv", "receipt;branch;means;amount\n1001;1;BAR;100,00\n1001;1;EC;79,80\n");
    const std::string openItems = File(
        "openitems.csv",
        "customer;table;status;date;amount1;amount2;kind;branch;receipt\n"
        "502;A-RECHNUNG;O;04.01.2024;49,95;0;RG;1;2001\n");
    // Given in an order that is not the dependency order.
    const RunResult r = Import("documents=" + documents + " payments=" + payments + " openitems=" + openItems +
                               " customers=" + customers + " articles=" + articles + " suppliers=" + suppliers +
                               " branches=" + branches);
    ASSERT_EQ(0, r.exitCode) << r.err << r.out;

    // 501: 2 x 49.95 + 79.90 = 179.80 (3 pieces); 502: -79.90 + 49.95 = -29.95 (0 pieces).
    EXPECT_EQ("501/0;Müller;Anna;179.80;3;179.80;3\n"
              "502/0;\"Schmidt; Söhne\";;-29.95;0;-29.95;0\n"
              "0/0;   <alle>   ;;149.85;3;149.85;3\n",
              EvalSums(db));

    // Document numbers: RNR = BELEGLNR = branch, LNR running per branch in date order.
    std::string index;
    ForEach("LFNR", [&](TQEL_DBFile& f) {
        index += f.Feld("BELEGART").AsString() + " " + std::to_string(f.Feld("BELEGLNR").AsInt()) + "/" +
                 std::to_string(f.Feld("BELEGRNR").AsInt()) + " " + std::to_string(f.Feld("RNR").AsInt()) + "/" +
                 std::to_string(f.Feld("LNR").AsInt()) + " " + Money(f.Feld("SUMME").AsFloat()) + "\n";
    });
    EXPECT_EQ("BO 1/1001 1/1 179.80\nRG 1/2001 1/2 49.95\nBO 2/1002 2/1 -79.90\n", index);
    std::string closings;
    ForEach("KV", [&](TQEL_DBFile& f) {
        closings += std::to_string(f.Feld("FILIALE").AsInt()) + ":" + std::to_string(f.Feld("ERSTNR").AsInt()) +
                    "-" + std::to_string(f.Feld("LETZTNR").AsInt()) + " ";
    });
    EXPECT_EQ("1:1-1 2:1-1 1:2-2 ", closings);  // in date order
    // Given payments, and the defaults: on account for the invoice, paid out for the return.
    std::string zm;
    ForEach("ZM", [&](TQEL_DBFile& f) {
        zm += std::to_string(f.Feld("RNR").AsInt()) + "/" + std::to_string(f.Feld("LNR").AsInt()) + " " +
              f.Feld("ZMKZ").AsString() + " " + f.Feld("ART").AsString() + " " + Money(f.Feld("BETRAG").AsFloat()) + "\n";
    });
    EXPECT_EQ("1/1 BAR Z 100.00\n1/1 EC Z 79.80\n1/2 RECHNUNG Z 49.95\n2/1 BAR S 79.90\n", zm);
    std::string op;
    ForEach("OP", [&](TQEL_DBFile& f) {
        op += f.Feld("TABELLE").AsString() + " " + std::to_string(f.Feld("RNR").AsInt()) + "/" +
              std::to_string(f.Feld("LNR").AsInt()) + " " + f.Feld("REFTEXT").AsString();
    });
    EXPECT_EQ("A-RECHNUNG 1/2 0001000002001", op);
    // Master data with quoted fields, the Windows-1252 name, the article code and its number.
    std::string masters;
    ForEach("FILIALE", [&](TQEL_DBFile& f) { masters += f.Feld("BEZEICHNUNG").AsString() + "|"; });
    ForEach("LIEFERANT", [&](TQEL_DBFile& f) { masters += f.Feld("NAME").AsString() + "|"; });
    ForEach("ARTIKEL", [&](TQEL_DBFile& f) {
        masters += f.Feld("ARTIKELNR").AsTrio().ToString() + " " + f.Feld("LIEFARTNR").AsString() + " " +
                   f.Feld("BEZEICHNUNG").AsString() + " " + Money(f.Feld("VK").AsFloat()) + "|";
    });
    ForEach("GEP", [&](TQEL_DBFile& f) { masters += f.Feld("ORT").AsString() + "|"; });
    EXPECT_EQ("Filiale 1|Filiale Süd|Nord, Textil GmbH|0-1-0 X-77 Hose \"Slim\" 79.90|1-1000-3  Bluse 49.95|"
              "Köln|Berlin\nMitte|",
              masters);
    EXPECT_EQ(2, Count("KULI"));
}

TEST_F(ImportCliTest, ErrorsNameFileLineAndColumnAndNothingIsWritten) {
    fx.Kunde(501, "Müller", "Anna");
    fx.Beleg({501, 0}, 1, 1, fx.D(2024, 1, 1), {kis::test::Pos{}}, "BO", 900);
    const uint64_t before = ContentHash();
    const std::string documents = File(
        "docs.csv",
        "receipt;date;customer;article;quantity;amount\n"
        "1001;31.02.2024;501;A1;1;10,00\n"   // no date
        "1002;01.03.2024;501;A1;1;zehn\n"    // no amount
        "1003;01.03.2024;777;A1;1;10,00\n"   // unknown customer
        "900;01.03.2024;501;A1;1;10,00\n"    // document already in the database
        "1004;01.03.2024;501;ZZ;1;10,00\n"   // unknown article
        "1005;01.03.2024;501;A1;1,5;10,00\n");  // no whole quantity
    const std::string articles = File("articles.csv", "code;description\nA1;Artikel eins\n");
    const std::string payments = File("payments.csv", "receipt;means;amount\n1006;BAR;5,00\n");
    const std::string broken = File("customers.csv", "customer;name\n600;\"offen\n");
    const RunResult r = Import("articles=" + articles + " documents=" + documents + " payments=" + payments +
                               " customers=" + broken);
    EXPECT_EQ(2, r.exitCode);
    const std::string path = (fx.Dir() / "docs.csv").string();
    for (const std::string& expected :
         {path + ", Zeile 2, Spalte \"date\": \"31.02.2024\" ist kein Datum.",
          path + ", Zeile 3, Spalte \"amount\": \"zehn\" ist kein Betrag.",
          path + ", Zeile 4, Spalte \"customer\": Kunde 777/0 ist unbekannt.",
          path + ", Zeile 5, Spalte \"receipt\": Beleg BO 1/900 ist bereits in der Datenbank (doppelter Beleg).",
          path + ", Zeile 6, Spalte \"article\": Artikel \"ZZ\" ist unbekannt.",
          path + ", Zeile 7, Spalte \"quantity\": \"1,5\" ist keine Menge (ganze Zahl ungleich 0).",
          (fx.Dir() / "payments.csv").string() + ", Zeile 2, Spalte \"receipt\": Beleg BO 1/1006 wird mit diesem Import nicht eingelesen.",
          (fx.Dir() / "customers.csv").string() + ", Zeile 2: Anführungszeichen nicht geschlossen",
          std::string("8 Fehler; es wurde nichts geschrieben.")})
        EXPECT_NE(std::string::npos, r.err.find(expected)) << expected << "\n" << r.err;
    EXPECT_EQ(before, ContentHash());

    // Payments that do not add up to the document, and a file without a required column.
    const std::string ok = File("ok.csv", "receipt;date;customer;article;quantity;amount\n1001;01.03.2024;501;A1;2;10,00\n");
    const std::string wrongSum = File("pay.csv", "receipt;means;amount\n1001;BAR;9,99\n");
    const std::string noDate = File("nodate.csv", "receipt;customer;article;quantity;amount\n1;501;A1;1;1\n");
    const RunResult r2 = Import("articles=" + articles + " documents=" + ok + " payments=" + wrongSum +
                                " documents=" + noDate);
    EXPECT_EQ(2, r2.exitCode);
    EXPECT_NE(std::string::npos, r2.err.find("pay.csv, Zeile 2, Spalte \"amount\": Die Zahlungen zu Beleg BO 1/1001 ergeben 9,99, die Positionen 10,00."))
        << r2.err;
    EXPECT_NE(std::string::npos, r2.err.find("nodate.csv, Zeile 1, Spalte \"date\": Pflichtspalte fehlt.")) << r2.err;
    EXPECT_EQ(before, ContentHash());
}

TEST_F(ImportCliTest, SameDocumentsTwiceAreRefusedNotDoubled) {
    fx.Kunde(501, "Müller", "Anna");
    const std::string articles = File("articles.csv", "code;description\nA1;Artikel eins\n");
    const std::string documents = File("docs.csv", "receipt;date;customer;article;quantity;price\n"
                                                   "7;01.03.2024;501;A1;1;10\n7;01.03.2024;501;A1;2;10\n");
    ASSERT_EQ(0, Import("articles=" + articles + " documents=" + documents).exitCode);
    EXPECT_EQ(2, Count("LST"));
    const std::string again = File("docs2.csv", "receipt;date;customer;article;quantity;price\n7;01.03.2024;501;A1;1;10\n");
    const uint64_t before = ContentHash();
    const RunResult r = Import("documents=" + documents + " documents=" + again);
    EXPECT_EQ(2, r.exitCode);
    EXPECT_NE(std::string::npos, r.err.find("Beleg BO 1/7 ist bereits in der Datenbank (doppelter Beleg)")) << r.err;
    EXPECT_EQ(before, ContentHash());
    // The same document in two files of one run is a duplicate, too.
    const std::string other = File("docs3.csv", "receipt;date;customer;article;quantity;price\n8;01.03.2024;501;A1;1;10\n");
    const RunResult r2 = Import("documents=" + other + " documents=" + other);
    EXPECT_EQ(2, r2.exitCode);
    EXPECT_NE(std::string::npos, r2.err.find("kommt schon in einer anderen Datei vor")) << r2.err;
    // A dry run checks and reports, but writes nothing.
    const RunResult dry = Import("--dry-run documents=" + other);
    EXPECT_EQ(0, dry.exitCode) << dry.err;
    EXPECT_NE(std::string::npos, dry.out.find("Probelauf")) << dry.out;
    EXPECT_EQ(before, ContentHash());
}

// A foreign point-of-sale export through a column mapping into a new database.
TEST_F(ImportCliTest, ForeignExportIntoNewDatabase) {
    const std::string mapping = File("map.txt",
                                     "# Kassenexport\n"
                                     "receipt = InvoiceNo\narticle = StockCode\ndescription = Description\n"
                                     "quantity = Quantity\ndate = InvoiceDate\nprice = UnitPrice\n"
                                     "customer = CustomerID   # decimals\n"
                                     "date-format = M/d/yyyy H:mm\ndecimal = .\ncancel-prefix = C\n");
    const std::string sales = File(
        "sales.csv",
        "InvoiceNo,StockCode,Description,Quantity,InvoiceDate,UnitPrice,CustomerID\n"
        "536365,85123A,\"WHITE HANGING HEART, T-LIGHT\",6,12/1/2010 8:26,2.55,17850.0\n"
        "536365,71053,WHITE METAL LANTERN,6,12/1/2010 8:26,3.39,17850.0\n"
        "536366,22633,HAND WARMER,3,12/1/2010 8:28,0.125,\n"
        "C536379,85123A,\"WHITE HANGING HEART, T-LIGHT\",-2,12/9/2010 9:41,2.55,17850.0\n"
        "536380,22633,HAND WARMER,3,12/2/2010 9:41,0.125,14527.0\n"
        "536381,POST,POSTAGE,1,12/2/2010 9:45,0,14527.0\n");
    const fs::path newDb = fx.Dir() / "new.db";
    const std::string target = "--db='" + newDb.string() + "'";

    // Anonymous rows are counted and left out unless a customer is named for them.
    RunResult r = RunTool("kis-import", target + " --create --mandant=Laden --columns=" + mapping + " sales=" + sales);
    ASSERT_EQ(0, r.exitCode) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("1 Zeilen ohne Kundennummer (anonyme Verkäufe), davon 0 eingelesen")) << r.out;
    // 17850: 6 x 2.55 + 6 x 3.39 - 2 x 2.55 = 30.54 (10 pieces);
    // 14527: 3 x 0.125 = 0.375 -> 0.38 (half to even), postage 0.00 (4 pieces).
    EXPECT_EQ("14527/0;Kunde 14527;;0.38;4;0.38;4\n"
              "17850/0;Kunde 17850;;30.54;10;30.54;10\n"
              "0/0;   <alle>   ;;30.92;14;30.92;14\n",
              EvalSums(target));

    // The same file again into another new database, with the anonymous sales.
    const fs::path second = fx.Dir() / "second.db";
    r = RunTool("kis-import", "--db='" + second.string() + "' --create --anonymous=1 --columns=" + mapping + " sales=" + sales);
    ASSERT_EQ(0, r.exitCode) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("davon 1 eingelesen")) << r.out;
    {
        // The cash customer is created as an anonymous one, which evaluations leave out.
        auto other = kis::store::Database::OpenSuite(second.string());
        kis::store::SetSuiteDb(other.get());
        std::string rows;
        ForEach("LFNR", [&](TQEL_DBFile& f) {
            rows += f.Feld("KUNDE").AsPair().ToString() + " " + std::to_string(f.Feld("BELEGRNR").AsInt()) + ";";
        });
        ForEach("GEP", [&](TQEL_DBFile& f) { rows += f.Feld("NAME").AsString() + ";"; });
        kis::store::SetSuiteDb(&fx.Db());
        EXPECT_EQ("1/0 536366;14527/0 536380;14527/0 536381;17850/0 536365;17850/0 536379;"
                  "{Barverkauf};Kunde 14527;Kunde 17850;",
                  rows);
    }

    // Oddities that no rule covers are errors, and --create then leaves no file behind.
    const std::string odd = File("odd.csv",
                                 "InvoiceNo,StockCode,Description,Quantity,InvoiceDate,UnitPrice,CustomerID\n"
                                 "A536370,1,X,1,12/1/2010 8:26,1.00,17850.0\n"
                                 "536371,1,X,1,12/1/2010 8:26,1.00,17850.5\n"
                                 "536372,1,X,1,2010-12-01 08:26,1.00,17850\n"
                                 "536373,1,X,1,12/1/2010 8:26,-1.00,17850\n");
    const fs::path third = fx.Dir() / "third.db";
    r = RunTool("kis-import", "--db='" + third.string() + "' --create --columns=" + mapping + " sales=" + odd);
    EXPECT_EQ(2, r.exitCode);
    for (const char* expected :
         {"Zeile 2, Spalte \"InvoiceNo\": \"A536370\" ist keine Belegnummer",
          "Zeile 3, Spalte \"CustomerID\": \"17850.5\" ist keine Kundennummer",
          "Zeile 4, Spalte \"InvoiceDate\": \"2010-12-01 08:26\" ist kein Datum im Format M/d/yyyy H:mm.",
          "Zeile 5, Spalte \"UnitPrice\": Der Preis ist negativ."})
        EXPECT_NE(std::string::npos, r.err.find(expected)) << expected << "\n" << r.err;
    EXPECT_FALSE(fs::exists(third));
    for (const auto& e : fs::directory_iterator(fx.Dir()))
        EXPECT_EQ(std::string::npos, e.path().filename().string().find("third.db")) << e.path();
    // An existing file is not overwritten by --create.
    r = RunTool("kis-import", target + " --create --columns=" + mapping + " sales=" + sales);
    EXPECT_EQ(2, r.exitCode);
}

}  // namespace
