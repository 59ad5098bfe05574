#include "platform/accounting/konten_server.h"

#include "platform/base/german_collation.h"
#include "platform/match/text_match.h"
#include "platform/store/database.h"

namespace {
std::string KeyOf(const std::string& konto) { return kis::text::FoldCase(kis::match::Trim(konto)); }
}  // namespace

void TKontenServer::Clear() {
    loaded_ = false;
    konten_.clear();
}

void TKontenServer::Load(const TIntPair& mandant) {
    if (loaded_ && mandant == mandant_) return;
    konten_.clear();
    auto& s = kis::store::SuiteDb().Cached(
        "SELECT KONTO, BEZEICHNUNG, KONTOART, ZMINDEX FROM KONTO "
        "WHERE MANDANT_L = ? AND MANDANT_R = ?");
    s.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr);
    while (s.Step()) {
        Konto k{s.ColumnText(0), s.ColumnText(1), int(s.ColumnInt(2)), int(s.ColumnInt(3))};
        konten_.emplace(KeyOf(k.konto), std::move(k));
    }
    s.Reset();
    mandant_ = mandant;
    loaded_ = true;
}

const TKontenServer::Konto* TKontenServer::Find(const TIntPair& mandant, const std::string& konto) {
    Load(mandant);
    const auto it = konten_.find(KeyOf(konto));
    return it == konten_.end() ? nullptr : &it->second;
}

std::string TKontenServer::Bezeichnung(const TIntPair& mandant, const std::string& konto) {
    const Konto* k = Find(mandant, konto);
    return k ? k->bezeichnung : "";
}

std::string TKontenServer::DefaultBezeichnung(int kontoArt) {
    if (kontoArt < kKontoArtBonusErste || kontoArt > kKontoArtBonusLetzte) return "";
    return "Bonuskonto " + std::to_string(kontoArt - kKontoArtBonusErste + 1);
}

std::string TKontenServer::KontoBySonderArt(const TIntPair& mandant, int kontoArt) {
    Load(mandant);
    const Konto* best = nullptr;
    for (const auto& [key, k] : konten_)
        if (k.art == kontoArt && (!best || k.konto < best->konto)) best = &k;
    return best ? best->konto : "";
}

int TKontenServer::ZMIndex(const TIntPair& mandant, const std::string& konto) {
    const Konto* k = Find(mandant, konto);
    return k ? k->zmIndex : 0;
}

bool TKontenServer::IstKontoArt137(const TIntPair& mandant, const std::string& konto) {
    const Konto* k = Find(mandant, konto);
    return k && k->art == kKontoArtGutschein;
}
