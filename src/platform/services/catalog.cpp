#include "platform/services/catalog.h"

#include <algorithm>

#include "platform/match/text_match.h"
#include "platform/services/text.h"

namespace kis::services {

namespace {

struct Entry {
    std::string_view catalogue;
    int number;
    std::string_view text;
};

// Sorted by catalogue and number.
constexpr Entry kEntries[] = {
    {"AUSBEA", 1009, "Das Von-Datum liegt nach dem Bis-Datum."},

    {"MEROVA", 1000,
     "Sie haben ein anderes Bonusprogramm gewählt als beim letzten Mal.\n"
     "Möchten Sie mit diesem Bonusprogramm fortfahren?"},
    {"MEROVA", 1001,
     "Die Selektion war nicht erfolgreich: Es wurden keine Kunden gefunden oder die "
     "Auswertung wurde abgebrochen."},
    {"MEROVA", 1002,
     "Das Anhängen an die Selektion war nicht erfolgreich: Es wurden keine weiteren Kunden "
     "gefunden oder die Auswertung wurde abgebrochen."},
    {"MEROVA", 1003, "Sollen alle selektierten Kunden auf passiv gesetzt werden?"},
    {"MEROVA", 1004, "Es wurden %s Kunden auf passiv gesetzt."},
    {"MEROVA", 1005, "Sollen die markierten Boni als verwendet gekennzeichnet werden?"},
    {"MEROVA", 1006, "Es sind keine Boni markiert."},
    {"MEROVA", 1007, "Sollen die markierten Boni storniert werden?"},
    {"MEROVA", 1008,
     "Für diesen Kunden ist der Bonus negativ.\n"
     "Sollen Kunden mit negativem Bonus in den Serienbrief übernommen werden?"},
    {"MEROVA", 1020, "Soll der gewählte Bonus als verwendet gekennzeichnet werden?"},
    {"MEROVA", 1021, "Soll der gewählte Bonus storniert werden?"},
    {"MEROVA", 1030, "Bitte wählen Sie zuerst einen Bonus oder einen Rabattschein aus."},
    {"MEROVA", 1031,
     "Ein neuer, noch nicht gebuchter Bonus kann nicht ausgewählt werden."},
    {"MEROVA", 1032, "Die Nummer des gewählten Bonus ist ungültig."},
    {"MEROVA", 1033, "Der gewählte Bonus wurde nicht gefunden."},
    {"MEROVA", 1034, "Der gewählte Bonus ist nicht mehr offen."},

    {"STANDARD", 991, "Unbekannter Mandant: %s"},
    {"STANDARD", 992, "Programmfehler: %s %s"},
    {"STANDARD", 994, "Es sind keine Daten vorhanden."},
    {"STANDARD", 997, "Export erfolgreich."},
};

const Entry* Find(std::string_view catalogue, int number) {
    const std::string name = UpperGerman(match::Trim(catalogue));
    for (const Entry& e : kEntries)
        if (e.number == number && e.catalogue == name) return &e;
    return nullptr;
}

}  // namespace

bool CatalogHasText(std::string_view catalogue, int number) {
    return Find(catalogue, number) != nullptr;
}

std::string CatalogText(std::string_view catalogue, int number) {
    if (const Entry* e = Find(catalogue, number)) return std::string(e->text);
    return "Meldung " + std::to_string(number) + " aus Katalog " + std::string(catalogue) +
           " ist nicht vorhanden.";
}

std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& params) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            const char c = text[i + 1];
            if (c == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (c == 's' || c == 'd') {
                if (next < params.size()) out += params[next];
                ++next;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string FormatCatalogText(std::string_view catalogue, int number,
                              const std::vector<std::string>& params) {
    return FillPlaceholders(CatalogText(catalogue, number), params);
}

std::vector<int> CatalogNumbers(std::string_view catalogue) {
    const std::string name = UpperGerman(match::Trim(catalogue));
    std::vector<int> numbers;
    for (const Entry& e : kEntries)
        if (e.catalogue == name) numbers.push_back(e.number);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace kis::services
