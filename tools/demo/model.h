#pragma once
// The in-memory plan of a demo database: master data the sales refer to, and one entry per
// document. Positions are not kept: each document re-creates its positions from its own seed,
// so the bonus plan and the sales writer see the same positions without holding millions.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "document_rows.h"
#include "platform/base/keys.h"
#include "sizes.h"

namespace kis::demo {

struct Branch {
    int nr;
    TIntPair mandant;
    int anonymousCustomer;  // index of the branch's anonymous cash customer
};

struct Article {
    TInt32Trio nr;
    int64_t priceCents;
    int group;  // article group; decides the size range
};

struct Customer {
    TIntPair key;
    bool inMandant1 = false;
    bool inMandant2 = false;
    bool anonymous = false;
    bool passive = false;
    int homeBranch = 0;
    double weight = 0;  // share of the documents this customer gets
};

enum class DocKind : uint8_t { Receipt, Invoice, DeliveryNote, Quote, Transaction };

enum DocFlag : uint8_t {
    kReturn = 1,           // every position goes back (negative quantity and value)
    kSellsVoucher = 2,     // the last position sells a voucher
    kVoucherRedeemed = 4,  // the voucher sold here is redeemed later
    kRedeemsVoucher = 8,   // pays with a voucher sold earlier (redeemFrom) or a partner voucher
    kRedeemsOwn = 16,      // pays with the voucher sold in the same document
    kUnpaid = 32,          // invoice still open
    kPartlyPaid = 64,      // invoice partly paid
    kCredit = 128,         // invoice on instalment credit
};

struct PlannedDoc {
    int32_t customer;
    int32_t day;         // days since 1899-12-30
    int32_t lnr;         // running number within the branch
    int32_t number;      // receipt / invoice / transaction number (BELEGRNR)
    int32_t redeemFrom;  // document that sold the redeemed voucher; -1 none or partner voucher
    int16_t branch;      // branch number (= RNR = BELEGLNR)
    DocKind kind;
    uint8_t flags;
    uint8_t phase;         // phase number of an open transaction
    uint8_t voucherValue;  // euros of the voucher sold here
};

struct Position {
    int posnr;
    const char* kind;  // "A9", "SO", "RS", "GS"
    TInt32Trio article;
    int size;
    const char* vkkz;  // "0" sale, "1" return, "2" cancellation
    int64_t ist, soll, redSoll, discount;  // cents
    int quantity;
    double time;  // fraction of the day
};

struct DemoModel {
    DemoSize size;
    uint64_t seed = 0;
    int today = 0;     // days since 1899-12-30
    int firstDay = 0;  // first sales day
    std::vector<Branch> branches;
    std::vector<Article> articles;
    std::vector<Customer> customers;
    std::vector<PlannedDoc> docs;
    // Documents of each customer in date order: docsOf[custStart[c] .. custStart[c + 1]).
    std::vector<int32_t> custStart, docsOf;

    const Branch& BranchByNr(int nr) const;
    TIntPair MandantOfBranch(int nr) const { return BranchByNr(nr).mandant; }
};

// The voucher sold in a document: (branch, running number of the document).
inline TIntPair VoucherOf(const PlannedDoc& d) { return {d.branch, d.lnr}; }

}  // namespace kis::demo
