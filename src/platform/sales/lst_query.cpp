#include "platform/sales/lst_query.h"

#include <cmath>

#include "platform/match/text_match.h"
#include "platform/testers/datum_text.h"

namespace {
// Round((a - b) × 100) on absolute values, ties to even: the cent comparison of amounts.
int64_t CentDiff(long double a, long double b) {
    return std::llrint(double((std::fabs(a) - b) * 100.0L));
}

bool InCentBounds(long double value, long double min, long double max) {
    if (min >= 0 && CentDiff(value, min) < 0) return false;
    if (max >= 0 && CentDiff(value, max) > 0) return false;
    return true;
}

int64_t Cents(long double v) { return std::llrint(double(std::fabs(v) * 100.0L)); }
}  // namespace

bool TLSTQuery::Prepare() {
    using kis::match::IsBlank;
    bool ok = true;

    // Dates: a bound that cannot be read makes the date criterion match nothing.
    datumVon_ = datumBis_ = 0;
    datumUnlesbar_ = false;
    TDateTime von = 0, bis = 0;
    if (!IsBlank(filter_.DatumVon)) {
        if (kis::testers::DatumTextBereich(filter_.DatumVon, von, bis))
            datumVon_ = von;
        else
            datumUnlesbar_ = true;
    }
    if (!IsBlank(filter_.DatumBis)) {
        if (kis::testers::DatumTextBereich(filter_.DatumBis, von, bis))
            datumBis_ = bis;
        else
            datumUnlesbar_ = true;
    }
    datumAktiv_ = datumUnlesbar_ || datumVon_ != 0 || datumBis_ != 0;
    ok = ok && !datumUnlesbar_;

    // Branches: restrict only when some branch is left out.
    filialen_.clear();
    bool irgendeineAus = false;
    for (const std::string& line : filter_.Filialen) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        long double nr = 0;
        if (!kis::match::ParseNumber(line.substr(0, eq), nr)) continue;
        if (kis::match::Trim(line.substr(eq + 1)) == "1")
            filialen_.insert(int32_t(nr));
        else
            irgendeineAus = true;
    }
    filialAktiv_ = irgendeineAus;

    artikelUnlesbar_ = false;
    artikelAktiv_ = !IsBlank(filter_.ArtikelNr);
    if (artikelAktiv_ && !TInt32Trio::FromString(kis::match::Trim(filter_.ArtikelNr), artikel_)) {
        artikelUnlesbar_ = true;
        ok = false;
    }

    vkKz_.clear();
    for (char c : filter_.VkKz)
        if (c != ' ' && c != ',' && c != ';' && c != '\t') vkKz_ += c;

    istVkAktiv_ = filter_.IstVkMin >= 0 || filter_.IstVkMax >= 0;
    nachlassAktiv_ = filter_.NachlassMin >= 0 || filter_.NachlassMax >= 0;
    prepared_ = true;
    return ok;
}

bool TLSTQuery::CheckDatum(const TLSTPosition& pos) const {
    if (!datumAktiv_) return true;
    bool in = !datumUnlesbar_;
    if (in) {
        const TDateTime day = kis::date::DateOf(pos.Datum);
        if (datumVon_ != 0 && day < datumVon_) in = false;
        if (datumBis_ != 0 && day > datumBis_) in = false;
    }
    return in != filter_.DatumNeg;
}

bool TLSTQuery::CheckFiliale(const TLSTPosition& pos) const {
    return !filialAktiv_ || filialen_.count(pos.Filiale) != 0;
}

bool TLSTQuery::CheckArtikel(const TLSTPosition& pos) const {
    if (!artikelAktiv_) return true;
    const bool gleich = !artikelUnlesbar_ && pos.ArtikelNr == artikel_;
    return gleich != filter_.ArtikelNrNeg;
}

bool TLSTQuery::CheckVkKz(const TLSTPosition& pos) const {
    if (vkKz_.empty()) return true;
    const std::string kz = kis::match::Trim(pos.VkKz);
    const bool drin = !kz.empty() && vkKz_.find(kz[0]) != std::string::npos;
    return drin != filter_.VkKzNeg;
}

bool TLSTQuery::CheckIstVk(const TLSTPosition& pos) const {
    if (!istVkAktiv_) return true;
    return InCentBounds(pos.IstVk, filter_.IstVkMin, filter_.IstVkMax) != filter_.IstVkNeg;
}

bool TLSTQuery::CheckReduziert(const TLSTPosition& pos) const {
    const bool reduziert = Cents(pos.IstVk) < Cents(pos.SollVk);
    if (!reduziert) return filter_.NichtReduziert;
    if (!filter_.Reduziert) return false;
    // Exactly one sub-option set restricts; neither or both take every reduced sale.
    const bool igrs = filter_.ReduziertIstGleichRedSoll, ikrs = filter_.ReduziertIstKleinerRedSoll;
    if (igrs != ikrs) {
        const int64_t ist = Cents(pos.IstVk), red = Cents(pos.RedSollVk);
        if (igrs && ist != red) return false;
        if (ikrs && !(ist < red)) return false;
    }
    if (nachlassAktiv_ &&
        InCentBounds(pos.Nachlass, filter_.NachlassMin, filter_.NachlassMax) == filter_.NachlassNeg)
        return false;
    return true;
}

bool TLSTQuery::CheckBonus(const TLSTPosition& pos) const {
    return pos.BonusVerrechnet() ? filter_.BonusVerrechnet : filter_.NichtBonusVerrechnet;
}

bool TLSTQuery::Check_LST(const TLSTPosition& pos) {
    if (!prepared_) Prepare();
    return CheckDatum(pos) && CheckFiliale(pos) && CheckArtikel(pos) && CheckVkKz(pos) &&
           CheckIstVk(pos) && CheckReduziert(pos) && CheckBonus(pos);
}
