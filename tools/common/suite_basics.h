#pragma once
// Records every suite database needs before documents can be booked: the accounts of a client
// company, the user-defined payment means, the system parameters and settings and the partner
// attribute definitions. The demo generator and the importer write the same rows.
#include <vector>

#include "platform/base/keys.h"

namespace kis::suitedata {

void WriteAccounts(const std::vector<TIntPair>& mandants);
void WritePaymentMeans();
void WriteSettings();

}  // namespace kis::suitedata
