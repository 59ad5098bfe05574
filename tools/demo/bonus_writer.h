#pragma once
// Bonuses in every state, computed and booked by the program's own bonus tables: the
// generation of one programme over a customer's sales, then the booking into the four places
// (bonus record, open item, service record, marks on the positions), with manual grants
// through the bonus manager. Some are then closed or used, as the bonus windows and the till
// would do. Needs the sales written and the indexes built; the work folder holds the run's
// temporary bonus file.
#include <cstdint>

#include "model.h"

namespace kis::demo {

struct BonusCounts {
    int64_t bonuses = 0;
};

BonusCounts WriteBonuses(DemoModel& model, int bookingType);

}  // namespace kis::demo
