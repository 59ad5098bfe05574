#include "platform/bonus/bonus_marken.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/work_files.h"

namespace {

using kis::store::Statement;
using kis::store::SuiteDb;

std::string Trim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    size_t a = 0;
    while (a < s.size() && s[a] == ' ') ++a;
    return s.substr(a);
}

std::string PositionText(int32_t rnr, int32_t lnr, int32_t posNr) {
    return std::to_string(rnr) + "/" + std::to_string(lnr) + "/" + std::to_string(posNr);
}

}  // namespace

void BONUMani_BonifiziereLST(const TIntPair& mandant, int32_t rnr, int32_t lnr, int32_t /*reserved*/,
                             int32_t ref1, int32_t ref2, int32_t ref3, int32_t posNr) {
    // One guarded update marks a free position; only when it changes nothing is the position
    // read to tell a missing one from a settled one.
    Statement& u = SuiteDb().Cached(
        "UPDATE LST SET BONUS1ART = 'BN', BONUS1_L = ?, BONUS1_R = ?, BONUS1_S = ? WHERE "
        "MANDANT_L = ? AND MANDANT_R = ? AND RNR = ? AND LNR = ? AND POSNR = ? AND "
        "TRIM(BONUS1ART) = '' AND TRIM(BONUS2ART) = ''");
    u.Bind(1, ref1).Bind(2, ref2).Bind(3, ref3).Bind(4, mandant.Lnr).Bind(5, mandant.Rnr)
        .Bind(6, rnr).Bind(7, lnr).Bind(8, posNr);
    u.Run();
    if (SuiteDb().Changes() == 1) return;
    Statement& s = SuiteDb().Cached(
        "SELECT 1 FROM LST WHERE MANDANT_L = ? AND MANDANT_R = ? AND RNR = ? AND LNR = ? AND POSNR = ?");
    s.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, rnr).Bind(4, lnr).Bind(5, posNr);
    const bool gefunden = s.Step();
    s.Reset();
    if (!gefunden)
        throw std::runtime_error("Die Verkaufsposition " + PositionText(rnr, lnr, posNr) +
                                 " ist nicht vorhanden.");
    throw TBonusSchonVerrechnet("Die Verkaufsposition " + PositionText(rnr, lnr, posNr) +
                                " ist bereits für einen Bonus verrechnet.");
}

void BONUMani_BonifiziereLSTBereich(const TIntPair& mandant, int32_t rnr, int32_t lnr,
                                    int32_t posVon, int32_t posBis, const TInt32Trio& ref) {
    // The key is unique, so the range holds exactly these position numbers: one update marks
    // them all when each exists and is free.
    Statement& u = SuiteDb().Cached(
        "UPDATE LST SET BONUS1ART = 'BN', BONUS1_L = ?, BONUS1_R = ?, BONUS1_S = ? WHERE "
        "MANDANT_L = ? AND MANDANT_R = ? AND RNR = ? AND LNR = ? AND POSNR BETWEEN ? AND ? AND "
        "TRIM(BONUS1ART) = '' AND TRIM(BONUS2ART) = ''");
    u.Bind(1, ref.Lnr).Bind(2, ref.Rnr).Bind(3, ref.Snr).Bind(4, mandant.Lnr).Bind(5, mandant.Rnr)
        .Bind(6, rnr).Bind(7, lnr).Bind(8, posVon).Bind(9, posBis);
    u.Run();
    if (SuiteDb().Changes() == int64_t(posBis) - posVon + 1) return;
    // Not all of them: find the first that is missing or settled to say which (the marks set
    // just now count as free here, so the message names the real culprit).
    Statement& s = SuiteDb().Cached(
        "SELECT POSNR, BONUS1ART, BONUS1_L, BONUS1_R, BONUS1_S, BONUS2ART FROM LST WHERE "
        "MANDANT_L = ? AND MANDANT_R = ? AND RNR = ? AND LNR = ? AND POSNR BETWEEN ? AND ? "
        "ORDER BY POSNR");
    s.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, rnr).Bind(4, lnr).Bind(5, posVon).Bind(6, posBis);
    int32_t erwartet = posVon;
    int32_t fehlt = -1, verrechnet = -1;
    while (s.Step() && fehlt < 0 && verrechnet < 0) {
        const int32_t pos = int32_t(s.ColumnInt(0));
        if (pos != erwartet) {
            fehlt = erwartet;
            break;
        }
        const bool eigene = Trim(s.ColumnText(1)) == "BN" && s.ColumnInt(2) == ref.Lnr &&
                            s.ColumnInt(3) == ref.Rnr && s.ColumnInt(4) == ref.Snr &&
                            Trim(s.ColumnText(5)).empty();
        if (!eigene) verrechnet = pos;
        ++erwartet;
    }
    s.Reset();
    if (fehlt < 0 && verrechnet < 0) fehlt = erwartet;
    if (fehlt >= 0)
        throw std::runtime_error("Die Verkaufsposition " + PositionText(rnr, lnr, fehlt) +
                                 " ist nicht vorhanden.");
    throw TBonusSchonVerrechnet("Die Verkaufsposition " + PositionText(rnr, lnr, verrechnet) +
                                " ist bereits für einen Bonus verrechnet.");
}

