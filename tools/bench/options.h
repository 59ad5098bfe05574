#pragma once
// Command line of kis-bench. The parent process measures; it starts itself again as a child
// (--child=...) for every single run, so each run has a fresh process whose peak memory is
// its own.
#include <cstdint>
#include <string>
#include <vector>

namespace kis::bench {

struct BenchOptions {
    std::string dir;                  // demo databases (reused by size and seed) and work files
    std::vector<std::string> sizes{"medium", "large"};
    uint64_t seed = 1;
    int repeat = 3;                   // rounds of the three alternating runs
    std::string csv;                  // optional: every single run as a CSV line

    // --overview: open and sort times of the overview window instead of the evaluation;
    // --show keeps the window open for a person (needs a display).
    bool overview = false;
    bool show = false;
    std::string pdf;  // --pdf=FILE: also print the overview into this PDF file
    // --bonus: generation and booking of bonuses beside the evaluation of the same run.
    bool bonus = false;
    std::string programm;  // child "bonus": "position" or "beleg"

    // Child mode: "eval", "anchor" or "bonus", with the database and (eval) the filter.
    std::string child;
    std::string db;
    std::string filter = "clear";     // "clear" or "typical"
    double abortAfterMs = -1;         // eval: stop the run after this time (>= 0)
    bool abortFromEvent = false;      // stop from the engine's position event, not a thread
};

extern const char* const kUsage;

// False with a German message for unknown or unreadable options.
bool ParseOptions(const std::vector<std::string>& args, BenchOptions& out, std::string& error);

}  // namespace kis::bench
