#include "platform/bonus/bonus_generierung.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_marken.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/bonus/umzr_params.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_parameter.h"
#include "platform/services/orv_program.h"
#include "platform/store/database.h"
#include "platform/store/store_error.h"
#include "platform/store/work_files.h"
#include "platform/tables/bonus_typen.h"

namespace {

using kis::store::Statement;
using kis::store::SuiteDb;

std::string Trim(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
    size_t a = 0;
    while (a < s.size() && s[a] == ' ') ++a;
    return s.substr(a);
}

// Appends a whole number right-aligned in `breite` characters, as "%*d" writes it.
void ZahlAnhaengen(std::string& out, int64_t v, size_t breite = 0) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    const size_t n = size_t(r.ptr - buf);
    if (breite > n) out.append(breite - n, ' ');
    out.append(buf, n);
}

// Appends cents as "-12.05".
void CentAnhaengen(std::string& out, int64_t cent) {
    if (cent < 0) out += '-';
    const int64_t betrag = std::llabs(cent);
    ZahlAnhaengen(out, betrag / 100);
    out += '.';
    out += char('0' + betrag % 100 / 10);
    out += char('0' + betrag % 10);
}

std::vector<std::string> Teile(const std::string& text, char sep) {
    std::vector<std::string> out;
    size_t a = 0;
    while (true) {
        const size_t b = text.find(sep, a);
        out.push_back(text.substr(a, b == std::string::npos ? std::string::npos : b - a));
        if (b == std::string::npos) break;
        a = b + 1;
    }
    return out;
}

int32_t Zahl(const std::string& text) {
    return int32_t(std::strtol(Trim(text).c_str(), nullptr, 10));
}

// A date plus whole months, the day kept or clamped to the month's last day.
TDateTime PlusMonate(TDateTime datum, int monate) {
    int y = 0, m = 0, d = 0;
    kis::date::DecodeDate(datum, y, m, d);
    int total = y * 12 + (m - 1) + monate;
    y = total / 12;
    m = total % 12 + 1;
    while (!kis::date::IsValidDate(y, m, d) && d > 28) --d;
    return kis::date::EncodeDate(y, m, d);
}

}  // namespace

// ------------------------------------------------------------------------------- items

bool TBonusGenItem::IstPosition() const {
    const std::string a = Trim(Art);
    return a.empty() || a == "GL";
}

std::string TBonusGenItem::AlsTextZeile() const {
    // Written for every item of every bonus: appended in place rather than formatted.
    std::string z;
    z.reserve(96);
    z.append(Art, 0, 2);
    z.resize(2, ' ');
    ZahlAnhaengen(z, Nr1, 4);
    ZahlAnhaengen(z, Nr2, 9);
    z += ';';
    char datum[48];
    const auto r = std::to_chars(datum, datum + sizeof datum, double(Datum), std::chars_format::fixed, 6);
    z.append(datum, size_t(r.ptr - datum));
    z += ';';
    CentAnhaengen(z, kis::services::RoundHalfEven(Wert * 100));
    z += ';';
    CentAnhaengen(z, BonusCent);
    z += ';';
    ZahlAnhaengen(z, PosNr);
    z += ';';
    ZahlAnhaengen(z, ArtikelNr.Lnr);
    z += '-';
    ZahlAnhaengen(z, ArtikelNr.Rnr);
    z += '-';
    ZahlAnhaengen(z, ArtikelNr.Snr);
    z += ';';
    z.append(Art2, 0, 3);
    z += ';';
    ZahlAnhaengen(z, Nr3);
    z += ';';
    ZahlAnhaengen(z, Nr4);
    return z;
}

bool TBonusGenItem::AusTextZeile(const std::string& zeile, TBonusGenItem& out) {
    std::string z = zeile;
    if (!z.empty() && z.back() == '\r') z.pop_back();
    const size_t semi = z.find(';');
    if (semi == std::string::npos || semi < 15) return false;
    out = TBonusGenItem();
    out.Art = Trim(z.substr(0, 2));
    out.Nr1 = Zahl(z.substr(2, 4));
    out.Nr2 = Zahl(z.substr(6, 9));
    const auto t = Teile(z.substr(semi + 1), ';');
    if (t.size() < 5) return false;
    out.Datum = std::strtod(t[0].c_str(), nullptr);
    int64_t cent = 0;
    if (!DezimalZuHundertstel(Trim(t[1]), cent)) return false;
    out.Wert = (long double)cent / 100;
    if (!DezimalZuHundertstel(Trim(t[2]), out.BonusCent)) return false;
    out.PosNr = Zahl(t[3]);
    TInt32Trio::FromString(Trim(t[4]), out.ArtikelNr);
    if (t.size() > 5) out.Art2 = Trim(t[5]);
    if (t.size() > 6) out.Nr3 = Zahl(t[6]);
    if (t.size() > 7) out.Nr4 = Zahl(t[7]);
    return true;
}

