#pragma once
// What one measured run (a child process) hands back to the parent: its time, memory, how
// it ended, and the per-customer sums it computed. Sent as plain text lines, so a report
// can be read by eye when something goes wrong.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/keys.h"

namespace kis::bench {

struct CustomerSum {
    TIntPair kunde;
    int64_t cents = 0;      // selected value in cents
    int64_t menge = 0;      // selected quantity
    int64_t positions = 0;  // positions read for the customer (anchor only)
};

struct RunReport {
    bool finished = false;  // the run ended normally (evaluation: ExecuteKI returned true)
    double ms = 0;          // wall time of the run
    double cpuMs = 0;       // processor time of the run, all threads
    long hwmKb = 0;         // peak resident memory when the run ended
    long startRssKb = 0;    // resident memory before the run (program and open database)
    double abortMs = -1;    // evaluation stopped on request: time from the request to the end
    double openMs = 0;      // opening the suite database (not part of the run's time)
    int64_t companyPositions = 0;  // anchor: positions in the sales list of the client company
    // Evaluation: its own phase times (documents read, positions read, customer walk).
    double belegeMs = 0, positionenMs = 0, walkMs = 0;
    std::string error;
    std::vector<CustomerSum> sums;
};

std::string FormatReport(const RunReport& r);
// False when the text is no complete report.
bool ParseReport(const std::string& text, RunReport& out);

// Cents of an amount, half away from zero; both sides of a comparison go through it.
int64_t ToCents(long double amount);

}  // namespace kis::bench
