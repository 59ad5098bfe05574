#include "platform/evaluation/sales_stream.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

#include "platform/store/database.h"

using kis::store::SuiteDb;

namespace {

void AssignText(std::string& out, sqlite3_stmt* st, int col) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    out.assign(p ? p : "", p ? size_t(sqlite3_column_bytes(st, col)) : 0);
}

}  // namespace

bool TLfnrEintrag::ArtIst(const char* art) const { return std::strcmp(BelegArt, art) == 0; }

std::vector<TLfnrEintrag> LeseBelegIndex(const TIntPair& mandant) {
    std::vector<TLfnrEintrag> out;
    // Read in file order (sequential) and sorted here: walking the index KUNDE would fetch
    // every record from a different place of the file.
    kis::store::Statement st(
        SuiteDb().Handle(),
        "SELECT KUNDE_L, KUNDE_R, RNR, LNR, BELEGLNR, BELEGRNR, BELEGART FROM LFNR NOT INDEXED "
        "WHERE MANDANT_L = ? AND MANDANT_R = ? ORDER BY rowid");
    st.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr);
    sqlite3_stmt* h = st.Handle();
    while (st.Step()) {
        TLfnrEintrag e;
        e.Kunde = TIntPair(sqlite3_column_int(h, 0), sqlite3_column_int(h, 1));
        e.RNr = sqlite3_column_int(h, 2);
        e.LNr = sqlite3_column_int(h, 3);
        e.BelegLNr = sqlite3_column_int(h, 4);
        e.BelegRNr = sqlite3_column_int(h, 5);
        const auto* art = reinterpret_cast<const char*>(sqlite3_column_text(h, 6));
        if (art) std::strncpy(e.BelegArt, art, sizeof e.BelegArt - 1);
        out.push_back(e);
    }
    std::stable_sort(out.begin(), out.end(), [](const TLfnrEintrag& a, const TLfnrEintrag& b) {
        if (a.Kunde != b.Kunde) return a.Kunde < b.Kunde;
        if (a.RNr != b.RNr) return a.RNr < b.RNr;
        return a.LNr < b.LNr;
    });
    out.shrink_to_fit();
    return out;
}

TLSTScan::TLSTScan(const TIntPair& mandant)
    : st_(SuiteDb().Handle(),
          "SELECT RNR, LNR, POSNR, ART, DATUM, FILIALE, ARTIKELNR_L, ARTIKELNR_R, ARTIKELNR_S, "
          "GROESSE, VKKZ, ISTVK, SOLLVK, REDSOLLVK, NACHLASS, MENGE, BONUS1ART, BONUS2ART "
          "FROM LST NOT INDEXED "
          "WHERE MANDANT_L = ? AND MANDANT_R = ? AND POSNR BETWEEN 0 AND 9999 ORDER BY rowid"),
      mandant_(mandant) {
    st_.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr);
}

TLSTScan::~TLSTScan() = default;

bool TLSTScan::Next(TLSTPosition& p) {
    if (!st_.Step()) return false;
    sqlite3_stmt* h = st_.Handle();
    p.Mandant = mandant_;
    p.RNr = sqlite3_column_int(h, 0);
    p.LNr = sqlite3_column_int(h, 1);
    p.PosNr = sqlite3_column_int(h, 2);
    AssignText(p.Art, h, 3);
    p.Datum = sqlite3_column_double(h, 4);
    p.Filiale = sqlite3_column_int(h, 5);
    p.ArtikelNr = TInt32Trio(sqlite3_column_int(h, 6), sqlite3_column_int(h, 7),
                             sqlite3_column_int(h, 8));
    p.Groesse = sqlite3_column_int(h, 9);
    AssignText(p.VkKz, h, 10);
    p.IstVk = sqlite3_column_double(h, 11);
    p.SollVk = sqlite3_column_double(h, 12);
    p.RedSollVk = sqlite3_column_double(h, 13);
    p.Nachlass = sqlite3_column_double(h, 14);
    p.Menge = sqlite3_column_int(h, 15);
    AssignText(p.Bonus1Art, h, 16);
    AssignText(p.Bonus2Art, h, 17);
    return true;
}

bool LSTPositionImZeitraum(const TIntPair& mandant, int32_t rnr, int32_t lnr, TDateTime von,
                           TDateTime bis) {
    kis::store::Statement& st = SuiteDb().Cached(
        "SELECT 1 FROM LST WHERE MANDANT_L = ? AND MANDANT_R = ? AND RNR = ? AND LNR = ? "
        "AND POSNR BETWEEN 0 AND 9999 AND DATUM >= ? AND DATUM <= ? LIMIT 1");
    st.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, rnr).Bind(4, lnr).Bind(5, von).Bind(6, bis);
    const bool found = st.Step();
    st.Reset();
    return found;
}
