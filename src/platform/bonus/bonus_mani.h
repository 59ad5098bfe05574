#pragma once
// The bonus manager: books a bonus or discount coupon granted by hand. One grant is written in
// one booking into its three places: the bonus record (kind "BM"), its open item (table
// "BONUS", coupons "RSCHEIN") and its service record. A manual grant has no document, so it
// marks no sales position and its text block stays empty.
#include <string>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

// The grant record the manual-grant dialog fills.
struct TQEL_ManuellerBonus {
    int Art = 0;                 // 0 bonus, 1 discount coupon
    TIntPair Kunde;
    long double Betrag = 0;      // bonus amount
    TDateTime GueltigBis = 0;    // 0 = unlimited
    long double MindestVerkaufswert = 0;
    std::string Konto;           // short code of the bonus account
    std::string RabattscheinTyp; // identifier of the coupon type
    long double Prozent = 0;     // coupon percent

    void Clear() { *this = TQEL_ManuellerBonus(); }
};

// The reference of a booked bonus.
struct TBonusReferenz {
    int32_t RNr = 0, LNr = 0, SNr = 0;
};

inline constexpr const char* kProgrammIdBonusManuell = "BONUSMANU";
inline constexpr const char* kProgrammIdRabattscheinManuell = "RSCHEMANU";
// Booking type of a manual bonus grant.
inline constexpr int kBuchungManuellerBonus = 41;

class TQEL_BonusMani {
public:
    // Books the grant for the current client company and returns the new bonus's reference.
    // Throws std::invalid_argument for a grant that cannot be booked (no customer, a customer
    // that does not exist, a bonus amount not above 0,00, a percent outside 0,01..99,99, a
    // negative minimum sales value); nothing is written then.
    TBonusReferenz BONUBucheManuell(const TQEL_ManuellerBonus& grant);
    // The date a grant gets (0: today). The demo generator dates its grants in its past.
    TDateTime Heute = 0;
};
