#include "platform/articles/aa_query.h"

void TAAQuery::Prepare() {
    varianten_.clear();
    for (const std::string& p : kis::match::SplitList(filter_.Varianten, ";,"))
        varianten_.emplace_back(p);
    prepared_ = true;
}

bool TAAQuery::Check_AA(const TArtikelSatz& artikel) {
    if (!prepared_) Prepare();
    if (filter_.Lieferant != 0 && (artikel.Lieferant == filter_.Lieferant) == filter_.LieferantNeg)
        return false;
    if (!varianten_.empty()) {
        bool match = false;
        for (const auto& p : varianten_)
            if (p.Matches(artikel.Variante)) {
                match = true;
                break;
            }
        if (match == filter_.VariantenNeg) return false;
    }
    return true;
}
