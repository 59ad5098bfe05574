#include "platform/services/orv_program.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/services/settings.h"
#include "services_fixture.h"

using kis::services::testing::ServicesTest;
using kis::services::testing::SuiteDbTest;

namespace {
class ProgramDbTest : public SuiteDbTest {
protected:
    void AddMandant(TIntPair nr, const std::string& bez, const std::string& name, const std::string& waehrung) {
        db_->Cached("INSERT INTO MANDANT (NR_L, NR_R, BEZEICHNUNG, NAME, WAEHRUNG, LAND) VALUES (?, ?, ?, ?, ?, 'D')")
            .Bind(1, nr.Lnr)
            .Bind(2, nr.Rnr)
            .Bind(3, bez)
            .Bind(4, name)
            .Bind(5, waehrung)
            .Run();
    }
};
}  // namespace

using ProgramTest = ServicesTest;

TEST_F(ProgramTest, ProcessIdIsZeroPaddedDecimal) {
    const std::string id = ORVProgramm().ProzessIdFormated();
    EXPECT_GE(id.size(), 8u);
    EXPECT_EQ(std::stol(id), long(::getpid()));
    EXPECT_EQ(id.find_first_not_of("0123456789"), std::string::npos);
}

TEST_F(ProgramTest, WithoutDatabaseEverythingHasItsDefault) {
    ASSERT_FALSE(kis::store::HasSuiteDb());
    EXPECT_EQ(ORVProgramm().MandantErster(), TIntPair());
    EXPECT_FALSE(ORVProgramm().MandantByBezeichnung("ZENTRALE"));
    ORVProgramm().SetAktMandant({1, 0});
    EXPECT_EQ(ORVProgramm().GetAktMandant(), TIntPair(1, 0));
    EXPECT_EQ(ORVProgramm().GetTextMandant(), "");
    EXPECT_EQ(ORVProgramm().GetWaehrung(), "EUR");
    EXPECT_EQ(ORVProgramm().GetRTyp(), 1);
    EXPECT_EQ(ORVProgramm().GetRId(), 1);
    EXPECT_EQ(ORVProgramm().GetLand(), "D");
    EXPECT_EQ(ORVProgramm().GetKundenkennung(), "");
    EXPECT_TRUE(ORVInfo().Entries().empty());
}

TEST_F(ProgramDbTest, FirstClientCompanyByKey) {
    EXPECT_EQ(ORVProgramm().MandantErster(), TIntPair());
    AddMandant({2, 0}, "FILIALE NORD", "Modehaus Nord GmbH", "CHF");
    AddMandant({1, 5}, "ZENTRALE", "Modehaus Zentrale", "");
    AddMandant({1, 7}, "LAGER", "", "EUR");
    EXPECT_EQ(ORVProgramm().MandantErster(), TIntPair(1, 5));
}

TEST_F(ProgramDbTest, NameAndCurrencyOfTheCurrentClientCompany) {
    AddMandant({1, 0}, "ZENTRALE", "Modehaus Zentrale", "");
    AddMandant({2, 0}, "FILIALE NORD", "Modehaus Nord GmbH", " CHF ");
    AddMandant({3, 0}, "LAGER", "  ", "EUR");

    ORVProgramm().SetAktMandant({1, 0});
    EXPECT_EQ(ORVProgramm().GetTextMandant(), "Modehaus Zentrale");
    EXPECT_EQ(ORVProgramm().GetWaehrung(), "EUR") << "no currency stored";
    ORVProgramm().SetAktMandant({2, 0});
    EXPECT_EQ(ORVProgramm().GetTextMandant(), "Modehaus Nord GmbH");
    EXPECT_EQ(ORVProgramm().GetWaehrung(), "CHF");
    ORVProgramm().SetAktMandant({3, 0});
    EXPECT_EQ(ORVProgramm().GetTextMandant(), "LAGER") << "designation when the name is empty";
    ORVProgramm().SetAktMandant({9, 9});
    EXPECT_EQ(ORVProgramm().GetTextMandant(), "");
    EXPECT_EQ(ORVProgramm().GetWaehrung(), "EUR");
}

TEST_F(ProgramDbTest, ClientCompanyByDesignation) {
    AddMandant({1, 0}, "ZENTRALE", "Modehaus Zentrale", "");
    AddMandant({2, 0}, "Filiale Nord", "Modehaus Nord GmbH", "");
    AddMandant({4, 0}, "Düsseldorf", "", "");
    EXPECT_EQ(ORVProgramm().MandantByBezeichnung("ZENTRALE"), TIntPair(1, 0));
    EXPECT_EQ(ORVProgramm().MandantByBezeichnung(" zentrale "), TIntPair(1, 0));
    EXPECT_EQ(ORVProgramm().MandantByBezeichnung("FILIALE NORD"), TIntPair(2, 0));
    EXPECT_EQ(ORVProgramm().MandantByBezeichnung("DÜSSELDORF"), TIntPair(4, 0));
    EXPECT_FALSE(ORVProgramm().MandantByBezeichnung("UNBEKANNT"));
    EXPECT_FALSE(ORVProgramm().MandantByBezeichnung(""));
}

TEST_F(ProgramDbTest, WorkstationSettingsComeFromTheSystemMask) {
    EXPECT_EQ(ORVProgramm().GetRTyp(), 1);
    EXPECT_EQ(ORVProgramm().GetLand(), "D");
    ASSERT_TRUE(kis::services::WriteGlobal("SYSTEM", "RTYP", 4));
    ASSERT_TRUE(kis::services::WriteGlobal("SYSTEM", "RID", "12"));
    ASSERT_TRUE(kis::services::WriteGlobal("SYSTEM", "KUNDENKENNUNG", "INSTCC00"));
    ASSERT_TRUE(kis::services::WriteGlobal("SYSTEM", "LAND", "CH"));
    EXPECT_EQ(ORVProgramm().GetRTyp(), 1) << "read once per run";
    ORVProgramm().ReloadSettings();
    EXPECT_EQ(ORVProgramm().GetRTyp(), 4);
    EXPECT_EQ(ORVProgramm().GetRId(), 12);
    EXPECT_EQ(ORVProgramm().GetKundenkennung(), "INSTCC00");
    EXPECT_EQ(ORVProgramm().GetLand(), "CH");

    // A value set by the program holds until the settings are read again.
    ORVProgramm().SetLand("A");
    EXPECT_EQ(ORVProgramm().GetLand(), "A");
    ORVProgramm().ReloadSettings();
    EXPECT_EQ(ORVProgramm().GetLand(), "CH");

    ASSERT_TRUE(kis::services::WriteGlobal("SYSTEM", "RTYP", "sieben"));
    ORVProgramm().ReloadSettings();
    EXPECT_EQ(ORVProgramm().GetRTyp(), 1) << "unreadable value gives the default";
}
