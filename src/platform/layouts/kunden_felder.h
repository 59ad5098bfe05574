#pragma once
// The customer data a card or label prints, and the exchange of the placeholders in a field's
// text ("#NAME#", "#PLZ# #ORT#" ...) for a customer's values.
#include <string>
#include <string_view>
#include <vector>

#include "platform/partners/gp_satz.h"

namespace kis::layouts {

struct TKundenDaten {
    TGpSatz Satz;
    std::string Mandant;         // the client company's name
};

struct TPlatzhalter {
    const char* Name;            // without the "#" signs
    const char* Caption;         // what the layout dialog offers
};

// Every placeholder a field may use, in the order the dialog offers them.
const std::vector<TPlatzhalter>& Platzhalter();

// The names of "#NAME#"-like placeholders in the text that are not known.
std::vector<std::string> UnbekanntePlatzhalter(std::string_view inhalt);

// The text with every known placeholder exchanged; runs of blanks become one blank and the
// result is trimmed, so "#VORNAME# #NAME#" of a customer without first name gives "Zander".
std::string FeldText(std::string_view inhalt, const TKundenDaten& kunde);

// The customer number as the user knows it: the left number, "left/right" when the right
// number is not 0.
std::string KundenNummerText(const TIntPair& gepNr);

// A customer to show in the preview when the list has none.
TKundenDaten MusterKunde(const std::string& mandant);

}  // namespace kis::layouts
