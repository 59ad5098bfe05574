#include "platform/tables/bonus_typen.h"

#include "platform/base/german_collation.h"
#include "platform/match/text_match.h"

namespace {
struct Typ {
    const char* name;
    const char* kuerzel;
};
constexpr Typ kTypen[kBonusTypAnzahl] = {
    {"Berechnungsvorschriften", "GRUNDTAB"},
    {"Bonusprogramm - Prämienpass", "BONUSPASS"},
    {"Bonusprogramm - Umsatzprämie", "BONUSUMSA"},
    {"Bonusprogramm - Rabattschein", "BONUSRABS"},
    {"Bonusprogramm - Umsatzzeitraumprämie", "BONUSUMZR"},
};
}  // namespace

std::string CBonuTypen2Name(int typ) {
    return typ >= 1 && typ <= kBonusTypAnzahl ? kTypen[typ - 1].name : "";
}

std::string CBonuTypen2Kuerzel(int typ) {
    return typ >= 1 && typ <= kBonusTypAnzahl ? kTypen[typ - 1].kuerzel : "";
}

int BonuTypen4Kuerzel(const std::string& kuerzel) {
    const std::string k = kis::text::FoldCase(kis::match::Trim(kuerzel));
    for (int i = 0; i < kBonusTypAnzahl; ++i)
        if (k == kis::text::FoldCase(kTypen[i].kuerzel)) return i + 1;
    return 0;
}

int BonuTypen4Name(const std::string& name) {
    const std::string n = kis::match::Trim(name);
    for (int i = 0; i < kBonusTypAnzahl; ++i)
        if (n == kTypen[i].name) return i + 1;
    return 0;
}
