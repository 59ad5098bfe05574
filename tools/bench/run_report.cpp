#include "run_report.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace kis::bench {

int64_t ToCents(long double amount) { return std::llround(amount * 100.0L); }

std::string FormatReport(const RunReport& r) {
    std::string out;
    char line[200];
    std::snprintf(line, sizeof line,
                  "finished=%d\nms=%.3f\ncpu_ms=%.3f\nhwm_kb=%ld\nstart_rss_kb=%ld\nabort_ms=%.3f\nopen_ms=%.3f\n"
                  "company_positions=%lld\nbelege_ms=%.3f\npositionen_ms=%.3f\nwalk_ms=%.3f\n",
                  r.finished ? 1 : 0, r.ms, r.cpuMs, r.hwmKb, r.startRssKb, r.abortMs, r.openMs,
                  static_cast<long long>(r.companyPositions), r.belegeMs, r.positionenMs, r.walkMs);
    out += line;
    if (!r.error.empty()) out += "error=" + r.error + "\n";
    out += "sums=" + std::to_string(r.sums.size()) + "\n";
    for (const auto& s : r.sums) {
        std::snprintf(line, sizeof line, "%d %d %lld %lld %lld\n", s.kunde.Lnr, s.kunde.Rnr,
                      static_cast<long long>(s.cents), static_cast<long long>(s.menge),
                      static_cast<long long>(s.positions));
        out += line;
    }
    out += "end\n";
    return out;
}

bool ParseReport(const std::string& text, RunReport& out) {
    std::istringstream in(text);
    std::string line;
    size_t count = 0;
    bool haveSums = false;
    while (std::getline(in, line)) {
        if (line == "end") return haveSums && out.sums.size() == count;
        if (haveSums) {
            CustomerSum s;
            long long c, m, p;
            if (std::sscanf(line.c_str(), "%d %d %lld %lld %lld", &s.kunde.Lnr, &s.kunde.Rnr, &c, &m,
                            &p) != 5)
                return false;
            s.cents = c;
            s.menge = m;
            s.positions = p;
            out.sums.push_back(s);
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) return false;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "finished") out.finished = value == "1";
        else if (key == "ms") out.ms = std::stod(value);
        else if (key == "hwm_kb") out.hwmKb = std::stol(value);
        else if (key == "start_rss_kb") out.startRssKb = std::stol(value);
        else if (key == "abort_ms") out.abortMs = std::stod(value);
        else if (key == "cpu_ms") out.cpuMs = std::stod(value);
        else if (key == "open_ms") out.openMs = std::stod(value);
        else if (key == "company_positions") out.companyPositions = std::stoll(value);
        else if (key == "belege_ms") out.belegeMs = std::stod(value);
        else if (key == "positionen_ms") out.positionenMs = std::stod(value);
        else if (key == "walk_ms") out.walkMs = std::stod(value);
        else if (key == "error") out.error = value;
        else if (key == "sums") {
            count = std::stoul(value);
            out.sums.reserve(count);
            haveSums = true;
        }
    }
    return false;
}

}  // namespace kis::bench
