#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/domain_db.h"

namespace {

TBetaSatz Pass(const std::string& name, std::vector<std::string> inhalt) {
    TBetaSatz s;
    s.Typ = "BONUSPASS";
    s.Name = name;
    s.Laenge = int(inhalt.size());
    s.Basis = "1";
    s.Storno = "0";
    s.Konto = "1741";
    s.Inhalt = std::move(inhalt);
    return s;
}

int Anzahl(DomainDb& d, const std::string& where) {
    auto& st = d.db->Cached("SELECT COUNT(*) FROM BETA WHERE " + where);
    st.Step();
    const int n = int(st.ColumnInt(0));
    st.Reset();
    return n;
}

struct HookReset {
    ~HookReset() { TBetaStore::NachSatzGeschrieben = nullptr; }
};

}  // namespace

TEST(BetaStore, SaveWritesMainAndSelectionRecordAndUpdatesInPlace) {
    DomainDb d;
    const std::vector<std::string> sel{"VkSelBonBox.edtDatumVon=01012026"};
    TBetaStore::Speichern(Pass("Stempel", {"R1", "R2"}), &sel);
    auto haupt = TBetaStore::Lesen("BONUSPASS", "Stempel");
    ASSERT_TRUE(haupt);
    EXPECT_EQ(haupt->Eigen, "J");
    EXPECT_EQ(haupt->Laenge, 2);
    EXPECT_EQ(haupt->Inhalt, (std::vector<std::string>{"R1", "R2"}));
    EXPECT_EQ(haupt->Konto, "1741");
    EXPECT_GT(haupt->Anlage, 0);
    EXPECT_EQ(TBonusRechner::Fuelle_Selektion("BONUSPASS", "Stempel"), sel);

    // A second save updates both records; no second selection record appears.
    d.Sql("UPDATE BETA SET ANLAGE = 1 WHERE NAME = 'Stempel'");
    const std::vector<std::string> sel2{"GPSelAdrBox.edtPLZVon=10000"};
    TBetaStore::Speichern(Pass("Stempel", {"R3"}), &sel2);
    haupt = TBetaStore::Lesen("BONUSPASS", "Stempel");
    EXPECT_EQ(haupt->Inhalt, (std::vector<std::string>{"R3"}));
    EXPECT_EQ(haupt->Anlage, 1);  // creation date kept
    EXPECT_EQ(TBonusRechner::Fuelle_Selektion("BONUSPASS", "Stempel"), sel2);
    EXPECT_EQ(Anzahl(d, "NAME = 'Stempel'"), 2);
    EXPECT_TRUE(TBetaStore::ProgrammExistiert("BONUSPASS", "Stempel"));
    EXPECT_FALSE(TBetaStore::ProgrammExistiert("BONUSUMSA", "Stempel"));
    EXPECT_FALSE(TBetaStore::ProgrammExistiert("BONUSPASS", ""));
}

TEST(BetaStore, FailingSaveLeavesTheStoredProgrammeUnchanged) {
    DomainDb d;
    HookReset reset;
    const std::vector<std::string> alt{"GPSelNrBox.edtNrVon=1"};
    TBetaStore::Speichern(Pass("Stempel", {"R1"}), &alt);
    const std::vector<std::string> neu{"GPSelNrBox.edtNrVon=99"};
    for (int scheitertBei : {0, 1}) {
        TBetaStore::NachSatzGeschrieben = [scheitertBei](int nr) {
            if (nr == scheitertBei) throw std::runtime_error("Platte voll");
        };
        EXPECT_THROW(TBetaStore::Speichern(Pass("Stempel", {"X", "Y"}), &neu), std::runtime_error);
        EXPECT_EQ(TBetaStore::Lesen("BONUSPASS", "Stempel")->Inhalt, (std::vector<std::string>{"R1"}));
        EXPECT_EQ(TBonusRechner::Fuelle_Selektion("BONUSPASS", "Stempel"), alt);
        // A new programme failing half way leaves nothing behind.
        EXPECT_THROW(TBetaStore::Speichern(Pass("Neu", {"X"}), &neu), std::runtime_error);
        EXPECT_EQ(Anzahl(d, "NAME = 'Neu'"), 0);
    }
    EXPECT_FALSE(d.db->InTransaction());
}

