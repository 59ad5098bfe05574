#include "platform/accounting/zm_tabelle.h"

#include "platform/base/german_collation.h"
#include "platform/match/text_match.h"

namespace {
struct ZM {
    const char* kuerzel;
    const char* bez;
};
constexpr ZM kZM[kZMAnzahl] = {
    {"BAR", "Bargeld"},                  // 1
    {"SCHECK", "Scheck"},                // 2
    {"EC", "EC-Karte"},                  // 3
    {"KREDIT", "Kreditkarte"},           // 4
    {"LASTSCHR", "Lastschrift"},         // 5
    {"UEBERW", "Überweisung"},           // 6
    {"RECHNUNG", "Rechnung"},            // 7
    {"FINANZ", "Finanzierung"},          // 8
    {"ANZAHL", "Anzahlung"},             // 9
    {"KUNDKTO", "Kundenkonto"},          // 10
    {"BONUS", "Bonus"},                  // 11
    {"RABSCH", "Rabattschein"},          // 12
    {"PERSKAUF", "Personalkauf"},        // 13
    {"MOBIL", "Mobile Zahlung"},         // 14
    {"ONLINE", "Online-Zahlung"},        // 15
    {"NACHNAHME", "Nachnahme"},          // 16
    {"WERTSCH", "Wertscheck"},           // 17
    {"KUNDKART", "Kundenkarte"},         // 18
    {"RUNDUNG", "Rundungsdifferenz"},    // 19
    {"GUTSCHEIN", "Gutschein"},          // 20
    {"FREMDWAE", "Fremdwährung"},        // 21
    {"VERRECH", "Verrechnung"},          // 22
    {"SKONTO", "Skonto"},                // 23
    {"AUSZAHL", "Auszahlung"},           // 24
    {"GUTSCHR", "Gutschrift"},           // 25
    {"WARENGS", "Warengutschein"},       // 26
    {"GIROCARD", "Girocard kontaktlos"}, // 27
    {"TRINKG", "Trinkgeld"},             // 28
    {"PFAND", "Pfand"},                  // 29
    {"SPENDE", "Spende"},                // 30
    {"KLEINGELD", "Wechselgeld"},        // 31
    {"SONSTIGE", "Sonstige Zahlungsmittel"},  // 32
};
}  // namespace

std::string CORV_ZM_2_Kuerzel(int index) {
    return index >= 1 && index <= kZMAnzahl ? kZM[index - 1].kuerzel : "";
}

std::string ZM_2_Bez(int index) { return index >= 1 && index <= kZMAnzahl ? kZM[index - 1].bez : ""; }

int ZM_Kuerzel_2_Index(const std::string& kuerzel) {
    const std::string k = kis::text::FoldCase(kis::match::Trim(kuerzel));
    if (k.empty()) return 0;
    for (int i = 0; i < kZMAnzahl; ++i)
        if (k == kis::text::FoldCase(kZM[i].kuerzel)) return i + 1;
    return 0;
}
