// Booking side of TBonusTabellenGen: reading a customer's temporary bonuses, writing them into
// the four places, deleting bonuses.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>

#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/bonus/bonus_marken.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/work_files.h"

namespace {

using kis::store::Statement;
using kis::store::SuiteDb;

int64_t Cent(double betrag) { return kis::services::RoundHalfEven(betrag * 100.0L); }

}  // namespace

std::shared_ptr<kis::store::Database> TBonusTabellenGen::TempDb(bool nurWennVorhanden) {
    const std::string name = kis::store::WorkFileName("BONUTMP.");
    std::error_code ec;
    if (nurWennVorhanden &&
        !std::filesystem::exists(std::filesystem::path(kis::store::WorkDir()) / name, ec)) {
        tmpDb_.reset();
        return nullptr;
    }
    if (!tmpDb_) {
        tmpDb_ = kis::store::WorkFileConnection(name, false);
        // Work files keep no journal, so a rollback there is undefined; a customer's
        // temporary bonuses are rolled back whole, so this file keeps its journal in memory.
        tmpDb_->Exec("PRAGMA journal_mode=MEMORY");
    }
    return tmpDb_;
}

void TBonusTabellenGen::UseTMP(int flag, const std::string& kennung, const std::string& name) {
    useTmp_ = flag;
    tmpKennung_ = flag ? kennung : std::string();
    tmpName_ = flag ? name : std::string();
}

void TBonusTabellenGen::KundeLaden(const TIntPair& kunde) {
    Clear();
    kunde_ = kunde;
    if (useTmp_ != 1 || kunde.IsNull()) return;
    auto db = TempDb(true);
    if (!db) return;
    Statement& s = db->Cached(
        "SELECT RNR, LNR, SNR, PROGRAMMID, PROGRAMM, STATUS, DATUM, WERT, BASISWERT, LAENGE, "
        "COUPONTYP, TEXT FROM BONUTMP WHERE KUNDE_L = ? AND KUNDE_R = ? AND PROGRAMMID = ? AND "
        "PROGRAMM = ? ORDER BY DATUM, RNR, LNR, SNR");
    s.Bind(1, kunde.Lnr).Bind(2, kunde.Rnr).Bind(3, tmpKennung_).Bind(4, tmpName_);
    try {
        while (s.Step()) {
            TBonusGenTabelle t;
            t.RNr = int32_t(s.ColumnInt(0));
            t.LNr = int32_t(s.ColumnInt(1));
            t.SNr = int32_t(s.ColumnInt(2));
            t.ProgrammId = s.ColumnText(3);
            t.Programm = s.ColumnText(4);
            t.Status = s.ColumnText(5);
            t.Datum = s.ColumnDouble(6);
            t.BonusCent = Cent(s.ColumnDouble(7));
            t.BasisCent = Cent(s.ColumnDouble(8));
            t.Laenge = int32_t(s.ColumnInt(9));
            t.Eintraege = t.Laenge > 0;
            t.CouponTyp = s.ColumnText(10);
            for (const auto& z : BetaZeilen(s.ColumnText(11))) {
                TBonusGenItem it;
                if (!TBonusGenItem::AusTextZeile(z, it))
                    throw std::runtime_error("Ein berechneter Bonus des Kunden " + kunde.ToString() +
                                             " ist beschädigt.");
                t.Items.push_back(std::move(it));
            }
            neu_.push_back(std::move(t));
        }
    } catch (...) {
        s.Reset();
        throw;
    }
    s.Reset();
}

bool TBonusTabellenGen::Buchen_Noetig() const {
    for (const auto& t : neu_)
        if (t.BonusCent != 0 || t.Eintraege || (t.Fortsetzung() && t.Status == "A")) return true;
    return false;
}

void TBonusTabellenGen::Insert() {
    if (neu_.empty()) return;
    kis::store::BookingScope buchung(kBuchungBonusBerechnet, kunde_);
    for (const auto& t : neu_) BuchenEine(t);
    buchung.Commit();
}

