#include <gtest/gtest.h>

#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/record_files.h"
#include "platform/store/store_error.h"
#include "support/suite_fixture.h"

using namespace kis::store;

namespace {

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_ = Database::OpenMemory();
        SetSuiteDb(db_.get());
    }
    void TearDown() override { SetSuiteDb(nullptr); }

    void AddPartner(int nr, const std::string& name, const std::string& vorname = "") {
        TGepFile gep;
        gep.OpenNew();
        gep.ClearRecord();
        gep.Feld("GEPNR").SetWert(TIntPair(nr, 0));
        gep.Feld("NAME").SetWert(name);
        gep.Feld("VORNAME").SetWert(vorname);
        BookingScope booking(0);
        gep.Insert();
        booking.Commit();
    }

    std::vector<std::string> Names(TGepFile& gep) {
        std::vector<std::string> out;
        for (bool ok = gep.Get_ge(); ok; ok = gep.Next()) out.push_back(gep.Feld("NAME").AsString());
        return out;
    }

    std::unique_ptr<Database> db_;
};

TEST_F(RecordFileTest, NameIndexSortsTheGermanWayAndGetGePositions) {
    for (auto [nr, name] : std::vector<std::pair<int, std::string>>{
             {1, "Zander"}, {2, "Ärmel"}, {3, "Adam"}, {4, "Öztürk"}, {5, "Ofen"},
             {6, "Strauß"}, {7, "Strausberg"}, {8, "apfel"}})
        AddPartner(nr, name);
    TGepFile gep;
    gep.OpenOut();
    gep.SelectIndex("NAME");
    EXPECT_EQ(Names(gep), (std::vector<std::string>{"Adam", "apfel", "Ärmel", "Ofen", "Öztürk",
                                                    "Strausberg", "Strauß", "Zander"}));
    gep.Feld("NAME").SetKeyWert(std::string("O"));
    ASSERT_TRUE(gep.Get_ge());
    EXPECT_EQ(gep.Feld("NAME").AsString(), "Ofen");
    gep.Feld("NAME").SetKeyWert(std::string("Zz"));
    EXPECT_FALSE(gep.Get_ge());
    EXPECT_FALSE(gep.Current());
}

TEST_F(RecordFileTest, FiltersBoundsCaseWildcardsAndValueLists) {
    AddPartner(1, "Müller", "Anna");
    AddPartner(2, "MÜLLERS", "Bernd");
    AddPartner(3, "Meier", "Carla");
    AddPartner(4, "Mü*ller", "Dora");
    TGepFile gep;
    gep.OpenOut();
    gep.SelectIndex("GEPNR");

    gep.Feld("GEPNR").SetFilterMinMax(TIntPair(2, 0), TIntPair(3, 0));
    EXPECT_EQ(gep.GetCount(), 2);
    EXPECT_EQ(Names(gep), (std::vector<std::string>{"MÜLLERS", "Meier"}));

    gep.ClearKeysAndFilters();
    auto& name = gep.Feld("NAME");
    name.SetFilter("müller*");
    name.SetFilterCaseInsensitive(true);
    name.SetFilterWildcards(true);
    EXPECT_EQ(Names(gep), (std::vector<std::string>{"Müller", "MÜLLERS"}));

    // Without wildcards a '*' is an ordinary character.
    name.SetFilterWildcards(false);
    name.SetFilter("mü*ller");
    EXPECT_EQ(Names(gep), (std::vector<std::string>{"Mü*ller"}));

    gep.ClearKeysAndFilters();
    gep.Feld("VORNAME").FilterEinzelwertAdd(std::string("Anna"));
    gep.Feld("VORNAME").FilterEinzelwertAdd(std::string("Dora"));
    EXPECT_EQ(gep.GetCount(), 2);

    // SetKeyWertAndFilter positions and restricts to equality.
    gep.ClearKeysAndFilters();
    gep.Feld("GEPNR").SetKeyWertAndFilter(TIntPair(3, 0));
    EXPECT_EQ(Names(gep), (std::vector<std::string>{"Meier"}));

    // A single fetched record for existence tests.
    gep.ClearKeysAndFilters();
    gep.ExtendedMaxReceive_Set(1);
    ASSERT_TRUE(gep.Get_ge());
    EXPECT_FALSE(gep.Next());
}

