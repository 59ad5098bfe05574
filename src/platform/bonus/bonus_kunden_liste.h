#pragma once
// The bonuses a search found, per customer, and the row keys of the grid that lists them:
// one row per bonus, or with grouping one summed row per customer. A row key is the customer
// key written "%.4d%.9d" followed by "SUMM" (the customer's summed row) or by the bonus's
// position in the customer's list written "%.4d".
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/base/keys.h"
#include "platform/bonus/bonus_verwendung.h"

// One customer's bonuses in the order found, and their sums.
struct TKundeBonusInfo {
    TIntPair Kunde;
    long double Bonus = 0;
    long double Gutschein = 0;
    long double Rabatt = 0;  // discount coupons
    std::vector<TIdent> BonusListe;
};

class TBonusKundenListe {
public:
    void Clear();
    bool Empty() const { return kunden_.empty(); }
    // Adds a bonus under its customer (its Bonus, Gutschein and Rabatt go to the sums) and
    // returns its position in the customer's list.
    int Add(const TIntPair& kunde, const TIdent& bonus);
    // nullptr for a customer without bonuses.
    const TKundeBonusInfo* Find(const TIntPair& kunde) const;
    // The customers in the order of their first bonus.
    std::vector<const TKundeBonusInfo*> Kunden() const;

    // Row keys: position < 0 gives the customer's summed row.
    static std::string ZeilenSchluessel(const TIntPair& kunde, int position);
    // The customer of a row key; the empty pair when its first 13 characters are no key.
    static TIntPair KundeAusSchluessel(const std::string& schluessel);
    // The bonuses a row stands for: all of the customer's for a summed row, else the one at
    // the position; empty for a key of an unknown customer or position.
    std::vector<TIdent> BoniZuSchluessel(const std::string& schluessel) const;

private:
    std::vector<TKundeBonusInfo> kunden_;
    std::unordered_map<TIntPair, size_t> index_;
};
