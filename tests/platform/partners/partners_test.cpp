#include <gtest/gtest.h>

#include "platform/domain_db.h"
#include "platform/partners/gp_data.h"
#include "platform/partners/gp_merkmale.h"
#include "platform/partners/gp_selektion.h"
#include "platform/store/booking.h"

namespace {
// Four customers: 1 Meier (active, advertising), 2 Müller (passive), 3 "50%" search name,
// 4 Schmidt with attributes and numbers.
struct PartnerDb : DomainDb {
    PartnerDb() {
        Sql("INSERT INTO GEP (GEPNR_L, GEPNR_R, NAME, NAME2, VORNAME, SUCHNAME, PLZ, ORT, STATUS, "
            "WERBUNG, KUNDENGRUPPE, EMAIL, GEBURTSTAG) VALUES "
            "(1, 0, 'Meier', '', 'Anna', 'MEIER', '10115', 'Berlin', 'A', 1, 3, 'a@x.de', 45000), "
            "(2, 0, 'Müller', 'GmbH', 'Bernd', 'MUELLER', '80331', 'München', 'P', 0, 5, '', 0), "
            "(3, 0, 'Prozent', '', '', '50%RABATT', '20095', 'Hamburg', 'A', 0, 5, '', 0), "
            "(4, 0, 'Schmidt', '', 'Carla', '500ER', '50667', 'Köln', 'A', 1, 7, '', 0)");
        Sql("INSERT INTO MERKMALDEF (NAME) VALUES ('ABC-Kennzeichen (Aktuell)'), ('Hobby')");
        Sql("INSERT INTO GPMERKMAL (GEPNR_L, GEPNR_R, MERKMAL, WERT) VALUES "
            "(4, 0, 'ABC-Kennzeichen (Aktuell)', 'A'), (4, 0, 'Hobby', 'Tennis'), "
            "(1, 0, 'ABC-Kennzeichen (Aktuell)', 'C'), (1, 0, 'Umsatzklasse', '12')");
        Sql("INSERT INTO GPNUMMER (GEPNR_L, GEPNR_R, ART, NUMMER) VALUES "
            "(4, 0, 'Kundenkarte', '4711'), (4, 0, 'Kundenkarte', '4712'), (1, 0, 'Telefax', '030')");
    }
};

std::vector<int> Selected(const TGpSelektFilter& f) {
    TGpSelektion s;
    s.Init();
    s.SetFilter(f);
    s.BestenSchluesselWaehlen();
    std::vector<int> out;
    for (int k = 1; k <= 5; ++k)
        if (s.SelektionCheck({k, 0})) out.push_back(k);
    s.End();
    return out;
}
using V = std::vector<int>;
}  // namespace

TEST(GpData, LookupNamesAndStatusBooking) {
    PartnerDb d;
    TGpData* g = GlobGpData_GetInstance();
    TGpSatz s;
    ASSERT_TRUE(g->Get({2, 0}, s));
    EXPECT_EQ(s.Vorname, "Bernd");
    EXPECT_EQ(g->AnzeigeName({2, 0}), "Müller GmbH Bernd");
    EXPECT_EQ(g->AnzeigeName({9, 0}), "");
    EXPECT_FALSE(g->GetMitStatus({2, 0}, "A", s));
    ASSERT_TRUE(g->SetStatus({1, 0}, "P"));
    EXPECT_TRUE(g->GetMitStatus({1, 0}, "P", s));
    EXPECT_FALSE(g->SetStatus({9, 0}, "P"));
    // Inside a booking that is rolled back, the change is gone with it.
    {
        auto& b = kis::store::ORVBuchung();
        b.Begin(55, {4, 0});
        g->SetStatus({4, 0}, "P");
        b.Abort();
    }
    g->Close();
    ASSERT_TRUE(g->Get({4, 0}, s));
    EXPECT_EQ(s.Status, "A");
    GlobGpData_ReleaseInstance();
}

