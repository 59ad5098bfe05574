#include "filter_file.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>

#include "platform/services/orv_utils.h"

namespace kis::eval {

namespace {

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

std::string Lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool Bool(const std::string& v, bool& out) {
    const std::string l = Lower(v);
    if (l == "1" || l == "j" || l == "ja" || l == "true") return out = true, true;
    if (l == "0" || l == "n" || l == "nein" || l == "false") return out = false, true;
    return false;
}

bool Int(const std::string& v, int32_t& out) {
    if (v.empty()) return false;
    size_t i = (v[0] == '-' || v[0] == '+') ? 1 : 0;
    if (i == v.size()) return false;
    for (size_t k = i; k < v.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(v[k]))) return false;
    try {
        const long long n = std::stoll(v);
        if (n < INT32_MIN || n > INT32_MAX) return false;
        out = int32_t(n);
        return true;
    } catch (...) {
        return false;
    }
}

// An amount: an optional sign, digits, and at most one decimal separator (comma or point)
// followed by one or two digits. Thousands separators are not allowed, so "10.004" (ten
// thousand and four, or ten and four thousandths?) is refused instead of guessed.
bool Betrag(const std::string& v, long double& out) {
    size_t i = (!v.empty() && (v[0] == '-' || v[0] == '+')) ? 1 : 0;
    const size_t ganzAb = i;
    while (i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]))) ++i;
    if (i == ganzAb) return false;
    std::string text = v.substr(0, i);
    if (i < v.size()) {
        if (v[i] != ',' && v[i] != '.') return false;
        const size_t nachAb = ++i;
        while (i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]))) ++i;
        const size_t nachkomma = i - nachAb;
        if (i != v.size() || nachkomma == 0 || nachkomma > 2) return false;
        text += "." + v.substr(nachAb);
    }
    try {
        out = std::stold(text);
    } catch (...) {
        return false;
    }
    return true;
}

bool Datum(const std::string& v, TDateTime& out) {
    int y = 0, m = 0, d = 0;
    char extra = 0;
    if (std::sscanf(v.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &extra) == 3) {
        out = kis::date::EncodeDate(y, m, d);
        return out != 0;
    }
    out = orv_StrToDate_Def(v, 0);
    return out != 0;
}

struct Feld {
    std::string form;  // for the help text
    std::function<bool(TMerovaFilter&, const std::string&)> set;
};

using Tabelle = std::map<std::string, Feld>;

void B(Tabelle& t, const std::string& n, std::function<bool&(TMerovaFilter&)> f) {
    t[n] = {"0|1", [f](TMerovaFilter& x, const std::string& v) { return Bool(v, f(x)); }};
}
void I(Tabelle& t, const std::string& n, std::function<int32_t&(TMerovaFilter&)> f) {
    t[n] = {"Ganzzahl", [f](TMerovaFilter& x, const std::string& v) { return Int(v, f(x)); }};
}
void R(Tabelle& t, const std::string& n, std::function<long double&(TMerovaFilter&)> f) {
    t[n] = {"Betrag (10,50 oder 10.50: höchstens zwei Nachkommastellen, ohne Tausenderpunkte)", [f](TMerovaFilter& x, const std::string& v) { return Betrag(v, f(x)); }};
}
void S(Tabelle& t, const std::string& n, std::function<std::string&(TMerovaFilter&)> f) {
    t[n] = {"Text", [f](TMerovaFilter& x, const std::string& v) { return f(x) = v, true; }};
}
void G(Tabelle& t, const std::string& n, std::function<TGpTextKriterium&(TMerovaFilter&)> f) {
    t[n] = {"Text", [f](TMerovaFilter& x, const std::string& v) { return f(x).Wert = v, true; }};
    t[n + "Neg"] = {"0|1", [f](TMerovaFilter& x, const std::string& v) { return Bool(v, f(x).Negiert); }};
}

