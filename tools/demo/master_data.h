#pragma once
// Master data: client companies, branches and groups, suppliers, seasons, articles, accounts,
// payment means, parameters and settings, attribute definitions, rules and programmes.
#include "model.h"

namespace kis::demo {

// Writes the master data (inside the caller's booking) and fills model.branches and
// model.articles.
void WriteMasterData(DemoModel& model);

}  // namespace kis::demo
