#pragma once
// Transfer of the selection boxes into the evaluation filter, as one table per box: which
// control feeds which filter field and how its text is read. The selection form and the
// headless evaluation (a stored mask) both go through FilterAusBox, so a criterion reaches
// the filter the same way whichever road it came.
#include <string>

#include "engine/merova_filter.h"
#include "platform/selbox/box_schema.h"

namespace kis::selbox {

// Writes the criteria of one box into the filter; false for an unknown box name. Values
// missing from `werte` count as the box's defaults.
bool FilterAusBox(const std::string& boxName, const BoxWerte& werte, TMerovaFilter& filter);

// Reading rules of the transfer: a decimal in German or plain notation ("1.234,5", "12.5"),
// an integer; both 0 for unreadable text.
long double DezimalWert(const std::string& text);
int32_t GanzzahlWert(const std::string& text);

// The extended box's status combo: its item index -> the filter's status (0 only active,
// 1 only passive, 2 all).
int StatusAusIndex(int index);

}  // namespace kis::selbox
