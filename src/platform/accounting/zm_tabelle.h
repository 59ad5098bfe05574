#pragma once
// The fixed payment-means table of the suite: index 1..32 → short code and German
// designation. Payment records carry the short code; index 20 is the voucher.
#include <string>

inline constexpr int kZMAnzahl = 32;
inline constexpr int kZMIndexGutschein = 20;

// Short code of index 1..32 ("BAR", "GUTSCHEIN" ...); empty otherwise.
std::string CORV_ZM_2_Kuerzel(int index);
// German designation of index 1..32; empty otherwise.
std::string ZM_2_Bez(int index);
// Index of a short code (blanks and case ignored); 0 when unknown.
int ZM_Kuerzel_2_Index(const std::string& kuerzel);