void TBonusTabellenGen::BuchenEine(const TBonusGenTabelle& t) {
    auto& db = SuiteDb();
    const TIntPair mandant = ORVProgramm().GetAktMandant();
    const bool coupon = !t.CouponTyp.empty();
    int32_t rnr = t.RNr, lnr = t.LNr, snr = t.SNr;
    const bool fortsetzung = rnr >= 0;
    if (!fortsetzung) {
        // Numbered per workstation like every bonus: RNr = workstation id, LNr running.
        rnr = ORVProgramm().GetRId();
        Statement& s = db.Cached("SELECT COALESCE(MAX(LNR), 0) FROM BONUS WHERE RNR = ?");
        s.Bind(1, rnr);
        s.Step();
        const int64_t last = s.ColumnInt(0);
        s.Reset();
        if (last >= INT32_MAX) throw std::runtime_error("Keine freie Bonusnummer mehr vorhanden.");
        lnr = int32_t(last + 1);
        snr = 0;
    }

    // Document items look their positions up in this process's detail file: it is held open
    // while this object lives, and the customer's documents are read once for all items.
    std::optional<TKundenBelege> kundenBelege;
    if (!OnItemBuchen)
        for (const auto& it : t.Items)
            if (!it.IstPosition() && it.Art != "GZ") {
                if (!kivkDb_)
                    kivkDb_ = kis::store::WorkFileConnection(kis::store::WorkFileName("KIVKFILE."), false);
                kundenBelege.emplace(kunde_);
                break;
            }

    // The positions first: one already settled stops the customer before anything is written.
    const TInt32Trio ref(rnr, lnr, snr);
    const auto& items = t.Items;
    for (size_t i = 0; i < items.size();) {
        if (OnItemBuchen) {
            OnItemBuchen(kunde_, items[i], ref);
            ++i;
            continue;
        }
        // Consecutive positions of one document are marked with one statement.
        size_t j = i + 1;
        if (items[i].IstPosition())
            while (j < items.size() && items[j].IstPosition() && items[j].Nr1 == items[i].Nr1 &&
                   items[j].Nr2 == items[i].Nr2 && items[j].PosNr == items[j - 1].PosNr + 1)
                ++j;
        if (j - i > 1)
            BonusTabPositionenBuchen(kunde_, items[i].Nr1, items[i].Nr2, items[i].PosNr,
                                     items[j - 1].PosNr, ref);
        else
            BonusTabItemBuchen(kunde_, items[i], ref, kundenBelege ? &*kundenBelege : nullptr);
        i = j;
    }

    std::string text;
    for (const auto& it : t.Items) text += it.AlsTextZeile() + "\n";

    if (fortsetzung) {
        Statement& s = db.Cached(
            "SELECT b.WERT, b.BASISWERT, b.LAENGE, b.STATUS, COALESCE(d.VERWENDET, ''), b.TEXT FROM "
            "BONUS b LEFT JOIN DIENST d ON d.RNR = b.RNR AND d.LNR = b.LNR AND d.SNR = b.SNR "
            "WHERE b.RNR = ? AND b.LNR = ? AND b.SNR = ? AND b.KUNDE_L = ? AND b.KUNDE_R = ?");
        s.Bind(1, rnr).Bind(2, lnr).Bind(3, snr).Bind(4, kunde_.Lnr).Bind(5, kunde_.Rnr);
        const bool gefunden = s.Step();
        int64_t wert = 0, basis = 0;
        int32_t laenge = 0;
        std::string status, verwendet, alterText;
        if (gefunden) {
            wert = Cent(s.ColumnDouble(0));
            basis = Cent(s.ColumnDouble(1));
            laenge = int32_t(s.ColumnInt(2));
            status = s.ColumnText(3);
            verwendet = s.ColumnText(4);
            alterText = s.ColumnText(5);
        }
        s.Reset();
        char refText[48];
        std::snprintf(refText, sizeof refText, "%d-%d-%d", rnr, lnr, snr);
        if (!gefunden || status != "O" || !verwendet.empty())
            throw std::runtime_error(std::string("Der Bonus ") + refText +
                                     " ist nicht mehr offen und kann nicht fortgeschrieben werden.");
        wert += t.BonusCent;
        basis += t.BasisCent;
        Statement& u = db.Cached(
            "UPDATE BONUS SET WERT = ?, BASISWERT = ?, LAENGE = ?, STATUS = ?, TEXT = ? WHERE "
            "RNR = ? AND LNR = ? AND SNR = ?");
        u.Bind(1, double(wert) / 100.0).Bind(2, double(basis) / 100.0).Bind(3, laenge + t.Laenge)
            .Bind(4, t.Status).Bind(5, alterText + text).Bind(6, rnr).Bind(7, lnr).Bind(8, snr);
        u.Run();
        Statement& op = db.Cached(
            "UPDATE OP SET BETRAG2 = ?, STATUS = ? WHERE RNR = ? AND LNR = ? AND SNR = ? AND "
            "TABELLE IN ('BONUS', 'RSCHEIN')");
        op.Bind(1, double(wert) / 100.0).Bind(2, t.Status).Bind(3, rnr).Bind(4, lnr).Bind(5, snr);
        op.Run();
        Statement& d = db.Cached("UPDATE DIENST SET STATUS = ? WHERE RNR = ? AND LNR = ? AND SNR = ?");
        d.Bind(1, t.Status).Bind(2, rnr).Bind(3, lnr).Bind(4, snr);
        d.Run();
        return;
    }

    // The document it came from, where all items share one.
    std::string refText;
    std::set<std::pair<int32_t, int32_t>> belege;
    for (const auto& it : t.Items) belege.insert({it.Nr1, it.Nr2});
    if (belege.size() == 1) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d%09d", belege.begin()->first, belege.begin()->second);
        refText = buf;
    }
    const double wert = double(t.BonusCent) / 100.0;
    Statement& b = db.Cached(
        "INSERT INTO BONUS (RNR, LNR, SNR, MANDANT_L, MANDANT_R, PROGRAMMID, PROGRAMM, KUNDE_L, "
        "KUNDE_R, ART, DATUM, WERT, BASISWERT, LAENGE, STATUS, GUELTIGBIS, MINUMSATZ, COUPONTYP, "
        "PROZENT, REFTEXT, TEXT) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?, ?, ?, ?, ?, 0, 0, ?, 0, ?, ?)");
    b.Bind(1, rnr).Bind(2, lnr).Bind(3, snr).Bind(4, mandant.Lnr).Bind(5, mandant.Rnr)
        .Bind(6, t.ProgrammId).Bind(7, t.Programm).Bind(8, kunde_.Lnr).Bind(9, kunde_.Rnr)
        .Bind(10, double(t.Datum)).Bind(11, wert).Bind(12, double(t.BasisCent) / 100.0)
        .Bind(13, t.Laenge).Bind(14, t.Status).Bind(15, t.CouponTyp).Bind(16, refText).Bind(17, text);
    b.Run();
    // The shop owes the bonus: first amount 0, second amount the value.
    Statement& op = db.Cached(
        "INSERT INTO OP (MANDANT_L, MANDANT_R, KUNDE_L, KUNDE_R, TABELLE, STATUS, DATUM, BETRAG1, "
        "BETRAG2, RNR, LNR, SNR, REFTEXT) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?)");
    op.Bind(1, mandant.Lnr).Bind(2, mandant.Rnr).Bind(3, kunde_.Lnr).Bind(4, kunde_.Rnr)
        .Bind(5, coupon ? "RSCHEIN" : "BONUS").Bind(6, t.Status).Bind(7, double(t.Datum))
        .Bind(8, wert).Bind(9, rnr).Bind(10, lnr).Bind(11, snr).Bind(12, refText);
    op.Run();
    Statement& d = db.Cached(
        "INSERT INTO DIENST (RNR, LNR, SNR, STATUS, VERWENDET, VERWREF) VALUES (?, ?, ?, ?, '', '')");
    d.Bind(1, rnr).Bind(2, lnr).Bind(3, snr).Bind(4, t.Status);
    d.Run();
}

