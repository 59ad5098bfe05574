#pragma once
// Reads an evaluation filter from a text file of "name=value" lines: the fields of
// TMerovaFilter by their names, the fields of its sub-filters as "AAFilter.x", "GPFilter.x"
// and "LSTFilter.x". Blank lines and lines starting with '#' are ignored. List fields
// (FZM, FOP, FSonderBoni4PIds, LSTFilter.Filialen, GPFilter.Merkmale, GPFilter.Nummern,
// GPFilter.Bereiche) take one entry per line. Amounts take a decimal comma or point with at
// most two decimals and no thousands separators; anything else is refused, never guessed.
#include <string>
#include <vector>

#include "engine/merova_filter.h"

namespace kis::eval {

// Applies one line; false with a German message in `fehler` when the name is unknown or the
// value cannot be read.
bool ApplyLine(TMerovaFilter& filter, const std::string& line, std::string& fehler);

// Reads a whole file; false with "Datei:Zeile: Meldung" on the first bad line.
bool ReadFilterFile(const std::string& path, TMerovaFilter& filter, std::string& fehler);

// The help text listing every name and the form of its value.
std::string FilterHelp();

}  // namespace kis::eval
