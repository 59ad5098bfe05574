#pragma once
// Bonus rules and programmes for tests, stored as the programme window stores them.
#include <string>
#include <vector>

namespace kis::test {

// A rule table ("GRUNDTAB"): value kind "P" (percent) or "A" (amount), lines "limit=value".
void BonusRegel(const std::string& name, const std::string& wertArt, std::vector<std::string> zeilen);
// The rule most tests use: 10 % of any value, named "Zehn".
void RegelZehnProzent();
// A programme main record; `laenge` -1 for no pass length, `konto` the coupon type or account.
void BonusProgramm(const std::string& typ, const std::string& name, const std::string& basis,
                   const std::string& storno, std::vector<std::string> inhalt, int laenge = -1,
                   const std::string& konto = "");

}  // namespace kis::test
