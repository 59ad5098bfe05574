#pragma once
// The figures of the single-customer short information: turnover of a year, open items per
// open-item table and the customer's bonuses with their state.
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TKundeOPSumme {
    std::string Tabelle;
    int Anzahl = 0;
    long double Offen = 0;  // |sum of first amounts - sum of second amounts|
};

struct TKundeBonus {
    int32_t RNr = 0, LNr = 0, SNr = 0;
    std::string ProgrammId;
    std::string Programm;
    TDateTime Datum = 0;
    long double Wert = 0;
    TDateTime GueltigBis = 0;
    std::string Zustand;  // "offen", "abgeschlossen", "abgelaufen", "verwendet", "verwendet (Kasse)"
};

namespace kis::partners {

class TCustomerSummary {
public:
    // Sum of the customer's documents (running-number file) dated in the year, for the client
    // company (0/0: all).
    long double Umsatz(const TIntPair& mandant, const TIntPair& kunde, int jahr);
    std::vector<TKundeOPSumme> OffenePosten(const TIntPair& mandant, const TIntPair& kunde);
    // The customer's bonuses, newest first.
    std::vector<TKundeBonus> Boni(const TIntPair& mandant, const TIntPair& kunde, TDateTime heute);

    // State of a bonus from its status, validity end and used-mark.
    static std::string Zustand(const std::string& status, TDateTime gueltigBis,
                               const std::string& verwendet, TDateTime heute);
};

}  // namespace kis::partners
