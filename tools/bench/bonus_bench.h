#pragma once
// kis-bench --bonus: on a copy of each demo database, an evaluation with an empty filter under
// a bonus programme, the bonus generation of that run (ExecuteBO) and the booking of the
// computed bonuses for all customers, each timed on its own, with the peak memory of the
// whole run. Two programmes: a turnover premium per position and one per receipt. Every run
// is a child process of its own (--child=bonus).
#include "options.h"

namespace kis::bench {

int RunBonusBench(const BenchOptions& o);
int RunBonusChild(const BenchOptions& o);

}  // namespace kis::bench
