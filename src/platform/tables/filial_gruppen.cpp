#include "platform/tables/filial_gruppen.h"

#include <algorithm>

void TFilialen::Add(int32_t nr) {
    const auto it = std::lower_bound(nrs_.begin(), nrs_.end(), nr);
    if (it == nrs_.end() || *it != nr) nrs_.insert(it, nr);
}

bool TFilialen::Exists(int32_t nr) const { return std::binary_search(nrs_.begin(), nrs_.end(), nr); }

void TFilialGruppen::Add(int32_t gruppe, const std::string& bezeichnung, int32_t filiale) {
    auto it = std::lower_bound(gruppen_.begin(), gruppen_.end(), gruppe,
                               [](const TFilialGruppe& g, int32_t n) { return g.Nr < n; });
    if (it == gruppen_.end() || it->Nr != gruppe) {
        it = gruppen_.insert(it, TFilialGruppe{});
        it->Nr = gruppe;
    }
    if (it->Bezeichnung.empty()) it->Bezeichnung = bezeichnung;
    it->Filialen.Add(filiale);
}

const TFilialGruppe* TFilialGruppen::GetGruppeByNr(int32_t nr) const {
    const auto it = std::lower_bound(gruppen_.begin(), gruppen_.end(), nr,
                                     [](const TFilialGruppe& g, int32_t n) { return g.Nr < n; });
    return it != gruppen_.end() && it->Nr == nr ? &*it : nullptr;
}
