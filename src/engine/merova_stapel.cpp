// TMerovaQuery: the work-file orders of the customer walk.
//
// The records of the current customer stay in memory (FStapel.kivk from FKundeAb on) until
// his end decides about them: a failing document or customer then drops them instead of
// writing and deleting them. A delete that could also reach records already handed to the
// writer (a customer listed twice) goes to the writer as before, after the pending records,
// so the files end up exactly as with writing and deleting one by one.
#include <algorithm>

#include "engine/merova_query.h"

TKivkSatz& TMerovaQuery::KivkAnhaengen() {
    TKivkSatz& r = FStapel.kivk.emplace_back();
    return r;
}

void TMerovaQuery::KundeUebernehmen() {
    const size_t n = FStapel.kivk.size() - FKundeAb;
    if (n == 0) return;
    for (size_t i = FKundeAb; i < FStapel.kivk.size(); ++i) FStapel.kivk[i].RowId = ++FKivkRowId;
    TKIAuftrag a;
    a.art = TKIAuftrag::InsKivk;
    a.anzahl = uint32_t(n);
    // Consecutive inserts make one order, so the writer fills whole multi-row statements.
    if (!FStapel.auftraege.empty() && FStapel.auftraege.back().art == TKIAuftrag::InsKivk)
        FStapel.auftraege.back().anzahl += a.anzahl;
    else
        FStapel.auftraege.push_back(a);
    FKundeAb = FStapel.kivk.size();
}

bool TMerovaQuery::DateiHatKunde(const TIntPair& kunde) const {
    return FKundenImLauf.count(kunde) > 0 || FKundenSonst.count(kunde) > 0;
}

void TMerovaQuery::BelegPositionenLoeschen(const TIntPair& kunde, int32_t rnr, int32_t lnr) {
    if (DateiHatKunde(kunde)) {
        KundeUebernehmen();
        TKIAuftrag a;
        a.art = TKIAuftrag::DelBelegPos;
        a.kunde = kunde;
        a.rnr = rnr;
        a.lnr = lnr;
        FStapel.auftraege.push_back(a);
        return;
    }
    // Same test as the file's delete: customer, document key and a kind other than "NR".
    const auto weg = std::remove_if(
        FStapel.kivk.begin() + std::ptrdiff_t(FKundeAb), FStapel.kivk.end(),
        [&](const TKivkSatz& r) {
            return r.Kunde == kunde && r.RNr == rnr && r.LNr == lnr && r.Art != "NR";
        });
    FStapel.kivk.erase(weg, FStapel.kivk.end());
}

void TMerovaQuery::StapelSenden(bool commit) {
    KundeUebernehmen();
    if (commit) {
        TKIAuftrag a;
        a.art = TKIAuftrag::Commit;
        FStapel.auftraege.push_back(a);
    }
    FSchreiber->Senden(FStapel);
    FKundeAb = 0;
}
