#include "abc_option.h"

#include <exception>
#include <vector>

#include "engine/abc_klassifikation.h"
#include "engine/merova_query.h"
#include "platform/match/text_match.h"

namespace kis::eval {

namespace {

bool Prozent(const std::string& text, int32_t& out) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    out = std::stoi(text);
    return out <= 100;
}

}  // namespace

bool LeseABCOption(const std::string& text, TABCInfoRecord& info, std::string& fehler) {
    std::vector<std::string> teile;
    size_t start = 0;
    for (;;) {
        const size_t komma = text.find(',', start);
        teile.push_back(kis::match::Trim(text.substr(start, komma - start)));
        if (komma == std::string::npos) break;
        start = komma + 1;
    }
    const std::string form = "--abc=umsatz|anzahl,A,B[,aktuell|vergleich|ohne] erwartet, nicht \"" + text + "\".";
    if (teile.size() < 3 || teile.size() > 4) {
        fehler = form;
        return false;
    }
    if (teile[0] == "umsatz") info.ABCBezug = TABCBezug::bezUmsatz;
    else if (teile[0] == "anzahl") info.ABCBezug = TABCBezug::bezAnzahl;
    else {
        fehler = "Bezugsgröße \"" + teile[0] + "\" ist weder umsatz noch anzahl. " + form;
        return false;
    }
    if (!Prozent(teile[1], info.AAnteil) || !Prozent(teile[2], info.BAnteil)) {
        fehler = "Die Anteile von A und B müssen ganze Prozentzahlen von 0 bis 100 sein. " + form;
        return false;
    }
    if (info.AAnteil + info.BAnteil > 100) {
        fehler = "Die Anteile von A und B ergeben zusammen mehr als 100 %.";
        return false;
    }
    const std::string typ = teile.size() == 4 ? teile[3] : "aktuell";
    if (typ == "aktuell") info.ABCTyp = TABCTyp::abcAktuell;
    else if (typ == "vergleich") info.ABCTyp = TABCTyp::abcVergleich;
    else if (typ == "ohne") info.ABCTyp = TABCTyp::abcOhne;
    else {
        fehler = "Kennzeichen \"" + typ + "\" ist weder aktuell, vergleich noch ohne. " + form;
        return false;
    }
    return true;
}

bool ABCAusgeben(std::ostream& out, TABCInfoRecord& info, std::string& fehler) {
    std::vector<TABCPosten> zuordnung;
    try {
        if (ABCKennzeichnen(TMerovaQuery::KisuFileName(), info, &zuordnung) != TABCErgebnis::Fertig) {
            fehler = "Designfehler! Die Kundensummen passen nicht zur Summenzeile; es wurde nichts gebucht.";
            return false;
        }
    } catch (const std::exception& e) {
        fehler = std::string("Die ABC-Kennzeichen wurden nicht gebucht: ") + e.what();
        return false;
    }
    out << "KUNDE;KLASSE\n";
    for (const auto& p : zuordnung) out << p.Kunde.ToString() << ';' << p.Klasse << '\n';
    return bool(out);
}

}  // namespace kis::eval
