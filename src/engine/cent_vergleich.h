#pragma once
// The comparisons of amount and quantity bounds. Amounts compare at cent precision on the
// absolute value: Round((|x| - bound) × 100), ties to even, against 0. A negative bound is no
// bound. Both bounds are inclusive.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/services/number_format.h"

namespace kis::engine {

inline bool CentUntenOk(long double x, long double min) {
    return min < 0 || kis::services::RoundHalfEven((std::fabs(x) - min) * 100) >= 0;
}

inline bool CentObenOk(long double x, long double max) {
    return max < 0 || kis::services::RoundHalfEven((std::fabs(x) - max) * 100) <= 0;
}

inline bool MengeUntenOk(int32_t q, int32_t min) { return min < 0 || std::llabs(q) >= min; }
inline bool MengeObenOk(int32_t q, int32_t max) { return max < 0 || std::llabs(q) <= max; }

}  // namespace kis::engine
