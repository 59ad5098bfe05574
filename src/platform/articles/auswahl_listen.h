#pragma once
// Lists for the pickers of the selection boxes: all suppliers, all season codes.
#include <cstdint>
#include <string>
#include <vector>

struct TLieferantEintrag {
    int32_t Nr = 0;
    std::string Kurzname;
    std::string Name;
};

// Every supplier, by number.
std::vector<TLieferantEintrag> LieferantenListe();
// The season codes, each once, in alphabetical order.
std::vector<std::string> SaisonKuerzelListe();
