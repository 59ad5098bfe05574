// kis-eval as a command: refusals of bad input and the CSV of a run.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/partners/gp_merkmal_buchmani.h"
#include "platform/services/form_store.h"
#include "support/suite_fixture.h"

namespace fs = std::filesystem;

namespace {

struct Ergebnis {
    int status = -1;
    std::string out, err;
};

std::string Lesen(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Ergebnis Eval(const fs::path& dir, const std::string& args) {
    const fs::path exe = fs::read_symlink("/proc/self/exe").parent_path() / "kis-eval";
    const fs::path out = dir / "stdout.txt", err = dir / "stderr.txt";
    const std::string cmd = "TMPDIR='" + dir.string() + "' '" + exe.string() + "' " + args +
                            " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(cmd.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Lesen(out), Lesen(err)};
}

class EvalCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        const TIntPair b = fx.Kunde(2, "Becker", "Bernd");
        const TIntPair a = fx.Kunde(1, "Albrecht; Söhne", "Anna");
        kis::test::Pos p;
        p.ist = 12.125;  // half a cent: rounds to the even cent
        fx.Beleg(a, 1, 1, fx.D(2024, 1, 1), {p});
        p.ist = 0.25;
        p.menge = 3;
        fx.Beleg(b, 1, 2, fx.D(2024, 1, 2), {p});
        db = "--db='" + fx.DbPath().string() + "'";
    }
    fs::path Datei(const std::string& name, const std::string& inhalt) {
        const fs::path p = fx.Dir() / name;
        std::ofstream(p) << inhalt;
        return p;
    }

    kis::test::SuiteFixture fx{true};
    std::string db;
};

TEST_F(EvalCliTest, WritesTheCustomerSumsAsCsv) {
    const auto r = Eval(fx.Dir(), db);
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_EQ("KUNDE;NAME;VORNAME;SELUMSATZ;SELMENGE;GESUMSATZ;GESMENGE\n"
              "1/0;\"Albrecht; Söhne\";Anna;12.12;1;12.12;1\n"
              "2/0;Becker;Bernd;0.25;3;0.25;3\n"
              "0/0;   <alle>   ;;12.38;4;12.38;4\n",
              r.out);
    // A second run gives the same output, also into a file.
    const fs::path csv = fx.Dir() / "out.csv";
    const auto r2 = Eval(fx.Dir(), db + " --csv='" + csv.string() + "'");
    ASSERT_EQ(0, r2.status) << r2.err;
    EXPECT_EQ(r.out, Lesen(csv));
    EXPECT_FALSE(fs::exists(fx.Dir() / "out.csv.tmp"));
}

TEST_F(EvalCliTest, FilterFileAndClientCompany) {
    const fs::path f = Datei("f.txt", "# Kunden ab 1,00\nFSelSumWertMin=1,00\n\nGPFilter.Name=Alb\n");
    const auto r = Eval(fx.Dir(), db + " --filter='" + f.string() + "' --mandant=m1");
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("\n1/0;"));
    EXPECT_EQ(std::string::npos, r.out.find("\n2/0;"));
}

TEST_F(EvalCliTest, AmountsTakeCommaOrPointWithTwoDecimals) {
    // Customer 1 bought for 12,125 (kept as 12,12), customer 2 for 0,25.
    for (const char* grenze : {"12,12", "12.12", "12.1", "12"}) {
        const fs::path f = Datei("g.txt", std::string("FSelSumWertMin=") + grenze + "\n");
        const auto r = Eval(fx.Dir(), db + " --filter='" + f.string() + "'");
        ASSERT_EQ(0, r.status) << grenze << ": " << r.err;
        EXPECT_NE(std::string::npos, r.out.find("\n1/0;")) << grenze;
        EXPECT_EQ(std::string::npos, r.out.find("\n2/0;")) << grenze;
    }
}

TEST_F(EvalCliTest, AFailingReadEndsWithStatusOneAndNoCsv) {
    // The sales positions become a view that breaks while it is read (integer overflow).
    fx.Db().Exec("ALTER TABLE LST RENAME TO LST_DATEN");
    fx.Db().Exec("CREATE VIEW LST AS SELECT * FROM LST_DATEN WHERE "
                 "CASE WHEN LNR >= 2 THEN abs(-9223372036854775807 - 1) ELSE 1 END");
    const fs::path csv = fx.Dir() / "nie.csv";
    const auto r = Eval(fx.Dir(), db + " --csv='" + csv.string() + "'");
    EXPECT_EQ(1, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("fehlgeschlagen")) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("DoGet_LST_First")) << r.err;
    EXPECT_FALSE(fs::exists(csv));
    EXPECT_FALSE(fs::exists(fx.Dir() / "nie.csv.tmp"));
}