TEST(GpSelektion, TextCriteriaWithWildcardsNegationAndUmlauts) {
    PartnerDb d;
    TGpSelektFilter f;
    EXPECT_EQ(Selected(f), (V{1, 2, 3, 4}));  // customer 5 does not exist
    f.Name.Wert = "m";  // prefix, case ignored
    EXPECT_EQ(Selected(f), (V{1, 2}));
    f.Name.Wert = "MÜ*R";  // case ignored also for umlauts
    EXPECT_EQ(Selected(f), (V{2}));
    f.Name.Negiert = true;
    EXPECT_EQ(Selected(f), (V{1, 3, 4}));
    f.Clear();
    f.Ort.Wert = "K?ln";
    EXPECT_EQ(Selected(f), (V{4}));
}

TEST(GpSelektion, ExtendedCriteriaAndRanges) {
    PartnerDb d;
    TGpSelektFilter f;
    f.Status = 0;
    EXPECT_EQ(Selected(f), (V{1, 3, 4}));
    f.Status = 1;
    EXPECT_EQ(Selected(f), (V{2}));
    f.Clear();
    f.Werbung = 1;
    EXPECT_EQ(Selected(f), (V{1, 4}));
    f.Werbung = -1;
    f.MitEmail = 1;
    EXPECT_EQ(Selected(f), (V{1}));
    f.Clear();
    f.KundengruppeVon = 5;
    EXPECT_EQ(Selected(f), (V{2, 3, 4}));
    f.KundengruppeBis = 5;
    f.KundengruppeNeg = true;
    EXPECT_EQ(Selected(f), (V{1, 4}));
    f.Clear();
    f.PlzVon = "2";
    f.PlzBis = "5";  // upper bound as prefix: 50667 is inside
    EXPECT_EQ(Selected(f), (V{3, 4}));
    f.Clear();
    f.Bereiche.push_back({"Ort", "B", "H", false});
    EXPECT_EQ(Selected(f), (V{1, 3}));
    f.Bereiche = {{"Unbekannt", "1", "2", false}};  // unknown kind: nobody, never everybody
    EXPECT_EQ(Selected(f), (V{}));
    f.Bereiche = {{"Kundennummer", "x", "", false}};
    EXPECT_EQ(Selected(f), (V{}));
}

TEST(GpSelektion, AttributesAndNumbers) {
    PartnerDb d;
    TGpSelektFilter f;
    ASSERT_TRUE(f.AddMerkmalLine("abc-kennzeichen (aktuell) = a"));
    EXPECT_FALSE(f.AddMerkmalLine("ohne Gleichheitszeichen"));
    {
        TGpSelektion s;
        s.SetFilter(f);
        EXPECT_EQ(s.BestenSchluesselWaehlen(), TGpSchluessel::Merkmal);
    }
    EXPECT_EQ(Selected(f), (V{4}));
    f.Merkmale = {{"Hobby", "<leer>"}};
    EXPECT_EQ(Selected(f), (V{1, 2, 3}));
    f.Merkmale = {{"Hobby", "<gefüllt>"}, {"Unused", ""}};  // an empty value is no criterion
    EXPECT_EQ(Selected(f), (V{4}));
    f.Merkmale = {{"Umsatzklasse", ">=9"}};  // numeric, not text order
    EXPECT_EQ(Selected(f), (V{1}));
    f.Merkmale = {{"ABC-Kennzeichen (Aktuell)", "!A"}};
    EXPECT_EQ(Selected(f), (V{1, 2, 3}));
    f.Merkmale.clear();
    f.Nummern = {{"Kundenkarte", "4712"}};  // any of several numbers of the kind
    EXPECT_EQ(Selected(f), (V{4}));
    f.Nummern = {{"Kundenkarte", "47*"}, {"Telefax", "<leer>"}};
    EXPECT_EQ(Selected(f), (V{4}));
}

