#pragma once
// The records of the two work files of an evaluation run, as plain values: the customer sums
// file (KISUFILE) and the sales detail file (KIVKFILE). The engine fills them in memory and
// hands them to TKIWorkFiles for writing.
#include <array>
#include <cstdint>
#include <string>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TKisuSatz {
    int64_t RowId = 0;  // 0: the file chooses; else the run numbers its records itself
    TIntPair Kunde;
    std::string Art;
    std::string Name;
    std::string Vorname;
    long double SelUmsatz = 0;
    int32_t SelMenge = 0;
    long double GesUmsatz = 0;
    int32_t GesMenge = 0;

    void Clear() { *this = TKisuSatz(); }
};

struct TKivkSatz {
    int64_t RowId = 0;  // as in TKisuSatz
    TIntPair Kunde;
    std::string Art;
    int32_t RNr = 0;
    int32_t LNr = 0;
    int32_t PosNr = 0;
    std::string BelegArt;
    int32_t BelegLNr = 0;
    int32_t BelegRNr = 0;
    int32_t AtkNr1 = 0;  // only on documents built from open transactions
    int32_t AtkNr2 = 0;
    TDateTime Datum = 0;
    int32_t Filiale = 0;
    TInt32Trio ArtikelNr;
    std::string LiefName;
    std::string LiefArt;
    std::array<std::string, 6> Merkmal;
    std::string Groesse;
    std::string VkKz;
    long double IstVk = 0;
    long double SollVk = 0;
    int32_t Menge = 0;
    long double GesWert = 0;
    int32_t GesMenge = 0;
    int32_t AnzPos = 0;  // selected positions of a document while it is built
    // A position settled for a bonus when the run read it; the generation that follows the
    // run skips it without asking the sales list again.
    bool Verrechnet = false;

    // Empties every field; strings keep their buffers, so a reused record costs no allocation.
    void Clear();
};
