#pragma once
// Bonuses in all their places for the bonus processing tests: bonus record (with its length),
// service record and open item of table "BONUS" (or none, to build a broken bonus), and a
// reader of the three places' state.
#include <string>

#include "support/suite_fixture.h"

namespace kis::test {

struct BonusOrt {
    BonusDaten daten;
    int laenge = 1;
    bool mitOp = true;
    bool mitDienst = true;
    bool mitBonus = true;
};

// Writes the places the description asks for; the open item carries the bonus's date,
// status and value (second amount).
void BonusInOrten(SuiteFixture& fx, const BonusOrt& b);

// The state of the three places: "op dienst bonus" status letters, "-" for a missing place,
// e.g. "O O O" or "A A A" or "- O O".
std::string Stati(int rnr, int lnr, int snr);
// The service record's used-mark and usage reference, "mark|ref"; "-" when missing.
std::string Verwendung(int rnr, int lnr, int snr);

}  // namespace kis::test
