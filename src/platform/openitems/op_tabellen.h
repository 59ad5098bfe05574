#pragma once
// A customer's open items, grouped by open-item table ("BONUS", "RSCHEIN", "A-RECHNUNG" ...):
// per table the two amount totals and the items. Shared instance: GlobOPTabellen_GetInstance
// / GlobOPTabellen_ReleaseInstance. One indexed read per customer.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TOPPosten {
    TDateTime Datum = 0;
    long double Betrag1 = 0;
    long double Betrag2 = 0;
    std::string Status;  // "O" open, "A" closed
    int32_t RNr = 0, LNr = 0, SNr = 0;  // bonus reference of bonus items
    std::string RefText;
};

struct TOPTabelle {
    std::string Name;
    long double Summe1 = 0;  // sum of BETRAG1
    long double Summe2 = 0;  // sum of BETRAG2
    std::vector<TOPPosten> Posten;  // by date
    // The open amount: absolute difference of the two totals.
    long double Offen() const;
};

class TOPTabellen {
public:
    void Clear();
    // Client company whose items are loaded; 0/0 = all client companies.
    void SetMandant(const TIntPair& mandant) { mandant_ = mandant; }
    // Loads the customer's items (replacing what was loaded).
    void SetKundeGepNr(const TIntPair& kunde);
    TIntPair Kunde() const { return kunde_; }

    // Table names are compared trimmed and case-insensitively.
    bool Exists(const std::string& tabelle) const;
    const TOPTabelle* Tabelle(const std::string& tabelle) const;
    // Items of a table; empty when the table does not exist.
    const std::vector<TOPPosten>& Items(const std::string& tabelle) const;
    const std::vector<TOPTabelle>& Tabellen() const { return tabellen_; }  // by name

private:
    TIntPair mandant_;
    TIntPair kunde_;
    std::vector<TOPTabelle> tabellen_;
};

TOPTabellen* GlobOPTabellen_GetInstance();
void GlobOPTabellen_ReleaseInstance();
