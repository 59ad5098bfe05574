#pragma once
// The measured runs, each executed in a child process of its own: the evaluation with a
// filter, and the SQL anchor. Each writes its RunReport to the parent and returns the exit
// status of the child.
#include "options.h"

namespace kis::bench {

int RunEvaluationChild(const BenchOptions& o);
int RunAnchorChild(const BenchOptions& o);

}  // namespace kis::bench
