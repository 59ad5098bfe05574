#pragma once
// Marking bonuses as used by hand and cancelling them.
//
// A bonus lives in four places: its bonus record, its open item (table "BONUS", coupons
// "RSCHEIN"), its service record and the "BN" marks on the sales positions that earned it.
// Each bonus of a list is changed in a booking of its own (type 43) that changes all of its
// places or none. A bonus that is gone (cancelled), already used, or missing in one of its
// places is left alone and reported; so a list handed twice, or a bonus another workstation
// changed since it was listed, is never applied twice.
//
// Marking as used: the open item is deleted, the service record gets the used-mark
// "ZURUECKGEZ" and the booking's number ("%.4d%.9d") as usage reference; the bonus record
// stays as it is.
// Cancelling: the positions whose marks name the bonus are released (they count for a later
// bonus again), and open item, service record and bonus record are deleted.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/datetime.h"

// One bonus handed to the operations: its reference and what the caller showed for it.
struct TIdent {
    int32_t RNr = 0;
    int32_t LNr = 0;
    int32_t SNr = 0;
    TDateTime Datum = 0;  // date of the bonus's open item
    long double Bonus = 0;
    long double Gutschein = 0;
    long double Rabatt = 0;
};

enum class TBonusAktionStatus {
    Gebucht,         // all places changed
    NichtVorhanden,  // no bonus record (cancelled meanwhile, or never there)
    SchonVerwendet,  // the service record carries a used-mark
    Unvollstaendig,  // a place is missing or doubled; nothing changed
    Fehler,          // the booking failed and was rolled back
};

struct TBonusAktionErgebnis {
    TIdent Ident;
    TBonusAktionStatus Status = TBonusAktionStatus::Fehler;
    std::string Meldung;  // German; empty when booked
    bool Ok() const { return Status == TBonusAktionStatus::Gebucht; }
};

// Booking type of marking bonuses as used and of cancelling them.
inline constexpr int kBuchungBonusVerwendung = 43;
// Used-mark of a bonus marked as used by hand.
inline constexpr const char* kVerwendetManuell = "ZURUECKGEZ";

// One result per listed bonus, in the order of the list. Never throws for a single bonus;
// its error is registered and reported in its result. Must not run inside another booking
// (every bonus would then depend on the others): all bonuses are reported as errors then.
std::vector<TBonusAktionErgebnis> Buche_BoniLoeschen(const std::vector<TIdent>& boni);
std::vector<TBonusAktionErgebnis> Buche_BoniStornieren(const std::vector<TIdent>& boni);

// True when every result is booked.
bool BonusAktionAlleGebucht(const std::vector<TBonusAktionErgebnis>& ergebnisse);
// The messages of the results not booked, one line each (empty when all were booked).
std::string BonusAktionFehlerText(const std::vector<TBonusAktionErgebnis>& ergebnisse);
