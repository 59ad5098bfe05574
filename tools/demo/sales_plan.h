#pragma once
// Plans the documents of three years: per day and branch how many, of which kind, for which
// customer, with which running numbers; and re-creates the positions of one document.
#include <vector>

#include "model.h"
#include "rng.h"

namespace kis::demo {

void PlanDocuments(DemoModel& model);

// The positions of document `index`, always the same for the same model seed. `rng` is
// reseeded for the document; the caller may go on drawing from it (payments).
void GeneratePositions(const DemoModel& model, int32_t index, std::vector<Position>& out, Rng& rng);

// Value of the positions that earn a bonus ("A9", "SO", "RS"; sold vouchers do not), in cents.
int64_t BonifiableCents(const std::vector<Position>& positions);

}  // namespace kis::demo
