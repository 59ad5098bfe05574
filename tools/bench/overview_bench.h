#pragma once
// kis-bench --overview: after one evaluation with an empty filter, the times to open the
// overview window (first rows shown), to sort it by each of its five indexes, and to move
// from customer to customer on "Kunde - Umsatz". Medians of --repeat rounds.
#include "options.h"

namespace kis::bench {

int RunOverviewBench(const BenchOptions& o, int argc, char** argv);

}  // namespace kis::bench
