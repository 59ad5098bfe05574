#pragma once
// Date texts of the selection boxes: eight digits "ddmmyyyy" (points are ignored, so
// "dd.mm.yyyy" reads the same). Day, month or both may be left blank or 0, which widens the
// date to its month or year. Converted once, before a run; never per record.
#include <string_view>

#include "platform/base/datetime.h"

namespace kis::testers {

// The first and last day a date text stands for. A two-digit year (1..99, written with fewer
// than three characters) is 19yy from 80 on, else 20yy. False, with both 0, for an empty,
// unreadable or impossible text (31 February, a day without a month).
bool DatumTextBereich(std::string_view text, TDateTime& von, TDateTime& bis);

}  // namespace kis::testers
