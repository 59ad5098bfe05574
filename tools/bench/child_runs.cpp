#include "child_runs.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "child_process.h"
#include "engine/merova_filter.h"
#include "engine/merova_query.h"
#include "platform/base/datetime.h"
#include "platform/sales/sales_aggregate.h"
#include "platform/services/orv_parameter.h"
#include "platform/services/orv_program.h"
#include "platform/store/database.h"
#include "platform/store/record_files.h"
#include "platform/store/work_files.h"
#include "proc_memory.h"
#include "run_report.h"

namespace kis::bench {

namespace {

using Clock = std::chrono::steady_clock;

double MsBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Opens the suite database and sets up what a program start sets up: the current client
// company and a work folder of the benchmark's own beside the database.
std::unique_ptr<kis::store::Database> OpenSuite(const std::string& path) {
    auto db = kis::store::Database::OpenSuite(path);
    kis::store::SetSuiteDb(db.get());
    const auto work = std::filesystem::path(path).parent_path() / "work";
    std::filesystem::create_directories(work);
    kis::store::SetWorkDir(work.string());
    kis::store::RemoveStaleWorkFiles();  // left by a run that was killed
    ORVProgramm().SetAktMandant(ORVProgramm().MandantErster());
    return db;
}

std::string DatumText(TDateTime d) {
    int y, m, t;
    kis::date::DecodeDate(d, y, m, t);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%04d", t, m, y);
    return buf;
}

// A filter as a user sets it for a yearly evaluation: the last year of sales, receipts of
// at least 10,00, the whole turnover computed beside the selected one.
void TypischerFilter(TMerovaFilter& f) {
    const TDateTime bis = std::floor(LetztesVerkaufsdatum(ORVProgramm().GetAktMandant()));
    f.LSTFilter.DatumVon = DatumText(bis - 364);
    f.LSTFilter.DatumBis = DatumText(bis);
    f.FBonSumMin = 10.00L;
    f.FGesSumBuild = true;
}

std::vector<CustomerSum> KundenSummenLesen() {
    std::vector<CustomerSum> out;
    kis::store::Tkisufile f;
    f.SetFileNameRel(TMerovaQuery::KisuFileName());
    f.OpenOut();
    auto& kunde = f.Feld("KUNDE");
    auto& wert = f.Feld("SELUMSATZ");
    auto& menge = f.Feld("SELMENGE");
    for (bool ok = f.Get_ge(); ok; ok = f.Next()) {
        CustomerSum s;
        s.kunde = kunde.AsPair();
        if (s.kunde.IsNull()) continue;  // totals record
        s.cents = ToCents(wert.AsFloat());
        s.menge = menge.AsInt();
        out.push_back(s);
    }
    f.Close();
    return out;
}

// Asks a running evaluation to stop after a given time, from a thread of its own, as the
// abort button of the progress dialog would from another thread.
class AbortWatch {
public:
    AbortWatch(TMerovaQuery& q, Clock::time_point at) : thread_([this, &q, at] {
        std::unique_lock lock(mutex_);
        if (cv_.wait_until(lock, at, [this] { return done_; })) return;
        requested_ = Clock::now();
        q.SetActive(false);
    }) {}
    ~AbortWatch() { Finish(); }
    void Finish() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        cv_.notify_all();
        if (thread_.joinable()) thread_.join();
    }
    std::optional<Clock::time_point> Requested() const { return requested_; }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool done_ = false;
    std::optional<Clock::time_point> requested_;
    std::thread thread_;  // last: starts after the members it uses
};

void Send(const RunReport& r) {
    if (std::FILE* ch = ReportChannel()) {
        const std::string text = FormatReport(r);
        std::fwrite(text.data(), 1, text.size(), ch);
        std::fflush(ch);
    }
}

}  // namespace

int RunEvaluationChild(const BenchOptions& o) {
    RunReport r;
    try {
        const Clock::time_point opening = Clock::now();
        auto db = OpenSuite(o.db);
        r.openMs = MsBetween(opening, Clock::now());
        TMerovaFilter filter;
        if (o.filter == "typical") TypischerFilter(filter);
        r.startRssKb = CurrentRssKb();

        const double cpuStart = CpuMs();
        const Clock::time_point start = Clock::now();
        auto q = std::make_unique<TMerovaQuery>();
        q->Init();
        q->SetFilter(filter);
        std::optional<Clock::time_point> abortRequested;
        std::unique_ptr<AbortWatch> watch;
        if (o.abortAfterMs >= 0) {
            const auto at = start + std::chrono::microseconds(int64_t(o.abortAfterMs * 1000));
            if (o.abortFromEvent) {
                TMerovaQuery* query = q.get();
                q->OnLSTGelesen = [query, at, &abortRequested] {
                    if (abortRequested || Clock::now() < at) return;
                    abortRequested = Clock::now();
                    query->SetActive(false);
                };
            } else {
                watch = std::make_unique<AbortWatch>(*q, at);
            }
        }
        r.finished = q->ExecuteKI();
        const Clock::time_point end = Clock::now();
        r.ms = MsBetween(start, end);
        r.cpuMs = CpuMs() - cpuStart;
        r.hwmKb = PeakRssKb();
        if (watch) {
            watch->Finish();
            abortRequested = watch->Requested();
        }
        if (abortRequested) r.abortMs = MsBetween(*abortRequested, end);
        r.belegeMs = q->FLaufzeiten.Belege * 1000;
        r.positionenMs = q->FLaufzeiten.Positionen * 1000;
        r.walkMs = q->FLaufzeiten.Walk * 1000;
        q.reset();
        r.sums = KundenSummenLesen();
        kis::store::RemoveOwnWorkFiles();
        kis::store::SetSuiteDb(nullptr);
    } catch (const std::exception& e) {
        r.error = e.what();
    }
    Send(r);
    return r.error.empty() ? 0 : 1;
}

int RunAnchorChild(const BenchOptions& o) {
    RunReport r;
    try {
        const Clock::time_point opening = Clock::now();
        auto db = OpenSuite(o.db);
        r.openMs = MsBetween(opening, Clock::now());
        // The same customers, documents and client companies as the evaluation walks.
        TUmsatzAggregatAuftrag a;
        a.KundenMandant = a.VerkaufsMandant = ORVProgramm().GetAktMandant();
        a.IndexMandant = ORVProgramm().MandantErster();
        a.AlleMandanten = ORVParameter().GetBooleanValueByName("MANDKUND", false);
        const std::string kennung = ORVProgramm().GetKundenkennung();
        a.MitOffenenVorgaengen = kennung != "INSTBB00" && kennung != "INSTCC00";
        r.startRssKb = CurrentRssKb();

        const double cpuStart = CpuMs();
        const Clock::time_point start = Clock::now();
        std::vector<TKundenUmsatz> rows;
        UmsatzJeKunde(a, [&](const TKundenUmsatz& u) { rows.push_back(u); });
        r.ms = MsBetween(start, Clock::now());
        r.cpuMs = CpuMs() - cpuStart;
        r.hwmKb = PeakRssKb();
        r.finished = true;
        r.companyPositions = VerkaufspositionenAnzahl(a.VerkaufsMandant);
        for (const auto& u : rows) r.sums.push_back({u.Kunde, ToCents(u.SelUmsatz), u.SelMenge, u.Positionen});
        kis::store::SetSuiteDb(nullptr);
    } catch (const std::exception& e) {
        r.error = e.what();
    }
    Send(r);
    return r.error.empty() ? 0 : 1;
}

}  // namespace kis::bench
