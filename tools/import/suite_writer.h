#pragma once
// Writes what an import has read into the suite database, inside the caller's booking: master
// records, documents numbered by branch with positions, ledger bookings and payments, day
// closings per branch and day, and open items.
#include <cstdint>
#include <functional>
#include <string>

#include "import_data.h"

namespace kis::import {

// The client company, its accounts, the payment means and settings of a new suite database;
// `defaultBranch` adds branch 1.
void WriteNewSuite(const TIntPair& mandant, const std::string& designation, bool defaultBranch);

// progress(documents written, documents).
void WriteImport(const ImportData& data, const TIntPair& mandant,
                 const std::function<void(int64_t, int64_t)>& progress = {});

}  // namespace kis::import
