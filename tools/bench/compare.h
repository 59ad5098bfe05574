#pragma once
// Per-customer comparison of two results to the cent: the evaluation against the anchor.
#include <string>
#include <vector>

#include "run_report.h"

namespace kis::bench {

struct Comparison {
    size_t customers = 0;    // customers on either side
    size_t differences = 0;  // customers whose value or quantity differ, or who are missing
    std::vector<std::string> first;  // the first differences, one line each
};

Comparison CompareSums(const std::vector<CustomerSum>& evaluation,
                       const std::vector<CustomerSum>& anchor, size_t maxListed = 10);

}  // namespace kis::bench