const Tabelle& Felder() {
    static const Tabelle t = [] {
        Tabelle t;
        B(t, "FAuchAnonymeKunden", [](auto& f) -> bool& { return f.FAuchAnonymeKunden; });
        B(t, "FKundeBonusNie", [](auto& f) -> bool& { return f.FKundeBonusNie; });
        R(t, "FBonSumMin", [](auto& f) -> long double& { return f.FBonSumMin; });
        R(t, "FBonSumMax", [](auto& f) -> long double& { return f.FBonSumMax; });
        B(t, "FBonSumNeg", [](auto& f) -> bool& { return f.FBonSumNeg; });
        I(t, "FSelSumMengeMin", [](auto& f) -> int32_t& { return f.FSelSumMengeMin; });
        I(t, "FSelSumMengeMax", [](auto& f) -> int32_t& { return f.FSelSumMengeMax; });
        B(t, "FSelSumMengeNeg", [](auto& f) -> bool& { return f.FSelSumMengeNeg; });
        R(t, "FSelSumWertMin", [](auto& f) -> long double& { return f.FSelSumWertMin; });
        R(t, "FSelSumWertMax", [](auto& f) -> long double& { return f.FSelSumWertMax; });
        B(t, "FSelSumWertNeg", [](auto& f) -> bool& { return f.FSelSumWertNeg; });
        B(t, "FGesSumBuild", [](auto& f) -> bool& { return f.FGesSumBuild; });
        I(t, "FGesSumMengeMin", [](auto& f) -> int32_t& { return f.FGesSumMengeMin; });
        I(t, "FGesSumMengeMax", [](auto& f) -> int32_t& { return f.FGesSumMengeMax; });
        B(t, "FGesSumMengeNeg", [](auto& f) -> bool& { return f.FGesSumMengeNeg; });
        R(t, "FGesSumWertMin", [](auto& f) -> long double& { return f.FGesSumWertMin; });
        R(t, "FGesSumWertMax", [](auto& f) -> long double& { return f.FGesSumWertMax; });
        B(t, "FGesSumWertNeg", [](auto& f) -> bool& { return f.FGesSumWertNeg; });
        t["FZM"] = {"Kürzel=0|1 (eine Zeile je Zahlungsmittel)", [](TMerovaFilter& f, const std::string& v) {
                        const auto eq = v.find('=');
                        if (eq == std::string::npos || eq == 0) return false;
                        const std::string w = Trim(v.substr(eq + 1));
                        if (w != "0" && w != "1") return false;
                        f.FZM.Add(Trim(v.substr(0, eq)) + "=" + w);
                        return true;
                    }};
        B(t, "FZMNeg", [](auto& f) -> bool& { return f.FZMNeg; });
        t["FOP"] = {"Tabelle=0|1 (eine Zeile je OP-Tabelle)", [](TMerovaFilter& f, const std::string& v) {
                        const auto eq = v.find('=');
                        if (eq == std::string::npos || eq == 0) return false;
                        const std::string w = Trim(v.substr(eq + 1));
                        if (w != "0" && w != "1") return false;
                        f.FOP.Add(Trim(v.substr(0, eq)) + "=" + w);
                        return true;
                    }};
        B(t, "FOPDatumNeg", [](auto& f) -> bool& { return f.FOPDatumNeg; });
        S(t, "FOPDatumVon", [](auto& f) -> std::string& { return f.FOPDatumVon; });
        S(t, "FOPDatumBis", [](auto& f) -> std::string& { return f.FOPDatumBis; });
        B(t, "FOPWertNeg", [](auto& f) -> bool& { return f.FOPWertNeg; });
        R(t, "FOPWertMin", [](auto& f) -> long double& { return f.FOPWertMin; });
        R(t, "FOPWertMax", [](auto& f) -> long double& { return f.FOPWertMax; });
        B(t, "FOPBonusAbg", [](auto& f) -> bool& { return f.FOPBonusAbg; });
        B(t, "FOPBonusNichtAbg", [](auto& f) -> bool& { return f.FOPBonusNichtAbg; });
        B(t, "FOPBonusAktLenNeg", [](auto& f) -> bool& { return f.FOPBonusAktLenNeg; });
        I(t, "FOPBonusAktLenMin", [](auto& f) -> int32_t& { return f.FOPBonusAktLenMin; });
        I(t, "FOPBonusAktLenMax", [](auto& f) -> int32_t& { return f.FOPBonusAktLenMax; });
        t["FVkFilter"] = {"vkEgal|vkJa|vkNein", [](TMerovaFilter& f, const std::string& v) {
                              const std::string l = Lower(v);
                              if (l == "vkegal") f.FVkFilter = vkEgal;
                              else if (l == "vkja") f.FVkFilter = vkJa;
                              else if (l == "vknein") f.FVkFilter = vkNein;
                              else return false;
                              return true;
                          }};
        t["FVkVon"] = {"Datum (TT.MM.JJJJ oder JJJJ-MM-TT)",
                       [](TMerovaFilter& f, const std::string& v) { return Datum(v, f.FVkVon); }};
        t["FVkBis"] = {"Datum (TT.MM.JJJJ oder JJJJ-MM-TT)",
                       [](TMerovaFilter& f, const std::string& v) { return Datum(v, f.FVkBis); }};
        B(t, "FKeineOP", [](auto& f) -> bool& { return f.FKeineOP; });
        B(t, "FSaisonNeg", [](auto& f) -> bool& { return f.FSaisonNeg; });
        S(t, "FSaison", [](auto& f) -> std::string& { return f.FSaison; });
        B(t, "FGutscheineBeruecksichtigen", [](auto& f) -> bool& { return f.FGutscheineBeruecksichtigen; });
        t["FSonderBoni4PIds"] = {"a-b-c:Betrag (eine Zeile je Artikel)", [](TMerovaFilter& f, const std::string& v) {
                                     const auto colon = v.find(':');
                                     if (colon == std::string::npos) return false;
                                     TQEL_PID_GR_Betrag e;
                                     long double betrag = 0;
                                     if (!TInt32Trio::FromString(Trim(v.substr(0, colon)), e.PId) ||
                                         !Betrag(v.substr(colon + 1), betrag))
                                         return false;
                                     e.Betrag = double(betrag);
                                     f.FSonderBoni4PIds.push_back(e);
                                     return true;
                                 }};

        I(t, "AAFilter.Lieferant", [](auto& f) -> int32_t& { return f.AAFilter.Lieferant; });
        B(t, "AAFilter.LieferantNeg", [](auto& f) -> bool& { return f.AAFilter.LieferantNeg; });
        S(t, "AAFilter.Varianten", [](auto& f) -> std::string& { return f.AAFilter.Varianten; });
        B(t, "AAFilter.VariantenNeg", [](auto& f) -> bool& { return f.AAFilter.VariantenNeg; });

        S(t, "LSTFilter.DatumVon", [](auto& f) -> std::string& { return f.LSTFilter.DatumVon; });
        S(t, "LSTFilter.DatumBis", [](auto& f) -> std::string& { return f.LSTFilter.DatumBis; });
        B(t, "LSTFilter.DatumNeg", [](auto& f) -> bool& { return f.LSTFilter.DatumNeg; });
        t["LSTFilter.Filialen"] = {"Nr=0|1 (eine Zeile je Filiale)", [](TMerovaFilter& f, const std::string& v) {
                                       return v.find('=') != std::string::npos &&
                                              (f.LSTFilter.Filialen.push_back(v), true);
                                   }};
        S(t, "LSTFilter.ArtikelNr", [](auto& f) -> std::string& { return f.LSTFilter.ArtikelNr; });
        B(t, "LSTFilter.ArtikelNrNeg", [](auto& f) -> bool& { return f.LSTFilter.ArtikelNrNeg; });
        S(t, "LSTFilter.VkKz", [](auto& f) -> std::string& { return f.LSTFilter.VkKz; });
        B(t, "LSTFilter.VkKzNeg", [](auto& f) -> bool& { return f.LSTFilter.VkKzNeg; });
        R(t, "LSTFilter.IstVkMin", [](auto& f) -> long double& { return f.LSTFilter.IstVkMin; });
        R(t, "LSTFilter.IstVkMax", [](auto& f) -> long double& { return f.LSTFilter.IstVkMax; });
        B(t, "LSTFilter.IstVkNeg", [](auto& f) -> bool& { return f.LSTFilter.IstVkNeg; });
        B(t, "LSTFilter.NichtReduziert", [](auto& f) -> bool& { return f.LSTFilter.NichtReduziert; });
        B(t, "LSTFilter.Reduziert", [](auto& f) -> bool& { return f.LSTFilter.Reduziert; });
        B(t, "LSTFilter.ReduziertIstGleichRedSoll",
          [](auto& f) -> bool& { return f.LSTFilter.ReduziertIstGleichRedSoll; });
        B(t, "LSTFilter.ReduziertIstKleinerRedSoll",
          [](auto& f) -> bool& { return f.LSTFilter.ReduziertIstKleinerRedSoll; });
        R(t, "LSTFilter.NachlassMin", [](auto& f) -> long double& { return f.LSTFilter.NachlassMin; });
        R(t, "LSTFilter.NachlassMax", [](auto& f) -> long double& { return f.LSTFilter.NachlassMax; });
        B(t, "LSTFilter.NachlassNeg", [](auto& f) -> bool& { return f.LSTFilter.NachlassNeg; });
        B(t, "LSTFilter.BonusVerrechnet", [](auto& f) -> bool& { return f.LSTFilter.BonusVerrechnet; });
        B(t, "LSTFilter.NichtBonusVerrechnet",
          [](auto& f) -> bool& { return f.LSTFilter.NichtBonusVerrechnet; });

        G(t, "GPFilter.Name", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Name; });
        G(t, "GPFilter.Name2", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Name2; });
        G(t, "GPFilter.Vorname", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Vorname; });
        G(t, "GPFilter.Suchname", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Suchname; });
        G(t, "GPFilter.Strasse", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Strasse; });
        G(t, "GPFilter.Plz", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Plz; });
        G(t, "GPFilter.Ort", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Ort; });
        G(t, "GPFilter.Land", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Land; });
        G(t, "GPFilter.Telefon", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Telefon; });
        G(t, "GPFilter.Email", [](auto& f) -> TGpTextKriterium& { return f.GPFilter.Email; });
        S(t, "GPFilter.PlzVon", [](auto& f) -> std::string& { return f.GPFilter.PlzVon; });
        S(t, "GPFilter.PlzBis", [](auto& f) -> std::string& { return f.GPFilter.PlzBis; });
        B(t, "GPFilter.PlzBereichNeg", [](auto& f) -> bool& { return f.GPFilter.PlzBereichNeg; });
        S(t, "GPFilter.Geschlecht", [](auto& f) -> std::string& { return f.GPFilter.Geschlecht; });
        B(t, "GPFilter.GeschlechtNeg", [](auto& f) -> bool& { return f.GPFilter.GeschlechtNeg; });
        I(t, "GPFilter.Status", [](auto& f) -> int32_t& { return f.GPFilter.Status; });
        I(t, "GPFilter.Werbung", [](auto& f) -> int32_t& { return f.GPFilter.Werbung; });
        I(t, "GPFilter.Serienbrief", [](auto& f) -> int32_t& { return f.GPFilter.Serienbrief; });
        I(t, "GPFilter.MitEmail", [](auto& f) -> int32_t& { return f.GPFilter.MitEmail; });
        I(t, "GPFilter.KundenNrVon", [](auto& f) -> int32_t& { return f.GPFilter.KundenNrVon; });
        I(t, "GPFilter.KundenNrBis", [](auto& f) -> int32_t& { return f.GPFilter.KundenNrBis; });
        B(t, "GPFilter.KundenNrNeg", [](auto& f) -> bool& { return f.GPFilter.KundenNrNeg; });
        I(t, "GPFilter.KundengruppeVon", [](auto& f) -> int32_t& { return f.GPFilter.KundengruppeVon; });
        I(t, "GPFilter.KundengruppeBis", [](auto& f) -> int32_t& { return f.GPFilter.KundengruppeBis; });
        B(t, "GPFilter.KundengruppeNeg", [](auto& f) -> bool& { return f.GPFilter.KundengruppeNeg; });
        t["GPFilter.Bereiche"] = {"Art;Von;Bis[;0|1] (eine Zeile je Bereich)", [](TMerovaFilter& f, const std::string& v) {
                                      std::vector<std::string> teile;
                                      size_t start = 0;
                                      for (size_t p; (p = v.find(';', start)) != std::string::npos; start = p + 1)
                                          teile.push_back(v.substr(start, p - start));
                                      teile.push_back(v.substr(start));
                                      if (teile.size() < 3 || teile.size() > 4) return false;
                                      TGpBereich b{Trim(teile[0]), Trim(teile[1]), Trim(teile[2]), false};
                                      if (teile.size() == 4 && !Bool(Trim(teile[3]), b.Negiert)) return false;
                                      f.GPFilter.Bereiche.push_back(b);
                                      return true;
                                  }};
        t["GPFilter.Merkmale"] = {"Merkmal=Wert (eine Zeile je Merkmal)", [](TMerovaFilter& f, const std::string& v) {
                                      return f.GPFilter.AddMerkmalLine(v);
                                  }};
        t["GPFilter.Nummern"] = {"Art=Nummer (eine Zeile je Nummer)", [](TMerovaFilter& f, const std::string& v) {
                                     return f.GPFilter.AddNummerLine(v);
                                 }};
        B(t, "GPFilter.NameSuche", [](auto& f) -> bool& { return f.GPFilter.NameSuche; });
        B(t, "GPFilter.NameSucheAusschliessen",
          [](auto& f) -> bool& { return f.GPFilter.NameSucheAusschliessen; });
        S(t, "GPFilter.SuchText", [](auto& f) -> std::string& { return f.GPFilter.SuchText; });
        return t;
    }();
    return t;
}

}  // namespace

