#include "platform/bonus/bonus_mani.h"

#include <stdexcept>

#include "platform/match/text_match.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"

namespace {

using kis::store::Statement;
using kis::store::SuiteDb;

void Pruefe(const TQEL_ManuellerBonus& g) {
    using kis::services::RoundHalfEven;
    if (g.Kunde.IsNull()) throw std::invalid_argument("Für den Bonus ist kein Kunde angegeben.");
    Statement& s = SuiteDb().Cached("SELECT 1 FROM GEP WHERE GEPNR_L = ? AND GEPNR_R = ?");
    s.Bind(1, g.Kunde.Lnr).Bind(2, g.Kunde.Rnr);
    const bool exists = s.Step();
    s.Reset();
    if (!exists) throw std::invalid_argument("Der Kunde " + g.Kunde.ToString() + " ist nicht vorhanden.");
    if (g.Art == 0) {
        if (RoundHalfEven(g.Betrag * 100) <= 0)
            throw std::invalid_argument("Der Bonusbetrag muss größer als 0,00 sein.");
        if (RoundHalfEven(g.MindestVerkaufswert * 100) < 0)
            throw std::invalid_argument("Der Mindestverkaufswert darf nicht negativ sein.");
    } else if (g.Art == 1) {
        if (g.Prozent < 0.005L || g.Prozent > 99.995L)
            throw std::invalid_argument("Der Prozentsatz muss zwischen 0,01 und 99,99 liegen.");
        if (kis::match::IsBlank(g.RabattscheinTyp))
            throw std::invalid_argument("Für den Rabattschein ist kein Typ angegeben.");
    } else {
        throw std::invalid_argument("Unbekannte Art eines manuellen Bonus.");
    }
}

// Manual grants are numbered per workstation: RNr = workstation id, LNr = next running number.
TBonusReferenz NaechsteReferenz() {
    TBonusReferenz ref;
    ref.RNr = ORVProgramm().GetRId();
    Statement& s = SuiteDb().Cached("SELECT COALESCE(MAX(LNR), 0) FROM BONUS WHERE RNR = ?");
    s.Bind(1, ref.RNr);
    s.Step();
    const int64_t last = s.ColumnInt(0);
    s.Reset();
    if (last >= INT32_MAX) throw std::runtime_error("Keine freie Bonusnummer mehr vorhanden.");
    ref.LNr = int32_t(last + 1);
    return ref;
}

}  // namespace

TBonusReferenz TQEL_BonusMani::BONUBucheManuell(const TQEL_ManuellerBonus& g) {
    Pruefe(g);
    const bool coupon = g.Art == 1;
    const TIntPair mandant = ORVProgramm().GetAktMandant();
    const TDateTime heute = kis::date::DateOf(Heute != 0 ? Heute : kis::date::Now());
    const std::string konto = kis::match::Trim(g.Konto);
    const std::string programmId = coupon ? kProgrammIdRabattscheinManuell : kProgrammIdBonusManuell;
    const std::string programm = coupon ? kis::match::Trim(g.RabattscheinTyp)
                                        : (konto.empty() ? std::string(kProgrammIdBonusManuell) : konto);
    const double wert = coupon ? 0.0 : double(kis::services::RoundCents(g.Betrag));
    const char* status = "O";

    kis::store::BookingScope booking(kBuchungManuellerBonus, g.Kunde);
    const TBonusReferenz ref = NaechsteReferenz();

    Statement& b = SuiteDb().Cached(
        "INSERT INTO BONUS (RNR, LNR, SNR, MANDANT_L, MANDANT_R, PROGRAMMID, PROGRAMM, KUNDE_L, "
        "KUNDE_R, ART, DATUM, WERT, BASISWERT, LAENGE, STATUS, GUELTIGBIS, MINUMSATZ, COUPONTYP, "
        "PROZENT) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 'BM', ?, ?, 0, 1, ?, ?, ?, ?, ?)");
    b.Bind(1, ref.RNr).Bind(2, ref.LNr).Bind(3, ref.SNr).Bind(4, mandant.Lnr).Bind(5, mandant.Rnr)
        .Bind(6, programmId).Bind(7, programm).Bind(8, g.Kunde.Lnr).Bind(9, g.Kunde.Rnr)
        .Bind(10, heute).Bind(11, wert).Bind(12, status)
        .Bind(13, coupon ? 0.0 : double(g.GueltigBis))
        .Bind(14, coupon ? 0.0 : double(kis::services::RoundCents(g.MindestVerkaufswert)))
        .Bind(15, coupon ? kis::match::Trim(g.RabattscheinTyp) : std::string())
        .Bind(16, coupon ? double(g.Prozent) : 0.0)
        .Run();

    // The shop owes the bonus: first amount 0, second amount the value.
    Statement& op = SuiteDb().Cached(
        "INSERT INTO OP (MANDANT_L, MANDANT_R, KUNDE_L, KUNDE_R, TABELLE, STATUS, DATUM, BETRAG1, "
        "BETRAG2, RNR, LNR, SNR, REFTEXT) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?, '')");
    op.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, g.Kunde.Lnr).Bind(4, g.Kunde.Rnr)
        .Bind(5, coupon ? "RSCHEIN" : "BONUS").Bind(6, status).Bind(7, heute).Bind(8, wert)
        .Bind(9, ref.RNr).Bind(10, ref.LNr).Bind(11, ref.SNr).Run();

    Statement& d = SuiteDb().Cached(
        "INSERT INTO DIENST (RNR, LNR, SNR, STATUS, VERWENDET, VERWREF) VALUES (?, ?, ?, ?, '', '')");
    d.Bind(1, ref.RNr).Bind(2, ref.LNr).Bind(3, ref.SNr).Bind(4, status).Run();

    booking.Commit();
    return ref;
}
