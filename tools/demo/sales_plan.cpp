#include "sales_plan.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "catalog.h"
#include "platform/base/datetime.h"
#include "rng.h"

namespace kis::demo {

namespace {

constexpr uint64_t kPlanStream = 0x504C414E;  // "PLAN"
constexpr uint64_t kPosStream = 0x504F5332;   // "POS2"

// Relative sales of a day: no Sunday sales, busy Saturdays and Decembers, slow start of year,
// and a slight growth over the three years.
double DayWeight(int day, int firstDay, int lastDay) {
    const int weekday = (day + 5) % 7;  // 0 = Monday; day 0 (1899-12-30) was a Saturday
    if (weekday == 6) return 0;
    int y, m, d;
    date::CivilFromDays(day, y, m, d);
    double w = weekday == 5 ? 1.5 : 1.0;
    if (m == 12) w *= 1.6;
    else if (m == 11) w *= 1.2;
    else if (m <= 2) w *= 0.8;
    return w * (0.9 + 0.2 * double(day - firstDay) / double(std::max(1, lastDay - firstDay)));
}

int RandomRound(Rng& rng, double x) {
    const int whole = int(x);
    return whole + (rng.Unit() < x - whole ? 1 : 0);
}

// Picks a customer by weight: cumulative weights, binary search.
struct WeightedPool {
    std::vector<int32_t> members;
    std::vector<double> cumulative;
    int32_t Pick(Rng& rng) const {
        const double x = rng.Unit() * cumulative.back();
        const size_t i = size_t(std::upper_bound(cumulative.begin(), cumulative.end(), x) -
                                cumulative.begin());
        return members[std::min(i, members.size() - 1)];
    }
};

WeightedPool PoolOf(const DemoModel& m, bool mandant1) {
    WeightedPool pool;
    double sum = 0;
    for (int32_t c = 0; c < int32_t(m.customers.size()); ++c) {
        const Customer& cu = m.customers[size_t(c)];
        if (cu.anonymous || cu.weight <= 0 || (mandant1 ? !cu.inMandant1 : !cu.inMandant2)) continue;
        sum += cu.weight;
        pool.members.push_back(c);
        pool.cumulative.push_back(sum);
    }
    return pool;
}

DocKind PickKind(Rng& rng) {
    const int r = int(rng.Below(100));
    if (r < 76) return DocKind::Receipt;
    if (r < 92) return DocKind::Invoice;
    if (r < 97) return DocKind::DeliveryNote;
    return DocKind::Quote;
}

// The first transactions go through every phase once, so that even a tiny database has each.
int PickPhase(Rng& rng, int count) {
    if (count < int(kReadPhases.size())) return kReadPhases[size_t(count)];
    count -= int(kReadPhases.size());
    if (count < int(kSkippedPhases.size())) return kSkippedPhases[size_t(count)];
    if (rng.Percent(85)) return kReadPhases[rng.Below(kReadPhases.size())];
    return kSkippedPhases[rng.Below(kSkippedPhases.size())];
}

// Invoice flags; the first invoices go through every case once.
uint8_t InvoiceFlags(Rng& rng, int count, bool recent) {
    static const uint8_t kFirst[] = {0, kUnpaid, kPartlyPaid, kCredit | kPartlyPaid, kReturn, kReturn};
    if (count < 6) return kFirst[count];
    if (rng.Percent(4)) return kReturn;
    const int r = int(rng.Below(100));
    if (r < 5) return kCredit | kPartlyPaid;
    if (r < (recent ? 40 : 10)) return kUnpaid;
    if (r < (recent ? 50 : 14)) return kPartlyPaid;
    return 0;
}

}  // namespace

const Branch& DemoModel::BranchByNr(int nr) const {
    for (const auto& b : branches)
        if (b.nr == nr) return b;
    return branches.front();
}

void PlanDocuments(DemoModel& m) {
    Rng rng(MixSeed(m.seed, kPlanStream));
    const WeightedPool pool1 = PoolOf(m, true), pool2 = PoolOf(m, false);

    // Branch weights; company 2 gets about 15 % of the documents.
    std::vector<double> branchWeight;
    double sum1 = 0, sum2 = 0;
    for (const auto& b : m.branches) {
        branchWeight.push_back(0.6 + 0.8 * rng.Unit());
        (b.mandant == kMandant1 ? sum1 : sum2) += branchWeight.back();
    }
    for (size_t i = 0; i < m.branches.size(); ++i)
        branchWeight[i] *= m.branches[i].mandant == kMandant1 ? 0.85 / sum1 : 0.15 / sum2;

    double daySum = 0;
    for (int d = m.firstDay; d <= m.today; ++d) daySum += DayWeight(d, m.firstDay, m.today);

    std::map<int, int32_t> lnr;                   // per branch
    std::map<std::pair<int, int>, int32_t> numbers;  // per (branch, kind)
    std::vector<int32_t> unredeemed[2];           // documents whose voucher is still open
    int transactions = 0, invoices = 0;
    m.docs.clear();
    m.docs.reserve(size_t(m.size.documents * 1.05));

    for (int day = m.firstDay; day <= m.today; ++day) {
        const double dw = DayWeight(day, m.firstDay, m.today) / daySum;
        // Today always has sales (its day closings are still open), even on a Sunday.
        if (dw <= 0 && day != m.today) continue;
        for (size_t bi = 0; bi < m.branches.size(); ++bi) {
            const Branch& br = m.branches[bi];
            const bool first = br.mandant == kMandant1;
            const WeightedPool& pool = first ? pool1 : pool2;
            int n = RandomRound(rng, m.size.documents * dw * branchWeight[bi]);
            if (day == m.today) n = std::max(n, 1);
            for (int i = 0; i < n; ++i) {
                PlannedDoc d{};
                d.day = day;
                d.branch = int16_t(br.nr);
                d.redeemFrom = -1;
                d.lnr = ++lnr[br.nr];
                // About one open transaction per fifty documents, in addition.
                d.kind = rng.Percent(2) ? DocKind::Transaction : PickKind(rng);
                const bool anonymous = d.kind == DocKind::Receipt && rng.Percent(20);
                d.customer = anonymous ? br.anonymousCustomer : pool.Pick(rng);
                d.number = ++numbers[{br.nr, int(d.kind)}];
                if (d.kind == DocKind::Transaction) d.phase = uint8_t(PickPhase(rng, transactions++));
                const bool sale = d.kind == DocKind::Receipt || d.kind == DocKind::Invoice;
                if (d.kind == DocKind::Invoice) d.flags = InvoiceFlags(rng, invoices++, m.today - day < 120);
                else if (sale && rng.Percent(4)) d.flags |= kReturn;
                if (sale && !(d.flags & kReturn)) {
                    auto& open = unredeemed[first ? 0 : 1];
                    if (d.kind == DocKind::Receipt && rng.Percent(3)) {
                        d.flags |= kSellsVoucher;
                        static const uint8_t kValues[] = {20, 25, 50, 100};
                        d.voucherValue = rng.Pick(kValues);
                        if (rng.Percent(5)) d.flags |= kRedeemsOwn;
                        else open.push_back(int32_t(m.docs.size()));
                    } else if (d.kind == DocKind::Receipt && rng.Percent(3)) {
                        d.flags |= kRedeemsVoucher;
                        if (!open.empty() && rng.Percent(80)) {
                            const size_t k = size_t(rng.Below(open.size()));
                            d.redeemFrom = open[k];
                            m.docs[size_t(open[k])].flags |= kVoucherRedeemed;
                            open[k] = open.back();
                            open.pop_back();
                        }
                    }
                }
                m.docs.push_back(d);
            }
        }
    }

    // Documents per customer, in date order.
    const size_t nc = m.customers.size();
    m.custStart.assign(nc + 1, 0);
    for (const auto& d : m.docs) ++m.custStart[size_t(d.customer) + 1];
    for (size_t c = 0; c < nc; ++c) m.custStart[c + 1] += m.custStart[c];
    m.docsOf.assign(m.docs.size(), 0);
    std::vector<int32_t> fill(m.custStart.begin(), m.custStart.end() - 1);
    for (int32_t i = 0; i < int32_t(m.docs.size()); ++i)
        m.docsOf[size_t(fill[size_t(m.docs[size_t(i)].customer)]++)] = i;
}

void GeneratePositions(const DemoModel& m, int32_t index, std::vector<Position>& out, Rng& rng) {
    out.clear();
    const PlannedDoc& d = m.docs[size_t(index)];
    rng.Reseed(MixSeed(m.seed ^ kPosStream, uint64_t(index)));
    const bool transaction = d.kind == DocKind::Transaction;
    const int n = transaction ? rng.Range(1, 3) : 1 + int(rng.Below(4)) + int(rng.Below(4));
    const double time = (9 * 60 + double(rng.Below(10 * 60))) / 1440.0;
    const size_t na = m.articles.size();
    for (int i = 0; i < n; ++i) {
        Position p{};
        p.posnr = i + 1;
        p.time = time;
        const int k = int(rng.Below(100));
        p.kind = transaction ? "A9" : k < 91 ? "A9" : k < 96 ? "SO" : "RS";
        // Popular articles sell more: the square of a uniform number favours the first.
        const double u = rng.Unit();
        const Article& a = m.articles[std::min(na - 1, size_t(double(na) * u * u))];
        p.article = a.nr;
        switch (a.group) {
            case 1: p.size = 34 + 2 * rng.Range(0, 7); break;
            case 2: p.size = 44 + 2 * rng.Range(0, 8); break;
            case 3: p.size = 98 + 6 * rng.Range(0, 11); break;
            case 4: p.size = rng.Range(36, 46); break;
            case 6: p.size = rng.Range(1, 6); break;
            default: p.size = 0;
        }
        const int q = rng.Percent(85) ? 1 : rng.Percent(80) ? 2 : 3;
        int64_t unit = a.priceCents;
        p.soll = unit * q;
        // Reduced articles carry a lower list price; some sales get a discount on top.
        p.redSoll = rng.Percent(15) ? (unit * 7 / 10) * q : p.soll;
        p.discount = rng.Percent(20) ? p.redSoll * rng.Range(5, 20) / 100 : 0;
        p.ist = p.redSoll - p.discount;
        p.quantity = q;
        p.vkkz = "0";
        const bool back = (d.flags & kReturn) || (!transaction && rng.PerMille(25));
        if (back) {
            p.vkkz = (d.flags & kReturn) || rng.Percent(75) ? "1" : "2";
            p.quantity = -q;
            p.ist = -p.ist;
            p.soll = -p.soll;
            p.redSoll = -p.redSoll;
            p.discount = -p.discount;
        }
        out.push_back(p);
    }
    if (d.flags & kSellsVoucher) {
        // The voucher number lives in the article key: Rnr = branch, Lnr = running number.
        Position p{};
        p.posnr = n + 1;
        p.time = time;
        p.kind = "GS";
        p.article = TInt32Trio(d.lnr, d.branch, 0);
        p.vkkz = "0";
        p.ist = p.soll = p.redSoll = int64_t(d.voucherValue) * 100;
        p.quantity = 1;
        out.push_back(p);
    }
}

int64_t BonifiableCents(const std::vector<Position>& positions) {
    int64_t sum = 0;
    for (const auto& p : positions)
        if (p.kind[0] != 'G') sum += p.ist;
    return sum;
}

}  // namespace kis::demo
