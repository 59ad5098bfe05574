#pragma once
// Rows of the two grids of "Kunde - Umsatz", read from the sales detail file of the run: the
// documents of one customer (or, on the totals row, every document row), and the positions of
// one document (or of all the customer's documents for the "<alle>" row). Each reads only the
// rows it shows, through the file's customer index.
#include <QVariantList>
#include <memory>

#include "platform/base/keys.h"
#include "platform/ui/data_model.h"

namespace kis::overview {

// Documents (record kind "NR"): of the customer, or with the totals key every document row.
std::unique_ptr<TORVRowSource> BelegQuelle(const TIntPair& kunde);
// Positions (kinds "A7" to "A9") of the customer (none: all customers), of the document
// rnr/lnr, or of all his documents when both are 0.
std::unique_ptr<TORVRowSource> PositionenQuelle(const TIntPair& kunde, int32_t rnr, int32_t lnr);

}  // namespace kis::overview
