#pragma once
// Converting bonuses into a voucher. One conversion is one booking of type 42 for one
// customer: it writes the voucher as an open item of table "A-GUTSCHEI" (first amount 0,
// second amount the voucher amount, so the till can redeem it under its number) and marks
// every handed bonus used: its open item is removed and its service record gets the used-mark
// "GUTSCHEIN" with the voucher's reference as usage reference. Either all of this happens or
// nothing: a bonus that is incomplete, used, of another customer or changed in value since the
// search stops the whole conversion.
//
// The voucher's number is (workstation id, next running number of the vouchers of that
// workstation); its reference text is the number as "%.4d%.9d".
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "platform/bonus/bonus_orte.h"

inline constexpr int kBuchungBoniInGutschein = 42;
inline constexpr const char* kOpTabelleGutschein = "A-GUTSCHEI";
inline constexpr const char* kVerwendetGutschein = "GUTSCHEIN";

// A bonus handed to the conversion with the value the user saw.
struct TGutscheinBonus {
    TBonusIdent Ref;
    long double Bonus = 0;
};

struct TGutscheinNr {
    int32_t RNr = 0;
    int32_t LNr = 0;
    // "%.4d%.9d", the reference the open item and the bonuses' usage reference carry.
    std::string RefText() const;
};

// The voucher amount of a bonus value: the value itself, or with a rule name the rule applied
// to it, rounded to cents.
long double GutscheinBetrag(long double wert, const std::string& regel);

// Books the conversion and returns the voucher's number. Throws TBonusNichtBuchbar (nothing
// written) for an empty list, an amount not above 0,00, or a bonus that cannot be converted;
// other failures throw as well and roll the booking back.
TGutscheinNr Buche_Boni2Gutschein(const TIntPair& kunde, const std::vector<TGutscheinBonus>& boni,
                                  long double betrag);
