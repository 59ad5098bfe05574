#include "platform/bonus/bonus_kunden_liste.h"

#include <cstdio>

namespace {

constexpr size_t kKundeLaenge = 13;  // "%.4d%.9d"
constexpr const char* kSumme = "SUMM";

// Digits only, at most 9 of them, so the value fits.
bool Zahl(const std::string& s, int32_t& out) {
    if (s.empty() || s.size() > 9) return false;
    int32_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    out = v;
    return true;
}

}  // namespace

void TBonusKundenListe::Clear() {
    kunden_.clear();
    index_.clear();
}

int TBonusKundenListe::Add(const TIntPair& kunde, const TIdent& bonus) {
    auto [it, neu] = index_.try_emplace(kunde, kunden_.size());
    if (neu) {
        kunden_.emplace_back();
        kunden_.back().Kunde = kunde;
    }
    TKundeBonusInfo& info = kunden_[it->second];
    info.Bonus += bonus.Bonus;
    info.Gutschein += bonus.Gutschein;
    info.Rabatt += bonus.Rabatt;
    info.BonusListe.push_back(bonus);
    return int(info.BonusListe.size()) - 1;
}

const TKundeBonusInfo* TBonusKundenListe::Find(const TIntPair& kunde) const {
    const auto it = index_.find(kunde);
    return it == index_.end() ? nullptr : &kunden_[it->second];
}

std::vector<const TKundeBonusInfo*> TBonusKundenListe::Kunden() const {
    std::vector<const TKundeBonusInfo*> out;
    out.reserve(kunden_.size());
    for (const auto& k : kunden_) out.push_back(&k);
    return out;
}

std::string TBonusKundenListe::ZeilenSchluessel(const TIntPair& kunde, int position) {
    char buf[48];
    if (position < 0)
        std::snprintf(buf, sizeof buf, "%.4d%.9d%s", kunde.Lnr, kunde.Rnr, kSumme);
    else
        std::snprintf(buf, sizeof buf, "%.4d%.9d%.4d", kunde.Lnr, kunde.Rnr, position);
    return buf;
}

TIntPair TBonusKundenListe::KundeAusSchluessel(const std::string& schluessel) {
    int32_t l = 0, r = 0;
    if (schluessel.size() < kKundeLaenge || !Zahl(schluessel.substr(0, 4), l) ||
        !Zahl(schluessel.substr(4, 9), r))
        return {};
    return {l, r};
}

std::vector<TIdent> TBonusKundenListe::BoniZuSchluessel(const std::string& schluessel) const {
    const TIntPair kunde = KundeAusSchluessel(schluessel);
    const TKundeBonusInfo* info = kunde.IsNull() ? nullptr : Find(kunde);
    if (!info) return {};
    const std::string rest = schluessel.substr(kKundeLaenge);
    if (rest == kSumme) return info->BonusListe;
    int32_t pos = 0;
    if (!Zahl(rest, pos) || pos >= int32_t(info->BonusListe.size())) return {};
    return {info->BonusListe[size_t(pos)]};
}
