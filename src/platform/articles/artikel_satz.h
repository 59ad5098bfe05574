#pragma once
// An article record (table ARTIKEL) and a season record (table SAISON).
#include <array>
#include <cstdint>
#include <string>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TArtikelSatz {
    TInt32Trio ArtikelNr;
    std::string Bezeichnung;
    int32_t Lieferant = 0;
    std::string LiefArtNr;  // the supplier's article number
    std::string Saison;     // season short code
    int32_t SaisonJahr = 0; // 0 = the code's season current at the date asked for
    std::array<std::string, 6> Merkmal;
    std::string Variante;
    bool Passiv = false;
    long double Vk = 0;
    int32_t Warengruppe = 0;
};

struct TSaisonSatz {
    std::string Kuerzel;
    int32_t Jahr = 0;
    std::string Bezeichnung;
    TDateTime Von = 0;
    TDateTime Bis = 0;
    // Short code followed by the year as four digits ("FS2024"), the season tester's text.
    std::string Text() const;
};
