#pragma once
// Writes the customer sums file of the last run as CSV: one line per selected customer
// ordered by customer key, the totals record (0/0) last, amounts with a decimal point and two
// decimals (rounded half to even at the cent).
#include <ostream>
#include <string>

namespace kis::eval {

// The header line without its line end.
extern const char* const kCsvHeader;

// Writes header and records from the work file of this process; false on a read error
// (message in `fehler`).
bool WriteKisuCsv(std::ostream& out, std::string& fehler);

// A CSV field, quoted when it holds ';', '"' or a line break.
std::string CsvFeld(const std::string& text);
// Cents as "-12.34".
std::string Betrag(long double value);

}  // namespace kis::eval
