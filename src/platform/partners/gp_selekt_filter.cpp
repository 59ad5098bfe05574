#include "platform/partners/gp_selekt_filter.h"

#include "platform/match/text_match.h"

using kis::match::IsBlank;
using kis::match::Trim;

bool TGpTextKriterium::IsSet() const { return !IsBlank(Wert); }

namespace {
bool SplitLine(const std::string& line, TGpNameWert& out) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    out.Name = Trim(std::string_view(line).substr(0, eq));
    out.Wert = Trim(std::string_view(line).substr(eq + 1));
    return !out.Name.empty();
}
}  // namespace

bool TGpSelektFilter::AddMerkmalLine(const std::string& line) {
    TGpNameWert nw;
    if (!SplitLine(line, nw)) return false;
    Merkmale.push_back(std::move(nw));
    return true;
}

bool TGpSelektFilter::AddNummerLine(const std::string& line) {
    TGpNameWert nw;
    if (!SplitLine(line, nw)) return false;
    Nummern.push_back(std::move(nw));
    return true;
}

bool TGpSelektFilter::IsActive() const {
    for (const auto* k : {&Name, &Name2, &Vorname, &Suchname, &Strasse, &Plz, &Ort, &Land,
                          &Telefon, &Email})
        if (k->IsSet()) return true;
    if (!IsBlank(PlzVon) || !IsBlank(PlzBis) || !IsBlank(Geschlecht)) return true;
    if (Status != 2 || Werbung >= 0 || Serienbrief >= 0 || MitEmail >= 0) return true;
    if (KundenNrVon >= 0 || KundenNrBis >= 0 || KundengruppeVon >= 0 || KundengruppeBis >= 0)
        return true;
    for (const auto& b : Bereiche)
        if (!IsBlank(b.Von) || !IsBlank(b.Bis)) return true;
    for (const auto* list : {&Merkmale, &Nummern})
        for (const auto& nw : *list)
            if (!IsBlank(nw.Wert)) return true;
    return NameSuche && !IsBlank(SuchText);
}