TEST_F(EvalCliTest, RefusesBadInputBeforeRunning) {
    const fs::path csv = fx.Dir() / "nie.csv";
    const std::string out = " --csv='" + csv.string() + "'";
    struct Fall {
        std::string args;
        std::string meldung;
    };
    const Fall faelle[] = {
        {"", "--db"},
        {"--db='" + (fx.Dir() / "fehlt.db").string() + "'", "existiert nicht"},
        {db + " --filter='" + Datei("u.txt", "FGibtEsNicht=1\n").string() + "'", "FGibtEsNicht"},
        {db + " --filter='" + Datei("w.txt", "FBonSumMin=zehn\n").string() + "'", "zehn"},
        {db + " --filter='" + Datei("v.txt", "FVkFilter=vielleicht\n").string() + "'", "vielleicht"},
        {db + " --filter='" + Datei("z.txt", "FSelSumMengeMin\n").string() + "'", "z.txt:1"},
        {db + " --filter='" + (fx.Dir() / "keine.txt").string() + "'", "keine.txt"},
        {db + " --mandant=Unbekannt", "Unbekannt"},
        {db + " --schnell", "--schnell"},
        // Amounts are read one way only; a point with three decimals could be either.
        {db + " --filter='" + Datei("t.txt", "FSelSumWertMin=10.004\n").string() + "'", "t.txt:1"},
        {db + " --filter='" + Datei("s.txt", "FBonSumMax=1.234,56\n").string() + "'", "s.txt:1"},
        {db + " --filter='" + Datei("r.txt", "FBonSumMax=12,345\n").string() + "'", "r.txt:1"},
    };
    for (const auto& fall : faelle) {
        const auto r = Eval(fx.Dir(), fall.args + out);
        EXPECT_EQ(2, r.status) << fall.args;
        EXPECT_NE(std::string::npos, r.err.find(fall.meldung)) << fall.args << ": " << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(fs::exists(csv)) << fall.args;
    }
}

}  // namespace

// A mask saved in "Selektion und Auswertung": the window keeps the box visibility, each box
// its values, all under the mask slot of customer mode.
TEST_F(EvalCliTest, StoredMaskSelectsThroughTheBoxesItShows) {
    using kis::services::FormStore;
    FormStore({"GPSELADR", "DEU", "SELKNDUM", "0"}).Store("Woche", {{"edtName.Text", "Alb"}});
    FormStore({"MEROVA", "DEU", "SELKNDUM", "0"}).Store("Woche", {{"GPSelAdrBox.Visible", "1"}});
    auto r = Eval(fx.Dir(), db + " --maske=Woche");
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("\n1/0;"));
    EXPECT_EQ(std::string::npos, r.out.find("\n2/0;"));

    // The same mask with the address box hidden selects by nothing.
    FormStore({"MEROVA", "DEU", "SELKNDUM", "0"}).Store("Woche", {{"GPSelAdrBox.Visible", "0"}});
    r = Eval(fx.Dir(), db + " --maske=Woche");
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("\n2/0;"));

    // A negated name keeps everybody else.
    FormStore({"GPSELADR", "DEU", "SELKNDUM", "0"}).Store("Nicht", {{"edtName.Text", "Alb"}, {"lblTxtName.Negated", "1"}});
    FormStore({"MEROVA", "DEU", "SELKNDUM", "0"}).Store("Nicht", {{"VkSelBonBox.Visible", "0"}});
    r = Eval(fx.Dir(), db + " --maske=Nicht");
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_EQ(std::string::npos, r.out.find("\n1/0;"));
    EXPECT_NE(std::string::npos, r.out.find("\n2/0;"));

    // Masks of bonus mode are not masks of this road; a mask and a filter file exclude
    // each other.
    FormStore({"MEROVA", "DEU", "SELBONUS", "0"}).Store("Bonus", {{"GPSelAdrBox.Visible", "1"}});
    const fs::path f = Datei("m.txt", "FBonSumMin=1\n");
    for (const std::string& args : {db + " --maske=Bonus", db + " --maske=", db + " --maske=Woche --filter='" + f.string() + "'"}) {
        const auto e = Eval(fx.Dir(), args);
        EXPECT_EQ(2, e.status) << args;
        EXPECT_TRUE(e.out.empty()) << args;
    }
}

