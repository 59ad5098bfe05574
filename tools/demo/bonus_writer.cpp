#include "bonus_writer.h"

#include <algorithm>
#include <stdexcept>

#include "bonus_rules.h"
#include "catalog.h"
#include "platform/bonus/bonus_abschluss.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/bonus/bonus_mani.h"
#include "platform/bonus/bonus_marken.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/record_file.h"
#include "rng.h"
#include "sales_plan.h"
#include "table.h"

namespace kis::demo {

namespace {

constexpr uint64_t kBonusStream = 0x424F4E55;  // "BONU"
constexpr int kBonusesPerBooking = 2000;

// One bonus the demo lets the program compute and book: a programme, a customer and the
// sales it is earned with (or a manual grant), and what happens to it afterwards.
struct PlannedBonus {
    const char* programmeId = "";
    std::string name;
    int32_t customer = 0;
    bool manual = false;
    int date = 0;  // the day it is booked
    bool perPosition = false;
    bool close = false;     // closed afterwards, as "Boni abschließen" does
    const char* used = "";  // used afterwards: at the till, or marked by hand
    std::vector<int32_t> docs;
    // Manual grants only.
    int64_t value = 0;
    int validUntil = 0;
    std::string couponType;
    double percent = 0;
};

class BonusPlanner {
public:
    explicit BonusPlanner(DemoModel& m) : m_(m), rng_(MixSeed(m.seed, kBonusStream)) {}
    std::vector<PlannedBonus> Plan();

private:
    // Receipts and invoices of company 1 that earn a bonus (no returns), in date order.
    std::vector<int32_t> SalesOf(int32_t c) const;
    bool Scenario(int s, int32_t c, const std::vector<int32_t>& sales, size_t& next);
    void Manual(int s, int32_t c);
    int64_t DocValue(int32_t doc) {
        GeneratePositions(m_, doc, pos_, posRng_);
        return BonifiableCents(pos_);
    }
    int DateAfter(int day) { return std::min(m_.today, day + rng_.Range(1, 14)); }

    DemoModel& m_;
    Rng rng_;
    Rng posRng_{0};
    std::vector<Position> pos_;
    std::vector<PlannedBonus> out_;
};

std::vector<int32_t> BonusPlanner::SalesOf(int32_t c) const {
    std::vector<int32_t> sales;
    for (int32_t k = m_.custStart[size_t(c)]; k < m_.custStart[size_t(c) + 1]; ++k) {
        const int32_t i = m_.docsOf[size_t(k)];
        const PlannedDoc& d = m_.docs[size_t(i)];
        if ((d.kind == DocKind::Receipt || d.kind == DocKind::Invoice) && !(d.flags & kReturn) &&
            m_.MandantOfBranch(d.branch) == kMandant1)
            sales.push_back(i);
    }
    return sales;
}

// One bonus of scenario s from the customer's next unused sales; false when none is left.
// Sales are taken in date order and never twice, as a position settled for one bonus is
// never bonified again.
bool BonusPlanner::Scenario(int s, int32_t c, const std::vector<int32_t>& sales, size_t& next) {
    PlannedBonus b;
    b.customer = c;
    auto take = [&](size_t k) {
        while (k-- > 0 && next < sales.size()) b.docs.push_back(sales[next++]);
        return !b.docs.empty();
    };
    switch (s) {
        case 0: case 1: case 2: {  // turnover premium: closed, used at the till, marked by hand
            if (!take(size_t(rng_.Range(1, 4)))) return false;
            b.programmeId = kTurnoverType;
            b.name = kTurnoverName;
            b.close = true;
            b.used = s == 1 ? "KASSE" : s == 2 ? "ZURUECKGEZ" : "";
            break;
        }
        case 3: {  // loyalty premium per position, still open
            if (!take(size_t(rng_.Range(1, 3)))) return false;
            b.programmeId = kTurnoverType;
            b.name = kLoyaltyName;
            b.perPosition = true;
            break;
        }
        case 4: case 5: {  // bonus pass: in progress, or complete (the program closes it)
            const size_t want = s == 5 ? kPassLength : size_t(rng_.Range(1, kPassLength - 1));
            if (!take(std::min(want, sales.size() - next))) return false;
            b.programmeId = kPassType;
            b.name = kPassName;
            break;
        }
        case 6: case 7: {  // discount coupon: open, or used at the till
            if (!take(size_t(rng_.Range(1, 3)))) return false;
            b.programmeId = kCouponType;
            b.name = kCouponName;
            b.used = s == 7 ? "KASSE" : "";
            break;
        }
        default: {  // period premium: a finished quarter (closed) or the running one (open)
            if (next >= sales.size()) return false;
            const int start = s == 8 ? m_.docs[size_t(sales[next])].day : m_.today - rng_.Range(0, kPeriodDays - 1);
            const int end = start + kPeriodDays;
            if (s == 8 && end > m_.today) return false;
            int64_t base = 0;
            size_t k = next;
            for (; k < sales.size() && m_.docs[size_t(sales[k])].day < end; ++k) {
                if (m_.docs[size_t(sales[k])].day < start) continue;
                b.docs.push_back(sales[k]);
                base += DocValue(sales[k]);
            }
            // Below the threshold the program books nothing: take another scenario instead.
            if (b.docs.empty() || base <= kPeriodThreshold) return false;
            next = k;
            b.programmeId = kPeriodType;
            b.name = kPeriodName;
            b.perPosition = true;
            break;
        }
    }
    b.date = s >= 8 ? m_.today : DateAfter(m_.docs[size_t(b.docs.back())].day);
    out_.push_back(std::move(b));
    return true;
}

// Manual grants: open, expired, coupon, used at the till, closed and expired, without account.
void BonusPlanner::Manual(int s, int32_t c) {
    PlannedBonus b;
    b.customer = c;
    b.manual = true;
    b.programmeId = kManualBonus;
    b.name = "1742";
    b.value = int64_t(rng_.Range(2, 10)) * 500;
    b.date = m_.today - rng_.Range(0, 60);
    switch (s) {
        case 0: b.validUntil = m_.today + 180; break;
        case 1: b.date = m_.today - 400; b.validUntil = m_.today - 30; break;
        case 2:  // a coupon: a percentage, no value, no validity
            b.programmeId = kManualCoupon;
            b.couponType = "RS10";
            b.percent = 15;
            break;
        case 3: b.name = "1745"; b.close = true; b.used = "KASSE"; break;
        case 4: b.date = m_.today - 500; b.close = true; b.validUntil = m_.today - 100; break;
        default: b.name = ""; break;
    }
    out_.push_back(std::move(b));
}

std::vector<PlannedBonus> BonusPlanner::Plan() {
    int scenario = 0, manual = 0;
    const int manualEvery = m_.size.customers < 200 ? 4 : 40;
    for (int32_t c = 0; c < int32_t(m_.customers.size()); ++c) {
        const Customer& cu = m_.customers[size_t(c)];
        if (cu.anonymous || !cu.inMandant1) continue;
        if (c % manualEvery == 0) Manual(manual++ % 6, c);
        if (!rng_.Percent(m_.size.bonusPercent)) continue;
        const std::vector<int32_t> sales = SalesOf(c);
        if (sales.empty()) continue;
        size_t next = 0;
        // Round robin over the scenarios, so that every state occurs even in a tiny database;
        // a scenario that finds too few sales falls back to a simple turnover premium.
        if (!Scenario(scenario++ % 10, c, sales, next)) Scenario(0, c, sales, next);
        if (rng_.Percent(30)) Scenario(int(rng_.Below(10)), c, sales, next);
    }
    return std::move(out_);
}

// The items the evaluation hands the generation for a customer's documents: each bonifiable
// position (sold vouchers earn nothing), or each document with its bonifiable value.
class ItemSource {
public:
    explicit ItemSource(const DemoModel& m) : m_(m) {}

