#pragma once
// kis-eval --abc=umsatz|anzahl,A,B[,aktuell|vergleich|ohne]: reads the choice and classifies
// the customers of the run that just ended.
#include <ostream>
#include <string>

#include "engine/abc_typen.h"

namespace kis::eval {

// Reads the text after "--abc=" into the four inputs of `info`; false with a German message
// in `fehler` for anything else than a reference, two whole percentages (0 to 100, adding up
// to at most 100) and an optional indicator (default "aktuell").
bool LeseABCOption(const std::string& text, TABCInfoRecord& info, std::string& fehler);

// Classifies the run's customers, books unless "ohne" and writes "KUNDE;KLASSE" and one line
// per customer, largest turnover first. False with the reason in `fehler` when the result
// file is refused or the booking fails (then nothing is booked).
bool ABCAusgeben(std::ostream& out, TABCInfoRecord& info, std::string& fehler);

}  // namespace kis::eval
