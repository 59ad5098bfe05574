#pragma once
// Writes the customer sums work file of this process ("KISUFILE." + process id) by hand, as a
// run would leave it: one "VK" record per customer in the given order and the totals record
// 0/0 named "   <alle>   ". Lets tests classify or list exactly the turnovers they need.
#include <optional>
#include <string>
#include <vector>

#include "platform/base/keys.h"

namespace kis::test {

struct KisuKunde {
    TIntPair kunde;
    double umsatz = 0;
    std::string name = "Kunde";
};

// Starts the file empty and writes the records; the totals record carries `summe`, by default
// the customers' turnovers added up.
void KisuSchreiben(const std::vector<KisuKunde>& kunden, std::optional<double> summe = {});

}  // namespace kis::test
