#include "platform/bonus/bonus_suche.h"

#include <cmath>

#include "platform/services/number_format.h"
#include "platform/store/database.h"

namespace {

using kis::services::ToCents;
using kis::store::Statement;

// One statement per variant; the variant text is fixed, every value is bound.
constexpr const char* kSelect =
    "SELECT o.RNR, o.LNR, o.SNR, o.KUNDE_L, o.KUNDE_R, o.DATUM, o.STATUS, b.RNR IS NULL, "
    "b.PROGRAMMID, b.PROGRAMM, b.STATUS, b.ART, b.WERT, b.LAENGE, b.GUELTIGBIS, "
    "COALESCE(d.VERWENDET, '') "
    "FROM OP o LEFT JOIN BONUS b ON b.RNR = o.RNR AND b.LNR = o.LNR AND b.SNR = o.SNR "
    "LEFT JOIN DIENST d ON d.RNR = o.RNR AND d.LNR = o.LNR AND d.SNR = o.SNR "
    "WHERE o.TABELLE = ? AND o.MANDANT_L = ? AND o.MANDANT_R = ? AND o.STATUS IN (?, ?) ";
constexpr const char* kAlle = "ORDER BY o.DATUM, o.RNR, o.LNR, o.SNR";
constexpr const char* kEinKunde = "AND o.KUNDE_L = ? AND o.KUNDE_R = ? ORDER BY o.DATUM, o.RNR, o.LNR, o.SNR";

bool StatusErlaubt(const TBonusSuchFilter& f, const std::string& status) {
    return (status == "O" && f.Offen) || (status == "A" && f.Abgeschlossen);
}

bool InTagen(TDateTime wert, TDateTime von, TDateTime bis) {
    const double tag = std::floor(double(wert));
    if (von > 0 && tag < std::floor(double(von))) return false;
    if (bis > 0 && tag > std::floor(double(bis))) return false;
    return true;
}

}  // namespace

std::string BonusRefText(const TBonusIdent& ref) {
    return std::to_string(ref.RNr) + "-" + std::to_string(ref.LNr) + "-" + std::to_string(ref.SNr);
}

bool TBonusSuche::Passt(const TBonusSuchFilter& f, const TBonusTreffer& t) {
    if (!StatusErlaubt(f, t.Status)) return false;
    if (!InTagen(t.Datum, f.DatumVon, f.DatumBis)) return false;
    if (f.ProgrammId && t.ProgrammId != *f.ProgrammId) return false;
    if (f.ProgrammName && t.Programm != *f.ProgrammName) return false;
    const int64_t wert = ToCents(t.Wert);
    const int64_t min = ToCents(f.WertMin), max = ToCents(f.WertMax);
    if (min > 0 && wert < min) return false;
    if (max > 0 && wert > max) return false;
    if (f.LaengeMin > 0 && t.Laenge < f.LaengeMin) return false;
    if (f.LaengeMax > 0 && t.Laenge > f.LaengeMax) return false;
    if (f.NurManuell) {
        const std::string kopf = t.ProgrammId.substr(0, 8);
        if (kopf != "BONUSMAN" && kopf != "RSCHEMAN") return false;
    }
    if (f.GueltigVon > 0 || f.GueltigBis > 0) {
        if (t.Art != "BM" || t.GueltigBis <= 0) return false;
        if (!InTagen(t.GueltigBis, f.GueltigVon, f.GueltigBis)) return false;
    }
    return true;
}

std::vector<TBonusTreffer> TBonusSuche::Suchen(const TBonusSuchFilter& f) {
    fehler_.clear();
    std::vector<TBonusTreffer> out;
    if (!f.Offen && !f.Abgeschlossen) return out;
    const bool einKunde = f.Kunde.IsDefined();
    // An own statement, not the connection's cached one: events run between the rows, and a
    // search started from one of them must not reset this cursor.
    Statement s(kis::store::SuiteDb(), std::string(kSelect) + (einKunde ? kEinKunde : kAlle));
    s.Bind(1, f.Tabelle).Bind(2, f.Mandant.Lnr).Bind(3, f.Mandant.Rnr)
        .Bind(4, f.Offen ? "O" : "").Bind(5, f.Abgeschlossen ? "A" : "");
    if (einKunde) s.Bind(6, f.Kunde.Lnr).Bind(7, f.Kunde.Rnr);
    while (s.Step()) {
        TBonusTreffer t;
        t.Ref.RNr = int32_t(s.ColumnInt(0));
        t.Ref.LNr = int32_t(s.ColumnInt(1));
        t.Ref.SNr = int16_t(s.ColumnInt(2));
        try {
            t.Kunde = TIntPair(int32_t(s.ColumnInt(3)), int32_t(s.ColumnInt(4)));
            t.Datum = s.ColumnDouble(5);
            const std::string opStatus = s.ColumnText(6);
            if (s.ColumnInt(7) != 0) {
                fehler_.push_back("Zum offenen Posten des Bonus " + BonusRefText(t.Ref) +
                                  " fehlt der Bonussatz.");
            } else if (s.ColumnText(15).empty()) {
                t.ProgrammId = s.ColumnText(8);
                t.Programm = s.ColumnText(9);
                t.Status = s.ColumnText(10);
                t.Art = s.ColumnText(11);
                t.Wert = s.ColumnDouble(12);
                t.Laenge = int32_t(s.ColumnInt(13));
                t.GueltigBis = s.ColumnDouble(14);
                // Both the open item and the bonus record must be in a wanted state.
                if (StatusErlaubt(f, opStatus) && Passt(f, t)) out.push_back(std::move(t));
            }
        } catch (const std::exception& e) {
            fehler_.push_back("Der Bonus " + BonusRefText(t.Ref) +
                              " konnte nicht geprüft werden: " + e.what());
        }
        if (NachPosten) NachPosten();
    }
    return out;
}
