#include "platform/articles/artikel_tools.h"

#include <optional>
#include <unordered_map>

#include "platform/store/database.h"

namespace {
constexpr size_t kCacheGrenze = 200000;

struct Cache {
    const void* db = nullptr;
    std::unordered_map<TInt32Trio, std::optional<TArtikelSatz>> map;  // misses are cached too
};

Cache& TheCache() {
    static Cache c;
    return c;
}
}  // namespace

bool TArtikelTools::Lesen(const TInt32Trio& id, TArtikelSatz& out) {
    auto& s = kis::store::SuiteDb().Cached(
        "SELECT BEZEICHNUNG, LIEFERANT, LIEFARTNR, SAISON, SAISONJAHR, MERKMAL1, MERKMAL2, "
        "MERKMAL3, MERKMAL4, MERKMAL5, MERKMAL6, VARIANTE, PASSIV, VK, WARENGRUPPE FROM ARTIKEL "
        "WHERE ARTIKELNR_L = ? AND ARTIKELNR_R = ? AND ARTIKELNR_S = ?");
    s.Bind(1, id.Lnr).Bind(2, id.Rnr).Bind(3, id.Snr);
    const bool found = s.Step();
    if (found) {
        out = TArtikelSatz{};
        out.ArtikelNr = id;
        out.Bezeichnung = s.ColumnText(0);
        out.Lieferant = int32_t(s.ColumnInt(1));
        out.LiefArtNr = s.ColumnText(2);
        out.Saison = s.ColumnText(3);
        out.SaisonJahr = int32_t(s.ColumnInt(4));
        for (int i = 0; i < 6; ++i) out.Merkmal[i] = s.ColumnText(5 + i);
        out.Variante = s.ColumnText(11);
        out.Passiv = s.ColumnInt(12) != 0;
        out.Vk = s.ColumnDouble(13);
        out.Warengruppe = int32_t(s.ColumnInt(14));
    }
    s.Reset();
    return found;
}

bool TArtikelTools::AASatz_4_ProduktID(const TInt32Trio& id, TArtikelSatz& out) {
    if (!id.IsDefined()) return false;
    Cache& c = TheCache();
    const void* db = &kis::store::SuiteDb();
    if (c.db != db || c.map.size() >= kCacheGrenze) {
        c.map.clear();
        c.db = db;
    }
    auto it = c.map.find(id);
    if (it == c.map.end()) {
        TArtikelSatz a;
        std::optional<TArtikelSatz> entry;
        if (Lesen(id, a)) entry = std::move(a);
        it = c.map.emplace(id, std::move(entry)).first;
    }
    if (!it->second) return false;
    out = *it->second;
    return true;
}

void TArtikelTools::CacheLeeren() {
    TheCache().map.clear();
    TheCache().db = nullptr;
}
