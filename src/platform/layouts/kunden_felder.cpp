#include "platform/layouts/kunden_felder.h"

namespace kis::layouts {

namespace {

bool IstNamensZeichen(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

const TPlatzhalter* Finde(std::string_view name) {
    for (const TPlatzhalter& p : Platzhalter())
        if (name == p.Name) return &p;
    return nullptr;
}

std::string Wert(std::string_view name, const TKundenDaten& k) {
    const TGpSatz& s = k.Satz;
    if (name == "ANREDE") return s.Anrede;
    if (name == "NAME") return s.Name;
    if (name == "NAME2") return s.Name2;
    if (name == "VORNAME") return s.Vorname;
    if (name == "STRASSE") return s.Strasse;
    if (name == "PLZ") return s.Plz;
    if (name == "ORT") return s.Ort;
    if (name == "LAND") return s.Land;
    if (name == "KUNDENNR") return KundenNummerText(s.GepNr);
    if (name == "TELEFON") return s.Telefon;
    if (name == "EMAIL") return s.Email;
    if (name == "MANDANT") return k.Mandant;
    return {};
}

// Calls `f(start, ende, name)` for every "#NAME#" in the text whose name is made of capitals,
// digits, "_" and "-"; a lone "#" is plain text.
template <class F>
void JederPlatzhalter(std::string_view text, F f) {
    size_t i = 0;
    while ((i = text.find('#', i)) != std::string_view::npos) {
        size_t j = i + 1;
        while (j < text.size() && IstNamensZeichen(text[j])) ++j;
        if (j < text.size() && text[j] == '#' && j > i + 1) {
            f(i, j + 1, text.substr(i + 1, j - i - 1));
            i = j + 1;
        } else {
            i = j;  // a following "#" may open the next placeholder
        }
    }
}

}  // namespace

const std::vector<TPlatzhalter>& Platzhalter() {
    static const std::vector<TPlatzhalter> liste = {
        {"ANREDE", "Anrede"},       {"VORNAME", "Vorname"},  {"NAME", "Name"},
        {"NAME2", "Name 2"},        {"STRASSE", "Straße"},   {"PLZ", "PLZ"},
        {"ORT", "Ort"},             {"LAND", "Land"},        {"KUNDENNR", "Kundennummer"},
        {"TELEFON", "Telefon"},     {"EMAIL", "E-Mail"},     {"MANDANT", "Mandant"},
    };
    return liste;
}

std::vector<std::string> UnbekanntePlatzhalter(std::string_view inhalt) {
    std::vector<std::string> out;
    JederPlatzhalter(inhalt, [&](size_t, size_t, std::string_view name) {
        if (!Finde(name)) out.emplace_back(name);
    });
    return out;
}

std::string FeldText(std::string_view inhalt, const TKundenDaten& kunde) {
    std::string roh;
    size_t bis = 0;
    JederPlatzhalter(inhalt, [&](size_t start, size_t ende, std::string_view name) {
        roh.append(inhalt.substr(bis, start - bis));
        roh.append(Finde(name) ? Wert(name, kunde) : std::string(inhalt.substr(start, ende - start)));
        bis = ende;
    });
    roh.append(inhalt.substr(bis));
    // One blank between words; tabs and line breaks of a value count as blanks.
    std::string out;
    bool blank = false;
    for (char c : roh) {
        const bool leer = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (leer) {
            blank = !out.empty();
            continue;
        }
        if (blank) out.push_back(' ');
        blank = false;
        out.push_back(c);
    }
    return out;
}

std::string KundenNummerText(const TIntPair& gepNr) {
    return gepNr.Rnr == 0 ? std::to_string(gepNr.Lnr) : gepNr.ToString();
}

TKundenDaten MusterKunde(const std::string& mandant) {
    TKundenDaten k;
    k.Satz.GepNr = TIntPair(10047, 0);
    k.Satz.Anrede = "Frau";
    k.Satz.Vorname = "Erika";
    k.Satz.Name = "Mustermann";
    k.Satz.Strasse = "Heidestraße 17";
    k.Satz.Plz = "51147";
    k.Satz.Ort = "Köln";
    k.Satz.Land = "D";
    k.Satz.Telefon = "0221 123456";
    k.Satz.Email = "erika.mustermann@example.de";
    k.Mandant = mandant.empty() ? "Musterhaus GmbH" : mandant;
    return k;
}

}  // namespace kis::layouts
