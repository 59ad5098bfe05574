#include "platform/evaluation/kivk_insert.h"

#include <cmath>

#include "platform/store/sql_dialect.h"

using kis::store::Statement;

namespace {

// Row id 0 lets the file choose (NULL), any other value is taken as given.
void BindRowId(Statement& st, int idx, int64_t rowid) {
    if (rowid == 0)
        st.BindNull(idx);
    else
        st.Bind(idx, rowid);
}

// A column default 0 reads back as +0; a negative zero must be written as it is.
bool Null(long double v) { return v == 0 && !std::signbit(v); }

// Columns after the row id.
const char* const kSpalten[kKivkFormen] = {
    // Position
    "KUNDE_L, KUNDE_R, ART, RNR, LNR, POSNR, DATUM, FILIALE, ARTIKELNR_L, ARTIKELNR_R, "
    "ARTIKELNR_S, GROESSE, VKKZ, ISTVK, SOLLVK, MENGE, VERRECHNET",
    // Beleg
    "KUNDE_L, KUNDE_R, ART, RNR, LNR, POSNR, BELEGART, BELEGLNR, BELEGRNR, ATKNR1, "
    "ATKNR2, DATUM, ISTVK, SOLLVK, MENGE, GESWERT, GESMENGE, ANZPOS",
    // Voll
    "KUNDE_L, KUNDE_R, ART, RNR, LNR, POSNR, BELEGART, BELEGLNR, BELEGRNR, ATKNR1, "
    "ATKNR2, DATUM, FILIALE, ARTIKELNR_L, ARTIKELNR_R, ARTIKELNR_S, LIEFNAME, LIEFART, "
    "MERKMAL1, MERKMAL2, MERKMAL3, MERKMAL4, MERKMAL5, MERKMAL6, GROESSE, VKKZ, ISTVK, SOLLVK, "
    "MENGE, GESWERT, GESMENGE, ANZPOS, VERRECHNET",
};
constexpr int kAnzahl[kKivkFormen] = {18, 19, 34};

}  // namespace

TKivkForm KivkForm(const TKivkSatz& s) {
    if (!s.LiefName.empty() || !s.LiefArt.empty()) return TKivkForm::Voll;
    for (const auto& m : s.Merkmal)
        if (!m.empty()) return TKivkForm::Voll;
    if (s.BelegArt.empty() && s.BelegLNr == 0 && s.BelegRNr == 0 && s.AtkNr1 == 0 &&
        s.AtkNr2 == 0 && Null(s.GesWert) && s.GesMenge == 0 && s.AnzPos == 0)
        return TKivkForm::Position;
    if (s.Filiale == 0 && !s.Verrechnet && s.ArtikelNr.Lnr == 0 && s.ArtikelNr.Rnr == 0 && s.ArtikelNr.Snr == 0 &&
        s.Groesse.empty() && s.VkKz.empty())
        return TKivkForm::Beleg;
    return TKivkForm::Voll;
}

std::string KivkInsertSql(TKivkForm form, int zeilen) {
    const int f = int(form);
    std::string sql =
        "INSERT INTO KIVKFILE (" + kis::store::sql::RowId() + ", " + kSpalten[f] + ") VALUES ";
    std::string zeile = "(?";
    for (int i = 1; i < kAnzahl[f]; ++i) zeile += ", ?";
    zeile += ")";
    for (int z = 0; z < zeilen; ++z) sql += (z ? ", " : "") + zeile;
    return sql;
}

int BindKivk(Statement& st, int i, const TKivkSatz& s, TKivkForm form) {
    const bool voll = form == TKivkForm::Voll;
    BindRowId(st, i++, s.RowId);
    st.Bind(i++, s.Kunde.Lnr);
    st.Bind(i++, s.Kunde.Rnr);
    st.BindRef(i++, s.Art);
    st.Bind(i++, s.RNr);
    st.Bind(i++, s.LNr);
    st.Bind(i++, s.PosNr);
    if (form != TKivkForm::Position) {
        st.BindRef(i++, s.BelegArt);
        st.Bind(i++, s.BelegLNr);
        st.Bind(i++, s.BelegRNr);
        st.Bind(i++, s.AtkNr1);
        st.Bind(i++, s.AtkNr2);
    }
    st.Bind(i++, s.Datum);
    if (form != TKivkForm::Beleg) {
        st.Bind(i++, s.Filiale);
        st.Bind(i++, s.ArtikelNr.Lnr);
        st.Bind(i++, s.ArtikelNr.Rnr);
        st.Bind(i++, s.ArtikelNr.Snr);
    }
    if (voll) {
        st.BindRef(i++, s.LiefName);
        st.BindRef(i++, s.LiefArt);
        for (const auto& m : s.Merkmal) st.BindRef(i++, m);
    }
    if (form != TKivkForm::Beleg) {
        st.BindRef(i++, s.Groesse);
        st.BindRef(i++, s.VkKz);
    }
    st.Bind(i++, double(s.IstVk));
    st.Bind(i++, double(s.SollVk));
    st.Bind(i++, s.Menge);
    if (form != TKivkForm::Position) {
        st.Bind(i++, double(s.GesWert));
        st.Bind(i++, s.GesMenge);
        st.Bind(i++, s.AnzPos);
    }
    if (form != TKivkForm::Beleg) st.Bind(i++, s.Verrechnet ? 1 : 0);
    return i;
}
