#include "platform/bonus/umzr_params.h"

#include <stdexcept>

#include "platform/bonus/bonus_rechner.h"

std::string CQEL_UMZR_ZR_Dauer_Typ_2_String(int einheit) {
    switch (einheit) {
        case kUMZRTage: return "Tag(e)";
        case kUMZRWochen: return "Woche(n)";
        case kUMZRMonate: return "Monat(e)";
        default: return {};
    }
}

namespace {

int64_t Betrag(const std::string& text, const std::string& zeile) {
    int64_t v = 0;
    if (!DezimalZuHundertstel(text, v)) throw std::invalid_argument("Unlesbare Zeile: " + zeile);
    return v;
}

int Zahl(const std::string& text, const std::string& zeile) {
    try {
        size_t used = 0;
        const int v = std::stoi(text, &used);
        if (used == text.size()) return v;
    } catch (const std::exception&) {
    }
    throw std::invalid_argument("Unlesbare Zeile: " + zeile);
}

// "a;b" split at the first ';'.
std::pair<std::string, std::string> Paar(const std::string& text, const std::string& zeile) {
    const size_t p = text.find(';');
    if (p == std::string::npos) throw std::invalid_argument("Unlesbare Zeile: " + zeile);
    return {text.substr(0, p), text.substr(p + 1)};
}

}  // namespace

std::vector<std::string> TQEL_UMZR_Params::AssignToStrL() const {
    std::vector<std::string> z = {
        "ZEITRAUM=" + std::to_string(Zeitraum),
        "EINHEIT=" + std::to_string(Einheit),
        "UMSATZGRENZE=" + HundertstelZuText(UmsatzgrenzeCent),
        "REGEL=" + Regel,
        "BERECHNUNG=" + std::to_string(Berechnung),
        "STORNO=" + std::to_string(Storno),
        std::string("GUTSCHEINE=") + (GutscheinBeiAusgabe ? "1" : "0"),
    };
    for (const auto& e : ExtraBonus)
        z.push_back("EXTRABONUS=" + HundertstelZuText(e.WertBisCent) + ";" + HundertstelZuText(e.BetragCent));
    for (const auto& a : Artikel)
        z.push_back("ARTIKEL=" + a.ProduktId.ToString() + ";" + HundertstelZuText(a.BetragCent));
    return z;
}

void TQEL_UMZR_Params::FillFromStrL(const std::vector<std::string>& zeilen) {
    TQEL_UMZR_Params p;
    for (const auto& zeile : zeilen) {
        const size_t eq = zeile.find('=');
        if (eq == std::string::npos) continue;
        const std::string name = zeile.substr(0, eq);
        const std::string wert = zeile.substr(eq + 1);
        if (name == "ZEITRAUM") p.Zeitraum = Zahl(wert, zeile);
        else if (name == "EINHEIT") p.Einheit = Zahl(wert, zeile);
        else if (name == "UMSATZGRENZE") p.UmsatzgrenzeCent = Betrag(wert, zeile);
        else if (name == "REGEL") p.Regel = wert;
        else if (name == "BERECHNUNG") p.Berechnung = Zahl(wert, zeile);
        else if (name == "STORNO") p.Storno = Zahl(wert, zeile);
        else if (name == "GUTSCHEINE") p.GutscheinBeiAusgabe = wert == "1";
        else if (name == "EXTRABONUS") {
            const auto [a, b] = Paar(wert, zeile);
            p.ExtraBonus.push_back({Betrag(a, zeile), Betrag(b, zeile)});
        } else if (name == "ARTIKEL") {
            const auto [a, b] = Paar(wert, zeile);
            TQEL_PID_GR_Betrag art;
            if (!TInt32Trio::FromString(a, art.ProduktId)) throw std::invalid_argument("Unlesbare Zeile: " + zeile);
            art.BetragCent = Betrag(b, zeile);
            p.Artikel.push_back(art);
        }
    }
    *this = std::move(p);
}
