#include "platform/articles/aa_filter.h"

#include "platform/match/text_match.h"

bool TAAFilter::IsActive() const { return Lieferant != 0 || !kis::match::IsBlank(Varianten); }
