#include "platform/partners/gp_merkmal_buchmani.h"

#include <stdexcept>

#include "platform/match/text_match.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"

using kis::store::Statement;
using kis::store::SuiteDb;
namespace sql = kis::store::sql;

std::vector<TGBMerkmal> TQEL_GP_GBMERkmal_Buchmani::Merkmale() {
    static const std::string kSql =
        "SELECT " + sql::RowId() + ", NAME, BESCHREIBUNG FROM MERKMALDEF ORDER BY NAME";
    Statement& s = SuiteDb().Cached(kSql);
    std::vector<TGBMerkmal> out;
    while (s.Step()) out.push_back({int32_t(s.ColumnInt(0)), s.ColumnText(1), s.ColumnText(2)});
    s.Reset();
    return out;
}

int32_t TQEL_GP_GBMERkmal_Buchmani::MerkmalNr(const std::string& name) {
    static const std::string kSql = "SELECT " + sql::RowId() + " FROM MERKMALDEF WHERE " +
                                    sql::Fold("NAME") + " = " + sql::Fold("?");
    Statement& s = SuiteDb().Cached(kSql);
    s.Bind(1, kis::match::Trim(name));
    const int32_t nr = s.Step() ? int32_t(s.ColumnInt(0)) : 0;
    s.Reset();
    return nr;
}

int32_t TQEL_GP_GBMERkmal_Buchmani::NeuesMerkmalAnlegenIfN(const std::string& name,
                                                           const std::string& beschreibung) {
    const std::string n = kis::match::Trim(name);
    if (n.empty()) throw std::invalid_argument("Ein Merkmal braucht einen Namen.");
    if (const int32_t nr = MerkmalNr(n)) return nr;
    kis::store::BookingScope booking(kBuchungMerkmal);
    Statement& s = SuiteDb().Cached("INSERT INTO MERKMALDEF (NAME, BESCHREIBUNG) VALUES (?, ?)");
    s.Bind(1, n).Bind(2, beschreibung.empty() ? n : beschreibung).Run();
    const int32_t nr = int32_t(SuiteDb().LastInsertRowId());
    booking.Commit();
    return nr;
}

namespace {

// The name of the attribute with that number; throws when there is none.
std::string MerkmalName(int32_t merkmalNr) {
    static const std::string kName = "SELECT NAME FROM MERKMALDEF WHERE " + sql::RowId() + " = ?";
    Statement& d = SuiteDb().Cached(kName);
    d.Bind(1, merkmalNr);
    const bool known = d.Step();
    const std::string name = known ? d.ColumnText(0) : std::string();
    d.Reset();
    if (!known) throw std::invalid_argument("Das Merkmal " + std::to_string(merkmalNr) + " ist nicht vorhanden.");
    return name;
}

void KundePruefen(const TIntPair& kunde) {
    Statement& k = SuiteDb().Cached("SELECT 1 FROM GEP WHERE GEPNR_L = ? AND GEPNR_R = ?");
    k.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr);
    const bool exists = k.Step();
    k.Reset();
    if (!exists) throw std::invalid_argument("Der Kunde " + kunde.ToString() + " ist nicht vorhanden.");
}

// Writes one customer's value inside the running booking.
void MerkmalSchreiben(const TIntPair& kunde, const std::string& name, const std::string& wert) {
    static const std::string kSql =
        sql::InsertOrReplace("GPMERKMAL", "GEPNR_L, GEPNR_R, MERKMAL, WERT", "?, ?, ?, ?");
    Statement& s = SuiteDb().Cached(kSql);
    s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr).Bind(3, name).Bind(4, kis::match::Trim(wert)).Run();
}

}  // namespace

void TQEL_GP_GBMERkmal_Buchmani::BucheMerkmal(const TIntPair& kunde, int32_t merkmalNr,
                                             const std::string& wert) {
    const std::string name = MerkmalName(merkmalNr);
    // Checked before the booking begins, so a refusal inside a caller's booking leaves that
    // booking intact.
    KundePruefen(kunde);
    kis::store::BookingScope booking(kBuchungMerkmal, kunde);
    MerkmalSchreiben(kunde, name, wert);
    booking.Commit();
}

void TQEL_GP_GBMERkmal_Buchmani::BucheMerkmale(
    int32_t merkmalNr, const std::vector<std::pair<TIntPair, std::string>>& werte) {
    const std::string name = MerkmalName(merkmalNr);
    kis::store::BookingScope booking(kBuchungMerkmal);
    for (const auto& [kunde, wert] : werte) {
        KundePruefen(kunde);
        MerkmalSchreiben(kunde, name, wert);
    }
    booking.Commit();
}

std::string TQEL_GP_GBMERkmal_Buchmani::Wert(const TIntPair& kunde, const std::string& name) {
    static const std::string kSql = "SELECT WERT FROM GPMERKMAL WHERE GEPNR_L = ? AND GEPNR_R = ? AND " +
                                    sql::Fold("MERKMAL") + " = " + sql::Fold("?");
    Statement& s = SuiteDb().Cached(kSql);
    s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr).Bind(3, kis::match::Trim(name));
    const std::string w = s.Step() ? s.ColumnText(0) : std::string();
    s.Reset();
    return w;
}
