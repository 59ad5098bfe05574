// Whole runs with the work-file writer thread: an abort after several handed-over batches,
// and a failing writer.
#include <cmath>

#include "engine_fixture.h"
#include "platform/services/orv_info.h"
#include "platform/store/database.h"
#include "platform/store/work_files.h"

namespace kis::test {
namespace {

int64_t Cent(double v) { return std::llround(v * 100); }

using WriterRunTest = EngineTest;

// 650 customers with one document of two positions; every third document is worth 5,00 and
// fails a receipt total of at least 10,00.
void Kunden(SuiteFixture& fx) {
    for (int k = 1; k <= 650; ++k) {
        const TIntPair c = fx.Kunde(k, "Kunde" + std::to_string(k));
        Pos a, b;
        a.art = b.art = "A9";
        a.ist = b.ist = k % 3 == 0 ? 2.50 : 10.00 + k / 100.0;
        fx.Beleg(c, 1, k, fx.D(2024, 1, 1 + k % 28), {a, b});
    }
}

TEST_F(WriterRunTest, AbortAfterSeveralBatchesLeavesConsistentFiles) {
    Kunden(fx);
    filter.FBonSumMin = 10;
    int selektiert = 0;
    q.OnGepSelektiert = [&](const TIntPair&, const std::string&) {
        if (++selektiert == 450) q.SetActive(false);
    };
    EXPECT_FALSE(Run());

    const auto kisu = Kisu();
    ASSERT_EQ(451u, kisu.size());  // totals + the customers selected before the abort
    EXPECT_EQ(TIntPair(0, 0), kisu[0].kunde);
    int64_t summe = 0;
    for (size_t i = 1; i < kisu.size(); ++i) summe += Cent(kisu[i].sel);
    EXPECT_EQ(summe, Cent(kisu[0].sel));
    EXPECT_GT(summe, 0);

    // Positions only of the documents that passed, one summary per customer, the totals last.
    size_t positionen = 0, summaries = 0, belege = 0, totals = 0;
    for (const auto& z : Kivk()) {
        if (z.art == "A9") ++positionen;
        if (z.art != "NR") continue;
        if (z.kunde == TIntPair(0, 0)) ++totals;
        else if (z.rnr == 0 && z.lnr == 0) ++summaries;
        else ++belege;
    }
    EXPECT_EQ(1u, totals);
    EXPECT_EQ(450u, summaries);
    EXPECT_EQ(300u, belege);  // customers 1..450, without every third
    EXPECT_EQ(2 * belege, positionen);
    const auto total = KivkVon({0, 0}, "NR");
    ASSERT_EQ(1u, total.size());
    EXPECT_EQ(summe, Cent(total[0].istVk));
}

TEST_F(WriterRunTest, WriterErrorIsRegisteredAndFailsTheRun) {
    Kunden(fx);
    std::shared_ptr<store::Database> kivk;
    // Before the first batch is handed over the writer is idle, so the connection is free.
    q.OnGepGelesen = [&](const TIntPair&, const std::string&) {
        if (kivk) return;
        kivk = store::WorkFileConnection(TMerovaQuery::KivkFileName(), false);
        kivk->Exec("CREATE TEMP TRIGGER kaputt BEFORE INSERT ON KIVKFILE "
                   "BEGIN SELECT RAISE(ABORT, 'Testfehler'); END");
    };
    ORVInfo().ClearEntries();
    EXPECT_FALSE(Run());
    bool gemeldet = false;
    for (const auto& e : ORVInfo().Entries())
        if (e.text == "TMerovaQuery.ExecuteKI" && e.message.find("Testfehler") != std::string::npos)
            gemeldet = true;
    EXPECT_TRUE(gemeldet);

    ASSERT_TRUE(kivk);
    kivk->Exec("DROP TRIGGER temp.kaputt");
    q.OnGepGelesen = nullptr;
    EXPECT_TRUE(Run());
    EXPECT_EQ(651u, Kisu().size());
}

}  // namespace
}  // namespace kis::test