// ------------------------------------------------------------------------------- programme

struct TBonusTabellenGen::Programm {
    std::string Kennung, Name;
    int Kind = 0;
    int Basis = 0;
    bool StornoUeberlesen = false;
    std::string Konto;
    int Laenge = 0;
    std::vector<TBetaRegel> Regeln;  // pass: one per entry; others: one
    TQEL_UMZR_Params Umzr;
    bool PraemieAbgeschlossen = false;  // premiums are stored closed (parameter "BONUAUAB")
};

// A period of the period premium: what is stored for it and what this run adds.
struct TBonusTabellenGen::Periode {
    TDateTime Von = 0, Bis = 0;  // [Von, Bis)
    int64_t GespeichertBonusCent = 0;      // value of the stored bonuses of the period
    int64_t GespeichertUmsatzCent = 0;     // their base value
    int64_t GespeichertItemBonusCent = 0;  // the sum of their items' bonuses
    int32_t OffenRNr = -1, OffenLNr = 0, OffenSNr = 0;  // an open, unused stored bonus
    std::vector<TBonusGenItem> Neu;
};

TBonusTabellenGen::TBonusTabellenGen(int mode) : mode_(mode) {}
TBonusTabellenGen::~TBonusTabellenGen() {
    // Every customer written is whole (a savepoint each); a run that did not close the tables
    // keeps them.
    try {
        TemporaerFestschreiben();
    } catch (const std::exception& e) {
        kis::store::ReportError("TBonusTabellenGen.Close", e);
    }
}

void TBonusTabellenGen::Clear() {
    kunde_ = {};
    neu_.clear();
    passTabelle_ = -1;
    passEintraege_ = 0;
    summeCent_ = summeBonusCent_ = 0;
    umzrItems_.clear();
    perioden_.clear();
    umzrAnker_ = 0;
}

void TBonusTabellenGen::Open() { ++openCount_; }
void TBonusTabellenGen::Close() {
    if (openCount_ > 0) --openCount_;
    if (openCount_ == 0) TemporaerFestschreiben();
}

void TBonusTabellenGen::TemporaerFestschreiben() {
    if (!tmpTransaktion_) return;
    tmpTransaktion_ = false;
    tmpKunden_ = 0;
    auto db = TempDb(false);
    try {
        db->Commit();
    } catch (...) {
        db->Rollback();
        throw;
    }
}

void TBonusTabellenGen::ProgrammLesen(const std::string& kennung, const std::string& name) {
    if (prog_ && prog_->Kennung == kennung && prog_->Name == name) return;
    prog_.reset();
    auto p = std::make_unique<Programm>();
    p->Kennung = kennung;
    p->Name = name;
    p->Kind = BonuTypen4Kuerzel(kennung);
    if (p->Kind < 2 || p->Kind > 5)
        throw std::runtime_error("\"" + kennung + "\" ist keine Art eines Bonusprogramms.");
    const auto satz = TBetaStore::Lesen(kennung, name, kBetaHauptsatz);
    if (!satz)
        throw std::runtime_error("Das Bonusprogramm \"" + name + "\" kann nicht gelesen werden.");
    p->Basis = std::atoi(satz->Basis.c_str());
    p->StornoUeberlesen = Trim(satz->Storno) == "0";
    p->Konto = Trim(satz->Konto);
    p->Laenge = satz->Laenge;
    std::vector<std::string> regelNamen = satz->Inhalt;
    if (p->Kind == 5) {
        p->Umzr.FillFromStrL(satz->Inhalt);
        p->StornoUeberlesen = p->Umzr.Storno == 1;
        regelNamen = {p->Umzr.Regel};
        if (p->Umzr.Zeitraum < 1)
            throw std::runtime_error("Das Bonusprogramm \"" + name + "\" hat keinen Zeitraum.");
    } else if (p->Kind == 2) {
        if (p->Laenge < 1 || int(regelNamen.size()) < p->Laenge)
            throw std::runtime_error("Der Prämienpass \"" + name +
                                     "\" nennt nicht für jeden Eintrag eine Berechnungsvorschrift.");
        regelNamen.resize(size_t(p->Laenge));
    } else {
        if (p->Kind == 4) p->Basis = 2;
        regelNamen.resize(1);
    }
    for (const auto& r : regelNamen) {
        TBetaRegel regel;
        if (Trim(r).empty() || !TBonusRechner::RegelLesen(Trim(r), regel))
            throw std::runtime_error("Das Bonusprogramm \"" + name +
                                     "\" nennt die Berechnungsvorschrift \"" + r +
                                     "\", die nicht gespeichert ist.");
        p->Regeln.push_back(std::move(regel));
    }
    p->PraemieAbgeschlossen = p->Kind == 3 && ORVParameter().GetCharValueByName("BONUAUAB", 'N') == 'J';
    prog_ = std::move(p);
}

