#include "platform/sales/sales_aggregate.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"
#include "platform/tables/phasen.h"

namespace {

// Fixed parameters ?1..?19; the phase list follows from ?20 on, two per phase.
constexpr int kErsterPhasenParameter = 20;

std::string AggregatSql(size_t phasen) {
    std::string values;
    for (size_t i = 0; i < phasen; ++i) {
        const int p = kErsterPhasenParameter + int(2 * i);
        values += (i ? ", (?" : "(?") + std::to_string(p) + ", ?" + std::to_string(p + 1) + ")";
    }
    // An empty phase list still needs a well-formed (and empty) table.
    if (values.empty()) values = "(NULL, NULL)";
    return "WITH phase(code, seite) AS (VALUES " + values +
           "), "
           "kunde(kl, kr) AS ("
           " SELECT DISTINCT k.KUNDE_L, k.KUNDE_R FROM KULI k"
           " JOIN GEP g ON g.GEPNR_L = k.KUNDE_L AND g.GEPNR_R = k.KUNDE_R"
           " WHERE (?1 OR (k.MANDANT_L = ?2 AND k.MANDANT_R = ?3)) AND k.ART = ?4"
           " AND (?5 OR substr(g.NAME, 1, 1) <> ?6)), "
           "beleg(kl, kr, rnr, lnr) AS ("
           " SELECT KUNDE_L, KUNDE_R, BELEGLNR, LNR FROM LFNR"
           " WHERE MANDANT_L = ?7 AND MANDANT_R = ?8 AND BELEGART IN (?9, ?10)"
           " UNION"
           " SELECT CASE p.seite WHEN 2 THEN a.PARTEI2_L ELSE a.PARTEI1_L END,"
           " CASE p.seite WHEN 2 THEN a.PARTEI2_R ELSE a.PARTEI1_R END, a.RNR, a.LNR"
           " FROM ATK a JOIN phase p ON p.code = a.PHASE WHERE ?11), "
           // Summed per customer first, then joined to the customers: a left join straight
           // onto the documents would scan them once per customer.
           "umsatz(kl, kr, wert, menge, anz) AS ("
           " SELECT b.kl, b.kr,"
           " " + kis::store::sql::TotalOf("CASE WHEN l.ART IN (?12, ?13, ?14) THEN l.ISTVK END") + ","
           " SUM(CASE WHEN l.ART = ?15 THEN l.MENGE END), COUNT(l.ART)"
           " FROM beleg b JOIN LST l ON l.MANDANT_L = ?16 AND l.MANDANT_R = ?17"
           " AND l.RNR = b.rnr AND l.LNR = b.lnr AND l.POSNR BETWEEN ?18 AND ?19"
           " WHERE (b.kl, b.kr) IN (SELECT kl, kr FROM kunde)"
           " GROUP BY b.kl, b.kr) "
           "SELECT k.kl, k.kr, COALESCE(u.wert, 0), COALESCE(u.menge, 0), COALESCE(u.anz, 0) "
           "FROM kunde k LEFT JOIN umsatz u ON u.kl = k.kl AND u.kr = k.kr "
           "ORDER BY k.kl, k.kr";
}

// The phases whose open transactions are customer documents, with the party that is the
// customer (1 = first, 2 = second).
std::vector<std::pair<std::string, int>> KundenPhasen() {
    std::vector<std::pair<std::string, int>> out;
    for (int nr = 1; nr <= CPhase_Anzahl(); ++nr)
        if (CPhase_IstKundenVorgang(nr)) out.emplace_back(CPhase(nr), CMand_SV_Seite(nr));
    return out;
}

}  // namespace

void UmsatzJeKunde(const TUmsatzAggregatAuftrag& a,
                   const std::function<void(const TKundenUmsatz&)>& row) {
    const auto phasen = KundenPhasen();
    kis::store::Statement st(kis::store::SuiteDb(), AggregatSql(phasen.size()));
    st.Bind(1, int(a.AlleMandanten)).Bind(2, a.KundenMandant.Lnr).Bind(3, a.KundenMandant.Rnr);
    st.Bind(4, "B").Bind(5, int(a.AuchAnonymeKunden)).Bind(6, "{");
    st.Bind(7, a.IndexMandant.Lnr).Bind(8, a.IndexMandant.Rnr).Bind(9, "BO").Bind(10, "RG");
    st.Bind(11, int(a.MitOffenenVorgaengen));
    // Value of sales, special sales and returns; quantity of sales only.
    st.Bind(12, "A9").Bind(13, "SO").Bind(14, "RS").Bind(15, "A9");
    st.Bind(16, a.VerkaufsMandant.Lnr).Bind(17, a.VerkaufsMandant.Rnr).Bind(18, 0).Bind(19, 9999);
    for (size_t i = 0; i < phasen.size(); ++i) {
        const int p = kErsterPhasenParameter + int(2 * i);
        st.Bind(p, phasen[i].first).Bind(p + 1, phasen[i].second);
    }
    TKundenUmsatz u;
    while (st.Step()) {
        u.Kunde = TIntPair(int32_t(st.ColumnInt(0)), int32_t(st.ColumnInt(1)));
        u.SelUmsatz = st.ColumnDouble(2);
        u.SelMenge = st.ColumnInt(3);
        u.Positionen = st.ColumnInt(4);
        row(u);
    }
}

TDateTime LetztesVerkaufsdatum(const TIntPair& mandant) {
    // Walks the date index from the end; stops at the first position of the company.
    kis::store::Statement& st = kis::store::SuiteDb().Cached(
        "SELECT DATUM FROM LST WHERE MANDANT_L = ? AND MANDANT_R = ? ORDER BY DATUM DESC LIMIT 1");
    st.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr);
    const TDateTime datum = st.Step() ? st.ColumnDouble(0) : 0;
    st.Reset();
    return datum;
}

int64_t VerkaufspositionenAnzahl(const TIntPair& mandant) {
    kis::store::Statement& st = kis::store::SuiteDb().Cached(
        "SELECT COUNT(*) FROM LST WHERE MANDANT_L = ? AND MANDANT_R = ? AND POSNR BETWEEN ? AND ?");
    st.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, 0).Bind(4, 9999);
    const int64_t n = st.Step() ? st.ColumnInt(0) : 0;
    st.Reset();
    return n;
}
