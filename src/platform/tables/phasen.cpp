#include "platform/tables/phasen.h"

#include <array>

#include "platform/match/text_match.h"

namespace {
struct Phase {
    const char* code;
    const char* bez;
    int seite;
};

// Purchase-side phases have the supplier as first party and the customer (if any) as second.
// The three-letter kinds are unique, so a document kind names exactly one phase.
constexpr std::array<Phase, 30> kPhasen{{
    {"ANFKUNDE", "Kundenanfrage", 1},         // 1
    {"ANGKUNDE", "Kundenangebot", 1},         // 2
    {"LAFLIEF", "Lieferantenanfrage", 2},     // 3
    {"LAGLIEF", "Lieferantenangebot", 2},     // 4
    {"BESLIEF", "Bestellung", 2},             // 5
    {"KBSKUNDE", "Kundenbestellung", 2},      // 6
    {"WELIEF", "Wareneingang", 2},            // 7
    {"RUELIEF", "Rücksendung Lieferant", 2},  // 8
    {"UMLFIL", "Umlagerung", 1},              // 9
    {"INVFIL", "Inventur", 1},                // 10
    {"KOMKUNDE", "Kommission", 1},            // 11
    {"VORKUNDE", "Vormerkung", 1},            // 12
    {"AUFKUNDE", "Kundenauftrag", 1},         // 13
    {"RESKUNDE", "Reservierung", 1},          // 14
    {"AUSKUNDE", "Auswahlsendung", 1},        // 15
    {"LSLIEF", "Lieferschein Lieferant", 2},  // 16
    {"LSKKUNDE", "Lieferschein Kunde", 1},    // 17
    {"RGLIEF", "Lieferantenrechnung", 2},     // 18
    {"GULIEF", "Lieferantengutschrift", 2},   // 19
    {"MAHKUNDE", "Mahnung", 1},               // 20
    {"BONKASSE", "Kassenbon", 1},             // 21
    {"RGKUNDE", "Kundenrechnung", 1},         // 22
    {"GSKUNDE", "Kundengutschrift", 1},       // 23
    {"STOKUNDE", "Storno", 1},                // 24
    {"UMTKUNDE", "Umtausch", 1},              // 25
    {"REPKUNDE", "Reparaturauftrag", 2},      // 26
    {"RPLLIEF", "Reparatur beim Lieferanten", 2},  // 27
    {"ANLKUNDE", "Anlieferung Kunde", 1},     // 28
    {"ANZKUNDE", "Anzahlung", 1},             // 29
    {"SONKUNDE", "Sonderbestellung", 1},      // 30
}};

const Phase* Find(int nr) { return nr >= 1 && nr <= int(kPhasen.size()) ? &kPhasen[nr - 1] : nullptr; }
}  // namespace

int CPhase_Anzahl() { return int(kPhasen.size()); }

std::string CPhase(int nr) {
    const Phase* p = Find(nr);
    return p ? p->code : "";
}

std::string CPhase_Bez(int nr) {
    const Phase* p = Find(nr);
    return p ? p->bez : "";
}

int CPhase_Nr(const std::string& code) {
    const std::string t = kis::match::Trim(code);
    if (t.empty()) return 0;
    for (size_t i = 0; i < kPhasen.size(); ++i)
        if (t == kPhasen[i].code) return int(i) + 1;
    if (t.size() > 3) return 0;
    for (size_t i = 0; i < kPhasen.size(); ++i)
        if (std::string(kPhasen[i].code).compare(0, t.size(), t) == 0) return int(i) + 1;
    return 0;
}

int CMand_SV_Seite(int nr) {
    const Phase* p = Find(nr);
    return p ? p->seite : 1;
}

bool CPhase_IstKundenVorgang(int nr) {
    return nr == 13 || nr == 14 || nr == 17 || nr == 26 || nr == 29;
}