int64_t TBonusTabellenGen::Regel(size_t index, int64_t wertCent) const {
    return index < prog_->Regeln.size() ? prog_->Regeln[index].Anwenden(wertCent) : 0;
}

bool TBonusTabellenGen::UMZRFilterWerte(const std::string& kennung, const std::string& name,
                                        bool& gutscheine,
                                        std::vector<std::pair<TInt32Trio, int64_t>>& artikelCent) {
    const auto satz = TBetaStore::Lesen(kennung, name, kBetaHauptsatz);
    if (!satz) return false;
    TQEL_UMZR_Params p;
    p.FillFromStrL(satz->Inhalt);
    gutscheine = p.GutscheinBeiAusgabe;
    artikelCent.clear();
    for (const auto& a : p.Artikel) artikelCent.emplace_back(a.ProduktId, a.BetragCent);
    return true;
}

// ------------------------------------------------------------------------------- generation

void TBonusTabellenGen::New(const TIntPair& kunde, const std::string& kennung,
                            const std::string& name) {
    ProgrammLesen(kennung, name);
    Clear();
    kind_ = prog_->Kind;
    kunde_ = kunde;
}

TBonusGenTabelle& TBonusTabellenGen::NeueTabelle() {
    TBonusGenTabelle t;
    t.ProgrammId = prog_->Kennung;
    t.Programm = prog_->Name;
    t.Datum = kis::date::DateOf(heute_ != 0 ? heute_ : kis::date::Now());
    if (kind_ == 4) t.CouponTyp = prog_->Konto;
    if (kind_ == 3 && prog_->PraemieAbgeschlossen) t.Status = "A";
    neu_.push_back(std::move(t));
    return neu_.back();
}

