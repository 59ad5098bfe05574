#pragma once
// Message catalogues of the suite: German texts by catalogue name and number.
//   "MEROVA"   the messages of the customer information system (from 1000)
//   "STANDARD" messages shared by all programs of the suite
//   "AUSBEA"   messages of the input checks
// A text may hold placeholders "%s" (or "%d"), filled in order by FormatCatalogText.
#include <string>
#include <string_view>
#include <vector>

namespace kis::services {

inline constexpr std::string_view kCatalogMerova = "MEROVA";
inline constexpr std::string_view kCatalogStandard = "STANDARD";
inline constexpr std::string_view kCatalogAusbea = "AUSBEA";

// True when the catalogue (name case ignored) holds a text for the number.
bool CatalogHasText(std::string_view catalogue, int number);

// The raw text with its placeholders. An unknown catalogue or number gives the fallback
// "Meldung <number> aus Katalog <catalogue> ist nicht vorhanden."; never throws.
std::string CatalogText(std::string_view catalogue, int number);

// The text with its placeholders filled from params in order ("%%" gives "%"). Missing
// parameters leave the placeholder empty; surplus parameters are ignored.
std::string FormatCatalogText(std::string_view catalogue, int number,
                              const std::vector<std::string>& params = {});

// Fills "%s" / "%d" placeholders of any text in order.
std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& params);

// The numbers a catalogue holds, ascending (empty for an unknown catalogue).
std::vector<int> CatalogNumbers(std::string_view catalogue);

}  // namespace kis::services
