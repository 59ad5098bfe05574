#include "platform/evaluation/kivk_insert.h"

#include <cmath>

namespace {

// Text bound without a copy: the record outlives the step that uses it.
void BindText(sqlite3_stmt* st, int idx, const std::string& s) {
    sqlite3_bind_text(st, idx, s.data(), int(s.size()), SQLITE_STATIC);
}

// Row id 0 lets the file choose (NULL), any other value is taken as given.
void BindRowId(sqlite3_stmt* st, int idx, int64_t rowid) {
    if (rowid == 0)
        sqlite3_bind_null(st, idx);
    else
        sqlite3_bind_int64(st, idx, rowid);
}

// A column default 0 reads back as +0; a negative zero must be written as it is.
bool Null(long double v) { return v == 0 && !std::signbit(v); }

const char* const kSpalten[kKivkFormen] = {
    // Position
    "rowid, KUNDE_L, KUNDE_R, ART, RNR, LNR, POSNR, DATUM, FILIALE, ARTIKELNR_L, ARTIKELNR_R, "
    "ARTIKELNR_S, GROESSE, VKKZ, ISTVK, SOLLVK, MENGE",
    // Beleg
    "rowid, KUNDE_L, KUNDE_R, ART, RNR, LNR, POSNR, BELEGART, BELEGLNR, BELEGRNR, ATKNR1, "
    "ATKNR2, DATUM, ISTVK, SOLLVK, MENGE, GESWERT, GESMENGE, ANZPOS",
    // Voll
    "rowid, KUNDE_L, KUNDE_R, ART, RNR, LNR, POSNR, BELEGART, BELEGLNR, BELEGRNR, ATKNR1, "
    "ATKNR2, DATUM, FILIALE, ARTIKELNR_L, ARTIKELNR_R, ARTIKELNR_S, LIEFNAME, LIEFART, "
    "MERKMAL1, MERKMAL2, MERKMAL3, MERKMAL4, MERKMAL5, MERKMAL6, GROESSE, VKKZ, ISTVK, SOLLVK, "
    "MENGE, GESWERT, GESMENGE, ANZPOS",
};
constexpr int kAnzahl[kKivkFormen] = {17, 19, 33};

}  // namespace

TKivkForm KivkForm(const TKivkSatz& s) {
    if (!s.LiefName.empty() || !s.LiefArt.empty()) return TKivkForm::Voll;
    for (const auto& m : s.Merkmal)
        if (!m.empty()) return TKivkForm::Voll;
    if (s.BelegArt.empty() && s.BelegLNr == 0 && s.BelegRNr == 0 && s.AtkNr1 == 0 &&
        s.AtkNr2 == 0 && Null(s.GesWert) && s.GesMenge == 0 && s.AnzPos == 0)
        return TKivkForm::Position;
    if (s.Filiale == 0 && s.ArtikelNr.Lnr == 0 && s.ArtikelNr.Rnr == 0 && s.ArtikelNr.Snr == 0 &&
        s.Groesse.empty() && s.VkKz.empty())
        return TKivkForm::Beleg;
    return TKivkForm::Voll;
}

std::string KivkInsertSql(TKivkForm form, int zeilen) {
    const int f = int(form);
    std::string sql = std::string("INSERT INTO KIVKFILE (") + kSpalten[f] + ") VALUES ";
    std::string zeile = "(?";
    for (int i = 1; i < kAnzahl[f]; ++i) zeile += ", ?";
    zeile += ")";
    for (int z = 0; z < zeilen; ++z) sql += (z ? ", " : "") + zeile;
    return sql;
}

int BindKivk(sqlite3_stmt* h, int i, const TKivkSatz& s, TKivkForm form) {
    const bool voll = form == TKivkForm::Voll;
    BindRowId(h, i++, s.RowId);
    sqlite3_bind_int(h, i++, s.Kunde.Lnr);
    sqlite3_bind_int(h, i++, s.Kunde.Rnr);
    BindText(h, i++, s.Art);
    sqlite3_bind_int(h, i++, s.RNr);
    sqlite3_bind_int(h, i++, s.LNr);
    sqlite3_bind_int(h, i++, s.PosNr);
    if (form != TKivkForm::Position) {
        BindText(h, i++, s.BelegArt);
        sqlite3_bind_int(h, i++, s.BelegLNr);
        sqlite3_bind_int(h, i++, s.BelegRNr);
        sqlite3_bind_int(h, i++, s.AtkNr1);
        sqlite3_bind_int(h, i++, s.AtkNr2);
    }
    sqlite3_bind_double(h, i++, s.Datum);
    if (form != TKivkForm::Beleg) {
        sqlite3_bind_int(h, i++, s.Filiale);
        sqlite3_bind_int(h, i++, s.ArtikelNr.Lnr);
        sqlite3_bind_int(h, i++, s.ArtikelNr.Rnr);
        sqlite3_bind_int(h, i++, s.ArtikelNr.Snr);
    }
    if (voll) {
        BindText(h, i++, s.LiefName);
        BindText(h, i++, s.LiefArt);
        for (const auto& m : s.Merkmal) BindText(h, i++, m);
    }
    if (form != TKivkForm::Beleg) {
        BindText(h, i++, s.Groesse);
        BindText(h, i++, s.VkKz);
    }
    sqlite3_bind_double(h, i++, double(s.IstVk));
    sqlite3_bind_double(h, i++, double(s.SollVk));
    sqlite3_bind_int(h, i++, s.Menge);
    if (form != TKivkForm::Position) {
        sqlite3_bind_double(h, i++, double(s.GesWert));
        sqlite3_bind_int(h, i++, s.GesMenge);
        sqlite3_bind_int(h, i++, s.AnzPos);
    }
    return i;
}
