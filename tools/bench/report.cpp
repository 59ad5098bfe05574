#include "report.h"

#include <algorithm>
#include <cstdio>

namespace kis::bench {

namespace {

// Targets of the evaluation on the large size (and the abort on every size).
constexpr double kMinPositionsPerSecond = 1'000'000;
constexpr double kMaxRatio = 3.0;
constexpr double kMaxPeakMb = 300;
constexpr double kMaxCostGrowth = 1.25;
constexpr double kMaxAbortMs = 500;

double MedianOf(const std::vector<Measured>& runs, double RunReport::*field) {
    std::vector<double> v;
    for (const auto& m : runs) v.push_back(m.report.*field);
    return Median(v);
}

double MedianMs(const std::vector<Measured>& runs) { return MedianOf(runs, &RunReport::ms); }

double PeakMb(const std::vector<Measured>& runs) {
    long kb = 0;
    for (const auto& m : runs) kb = std::max(kb, m.report.hwmKb);
    return kb / 1024.0;
}

// Rates count the sales list of the client company: every position of it is read by a run.
double PerSecond(int64_t positions, const std::vector<Measured>& runs) {
    const double ms = MedianMs(runs);
    return ms > 0 ? positions / (ms / 1000) : 0;
}

double NsPerPosition(const SizeMeasurement& s) {
    return s.companyPositions ? MedianMs(s.clear) * 1e6 / double(s.companyPositions) : 0;
}

double CpuNsPerPosition(const SizeMeasurement& s) {
    return s.companyPositions ? MedianOf(s.clear, &RunReport::cpuMs) * 1e6 / double(s.companyPositions)
                              : 0;
}

double Ratio(const SizeMeasurement& s) {
    const double anchor = MedianMs(s.anchor);
    return anchor > 0 ? MedianMs(s.clear) / anchor : 0;
}

double WorstAbortMs(const SizeMeasurement& s) {
    double worst = 0;
    for (const auto& a : s.aborts) worst = std::max(worst, a.report.abortMs);
    return worst;
}

double PeakOfEvaluations(const SizeMeasurement& s) { return std::max(PeakMb(s.clear), PeakMb(s.typical)); }

void Row(const char* what, const SizeMeasurement& s, const std::vector<Measured>& runs) {
    std::vector<double> v;
    for (const auto& m : runs) v.push_back(m.report.ms);
    std::printf("  %-30s %9.0f %8.0f %8.0f %8.0f %12.0f %12.0f %9.1f\n", what, Median(v),
                *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()),
                MedianOf(runs, &RunReport::cpuMs), PerSecond(s.companyPositions, runs),
                PerSecond(s.positions, runs), PeakMb(runs));
}

const char* Verdict(bool ok) { return ok ? "erreicht" : "VERFEHLT"; }

}  // namespace

