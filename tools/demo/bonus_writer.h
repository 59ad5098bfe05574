#pragma once
// Bonuses in every state, each written in its four places in one booking: the bonus record,
// its open item (unless used), its service record, and the bonus marks on the positions it
// was earned with (recorded in model.marks; the sales writer puts them on the positions).
#include <cstdint>

#include "model.h"

namespace kis::demo {

struct BonusCounts {
    int64_t bonuses = 0;
    int64_t openItems = 0;
    int64_t markedDocuments = 0;
};

// Needs the planned documents; must run before the sales are written.
BonusCounts WriteBonuses(DemoModel& model, int bookingType);

}  // namespace kis::demo
