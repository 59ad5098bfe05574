#pragma once
// Printing of the measured results: a table per size, the key lines that scripts read
// ("ratio_vs_sql_aggregate_<size>=X.XX" and friends), and the verdict on the targets.
#include <vector>

#include "measure.h"

namespace kis::bench {

void PrintSize(const SizeMeasurement& s);
// True when the cleared-filter runs and the anchor agree for every size.
bool PrintVerdict(const std::vector<SizeMeasurement>& all);

}  // namespace kis::bench
