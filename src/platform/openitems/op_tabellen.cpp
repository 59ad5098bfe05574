#include "platform/openitems/op_tabellen.h"

#include <cmath>

#include "platform/base/german_collation.h"
#include "platform/match/text_match.h"
#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"
#include "platform/store/shared_instance.h"

namespace {
std::string KeyOf(const std::string& name) { return kis::text::FoldCase(kis::match::Trim(name)); }
const std::vector<TOPPosten> kKeinePosten;
}  // namespace

long double TOPTabelle::Offen() const { return std::fabs(Summe1 - Summe2); }

void TOPTabellen::Clear() {
    tabellen_.clear();
    kunde_ = {};
    mandant_ = {};
}

void TOPTabellen::SetKundeGepNr(const TIntPair& kunde) {
    tabellen_.clear();
    kunde_ = kunde;
    const bool alle = mandant_.IsNull();
    // With a client company the read uses the index (MANDANT, KUNDE, TABELLE). Rows come
    // ordered by table, so a new group starts when the table name changes.
    static const std::string kCols =
        "SELECT TABELLE, DATUM, BETRAG1, BETRAG2, STATUS, RNR, LNR, SNR, REFTEXT FROM OP WHERE ";
    static const std::string kOrder =
        " ORDER BY " + kis::store::sql::Fold("TRIM(TABELLE)") + ", DATUM, RNR, LNR, SNR";
    auto& s = kis::store::SuiteDb().Cached(
        kCols + (alle ? "KUNDE_L = ?1 AND KUNDE_R = ?2"
                      : "MANDANT_L = ?3 AND MANDANT_R = ?4 AND KUNDE_L = ?1 AND KUNDE_R = ?2") +
        kOrder);
    s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr);
    if (!alle) s.Bind(3, mandant_.Lnr).Bind(4, mandant_.Rnr);
    std::string lastKey;
    while (s.Step()) {
        const std::string name = kis::match::Trim(s.ColumnText(0));
        const std::string key = KeyOf(name);
        if (tabellen_.empty() || key != lastKey) {
            tabellen_.push_back(TOPTabelle{});
            tabellen_.back().Name = name;
            lastKey = key;
        }
        TOPPosten p;
        p.Datum = s.ColumnDouble(1);
        p.Betrag1 = s.ColumnDouble(2);
        p.Betrag2 = s.ColumnDouble(3);
        p.Status = s.ColumnText(4);
        p.RNr = int32_t(s.ColumnInt(5));
        p.LNr = int32_t(s.ColumnInt(6));
        p.SNr = int32_t(s.ColumnInt(7));
        p.RefText = s.ColumnText(8);
        auto& t = tabellen_.back();
        t.Summe1 += p.Betrag1;
        t.Summe2 += p.Betrag2;
        t.Posten.push_back(std::move(p));
    }
    s.Reset();
}

const TOPTabelle* TOPTabellen::Tabelle(const std::string& tabelle) const {
    const std::string key = KeyOf(tabelle);
    for (const auto& t : tabellen_)
        if (KeyOf(t.Name) == key) return &t;
    return nullptr;
}

bool TOPTabellen::Exists(const std::string& tabelle) const { return Tabelle(tabelle) != nullptr; }

const std::vector<TOPPosten>& TOPTabellen::Items(const std::string& tabelle) const {
    const TOPTabelle* t = Tabelle(tabelle);
    return t ? t->Posten : kKeinePosten;
}

TOPTabellen* GlobOPTabellen_GetInstance() {
    return kis::store::SharedInstance<TOPTabellen>::GetInstance();
}

void GlobOPTabellen_ReleaseInstance() { kis::store::SharedInstance<TOPTabellen>::ReleaseInstance(); }
