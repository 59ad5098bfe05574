#include "bonus_writer.h"

#include <algorithm>

#include "bonus_rules.h"
#include "catalog.h"
#include "platform/store/booking.h"
#include "rng.h"
#include "sales_plan.h"
#include "table.h"

namespace kis::demo {

namespace {

constexpr uint64_t kBonusStream = 0x424F4E55;  // "BONU"
constexpr int kBonusesPerBooking = 2000;

struct PlannedBonus {
    const char* programmeId = "";
    std::string name;
    int32_t customer = 0;
    bool manual = false;
    int date = 0;
    int64_t value = 0, base = 0;
    int entries = 1;
    bool closed = false;
    int validUntil = 0;
    int64_t minSales = 0;
    std::string couponType;
    double percent = 0;
    const char* table = kOpBonus;
    const char* used = "";
    bool perPosition = false;
    std::vector<int32_t> docs;
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
    int64_t PerPositionBonus(int32_t doc, const Rule& rule) {
        GeneratePositions(m_, doc, pos_, posRng_);
        int64_t sum = 0;
        for (const auto& p : pos_)
            if (p.kind[0] != 'G') sum += ApplyRule(rule, p.ist);
        return sum;
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
            for (int32_t d : b.docs) b.base += DocValue(d);
            b.programmeId = kTurnoverType;
            b.name = kTurnoverName;
            b.value = ApplyRule(RuleByName("Staffel Umsatz"), b.base);
            b.entries = int(b.docs.size());
            b.closed = true;
            b.used = s == 1 ? "KASSE" : s == 2 ? "ZURUECKGEZ" : "";
            break;
        }
        case 3: {  // loyalty premium per position, still open
            if (!take(size_t(rng_.Range(1, 3)))) return false;
            b.programmeId = kTurnoverType;
            b.name = kLoyaltyName;
            b.perPosition = true;
            b.entries = 0;
            for (int32_t d : b.docs) {
                b.base += DocValue(d);
                b.value += PerPositionBonus(d, RuleByName("Standard 3 %"));
                b.entries += int(pos_.size()) - (pos_.back().kind[0] == 'G' ? 1 : 0);
            }
            break;
        }
        case 4: case 5: {  // bonus pass: in progress, or complete and closed
            const size_t want = s == 5 ? kPassLength : size_t(rng_.Range(1, kPassLength - 1));
            if (!take(std::min(want, sales.size() - next))) return false;
            b.programmeId = kPassType;
            b.name = kPassName;
            const auto& content = DemoProgrammes().front().content;
            for (size_t k = 0; k < b.docs.size(); ++k) {
                const int64_t v = DocValue(b.docs[k]);
                b.base += v;
                b.value += ApplyRule(RuleByName(content[k]), v);
            }
            b.entries = int(b.docs.size());
            b.closed = b.entries == kPassLength;
            break;
        }
        case 6: case 7: {  // discount coupon: open (or expired), used at the till
            if (!take(size_t(rng_.Range(1, 3)))) return false;
            for (int32_t d : b.docs) b.base += DocValue(d);
            b.programmeId = kCouponType;
            b.name = kCouponName;
            b.value = ApplyRule(RuleByName("Rabatt 10 %"), b.base);
            b.entries = int(b.docs.size());
            b.table = kOpCoupon;
            b.couponType = "RS10";
            b.percent = 10;
            b.minSales = 5000;
            b.closed = s == 7;
            b.used = s == 7 ? "KASSE" : "";
            break;
        }
        default: {  // period premium: a finished quarter (closed) or the running one (open)
            if (next >= sales.size()) return false;
            const int start = s == 8 ? m_.docs[size_t(sales[next])].day : m_.today - rng_.Range(0, kPeriodDays - 1);
            const int end = start + kPeriodDays;
            if (s == 8 && end > m_.today) return false;
            for (int32_t d : sales) {  // every sale of the period, also ones in other bonuses
                const int day = m_.docs[size_t(d)].day;
                if (day >= start && day < end) b.docs.push_back(d);
            }
            for (int32_t d : b.docs) {
                b.base += DocValue(d);
                b.value += PerPositionBonus(d, RuleByName("Standard 3 %"));
            }
            if (b.docs.empty() || b.base < kPeriodThreshold) return false;
            if (b.base >= kPeriodExtraFrom) b.value += kPeriodExtraBonus;
            while (next < sales.size() && m_.docs[size_t(sales[next])].day < end) ++next;
            b.programmeId = kPeriodType;
            b.name = kPeriodName;
            b.perPosition = true;
            b.entries = int(b.docs.size());
            b.closed = s == 8;
            b.date = s == 8 ? end - 1 : m_.today;
            break;
        }
    }
    if (b.date == 0) b.date = DateAfter(m_.docs[size_t(b.docs.back())].day);
    if (b.table == kOpCoupon) b.validUntil = b.date + 90;
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
        case 2:  // as the bonus manager grants coupons: a percentage, no value, no validity
            b.programmeId = kManualCoupon;
            b.name = "RS10";
            b.couponType = "RS10";
            b.table = kOpCoupon;
            b.value = 0;
            b.percent = 15;
            break;
        case 3: b.name = "1745"; b.closed = true; b.used = "KASSE"; break;
        case 4: b.date = m_.today - 500; b.closed = true; b.validUntil = m_.today - 100; break;
        default: b.name = kManualBonus; break;
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

std::string TextBlock(const DemoModel& m, const PlannedBonus& b) {
    if (b.manual) return {};  // a manual grant has no documents
    std::string text;
    for (int32_t i : b.docs) {
        const PlannedDoc& d = m.docs[size_t(i)];
        // Per-position items name the sales-list key, documents their own number pair.
        if (b.perPosition) text += "  " + RefText(d.branch, d.lnr) + "\n";
        else text += (d.kind == DocKind::Invoice ? "RG" : "BO") + RefText(d.branch, d.number) + "\n";
    }
    return text;
}

}  // namespace

BonusCounts WriteBonuses(DemoModel& m, int bookingType) {
    const std::vector<PlannedBonus> plan = BonusPlanner(m).Plan();
    BonusCounts counts;
    Table bonus("BONUS"), op("OP"), service("DIENST");
    TDatenfeld &bRnr = bonus.F("RNR"), &bLnr = bonus.F("LNR"), &bSnr = bonus.F("SNR"),
               &bMandant = bonus.F("MANDANT"), &bId = bonus.F("PROGRAMMID"),
               &bName = bonus.F("PROGRAMM"), &bCustomer = bonus.F("KUNDE"), &bKind = bonus.F("ART"),
               &bDate = bonus.F("DATUM"), &bValue = bonus.F("WERT"), &bBase = bonus.F("BASISWERT"),
               &bEntries = bonus.F("LAENGE"), &bStatus = bonus.F("STATUS"),
               &bValid = bonus.F("GUELTIGBIS"), &bMin = bonus.F("MINUMSATZ"),
               &bCoupon = bonus.F("COUPONTYP"), &bPercent = bonus.F("PROZENT"),
               &bRef = bonus.F("REFTEXT"), &bText = bonus.F("TEXT");
    TDatenfeld &oMandant = op.F("MANDANT"), &oCustomer = op.F("KUNDE"), &oTable = op.F("TABELLE"),
               &oStatus = op.F("STATUS"), &oDate = op.F("DATUM"), &oFirst = op.F("BETRAG1"),
               &oSecond = op.F("BETRAG2"), &oRnr = op.F("RNR"), &oLnr = op.F("LNR"),
               &oSnr = op.F("SNR"), &oRef = op.F("REFTEXT");
    TDatenfeld &sRnr = service.F("RNR"), &sLnr = service.F("LNR"), &sSnr = service.F("SNR"),
               &sStatus = service.F("STATUS"), &sUsed = service.F("VERWENDET"),
               &sUsage = service.F("VERWREF");
    size_t i = 0;
    int usage = 0;
    while (i < plan.size()) {
        kis::store::BookingScope booking(bookingType);
        // The reference is the booking number plus a running sub-number, as the program's
        // own bonus bookings make it; so later bookings can never reuse a demo reference.
        const TIntPair nr = kis::store::ORVBuchung().BuchungsNr();
        const size_t end = std::min(plan.size(), i + kBonusesPerBooking);
        for (int snr = 1; i < end; ++i, ++snr) {
            const PlannedBonus& b = plan[i];
            const TIntPair customer = m.customers[size_t(b.customer)].key;
            const char* status = b.closed ? "A" : "O";
            std::string ref;
            if (!b.docs.empty()) {
                const PlannedDoc& last = m.docs[size_t(b.docs.back())];
                ref = RefText(last.branch, last.number);
            }
            bonus.Clear();
            bRnr.SetWert(nr.Lnr);
            bLnr.SetWert(nr.Rnr);
            bSnr.SetWert(snr);
            bMandant.SetWert(kMandant1);
            bId.SetWert(b.programmeId);
            bName.SetWert(b.name);
            bCustomer.SetWert(customer);
            bKind.SetWert(b.manual ? "BM" : "");
            bDate.SetWert(double(b.date));
            bValue.SetWert(Euro(b.value));
            bBase.SetWert(Euro(b.base));
            bEntries.SetWert(b.entries);
            bStatus.SetWert(status);
            bValid.SetWert(double(b.validUntil));
            bMin.SetWert(Euro(b.minSales));
            bCoupon.SetWert(b.couponType);
            bPercent.SetWert(b.percent);
            bRef.SetWert(ref);
            bText.SetWert(TextBlock(m, b));
            bonus.Insert();
            ++counts.bonuses;

            // A used bonus has left the open items.
            if (!*b.used) {
                op.Clear();
                oMandant.SetWert(kMandant1);
                oCustomer.SetWert(customer);
                oTable.SetWert(b.table);
                oStatus.SetWert(status);
                oDate.SetWert(double(b.date));
                oFirst.SetWert(0.0);
                oSecond.SetWert(Euro(b.value));
                oRnr.SetWert(nr.Lnr);
                oLnr.SetWert(nr.Rnr);
                oSnr.SetWert(snr);
                oRef.SetWert(ref);
                op.Insert();
                ++counts.openItems;
            }
            service.Clear();
            sRnr.SetWert(nr.Lnr);
            sLnr.SetWert(nr.Rnr);
            sSnr.SetWert(snr);
            sStatus.SetWert(status);
            sUsed.SetWert(b.used);
            sUsage.SetWert(*b.used ? RefText(kDemoWorkstation, 700000 + ++usage) : "");
            service.Insert();

            const TInt32Trio mark(nr.Lnr, nr.Rnr, snr);
            for (int32_t d : b.docs) {
                BonusMarks& marks = m.marks[d];
                TInt32Trio* slot = marks.ref[0].IsDefined() ? &marks.ref[1] : &marks.ref[0];
                if (slot->IsNull()) *slot = mark;
            }
        }
        booking.Commit();
    }
    counts.markedDocuments = int64_t(m.marks.size());
    return counts;
}

}  // namespace kis::demo