void TBonusTabellenGen::VorhandeneKundenDatenLaden() {
    if (!prog_ || kunde_.IsNull()) return;
    if (kind_ == 2) {
        // The open pass: not closed, not used, fewer entries than the programme's length.
        Statement& s = SuiteDb().Cached(
            "SELECT b.RNR, b.LNR, b.SNR, b.LAENGE FROM BONUS b LEFT JOIN DIENST d ON d.RNR = b.RNR "
            "AND d.LNR = b.LNR AND d.SNR = b.SNR WHERE b.KUNDE_L = ? AND b.KUNDE_R = ? AND "
            "b.PROGRAMMID = ? AND b.PROGRAMM = ? AND b.STATUS = 'O' AND "
            "COALESCE(d.VERWENDET, '') = '' AND b.LAENGE < ? ORDER BY b.DATUM, b.RNR, b.LNR, b.SNR");
        s.Bind(1, kunde_.Lnr).Bind(2, kunde_.Rnr).Bind(3, prog_->Kennung).Bind(4, prog_->Name)
            .Bind(5, prog_->Laenge);
        if (s.Step()) {
            TBonusGenTabelle& t = NeueTabelle();
            t.RNr = int32_t(s.ColumnInt(0));
            t.LNr = int32_t(s.ColumnInt(1));
            t.SNr = int32_t(s.ColumnInt(2));
            passEintraege_ = int32_t(s.ColumnInt(3));
            passTabelle_ = 0;
        }
        s.Reset();
    } else if (kind_ == 5) {
        // Stored periods: the record's date is its period's start.
        Statement& s = SuiteDb().Cached(
            "SELECT b.RNR, b.LNR, b.SNR, b.DATUM, b.WERT, b.BASISWERT, b.STATUS, b.TEXT, "
            "COALESCE(d.VERWENDET, '') FROM BONUS b LEFT JOIN DIENST d ON d.RNR = b.RNR AND "
            "d.LNR = b.LNR AND d.SNR = b.SNR WHERE b.KUNDE_L = ? AND b.KUNDE_R = ? AND "
            "b.PROGRAMMID = ? AND b.PROGRAMM = ? ORDER BY b.DATUM");
        s.Bind(1, kunde_.Lnr).Bind(2, kunde_.Rnr).Bind(3, prog_->Kennung).Bind(4, prog_->Name);
        try {
            while (s.Step()) {
                const TDateTime von = s.ColumnDouble(3);
                if (umzrAnker_ == 0 || von < umzrAnker_) umzrAnker_ = von;
                Periode* p = nullptr;
                for (auto& q : perioden_)
                    if (q.Von == von) p = &q;
                if (!p) {
                    perioden_.push_back({});
                    p = &perioden_.back();
                    p->Von = von;
                }
                p->GespeichertBonusCent += kis::services::RoundHalfEven(s.ColumnDouble(4) * 100.0L);
                p->GespeichertUmsatzCent += kis::services::RoundHalfEven(s.ColumnDouble(5) * 100.0L);
                for (const auto& z : BetaZeilen(s.ColumnText(7))) {
                    TBonusGenItem it;
                    if (TBonusGenItem::AusTextZeile(z, it)) p->GespeichertItemBonusCent += it.BonusCent;
                }
                if (Trim(s.ColumnText(6)) == "O" && Trim(s.ColumnText(8)).empty()) {
                    p->OffenRNr = int32_t(s.ColumnInt(0));
                    p->OffenLNr = int32_t(s.ColumnInt(1));
                    p->OffenSNr = int32_t(s.ColumnInt(2));
                }
            }
        } catch (...) {
            s.Reset();
            throw;
        }
        s.Reset();
    }
}

long double TBonusTabellenGen::AddItem(const TBonusGenItem& item) {
    if (!prog_) throw std::logic_error("AddItem ohne New");
    const int64_t wertCent = kis::services::RoundHalfEven(item.Wert * 100);
    if (wertCent < 0 && prog_->StornoUeberlesen) return 0;
    TBonusGenItem it = item;

    if (kind_ == 2) {
        if (passTabelle_ < 0 || passEintraege_ >= prog_->Laenge) {
            NeueTabelle();
            passTabelle_ = int(neu_.size()) - 1;
            passEintraege_ = 0;
        }
        TBonusGenTabelle& t = neu_[size_t(passTabelle_)];
        it.BonusCent = Regel(size_t(passEintraege_), wertCent);
        ++passEintraege_;
        t.BonusCent += it.BonusCent;
        t.BasisCent += wertCent;
        t.Laenge += 1;
        t.Eintraege = true;
        if (passEintraege_ >= prog_->Laenge) t.Status = "A";
        t.Items.push_back(std::move(it));
        return (long double)neu_[size_t(passTabelle_)].Items.back().BonusCent / 100;
    }

    if (kind_ == 5) {
        // Voucher redemptions earn nothing when vouchers earn at issue.
        if (prog_->Umzr.GutscheinBeiAusgabe && Trim(it.Art) == "GZ") return 0;
        it.BonusCent = Regel(0, wertCent);
        umzrItems_.push_back(it);
        return (long double)it.BonusCent / 100;
    }

    // Turnover premium and coupon: one new bonus per run and customer.
    if (neu_.empty()) NeueTabelle();
    TBonusGenTabelle& t = neu_.front();
    if (prog_->Basis == 2) {
        // The rule applies to the sum; the item's bonus is what it adds to the sum's bonus.
        summeCent_ += wertCent;
        const int64_t bonus = Regel(0, summeCent_);
        it.BonusCent = bonus - summeBonusCent_;
        summeBonusCent_ = bonus;
    } else {
        it.BonusCent = Regel(0, wertCent);
    }
    t.BonusCent += it.BonusCent;
    t.BasisCent += wertCent;
    t.Laenge += 1;
    t.Eintraege = true;
    t.Items.push_back(std::move(it));
    return (long double)t.Items.back().BonusCent / 100;
}

