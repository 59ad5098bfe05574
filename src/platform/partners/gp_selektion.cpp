#include "platform/partners/gp_selektion.h"

#include "platform/base/german_collation.h"
#include "platform/partners/gp_satz_sql.h"
#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"

using kis::match::IsBlank;
using kis::match::Trim;
using kis::store::SuiteDb;
using kis::store::sql::Fold;

void TGpSelektion::Init() {
    filter_.Clear();
    End();
    stop_ = false;
    aktuell_ = TGpSatz{};
}

void TGpSelektion::SetFilter(const TGpSelektFilter& filter) {
    filter_.Assign(filter);
    compiled_ = false;
}

void TGpSelektion::End() {
    compiled_ = false;
    kandidaten_.clear();
    mitKandidaten_ = false;
    texte_.clear();
    bereiche_.clear();
    merkmale_.clear();
    nummern_.clear();
}

void TGpSelektion::Compile() {
    End();
    const std::pair<const TGpTextKriterium*, const std::string TGpSatz::*> texte[] = {
        {&filter_.Name, &TGpSatz::Name},         {&filter_.Name2, &TGpSatz::Name2},
        {&filter_.Vorname, &TGpSatz::Vorname},   {&filter_.Suchname, &TGpSatz::Suchname},
        {&filter_.Strasse, &TGpSatz::Strasse},   {&filter_.Plz, &TGpSatz::Plz},
        {&filter_.Ort, &TGpSatz::Ort},           {&filter_.Land, &TGpSatz::Land},
        {&filter_.Telefon, &TGpSatz::Telefon},   {&filter_.Email, &TGpSatz::Email}};
    for (const auto& [krit, feld] : texte)
        if (krit->IsSet()) texte_.push_back({feld, kis::match::Pattern(krit->Wert, true), krit->Negiert});

    // The fixed ranges are compiled as named ranges.
    std::vector<TGpBereich> bereiche = filter_.Bereiche;
    bereiche.push_back({"Postleitzahl", filter_.PlzVon, filter_.PlzBis, filter_.PlzBereichNeg});
    auto zahl = [](int32_t v) { return v >= 0 ? std::to_string(v) : std::string(); };
    bereiche.push_back({"Kundennummer", zahl(filter_.KundenNrVon), zahl(filter_.KundenNrBis),
                        filter_.KundenNrNeg});
    bereiche.push_back({"Kundengruppe", zahl(filter_.KundengruppeVon),
                        zahl(filter_.KundengruppeBis), filter_.KundengruppeNeg});
    for (const auto& b : bereiche) {
        kis::partners::BereichKriterium k;
        if (k.Compile(b)) bereiche_.push_back(std::move(k));
    }
    for (const auto& nw : filter_.Merkmale) {
        kis::partners::WertKriterium k;
        if (k.Compile(nw)) merkmale_.push_back(std::move(k));
    }
    for (const auto& nw : filter_.Nummern) {
        kis::partners::WertKriterium k;
        if (k.Compile(nw)) nummern_.push_back(std::move(k));
    }
    sucheAktiv_ = filter_.NameSuche && !IsBlank(filter_.SuchText);
    // The name search is always a prefix search, also with wildcards in the text.
    suche_ = kis::match::Pattern(Trim(filter_.SuchText) + "*");
    compiled_ = true;
}

void TGpSelektion::LadeKandidaten(const std::string& sql, const std::string& name, const std::string& wert) {
    auto& s = SuiteDb().Cached(sql);
    s.Bind(1, name).Bind(2, wert);
    while (s.Step()) kandidaten_.insert(TIntPair(int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1))));
    s.Reset();
    mitKandidaten_ = true;
}

TGpSchluessel TGpSelektion::BestenSchluesselWaehlen() {
    Compile();
    schluessel_ = TGpSchluessel::GepNr;
    // Attribute and number names are matched without regard to case, values folded.
    for (const auto& k : merkmale_) {
        const std::string w = k.ExakterWert();
        if (w.empty()) continue;
        static const std::string kSql = "SELECT GEPNR_L, GEPNR_R FROM GPMERKMAL WHERE " +
                                        Fold("TRIM(MERKMAL)") + " = ?1 AND " +
                                        Fold("TRIM(WERT)") + " = ?2";
        LadeKandidaten(kSql, k.Name(), w);
        return schluessel_ = TGpSchluessel::Merkmal;
    }
    for (const auto& k : nummern_) {
        const std::string w = k.ExakterWert();
        if (w.empty()) continue;
        static const std::string kSql = "SELECT GEPNR_L, GEPNR_R FROM GPNUMMER WHERE " +
                                        Fold("TRIM(ART)") + " = ?1 AND " +
                                        Fold("TRIM(NUMMER)") + " = ?2";
        LadeKandidaten(kSql, k.Name(), w);
        return schluessel_ = TGpSchluessel::Nummer;
    }
    if (sucheAktiv_ && !filter_.NameSucheAusschliessen) {
        for (const TIntPair& k : SuchnameKeys(filter_.SuchText)) kandidaten_.insert(k);
        mitKandidaten_ = true;
        return schluessel_ = TGpSchluessel::Suchname;
    }
    return schluessel_;
}

