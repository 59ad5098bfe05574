// The controls and criterion groups of the nine boxes of the selection form.
#include <algorithm>

#include "platform/accounting/zm_tabelle.h"
#include "platform/selbox/box_schema.h"

namespace kis::selbox {

namespace {

using A = ControlArt;
using G = GruppenArt;

Control E(const std::string& n, bool maske = true) {
    return {n, A::Edit, "", maske, "", {}};
}
Control N(const std::string& n) {
    return {n, A::NegLabel, "0", true, "", {}};
}
Control C(const std::string& n, bool an) {
    return {n, A::Check, an ? "1" : "0", true, "", {}};
}
Control L(const std::string& n, const std::string& holder, bool an) {
    return {n, A::CheckList, an ? "1" : "0", true, holder, {}};
}
Control R(const std::string& n, const std::string& holder) {
    return {n, A::Grid, "", true, holder, {}};
}
Control K(const std::string& n, std::vector<std::string> items) {
    return {n, A::Combo, "", true, "", std::move(items)};
}
Gruppe LE(const std::string& label, std::vector<std::string> eingaben) {
    return {G::LabelEingaben, label, std::move(eingaben)};
}

BoxSchema VkSelBon() {
    return {"VkSelBonBox",
            "VKBONBOX",
            {N("lblTxtDatum"), E("edtDatumVon"), E("edtDatumBis"), N("lblTxtFiliale"),
             L("chbFilialen", "strlFilialen", true), N("lblTxtBonSum"), E("edtBonSumMin"),
             E("edtBonSumMax"), N("lblTxtZM"), L("chbZM", "strlZM", true)},
            {LE("lblTxtDatum", {"edtDatumVon", "edtDatumBis"}),
             {G::ListeMitNull, "lblTxtFiliale", {"chbFilialen"}},
             LE("lblTxtBonSum", {"edtBonSumMin", "edtBonSumMax"}),
             {G::ListeMitNull, "lblTxtZM", {"chbZM"}}}};
}

BoxSchema VkSelPos() {
    return {"VkSelPosBox",
            "VKPOSBOX",
            {N("lblTxtArtikelNr"),
             E("edtArtikelNr", false),
             N("lblTxtVarianten"),
             E("edtVarianten"),
             N("lblTxtLieferant"),
             E("edtLieferant"),
             N("lblTxtSaison"),
             E("edtSaison"),
             N("lblTxtVkKz"),
             E("edtVkKz"),
             N("lblTxtArtikelGru"),
             E("lblArtikelGru", false),
             N("lblTxtIstVk"),
             E("edtIstVkMin"),
             E("edtIstVkMax"),
             C("chbNichtReduzVk", true),
             C("chbReduzVk", true),
             C("chbReduzVkIGRS", true),
             C("chbReduzVkIKRS", true),
             N("lblTxtNachlass"),
             E("edtNachlassMin"),
             E("edtNachlassMax"),
             C("chbNichtBonusVerrechnet", true),
             C("chbBonusVerrechnet", true)},
            {LE("lblTxtArtikelNr", {"edtArtikelNr"}),
             LE("lblTxtVarianten", {"edtVarianten"}),
             LE("lblTxtLieferant", {"edtLieferant"}),
             LE("lblTxtSaison", {"edtSaison"}),
             LE("lblTxtVkKz", {"edtVkKz"}),
             LE("lblTxtArtikelGru", {"lblArtikelGru"}),
             LE("lblTxtIstVk", {"edtIstVkMin", "edtIstVkMax"}),
             LE("lblTxtNachlass", {"edtNachlassMin", "edtNachlassMax"}),
             {G::ChecksNichtAlle,
              "",
              {"chbNichtReduzVk", "chbReduzVk", "chbReduzVkIGRS", "chbReduzVkIKRS"}},
             {G::ChecksNichtAlle, "", {"chbNichtBonusVerrechnet", "chbBonusVerrechnet"}}}};
}

BoxSchema SumSelVk() {
    return {"SumSelVkBox",
            "SUMVKBOX",
            {N("lblTxtSelSumMenge"), E("edtSelSumMengeMin"), E("edtSelSumMengeMax"),
             N("lblTxtSelSumWert"), E("edtSelSumWertMin"), E("edtSelSumWertMax"),
             C("chbBerechneGesamt", false), N("lblTxtGesSumMenge"), E("edtGesSumMengeMin"),
             E("edtGesSumMengeMax"), N("lblTxtGesSumWert"), E("edtGesSumWertMin"),
             E("edtGesSumWertMax")},
            {LE("lblTxtSelSumMenge", {"edtSelSumMengeMin", "edtSelSumMengeMax"}),
             LE("lblTxtSelSumWert", {"edtSelSumWertMin", "edtSelSumWertMax"}),
             {G::CheckGesetzt, "", {"chbBerechneGesamt"}},
             LE("lblTxtGesSumMenge", {"edtGesSumMengeMin", "edtGesSumMengeMax"}),
             LE("lblTxtGesSumWert", {"edtGesSumWertMin", "edtGesSumWertMax"})}};
}

BoxSchema SumSelOP() {
    return {"SumSelOPBox",
            "SUMOPBOX",
            {L("chbOPTypen", "strlOPTypen", false), N("lblTxtDatum"), E("edtDatumVon"),
             E("edtDatumBis"), N("lblTxtOPSum"), E("edtOPSumMin"), E("edtOPSumMax"),
             C("chbBonusAbg", false), C("chbBonusNichtAbg", false), N("lblTxtBonusAktLen"),
             E("edtBonusAktLenMin"), E("edtBonusAktLenMax")},
            {{G::ListeMitEins, "", {"chbOPTypen"}},
             LE("lblTxtDatum", {"edtDatumVon", "edtDatumBis"}),
             LE("lblTxtOPSum", {"edtOPSumMin", "edtOPSumMax"}),
             {G::CheckGesetzt, "", {"chbBonusAbg"}},
             {G::CheckGesetzt, "", {"chbBonusNichtAbg"}},
             LE("lblTxtBonusAktLen", {"edtBonusAktLenMin", "edtBonusAktLenMax"})}};
}

BoxSchema GPSelAdr() {
    return {"GPSelAdrBox",
            "GPSELADR",
            {N("lblTxtName"), E("edtName"), N("lblTxtVorname"), E("edtVorname"), N("lblTxtStrasse"),
             E("edtStrasse"), N("lblTxtPlz"), E("edtPlzVon"), E("edtPlzBis"), N("lblTxtOrt"),
             E("edtOrt"), N("lblTxtLand"), K("cmbLand", {"", "D", "A", "CH", "NL", "F", "I"}),
             K("cmbSuchname",
               {"keine Suche nach Suchname", "Suchname beginnt mit", "Suchname beginnt nicht mit"}),
             E("edtSuchname"), N("lblTxtGeschlecht"),
             K("cmbGeschlecht", {"", "Männlich", "Weiblich", "Unbekannt"})},
            {LE("lblTxtName", {"edtName"}), LE("lblTxtVorname", {"edtVorname"}),
             LE("lblTxtStrasse", {"edtStrasse"}), LE("lblTxtPlz", {"edtPlzVon", "edtPlzBis"}),
             LE("lblTxtOrt", {"edtOrt"}), LE("lblTxtLand", {"cmbLand"}),
             LE("", {"cmbSuchname", "edtSuchname"}), LE("lblTxtGeschlecht", {"cmbGeschlecht"})}};
}

BoxSchema GPSelErw() {
    return {"GPSelErwBox",
            "GPSELERW",
            {K("cmbKundeStatus", {"alle Kunden", "nur aktive Kunden", "nur passive Kunden"}),
             C("chbWerbungNein", true), C("chbWerbungJa", true), C("chbSerienbriefNein", true),
             C("chbSerienbriefJa", true), C("chbEmailNein", true), C("chbEmailJa", true),
             C("chbKundeBonusNie", false), C("chbAuchAnonymeKunden", false), N("lblTxtTelefon"),
             E("edtTelefon"), N("lblTxtEmail"), E("edtEmail"), N("lblTxtBereich"),
             K("cmbBereich", {"keine Einschränkung", "Kundennummer", "Kundengruppe", "Filiale",
                              "Postleitzahl", "Ort", "Name", "Geburtstag", "Anlagedatum"}),
             E("edtBereichVon"), E("edtBereichBis")},
            {LE("", {"cmbKundeStatus"}),
             {G::ChecksNichtAlle, "", {"chbWerbungNein", "chbWerbungJa"}},
             {G::ChecksNichtAlle, "", {"chbSerienbriefNein", "chbSerienbriefJa"}},
             {G::ChecksNichtAlle, "", {"chbEmailNein", "chbEmailJa"}},
             {G::CheckGesetzt, "", {"chbKundeBonusNie"}},
             {G::CheckGesetzt, "", {"chbAuchAnonymeKunden"}},
             LE("lblTxtTelefon", {"edtTelefon"}),
             LE("lblTxtEmail", {"edtEmail"}),
             LE("lblTxtBereich", {"cmbBereich", "edtBereichVon", "edtBereichBis"})}};
}

BoxSchema GPSelMerkm() {
    return {"GPSelMerkmBox",
            "GPSELMERKM",
            {R("grdMerkmale", "strlMerkmale")},
            {{G::GridGefuellt, "", {"grdMerkmale"}}}};
}

BoxSchema GPSelNr() {
    return {"GPSelNrBox",
            "GPSELNR",
            {R("grdNummern", "strlNummern")},
            {{G::GridGefuellt, "", {"grdNummern"}}}};
}

const std::vector<BoxSchema>& Alle() {
    static const std::vector<BoxSchema> alle = {
        GPSelAdr(), GPSelErw(), GPSelMerkm(),
        GPSelNr(),  VkSelBon(), VkSelPos(),
        SumSelVk(), SumSelOP(), {"SumSelEVBox", "SUMEVBOX", {}, {}}};
    return alle;
}

}  // namespace

const BoxSchema* SchemaFuer(const std::string& boxName) {
    for (const BoxSchema& s : Alle())
        if (s.boxName == boxName) return &s;
    return nullptr;
}

const std::vector<std::string>& BoxNamen() {
    static const std::vector<std::string> namen = [] {
        std::vector<std::string> n;
        for (const BoxSchema& s : Alle()) n.push_back(s.boxName);
        return n;
    }();
    return namen;
}

bool StandardSichtbar(const std::string& boxName) {
    return boxName != "SumSelEVBox";
}

// Payment means in the order the receipt box lists them.
const std::vector<int>& ZMReihenfolge() {
    static const std::vector<int> r = {1,  21, 2,  3,  27, 4,  7,  8,  9,  10, 11,
                                       12, 13, 14, 15, 16, 17, 18, 32, 25, 26, 20};
    return r;
}

std::vector<std::string> StandardSchluessel(const std::string& control) {
    std::vector<std::string> out;
    if (control == "chbZM") {
        for (int nr : ZMReihenfolge()) {
            const std::string k = CORV_ZM_2_Kuerzel(nr);
            if (!k.empty()) out.push_back(k);
        }
    } else if (control == "chbOPTypen") {
        for (const auto& t : OPTypen()) out.push_back(t.second);
    }
    return out;
}

const std::vector<std::pair<std::string, std::string>>& OPTypen() {
    static const std::vector<std::pair<std::string, std::string>> t = {
        {"Gutschein", "A-GUTSCHEI"},
        {"Gutschrift", "A-GUTSCHRI"},
        {"Rechnung", "A-RECHNUNG"},
        {"Bonus", "BONUS"},
        {"Reservierung", "RESERV"},
        {"Auswahl", "AUSWAHL"},
        {"Kredit", "KREDIT"},
        {"Kundenreklamation", "REKLKUND"},
        {"Reparaturrechnung", "REKLRECH"}};
    return t;
}

}  // namespace kis::selbox
