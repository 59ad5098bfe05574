#pragma once
// Customer attributes (GPMERKMAL, defined in MERKMALDEF) and customer numbers (GPNUMMER),
// read side. Booking attributes is the attribute booking service's job.
#include <string>
#include <vector>

#include "platform/base/keys.h"
#include "platform/partners/gp_selekt_filter.h"

class TGpMerkmale {
public:
    // Names of all defined attributes, in German order.
    static std::vector<std::string> Definitionen();
    static bool DefinitionExists(const std::string& name);
    // The customer's attributes (name, value), by name.
    static std::vector<TGpNameWert> Merkmale(const TIntPair& gepNr);
    // One attribute's value; empty when the customer does not have it.
    static std::string Wert(const TIntPair& gepNr, const std::string& merkmal);
    // The number kinds customers have, in German order.
    static std::vector<std::string> NummernArten();
    // The customer's numbers (kind, number), by kind.
    static std::vector<TGpNameWert> Nummern(const TIntPair& gepNr);
};
