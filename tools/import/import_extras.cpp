// Payments and open items of an import, and the checks and numbering once all files are read.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "catalog.h"
#include "document_rows.h"
#include "import_run.h"
#include "values.h"

namespace kis::import {

namespace {

using namespace kis::suitedata;

std::string Euros(int64_t cents) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%lld,%02lld", cents < 0 ? "-" : "", std::llabs(cents) / 100,
                  std::llabs(cents) % 100);
    return buf;
}

// Payment means of the payments file and the code and account each books to.
const std::map<std::string, PaymentCode>& PaymentMeans() {
    static const std::map<std::string, PaymentCode> means = {
        {"BAR", kCash},           {"EC", kDebitCard},     {"KREDIT", kCreditCard},
        {"RECHNUNG", kOnAccount}, {"GUTSCHEIN", kVoucher}, {"PARTNERGS", kPartnerVoucher}};
    return means;
}

const char* const kOpenItemTables[] = {kOpInvoice, kOpVoucher,     kOpCreditNote, kOpCredit,
                                       kOpApproval, kOpReservation, kOpDeposit};

}  // namespace

void ImportRun::ReadPayments(const std::string& path) {
    ++fileNo_;
    paymentsFile_ = path;
    paymentLine_.resize(data.documents.size(), 0);
    RowReader r(path, errors);
    if (!r.Open({"receipt", "means", "amount"})) return;
    while (r.Next()) {
        bool ok = true;
        const std::string kind = r.Get("kind").empty() ? "BO" : r.Get("kind");
        int branch = 0;
        ok = BranchOk(r, "branch", branch) && ok;
        int64_t number = 0;
        if (!ParseWhole(r.Get("receipt"), number) || number <= 0 || number > 2147483647) {
            r.Error("receipt", "\"" + r.Get("receipt") + "\" ist keine Belegnummer.");
            ok = false;
        }
        const auto means = PaymentMeans().find(r.Get("means"));
        if (means == PaymentMeans().end()) {
            r.Error("means", "Zahlungsmittel \"" + r.Get("means") +
                                 "\" ist unbekannt (BAR, EC, KREDIT, RECHNUNG, GUTSCHEIN, PARTNERGS).");
            ok = false;
        }
        int64_t cents = 0;
        ok = Amount(r, "amount", 0, cents, true) && ok;
        if (!ok) continue;
        const DocumentKey key{{kind.size() == 2 ? kind[0] : '?', kind.size() == 2 ? kind[1] : '?', 0},
                              branch, int32_t(number)};
        const auto it = data.documentIndex.find(key);
        if (it == data.documentIndex.end()) {
            r.Error("receipt", "Beleg " + kind + " " + std::to_string(branch) + "/" + std::to_string(number) +
                                   " wird mit diesem Import nicht eingelesen.");
            continue;
        }
        DocumentRecord& d = data.documents[size_t(it->second)];
        if (std::string(d.kind) != "BO" && std::string(d.kind) != "RG") {
            r.Error("kind", "Nur Bons und Rechnungen haben Zahlungen.");
            continue;
        }
        if (paymentLine_[size_t(it->second)] == 0) paymentLine_[size_t(it->second)] = r.Line();
        d.payments.push_back({means->second.code, means->second.account, cents, r.Get("voucher")});
    }
}