void TBonusTabellenGen::Delete(int flag) {
    if (kunde_.IsNull()) return;
    if (flag == 1) {
        auto db = TempDb(true);
        if (!db) return;
        if (useTmp_ == 1) {
            Statement& s = db->Cached(
                "DELETE FROM BONUTMP WHERE KUNDE_L = ? AND KUNDE_R = ? AND PROGRAMMID = ? AND "
                "PROGRAMM = ?");
            s.Bind(1, kunde_.Lnr).Bind(2, kunde_.Rnr).Bind(3, tmpKennung_).Bind(4, tmpName_);
            s.Run();
        } else {
            Statement& s = db->Cached("DELETE FROM BONUTMP WHERE KUNDE_L = ? AND KUNDE_R = ?");
            s.Bind(1, kunde_.Lnr).Bind(2, kunde_.Rnr);
            s.Run();
        }
        return;
    }
    auto& db = SuiteDb();
    kis::store::BookingScope buchung(kBuchungBonusLoeschen, kunde_);
    std::vector<TInt32Trio> refs;
    Statement& s = db.Cached("SELECT RNR, LNR, SNR FROM BONUS WHERE KUNDE_L = ? AND KUNDE_R = ?");
    s.Bind(1, kunde_.Lnr).Bind(2, kunde_.Rnr);
    while (s.Step())
        refs.emplace_back(int32_t(s.ColumnInt(0)), int32_t(s.ColumnInt(1)), int32_t(s.ColumnInt(2)));
    s.Reset();
    for (const auto& r : refs) {
        BONUMani_EntbonifiziereLST(r.Lnr, r.Rnr, r.Snr);
        for (const char* sql :
             {"DELETE FROM OP WHERE RNR = ? AND LNR = ? AND SNR = ? AND TABELLE IN ('BONUS', 'RSCHEIN')",
              "DELETE FROM DIENST WHERE RNR = ? AND LNR = ? AND SNR = ?",
              "DELETE FROM BONUS WHERE RNR = ? AND LNR = ? AND SNR = ?"}) {
            Statement& d = db.Cached(sql);
            d.Bind(1, r.Lnr).Bind(2, r.Rnr).Bind(3, r.Snr);
            d.Run();
        }
    }
    buchung.Commit();
}

