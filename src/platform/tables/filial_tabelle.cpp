#include "platform/tables/filial_tabelle.h"

#include <algorithm>

#include "platform/store/database.h"

using kis::store::SuiteDb;

void TFilialTabelle::Clear() {
    filialen_.clear();
    nummern_.Clear();
    gruppen_.Clear();
}

void TFilialTabelle::Laden(const TIntPair& mandant) {
    Clear();
    const bool alle = mandant.IsNull();
    auto& s = SuiteDb().Cached(
        "SELECT NR, BEZEICHNUNG FROM FILIALE WHERE ?1 OR (MANDANT_L = ?2 AND MANDANT_R = ?3) "
        "ORDER BY NR");
    s.Bind(1, alle ? 1 : 0).Bind(2, mandant.Lnr).Bind(3, mandant.Rnr);
    while (s.Step()) {
        const auto nr = int32_t(s.ColumnInt(0));
        if (nummern_.Exists(nr)) continue;  // same number in two client companies
        nummern_.Add(nr);
        filialen_.push_back({nr, s.ColumnText(1)});
    }
    s.Reset();
    auto& g = SuiteDb().Cached(
        "SELECT GRUPPE, BEZEICHNUNG, FILIALE FROM FILIALGRUPPE "
        "WHERE ?1 OR (MANDANT_L = ?2 AND MANDANT_R = ?3) ORDER BY GRUPPE, FILIALE");
    g.Bind(1, alle ? 1 : 0).Bind(2, mandant.Lnr).Bind(3, mandant.Rnr);
    while (g.Step()) gruppen_.Add(int32_t(g.ColumnInt(0)), g.ColumnText(1), int32_t(g.ColumnInt(2)));
    g.Reset();
}

std::string TFilialTabelle::Bezeichnung(int32_t nr) const {
    const auto it = std::lower_bound(filialen_.begin(), filialen_.end(), nr,
                                     [](const TFiliale& f, int32_t n) { return f.Nr < n; });
    return it != filialen_.end() && it->Nr == nr ? it->Bezeichnung : "";
}
