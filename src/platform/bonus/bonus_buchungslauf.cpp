#include "platform/bonus/bonus_buchungslauf.h"

#include <stdexcept>

#include "platform/store/booking.h"
#include "platform/store/store_error.h"

TBonusBuchungsLauf::TBonusBuchungsLauf(const std::string& kennung, const std::string& name,
                                       int kundenJeStapel)
    : kundenJeStapel_(kundenJeStapel < 1 ? 1 : kundenJeStapel) {
    tabellen_.UseTMP(1, kennung, name);
}

TBonusBuchungsLauf::~TBonusBuchungsLauf() {
    try {
        Abschliessen();
    } catch (const std::exception& e) {
        kis::store::ReportError("TBonusBuchungsLauf.Abschliessen", e);
    }
}

TBonusBuchungsLauf::TBuchErgebnis TBonusBuchungsLauf::BucheKunde(const TIntPair& kunde,
                                                                 std::string* meldung) {
    if (!stapel_) {
        if (kis::store::ORVBuchung().Depth() > 0 || kis::store::ORVBuchung().InBatch()) {
            if (meldung) *meldung = "Die Buchung eines Kunden darf nicht in einer anderen Buchung laufen.";
            return TBuchErgebnis::Fehler;
        }
        stapel_ = std::make_unique<kis::store::BookingBatch>();
        stapelBeginn_ = std::chrono::steady_clock::now();
    }
    bool entfernen = false;
    const TBuchErgebnis r = tabellen_.Buchen(kunde, entfernen, meldung);
    if (entfernen) tmpEntfernen_.push_back(kunde);
    if (++imStapel_ >= kundenJeStapel_ || std::chrono::steady_clock::now() - stapelBeginn_ >= kStapelDauer)
        StapelSchreiben(true);
    return r;
}

void TBonusBuchungsLauf::Abschliessen() {
    if (stapel_) StapelSchreiben(false);
}

void TBonusBuchungsLauf::StapelSchreiben(bool weiter) {
    imStapel_ = 0;
    try {
        if (weiter)
            stapel_->Commit();
        else
            stapel_->End();
    } catch (...) {
        // Nothing of the batch is booked: its temporary bonuses stay for the next run.
        tmpEntfernen_.clear();
        stapel_.reset();
        throw;
    }
    if (weiter)
        stapelBeginn_ = std::chrono::steady_clock::now();
    else
        stapel_.reset();
    std::vector<TIntPair> kunden;
    kunden.swap(tmpEntfernen_);
    tabellen_.DeleteTMP(kunden);
}
