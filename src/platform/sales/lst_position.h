#pragma once
// One sales position (a row of the sales list LST), as the evaluation reads it and hands it
// to TLSTQuery::Check_LST.
#include <cstdint>
#include <string>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TLSTPosition {
    TIntPair Mandant;
    int32_t RNr = 0;    // branch number of the document
    int32_t LNr = 0;    // running document number within the branch
    int32_t PosNr = 0;
    std::string Art;    // position kind: "A9" sale, "SO", "RS", "GS" voucher sold ...
    TDateTime Datum = 0;
    int32_t Filiale = 0;
    TInt32Trio ArtikelNr;
    int32_t Groesse = 0;
    std::string VkKz;   // sales code, one character
    long double IstVk = 0;     // actual sales value
    long double SollVk = 0;    // list (target) sales value
    long double RedSollVk = 0; // reduced target value
    long double Nachlass = 0;  // discount in percent
    int32_t Menge = 0;
    std::string Bonus1Art;     // bonus marks: a kind ("BN") and the bonus reference
    TInt32Trio Bonus1;
    std::string Bonus2Art;
    TInt32Trio Bonus2;

    // Settled for a bonus: either bonus mark carries a kind.
    bool BonusVerrechnet() const;
};
