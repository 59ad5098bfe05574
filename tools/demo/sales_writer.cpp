#include "sales_writer.h"

#include <cmath>

#include "catalog.h"
#include "document_rows.h"
#include "platform/store/booking.h"
#include "rng.h"
#include "sales_plan.h"
#include "table.h"

namespace kis::demo {

namespace {

const char* KindCode(DocKind k) {
    switch (k) {
        case DocKind::Receipt: return "BO";
        case DocKind::Invoice: return "RG";
        case DocKind::DeliveryNote: return "LS";
        case DocKind::Quote: return "AN";
        default: return "";
    }
}

class SalesWriter {
public:
    explicit SalesWriter(const DemoModel& m) : m_(m), rng_(0) {}

    void Document(int32_t index);
    void DayClosing(TIntPair mandant, int branch, int day, int first, int last);
    SalesCounts counts;

private:
    void Positions(int32_t index, const PlannedDoc& d, TIntPair mandant);
    void Payments(const PlannedDoc& d, TIntPair mandant, int64_t total);
    void Payment(const PlannedDoc& d, TIntPair mandant, const PaymentCode& code, int64_t cents,
                 const std::string& voucher = {});
    void Ledger(const PlannedDoc& d, TIntPair mandant, const char* account, int64_t cents);
    void OpenItem(const PlannedDoc& d, TIntPair mandant, TIntPair customer, const char* table,
                  bool open, int64_t first, int64_t second, int snr = 0);
    void Transaction(const PlannedDoc& d, TIntPair mandant, TIntPair customer, int64_t total);
    DocumentHead Head(const PlannedDoc& d, TIntPair mandant, TIntPair customer) const;

    const DemoModel& m_;
    Rng rng_;
    std::vector<Position> pos_;

