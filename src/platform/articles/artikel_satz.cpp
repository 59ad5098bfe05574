#include "platform/articles/artikel_satz.h"

#include <cstdio>

std::string TSaisonSatz::Text() const {
    char jahr[16];
    std::snprintf(jahr, sizeof jahr, "%.4d", Jahr);
    return Kuerzel + jahr;
}