    std::vector<TBonusGenItem> Items(const PlannedBonus& b) {
        std::vector<TBonusGenItem> out;
        for (int32_t i : b.docs) {
            const PlannedDoc& d = m_.docs[size_t(i)];
            GeneratePositions(m_, i, pos_, rng_);
            if (!b.perPosition) {
                TBonusGenItem it;
                it.Art = d.kind == DocKind::Invoice ? "RG" : "BO";
                it.Nr1 = d.branch;  // BELEGLNR
                it.Nr2 = d.number;  // BELEGRNR
                it.Wert = (long double)BonifiableCents(pos_) / 100;
                it.Datum = d.day + pos_.front().time;
                out.push_back(std::move(it));
                continue;
            }
            for (const auto& p : pos_) {
                if (p.kind[0] == 'G') continue;
                TBonusGenItem it;
                it.Art = "  ";
                it.Nr1 = d.branch;  // RNR
                it.Nr2 = d.lnr;     // LNR
                it.PosNr = p.posnr;
                it.ArtikelNr = p.article;
                it.Wert = (long double)p.ist / 100;
                it.Datum = d.day + p.time;
                out.push_back(std::move(it));
            }
        }
        return out;
    }

    // The item-booking callback: a position item marks its position; a document item marks
    // every bonifiable position of its document, as the overview marks the selected ones.
    void Mark(const PlannedBonus& b, const TBonusGenItem& item, const TInt32Trio& ref) {
        if (item.IstPosition()) {
            BONUMani_BonifiziereLST(kMandant1, item.Nr1, item.Nr2, 0, ref.Lnr, ref.Rnr, ref.Snr, item.PosNr);
            return;
        }
        for (int32_t i : b.docs) {
            const PlannedDoc& d = m_.docs[size_t(i)];
            if (d.branch != item.Nr1 || d.number != item.Nr2) continue;
            GeneratePositions(m_, i, pos_, rng_);
            for (const auto& p : pos_)
                if (p.kind[0] != 'G')
                    BONUMani_BonifiziereLST(kMandant1, d.branch, d.lnr, 0, ref.Lnr, ref.Rnr, ref.Snr, p.posnr);
            return;
        }
        throw std::runtime_error("Demo: Beleg " + std::to_string(item.Nr1) + "-" + std::to_string(item.Nr2) +
                                 " gehört zu keinem geplanten Bonus.");
    }

private:
    const DemoModel& m_;
    std::vector<Position> pos_;
    Rng rng_{0};
};

// What happens to a booked bonus later: closed (as "Boni abschließen" books it), used at the
// till or marked as used by hand (its open item goes, the service record names the use).
void Afterwards(const TInt32Trio& ref, const TIntPair& customer, bool close, const char* used,
                const std::string& usage) {
    if (close) BonusAbschliessen(TBonusIdent{ref.Lnr, ref.Rnr, int16_t(ref.Snr)}, customer);
    if (!*used) return;
    kis::store::TQEL_DBFile op("OP");
    op.OpenOut();
    op.SelectIndex("REF");
    op.Feld("RNR").SetKeyWertAndFilter(ref.Lnr);
    op.Feld("LNR").SetKeyWertAndFilter(ref.Rnr);
    op.Feld("SNR").SetKeyWertAndFilter(ref.Snr);
    for (bool ok = op.Get_ge(); ok; ok = op.Next()) op.Delete();
    kis::store::TQEL_DBFile dienst("DIENST");
    dienst.OpenOut();
    dienst.SelectIndex("REF");
    dienst.Feld("RNR").SetKeyWertAndFilter(ref.Lnr);
    dienst.Feld("LNR").SetKeyWertAndFilter(ref.Rnr);
    dienst.Feld("SNR").SetKeyWertAndFilter(ref.Snr);
    for (bool ok = dienst.Get_ge(); ok; ok = dienst.Next()) {
        dienst.Feld("VERWENDET").SetWert(std::string(used));
        dienst.Feld("VERWREF").SetWert(usage);
        dienst.Update();
    }
}

}  // namespace

BonusCounts WriteBonuses(DemoModel& m, int bookingType) {
    const std::vector<PlannedBonus> plan = BonusPlanner(m).Plan();
    BonusCounts counts;
    ItemSource items(m);
    TBonusTabellenGen gen;
    TBonusTabellenGen buchung;
    TQEL_BonusMani mani;
    const PlannedBonus* aktuell = nullptr;
    TInt32Trio gebucht;  // the reference the booking gave the current bonus
    buchung.OnItemBuchen = [&](const TIntPair&, const TBonusGenItem& item, const TInt32Trio& ref) {
        gebucht = ref;
        items.Mark(*aktuell, item, ref);
    };
    int usage = 0;
    size_t i = 0;
    while (i < plan.size()) {
        // Many customers per booking: the program's own bookings nest inside it.
        kis::store::BookingScope booking(bookingType);
        const size_t end = std::min(plan.size(), i + kBonusesPerBooking);
        for (; i < end; ++i) {
            const PlannedBonus& b = plan[i];
            aktuell = &b;
            const TIntPair customer = m.customers[size_t(b.customer)].key;
            TInt32Trio ref;
            if (b.manual) {
                TQEL_ManuellerBonus g;
                g.Art = b.couponType.empty() ? 0 : 1;
                g.Kunde = customer;
                g.Betrag = (long double)b.value / 100;
                g.GueltigBis = b.validUntil;
                g.Konto = b.name;
                g.RabattscheinTyp = b.couponType;
                g.Prozent = b.percent;
                mani.Heute = b.date;
                const TBonusReferenz r = mani.BONUBucheManuell(g);
                ref = TInt32Trio(r.RNr, r.LNr, r.SNr);
            } else {
                // The generation as the engine runs it for one customer ...
                gen.SetHeute(b.date);
                gen.New(customer, b.programmeId, b.name);
                gen.VorhandeneKundenDatenLaden();
                for (const auto& it : items.Items(b)) gen.AddItem(it);
                bool passEintraege = false;
                for (const auto& t : gen.Tabellen()) passEintraege |= gen.Kind() == 2 && t.Eintraege;
                if (kis::services::RoundHalfEven(gen.BonusNeu() * 100) != 0 || passEintraege) gen.Insert(1);
                if (gen.Kind() == 5) gen.OffenerBonusBerechnen(customer, m.today);
                // ... and the booking as the overview books it.
                buchung.UseTMP(1, b.programmeId, b.name);
                buchung.KundeLaden(customer);
                const bool noetig = buchung.Buchen_Noetig();
                if (noetig) buchung.Insert();
                buchung.Delete(1);
                if (!noetig) continue;
                ref = gebucht;
            }
            ++counts.bonuses;
            if (b.close || *b.used)
                Afterwards(ref, customer, b.close, b.used, *b.used ? RefText(kDemoWorkstation, 700000 + ++usage) : "");
        }
        booking.Commit();
    }
    return counts;
}

}  // namespace kis::demo