TBonusTabellenGen::TBuchErgebnis TBonusTabellenGen::BucheKunde(const TIntPair& kunde,
                                                               std::string* meldung) {
    // The temporary bonus is removed after the commit; inside an enclosing booking that could
    // still roll back, the bonus would be lost.
    if (kis::store::ORVBuchung().Depth() > 0 || kis::store::ORVBuchung().InBatch()) {
        if (meldung) *meldung = "Die Buchung eines Kunden darf nicht in einer anderen Buchung laufen.";
        return TBuchErgebnis::Fehler;
    }
    bool entfernen = false;
    const TBuchErgebnis r = Buchen(kunde, entfernen, meldung);
    if (!entfernen) return r;
    // The temporary file is another database: its entry goes after the booking. A crash in
    // between is caught by the next attempt through the position marks.
    try {
        Delete(1);
    } catch (const std::exception& e) {
        if (meldung) *meldung = e.what();
        return TBuchErgebnis::Fehler;
    }
    return r;
}

TBonusTabellenGen::TBuchErgebnis TBonusTabellenGen::Buchen(const TIntPair& kunde, bool& tmpEntfernen,
                                                           std::string* meldung) {
    tmpEntfernen = false;
    try {
        KundeLaden(kunde);
        if (!Buchen_Noetig()) {
            // Nothing worth booking: the temporary entries are dropped all the same.
            tmpEntfernen = !neu_.empty();
            return TBuchErgebnis::NichtsZuBuchen;
        }
        try {
            Insert();
        } catch (const TBonusSchonVerrechnet& e) {
            // Settled since the generation (another run, or this booking before a crash):
            // the temporary bonus is stale.
            if (meldung) *meldung = e.what();
            tmpEntfernen = true;
            return TBuchErgebnis::SchonVerrechnet;
        }
        tmpEntfernen = true;
        return TBuchErgebnis::Gebucht;
    } catch (const std::exception& e) {
        if (meldung) *meldung = e.what();
        return TBuchErgebnis::Fehler;
    }
}

void TBonusTabellenGen::DeleteTMP(const std::vector<TIntPair>& kunden) {
    if (kunden.empty()) return;
    auto db = TempDb(true);
    if (!db) return;
    // One transaction for all of them rather than one per statement.
    db->Begin();
    try {
        for (const TIntPair& k : kunden) {
            kunde_ = k;
            Delete(1);
        }
        db->Commit();
    } catch (...) {
        db->Rollback();
        throw;
    }
}