bool TGpSelektion::CheckStamm(const TGpSatz& g) const {
    for (const auto& t : texte_)
        if (t.muster.Matches(g.*(t.feld)) == t.negiert) return false;
    if (!IsBlank(filter_.Geschlecht)) {
        const bool gleich = kis::text::FoldCase(Trim(g.Geschlecht)) ==
                            kis::text::FoldCase(Trim(filter_.Geschlecht));
        if (gleich == filter_.GeschlechtNeg) return false;
    }
    const bool passiv = Trim(g.Status) == "P";
    if ((filter_.Status == 0 && passiv) || (filter_.Status == 1 && !passiv)) return false;
    auto flag = [](int soll, bool ist) { return soll < 0 || (soll == 1) == ist; };
    if (!flag(filter_.Werbung, g.Werbung) || !flag(filter_.Serienbrief, g.Serienbrief) ||
        !flag(filter_.MitEmail, !IsBlank(g.Email)))
        return false;
    for (const auto& b : bereiche_)
        if (!b.Holds(g)) return false;
    if (sucheAktiv_ && suche_.Matches(g.Suchname) == filter_.NameSucheAusschliessen) return false;
    return true;
}

namespace {
// Values per folded name, read once per customer.
std::vector<std::string> WerteZu(const std::vector<std::pair<std::string, std::string>>& alle,
                                 const std::string& name) {
    std::vector<std::string> out;
    for (const auto& [n, w] : alle)
        if (n == name) out.push_back(w);
    return out;
}

std::vector<std::pair<std::string, std::string>> Lesen(const char* sql, const TIntPair& kunde) {
    std::vector<std::pair<std::string, std::string>> out;
    auto& s = SuiteDb().Cached(sql);
    s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr);
    while (s.Step()) out.emplace_back(kis::text::FoldCase(Trim(s.ColumnText(0))), s.ColumnText(1));
    s.Reset();
    return out;
}
}  // namespace

bool TGpSelektion::CheckMerkmale(const TIntPair& kunde) {
    if (merkmale_.empty()) return true;
    const auto alle = Lesen("SELECT MERKMAL, WERT FROM GPMERKMAL WHERE GEPNR_L = ? AND GEPNR_R = ?", kunde);
    for (const auto& k : merkmale_)
        if (!k.Holds(WerteZu(alle, k.Name()))) return false;
    return true;
}

bool TGpSelektion::CheckNummern(const TIntPair& kunde) {
    if (nummern_.empty()) return true;
    const auto alle = Lesen("SELECT ART, NUMMER FROM GPNUMMER WHERE GEPNR_L = ? AND GEPNR_R = ?", kunde);
    for (const auto& k : nummern_)
        if (!k.Holds(WerteZu(alle, k.Name()))) return false;
    return true;
}

bool TGpSelektion::SelektionCheck(const TIntPair& kunde) {
    if (stop_) return false;
    if (!compiled_) BestenSchluesselWaehlen();
    auto& s = SuiteDb().Cached(std::string("SELECT ") + kis::partners::kGpSpalten +
                               " FROM GEP WHERE GEPNR_L = ? AND GEPNR_R = ?");
    s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr);
    const bool found = s.Step();
    aktuell_ = TGpSatz{};
    if (found) kis::partners::ReadGpSatz(s, aktuell_);
    s.Reset();
    if (!found) return false;
    if (mitKandidaten_ && kandidaten_.count(kunde) == 0) return false;
    return CheckStamm(aktuell_) && CheckMerkmale(kunde) && CheckNummern(kunde);
}

std::vector<TIntPair> TGpSelektion::SuchnameKeys(const std::string& text) {
    std::vector<TIntPair> out;
    const std::string folded = kis::text::FoldCase(Trim(text));
    if (folded.empty()) return out;
    static const std::string kSql = "SELECT GEPNR_L, GEPNR_R FROM GEP WHERE " +
                                    Fold("TRIM(SUCHNAME)") +
                                    " LIKE ?1 ESCAPE '\\' ORDER BY SUCHNAME, GEPNR_L, GEPNR_R";
    auto& s = SuiteDb().Cached(kSql);
    s.Bind(1, kis::match::LikeFromPattern(folded) + "%");
    while (s.Step()) out.emplace_back(int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1)));
    s.Reset();
    return out;
}
