#include "platform/evaluation/sales_stream.h"

#include <algorithm>
#include <cstring>

#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"

using kis::store::SuiteDb;
namespace sql = kis::store::sql;

bool TLfnrEintrag::ArtIst(const char* art) const { return std::strcmp(BelegArt, art) == 0; }

std::vector<TLfnrEintrag> LeseBelegIndex(const TIntPair& mandant) {
    std::vector<TLfnrEintrag> out;
    // Read in file order (sequential) and sorted here: walking the index KUNDE would fetch
    // every record from a different place of the file.
    kis::store::Statement st(
        SuiteDb(),
        "SELECT KUNDE_L, KUNDE_R, RNR, LNR, BELEGLNR, BELEGRNR, BELEGART FROM " +
            sql::TableInFileOrder("LFNR") + " WHERE MANDANT_L = ? AND MANDANT_R = ? ORDER BY " +
            sql::RowId());
    st.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr);
    while (st.Step()) {
        TLfnrEintrag e;
        e.Kunde = TIntPair(int32_t(st.ColumnInt(0)), int32_t(st.ColumnInt(1)));
        e.RNr = int32_t(st.ColumnInt(2));
        e.LNr = int32_t(st.ColumnInt(3));
        e.BelegLNr = int32_t(st.ColumnInt(4));
        e.BelegRNr = int32_t(st.ColumnInt(5));
        const std::string_view art = st.ColumnTextView(6);
        std::memcpy(e.BelegArt, art.data(), std::min(art.size(), sizeof e.BelegArt - 1));
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
    : st_(SuiteDb(),
          "SELECT RNR, LNR, POSNR, ART, DATUM, FILIALE, ARTIKELNR_L, ARTIKELNR_R, ARTIKELNR_S, "
          "GROESSE, VKKZ, ISTVK, SOLLVK, REDSOLLVK, NACHLASS, MENGE, BONUS1ART, BONUS2ART "
          "FROM " + sql::TableInFileOrder("LST") +
              " WHERE MANDANT_L = ? AND MANDANT_R = ? AND POSNR BETWEEN 0 AND 9999 ORDER BY " +
              sql::RowId()),
      mandant_(mandant) {
    st_.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr);
}

TLSTScan::~TLSTScan() = default;

bool TLSTScan::Next(TLSTPosition& p) {
    if (!st_.Step()) return false;
    const kis::store::Statement& st = st_;
    p.Mandant = mandant_;
    p.RNr = int32_t(st.ColumnInt(0));
    p.LNr = int32_t(st.ColumnInt(1));
    p.PosNr = int32_t(st.ColumnInt(2));
    st.ColumnText(3, p.Art);
    p.Datum = st.ColumnDouble(4);
    p.Filiale = int32_t(st.ColumnInt(5));
    p.ArtikelNr = TInt32Trio(int32_t(st.ColumnInt(6)), int32_t(st.ColumnInt(7)),
                             int32_t(st.ColumnInt(8)));
    p.Groesse = int32_t(st.ColumnInt(9));
    st.ColumnText(10, p.VkKz);
    p.IstVk = st.ColumnDouble(11);
    p.SollVk = st.ColumnDouble(12);
    p.RedSollVk = st.ColumnDouble(13);
    p.Nachlass = st.ColumnDouble(14);
    p.Menge = int32_t(st.ColumnInt(15));
    st.ColumnText(16, p.Bonus1Art);
    st.ColumnText(17, p.Bonus2Art);
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
