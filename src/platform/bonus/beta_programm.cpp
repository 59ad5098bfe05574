#include "platform/bonus/beta_programm.h"

#include <algorithm>
#include <cmath>

#include "platform/base/german_collation.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/tables/bonus_typen.h"

using kis::store::SuiteDb;

std::function<void(int)> TBetaStore::NachSatzGeschrieben;

namespace {

constexpr const char* kFelder =
    "TYP, NAME, NR, EIGEN, ANLAGE, GEAENDERT, LAENGE, WERTART, RUNDUNGKZ, RUNDUNGINTERVALL, "
    "BASIS, STORNO, KONTO, INHALT";

TDateTime Heute() { return std::floor(kis::date::Now()); }

void Geschrieben(int nr) {
    if (TBetaStore::NachSatzGeschrieben) TBetaStore::NachSatzGeschrieben(nr);
}

// Inserts or updates one record by its key; the creation date and own flag of an existing
// record stay as they are.
void Schreiben(const TBetaSatz& s) {
    auto& db = SuiteDb();
    const auto alt = TBetaStore::Lesen(s.Typ, s.Name, s.Nr);
    const TDateTime heute = Heute();
    if (alt) {
        auto& st = db.Cached(
            "UPDATE BETA SET GEAENDERT = ?, LAENGE = ?, WERTART = ?, RUNDUNGKZ = ?, "
            "RUNDUNGINTERVALL = ?, BASIS = ?, STORNO = ?, KONTO = ?, INHALT = ? "
            "WHERE TYP = ? AND NAME = ? AND NR = ?");
        st.Bind(1, heute).Bind(2, s.Laenge).Bind(3, s.WertArt).Bind(4, s.RundungKz);
        st.Bind(5, s.RundungIntervall).Bind(6, s.Basis).Bind(7, s.Storno).Bind(8, s.Konto);
        st.Bind(9, BetaText(s.Inhalt)).Bind(10, s.Typ).Bind(11, s.Name).Bind(12, s.Nr);
        st.Run();
    } else {
        auto& st = db.Cached(std::string("INSERT INTO BETA (") + kFelder +
                             ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        st.Bind(1, s.Typ).Bind(2, s.Name).Bind(3, s.Nr).Bind(4, std::string("J"));
        st.Bind(5, heute).Bind(6, heute).Bind(7, s.Laenge).Bind(8, s.WertArt);
        st.Bind(9, s.RundungKz).Bind(10, s.RundungIntervall).Bind(11, s.Basis);
        st.Bind(12, s.Storno).Bind(13, s.Konto).Bind(14, BetaText(s.Inhalt));
        st.Run();
    }
    Geschrieben(s.Nr);
}

}  // namespace

std::vector<std::string> BetaZeilen(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.push_back(std::move(line));
        start = end + 1;
    }
    return out;
}

std::string BetaText(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& z : zeilen) text += z + "\n";
    return text;
}

std::optional<TBetaSatz> TBetaStore::Lesen(const std::string& typ, const std::string& name, int nr) {
    auto& st = SuiteDb().Cached(std::string("SELECT ") + kFelder +
                                " FROM BETA WHERE TYP = ? AND NAME = ? AND NR = ?");
    st.Bind(1, typ).Bind(2, name).Bind(3, nr);
    std::optional<TBetaSatz> out;
    if (st.Step()) {
        TBetaSatz s;
        s.Typ = st.ColumnText(0);
        s.Name = st.ColumnText(1);
        s.Nr = int(st.ColumnInt(2));
        s.Eigen = st.ColumnText(3);
        s.Anlage = st.ColumnDouble(4);
        s.Geaendert = st.ColumnDouble(5);
        s.Laenge = int(st.ColumnInt(6));
        s.WertArt = st.ColumnText(7);
        s.RundungKz = int(st.ColumnInt(8));
        s.RundungIntervall = st.ColumnDouble(9);
        s.Basis = st.ColumnText(10);
        s.Storno = st.ColumnText(11);
        s.Konto = st.ColumnText(12);
        s.Inhalt = BetaZeilen(st.ColumnText(13));
        out = std::move(s);
    }
    st.Reset();
    return out;
}

