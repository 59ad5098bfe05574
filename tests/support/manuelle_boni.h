#pragma once
// Reads the manual grants (bonus records of kind "BM") back with their open item and service
// record, so tests can check that a grant reached all its places.
#include <string>
#include <vector>

#include "platform/base/keys.h"
#include "platform/store/database.h"

namespace kis::test {

struct ManuellerBonusGebucht {
    TIntPair kunde;
    std::string programmId;  // "BONUSMANU" / "RSCHEMANU"
    double wert = 0;          // bonus record
    double prozent = 0;
    std::string opTabelle;    // open item: "BONUS" / "RSCHEIN", empty when missing
    double opBetrag2 = 0;
    std::string dienstStatus;  // service record, empty when missing
};

// Ordered by customer.
std::vector<ManuellerBonusGebucht> ManuelleBoni(kis::store::Database& db);
// Number of journal rows of a booking type.
int Buchungen(kis::store::Database& db, int typ);

}  // namespace kis::test
