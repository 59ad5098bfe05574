#include "platform/partners/gp_wert_kriterium.h"

#include "platform/base/german_collation.h"

namespace kis::partners {

bool WertKriterium::Compile(const TGpNameWert& nw) {
    std::string v = kis::match::Trim(nw.Wert);
    if (v.empty()) return false;
    name_ = kis::text::FoldCase(kis::match::Trim(nw.Name));
    invert_ = v[0] == '!';
    if (invert_) v = kis::match::Trim(v.substr(1));
    const std::string f = kis::text::FoldCase(v);
    if (f == "<gefüllt>" || f == "<gefuellt>") {
        art_ = Art::Gefuellt;
        return true;
    }
    if (f == "<leer>") {
        art_ = Art::Leer;
        return true;
    }
    for (const char* op : {">=", "<=", "<>", ">", "<", "="}) {
        if (v.rfind(op, 0) == 0) {
            art_ = Art::Vergleich;
            op_ = op;
            operand_ = kis::match::Trim(v.substr(op_.size()));
            istZahl_ = kis::match::ParseNumber(operand_, zahl_);
            return true;
        }
    }
    art_ = Art::Muster;
    muster_ = kis::match::Pattern(v);
    return true;
}

std::string WertKriterium::ExakterWert() const {
    if (invert_ || art_ != Art::Muster || muster_.HasWildcards()) return {};
    return muster_.Folded();
}

bool WertKriterium::HoldsOne(const std::string& wert) const {
    switch (art_) {
        case Art::Gefuellt: return !kis::match::IsBlank(wert);
        case Art::Leer: return kis::match::IsBlank(wert);
        case Art::Muster: return muster_.Matches(wert);
        case Art::Vergleich: break;
    }
    // Numbers compare as numbers, texts in German order without regard to case.
    int cmp = 0;
    long double z = 0;
    if (istZahl_ && kis::match::ParseNumber(wert, z))
        cmp = z < zahl_ ? -1 : z > zahl_ ? 1 : 0;
    else
        cmp = kis::text::GermanSortKey(kis::match::Trim(wert)).compare(kis::text::GermanSortKey(operand_));
    if (op_ == ">=") return cmp >= 0;
    if (op_ == "<=") return cmp <= 0;
    if (op_ == "<>") return cmp != 0;
    if (op_ == ">") return cmp > 0;
    if (op_ == "<") return cmp < 0;
    return cmp == 0;
}

bool WertKriterium::Holds(const std::vector<std::string>& werte) const {
    bool ok = false;
    if (art_ == Art::Leer) {
        ok = true;
        for (const auto& w : werte)
            if (!kis::match::IsBlank(w)) ok = false;
    } else if (werte.empty()) {
        ok = HoldsOne(std::string());
    } else {
        for (const auto& w : werte)
            if (HoldsOne(w)) {
                ok = true;
                break;
            }
    }
    return ok != invert_;
}

}  // namespace kis::partners
