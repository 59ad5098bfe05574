// The program started unattended (-ABG) without a display: every start ends by itself with a
// status and one line saying why, on stderr and in kis.log.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/bonus/beta_programm.h"
#include "platform/services/orv_utils.h"
#include "support/suite_fixture.h"

namespace fs = std::filesystem;

namespace {

struct Ergebnis {
    int status = -1;
    std::string err;
};

std::string Lesen(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class UnattendedTest : public ::testing::Test {
protected:
    // Starts kis with no display at all; `timeout` kills it after 60 s (status 124).
    void SetUp() override {
        exe = fs::read_symlink("/proc/self/exe").parent_path() / "kis";
        if (!fs::exists(exe)) GTEST_SKIP() << "built without the program's windows";
    }
    Ergebnis Kis(const std::string& args) {
        const fs::path err = fx.Dir() / "stderr.txt";
        const std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TMPDIR='" +
                                fx.Dir().string() + "' timeout 60 '" + exe.string() + "' --db='" +
                                fx.DbPath().string() + "' " + args + " >/dev/null 2>'" +
                                err.string() + "'";
        const int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Lesen(err)};
    }
    // A turnover premium with its calculation rule, as the programme editor stores it.
    void Programm(const std::string& name) {
        TBetaSatz regel;
        regel.Typ = "GRUNDTAB";
        regel.Name = "Drei Prozent";
        regel.WertArt = "P";
        regel.Laenge = 1;
        regel.Inhalt = {"9999999,99=3,00"};
        TBetaStore::Speichern(regel, nullptr);
        TBetaSatz p;
        p.Typ = "BONUSUMSA";
        p.Name = name;
        p.Basis = "0";
        p.Storno = "0";
        p.Inhalt = {"Drei Prozent"};
        const std::vector<std::string> selektion;
        TBetaStore::Speichern(p, &selektion);
    }

    kis::test::SuiteFixture fx{true};
    fs::path exe;
};

TEST_F(UnattendedTest, EveryMissingPieceEndsTheStartWithAStatusAndALine) {
    Programm("Sommer");
    struct Fall {
        std::string args;
        int status;
        std::string meldung;
    };
    const Fall faelle[] = {
        {"-ABG", 2, "PROG="},
        {"-ABG \"-PROG=Bonusprogramm - Umsatzprämie\"", 2, "KUND="},
        {"-ABG \"-PROG=Bonusprogramm - Umsatzprämie\" -KUND=Winter", 2, "nicht gespeichert"},
        {"-ABG \"-PROG=Bonusprogramm - Prämienpass\" -KUND=Sommer", 2, "nicht gespeichert"},

    };
    for (const Fall& f : faelle) {
        const Ergebnis r = Kis(f.args);
        EXPECT_EQ(f.status, r.status) << f.args << ": " << r.err;
        EXPECT_NE(std::string::npos, r.err.find("kis -ABG: ")) << f.args << ": " << r.err;
        EXPECT_NE(std::string::npos, r.err.find(f.meldung)) << f.args << ": " << r.err;
    }
    // A rule whose rows disagree with its stored length would give every customer 0.
    TBetaSatz kaputt = *TBetaStore::Lesen("GRUNDTAB", "Drei Prozent");
    kaputt.Laenge = 2;
    TBetaStore::Speichern(kaputt, nullptr);
    const Ergebnis r = Kis("-ABG \"-PROG=Bonusprogramm - Umsatzprämie\" -KUND=Sommer");
    EXPECT_EQ(2, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("keine gültige Staffel")) << r.err;
    // The log beside the database tells the same.
    const std::string log = Lesen(fx.Dir() / "kis.log");
    EXPECT_NE(std::string::npos, log.find("Winter")) << log;

}

TEST_F(UnattendedTest, AWholeRunEvaluatesGeneratesBooksAndEndsWithZero) {
    Programm("Sommer");
    // 3 % of 100,00 and of 50,00: two customers get 3,00 and 1,50.
    const TIntPair a = fx.Kunde(1, "Albrecht", "Anna");
    const TIntPair b = fx.Kunde(2, "Becker", "Bernd");
    kis::test::Pos p;
    p.ist = 100.00;
    // Sales of today, whatever period the programme's empty selection starts with.
    fx.Beleg(a, 1, 1, orv_Date(), {p});
    p.ist = 50.00;
    fx.Beleg(b, 1, 2, orv_Date(), {p});
    const std::string args = "-ABG \"-PROG=Bonusprogramm - Umsatzprämie\" -KUND=Sommer";
    const Ergebnis r = Kis(args);
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("abgeschlossen")) << r.err;
    // The log reports the success as a message, not as an error.
    const std::string log = Lesen(fx.Dir() / "kis.log");
    EXPECT_NE(std::string::npos, log.find("Meldung kis -ABG: ")) << log;
    EXPECT_EQ(std::string::npos, log.find("Fehler kis -ABG")) << log;
    auto& s = fx.Db().Cached("SELECT COUNT(*), ROUND(TOTAL(WERT) * 100) FROM BONUS");
    ASSERT_TRUE(s.Step());
    EXPECT_EQ(2, s.ColumnInt(0));
    EXPECT_EQ(450, s.ColumnInt(1));
    s.Reset();
    // Both sales are settled now: a second run books nothing new and still ends with 0.
    const Ergebnis r2 = Kis(args);
    ASSERT_EQ(0, r2.status) << r2.err;
    auto& t = fx.Db().Cached("SELECT COUNT(*) FROM BONUS");
    ASSERT_TRUE(t.Step());
    EXPECT_EQ(2, t.ColumnInt(0));
    t.Reset();
}

TEST_F(UnattendedTest, AWorkstationThatMayNotGenerateEndsAtOnce) {
    Programm("Sommer");
    fx.Row("EINSTELLUNG", {{"MASKE", std::string("SYSTEM")}, {"NAME", std::string("RTYP")},
                           {"WERT", std::string("2")}});
    const Ergebnis r = Kis("-ABG \"-PROG=Bonusprogramm - Umsatzprämie\" -KUND=Sommer");
    EXPECT_EQ(2, r.status) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("Typ 2")) << r.err;
}

}  // namespace
