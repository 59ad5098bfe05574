#pragma once
// Fills the open suite database (kis::store::SuiteDb) with a complete demo data set and builds
// its indexes. The bonuses need a work folder (kis::store::SetWorkDir) for the temporary
// bonus file of their generation.
#include <cstdint>
#include <functional>
#include <string>

#include "sizes.h"

namespace kis::demo {

struct GenerateOptions {
    DemoSize size;
    uint64_t seed = 1;
    int today = 0;  // days since 1899-12-30: the last sales day
};

struct GenerateResult {
    int64_t customers = 0, documents = 0, transactions = 0, positions = 0, payments = 0;
    int64_t bonuses = 0;
};

// Booking types of the demo's bookings; bonuses are booked as the bonus overview books them.
inline constexpr int kDemoBookingType = 90;
inline constexpr int kBonusBookingType = 44;

// Throws on failure; the caller discards the database then.
GenerateResult Generate(const GenerateOptions& options,
                        const std::function<void(const std::string&)>& log);

}  // namespace kis::demo
