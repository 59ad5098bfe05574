#pragma once
// Lengths and sizes as a layout file and the layout dialog write them: German decimal comma,
// at most two decimals, no trailing zeros ("85,6", "4,5", "210").
#include <optional>
#include <string>
#include <string_view>

namespace kis::layouts {

std::string ZahlText(double wert);

// Reads "85,6" or "85.6" (blanks around ignored); nullopt for anything else, also for a
// number that is not finite.
std::optional<double> ZahlLesen(std::string_view text);

}  // namespace kis::layouts
