#pragma once
// The open-item totals over all customers that the totals row of the overview shows: one entry
// per open-item table, its value the two amount sums in whole cents as "%.11d~%.11d".
#include <cstdint>
#include <map>
#include <string>

namespace kis::overview {

// The entry text of two sums in cents.
std::string OPSummenEintrag(int64_t cent1, int64_t cent2);
// Reads both sums of an entry back; a bad number reads as 0.
void OPSummenLesen(const std::string& eintrag, int64_t& cent1, int64_t& cent2);
// Adds one customer's table (its first and second amount) to the table's entry; the first
// table of that name starts the entry. Amounts count in cents, each rounded once.
void OPSummeAddieren(std::map<std::string, std::string>& liste, const std::string& tabelle,
                     long double betrag1, long double betrag2);

}  // namespace kis::overview
