#include "platform/partners/gp_bereich_kriterium.h"

#include "platform/base/german_collation.h"
#include "platform/match/text_match.h"
#include "platform/testers/datum_text.h"

namespace kis::partners {

namespace {
// "ddmm" or "dd.mm" → month*100+day; -1 when unreadable.
int TagMonat(const std::string& text) {
    std::string d;
    for (char c : text)
        if (c != '.') d += c;
    if (d.size() != 4) return -1;
    for (char c : d)
        if (c < '0' || c > '9') return -1;
    const int tag = std::stoi(d.substr(0, 2)), monat = std::stoi(d.substr(2, 2));
    if (tag < 1 || tag > 31 || monat < 1 || monat > 12) return -1;
    return monat * 100 + tag;
}

int TagMonatVon(TDateTime date) {
    int y = 0, m = 0, d = 0;
    kis::date::DecodeDate(date, y, m, d);
    return m * 100 + d;
}
}  // namespace

bool BereichKriterium::CompileBound(const std::string& text, bool bis, long double& zahl,
                                    std::string& key) {
    switch (typ_) {
        case Typ::Text:
            key = kis::text::GermanSortKey(kis::match::Trim(text));
            return true;
        case Typ::Zahl:
            return kis::match::ParseNumber(text, zahl);
        case Typ::Datum: {
            if (feld_ == Feld::Geburtstag) {
                const int tm = TagMonat(kis::match::Trim(text));
                zahl = tm;
                return tm > 0;
            }
            TDateTime von = 0, bisTag = 0;
            if (!kis::testers::DatumTextBereich(text, von, bisTag)) return false;
            zahl = bis ? bisTag : von;
            return true;
        }
    }
    return false;
}

bool BereichKriterium::Compile(const TGpBereich& b) {
    const std::string von = kis::match::Trim(b.Von), bis = kis::match::Trim(b.Bis);
    if (von.empty() && bis.empty()) return false;
    negiert_ = b.Negiert;
    const std::string art = kis::text::FoldCase(kis::match::Trim(b.Art));
    lesbar_ = true;
    if (art.empty() || art == "kundennummer") feld_ = Feld::Kundennummer, typ_ = Typ::Zahl;
    else if (art == "kundengruppe") feld_ = Feld::Kundengruppe, typ_ = Typ::Zahl;
    else if (art == "filiale") feld_ = Feld::Filiale, typ_ = Typ::Zahl;
    else if (art == "postleitzahl" || art == "plz") feld_ = Feld::Plz, typ_ = Typ::Text;
    else if (art == "ort") feld_ = Feld::Ort, typ_ = Typ::Text;
    else if (art == "name") feld_ = Feld::Name, typ_ = Typ::Text;
    else if (art == "geburtstag") feld_ = Feld::Geburtstag, typ_ = Typ::Datum;
    else if (art == "anlagedatum") feld_ = Feld::Anlagedatum, typ_ = Typ::Datum;
    else lesbar_ = false;
    hatVon_ = !von.empty();
    hatBis_ = !bis.empty();
    // Date texts are positional ("    2024" = the year), so bounds are passed untrimmed.
    if (lesbar_ && hatVon_) lesbar_ = CompileBound(b.Von, false, von_, vonText_);
    if (lesbar_ && hatBis_) lesbar_ = CompileBound(b.Bis, true, bis_, bisText_);
    return true;
}

bool BereichKriterium::Holds(const TGpSatz& g) const {
    bool in = lesbar_;
    if (in && typ_ == Typ::Text) {
        const std::string& feld = feld_ == Feld::Plz ? g.Plz : feld_ == Feld::Ort ? g.Ort : g.Name;
        const std::string key = kis::text::GermanSortKey(kis::match::Trim(feld));
        if (hatVon_ && key < vonText_) in = false;
        // The upper bound counts as a prefix: "bis M" takes "Meier".
        if (hatBis_ && key.substr(0, bisText_.size()) > bisText_) in = false;
    } else if (in) {
        long double v = 0;
        switch (feld_) {
            case Feld::Kundennummer: v = g.GepNr.Lnr; break;
            case Feld::Kundengruppe: v = g.Kundengruppe; break;
            case Feld::Filiale: v = g.Filiale; break;
            case Feld::Geburtstag:
                if (g.Geburtstag == 0) in = false;
                v = TagMonatVon(g.Geburtstag);
                break;
            case Feld::Anlagedatum: v = kis::date::DateOf(g.Anlagedatum); break;
            default: break;
        }
        if (in && feld_ == Feld::Geburtstag && hatVon_ && hatBis_ && von_ > bis_)
            in = v >= von_ || v <= bis_;  // over the turn of the year: "1512" to "1501"
        else if (in && ((hatVon_ && v < von_) || (hatBis_ && v > bis_)))
            in = false;
    }
    return in != negiert_;
}

}  // namespace kis::partners