std::vector<std::string> TBetaStore::Namen(const std::string& typ) {
    std::vector<std::string> out;
    auto& st = SuiteDb().Cached("SELECT NAME FROM BETA WHERE TYP = ? AND NR = 0");
    st.Bind(1, typ);
    while (st.Step()) out.push_back(st.ColumnText(0));
    st.Reset();
    std::stable_sort(out.begin(), out.end(),
                     [](const std::string& a, const std::string& b) { return kis::text::GermanCompare(a, b) < 0; });
    return out;
}

bool TBetaStore::ProgrammExistiert(const std::string& typ, const std::string& name) {
    return !typ.empty() && !name.empty() && Lesen(typ, name, kBetaHauptsatz).has_value();
}

std::string TBetaStore::ProgrammPruefen(const std::string& typ, const std::string& name) {
    const int kind = BonuTypen4Kuerzel(typ);
    const auto satz = kind >= 2 ? Lesen(typ, name, kBetaHauptsatz) : std::nullopt;
    if (!satz) return "Das Bonusprogramm \"" + name + "\" ist nicht gespeichert.";
    std::vector<std::string> regeln = satz->Inhalt;
    if (kind == 5) {
        regeln.clear();
        for (const auto& z : satz->Inhalt)
            if (z.rfind("REGEL=", 0) == 0) regeln.push_back(z.substr(6));
        if (regeln.empty()) regeln.push_back({});
    }
    if (regeln.empty() || (kind == 2 && int(regeln.size()) != satz->Laenge))
        return "Das Bonusprogramm \"" + name + "\" nennt keine Berechnungsvorschrift.";
    for (const auto& r : regeln) {
        const auto regel = r.empty() ? std::nullopt : Lesen(CBonuTypen2Kuerzel(1), r, kBetaHauptsatz);
        if (!regel)
            return "Das Bonusprogramm \"" + name + "\" nennt die Berechnungsvorschrift \"" + r +
                   "\", die nicht gespeichert ist.";
        // The calculator answers 0 for a rule without rows or whose rows disagree with its
        // length: every bonus would silently be 0.
        if (regel->Inhalt.empty() || regel->Laenge != int(regel->Inhalt.size()))
            return "Die Berechnungsvorschrift \"" + r + "\" des Bonusprogramms \"" + name +
                   "\" hat keine gültige Staffel.";
    }
    return {};
}

void TBetaStore::Speichern(const TBetaSatz& haupt, const std::vector<std::string>* selektion) {
    kis::store::BookingScope buchung(kBuchungBonusProgramm);
    TBetaSatz h = haupt;
    h.Nr = kBetaHauptsatz;
    Schreiben(h);
    if (selektion) {
        TBetaSatz s;
        s.Typ = h.Typ;
        s.Name = h.Name;
        s.Nr = kBetaSelektionssatz;
        s.Inhalt = *selektion;
        Schreiben(s);
    }
    buchung.Commit();
}

bool TBetaStore::Loeschen(const std::string& typ, const std::string& name) {
    if (!Lesen(typ, name, kBetaHauptsatz)) return false;
    kis::store::BookingScope buchung(kBuchungBonusProgramm);
    auto& st = SuiteDb().Cached("DELETE FROM BETA WHERE TYP = ? AND NAME = ? AND NR IN (0, 1)");
    st.Bind(1, typ).Bind(2, name);
    st.Run();
    buchung.Commit();
    return true;
}

std::vector<std::string> TBetaStore::ProgrammeMitRegel(const std::string& regel) {
    std::vector<std::string> out;
    if (regel.empty()) return out;
    auto& st = SuiteDb().Cached("SELECT TYP, NAME, INHALT FROM BETA WHERE NR = 0 AND TYP <> ?");
    st.Bind(1, CBonuTypen2Kuerzel(1));
    while (st.Step()) {
        const std::string typ = st.ColumnText(0);
        const std::string name = st.ColumnText(1);
        for (const auto& zeile : BetaZeilen(st.ColumnText(2))) {
            // Passes, premiums and coupons name the rule as a whole line; the period premium
            // as its "REGEL=" line.
            if (zeile == regel || zeile == "REGEL=" + regel) {
                out.push_back(CBonuTypen2Name(BonuTypen4Kuerzel(typ)) + ": " + name);
                break;
            }
        }
    }
    st.Reset();
    return out;
}