    DocumentRows rows_;
    Table atk_{"ATK"};
    TDatenfeld &aMandant = atk_.F("MANDANT"), &aPhase = atk_.F("PHASE"), &aParty1 = atk_.F("PARTEI1"),
               &aParty2 = atk_.F("PARTEI2"), &aRnr = atk_.F("RNR"), &aLnr = atk_.F("LNR"),
               &aNr1 = atk_.F("NR1"), &aNr2 = atk_.F("NR2"), &aBelegLnr = atk_.F("BELEGLNR"),
               &aBelegRnr = atk_.F("BELEGRNR"), &aDate = atk_.F("DATUM");
};

void SalesWriter::Document(int32_t index) {
    const PlannedDoc& d = m_.docs[size_t(index)];
    const TIntPair mandant = m_.MandantOfBranch(d.branch);
    const TIntPair customer = m_.customers[size_t(d.customer)].key;
    GeneratePositions(m_, index, pos_, rng_);
    int64_t total = 0;
    for (const auto& p : pos_) total += p.ist;
    Positions(index, d, mandant);

    if (d.kind == DocKind::Transaction) {
        Transaction(d, mandant, customer, total);
        return;
    }
    ++counts.documents;
    rows_.Index(Head(d, mandant, customer), total);
    if (d.kind != DocKind::Receipt && d.kind != DocKind::Invoice) return;

    Payments(d, mandant, total);
    const bool named = !m_.customers[size_t(d.customer)].anonymous;
    if (d.kind == DocKind::Invoice && total > 0) {
        const int64_t paid = d.flags & kUnpaid ? 0 : d.flags & kPartlyPaid ? total / 3 : total;
        OpenItem(d, mandant, customer, d.flags & kCredit ? kOpCredit : kOpInvoice, paid < total,
                 total, paid);
    }
    if (named && total < 0 && d.kind == DocKind::Invoice)
        OpenItem(d, mandant, customer, kOpCreditNote, rng_.Percent(50), 0, -total);
    if (d.flags & kSellsVoucher)
        OpenItem(d, mandant, customer, kOpVoucher, !(d.flags & (kVoucherRedeemed | kRedeemsOwn)), 0,
                 int64_t(d.voucherValue) * 100, pos_.back().posnr);
}

DocumentHead SalesWriter::Head(const PlannedDoc& d, TIntPair mandant, TIntPair customer) const {
    DocumentHead h;
    h.mandant = mandant;
    h.customer = customer;
    h.kind = KindCode(d.kind);
    h.branch = d.branch;
    h.lnr = d.lnr;
    h.number = d.number;
    h.date = d.day + pos_.front().time;
    return h;
}

void SalesWriter::Positions(int32_t /*index*/, const PlannedDoc& d, TIntPair mandant) {
    const DocumentHead head = Head(d, mandant, {});
    PositionRow row;
    for (const auto& p : pos_) {
        row.posnr = p.posnr;
        row.kind = p.kind;
        row.article = p.article;
        row.size = p.size;
        row.vkkz = p.vkkz;
        row.ist = p.ist;
        row.soll = p.soll;
        row.redSoll = p.redSoll;
        row.discount = p.discount;
        row.quantity = p.quantity;
        row.date = d.day + p.time;
        // Bonus marks come with the bonuses, which are booked after the sales.
        rows_.Position(head, row);
        ++counts.positions;
    }
}

void SalesWriter::Payments(const PlannedDoc& d, TIntPair mandant, int64_t total) {
    rows_.StartDocument();
    int64_t goods = total;
    if (d.flags & kSellsVoucher) {
        goods -= int64_t(d.voucherValue) * 100;
        Ledger(d, mandant, kVoucherAccount, int64_t(d.voucherValue) * 100);
    }
    Ledger(d, mandant, kRevenueAccount, goods);
    if (total <= 0) {  // returns: money paid out
        if (total < 0) Payment(d, mandant, kCash, total);
        return;
    }
    if (d.kind == DocKind::Invoice) {
        Payment(d, mandant, kOnAccount, total);
        return;
    }
    int64_t rest = total;
    if (d.flags & kRedeemsOwn) {
        // Voucher sold and used in the same document: no redemption for the evaluation.
        const int64_t v = int64_t(d.voucherValue) * 100;
        Payment(d, mandant, kVoucher, v, VoucherOf(d).ToString());
        rest -= v;
    } else if (d.flags & kRedeemsVoucher) {
        const bool partner = d.redeemFrom < 0;
        const int64_t value = partner ? 2500 : int64_t(m_.docs[size_t(d.redeemFrom)].voucherValue) * 100;
        const std::string number = partner ? TIntPair(900 + int(rng_.Below(9)), rng_.Range(1, 99999)).ToString()
                                           : VoucherOf(m_.docs[size_t(d.redeemFrom)]).ToString();
        const int64_t used = std::min(value, rest);
        Payment(d, mandant, partner ? kPartnerVoucher : kVoucher, used, number);
        rest -= used;
    }
    if (rest <= 0) return;
    const int r = int(rng_.Below(100));
    if (r < 10 && rest > 2000) {  // split: part cash, rest by card
        const int64_t cash = rest / 2000 * 1000;
        Payment(d, mandant, kCash, cash);
        Payment(d, mandant, kDebitCard, rest - cash);
    } else {
        Payment(d, mandant, r < 55 ? kCash : r < 85 ? kDebitCard : kCreditCard, rest);
    }
}

// One payment record and its ledger booking; a negative amount is paid out (kind "S").
void SalesWriter::Payment(const PlannedDoc& d, TIntPair mandant, const PaymentCode& code,
                          int64_t cents, const std::string& voucher) {
    rows_.Payment(Head(d, mandant, {}), code.code, code.account, cents, voucher);
    ++counts.payments;
}

void SalesWriter::Ledger(const PlannedDoc& d, TIntPair mandant, const char* account, int64_t cents) {
    rows_.Ledger(Head(d, mandant, {}), account, cents);
}

void SalesWriter::OpenItem(const PlannedDoc& d, TIntPair mandant, TIntPair customer,
                           const char* table, bool open, int64_t first, int64_t second, int snr) {
    rows_.OpenItem(mandant, customer, table, open, double(d.day), first, second, d.branch, d.lnr,
                   snr, RefText(d.branch, d.number));
}

void SalesWriter::Transaction(const PlannedDoc& d, TIntPair mandant, TIntPair customer, int64_t total) {
    ++counts.transactions;
    const Phase phase = PhaseByNumber(d.phase);
    atk_.Clear();
    aMandant.SetWert(mandant);
    aPhase.SetWert(phase.code);
    // The other party: the client company (for repairs, the supplier side is the company too).
    aParty1.SetWert(phase.side == 2 ? mandant : customer);
    aParty2.SetWert(phase.side == 2 ? customer : mandant);
    aRnr.SetWert(int(d.branch));
    aLnr.SetWert(d.lnr);
    aNr1.SetWert(d.number);
    aNr2.SetWert(1);
    aBelegLnr.SetWert(int(d.branch));
    aBelegRnr.SetWert(d.number);
    aDate.SetWert(d.day + pos_.front().time);
    atk_.Insert();
    switch (d.phase) {
        case 13: if (rng_.Percent(50)) OpenItem(d, mandant, customer, kOpDeposit, true, 0, total / 5); break;
        case 16: OpenItem(d, mandant, customer, kOpDeposit, false, 0, total / 5); break;
        case 14: OpenItem(d, mandant, customer, kOpApproval, true, total, 0); break;
        case 15: OpenItem(d, mandant, customer, kOpApproval, false, total, total); break;
        case 17: OpenItem(d, mandant, customer, kOpReservation, true, total, 0); break;
        case 18: OpenItem(d, mandant, customer, kOpReservation, false, total, total); break;
        case 29: OpenItem(d, mandant, customer, kOpDeposit, true, 0, total / 4); break;
        default: break;
    }
}

void SalesWriter::DayClosing(TIntPair mandant, int branch, int day, int first, int last) {
    rows_.DayClosing(mandant, branch, day, first, last);
}

}  // namespace

SalesCounts WriteSales(const DemoModel& m, int bookingType,
                       const std::function<void(int64_t, int64_t)>& progress) {
    SalesWriter w(m);
    const int64_t n = int64_t(m.docs.size());
    int64_t i = 0;
    while (i < n) {
        kis::store::BookingScope booking(bookingType);
        const int64_t end = std::min(n, i + m.size.batchDocuments);
        // Batches end at a day boundary, so each day closing is written with its documents.
        int64_t stop = end;
        while (stop < n && m.docs[size_t(stop)].day == m.docs[size_t(stop - 1)].day) ++stop;
        for (int64_t k = i; k < stop;) {
            // One block = the documents of one branch on one day (the plan keeps them together).
            const PlannedDoc& head = m.docs[size_t(k)];
            int64_t e = k;
            while (e < stop && m.docs[size_t(e)].day == head.day && m.docs[size_t(e)].branch == head.branch)
                w.Document(int32_t(e++));
            // Today's closing is still open: last number 0.
            w.DayClosing(m.MandantOfBranch(head.branch), head.branch, head.day, head.lnr,
                         head.day == m.today ? 0 : m.docs[size_t(e - 1)].lnr);
            k = e;
        }
        booking.Commit();
        i = stop;
        if (progress) progress(i, n);
    }
    return w.counts;
}

}  // namespace kis::demo
