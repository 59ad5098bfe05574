#include "suite_lookup.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/store/record_file.h"

namespace kis::import {

namespace {

using kis::store::TQEL_DBFile;

// Walks every record of a table, reading only the named fields.
void Walk(const std::string& table, const std::vector<std::string>& fields,
          const std::function<void(TQEL_DBFile&)>& fn) {
    TQEL_DBFile f(table);
    f.OpenOut();
    f.ClearKeysAndFilters();
    f.SetUsedField(fields);
    f.ExtendedMaxReceive_Set(-1);
    for (bool ok = f.Get_ge(); ok; ok = f.Next()) fn(f);
    f.Close();
}

}  // namespace

void SuiteLookup::Load(const TIntPair& mandant) {
    Walk("FILIALE", {"MANDANT", "NR"},
         [&](TQEL_DBFile& f) { branches_[f.Feld("NR").AsInt()] = f.Feld("MANDANT").AsPair(); });
    Walk("LIEFERANT", {"NR"}, [&](TQEL_DBFile& f) { suppliers_.insert(f.Feld("NR").AsInt()); });
    Walk("GEP", {"GEPNR"}, [&](TQEL_DBFile& f) { partners_.insert(f.Feld("GEPNR").AsPair()); });
    Walk("KULI", {"KUNDE", "MANDANT", "ART"}, [&](TQEL_DBFile& f) {
        if (f.Feld("MANDANT").AsPair() == mandant && f.Feld("ART").AsString() == "B")
            customers_.insert(f.Feld("KUNDE").AsPair());
    });
    Walk("ARTIKEL", {"ARTIKELNR", "LIEFARTNR"}, [&](TQEL_DBFile& f) {
        const TInt32Trio nr = f.Feld("ARTIKELNR").AsTrio();
        articles_.insert(nr);
        const std::string code = f.Feld("LIEFARTNR").AsString();
        if (!code.empty()) articleCodes_.emplace(code, nr);
        if (nr.Lnr == 0 && nr.Snr == 0) lastImportedArticle_ = std::max(lastImportedArticle_, nr.Rnr);
    });
    Walk("LFNR", {"RNR", "LNR", "BELEGART", "BELEGLNR", "BELEGRNR"}, [&](TQEL_DBFile& f) {
        const int rnr = f.Feld("RNR").AsInt(), lnr = f.Feld("LNR").AsInt();
        int32_t& last = lastLnr_[rnr];
        last = std::max(last, lnr);
        documents_.emplace(DocKey(f.Feld("BELEGART").AsString(), f.Feld("BELEGLNR").AsInt(),
                                  f.Feld("BELEGRNR").AsInt()),
                           TIntPair(rnr, lnr));
    });
    Walk("ATK", {"RNR", "LNR"}, [&](TQEL_DBFile& f) {
        int32_t& last = lastLnr_[f.Feld("RNR").AsInt()];
        last = std::max(last, f.Feld("LNR").AsInt());
    });
}

TInt32Trio SuiteLookup::ArticleByCode(const std::string& code) const {
    const auto it = articleCodes_.find(code);
    return it == articleCodes_.end() ? TInt32Trio() : it->second;
}

int32_t SuiteLookup::LastLnr(int branch) const {
    const auto it = lastLnr_.find(branch);
    return it == lastLnr_.end() ? 0 : it->second;
}

bool SuiteLookup::FindDocument(const std::string& kind, int branch, int number, int& rnr,
                               int& lnr) const {
    const auto it = documents_.find(DocKey(kind, branch, number));
    if (it == documents_.end()) return false;
    rnr = it->second.Lnr;
    lnr = it->second.Rnr;
    return true;
}

std::string SuiteLookup::DocKey(const std::string& kind, int branch, int number) {
    return kind + "/" + std::to_string(branch) + "/" + std::to_string(number);
}

}  // namespace kis::import