namespace {

// Seven customers with one receipt each: 70,00 for customer 1 down to 10,00 for customer 7.
class EvalABCTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 1; i <= 7; ++i) {
            kunden.push_back(fx.Kunde(i, "Kunde " + std::to_string(i)));
            kis::test::Pos p;
            p.ist = 10.0 * (8 - i);
            fx.Beleg(kunden.back(), 1, i, fx.D(2024, 1, i), {p});
        }
        db = "--db='" + fx.DbPath().string() + "'";
    }
    // The letters of both indicators as the attributes hold them, customers in key order.
    std::string Gebucht(const char* merkmal) {
        std::string s;
        for (const auto& k : kunden) {
            const std::string w = TQEL_GP_GBMERkmal_Buchmani().Wert(k, merkmal);
            s += w.empty() ? "-" : w;
        }
        return s;
    }

    kis::test::SuiteFixture fx{true};
    std::vector<TIntPair> kunden;
    std::string db;
};

TEST_F(EvalABCTest, ClassifiesBooksAndPrintsTheClassesAfterTheSums) {
    // By turnover 20/30 of 280,00: A takes 70 (the limit is 56); B takes 60 and, as 60 is
    // still below its limit 84, 50; C the rest.
    auto r = Eval(fx.Dir(), db + " --abc=umsatz,20,30");
    ASSERT_EQ(0, r.status) << r.err;
    const std::string klassen = "KUNDE;KLASSE\n1/0;A\n2/0;B\n3/0;B\n4/0;C\n5/0;C\n6/0;C\n7/0;C\n";
    ASSERT_GE(r.out.size(), klassen.size());
    EXPECT_EQ(klassen, r.out.substr(r.out.size() - klassen.size()));
    EXPECT_EQ(0u, r.out.find("KUNDE;NAME;"));
    EXPECT_NE(std::string::npos, r.out.find("0/0;   <alle>   ;;280.00;7;"));
    EXPECT_EQ("ABBCCCC", Gebucht("ABC-Kennzeichen (Aktuell)"));

    // By count into the comparison indicator: 7 × 20 % = 1,4 -> 1; 7 × 30 % = 2,1 -> 2.
    r = Eval(fx.Dir(), db + " --abc=anzahl,20,30,vergleich");
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("KUNDE;KLASSE\n1/0;A\n2/0;B\n3/0;B\n4/0;C\n"));
    EXPECT_EQ("ABBCCCC", Gebucht("ABC-Kennzeichen (Vergleich)"));

    // "ohne" prints the classes and books nothing: the current indicator keeps its letters.
    r = Eval(fx.Dir(), db + " --abc=anzahl,50,50,ohne");
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("KUNDE;KLASSE\n1/0;A\n2/0;A\n3/0;A\n4/0;A\n5/0;B\n"));
    EXPECT_EQ("ABBCCCC", Gebucht("ABC-Kennzeichen (Aktuell)"));

    // Into a file: the classes follow the sums there.
    const fs::path csv = fx.Dir() / "abc.csv";
    r = Eval(fx.Dir(), db + " --abc=umsatz,20,30,ohne --csv='" + csv.string() + "'");
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_TRUE(r.out.empty());
    const std::string inhalt = Lesen(csv);
    EXPECT_EQ(klassen, inhalt.substr(inhalt.size() - klassen.size()));
}

TEST_F(EvalABCTest, RefusesBadChoicesBeforeRunning) {
    for (const std::string& abc : {"prozent,20,30", "umsatz,70,50", "umsatz,20", "umsatz,20,30,immer",
                                   "umsatz,-5,30", "umsatz,2x,30", "umsatz,20,30,ohne,x", "umsatz,101,0", ""}) {
        const auto r = Eval(fx.Dir(), db + " --abc=" + abc);
        EXPECT_EQ(2, r.status) << abc;
        EXPECT_TRUE(r.out.empty()) << abc;
        EXPECT_NE(std::string::npos, r.err.find("kis-eval: ")) << abc;
    }
    EXPECT_EQ("-------", Gebucht("ABC-Kennzeichen (Aktuell)"));
}

}  // namespace