TEST_F(RecordFileTest, UpdateAfterAPartialReadKeepsTheFieldsItDidNotRead) {
    AddPartner(1, "Schmidt", "Eva");
    AddPartner(2, "Weber", "Jan");
    TGepFile gep;
    gep.OpenOut();
    gep.SelectIndex("GEPNR");
    gep.SetUsedField({"GEPNR", "VORNAME"});
    ASSERT_TRUE(gep.Get_ge());
    EXPECT_EQ(gep.Feld("GEPNR").AsPair(), TIntPair(1, 0));
    EXPECT_EQ(gep.Feld("NAME").AsString(), "") << "a field that was not read reads as empty";
    {
        BookingScope b(0);
        gep.Feld("VORNAME").SetWert(std::string("Eva-Maria"));
        gep.Update();
        // The next record of the same partial walk keeps its name as well.
        ASSERT_TRUE(gep.Next());
        gep.Feld("VORNAME").SetWert(std::string("Jana"));
        gep.Update();
        b.Commit();
    }

    TGepFile check;
    check.OpenOut();
    check.SelectIndex("GEPNR");
    ASSERT_TRUE(check.Get_ge());
    EXPECT_EQ(check.Feld("NAME").AsString(), "Schmidt");
    EXPECT_EQ(check.Feld("VORNAME").AsString(), "Eva-Maria");
    ASSERT_TRUE(check.Next());
    EXPECT_EQ(check.Feld("NAME").AsString(), "Weber");
    EXPECT_EQ(check.Feld("VORNAME").AsString(), "Jana");

    // A field set after a partial read is written even though it was not read.
    gep.ClearKeysAndFilters();
    gep.SelectIndex("GEPNR");
    gep.SetUsedField({"GEPNR"});
    ASSERT_TRUE(gep.Get_ge());
    {
        BookingScope b(0);
        gep.Feld("NAME").SetWert(std::string("Schmitt"));
        gep.Update();
        b.Commit();
    }
    ASSERT_TRUE(check.Get_ge());
    EXPECT_EQ(check.Feld("NAME").AsString(), "Schmitt");
    EXPECT_EQ(check.Feld("VORNAME").AsString(), "Eva-Maria");
}

TEST(RecordFileCursor, EndsAtCommitOfAWorkFileAndAtResultClear) {
    kis::test::SuiteFixture fx;  // private work directory
    Tkisufile f;
    f.SetFileNameRel("KISUFILE.CURSOR");
    f.OpenNew();
    f.ManualCommit_Set(true);
    for (int k = 1; k <= 3; ++k) {
        f.ClearRecord();
        f.Feld("KUNDE").SetWert(TIntPair(k, 0));
        f.Insert();
    }
    f.Commit();
    ASSERT_TRUE(f.Get_ge());
    EXPECT_TRUE(f.Current());
    f.Commit();
    EXPECT_FALSE(f.Current());
    EXPECT_FALSE(f.Next()) << "a commit ends the open cursor";
    EXPECT_EQ(f.Feld("KUNDE").AsPair(), TIntPair(1, 0)) << "the record read stays";

    ASSERT_TRUE(f.Get_ge());
    f.ResultClear();
    EXPECT_FALSE(f.Next());
}

