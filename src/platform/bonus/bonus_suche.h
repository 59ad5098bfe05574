#pragma once
// The search of the bonus processing windows: the bonuses whose open item (table "BONUS") and
// bonus record pass a filter, in the order of the open items' dates. Used bonuses are never
// found: their open item is gone, or their service record carries a used-mark.
//
// Bounds: dates compare whole days, a date of 0 is no bound; the value bounds compare whole
// cents and count only when they round to more than 0 cents (0,004 is no bound); the length
// bounds count when above 0. A bonus whose row cannot be checked is left out and its reason
// is added to Fehler(), so nobody books a bonus that was never checked.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "platform/bonus/bonus_tabellen.h"

struct TBonusSuchFilter {
    TIntPair Mandant;                 // the client company the open items belong to
    TIntPair Kunde;                   // 0/0: every customer
    TDateTime DatumVon = 0;           // open item's date
    TDateTime DatumBis = 0;
    std::string Tabelle = "BONUS";    // open-item table; "NONE" finds nothing
    std::optional<std::string> ProgrammId;    // equality when set
    std::optional<std::string> ProgrammName;  // equality when set (also when empty)
    long double WertMin = 0;          // bonus value
    long double WertMax = 0;
    int32_t LaengeMin = 0;
    int32_t LaengeMax = 0;
    bool Offen = true;                // status "O" of the open item and of the bonus
    bool Abgeschlossen = false;       // status "A"
    bool NurManuell = false;          // programme id begins "BONUSMAN" or "RSCHEMAN"
    TDateTime GueltigVon = 0;         // validity end of a manual grant (kind "BM")
    TDateTime GueltigBis = 0;
};

struct TBonusTreffer {
    TBonusIdent Ref;
    TIntPair Kunde;
    TDateTime Datum = 0;       // date of the open item
    std::string ProgrammId;
    std::string Programm;
    std::string Status;        // status of the bonus record
    std::string Art;           // "BM" for manual grants
    long double Wert = 0;
    int32_t Laenge = 0;
    TDateTime GueltigBis = 0;
};

class TBonusSuche {
public:
    // Runs after each open item read (the windows let their events through here).
    std::function<void()> NachPosten;

    // Throws when the search as a whole cannot run (store failure).
    std::vector<TBonusTreffer> Suchen(const TBonusSuchFilter& filter);
    // Why bonuses were left out of the last search, one German line each.
    const std::vector<std::string>& Fehler() const { return fehler_; }

    // The tests of one found bonus against the filter's bounds (exposed for the tests).
    static bool Passt(const TBonusSuchFilter& filter, const TBonusTreffer& t);

private:
    std::vector<std::string> fehler_;
};

// "RNr-LNr-SNr" of a bonus, as the messages name it.
std::string BonusRefText(const TBonusIdent& ref);
