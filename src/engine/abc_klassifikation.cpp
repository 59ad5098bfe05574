#include "engine/abc_klassifikation.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/base/kunde_text.h"
#include "platform/match/text_match.h"
#include "platform/partners/gp_merkmal_buchmani.h"
#include "platform/services/number_format.h"
#include "platform/store/booking.h"
#include "platform/store/record_files.h"

using kis::services::ToCents;

namespace {

// Round(anteil / 100 * n), ties to the even neighbour, computed exactly in integers.
int64_t AnzahlGrenze(int32_t anteil, int64_t n) {
    const int64_t q = int64_t(anteil) * n;
    const int64_t ganz = q / 100, rest = q % 100;
    return ganz + ((rest > 50 || (rest == 50 && ganz % 2 != 0)) ? 1 : 0);
}

long double Anteil(long double teil, long double ganzes) { return ganzes == 0 ? 0 : teil / ganzes; }

bool GueltigeWahl(const TABCInfoRecord& info) {
    const bool typ = info.ABCTyp == TABCTyp::abcAktuell || info.ABCTyp == TABCTyp::abcVergleich ||
                     info.ABCTyp == TABCTyp::abcOhne;
    const bool bezug = info.ABCBezug == TABCBezug::bezUmsatz || info.ABCBezug == TABCBezug::bezAnzahl;
    return typ && bezug && info.AAnteil >= 0 && info.BAnteil >= 0 && info.AAnteil <= 100 &&
           info.BAnteil <= 100 && info.AAnteil + info.BAnteil <= 100;
}

// The totals record's name, trimmed and in capitals, is "<ALLE>".
bool IstSummenName(const std::string& name) {
    std::string n = kis::match::Trim(name);
    for (char& c : n) c = char(std::toupper(static_cast<unsigned char>(c)));
    return n == "<ALLE>";
}

struct TKisuInhalt {
    int summenSaetze = 0;
    bool hatSumme = false;  // the totals record carries its name
    long double summe = 0;  // turnover of the totals record
    std::vector<TABCPosten> kunden;
};

TKisuInhalt KisuLesen(const std::string& kisuDatei) {
    kis::store::Tkisufile f;
    f.SetFileNameRel(kisuDatei);
    f.OpenOut();
    f.ClearKeysAndFilters();
    f.Feld("ART").SetFilterMinMax(std::string("VK"), std::string("VK"));
    f.SetUsedField({"KUNDE", "NAME", "SELUMSATZ"});
    TKisuInhalt inhalt;
    for (bool ok = f.Get_ge(); ok; ok = f.Next()) {
        const TIntPair kunde = f.Feld("KUNDE").AsPair();
        const long double umsatz = f.Feld("SELUMSATZ").AsFloat();
        if (kis::keys::IstSummenSchluessel(kunde)) {
            ++inhalt.summenSaetze;
            inhalt.hatSumme = IstSummenName(f.Feld("NAME").AsString());
            inhalt.summe = umsatz;
            continue;
        }
        inhalt.kunden.push_back({kunde, umsatz, 'C'});
    }
    f.Close();
    // Largest turnover first; equal turnovers keep the file order.
    std::stable_sort(inhalt.kunden.begin(), inhalt.kunden.end(),
                     [](const TABCPosten& a, const TABCPosten& b) { return a.Umsatz > b.Umsatz; });
    return inhalt;
}

}  // namespace

std::string ABCMerkmalName(TABCTyp typ) {
    switch (typ) {
        case TABCTyp::abcAktuell: return "ABC-Kennzeichen (Aktuell)";
        case TABCTyp::abcVergleich: return "ABC-Kennzeichen (Vergleich)";
        default: return {};
    }
}