TEST_F(RecordFileTest, SuiteWritesNeedABookingAndRollBackAsAWhole) {
    TGepFile gep;
    gep.OpenNew();
    gep.ClearRecord();
    gep.Feld("GEPNR").SetWert(TIntPair(9, 0));
    EXPECT_THROW(gep.Insert(), StoreError);

    // Nested brackets: the outer one commits; an exception rolls everything back.
    try {
        BookingScope outer(43, TIntPair(9, 0));
        gep.Insert();
        {
            BookingScope inner(43);
            gep.Feld("GEPNR").SetWert(TIntPair(10, 0));
            gep.Insert();
            inner.Commit();
        }
        throw std::runtime_error("Abbruch");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(gep.GetCount(), 0);
    EXPECT_EQ(ORVBuchung().Depth(), 0);

    {
        BookingScope outer(43, TIntPair(9, 0));
        gep.Insert();
        {
            BookingScope inner(43);
            gep.Feld("GEPNR").SetWert(TIntPair(11, 0));
            gep.Insert();
            inner.Commit();
        }
        outer.Commit();
    }
    EXPECT_EQ(gep.GetCount(), 2);
    EXPECT_EQ(ORVBuchung().BuchungsNr().Rnr, 1);  // one journal row for the whole bracket
}

TEST_F(RecordFileTest, InnerFailureCaughtByOuterStillRollsBack) {
    TGepFile gep;
    gep.OpenNew();
    gep.ClearRecord();
    BookingScope outer(55);
    gep.Feld("GEPNR").SetWert(TIntPair(1, 0));
    gep.Insert();
    try {
        BookingScope inner(55);
        throw std::runtime_error("innen");
    } catch (const std::runtime_error&) {
    }
    EXPECT_THROW(outer.Commit(), StoreError);
    EXPECT_EQ(gep.GetCount(), 0);
}

TEST_F(RecordFileTest, UpdateAndDeleteAffectTheCurrentRecord) {
    AddPartner(1, "Alt");
    AddPartner(2, "Bleibt");
    TGepFile gep;
    gep.OpenOut();
    gep.Feld("GEPNR").SetKeyWertAndFilter(TIntPair(1, 0));
    ASSERT_TRUE(gep.Get_ge());
    {
        BookingScope b(0);
        gep.Feld("NAME").SetWert(std::string("Neu"));
        gep.Update();
        b.Commit();
    }
    gep.ClearKeysAndFilters();
    gep.SelectIndex("GEPNR");
    EXPECT_EQ(Names(gep), (std::vector<std::string>{"Neu", "Bleibt"}));
    ASSERT_TRUE(gep.Get_ge());
    {
        BookingScope b(0);
        gep.Delete();
        b.Commit();
    }
    EXPECT_EQ(Names(gep), (std::vector<std::string>{"Bleibt"}));
}

TEST_F(RecordFileTest, TextBlocksAndTrioFields) {
    Tbonufile bonus;
    bonus.OpenNew();
    bonus.ClearRecord();
    bonus.Feld("RNR").SetWert(1);
    bonus.CreateBlobStream("TEXT").Write("BO  0001000000042\nGZ0002000000007\n");
    BookingScope b(44);
    bonus.Insert();
    b.Commit();
    Tbonufile reader;
    reader.OpenOut();
    ASSERT_TRUE(reader.Get_ge());
    EXPECT_EQ(reader.CreateBlobStream("TEXT").Read(), "BO  0001000000042\nGZ0002000000007\n");

    Tlstfile lst;
    lst.OpenNew();
    lst.ClearRecord();
    lst.Feld("ARTIKELNR").SetWert(TInt32Trio(5, -1, 7));
    BookingScope b2(0);
    lst.Insert();
    b2.Commit();
    lst.Feld("ARTIKELNR").SetFilterMinMax(TInt32Trio(5, -1, 7), TInt32Trio(5, -1, 7));
    ASSERT_TRUE(lst.Get_ge());
    EXPECT_EQ(lst.Feld("ARTIKELNR").AsTrio(), TInt32Trio(5, -1, 7));
}

}  // namespace
