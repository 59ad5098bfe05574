#pragma once
// A compiled attribute or number criterion (see TGpNameWert for the value syntax).
#include <string>
#include <vector>

#include "platform/match/text_match.h"
#include "platform/partners/gp_selekt_filter.h"

namespace kis::partners {

class WertKriterium {
public:
    // False when the value is empty (no criterion).
    bool Compile(const TGpNameWert& nw);
    // Folded, trimmed name the criterion applies to.
    const std::string& Name() const { return name_; }
    // The customer's values under this name (none = the empty value).
    bool Holds(const std::vector<std::string>& werte) const;
    // An exact value that an index can look up (no wildcards, operators or inversion);
    // empty when there is none.
    std::string ExakterWert() const;

private:
    enum class Art { Gefuellt, Leer, Vergleich, Muster };
    bool HoldsOne(const std::string& wert) const;

    std::string name_;
    Art art_ = Art::Muster;
    bool invert_ = false;
    std::string op_;
    std::string operand_;
    long double zahl_ = 0;
    bool istZahl_ = false;
    kis::match::Pattern muster_;
};

}  // namespace kis::partners
