#include "platform/bonus/bonus_verwendung.h"

#include <cstdio>
#include <exception>
#include <optional>

#include "platform/bonus/bonus_marken.h"
#include "platform/services/orv_info.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"

namespace {

using kis::store::Statement;
using kis::store::SuiteDb;

enum class TAktion { AlsVerwendet, Storno };

std::string RefText(const TIdent& b) {
    return std::to_string(b.RNr) + "-" + std::to_string(b.LNr) + "-" + std::to_string(b.SNr);
}

// The places of one bonus as they are now.
struct TBonusStand {
    TIntPair Kunde;
    bool Dienst = false;
    std::string Verwendet;
    int64_t OffenePosten = 0;
};

std::optional<TIntPair> BonusKunde(const TIdent& b) {
    Statement& s = SuiteDb().Cached("SELECT KUNDE_L, KUNDE_R FROM BONUS WHERE RNR = ? AND LNR = ? AND SNR = ?");
    s.Bind(1, b.RNr).Bind(2, b.LNr).Bind(3, b.SNr);
    std::optional<TIntPair> kunde;
    if (s.Step()) kunde = TIntPair(int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1)));
    s.Reset();
    return kunde;
}

// Reads the places inside the running booking, so that what is checked is what is changed.
std::optional<TBonusStand> StandLesen(const TIdent& b) {
    const auto kunde = BonusKunde(b);
    if (!kunde) return std::nullopt;
    TBonusStand st;
    st.Kunde = *kunde;
    Statement& d = SuiteDb().Cached("SELECT VERWENDET FROM DIENST WHERE RNR = ? AND LNR = ? AND SNR = ?");
    d.Bind(1, b.RNr).Bind(2, b.LNr).Bind(3, b.SNr);
    if (d.Step()) {
        st.Dienst = true;
        st.Verwendet = d.ColumnText(0);
        while (!st.Verwendet.empty() && st.Verwendet.back() == ' ') st.Verwendet.pop_back();
    }
    d.Reset();
    Statement& op = SuiteDb().Cached(
        "SELECT COUNT(*) FROM OP WHERE RNR = ? AND LNR = ? AND SNR = ? AND TABELLE IN ('BONUS', 'RSCHEIN') "
        "AND KUNDE_L = ? AND KUNDE_R = ?");
    op.Bind(1, b.RNr).Bind(2, b.LNr).Bind(3, b.SNr).Bind(4, st.Kunde.Lnr).Bind(5, st.Kunde.Rnr);
    op.Step();
    st.OffenePosten = op.ColumnInt(0);
    op.Reset();
    return st;
}

// Why the bonus cannot be changed; Gebucht when it can.
TBonusAktionStatus Pruefen(const std::optional<TBonusStand>& st, const TIdent& b, std::string& meldung) {
    const std::string bonus = "Der Bonus " + RefText(b);
    if (!st) {
        meldung = bonus + " ist nicht mehr vorhanden; er wurde bereits storniert.";
        return TBonusAktionStatus::NichtVorhanden;
    }
    if (!st->Dienst) {
        meldung = bonus + " ist unvollständig (der Dienstleistungssatz fehlt) und wurde nicht geändert.";
        return TBonusAktionStatus::Unvollstaendig;
    }
    if (!st->Verwendet.empty()) {
        meldung = bonus + " wurde bereits verwendet (" + st->Verwendet + ").";
        return TBonusAktionStatus::SchonVerwendet;
    }
    if (st->OffenePosten != 1) {
        meldung = bonus + (st->OffenePosten == 0 ? " ist unvollständig (der offene Posten fehlt)"
                                                 : " hat mehrere offene Posten") +
                  " und wurde nicht geändert.";
        return TBonusAktionStatus::Unvollstaendig;
    }
    return TBonusAktionStatus::Gebucht;
}

void OffenenPostenLoeschen(const TIdent& b, const TIntPair& kunde) {
    Statement& s = SuiteDb().Cached(
        "DELETE FROM OP WHERE RNR = ? AND LNR = ? AND SNR = ? AND TABELLE IN ('BONUS', 'RSCHEIN') AND "
        "KUNDE_L = ? AND KUNDE_R = ?");
    s.Bind(1, b.RNr).Bind(2, b.LNr).Bind(3, b.SNr).Bind(4, kunde.Lnr).Bind(5, kunde.Rnr);
    s.Run();
}

