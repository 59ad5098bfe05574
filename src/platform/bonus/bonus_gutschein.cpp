#include "platform/bonus/bonus_gutschein.h"

#include <cstdio>

#include "platform/bonus/bonus_rechner.h"
#include "platform/bonus/bonus_suche.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"

namespace {

using kis::services::ToCents;
using kis::store::Statement;
using kis::store::SuiteDb;

TGutscheinNr NaechsteNr() {
    TGutscheinNr nr;
    nr.RNr = ORVProgramm().GetRId();
    Statement& s = SuiteDb().Cached("SELECT COALESCE(MAX(LNR), 0) FROM OP WHERE TABELLE = ? AND RNR = ?");
    s.Bind(1, kOpTabelleGutschein).Bind(2, nr.RNr);
    s.Step();
    const int64_t last = s.ColumnInt(0);
    s.Reset();
    if (last >= INT32_MAX) throw std::runtime_error("Keine freie Gutscheinnummer mehr vorhanden.");
    nr.LNr = int32_t(last + 1);
    return nr;
}

void Pruefen(const TIntPair& kunde, const TGutscheinBonus& b) {
    const TBonusOrte orte = BonusOrteLesen(b.Ref);
    std::string mangel = BonusOrteMangel(b.Ref, orte, false);
    const std::string bonus = "Bonus " + BonusRefText(b.Ref) + ": ";
    if (mangel.empty() && orte.Kunde != kunde) mangel = bonus + "gehört einem anderen Kunden.";
    if (mangel.empty() && ToCents(orte.Wert) != ToCents(b.Bonus))
        mangel = bonus + "sein Wert hat sich seit der Suche geändert.";
    if (!mangel.empty()) throw TBonusNichtBuchbar(mangel);
}

}  // namespace

std::string TGutscheinNr::RefText() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%09d", RNr, LNr);
    return buf;
}

long double GutscheinBetrag(long double wert, const std::string& regel) {
    if (regel.empty()) return kis::services::RoundCents(wert);
    return kis::services::RoundCents(TBonusRechner::BETABerechneWert(regel, wert));
}

TGutscheinNr Buche_Boni2Gutschein(const TIntPair& kunde, const std::vector<TGutscheinBonus>& boni,
                                  long double betrag) {
    if (boni.empty()) throw TBonusNichtBuchbar("Es wurde kein Bonus übergeben.");
    const int64_t cent = ToCents(betrag);
    if (cent <= 0)
        throw TBonusNichtBuchbar("Bonus " + BonusRefText(boni.front().Ref) +
                                 ": der Gutscheinbetrag muss größer als 0,00 sein.");
    auto& db = SuiteDb();
    kis::store::BookingScope buchung(kBuchungBoniInGutschein, kunde);
    // Every bonus is checked inside the booking before anything is written.
    for (const auto& b : boni) Pruefen(kunde, b);

    const TGutscheinNr nr = NaechsteNr();
    const std::string ref = nr.RefText();
    const TIntPair mandant = ORVProgramm().GetAktMandant();
    // The shop owes the voucher: first amount 0, second amount the voucher amount.
    Statement& op = db.Cached(
        "INSERT INTO OP (MANDANT_L, MANDANT_R, KUNDE_L, KUNDE_R, TABELLE, STATUS, DATUM, BETRAG1, "
        "BETRAG2, RNR, LNR, SNR, REFTEXT) VALUES (?, ?, ?, ?, ?, 'O', ?, 0, ?, ?, ?, 0, ?)");
    op.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, kunde.Lnr).Bind(4, kunde.Rnr)
        .Bind(5, kOpTabelleGutschein).Bind(6, double(kis::date::DateOf(kis::date::Now())))
        .Bind(7, double(cent) / 100.0).Bind(8, nr.RNr).Bind(9, nr.LNr).Bind(10, ref);
    op.Run();

    for (const auto& b : boni) {
        Statement& del = db.Cached("DELETE FROM OP WHERE RNR = ? AND LNR = ? AND SNR = ? AND TABELLE = 'BONUS'");
        del.Bind(1, b.Ref.RNr).Bind(2, b.Ref.LNr).Bind(3, int(b.Ref.SNr));
        del.Run();
        Statement& d = db.Cached("UPDATE DIENST SET VERWENDET = ?, VERWREF = ? WHERE RNR = ? AND LNR = ? AND SNR = ?");
        d.Bind(1, kVerwendetGutschein).Bind(2, ref).Bind(3, b.Ref.RNr).Bind(4, b.Ref.LNr).Bind(5, int(b.Ref.SNr));
        d.Run();
    }
    buchung.Commit();
    return nr;
}
