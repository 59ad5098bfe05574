#include "platform/bonus/bonus_rechner.h"

#include <cmath>
#include <cstdlib>

#include "platform/bonus/beta_programm.h"
#include "platform/services/number_format.h"
#include "platform/tables/bonus_typen.h"

bool DezimalZuHundertstel(const std::string& roh, int64_t& out) {
    size_t a = roh.find_first_not_of(" \t");
    if (a == std::string::npos) return false;
    size_t b = roh.find_last_not_of(" \t");
    std::string t = roh.substr(a, b - a + 1);
    bool negativ = false;
    if (t[0] == '-' || t[0] == '+') {
        negativ = t[0] == '-';
        t.erase(0, 1);
    }
    // With a comma, points are thousands separators; without one, a point is the decimal point.
    char dezimal = t.find(',') != std::string::npos ? ',' : '.';
    int64_t ganz = 0, bruch = 0;
    int stellen = -1, ziffern = 0;
    for (char c : t) {
        if (c == dezimal) {
            if (stellen >= 0) return false;
            stellen = 0;
        } else if (c == '.' && dezimal == ',') {
            if (stellen >= 0) return false;
        } else if (c >= '0' && c <= '9') {
            if (++ziffern > 15) return false;
            if (stellen < 0) {
                ganz = ganz * 10 + (c - '0');
            } else {
                if (++stellen > 2) return false;
                bruch = bruch * 10 + (c - '0');
            }
        } else {
            return false;
        }
    }
    if (ziffern == 0) return false;
    if (stellen == 1) bruch *= 10;
    out = ganz * 100 + bruch;
    if (negativ) out = -out;
    return true;
}

std::string HundertstelZuText(int64_t h) {
    const int64_t a = std::llabs(h);
    std::string frac = std::to_string(a % 100);
    if (frac.size() < 2) frac.insert(0, "0");
    return (h < 0 ? "-" : "") + std::to_string(a / 100) + "," + frac;
}

TBetaRegel TBetaRegel::AusSatz(const std::string& name, const std::string& wertArt, int rundungKz,
                               double intervall, const std::vector<std::string>& inhalt) {
    TBetaRegel r;
    r.Name = name;
    r.WertArt = wertArt == "P" ? 'P' : 'A';
    r.RundungKz = rundungKz >= 0 && rundungKz <= 3 ? rundungKz : 0;
    r.IntervallCent = std::isfinite(intervall) ? std::llround(intervall * 100.0) : 0;
    for (const auto& line : inhalt) {
        const size_t eq = line.find('=');
        Zeile z;
        if (eq == std::string::npos || !DezimalZuHundertstel(line.substr(0, eq), z.BisCent) ||
            !DezimalZuHundertstel(line.substr(eq + 1), z.BonusHundertstel)) {
            r.Zeilen.clear();
            return r;
        }
        r.Zeilen.push_back(z);
    }
    return r;
}

int64_t TBetaRegel::Anwenden(int64_t wertCent) const {
    if (Zeilen.empty()) return 0;
    const int64_t x = std::llabs(wertCent);
    const Zeile* band = &Zeilen.back();  // the last band is open upwards
    for (const auto& z : Zeilen)
        if (x <= z.BisCent) {
            band = &z;
            break;
        }
    int64_t bonus;
    if (WertArt != 'P') {
        bonus = std::llabs(band->BonusHundertstel);
    } else {
        // x cents × p hundredths of a percent = x × p / 10000 cents, exactly.
        const int64_t step = RundungKz == 0 || IntervallCent <= 0 ? 1 : IntervallCent;
        const int64_t n = x * std::llabs(band->BonusHundertstel);
        const int64_t d = 10000 * step;
        int64_t q = n / d;
        const int64_t r = n % d;
        switch (RundungKz) {
            case 2: q += r > 0; break;            // aufrunden: away from zero
            case 3: break;                        // abrunden: towards zero
            default: q += 2 * r >= d; break;      // exakt / runden: halves away from zero
        }
        bonus = q * step;
    }
    return wertCent < 0 ? -bonus : bonus;
}

void TBonusRechner::BETAList_Fuellen(int kind) {
    if (kind < 1 || kind > kBonusTypAnzahl) return;
    const std::string typ = CBonuTypen2Kuerzel(kind);
    namen_[kind] = TBetaStore::Namen(typ);
    if (kind == 1) {
        regeln_.clear();
        for (const auto& name : namen_[1]) {
            TBetaRegel r;
            RegelLesen(name, r);
            r.Name = name;
            regeln_.push_back(std::move(r));
        }
    }
}

void TBonusRechner::Fuelle_Typ(std::vector<std::string>& items, int kind) const {
    items.clear();
    if (kind >= 1 && kind <= kBonusTypAnzahl) items = namen_[kind];
}

std::vector<std::pair<std::string, int>> TBonusRechner::Fuelle_Typen() {
    std::vector<std::pair<std::string, int>> out;
    for (int kind = 2; kind <= kBonusTypAnzahl; ++kind) out.emplace_back(CBonuTypen2Name(kind), kind);
    return out;
}

std::vector<std::string> TBonusRechner::Fuelle_Selektion(const std::string& typ, const std::string& name) {
    const auto s = TBetaStore::Lesen(typ, name, kBetaSelektionssatz);
    return s ? s->Inhalt : std::vector<std::string>{};
}

long double TBonusRechner::BETABerechneWertByIndex(int index, long double wert) const {
    if (index < 0 || index >= int(regeln_.size()) || !std::isfinite(double(wert))) return 0;
    return regeln_[size_t(index)].Anwenden(kis::services::ToCents(wert)) / 100.0L;
}

bool TBonusRechner::RegelLesen(const std::string& regel, TBetaRegel& out) {
    const auto s = TBetaStore::Lesen(CBonuTypen2Kuerzel(1), regel, kBetaHauptsatz);
    if (!s) return false;
    // A rule whose content disagrees with its length has no usable rows.
    std::vector<std::string> inhalt = s->Inhalt;
    if (int(inhalt.size()) != s->Laenge) inhalt.clear();
    out = TBetaRegel::AusSatz(regel, s->WertArt, s->RundungKz, s->RundungIntervall, inhalt);
    return true;
}

long double TBonusRechner::BETABerechneWert(const std::string& regel, long double wert) {
    TBetaRegel r;
    if (!std::isfinite(double(wert)) || !RegelLesen(regel, r)) return 0;
    return r.Anwenden(kis::services::ToCents(wert)) / 100.0L;
}
