#pragma once
// The five bonus programme kinds: 1 calculation rules, 2 bonus pass, 3 turnover premium,
// 4 discount coupon, 5 turnover period premium. Each has a German name and the type short
// code under which its programmes and bonuses are stored.
#include <string>

inline constexpr int kBonusTypAnzahl = 5;

// Name of kind 1..5; empty otherwise.
std::string CBonuTypen2Name(int typ);
// Short code of kind 1..5 ("GRUNDTAB", "BONUSPASS", "BONUSUMSA", "BONUSRABS", "BONUSUMZR");
// empty otherwise.
std::string CBonuTypen2Kuerzel(int typ);
// Kind of a short code (blanks and case ignored); 0 when it is none of the five.
int BonuTypen4Kuerzel(const std::string& kuerzel);
// Kind of a name (blanks ignored); 0 when unknown.
int BonuTypen4Name(const std::string& name);