TEST(BetaStore, DeleteRemovesSelectionToSoALaterProgrammeStartsEmpty) {
    DomainDb d;
    const std::vector<std::string> sel{"GPSelNrBox.edtNrVon=1"};
    TBetaStore::Speichern(Pass("Stempel", {"R1"}), &sel);
    EXPECT_TRUE(TBetaStore::Loeschen("BONUSPASS", "Stempel"));
    EXPECT_EQ(Anzahl(d, "NAME = 'Stempel'"), 0);
    EXPECT_FALSE(TBetaStore::Loeschen("BONUSPASS", "Stempel"));
    EXPECT_TRUE(TBonusRechner::Fuelle_Selektion("BONUSPASS", "Stempel").empty());
}

TEST(BetaStore, NamesInGermanOrderAndProgrammesUsingARule) {
    DomainDb d;
    for (const char* n : {"Zebra", "Ärger", "Apfel"}) {
        TBetaSatz r;
        r.Typ = "GRUNDTAB";
        r.Name = n;
        TBetaStore::Speichern(r, nullptr);
    }
    EXPECT_EQ(TBetaStore::Namen("GRUNDTAB"), (std::vector<std::string>{"Apfel", "Ärger", "Zebra"}));
    TBetaStore::Speichern(Pass("Stempel", {"Apfel", "Zebra"}), nullptr);
    TBetaSatz umzr;
    umzr.Typ = "BONUSUMZR";
    umzr.Name = "Quartal";
    umzr.Inhalt = {"ZEITRAUM=3", "REGEL=Zebra"};
    TBetaStore::Speichern(umzr, nullptr);
    EXPECT_EQ(TBetaStore::ProgrammeMitRegel("Zebra").size(), 2u);
    EXPECT_EQ(TBetaStore::ProgrammeMitRegel("Apfel"),
              (std::vector<std::string>{"Bonusprogramm - Prämienpass: Stempel"}));
    EXPECT_TRUE(TBetaStore::ProgrammeMitRegel("Ärger").empty());
}

TEST(BetaStore, ProgrammeNamingMissingRulesAreRefusedForGeneration) {
    DomainDb d;
    TBetaSatz regel;
    regel.Typ = "GRUNDTAB";
    regel.Name = "R0";  // no rows: every bonus would be 0
    TBetaStore::Speichern(regel, nullptr);
    regel.Name = "R1";
    regel.Laenge = 1;
    regel.Inhalt = {"9999999,99=1,00"};
    TBetaStore::Speichern(regel, nullptr);
    TBetaStore::Speichern(Pass("Gut", {"R1", "R1"}), nullptr);
    TBetaStore::Speichern(Pass("Ohne", {"R1", "R0"}), nullptr);
    TBetaStore::Speichern(Pass("Fehlt", {"R1", "R9"}), nullptr);
    TBetaStore::Speichern(Pass("Leer", {"R1", ""}), nullptr);
    TBetaSatz umzr;
    umzr.Typ = "BONUSUMZR";
    umzr.Name = "Q";
    umzr.Inhalt = {"ZEITRAUM=1", "REGEL=R1"};
    TBetaStore::Speichern(umzr, nullptr);
    umzr.Name = "Q2";
    umzr.Inhalt = {"ZEITRAUM=1"};
    TBetaStore::Speichern(umzr, nullptr);
    EXPECT_EQ(TBetaStore::ProgrammPruefen("BONUSPASS", "Gut"), "");
    EXPECT_EQ(TBetaStore::ProgrammPruefen("BONUSUMZR", "Q"), "");
    for (const auto& [typ, name] : std::vector<std::pair<std::string, std::string>>{
             {"BONUSPASS", "Fehlt"}, {"BONUSPASS", "Leer"}, {"BONUSPASS", "Ohne"}, {"BONUSUMZR", "Q2"}, {"BONUSPASS", "Nie"}, {"GRUNDTAB", "R1"}})
        EXPECT_NE(TBetaStore::ProgrammPruefen(typ, name), "") << name;
}