long double TBonusTabellenGen::BonusNeu() const {
    int64_t cent = 0;
    for (const auto& t : neu_) cent += t.BonusCent;
    return (long double)cent / 100;
}

void TBonusTabellenGen::Insert(int flag) {
    if (flag != 1) {
        Insert();
        return;
    }
    auto db = TempDb(false);
    // Between Open and Close (a generation run) the customers share transactions of the
    // temporary file, committed every kTmpKundenJeCommit customers and at Close, each customer
    // a savepoint of its own; otherwise each customer is its own transaction.
    const bool imLauf = openCount_ > 0;
    if (imLauf && !tmpTransaktion_) {
        db->Begin();
        tmpTransaktion_ = true;
    }
    if (imLauf)
        db->Exec("SAVEPOINT kunde");
    else
        db->Begin();
    try {
        for (const auto& t : neu_) {
            // A pass stores whatever received entries, even at 0,00; the rest only when worth
            // a cent.
            if (t.BonusCent == 0 && !(kind_ == 2 && t.Eintraege)) continue;
            TemporaerSchreiben(t);
        }
        if (imLauf)
            db->Exec("RELEASE kunde");
        else
            db->Commit();
    } catch (...) {
        if (imLauf) {
            db->Exec("ROLLBACK TO kunde");
            db->Exec("RELEASE kunde");
        } else {
            db->Rollback();
        }
        throw;
    }
    if (imLauf && ++tmpKunden_ >= kTmpKundenJeCommit) TemporaerFestschreiben();
}

void TBonusTabellenGen::TemporaerSchreiben(const TBonusGenTabelle& t) {
    auto db = TempDb(false);
    int32_t rnr = t.RNr, lnr = t.LNr, snr = t.SNr;
    if (!t.Fortsetzung()) {
        // New bonuses get a provisional reference (-1, n, 0); booking gives the real one.
        Statement& s = db->Cached("SELECT COALESCE(MAX(LNR), 0) FROM BONUTMP WHERE RNR = -1");
        s.Step();
        lnr = int32_t(s.ColumnInt(0) + 1);
        s.Reset();
        rnr = -1;
        snr = 0;
    }
    std::string text;
    for (const auto& it : t.Items) text += it.AlsTextZeile() + "\n";
    const TIntPair mandant = ORVProgramm().GetAktMandant();
    Statement& ins = db->Cached(
        "INSERT INTO BONUTMP (RNR, LNR, SNR, MANDANT_L, MANDANT_R, PROGRAMMID, PROGRAMM, KUNDE_L, "
        "KUNDE_R, ART, DATUM, WERT, BASISWERT, LAENGE, STATUS, GUELTIGBIS, MINUMSATZ, COUPONTYP, "
        "PROZENT, REFTEXT, TEXT) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?, ?, ?, ?, ?, 0, 0, ?, 0, "
        "'', ?)");
    ins.Bind(1, rnr).Bind(2, lnr).Bind(3, snr).Bind(4, mandant.Lnr).Bind(5, mandant.Rnr)
        .Bind(6, t.ProgrammId).Bind(7, t.Programm).Bind(8, kunde_.Lnr).Bind(9, kunde_.Rnr)
        .Bind(10, double(t.Datum)).Bind(11, double(t.BonusCent) / 100.0)
        .Bind(12, double(t.BasisCent) / 100.0).Bind(13, t.Laenge).Bind(14, t.Status)
        .Bind(15, t.CouponTyp).Bind(16, text);
    ins.Run();
}

// ------------------------------------------------------------------------------- period premium

