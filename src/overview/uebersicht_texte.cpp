#include "overview/uebersicht_texte.h"

#include <charconv>
#include <cstdlib>

#include "platform/bonus/bonus_tabellen.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_utils.h"

namespace kis::overview {

using kis::services::FormatNumber;
using kis::services::ToCents;

namespace {

int64_t CentsOderNull(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && end == text.data() + text.size() ? v : 0;
}

bool IstRabattschein(const TBonusTabelle& t) {
    return t.GetKennung() == "BONUSRABS" || t.GetKennung() == "RSCHEMANU";
}

}  // namespace

std::string BetragOderLeer(long double wert) {
    return ToCents(wert) == 0 ? std::string() : FormatNumber("%9.2n", wert);
}

std::string MengeOderLeer(int64_t menge) { return menge == 0 ? std::string() : std::to_string(menge); }

std::string OPZelle(const TOPTabelle* tabelle) {
    if (!tabelle || ToCents(tabelle->Summe1 + tabelle->Summe2) == 0) return {};
    return FormatNumber("%9.2n", tabelle->Summe1 - tabelle->Summe2);
}

long double OPSummenWert(const std::string& eintrag) {
    const auto tilde = eintrag.find('~');
    const std::string_view e(eintrag);
    const int64_t a = CentsOderNull(e.substr(0, tilde));
    const int64_t b = tilde == std::string::npos ? 0 : CentsOderNull(e.substr(tilde + 1));
    // Whole cents subtracted exactly, divided once.
    return (long double)(a - b) / 100.0L;
}

std::string OPSummenZelle(const std::optional<std::string>& eintrag) {
    if (!eintrag) return {};
    return FormatNumber("%9.2n", OPSummenWert(*eintrag));
}

std::string SummenName(int64_t kunden) { return "<" + std::to_string(kunden) + " Kunden>"; }

std::string BelegText(const std::string& belegArt, int32_t rnr, int32_t lnr, int32_t belegRnr,
                      int32_t belegLnr) {
    if (rnr == 0 && lnr == 0) return "<alle>";
    const std::string nummer = std::to_string(belegRnr) + "-" + std::to_string(belegLnr);
    if (belegArt == "BO") return "Bon " + nummer;
    if (belegArt == "RG") return "Rechnung " + nummer;
    // Other kinds (open transactions and the like): kind, then the number pair.
    return belegArt.empty() ? nummer : belegArt + " " + nummer;
}

std::string OPBezeichnung(const std::string& kurzname) {
    static const std::pair<const char*, const char*> kNamen[] = {
        {"BONUS", "Bonus"},           {"RSCHEIN", "Rabattschein"}, {"A-GUTSCHEI", "Gutscheine"},
        {"A-GUTSCHRI", "Gutschriften"}, {"A-RECHNUNG", "Rechnung"}, {"KREDIT", "Kredit"},
        {"AUSWAHL", "Auswahl"},       {"RESERV", "Reservierung"}};
    for (const auto& [k, n] : kNamen)
        if (kurzname == k) return n;
    return kurzname;
}

std::string OPTabellenText(const std::string& bezeichnung, long double betrag1, long double betrag2) {
    return "Summe " + orv_padright_char(bezeichnung, 15, ' ') + FormatNumber("%9.2n", betrag1 - betrag2);
}

std::string OPPostenText(const TOPPosten& p) {
    return orv_DateToStr(p.Datum) + ": " + FormatNumber("%9.2n", p.Betrag1 - p.Betrag2);
}

const char* BonusBildLegende(int bild) {
    static const char* const kTexte[kBonusBildAnzahl] = {
        "neu berechneter Eintrag",
        "bereits bonifizierter Eintrag",
        "neu berechneter Bonus",
        "Bonus ist nicht abgeschlossen",
        "Bonus ist abgeschlossen",
        "Bonus wurde bereits verwendet",
        "Bonus ist manuell als verwendet gekennzeichnet",
        "Bonus ist abgelaufen (Datum)"};
    return bild >= 0 && bild < kBonusBildAnzahl ? kTexte[bild] : "";
}

std::string BonusKnotenText(const TBonusTabelle& t) {
    std::string text = (IstRabattschein(t) ? "Rabattschein: " : "Bonus: ") + FormatNumber("%7.2n", t.GetBonus());
    if (ToCents(t.GetMindestVerkaufsWert()) >= 1)
        text += " MinVkwert: " + FormatNumber("%7.2n", t.GetMindestVerkaufsWert());
    if (t.IstNeu()) return text + " [Neu]";
    const TBonusIdent id = t.GetIdent();
    return text + " [" + std::to_string(id.RNr) + "-" + std::to_string(id.LNr) + "-" +
           std::to_string(id.SNr) + "]";
}

int BonusKnotenBild(const TBonusTabelle& t) {
    if (t.IstNeu()) return bbBonusNeu;
    if (t.IstOffen()) {
        if (t.GetBonusAbgelaufen()) return bbAbgelaufen;
        return t.GetAbgeschlossen() ? bbAbgeschlossen : bbNichtAbgeschlossen;
    }
    return t.GetVerwendet() == "ZURUECKGEZ" ? bbManuellVerwendet : bbVerwendet;
}

std::string KontoZusatz(const TBonusTabelle& t,
                        const std::function<std::string(const std::string&)>& kontoBezeichnung) {
    const bool konto = (t.GetKennung() == "BONUSMANU" && t.GetName() != "BONUSMANU") ||
                       (t.GetKennung() == "RSCHEMANU" && t.GetName() != "RSCHEMANU");
    if (!konto) return {};
    return " (" + (kontoBezeichnung ? kontoBezeichnung(t.GetName()) : t.GetName()) + ")";
}

std::string BonusItemText(const TBonusTabelle& t, const TBonusItem& item, const std::string& zusatz) {
    const std::string n = std::to_string(item.Nr1) + "-" + std::to_string(item.Nr2);
    std::string text;
    if (item.Art == "BO") text = "Bon " + n;
    else if (item.Art == "RG") text = "Rechnung " + n;
    else if (item.Art == "BM")
        text = (IstRabattschein(t) ? "manuell vergebener Rabattschein" : "manuell vergebener Bonus") + zusatz;
    else if (item.Art == "GZ" || item.Art == "GL") text = "Gutschein ";
    else if (item.Art == "EB") text = "Extra Bonus ";
    else text = "Artikel " + (item.ArtikelNr.IsDefined() ? item.ArtikelNr.ToString() : n);
    text += ", " + orv_DateToStr(item.Datum);
    if (t.GetBisGueltigDatum() != 0) text += "-" + orv_DateToStr(t.GetBisGueltigDatum());
    return text;
}

int BonusItemBild(const TBonusItem& item) { return item.Neu ? bbEintragNeu : bbEintragAlt; }

std::string BonusWertText(const TBonusItem& item) {
    if (!item.Wert || !item.Bonus) return {};
    return "Wert " + FormatNumber("%9.2n", *item.Wert) + " -> Bonus " + FormatNumber("%9.2n", *item.Bonus);
}

}  // namespace kis::overview