TEST(GpSelektion, NameSearchEscapesDatabaseWildcardsAndStops) {
    PartnerDb d;
    EXPECT_EQ(TGpSelektion::SuchnameKeys("50%").size(), 1u);  // not "500ER"
    EXPECT_EQ(TGpSelektion::SuchnameKeys("5_0").size(), 0u);
    EXPECT_EQ(TGpSelektion::SuchnameKeys("m*er").size(), 2u);  // MEIER, MUELLER
    TGpSelektFilter f;
    f.NameSuche = true;
    f.SuchText = "mue";
    EXPECT_EQ(Selected(f), (V{2}));
    f.NameSucheAusschliessen = true;
    EXPECT_EQ(Selected(f), (V{1, 3, 4}));

    TGpSelektion s;
    s.Init();
    s.BestenSchluesselWaehlen();
    EXPECT_TRUE(s.SelektionCheck({2, 0}));
    EXPECT_EQ(s.Name2(), "GmbH");
    s.SetStop(true);
    EXPECT_FALSE(s.SelektionCheck({1, 0}));
}

TEST(GpMerkmale, DefinitionsValuesAndNumbers) {
    PartnerDb d;
    EXPECT_EQ(TGpMerkmale::Definitionen(), (std::vector<std::string>{"ABC-Kennzeichen (Aktuell)", "Hobby"}));
    EXPECT_TRUE(TGpMerkmale::DefinitionExists("Hobby"));
    EXPECT_EQ(TGpMerkmale::Wert({4, 0}, "Hobby"), "Tennis");
    EXPECT_EQ(TGpMerkmale::Wert({1, 0}, "Hobby"), "");
    EXPECT_EQ(TGpMerkmale::Nummern({4, 0}).size(), 2u);
}

TEST(GpSelektion, BirthdayOverTheTurnOfTheYearAndCreationDate) {
    DomainDb d;
    using kis::date::EncodeDate;
    auto add = [&](int nr, TDateTime geb, TDateTime anlage) {
        d.Sql("INSERT INTO GEP (GEPNR_L, GEPNR_R, NAME, GEBURTSTAG, ANLAGEDATUM) VALUES (" +
              std::to_string(nr) + ", 0, 'K', " + std::to_string(geb) + ", " +
              std::to_string(anlage) + ")");
    };
    add(1, EncodeDate(1980, 12, 20), EncodeDate(2023, 5, 1));
    add(2, EncodeDate(1990, 1, 3), EncodeDate(2024, 2, 10));
    add(3, EncodeDate(1975, 6, 1), EncodeDate(2024, 12, 31));
    add(4, 0, EncodeDate(2025, 1, 1));  // no birthday known
    TGpSelektFilter f;
    f.Bereiche = {{"Geburtstag", "15.12", "0501", false}};
    EXPECT_EQ(Selected(f), (V{1, 2}));
    f.Bereiche[0].Negiert = true;
    EXPECT_EQ(Selected(f), (V{3, 4}));
    f.Bereiche = {{"Anlagedatum", "    2024", "", false}};  // from the start of 2024
    EXPECT_EQ(Selected(f), (V{2, 3, 4}));
    f.Bereiche = {{"Anlagedatum", "", "  122024", false}};  // up to the end of December
    EXPECT_EQ(Selected(f), (V{1, 2, 3}));
}

TEST(GpSelektFilter, ActivityAndAssign) {
    TGpSelektFilter f;
    EXPECT_FALSE(f.IsActive());
    f.Name.Negiert = true;  // a negation alone is no criterion
    f.Merkmale = {{"Hobby", ""}};
    f.NameSuche = true;  // a search without text neither
    EXPECT_FALSE(f.IsActive());
    f.Status = 0;
    EXPECT_TRUE(f.IsActive());
    TGpSelektFilter g;
    g.Assign(f);
    EXPECT_EQ(g.Status, 0);
    EXPECT_EQ(g.Merkmale.size(), 1u);
    g.Clear();
    EXPECT_FALSE(g.IsActive());
    EXPECT_TRUE(g.Merkmale.empty());
}