void TBonusTabellenGen::OffenerBonusBerechnen(const TIntPair& kunde, TDateTime jetzt) {
    if (!prog_ || kind_ != 5 || !(kunde == kunde_)) return;
    if (umzrItems_.empty() && perioden_.empty()) return;
    const TQEL_UMZR_Params& u = prog_->Umzr;
    if (umzrAnker_ == 0) {
        umzrAnker_ = kis::date::DateOf(umzrItems_.front().Datum);
        for (const auto& it : umzrItems_)
            umzrAnker_ = std::min<TDateTime>(umzrAnker_, kis::date::DateOf(it.Datum));
    }
    // The period [von, bis) that holds a date, counted from the anchor.
    auto periodeVon = [&](TDateTime datum, TDateTime& von, TDateTime& bis) {
        const TDateTime tag = kis::date::DateOf(datum);
        if (u.Einheit == kUMZRMonate) {
            int y0 = 0, m0 = 0, d0 = 0, y = 0, m = 0, d = 0;
            kis::date::DecodeDate(umzrAnker_, y0, m0, d0);
            kis::date::DecodeDate(tag, y, m, d);
            int diff = (y - y0) * 12 + (m - m0);
            int k = int(std::floor(double(diff) / u.Zeitraum));
            von = PlusMonate(umzrAnker_, k * u.Zeitraum);
            while (von > tag) von = PlusMonate(umzrAnker_, --k * u.Zeitraum);
            while (PlusMonate(umzrAnker_, (k + 1) * u.Zeitraum) <= tag) ++k;
            von = PlusMonate(umzrAnker_, k * u.Zeitraum);
            bis = PlusMonate(umzrAnker_, (k + 1) * u.Zeitraum);
        } else {
            const double laenge = double(u.Zeitraum) * (u.Einheit == kUMZRWochen ? 7 : 1);
            const double k = std::floor((tag - umzrAnker_) / laenge);
            von = umzrAnker_ + k * laenge;
            bis = von + laenge;
        }
    };
    for (auto& p : perioden_) {
        TDateTime von = 0;
        periodeVon(p.Von, von, p.Bis);
    }
    for (const auto& it : umzrItems_) {
        TDateTime von = 0, bis = 0;
        periodeVon(it.Datum, von, bis);
        Periode* p = nullptr;
        for (auto& q : perioden_)
            if (std::fabs(double(q.Von - von)) < 1e-6) p = &q;
        if (!p) {
            perioden_.push_back({});
            p = &perioden_.back();
            p->Von = von;
        }
        p->Bis = bis;
        p->Neu.push_back(it);
    }

    auto db = TempDb(false);
    db->Begin();
    try {
        for (const auto& p : perioden_) {
            const bool beendet = p.Bis <= kis::date::DateOf(jetzt);
            // A stored running period without new sales is only closed once it has ended.
            if (p.Neu.empty() && !(beendet && p.OffenRNr >= 0)) continue;
            int64_t umsatz = p.GespeichertUmsatzCent, itemBonus = p.GespeichertItemBonusCent;
            int64_t neuUmsatz = 0, neuItemBonus = 0;
            for (const auto& it : p.Neu) {
                neuUmsatz += kis::services::RoundHalfEven(it.Wert * 100);
                neuItemBonus += it.BonusCent;
            }
            umsatz += neuUmsatz;
            itemBonus += neuItemBonus;
            // Nothing unless the period's turnover exceeds the threshold; then the items'
            // bonuses plus the extra bonus of the highest extra threshold exceeded.
            int64_t gesamt = 0;
            if (umsatz > u.UmsatzgrenzeCent) {
                gesamt = itemBonus;
                int64_t hoechste = -1, extra = 0;
                for (const auto& e : u.ExtraBonus)
                    if (umsatz > e.WertBisCent && e.WertBisCent > hoechste) {
                        hoechste = e.WertBisCent;
                        extra = e.BetragCent;
                    }
                gesamt += extra;
            }
            const int64_t delta = p.Neu.empty() ? 0 : gesamt - p.GespeichertBonusCent;
            if (delta == 0 && !(beendet && p.OffenRNr >= 0)) continue;
            TBonusGenTabelle t;
            t.ProgrammId = prog_->Kennung;
            t.Programm = prog_->Name;
            t.Datum = p.Von;
            t.Status = beendet ? "A" : "O";
            t.BonusCent = delta;
            t.BasisCent = neuUmsatz;
            t.Laenge = int32_t(p.Neu.size());
            t.Eintraege = !p.Neu.empty();
            t.Items = p.Neu;
            if (p.OffenRNr >= 0) {
                t.RNr = p.OffenRNr;
                t.LNr = p.OffenLNr;
                t.SNr = p.OffenSNr;
            }
            if (delta == 0 && !t.Fortsetzung()) continue;
            neu_.push_back(t);
            TemporaerSchreiben(t);
        }
        db->Commit();
    } catch (...) {
        db->Rollback();
        throw;
    }
}
