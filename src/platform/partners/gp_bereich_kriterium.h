#pragma once
// A compiled range criterion over one field of the customer record (see TGpBereich).
#include <string>

#include "platform/partners/gp_satz.h"
#include "platform/partners/gp_selekt_filter.h"

namespace kis::partners {

class BereichKriterium {
public:
    // False when both bounds are empty (no criterion). An unknown kind or an unreadable bound
    // compiles to a criterion that no customer meets (under negation: every customer).
    bool Compile(const TGpBereich& b);
    bool Holds(const TGpSatz& g) const;
    bool Lesbar() const { return lesbar_; }

private:
    enum class Feld { Kundennummer, Kundengruppe, Filiale, Plz, Ort, Name, Geburtstag, Anlagedatum };
    enum class Typ { Zahl, Text, Datum };
    bool CompileBound(const std::string& text, bool bis, long double& zahl, std::string& key);

    Feld feld_ = Feld::Kundennummer;
    Typ typ_ = Typ::Zahl;
    bool negiert_ = false;
    bool lesbar_ = true;
    bool hatVon_ = false, hatBis_ = false;
    long double von_ = 0, bis_ = 0;          // numbers, days, or month*100+day
    std::string vonText_, bisText_;          // folded sort keys
};

}  // namespace kis::partners