TABCErgebnis ABCEinteilen(TABCInfoRecord& info, std::vector<TABCPosten>& kunden) {
    info.ErgebnisLeeren();
    if (!GueltigeWahl(info)) return TABCErgebnis::Designfehler;

    const int64_t n = int64_t(kunden.size());
    long double summe = 0;
    int64_t summeCent = 0;
    for (const auto& k : kunden) {
        summe += k.Umsatz;
        summeCent += ToCents(k.Umsatz);
    }

    // Whether group A (or B) still takes a customer, given what it holds so far.
    int64_t aCent = 0, bCent = 0;
    const int64_t aAnzahl = AnzahlGrenze(info.AAnteil, n), bAnzahl = AnzahlGrenze(info.BAnteil, n);
    const bool nachUmsatz = info.ABCBezug == TABCBezug::bezUmsatz;
    auto nimmtA = [&] {
        return nachUmsatz ? aCent * 100 < int64_t(info.AAnteil) * summeCent : info.AAnzahlAbs < aAnzahl;
    };
    auto nimmtB = [&] {
        return nachUmsatz ? bCent * 100 < int64_t(info.BAnteil) * summeCent : info.BAnzahlAbs < bAnzahl;
    };

    bool aOffen = true, bOffen = true;
    for (auto& k : kunden) {
        if (aOffen && nimmtA()) {
            k.Klasse = 'A';
            info.ASummeAbs += k.Umsatz;
            aCent += ToCents(k.Umsatz);
            ++info.AAnzahlAbs;
            continue;
        }
        aOffen = false;
        if (bOffen && nimmtB()) {
            k.Klasse = 'B';
            info.BSummeAbs += k.Umsatz;
            bCent += ToCents(k.Umsatz);
            ++info.BAnzahlAbs;
            continue;
        }
        bOffen = false;
        k.Klasse = 'C';
        info.CSummeAbs += k.Umsatz;
        ++info.CAnzahlAbs;
    }

    info.ASummeRel = Anteil(info.ASummeAbs, summe);
    info.BSummeRel = Anteil(info.BSummeAbs, summe);
    info.CSummeRel = Anteil(info.CSummeAbs, summe);
    info.AAnzahlRel = Anteil(info.AAnzahlAbs, n);
    info.BAnzahlRel = Anteil(info.BAnzahlAbs, n);
    info.CAnzahlRel = Anteil(info.CAnzahlAbs, n);
    return TABCErgebnis::Fertig;
}

TABCErgebnis ABCKennzeichnen(const std::string& kisuDatei, TABCInfoRecord& info,
                             std::vector<TABCPosten>* zuordnung) {
    info.ErgebnisLeeren();
    if (zuordnung) zuordnung->clear();
    if (!GueltigeWahl(info)) return TABCErgebnis::Designfehler;

    TKisuInhalt inhalt = KisuLesen(kisuDatei);
    if (inhalt.summenSaetze != 1 || !inhalt.hatSumme) return TABCErgebnis::Designfehler;
    long double summe = 0;
    for (const auto& k : inhalt.kunden) summe += k.Umsatz;
    if (ToCents(summe) != ToCents(inhalt.summe)) return TABCErgebnis::Designfehler;

    if (ABCEinteilen(info, inhalt.kunden) != TABCErgebnis::Fertig) return TABCErgebnis::Designfehler;

    if (info.ABCTyp != TABCTyp::abcOhne) {
        try {
            std::vector<std::pair<TIntPair, std::string>> werte;
            werte.reserve(inhalt.kunden.size());
            for (const auto& k : inhalt.kunden) werte.emplace_back(k.Kunde, std::string(1, k.Klasse));
            // The attribute is created inside the same booking, so a refused booking leaves no
            // trace at all.
            kis::store::BookingScope buchung(kBuchungMerkmal);
            TQEL_GP_GBMERkmal_Buchmani mani;
            const int32_t nr = mani.NeuesMerkmalAnlegenIfN(ABCMerkmalName(info.ABCTyp));
            mani.BucheMerkmale(nr, werte);
            buchung.Commit();
        } catch (...) {
            info.ErgebnisLeeren();
            throw;
        }
    }
    if (zuordnung) *zuordnung = std::move(inhalt.kunden);
    return TABCErgebnis::Fertig;
}
