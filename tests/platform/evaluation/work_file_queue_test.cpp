// The writer thread of an evaluation run: order of the orders, multi-row inserts, errors.
#include <gtest/gtest.h>

#include "platform/evaluation/work_file_queue.h"
#include "platform/evaluation/work_file_writer.h"
#include "platform/store/record_files.h"
#include "platform/store/work_files.h"
#include "support/suite_fixture.h"

namespace kis::test {
namespace {

class WriterThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        kisu.SetFileNameRel("KISUFILE.queuetest");
        kivk.SetFileNameRel("KIVKFILE.queuetest");
        kisu.ManualCommit_Set(true);
        kivk.ManualCommit_Set(true);
        kisu.OpenNew();
        kivk.OpenNew();
        schreiber = std::make_unique<TKISchreiber>(
            std::make_unique<TKIWorkFiles>(store::WorkFileConnection("KISUFILE.queuetest", false),
                                           store::WorkFileConnection("KIVKFILE.queuetest", false)),
            2);
    }

    static TKivkSatz Satz(int64_t rowid, int kunde, int32_t lnr, const char* art) {
        TKivkSatz s;
        s.RowId = rowid;
        s.Kunde = TIntPair(kunde, 0);
        s.Art = art;
        s.RNr = 1;
        s.LNr = lnr;
        s.IstVk = 1.25L * double(rowid);
        return s;
    }

    static void Einfuegen(TKIStapel& st, const TKivkSatz& s) {
        st.kivk.push_back(s);
        TKIAuftrag a;
        a.art = TKIAuftrag::InsKivk;
        a.anzahl = 1;
        st.auftraege.push_back(a);
    }

    // (LNR, POSNR, ISTVK) of the detail file in index order.
    std::vector<std::tuple<int64_t, int, double>> Zeilen() {
        std::vector<std::tuple<int64_t, int, double>> out;
        kivk.ClearKeysAndFilters();
        kivk.SelectIndex("KUNDE");
        for (bool ok = kivk.Get_ge(); ok; ok = kivk.Next())
            out.emplace_back(kivk.Feld("LNR").AsInt(), kivk.Feld("POSNR").AsInt(),
                             kivk.Feld("ISTVK").AsFloat());
        return out;
    }

    SuiteFixture fx;
    store::Tkisufile kisu;
    store::Tkivkfile kivk;
    std::unique_ptr<TKISchreiber> schreiber;
};

TEST_F(WriterThreadTest, CarriesOutOrdersInTheirOrderAcrossBatches) {
    // 70 records in one order: two full multi-row statements and six single rows.
    TKIStapel st;
    for (int i = 1; i <= 70; ++i) st.kivk.push_back(Satz(i, 1, i, "A9"));
    TKIAuftrag a;
    a.art = TKIAuftrag::InsKivk;
    a.anzahl = 70;
    st.auftraege.push_back(a);
    a = {};
    a.art = TKIAuftrag::DelBelegPos;  // takes the "A9" record of document 1/5, not the others
    a.kunde = TIntPair(1, 0);
    a.rnr = 1;
    a.lnr = 5;
    st.auftraege.push_back(a);
    a = {};
    a.art = TKIAuftrag::UpdKivk;
    a.rowid = 7;
    a.wert1 = 99.5L;
    st.auftraege.push_back(a);
    schreiber->Senden(st);
    EXPECT_TRUE(st.Leer());
    // Several batches through a queue of two: the later delete sees the earlier inserts.
    for (int b = 0; b < 5; ++b) {
        Einfuegen(st, Satz(100 + b, 2, b, "NR"));
        schreiber->Senden(st);
    }
    a = {};
    a.art = TKIAuftrag::DelKunde;
    a.kunde = TIntPair(2, 0);
    st.auftraege.push_back(a);
    a = {};
    a.art = TKIAuftrag::Commit;
    st.auftraege.push_back(a);
    schreiber->Senden(st);
    schreiber->Beenden();
    EXPECT_NO_THROW(schreiber->FehlerWerfen());

    const auto z = Zeilen();
    ASSERT_EQ(69u, z.size());
    EXPECT_EQ(4, std::get<0>(z[3]));
    EXPECT_EQ(6, std::get<0>(z[4]));  // document 5 went
    EXPECT_DOUBLE_EQ(99.5, std::get<2>(z[5]));
    EXPECT_DOUBLE_EQ(1.25 * 70, std::get<2>(z.back()));
}

TEST_F(WriterThreadTest, FirstErrorIsKeptLaterBatchesAreDropped) {
    TKIStapel st;
    Einfuegen(st, Satz(1, 1, 1, "A9"));
    Einfuegen(st, Satz(1, 1, 2, "A9"));  // same row id: the insert fails
    schreiber->Senden(st);
    Einfuegen(st, Satz(2, 1, 3, "A9"));
    schreiber->Senden(st);
    schreiber->Beenden();
    EXPECT_TRUE(schreiber->Fehlgeschlagen());
    EXPECT_THROW(schreiber->FehlerWerfen(), std::exception);
    EXPECT_NO_THROW(schreiber->FehlerWerfen());  // reported once
    const auto z = Zeilen();
    ASSERT_EQ(1u, z.size());  // the record before the error, none after it
    EXPECT_EQ(1, std::get<0>(z[0]));
}

}  // namespace
}  // namespace kis::test
