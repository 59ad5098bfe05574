#include "platform/evaluation/work_file_writer.h"

#include "platform/evaluation/kivk_insert.h"
#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"
#include "platform/store/store_error.h"

using kis::store::Database;
using kis::store::Statement;
using kis::store::sql::RowId;

namespace {

// Every parameter is bound anew before each step, so the bindings need not be cleared.
void Step(Statement& st) {
    try {
        st.Execute();
    } catch (const kis::store::StoreError& e) {
        throw kis::store::StoreError(std::string("Fehler beim Schreiben der Arbeitsdatei: ") +
                                     e.what());
    }
}

// Row id 0 lets the file choose (NULL), any other value is taken as given.
void BindRowId(Statement& st, int idx, int64_t rowid) {
    if (rowid == 0)
        st.BindNull(idx);
    else
        st.Bind(idx, rowid);
}

}  // namespace

TKIWorkFiles::TKIWorkFiles(std::shared_ptr<Database> kisu, std::shared_ptr<Database> kivk)
    : kisu_(std::move(kisu)), kivk_(std::move(kivk)) {
    // The detail file grows by millions of records in one run; a larger page cache keeps the
    // pages of its index and of the batch in memory until the batch is committed.
    kivk_->SetCacheSize(16);
    insKisu_ = Statement(*kisu_,
                         "INSERT INTO KISUFILE (" + RowId() + ", KUNDE_L, KUNDE_R, ART, NAME, VORNAME, "
                         "SELUMSATZ, SELMENGE, GESUMSATZ, GESMENGE) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    updKisu_ = Statement(*kisu_,
                         "UPDATE KISUFILE SET SELUMSATZ = ?, SELMENGE = ?, GESUMSATZ = ?, "
                         "GESMENGE = ? WHERE " + RowId() + " = ?");
    for (int f = 0; f < kKivkFormen; ++f) {
        insKivk_[f] = Statement(*kivk_, KivkInsertSql(TKivkForm(f), 1));
        insKivkMehrfach_[f] = Statement(*kivk_, KivkInsertSql(TKivkForm(f), kMehrfach));
    }
    updKivk_ = Statement(*kivk_,
                         "UPDATE KIVKFILE SET ISTVK = ?, SOLLVK = ?, MENGE = ? WHERE " + RowId() + " = ?");
    delBelegArt_ = Statement(*kivk_,
                             "DELETE FROM KIVKFILE WHERE KUNDE_L = ? AND KUNDE_R = ? AND RNR = ? "
                             "AND LNR = ? AND ART >= ? AND ART <= ?");
    delBelegPos_ = Statement(*kivk_,
                             "DELETE FROM KIVKFILE WHERE KUNDE_L = ? AND KUNDE_R = ? AND RNR = ? "
                             "AND LNR = ? AND ART <> 'NR'");
    delBeleg_ = Statement(*kivk_,
                          "DELETE FROM KIVKFILE WHERE KUNDE_L = ? AND KUNDE_R = ? AND RNR = ? "
                          "AND LNR = ?");
    delKunde_ = Statement(*kivk_,
                          "DELETE FROM KIVKFILE WHERE KUNDE_L = ? AND KUNDE_R = ?");
}

TKIWorkFiles::~TKIWorkFiles() = default;

int64_t TKIWorkFiles::InsertKisu(const TKisuSatz& s) {
    Statement& st = insKisu_;
    BindRowId(st, 1, s.RowId);
    st.Bind(2, s.Kunde.Lnr).Bind(3, s.Kunde.Rnr);
    st.BindRef(4, s.Art).BindRef(5, s.Name).BindRef(6, s.Vorname);
    st.Bind(7, double(s.SelUmsatz)).Bind(8, s.SelMenge);
    st.Bind(9, double(s.GesUmsatz)).Bind(10, s.GesMenge);
    Step(insKisu_);
    return kisu_->LastInsertRowId();
}

void TKIWorkFiles::UpdateKisuSummen(int64_t rowid, const TKisuSatz& s) {
    updKisu_.Bind(1, double(s.SelUmsatz)).Bind(2, s.SelMenge);
    updKisu_.Bind(3, double(s.GesUmsatz)).Bind(4, s.GesMenge).Bind(5, rowid);
    Step(updKisu_);
}

int64_t TKIWorkFiles::InsertKivk(const TKivkSatz& s) {
    const TKivkForm f = KivkForm(s);
    Statement& st = insKivk_[int(f)];
    BindKivk(st, 1, s, f);
    Step(st);
    return kivk_->LastInsertRowId();
}

void TKIWorkFiles::InsertKivkMehrere(const TKivkSatz* s, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (s[i].RowId == 0) {
            // The file numbers these records: they must go in their order.
            for (; n > 0; --n) InsertKivk(*s++);
            return;
        }
    // Numbered records may go in any order; each form collects its own multi-row statement.
    const TKivkSatz* offen[kKivkFormen][kMehrfach];
    int anzahl[kKivkFormen] = {};
    for (; n > 0; --n, ++s) {
        const int f = int(KivkForm(*s));
        offen[f][anzahl[f]++] = s;
        if (anzahl[f] < kMehrfach) continue;
        Statement& st = insKivkMehrfach_[f];
        int i = 1;
        for (int z = 0; z < kMehrfach; ++z) i = BindKivk(st, i, *offen[f][z], TKivkForm(f));
        Step(st);
        anzahl[f] = 0;
    }
    for (int f = 0; f < kKivkFormen; ++f)
        for (int z = 0; z < anzahl[f]; ++z) {
            BindKivk(insKivk_[f], 1, *offen[f][z], TKivkForm(f));
            Step(insKivk_[f]);
        }
}

void TKIWorkFiles::Commit() {
    for (Database* db : {kivk_.get(), kisu_.get()}) {
        if (db->InTransaction()) db->Commit();
        db->Begin();
    }
}

void TKIWorkFiles::UpdateKivkSummen(int64_t rowid, long double istVk, long double sollVk,
                                    int32_t menge) {
    updKivk_.Bind(1, double(istVk)).Bind(2, double(sollVk)).Bind(3, menge).Bind(4, rowid);
    Step(updKivk_);
}

void TKIWorkFiles::DeleteBelegRecords(const TIntPair& kunde, int32_t rnr, int32_t lnr,
                                      const char* artVon, const char* artBis) {
    delBelegArt_.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr).Bind(3, rnr).Bind(4, lnr);
    delBelegArt_.Bind(5, std::string_view(artVon)).Bind(6, std::string_view(artBis));
    Step(delBelegArt_);
}

void TKIWorkFiles::DeleteBelegPositionen(const TIntPair& kunde, int32_t rnr, int32_t lnr) {
    delBelegPos_.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr).Bind(3, rnr).Bind(4, lnr);
    Step(delBelegPos_);
}

void TKIWorkFiles::DeleteBeleg(const TIntPair& kunde, int32_t rnr, int32_t lnr) {
    delBeleg_.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr).Bind(3, rnr).Bind(4, lnr);
    Step(delBeleg_);
}

void TKIWorkFiles::DeleteKunde(const TIntPair& kunde) {
    delKunde_.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr);
    Step(delKunde_);
}
