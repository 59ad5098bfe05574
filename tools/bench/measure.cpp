#include "measure.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "child_process.h"
#include "demo_db.h"

namespace kis::bench {

namespace {

Measured RunMeasured(const std::vector<std::string>& args) {
    const ChildOutcome c = RunChild(SelfExecutable(), args);
    Measured m;
    if (!ParseReport(c.report, m.report) || !c.exited || c.status != 0) {
        std::string why = m.report.error.empty() ? "kein lesbarer Bericht" : m.report.error;
        if (!c.exited) why += ", durch ein Signal beendet";
        std::string run;
        for (const auto& a : args) run += " " + a;
        throw std::runtime_error("Messlauf" + run + " fehlgeschlagen: " + why);
    }
    m.childMaxRssKb = c.maxRssKb;
    return m;
}

void Csv(std::FILE* csv, const std::string& size, const char* run, int round, const Measured& m) {
    if (!csv) return;
    std::fprintf(csv, "%s;%s;%d;%.3f;%.3f;%ld;%ld;%d\n", size.c_str(), run, round, m.report.ms,
                 m.report.cpuMs, m.report.hwmKb, m.childMaxRssKb, m.report.finished ? 1 : 0);
    std::fflush(csv);
}

}  // namespace

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

SizeMeasurement MeasureSize(const BenchOptions& o, const std::string& size, std::FILE* csv) {
    SizeMeasurement s;
    s.size = size;
    s.db = EnsureDemoDb(o.dir, size, o.seed);
    const std::string db = "--db=" + s.db;
    const std::vector<std::string> clear{"--child=eval", db, "--filter=clear"};
    const std::vector<std::string> typical{"--child=eval", db, "--filter=typical"};
    const std::vector<std::string> anchor{"--child=anchor", db, "--filter=clear"};

    for (int round = 1; round <= o.repeat; ++round) {
        std::cout << "  Runde " << round << "/" << o.repeat << ":" << std::flush;
        s.clear.push_back(RunMeasured(clear));
        Csv(csv, size, "clear", round, s.clear.back());
        std::cout << " Auswertung " << int(s.clear.back().report.ms) << " ms," << std::flush;
        s.typical.push_back(RunMeasured(typical));
        Csv(csv, size, "typical", round, s.typical.back());
        std::cout << " typischer Filter " << int(s.typical.back().report.ms) << " ms," << std::flush;
        s.anchor.push_back(RunMeasured(anchor));
        Csv(csv, size, "anchor", round, s.anchor.back());
        std::cout << " SQL " << int(s.anchor.back().report.ms) << " ms" << std::endl;

        const Comparison c = CompareSums(s.clear.back().report.sums, s.anchor.back().report.sums);
        if (round == 1 || c.differences > s.comparison.differences) s.comparison = c;
    }
    for (const auto& r : s.anchor.front().report.sums) s.positions += r.positions;
    s.customers = s.anchor.front().report.sums.size();
    s.companyPositions = s.anchor.front().report.companyPositions;
    // Only the sums were needed; the reports stay small for the rest of the run.
    for (auto* list : {&s.clear, &s.typical, &s.anchor})
        for (auto& m : *list) m.report.sums = {};

    // Abort: a second thread at three points of the run, and the engine's own position
    // event. The points are taken from the fastest run, so that a run on a quiet machine is
    // still going when the request comes; one that ended first is tried again earlier.
    std::vector<double> ms;
    for (const auto& m : s.clear) ms.push_back(m.report.ms);
    const double fastest = *std::min_element(ms.begin(), ms.end());
    struct Point {
        const char* how;
        double fraction;
        bool event;
    };
    for (const Point p : {Point{"Thread nach 10 %", 0.1, false}, Point{"Thread nach 40 %", 0.4, false},
                          Point{"Thread nach 70 %", 0.7, false},
                          Point{"Positionsereignis nach 40 %", 0.4, true}}) {
        for (double at = p.fraction * fastest;; at /= 2) {
            std::vector<std::string> args = clear;
            args.push_back("--abort-after-ms=" + std::to_string(at));
            if (p.event) args.push_back("--abort-from-event");
            Measured m = RunMeasured(args);
            m.report.sums = {};
            if (m.report.abortMs >= 0 || at < 0.05 * fastest) {
                s.aborts.push_back({p.how, at, m.report});
                break;
            }
        }
    }
    return s;
}

}  // namespace kis::bench