void ImportRun::ReadOpenItems(const std::string& path) {
    ++fileNo_;
    RowReader r(path, errors);
    if (!r.Open({"customer", "table", "date", "amount1"})) return;
    while (r.Next()) {
        OpenItemRecord o;
        bool ok = true;
        const std::string customer = r.Get("customer");
        if (!ParseCustomerNumber(customer, o.customer)) {
            r.Error("customer", "\"" + customer + "\" ist keine Kundennummer.");
            ok = false;
        } else if (!CustomerKnown(o.customer)) {
            r.Error("customer", "Kunde " + o.customer.ToString() + " ist unbekannt.");
            ok = false;
        }
        o.table = r.Get("table");
        if (std::find_if(std::begin(kOpenItemTables), std::end(kOpenItemTables),
                         [&](const char* t) { return o.table == t; }) == std::end(kOpenItemTables)) {
            r.Error("table", "Tabelle \"" + o.table + "\" ist unbekannt.");
            ok = false;
        }
        const std::string status = r.Get("status").empty() ? "O" : r.Get("status");
        if (status != "O" && status != "A") {
            r.Error("status", "Status muss O (offen) oder A (ausgeglichen) sein.");
            ok = false;
        }
        o.open = status == "O";
        ok = Date(r, "date", "", o.date, true) && ok;
        o.date = kis::date::DateOf(o.date);
        ok = Amount(r, "amount1", 0, o.first, true) && ok;
        ok = Amount(r, "amount2", 0, o.second, false) && ok;
        if (!r.Get("snr").empty()) {
            int64_t snr = 0;
            if (!ParseWhole(r.Get("snr"), snr) || snr < 0 || snr > 9999) {
                r.Error("snr", "\"" + r.Get("snr") + "\" ist keine Positionsnummer.");
                ok = false;
            }
            o.snr = int(snr);
        }
        if (!r.Get("receipt").empty()) {
            const std::string kind = r.Get("kind").empty() ? "BO" : r.Get("kind");
            int branch = 0;
            int64_t number = 0;
            ok = BranchOk(r, "branch", branch) && ok;
            if (!ParseWhole(r.Get("receipt"), number) || number <= 0 || number > 2147483647) {
                r.Error("receipt", "\"" + r.Get("receipt") + "\" ist keine Belegnummer.");
                ok = false;
            } else if (ok) {
                o.rnr = branch;
                o.refText = RefText(branch, int(number));
                const DocumentKey key{{kind.size() == 2 ? kind[0] : '?', kind.size() == 2 ? kind[1] : '?', 0},
                                      branch, int32_t(number)};
                const auto it = data.documentIndex.find(key);
                if (it != data.documentIndex.end()) {
                    o.document = it->second;
                } else if (!db_.FindDocument(kind, branch, int(number), o.rnr, o.lnr)) {
                    r.Error("receipt", "Beleg " + kind + " " + std::to_string(branch) + "/" +
                                           std::to_string(number) + " ist unbekannt.");
                    ok = false;
                }
            }
        }
        if (ok) data.openItems.push_back(std::move(o));
    }
}

void ImportRun::Finish() {
    // Payments given for a document must add up to its sum; documents without payment rows
    // are booked as paid in cash (receipts) or on account (invoices).
    paymentLine_.resize(data.documents.size(), 0);
    for (size_t i = 0; i < data.documents.size(); ++i) {
        const DocumentRecord& d = data.documents[i];
        if (d.payments.empty()) continue;
        int64_t paid = 0;
        for (const auto& p : d.payments) paid += p.cents;
        if (paid != d.totalCents)
            errors.Add(paymentsFile_, paymentLine_[i], "amount",
                       "Die Zahlungen zu Beleg " + std::string(d.kind) + " " + std::to_string(d.branch) + "/" +
                           std::to_string(d.number) + " ergeben " + Euros(paid) + ", die Positionen " +
                           Euros(d.totalCents) + ".");
    }
    // Running numbers per branch in date order (file order on the same date), after the last
    // number the branch has, so the day-closing ranges stay ascending.
    std::vector<int32_t> order(data.documents.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = int32_t(i);
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        const DocumentRecord &x = data.documents[size_t(a)], &y = data.documents[size_t(b)];
        if (x.branch != y.branch) return x.branch < y.branch;
        return x.date < y.date;
    });
    int branch = -1;
    int32_t lnr = 0;
    for (int32_t i : order) {
        DocumentRecord& d = data.documents[size_t(i)];
        if (d.branch != branch) {
            branch = d.branch;
            lnr = db_.LastLnr(branch);
        }
        d.lnr = ++lnr;
    }
}

}  // namespace kis::import
