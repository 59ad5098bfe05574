#pragma once
// The master data of one business partner (table GEP).
#include <cstdint>
#include <string>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TGpSatz {
    TIntPair GepNr;
    TIntPair Mandant;
    std::string Anrede;
    std::string Name;
    std::string Name2;
    std::string Vorname;
    std::string Suchname;
    std::string Strasse;
    std::string Plz;
    std::string Ort;
    std::string Land;
    std::string Telefon;
    std::string Email;
    TDateTime Geburtstag = 0;
    std::string Geschlecht;  // "M", "W", "U"
    std::string Status;      // "A" active, "P" passive
    bool Werbung = false;
    bool Serienbrief = false;
    int32_t Kundengruppe = 0;
    int32_t Filiale = 0;
    TDateTime Anlagedatum = 0;

    // Trimmed "name name2 firstname" with single blanks, for progress texts.
    std::string AnzeigeName() const;
};
