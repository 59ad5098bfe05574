#pragma once
// Sales-position criteria of an evaluation, applied by TLSTQuery::Check_LST. The defaults
// (after Clear) accept every position.
#include <cstdint>
#include <string>
#include <vector>

class TLSTFilter {
public:
    // Sale date bounds as eight digits "ddmmyyyy" (as the date edits hold them); a day or a
    // day and month left blank or 0 widens the bound to the month or year. Empty = no bound.
    std::string DatumVon;
    std::string DatumBis;
    bool DatumNeg = false;

    // Branch list, one line "nr=1" (branch taken) or "nr=0" (branch left out). An empty list
    // or one without any "=0" line takes every branch; otherwise only branches listed with 1.
    std::vector<std::string> Filialen;

    // Article key "a-b-c" (a shorter text fills the missing parts with 0). Empty = no criterion.
    std::string ArtikelNr;
    bool ArtikelNrNeg = false;

    // Sales codes: each character (blanks, ',' and ';' ignored) is one accepted VKKZ value.
    std::string VkKz;
    bool VkKzNeg = false;

    // Actual price ISTVK, compared at cent precision on absolute values; negative = no bound.
    long double IstVkMin = -1;
    long double IstVkMax = -1;
    bool IstVkNeg = false;

    // Reduced = ISTVK below SOLLVK. The two sub-options restrict the reduced sales when exactly
    // one of them is set: ISTVK equal to (IGRS) or below (IKRS) the reduced target price
    // REDSOLLVK. Neither or both set: all reduced sales.
    bool NichtReduziert = true;
    bool Reduziert = true;
    bool ReduziertIstGleichRedSoll = true;   // "IstVk = red. SollVk"
    bool ReduziertIstKleinerRedSoll = true;  // "IstVk < red. SollVk"

    // Discount percent NACHLASS of reduced sales; negative = no bound.
    long double NachlassMin = -1;
    long double NachlassMax = -1;
    bool NachlassNeg = false;

    // Settled for a bonus = BONUS1ART or BONUS2ART not empty.
    bool BonusVerrechnet = true;
    bool NichtBonusVerrechnet = true;

    void Clear() { *this = TLSTFilter(); }
    void Assign(const TLSTFilter& source) { *this = source; }
};