bool ApplyLine(TMerovaFilter& filter, const std::string& rawLine, std::string& fehler) {
    const std::string line = Trim(rawLine);
    if (line.empty() || line[0] == '#') return true;
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
        fehler = "Zeile ohne \"=\": \"" + line + "\"";
        return false;
    }
    const std::string name = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    const auto it = Felder().find(name);
    if (it == Felder().end()) {
        fehler = "Unbekanntes Filterfeld \"" + name + "\"";
        return false;
    }
    if (!it->second.set(filter, value)) {
        fehler = "Unlesbarer Wert \"" + value + "\" für " + name + " (erwartet: " + it->second.form + ")";
        return false;
    }
    return true;
}

bool ReadFilterFile(const std::string& path, TMerovaFilter& filter, std::string& fehler) {
    std::ifstream in(path);
    if (!in) {
        fehler = path + ": Die Filterdatei kann nicht gelesen werden.";
        return false;
    }
    std::string line;
    for (int nr = 1; std::getline(in, line); ++nr) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string meldung;
        if (!ApplyLine(filter, line, meldung)) {
            fehler = path + ":" + std::to_string(nr) + ": " + meldung;
            return false;
        }
    }
    if (in.bad()) {
        fehler = path + ": Lesefehler.";
        return false;
    }
    return true;
}

std::string FilterHelp() {
    std::string out;
    for (const auto& [name, feld] : Felder()) out += "  " + name + "=" + feld.form + "\n";
    return out;
}

}  // namespace kis::eval
