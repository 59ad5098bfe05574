#include "engine/box_transfer.h"

#include <cstdlib>
#include <variant>

namespace kis::selbox {

namespace {

using TextZiel = std::string& (*)(TMerovaFilter&);
using DezimalZiel = long double& (*)(TMerovaFilter&);
using GanzZiel = int32_t& (*)(TMerovaFilter&);
using FlagZiel = bool& (*)(TMerovaFilter&);
using ListeZiel = std::vector<std::string>& (*)(TMerovaFilter&);
using StringListZiel = TStringList& (*)(TMerovaFilter&);
using GpTextZiel = TGpTextKriterium& (*)(TMerovaFilter&);
// Criteria that read several controls at once.
using Sonderregel = void (*)(const BoxWerte&, TMerovaFilter&);

// One row of a transfer table. Text: always, as entered. Decimal and integer: only when
// filled. Flag: "1". Lists: the "key=value" pairs of the comma text, one line each. GP text
// criterion: the text with the negation of `negation`.
struct Regel {
    const char* control;
    std::variant<TextZiel, DezimalZiel, GanzZiel, FlagZiel, ListeZiel, StringListZiel, GpTextZiel,
                 Sonderregel>
        ziel;
    const char* negation = nullptr;
};

#define FELD(expr) +[](TMerovaFilter& f) -> decltype(auto) { return (f.expr); }

std::string W(const BoxWerte& w, const std::string& name) {
    const auto it = w.find(name);
    return it == w.end() ? std::string() : it->second;
}

bool Gefuellt(const std::string& s) {
    return !Trim(s).empty();
}

int ComboIndex(const std::string& box, const std::string& combo, const std::string& text) {
    const BoxSchema* s = SchemaFuer(box);
    const Control* c = s ? s->Find(combo) : nullptr;
    if (!c) return -1;
    for (size_t i = 0; i < c->items.size(); ++i)
        if (Trim(c->items[i]) == Trim(text)) return int(i);
    return -1;
}

// Yes/no pair: 0 when only the first is checked, 1 when only the second, else unchanged.
void JaNein(const BoxWerte& w, const char* nein, const char* ja, int& ziel) {
    const bool n = W(w, nein) == "1", j = W(w, ja) == "1";
    if (n && !j) ziel = 0;
    if (j && !n) ziel = 1;
}

std::vector<std::string> PaarZeilen(const std::string& commaText);

// The branch list; a negated branch label takes exactly the branches that are not checked
// (the sales-list filter has no negation of its own, so the flags are inverted here).
void Filialen(const BoxWerte& w, TMerovaFilter& f) {
    const bool neg = W(w, "lblTxtFiliale") == "1";
    f.LSTFilter.Filialen.clear();
    for (const auto& [nr, an] : Paare(W(w, "chbFilialen"))) {
        const bool gewaehlt = Trim(an) == "1";
        f.LSTFilter.Filialen.push_back(nr + "=" + ((gewaehlt != neg) ? "1" : "0"));
    }
}

const std::vector<Regel>& VkSelBonRegeln() {
    static const std::vector<Regel> r = {
        {"edtDatumVon", FELD(LSTFilter.DatumVon)},
        {"edtDatumBis", FELD(LSTFilter.DatumBis)},
        {"lblTxtDatum", FELD(LSTFilter.DatumNeg)},
        {"chbFilialen", Sonderregel(Filialen)},
        {"edtBonSumMin", FELD(FBonSumMin)},
        {"edtBonSumMax", FELD(FBonSumMax)},
        {"lblTxtBonSum", FELD(FBonSumNeg)},
        {"chbZM", FELD(FZM)},
        // The negation shown beside the payment means is the one the run applies.
        {"lblTxtZM", FELD(FZMNeg)},
    };
    return r;
}

const std::vector<Regel>& VkSelPosRegeln() {
    static const std::vector<Regel> r = {
        {"edtLieferant", FELD(AAFilter.Lieferant)},
        {"lblTxtLieferant", FELD(AAFilter.LieferantNeg)},
        {"edtSaison", FELD(FSaison)},
        {"lblTxtSaison", FELD(FSaisonNeg)},
        {"edtVarianten", FELD(AAFilter.Varianten)},
        {"lblTxtVarianten", FELD(AAFilter.VariantenNeg)},
        {"edtArtikelNr", FELD(LSTFilter.ArtikelNr)},
        {"lblTxtArtikelNr", FELD(LSTFilter.ArtikelNrNeg)},
        {"edtVkKz", FELD(LSTFilter.VkKz)},
        {"lblTxtVkKz", FELD(LSTFilter.VkKzNeg)},
        {"edtIstVkMin", FELD(LSTFilter.IstVkMin)},
        {"edtIstVkMax", FELD(LSTFilter.IstVkMax)},
        {"lblTxtIstVk", FELD(LSTFilter.IstVkNeg)},
        {"chbNichtReduzVk", FELD(LSTFilter.NichtReduziert)},
        {"chbReduzVk", FELD(LSTFilter.Reduziert)},
        {"chbReduzVkIGRS", FELD(LSTFilter.ReduziertIstGleichRedSoll)},
        {"chbReduzVkIKRS", FELD(LSTFilter.ReduziertIstKleinerRedSoll)},
        {"edtNachlassMin", FELD(LSTFilter.NachlassMin)},
        {"edtNachlassMax", FELD(LSTFilter.NachlassMax)},
        {"lblTxtNachlass", FELD(LSTFilter.NachlassNeg)},
        {"chbBonusVerrechnet", FELD(LSTFilter.BonusVerrechnet)},
        {"chbNichtBonusVerrechnet", FELD(LSTFilter.NichtBonusVerrechnet)},
    };
    return r;
}

const std::vector<Regel>& SumSelVkRegeln() {
    static const std::vector<Regel> r = {
        {"edtSelSumMengeMin", FELD(FSelSumMengeMin)}, {"edtSelSumMengeMax", FELD(FSelSumMengeMax)},
        {"lblTxtSelSumMenge", FELD(FSelSumMengeNeg)}, {"edtSelSumWertMin", FELD(FSelSumWertMin)},
        {"edtSelSumWertMax", FELD(FSelSumWertMax)},   {"lblTxtSelSumWert", FELD(FSelSumWertNeg)},
        {"chbBerechneGesamt", FELD(FGesSumBuild)},    {"edtGesSumMengeMin", FELD(FGesSumMengeMin)},
        {"edtGesSumMengeMax", FELD(FGesSumMengeMax)}, {"lblTxtGesSumMenge", FELD(FGesSumMengeNeg)},
        {"edtGesSumWertMin", FELD(FGesSumWertMin)},   {"edtGesSumWertMax", FELD(FGesSumWertMax)},
        {"lblTxtGesSumWert", FELD(FGesSumWertNeg)},
    };
    return r;
}

const std::vector<Regel>& SumSelOPRegeln() {
    static const std::vector<Regel> r = {
        {"chbOPTypen", FELD(FOP)},
        {"lblTxtDatum", FELD(FOPDatumNeg)},
        {"edtDatumVon", FELD(FOPDatumVon)},
        {"edtDatumBis", FELD(FOPDatumBis)},
        {"lblTxtOPSum", FELD(FOPWertNeg)},
        {"edtOPSumMin", FELD(FOPWertMin)},
        {"edtOPSumMax", FELD(FOPWertMax)},
        {"chbBonusAbg", FELD(FOPBonusAbg)},
        {"chbBonusNichtAbg", FELD(FOPBonusNichtAbg)},
        {"lblTxtBonusAktLen", FELD(FOPBonusAktLenNeg)},
        {"edtBonusAktLenMin", FELD(FOPBonusAktLenMin)},
        {"edtBonusAktLenMax", FELD(FOPBonusAktLenMax)},
    };
    return r;
}

void Suchname(const BoxWerte& w, TMerovaFilter& f) {
    const int i = ComboIndex("GPSelAdrBox", "cmbSuchname", W(w, "cmbSuchname"));
    const int modus = i == 1 ? 0 : i == 2 ? 1 : 2;
    if (modus == 2 || !Gefuellt(W(w, "edtSuchname"))) return;
    f.GPFilter.NameSuche = true;
    f.GPFilter.NameSucheAusschliessen = modus == 1;
    f.GPFilter.SuchText = Trim(W(w, "edtSuchname"));
}

void Geschlecht(const BoxWerte& w, TMerovaFilter& f) {
    const std::string t = Trim(W(w, "cmbGeschlecht"));
    const char* g = t == "Männlich"    ? "M"
                    : t == "Weiblich"  ? "W"
                    : t == "Unbekannt" ? "U"
                                       : nullptr;
    if (!g) return;
    f.GPFilter.Geschlecht = g;
    f.GPFilter.GeschlechtNeg = W(w, "lblTxtGeschlecht") == "1";
}

void Plz(const BoxWerte& w, TMerovaFilter& f) {
    f.GPFilter.PlzVon = Trim(W(w, "edtPlzVon"));
    f.GPFilter.PlzBis = Trim(W(w, "edtPlzBis"));
    f.GPFilter.PlzBereichNeg = W(w, "lblTxtPlz") == "1";
}

const std::vector<Regel>& GPSelAdrRegeln() {
    static const std::vector<Regel> r = {
        {"edtName", FELD(GPFilter.Name), "lblTxtName"},
        {"edtVorname", FELD(GPFilter.Vorname), "lblTxtVorname"},
        {"edtStrasse", FELD(GPFilter.Strasse), "lblTxtStrasse"},
        {"edtOrt", FELD(GPFilter.Ort), "lblTxtOrt"},
        {"cmbLand", FELD(GPFilter.Land), "lblTxtLand"},
        {"edtPlzVon", Sonderregel(Plz)},
        {"cmbSuchname", Sonderregel(Suchname)},
        {"cmbGeschlecht", Sonderregel(Geschlecht)},
    };
    return r;
}

void KundeStatus(const BoxWerte& w, TMerovaFilter& f) {
    f.GPFilter.Status =
        StatusAusIndex(ComboIndex("GPSelErwBox", "cmbKundeStatus", W(w, "cmbKundeStatus")));
}

void JaNeinPaare(const BoxWerte& w, TMerovaFilter& f) {
    JaNein(w, "chbWerbungNein", "chbWerbungJa", f.GPFilter.Werbung);
    JaNein(w, "chbSerienbriefNein", "chbSerienbriefJa", f.GPFilter.Serienbrief);
    JaNein(w, "chbEmailNein", "chbEmailJa", f.GPFilter.MitEmail);
}

// The range combo: no range, the customer-number range, or a named range.
void Bereich(const BoxWerte& w, TMerovaFilter& f) {
    const int i = ComboIndex("GPSelErwBox", "cmbBereich", W(w, "cmbBereich"));
    const bool neg = W(w, "lblTxtBereich") == "1";
    const std::string von = Trim(W(w, "edtBereichVon")), bis = Trim(W(w, "edtBereichBis"));
    if (i == 1) {
        // An empty bound stays open; it never becomes 0.
        if (!von.empty()) f.GPFilter.KundenNrVon = GanzzahlWert(von);
        if (!bis.empty()) f.GPFilter.KundenNrBis = GanzzahlWert(bis);
        f.GPFilter.KundenNrNeg = neg;
    } else if (i >= 2) {
        f.GPFilter.Bereiche.push_back({Trim(W(w, "cmbBereich")), von, bis, neg});
    }
}

const std::vector<Regel>& GPSelErwRegeln() {
    static const std::vector<Regel> r = {
        {"cmbKundeStatus", Sonderregel(KundeStatus)},
        {"chbWerbungNein", Sonderregel(JaNeinPaare)},
        {"chbKundeBonusNie", FELD(FKundeBonusNie)},
        {"chbAuchAnonymeKunden", FELD(FAuchAnonymeKunden)},
        {"edtTelefon", FELD(GPFilter.Telefon), "lblTxtTelefon"},
        {"edtEmail", FELD(GPFilter.Email), "lblTxtEmail"},
        {"cmbBereich", Sonderregel(Bereich)},
    };
    return r;
}

// Every row of the grid, also those without a value (an empty value selects nothing).
void Merkmale(const BoxWerte& w, TMerovaFilter& f) {
    for (const auto& [name, wert] : Paare(W(w, "grdMerkmale")))
        f.GPFilter.AddMerkmalLine(Trim(name) + "=" + Trim(wert));
}
void Nummern(const BoxWerte& w, TMerovaFilter& f) {
    for (const auto& [name, wert] : Paare(W(w, "grdNummern")))
        f.GPFilter.AddNummerLine(Trim(name) + "=" + Trim(wert));
}

const std::vector<Regel>& GPSelMerkmRegeln() {
    static const std::vector<Regel> r = {{"grdMerkmale", Sonderregel(Merkmale)}};
    return r;
}
const std::vector<Regel>& GPSelNrRegeln() {
    static const std::vector<Regel> r = {{"grdNummern", Sonderregel(Nummern)}};
    return r;
}

const std::vector<Regel>* RegelnFuer(const std::string& box) {
    static const std::vector<Regel> keine;
    if (box == "GPSelAdrBox") return &GPSelAdrRegeln();
    if (box == "GPSelErwBox") return &GPSelErwRegeln();
    if (box == "GPSelMerkmBox") return &GPSelMerkmRegeln();
    if (box == "GPSelNrBox") return &GPSelNrRegeln();
    if (box == "VkSelBonBox") return &VkSelBonRegeln();
    if (box == "VkSelPosBox") return &VkSelPosRegeln();
    if (box == "SumSelVkBox") return &SumSelVkRegeln();
    if (box == "SumSelOPBox") return &SumSelOPRegeln();
    if (box == "SumSelEVBox") return &keine;
    return nullptr;
}

std::vector<std::string> PaarZeilen(const std::string& commaText) {
    std::vector<std::string> out;
    for (const auto& [k, v] : Paare(commaText)) out.push_back(k + "=" + Trim(v));
    return out;
}

struct Anwenden {
    const BoxWerte& w;
    const Regel& r;
    TMerovaFilter& f;
    std::string text() const { return W(w, r.control); }
    void operator()(TextZiel z) const { z(f) = text(); }
    void operator()(DezimalZiel z) const {
        if (Gefuellt(text())) z(f) = DezimalWert(text());
    }
    void operator()(GanzZiel z) const {
        if (Gefuellt(text())) z(f) = GanzzahlWert(text());
    }
    void operator()(FlagZiel z) const { z(f) = Trim(text()) == "1"; }
    void operator()(ListeZiel z) const { z(f) = PaarZeilen(text()); }
    void operator()(StringListZiel z) const {
        TStringList& l = z(f);
        l.Clear();
        for (const std::string& line : PaarZeilen(text())) l.Add(line);
    }
    void operator()(GpTextZiel z) const {
        TGpTextKriterium& k = z(f);
        k.Wert = Trim(text());
        k.Negiert = r.negation && W(w, r.negation) == "1";
    }
    void operator()(Sonderregel z) const { z(w, f); }
};

}  // namespace

long double DezimalWert(const std::string& text) {
    std::string t = Trim(text);
    // German notation: points group thousands, the comma is the decimal separator.
    if (t.find(',') != std::string::npos) {
        std::string u;
        for (char c : t)
            if (c != '.') u += c == ',' ? '.' : c;
        t = u;
    }
    if (t.empty()) return 0;
    char* end = nullptr;
    const long double v = std::strtold(t.c_str(), &end);
    return end && *end == '\0' ? v : 0;
}

int32_t GanzzahlWert(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty()) return 0;
    char* end = nullptr;
    const long v = std::strtol(t.c_str(), &end, 10);
    if (!end || *end != '\0' || v > INT32_MAX || v < INT32_MIN) return 0;
    return int32_t(v);
}

int StatusAusIndex(int index) {
    return index == 1 ? 0 : index == 2 ? 1 : 2;
}

bool FilterAusBox(const std::string& boxName, const BoxWerte& werte, TMerovaFilter& filter) {
    const std::vector<Regel>* regeln = RegelnFuer(boxName);
    const BoxSchema* schema = SchemaFuer(boxName);
    if (!regeln || !schema) return false;
    // Missing values are the box's defaults.
    BoxWerte w = werte;
    for (const auto& [name, wert] : schema->Vorgaben())
        if (!w.count(name)) w[name] = wert;
    for (const Regel& r : *regeln) std::visit(Anwenden{w, r, filter}, r.ziel);
    return true;
}

}  // namespace kis::selbox
