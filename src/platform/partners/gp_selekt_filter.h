#pragma once
// Customer (business-partner) criteria of an evaluation or a serial-letter selection, applied
// by TGpSelektion::SelektionCheck. The defaults (after Clear) accept every customer.
#include <cstdint>
#include <string>
#include <vector>

// A text criterion: '*' and '?' are wildcards, case and umlaut folding as in the German
// collation; without wildcards the text must match from the start ("Mei" finds "Meier").
struct TGpTextKriterium {
    std::string Wert;
    bool Negiert = false;
    bool IsSet() const;  // Wert not blank
};

// A range: numeric (Art empty, from/to as numbers) or named (Art names the field, texts).
// Named kinds: "Kundennummer", "Kundengruppe", "Filiale", "Postleitzahl", "Ort", "Name",
// "Geburtstag" (ddmm), "Anlagedatum" (ddmmyyyy). An empty bound text is open.
struct TGpBereich {
    std::string Art;
    std::string Von;
    std::string Bis;
    bool Negiert = false;
};

// One attribute or number criterion: name (attribute name / number kind) and value pattern.
// Value: empty = no criterion; "<gefüllt>" = any non-empty value; "<leer>" = none or empty;
// ">x", ">=x", "<x", "<=x", "<>x", "=x" compare (numerically when both sides are numbers);
// anything else is a wildcard pattern. A leading '!' inverts the whole criterion.
struct TGpNameWert {
    std::string Name;
    std::string Wert;
};

class TGpSelektFilter {
public:
    // Address criteria.
    TGpTextKriterium Name;
    TGpTextKriterium Name2;
    TGpTextKriterium Vorname;
    TGpTextKriterium Suchname;
    TGpTextKriterium Strasse;
    TGpTextKriterium Plz;
    TGpTextKriterium Ort;
    TGpTextKriterium Land;
    TGpTextKriterium Telefon;
    TGpTextKriterium Email;
    // Postcode range (texts compared as postcodes of equal length; empty = open).
    std::string PlzVon;
    std::string PlzBis;
    bool PlzBereichNeg = false;
    // "M", "W", "U"; empty = no criterion.
    std::string Geschlecht;
    bool GeschlechtNeg = false;

    // Extended criteria. Status: 0 only active ("A"), 1 only passive ("P"), 2 all.
    int Status = 2;
    // Yes/no flags: -1 don't care, 0 not set, 1 set.
    int Werbung = -1;
    int Serienbrief = -1;
    int MitEmail = -1;
    // Customer number (left number of the key) and customer group; -1 = open bound.
    int32_t KundenNrVon = -1;
    int32_t KundenNrBis = -1;
    bool KundenNrNeg = false;
    int32_t KundengruppeVon = -1;
    int32_t KundengruppeBis = -1;
    bool KundengruppeNeg = false;
    // Further ranges (numeric range: Art "Kundennummer"; see TGpBereich).
    std::vector<TGpBereich> Bereiche;

    // Attribute criteria (GPMERKMAL) and number criteria (GPNUMMER); all must hold.
    std::vector<TGpNameWert> Merkmale;
    std::vector<TGpNameWert> Nummern;

    // Name search: customers whose search name begins with SuchText (case ignored). With
    // NameSucheAusschliessen the matching customers are left out instead.
    bool NameSuche = false;
    bool NameSucheAusschliessen = false;
    std::string SuchText;

    void Clear() { *this = TGpSelektFilter(); }
    void Assign(const TGpSelektFilter& source) { *this = source; }
    // Adds "name=value" (as the attribute and number grids write it); false without '='.
    bool AddMerkmalLine(const std::string& line);
    bool AddNummerLine(const std::string& line);
    // True when any criterion is set.
    bool IsActive() const;
};
