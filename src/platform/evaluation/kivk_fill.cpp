#include "platform/evaluation/kivk_fill.h"

#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"

using kis::store::sql::RowId;

TKivkFuellLauf::TKivkFuellLauf(std::shared_ptr<kis::store::Database> kivk) : db_(std::move(kivk)) {
    lesen_ = kis::store::Statement(
        *db_, "SELECT " + RowId() + ", ARTIKELNR_L, ARTIKELNR_R, ARTIKELNR_S FROM KIVKFILE "
              "ORDER BY KUNDE_L, KUNDE_R, RNR, LNR, POSNR, " + RowId());
    lief_ = kis::store::Statement(
        *db_, "UPDATE KIVKFILE SET LIEFNAME = ?, LIEFART = ? WHERE " + RowId() + " = ?");
    merkmale_ = kis::store::Statement(
        *db_, "UPDATE KIVKFILE SET MERKMAL1 = ?, MERKMAL2 = ?, MERKMAL3 = ?, MERKMAL4 = ?, "
              "MERKMAL5 = ?, MERKMAL6 = ? WHERE " + RowId() + " = ?");
}

TKivkFuellLauf::~TKivkFuellLauf() = default;

bool TKivkFuellLauf::Next(int64_t& rowid, TInt32Trio& artikel) {
    if (!lesen_.Step()) return false;
    rowid = lesen_.ColumnInt(0);
    artikel = TInt32Trio(int32_t(lesen_.ColumnInt(1)), int32_t(lesen_.ColumnInt(2)),
                         int32_t(lesen_.ColumnInt(3)));
    return true;
}

void TKivkFuellLauf::SetLieferant(int64_t rowid, const std::string& liefName,
                                  const std::string& liefArt) {
    lief_.Bind(1, liefName).Bind(2, liefArt).Bind(3, rowid);
    lief_.Run();
}

void TKivkFuellLauf::SetMerkmale(int64_t rowid, const std::array<std::string, 6>& m) {
    for (int i = 0; i < 6; ++i) merkmale_.Bind(i + 1, m[size_t(i)]);
    merkmale_.Bind(7, rowid);
    merkmale_.Run();
}
