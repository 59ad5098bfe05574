#include "support/manuelle_boni.h"

namespace kis::test {

std::vector<ManuellerBonusGebucht> ManuelleBoni(kis::store::Database& db) {
    kis::store::Statement s(
        db,
        "SELECT B.KUNDE_L, B.KUNDE_R, B.PROGRAMMID, B.WERT, B.PROZENT, COALESCE(O.TABELLE, ''), "
        "COALESCE(O.BETRAG2, 0), COALESCE(D.STATUS, '') FROM BONUS B "
        "LEFT JOIN OP O ON O.RNR = B.RNR AND O.LNR = B.LNR AND O.SNR = B.SNR "
        "LEFT JOIN DIENST D ON D.RNR = B.RNR AND D.LNR = B.LNR AND D.SNR = B.SNR "
        "WHERE B.ART = 'BM' ORDER BY B.KUNDE_L, B.KUNDE_R, B.LNR");
    std::vector<ManuellerBonusGebucht> out;
    while (s.Step())
        out.push_back({TIntPair(int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1))), s.ColumnText(2),
                       s.ColumnDouble(3), s.ColumnDouble(4), s.ColumnText(5), s.ColumnDouble(6), s.ColumnText(7)});
    return out;
}

int Buchungen(kis::store::Database& db, int typ) {
    kis::store::Statement s(db, "SELECT COUNT(*) FROM BUCHUNG WHERE TYP = ?");
    s.Bind(1, typ);
    s.Step();
    return int(s.ColumnInt(0));
}

}  // namespace kis::test
