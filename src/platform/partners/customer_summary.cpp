#include "platform/partners/customer_summary.h"

#include "platform/match/text_match.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/store/database.h"

namespace kis::partners {

using kis::store::Statement;
using kis::store::SuiteDb;

long double TCustomerSummary::Umsatz(const TIntPair& mandant, const TIntPair& kunde, int jahr) {
    Statement& s = SuiteDb().Cached(
        "SELECT COALESCE(SUM(SUMME), 0) FROM LFNR WHERE (?1 = 0 AND ?2 = 0 OR MANDANT_L = ?1 AND "
        "MANDANT_R = ?2) AND KUNDE_L = ?3 AND KUNDE_R = ?4 AND DATUM >= ?5 AND DATUM < ?6");
    s.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, kunde.Lnr).Bind(4, kunde.Rnr)
        .Bind(5, kis::date::EncodeDate(jahr, 1, 1)).Bind(6, kis::date::EncodeDate(jahr + 1, 1, 1));
    s.Step();
    const long double sum = s.ColumnDouble(0);
    s.Reset();
    return sum;
}

std::vector<TKundeOPSumme> TCustomerSummary::OffenePosten(const TIntPair& mandant, const TIntPair& kunde) {
    TOPTabellen* op = GlobOPTabellen_GetInstance();
    std::vector<TKundeOPSumme> out;
    try {
        op->SetMandant(mandant);
        op->SetKundeGepNr(kunde);
        for (const auto& t : op->Tabellen()) out.push_back({t.Name, int(t.Posten.size()), t.Offen()});
    } catch (...) {
        GlobOPTabellen_ReleaseInstance();
        throw;
    }
    GlobOPTabellen_ReleaseInstance();
    return out;
}

std::string TCustomerSummary::Zustand(const std::string& status, TDateTime gueltigBis,
                                      const std::string& verwendet, TDateTime heute) {
    const std::string v = kis::match::Trim(verwendet);
    if (v == "KASSE") return "verwendet (Kasse)";
    if (!v.empty()) return "verwendet";
    if (gueltigBis != 0 && gueltigBis < heute) return "abgelaufen";
    if (kis::match::Trim(status) == "A") return "abgeschlossen";
    return "offen";
}

std::vector<TKundeBonus> TCustomerSummary::Boni(const TIntPair& mandant, const TIntPair& kunde,
                                                TDateTime heute) {
    Statement& s = SuiteDb().Cached(
        "SELECT B.RNR, B.LNR, B.SNR, B.PROGRAMMID, B.PROGRAMM, B.DATUM, B.WERT, B.GUELTIGBIS, "
        "B.STATUS, COALESCE(D.VERWENDET, '') FROM BONUS B LEFT JOIN DIENST D ON D.RNR = B.RNR AND "
        "D.LNR = B.LNR AND D.SNR = B.SNR WHERE B.KUNDE_L = ?3 AND B.KUNDE_R = ?4 AND "
        "(?1 = 0 AND ?2 = 0 OR B.MANDANT_L = ?1 AND B.MANDANT_R = ?2) "
        "ORDER BY B.DATUM DESC, B.RNR, B.LNR, B.SNR");
    s.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, kunde.Lnr).Bind(4, kunde.Rnr);
    std::vector<TKundeBonus> out;
    while (s.Step()) {
        TKundeBonus b;
        b.RNr = int32_t(s.ColumnInt(0));
        b.LNr = int32_t(s.ColumnInt(1));
        b.SNr = int32_t(s.ColumnInt(2));
        b.ProgrammId = s.ColumnText(3);
        b.Programm = s.ColumnText(4);
        b.Datum = s.ColumnDouble(5);
        b.Wert = s.ColumnDouble(6);
        b.GueltigBis = s.ColumnDouble(7);
        b.Zustand = Zustand(s.ColumnText(8), b.GueltigBis, s.ColumnText(9), heute);
        out.push_back(std::move(b));
    }
    s.Reset();
    return out;
}

}  // namespace kis::partners
