#pragma once
// "Buchung für alle Kunden": books the computed bonuses of one programme customer after
// customer. The bookings of several customers share one transaction (a booking batch): each
// customer is a booking of its own inside it, rolled back alone when it fails, and a crash
// loses whole customers only. The temporary bonuses of the batch's customers are removed after
// its commit, so a crash in between leaves them to the next run, which finds the positions
// marked and drops them (see TBonusTabellenGen::BucheKunde).
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/keys.h"
#include "platform/bonus/bonus_generierung.h"

namespace kis::store {
class BookingBatch;
}

class TBonusBuchungsLauf {
public:
    using TBuchErgebnis = TBonusTabellenGen::TBuchErgebnis;

    // A batch commits after this many customers or this long, whichever comes first: large
    // enough to share the pages every booking touches (journal, bonus numbers, the mark index),
    // short enough that other workstations waiting to book (5 s at most) are not refused.
    static constexpr int kKundenJeStapel = 5000;
    static constexpr std::chrono::milliseconds kStapelDauer{2000};

    TBonusBuchungsLauf(const std::string& kennung, const std::string& name,
                       int kundenJeStapel = kKundenJeStapel);
    // Ends the run like Abschliessen; a failure there goes to the error log.
    ~TBonusBuchungsLauf();
    TBonusBuchungsLauf(const TBonusBuchungsLauf&) = delete;
    TBonusBuchungsLauf& operator=(const TBonusBuchungsLauf&) = delete;

    // Books one customer (see TBonusTabellenGen::BucheKunde).
    TBuchErgebnis BucheKunde(const TIntPair& kunde, std::string* meldung = nullptr);
    // Commits the open batch and removes its customers' temporary bonuses. Throws when the
    // commit fails: the batch's customers are not booked then and keep their temporary bonuses.
    void Abschliessen();
    // The bonus tables the run books with (to set their item-booking callback).
    TBonusTabellenGen& Tabellen() { return tabellen_; }

private:
    void StapelSchreiben(bool weiter);

    TBonusTabellenGen tabellen_;
    std::unique_ptr<kis::store::BookingBatch> stapel_;
    std::vector<TIntPair> tmpEntfernen_;  // customers of the open batch whose temporaries go
    int kundenJeStapel_;
    int imStapel_ = 0;
    std::chrono::steady_clock::time_point stapelBeginn_;
};