int BONUMani_EntbonifiziereLST(int32_t ref1, int32_t ref2, int32_t ref3) {
    int n = 0;
    for (const char* sql :
         {"UPDATE LST SET BONUS1ART = '', BONUS1_L = 0, BONUS1_R = 0, BONUS1_S = 0 WHERE "
          "BONUS1ART = 'BN' AND BONUS1_L = ? AND BONUS1_R = ? AND BONUS1_S = ?",
          "UPDATE LST SET BONUS2ART = '', BONUS2_L = 0, BONUS2_R = 0, BONUS2_S = 0 WHERE "
          "BONUS2ART = 'BN' AND BONUS2_L = ? AND BONUS2_R = ? AND BONUS2_S = ?"}) {
        Statement& u = SuiteDb().Cached(sql);
        u.Bind(1, ref1).Bind(2, ref2).Bind(3, ref3);
        u.Run();
        n += SuiteDb().Changes();
    }
    return n;
}

TKundenBelege::TKundenBelege(const TIntPair& kunde) : kunde_(kunde) {
    auto db = kis::store::WorkFileConnection(kis::store::WorkFileName("KIVKFILE."), false);
    // One read of the customer's documents and selected positions (the index is by customer,
    // so asking per document would read all his rows each time).
    Statement& d = db->Cached(
        "SELECT ART, RNR, LNR, POSNR, BELEGART, BELEGLNR, BELEGRNR, ATKNR1, ATKNR2 FROM KIVKFILE "
        "WHERE KUNDE_L = ? AND KUNDE_R = ? AND ART IN ('NR', 'A9') ORDER BY RNR, LNR, POSNR");
    d.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr);
    try {
        while (d.Step()) {
            const int32_t rnr = int32_t(d.ColumnInt(1)), lnr = int32_t(d.ColumnInt(2));
            if (d.ColumnTextView(0) == "A9") {
                positionen_[{rnr, lnr}].push_back(int32_t(d.ColumnInt(3)));
                continue;
            }
            Beleg b;
            b.RNr = rnr;
            b.LNr = lnr;
            b.BelegArt = d.ColumnText(4);
            b.BelegLNr = int32_t(d.ColumnInt(5));
            b.BelegRNr = int32_t(d.ColumnInt(6));
            b.Atk1 = int32_t(d.ColumnInt(7));
            b.Atk2 = int32_t(d.ColumnInt(8));
            belege_.push_back(std::move(b));
        }
    } catch (...) {
        d.Reset();
        throw;
    }
    d.Reset();
}

bool TKundenBelege::Finden(const TBonusGenItem& item, int32_t& rnr, int32_t& lnr,
                           std::vector<int32_t>& positionen) const {
    const std::string art = Trim(item.Art);
    for (const Beleg& b : belege_) {
        if (b.BelegLNr != item.Nr1 || b.BelegRNr != item.Nr2 || (b.RNr == 0 && b.LNr == 0)) continue;
        const bool passt = art == "AP" ? b.BelegArt.substr(0, 3) == Trim(item.Art2) &&
                                             b.Atk1 == item.Nr3 && b.Atk2 == item.Nr4
                                       : b.BelegArt.substr(0, 2) == art;
        if (!passt) continue;
        rnr = b.RNr;
        lnr = b.LNr;
        const auto it = positionen_.find({rnr, lnr});
        positionen = it == positionen_.end() ? std::vector<int32_t>() : it->second;
        return true;
    }
    return false;
}

void BonusTabItemBuchen(const TIntPair& kunde, const TBonusGenItem& item, const TInt32Trio& ref) {
    BonusTabItemBuchen(kunde, item, ref, nullptr);
}

void BonusTabPositionenBuchen(const TIntPair& kunde, int32_t rnr, int32_t lnr, int32_t posVon,
                              int32_t posBis, const TInt32Trio& ref) {
    kis::store::BookingScope buchung(kBuchungBonusBerechnet, kunde);
    BONUMani_BonifiziereLSTBereich(ORVProgramm().GetAktMandant(), rnr, lnr, posVon, posBis, ref);
    buchung.Commit();
}

void BonusTabItemBuchen(const TIntPair& kunde, const TBonusGenItem& item, const TInt32Trio& ref,
                        const TKundenBelege* belege) {
    const TIntPair mandant = ORVProgramm().GetAktMandant();
    const std::string art = Trim(item.Art);
    if (art == "GZ") return;
    if (item.IstPosition()) {
        kis::store::BookingScope buchung(kBuchungBonusBerechnet, kunde);
        BONUMani_BonifiziereLST(mandant, item.Nr1, item.Nr2, 0, ref.Lnr, ref.Rnr, ref.Snr, item.PosNr);
        buchung.Commit();
        return;
    }
    // A document: its row in the detail file gives the sales-list key, its "A9" rows the
    // positions that were selected.
    std::optional<TKundenBelege> eigene;
    if (!belege || belege->Kunde() != kunde) belege = &eigene.emplace(kunde);
    int32_t rnr = 0, lnr = 0;
    std::vector<int32_t> positionen;
    if (!belege->Finden(item, rnr, lnr, positionen))
        throw std::runtime_error("Der Beleg " + art + " " + std::to_string(item.Nr1) + "/" +
                                 std::to_string(item.Nr2) + " ist in der Auswertung nicht vorhanden.");
    if (positionen.empty()) return;
    kis::store::BookingScope buchung(kBuchungBonusBerechnet, kunde);
    for (int32_t pos : positionen)
        BONUMani_BonifiziereLST(mandant, rnr, lnr, 0, ref.Lnr, ref.Rnr, ref.Snr, pos);
    buchung.Commit();
}
