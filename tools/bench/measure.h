#pragma once
// The measurement of one demo size: rounds of the three runs in alternation (cleared filter,
// typical filter, SQL anchor), each in a fresh child process, the per-customer check of the
// cleared-filter runs against the anchor, and the abort runs.
#include <cstdio>
#include <string>
#include <vector>

#include "compare.h"
#include "options.h"
#include "run_report.h"

namespace kis::bench {

struct Measured {
    RunReport report;
    long childMaxRssKb = 0;  // whole child process, including reading its result afterwards
};

struct AbortMeasured {
    std::string how;       // "Thread nach 50 %" ...
    double requestedAtMs;  // into the run
    RunReport report;
};

struct SizeMeasurement {
    std::string size;
    std::string db;
    std::vector<Measured> clear, typical, anchor;
    std::vector<AbortMeasured> aborts;
    Comparison comparison;      // the worst round of cleared filter against anchor
    int64_t positions = 0;         // positions in the documents of the walked customers
    int64_t companyPositions = 0;  // positions in the sales list of the client company
    size_t customers = 0;
};

// Throws std::runtime_error when a run fails or reports nothing readable.
SizeMeasurement MeasureSize(const BenchOptions& o, const std::string& size, std::FILE* csv);

double Median(std::vector<double> v);

}  // namespace kis::bench
