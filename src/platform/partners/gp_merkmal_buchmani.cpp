#include "platform/partners/gp_merkmal_buchmani.h"

#include <stdexcept>

#include "platform/match/text_match.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"

using kis::store::Statement;
using kis::store::SuiteDb;

std::vector<TGBMerkmal> TQEL_GP_GBMERkmal_Buchmani::Merkmale() {
    Statement& s = SuiteDb().Cached("SELECT rowid, NAME, BESCHREIBUNG FROM MERKMALDEF ORDER BY NAME");
    std::vector<TGBMerkmal> out;
    while (s.Step()) out.push_back({int32_t(s.ColumnInt(0)), s.ColumnText(1), s.ColumnText(2)});
    s.Reset();
    return out;
}

int32_t TQEL_GP_GBMERkmal_Buchmani::MerkmalNr(const std::string& name) {
    Statement& s = SuiteDb().Cached("SELECT rowid FROM MERKMALDEF WHERE KIS_FOLD(NAME) = KIS_FOLD(?)");
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

void TQEL_GP_GBMERkmal_Buchmani::BucheMerkmal(const TIntPair& kunde, int32_t merkmalNr,
                                             const std::string& wert) {
    Statement& d = SuiteDb().Cached("SELECT NAME FROM MERKMALDEF WHERE rowid = ?");
    d.Bind(1, merkmalNr);
    const bool known = d.Step();
    const std::string name = known ? d.ColumnText(0) : std::string();
    d.Reset();
    if (!known) throw std::invalid_argument("Das Merkmal " + std::to_string(merkmalNr) + " ist nicht vorhanden.");
    Statement& k = SuiteDb().Cached("SELECT 1 FROM GEP WHERE GEPNR_L = ? AND GEPNR_R = ?");
    k.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr);
    const bool exists = k.Step();
    k.Reset();
    if (!exists) throw std::invalid_argument("Der Kunde " + kunde.ToString() + " ist nicht vorhanden.");

    kis::store::BookingScope booking(kBuchungMerkmal, kunde);
    Statement& s = SuiteDb().Cached(
        "INSERT OR REPLACE INTO GPMERKMAL (GEPNR_L, GEPNR_R, MERKMAL, WERT) VALUES (?, ?, ?, ?)");
    s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr).Bind(3, name).Bind(4, kis::match::Trim(wert)).Run();
    booking.Commit();
}

std::string TQEL_GP_GBMERkmal_Buchmani::Wert(const TIntPair& kunde, const std::string& name) {
    Statement& s = SuiteDb().Cached(
        "SELECT WERT FROM GPMERKMAL WHERE GEPNR_L = ? AND GEPNR_R = ? AND KIS_FOLD(MERKMAL) = KIS_FOLD(?)");
    s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr).Bind(3, kis::match::Trim(name));
    const std::string w = s.Step() ? s.ColumnText(0) : std::string();
    s.Reset();
    return w;
}
