#pragma once
// The settings of a turnover period premium, stored as the programme's content lines:
//   ZEITRAUM=<length>  EINHEIT=<1 days|2 weeks|3 months>  UMSATZGRENZE=<amount>
//   REGEL=<rule name>  BERECHNUNG=<1 position|2 receipt>  STORNO=<1 skip|2 negative bonus>
//   GUTSCHEINE=<0|1>   EXTRABONUS=<threshold>;<bonus> (one line each, in order)
//   ARTIKEL=<product key a-b-c>;<amount> (one line each, in order)
// Amounts are written with a decimal comma and two decimals.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/keys.h"

struct TQEL_WertBis_Betrag {
    int64_t WertBisCent = 0;
    int64_t BetragCent = 0;
    friend bool operator==(const TQEL_WertBis_Betrag&, const TQEL_WertBis_Betrag&) = default;
};

struct TQEL_PID_GR_Betrag {
    TInt32Trio ProduktId;
    int64_t BetragCent = 0;
    friend bool operator==(const TQEL_PID_GR_Betrag&, const TQEL_PID_GR_Betrag&) = default;
};

inline constexpr int kUMZRTage = 1;
inline constexpr int kUMZRWochen = 2;
inline constexpr int kUMZRMonate = 3;

// Text of a period unit 1..3 ("Tag(e)", "Woche(n)", "Monat(e)"); empty otherwise.
std::string CQEL_UMZR_ZR_Dauer_Typ_2_String(int einheit);

struct TQEL_UMZR_Params {
    int Zeitraum = 0;
    int Einheit = kUMZRTage;
    int64_t UmsatzgrenzeCent = 0;
    std::string Regel;
    int Berechnung = 1;  // 1 position, 2 receipt
    int Storno = 1;      // 1 skip, 2 negative bonus
    bool GutscheinBeiAusgabe = false;
    std::vector<TQEL_WertBis_Betrag> ExtraBonus;
    std::vector<TQEL_PID_GR_Betrag> Artikel;

    void Clear() { *this = TQEL_UMZR_Params(); }
    std::vector<std::string> AssignToStrL() const;
    // Reads the lines; unknown names are skipped. Throws std::invalid_argument on a line
    // whose value cannot be read, so a damaged record is never taken for an empty one.
    void FillFromStrL(const std::vector<std::string>& zeilen);
    friend bool operator==(const TQEL_UMZR_Params&, const TQEL_UMZR_Params&) = default;
};