void PrintSize(const SizeMeasurement& s) {
    std::printf("\n== %s: %zu Kunden; %lld Positionen im Verkauf des Mandanten, davon %lld in den "
                "Belegen der Kunden (%s)\n",
                s.size.c_str(), s.customers, static_cast<long long>(s.companyPositions),
                static_cast<long long>(s.positions), s.db.c_str());
    std::printf("  %-30s %9s %8s %8s %8s %12s %12s %9s\n", "Lauf", "Median ms", "min ms", "max ms",
                "CPU ms", "Pos./s Verk.", "Pos./s Bel.", "Spitze MB");
    Row("Auswertung, leerer Filter", s, s.clear);
    Row("Auswertung, typischer Filter", s, s.typical);
    Row("SQL-Summenabfrage (Anker)", s, s.anchor);
    std::printf("  Phasen der Auswertung mit leerem Filter (Median): Belege %.0f ms, Positionen %.0f ms, "
                "Kundenlauf %.0f ms\n",
                MedianOf(s.clear, &RunReport::belegeMs), MedianOf(s.clear, &RunReport::positionenMs),
                MedianOf(s.clear, &RunReport::walkMs));
    std::printf("  Öffnen der Datenbank (nicht in den Zeiten): Median %.0f ms\n",
                MedianOf(s.clear, &RunReport::openMs));
    for (const auto& a : s.aborts) {
        if (a.report.abortMs < 0)
            std::printf("  Abbruch (%s): Lauf war vorher fertig\n", a.how.c_str());
        else
            std::printf("  Abbruch (%s, %.0f ms nach Start): Antwort nach %.1f ms%s\n", a.how.c_str(),
                        a.requestedAtMs, a.report.abortMs,
                        a.report.finished ? " - ExecuteKI meldet dennoch Erfolg" : "");
    }
    if (s.comparison.differences == 0)
        std::printf("  Vergleich mit SQL: %zu Kunden, alle gleich auf den Cent\n", s.comparison.customers);
    else {
        std::printf("  Vergleich mit SQL: %zu von %zu Kunden weichen ab, die ersten:\n",
                    s.comparison.differences, s.comparison.customers);
        for (const auto& line : s.comparison.first) std::printf("    %s\n", line.c_str());
    }
    const char* n = s.size.c_str();
    std::printf("eval_clear_ms_%s=%.0f\n", n, MedianMs(s.clear));
    std::printf("eval_typical_ms_%s=%.0f\n", n, MedianMs(s.typical));
    std::printf("sql_aggregate_ms_%s=%.0f\n", n, MedianMs(s.anchor));
    std::printf("positions_per_second_%s=%.0f\n", n, PerSecond(s.companyPositions, s.clear));
    std::printf("ns_per_position_%s=%.1f\n", n, NsPerPosition(s));
    std::printf("eval_clear_cpu_ms_%s=%.0f\n", n, MedianOf(s.clear, &RunReport::cpuMs));
    std::printf("sql_aggregate_cpu_ms_%s=%.0f\n", n, MedianOf(s.anchor, &RunReport::cpuMs));
    std::printf("peak_rss_mb_%s=%.1f\n", n, PeakOfEvaluations(s));
    std::printf("abort_ms_%s=%.1f\n", n, WorstAbortMs(s));
    std::printf("ratio_vs_sql_aggregate_%s=%.2f\n", n, Ratio(s));
    std::fflush(stdout);
}

bool PrintVerdict(const std::vector<SizeMeasurement>& all) {
    bool same = true;
    const SizeMeasurement* medium = nullptr;
    const SizeMeasurement* large = nullptr;
    for (const auto& s : all) {
        same = same && s.comparison.differences == 0;
        if (s.size == "medium") medium = &s;
        if (s.size == "large") large = &s;
    }
    std::printf("\nZiele:\n");
    std::printf("  Ergebnis gleich der SQL-Summenabfrage: %s\n", Verdict(same));
    for (const auto& s : all)
        std::printf("  Abbruch (%s) <= %.0f ms: %s\n", s.size.c_str(), kMaxAbortMs,
                    Verdict(WorstAbortMs(s) <= kMaxAbortMs));
    if (large) {
        const auto& l = *large;
        std::printf("  large: >= 1 000 000 Positionen/s: %s\n",
                    Verdict(PerSecond(l.companyPositions, l.clear) >= kMinPositionsPerSecond));
        std::printf("  large: <= %.0fx SQL-Summenabfrage: %s\n", kMaxRatio, Verdict(Ratio(l) <= kMaxRatio));
        std::printf("  large: Spitze < %.0f MB: %s\n", kMaxPeakMb, Verdict(PeakOfEvaluations(l) < kMaxPeakMb));
        if (medium && NsPerPosition(*medium) > 0) {
            const double growth = NsPerPosition(l) / NsPerPosition(*medium);
            std::printf("  large: Kosten je Position %.2fx medium (<= %.2fx): %s"
                        " (Prozessorzeit je Position: %.2fx)\n",
                        growth, kMaxCostGrowth, Verdict(growth <= kMaxCostGrowth),
                        CpuNsPerPosition(l) / CpuNsPerPosition(*medium));
        }
    }
    return same;
}

}  // namespace kis::bench
