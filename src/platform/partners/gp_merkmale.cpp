#include "platform/partners/gp_merkmale.h"

#include <algorithm>

#include "platform/base/german_collation.h"
#include "platform/store/database.h"

using kis::store::SuiteDb;

namespace {
std::vector<TGpNameWert> ReadPairs(const char* sql, const TIntPair& gepNr) {
    std::vector<TGpNameWert> out;
    auto& s = SuiteDb().Cached(sql);
    s.Bind(1, gepNr.Lnr).Bind(2, gepNr.Rnr);
    while (s.Step()) out.push_back({s.ColumnText(0), s.ColumnText(1)});
    s.Reset();
    return out;
}
}  // namespace

std::vector<std::string> TGpMerkmale::Definitionen() {
    std::vector<std::string> out;
    auto& s = SuiteDb().Cached("SELECT NAME FROM MERKMALDEF");
    while (s.Step()) out.push_back(s.ColumnText(0));
    s.Reset();
    std::sort(out.begin(), out.end(),
              [](const std::string& a, const std::string& b) { return kis::text::GermanCompare(a, b) < 0; });
    return out;
}

bool TGpMerkmale::DefinitionExists(const std::string& name) {
    auto& s = SuiteDb().Cached("SELECT 1 FROM MERKMALDEF WHERE NAME = ? LIMIT 1");
    s.Bind(1, name);
    const bool found = s.Step();
    s.Reset();
    return found;
}

std::vector<TGpNameWert> TGpMerkmale::Merkmale(const TIntPair& gepNr) {
    return ReadPairs("SELECT MERKMAL, WERT FROM GPMERKMAL WHERE GEPNR_L = ? AND GEPNR_R = ? "
                     "ORDER BY MERKMAL", gepNr);
}

std::string TGpMerkmale::Wert(const TIntPair& gepNr, const std::string& merkmal) {
    auto& s = SuiteDb().Cached(
        "SELECT WERT FROM GPMERKMAL WHERE GEPNR_L = ? AND GEPNR_R = ? AND MERKMAL = ?");
    s.Bind(1, gepNr.Lnr).Bind(2, gepNr.Rnr).Bind(3, merkmal);
    std::string out = s.Step() ? s.ColumnText(0) : std::string();
    s.Reset();
    return out;
}

std::vector<TGpNameWert> TGpMerkmale::Nummern(const TIntPair& gepNr) {
    return ReadPairs("SELECT ART, NUMMER FROM GPNUMMER WHERE GEPNR_L = ? AND GEPNR_R = ? "
                     "ORDER BY ART, NUMMER", gepNr);
}

std::vector<std::string> TGpMerkmale::NummernArten() {
    std::vector<std::string> out;
    auto& s = SuiteDb().Cached("SELECT DISTINCT ART FROM GPNUMMER");
    while (s.Step()) out.push_back(s.ColumnText(0));
    s.Reset();
    std::sort(out.begin(), out.end(),
              [](const std::string& a, const std::string& b) { return kis::text::GermanCompare(a, b) < 0; });
    return out;
}