void AlsVerwendetKennzeichnen(const TIdent& b) {
    const TIntPair nr = kis::store::ORVBuchung().BuchungsNr();
    char verwRef[32];
    std::snprintf(verwRef, sizeof verwRef, "%.4d%.9d", nr.Lnr, nr.Rnr);
    Statement& s = SuiteDb().Cached("UPDATE DIENST SET VERWENDET = ?, VERWREF = ? WHERE RNR = ? AND LNR = ? AND SNR = ?");
    s.Bind(1, kVerwendetManuell).Bind(2, std::string(verwRef)).Bind(3, b.RNr).Bind(4, b.LNr).Bind(5, b.SNr);
    s.Run();
}

void Stornieren(const TIdent& b) {
    // The positions it settled count for a later bonus again.
    BONUMani_EntbonifiziereLST(b.RNr, b.LNr, b.SNr);
    for (const char* sql : {"DELETE FROM DIENST WHERE RNR = ? AND LNR = ? AND SNR = ?",
                            "DELETE FROM BONUS WHERE RNR = ? AND LNR = ? AND SNR = ?"}) {
        Statement& s = SuiteDb().Cached(sql);
        s.Bind(1, b.RNr).Bind(2, b.LNr).Bind(3, b.SNr);
        s.Run();
    }
}

TBonusAktionErgebnis BucheEinen(const TIdent& b, TAktion aktion) {
    TBonusAktionErgebnis r;
    r.Ident = b;
    // The customer is only the booking's key; everything is checked again inside the booking.
    const auto kunde = BonusKunde(b);
    if (!kunde) {
        r.Status = Pruefen(std::nullopt, b, r.Meldung);
        return r;
    }
    kis::store::BookingScope buchung(kBuchungBonusVerwendung, *kunde);
    const auto stand = StandLesen(b);
    r.Status = Pruefen(stand, b, r.Meldung);
    if (r.Status != TBonusAktionStatus::Gebucht) return r;  // the scope rolls the journal row back
    OffenenPostenLoeschen(b, stand->Kunde);
    if (aktion == TAktion::AlsVerwendet)
        AlsVerwendetKennzeichnen(b);
    else
        Stornieren(b);
    buchung.Commit();
    return r;
}

std::vector<TBonusAktionErgebnis> BucheAlle(const std::vector<TIdent>& boni, TAktion aktion, const char* name) {
    std::vector<TBonusAktionErgebnis> out;
    out.reserve(boni.size());
    const bool verschachtelt = kis::store::ORVBuchung().Depth() > 0;
    for (const TIdent& b : boni) {
        if (verschachtelt) {
            TBonusAktionErgebnis r;
            r.Ident = b;
            r.Meldung = "Der Bonus " + RefText(b) + " kann nicht innerhalb einer anderen Buchung bearbeitet werden.";
            out.push_back(std::move(r));
            continue;
        }
        try {
            out.push_back(BucheEinen(b, aktion));
        } catch (const std::exception& e) {
            ORVInfo().RegisterException(name, e);
            TBonusAktionErgebnis r;
            r.Ident = b;
            r.Meldung = "Der Bonus " + RefText(b) + " wurde nicht geändert: " + e.what();
            out.push_back(std::move(r));
        }
        ORVInfoProcessMessages(333);
    }
    return out;
}

}  // namespace

std::vector<TBonusAktionErgebnis> Buche_BoniLoeschen(const std::vector<TIdent>& boni) {
    return BucheAlle(boni, TAktion::AlsVerwendet, "Tbonusalsverw.Buche_BoniLoeschen");
}

std::vector<TBonusAktionErgebnis> Buche_BoniStornieren(const std::vector<TIdent>& boni) {
    return BucheAlle(boni, TAktion::Storno, "Tbonusalsverw.Buche_BoniStornieren");
}

bool BonusAktionAlleGebucht(const std::vector<TBonusAktionErgebnis>& ergebnisse) {
    for (const auto& r : ergebnisse)
        if (!r.Ok()) return false;
    return true;
}

std::string BonusAktionFehlerText(const std::vector<TBonusAktionErgebnis>& ergebnisse) {
    std::string text;
    for (const auto& r : ergebnisse) {
        if (r.Ok()) continue;
        if (!text.empty()) text += "\n";
        text += r.Meldung;
    }
    return text;
}
