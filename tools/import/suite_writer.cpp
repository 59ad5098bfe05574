#include "suite_writer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog.h"
#include "document_rows.h"
#include "suite_basics.h"
#include "table.h"

namespace kis::import {

namespace {

using namespace kis::suitedata;

void WriteMasterRecords(const ImportData& data, const TIntPair& mandant) {
    Table branches("FILIALE");
    for (const auto& b : data.branches) {
        branches.Clear();
        branches.F("MANDANT").SetWert(mandant);
        branches.F("NR").SetWert(b.nr);
        branches.F("BEZEICHNUNG").SetWert(b.name);
        branches.Insert();
    }
    Table suppliers("LIEFERANT");
    for (const auto& s : data.suppliers) {
        suppliers.Clear();
        suppliers.F("NR").SetWert(s.nr);
        suppliers.F("KURZNAME").SetWert(s.shortName);
        suppliers.F("NAME").SetWert(s.name);
        suppliers.Insert();
    }
    Table articles("ARTIKEL");
    for (const auto& a : data.articles) {
        articles.Clear();
        articles.F("ARTIKELNR").SetWert(a.nr);
        articles.F("BEZEICHNUNG").SetWert(a.text);
        articles.F("LIEFERANT").SetWert(a.supplier);
        articles.F("LIEFARTNR").SetWert(a.code);
        articles.F("SAISON").SetWert(a.season);
        articles.F("SAISONJAHR").SetWert(a.seasonYear);
        for (int k = 0; k < 6; ++k)
            articles.F("MERKMAL" + std::to_string(k + 1)).SetWert(a.attributes[size_t(k)]);
        articles.F("VARIANTE").SetWert(a.variant);
        articles.F("PASSIV").SetWert(a.passive);
        articles.F("VK").SetWert(Euro(a.priceCents));
        articles.F("WARENGRUPPE").SetWert(a.group);
        articles.Insert();
    }
    Table gep("GEP"), kuli("KULI");
    for (const auto& c : data.customers) {
        if (!c.listOnly) {
            gep.Clear();
            gep.F("GEPNR").SetWert(c.nr);
            gep.F("MANDANT").SetWert(mandant);
            gep.F("ANREDE").SetWert(c.salutation);
            gep.F("NAME").SetWert(c.name);
            gep.F("NAME2").SetWert(c.name2);
            gep.F("VORNAME").SetWert(c.firstName);
            gep.F("SUCHNAME").SetWert(c.searchName);
            gep.F("STRASSE").SetWert(c.street);
            gep.F("PLZ").SetWert(c.zip);
            gep.F("ORT").SetWert(c.city);
            gep.F("LAND").SetWert(c.country);
            gep.F("TELEFON").SetWert(c.phone);
            gep.F("EMAIL").SetWert(c.email);
            gep.F("GEBURTSTAG").SetWert(c.birthday);
            gep.F("GESCHLECHT").SetWert(c.sex);
            gep.F("STATUS").SetWert(c.status);
            gep.F("WERBUNG").SetWert(c.advertising);
            gep.F("SERIENBRIEF").SetWert(c.letters);
            gep.F("KUNDENGRUPPE").SetWert(c.group);
            gep.F("FILIALE").SetWert(c.branch);
            gep.F("ANLAGEDATUM").SetWert(c.created);
            gep.Insert();
        }
        kuli.Clear();
        kuli.F("KUNDE").SetWert(c.nr);
        kuli.F("MANDANT").SetWert(mandant);
        kuli.F("ART").SetWert("B");
        kuli.Insert();
    }
}

// Ledger bookings and payments of a receipt or invoice, as the point of sale books them.
void WritePayments(DocumentRows& rows, const DocumentHead& head, const DocumentRecord& d) {
    rows.StartDocument();
    int64_t vouchers = 0;
    for (const auto& p : d.positions)
        if (p.kind[0] == 'G') vouchers += p.ist;
    if (vouchers != 0) rows.Ledger(head, kVoucherAccount, vouchers);
    rows.Ledger(head, kRevenueAccount, d.totalCents - vouchers);
    if (!d.payments.empty()) {
        for (const auto& p : d.payments) rows.Payment(head, p.code, p.account, p.cents, p.voucher);
        return;
    }
    if (d.totalCents < 0) rows.Payment(head, kCash.code, kCash.account, d.totalCents);
    else if (d.totalCents > 0 && head.kind[0] == 'R')
        rows.Payment(head, kOnAccount.code, kOnAccount.account, d.totalCents);
    else if (d.totalCents > 0)
        rows.Payment(head, kCash.code, kCash.account, d.totalCents);
}

}  // namespace

void WriteNewSuite(const TIntPair& mandant, const std::string& designation, bool defaultBranch) {
    Table t("MANDANT");
    t.Clear();
    t.F("NR").SetWert(mandant);
    t.F("BEZEICHNUNG").SetWert(designation);
    t.F("NAME").SetWert(designation);
    t.F("WAEHRUNG").SetWert("EUR");
    t.F("LAND").SetWert("D");
    t.Insert();
    if (defaultBranch) {
        Table b("FILIALE");
        b.Clear();
        b.F("MANDANT").SetWert(mandant);
        b.F("NR").SetWert(1);
        b.F("BEZEICHNUNG").SetWert("Filiale 1");
        b.Insert();
    }
    WriteAccounts({mandant});
    WritePaymentMeans();
    WriteSettings();
}

void WriteImport(const ImportData& data, const TIntPair& mandant,
                 const std::function<void(int64_t, int64_t)>& progress) {
    WriteMasterRecords(data, mandant);

    // Documents in running-number order of each branch; a day closing after each day.
    std::vector<int32_t> order(data.documents.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = int32_t(i);
    std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        const DocumentRecord &x = data.documents[size_t(a)], &y = data.documents[size_t(b)];
        return x.branch != y.branch ? x.branch < y.branch : x.lnr < y.lnr;
    });
    DocumentRows rows;
    const int64_t n = int64_t(order.size());
    for (int64_t k = 0; k < n;) {
        const DocumentRecord& first = data.documents[size_t(order[size_t(k)])];
        const int day = int(std::floor(first.date));
        int64_t e = k;
        for (; e < n; ++e) {
            const DocumentRecord& d = data.documents[size_t(order[size_t(e)])];
            if (d.branch != first.branch || int(std::floor(d.date)) != day) break;
            DocumentHead head;
            head.mandant = mandant;
            head.customer = d.customer;
            head.kind = d.kind;
            head.branch = d.branch;
            head.lnr = d.lnr;
            head.number = d.number;
            head.date = d.date;
            rows.Index(head, d.totalCents);
            PositionRow p;
            int posnr = 0;
            for (const auto& pos : d.positions) {
                p.posnr = ++posnr;
                p.kind = pos.kind;
                // A sold voucher is numbered by its document: (running number, branch).
                const bool voucher = pos.kind[0] == 'G';
                p.article = voucher ? TInt32Trio(d.lnr, d.branch, 0) : pos.article;
                p.size = pos.size;
                p.vkkz = pos.quantity < 0 ? "1" : "0";
                p.ist = pos.ist;
                p.soll = p.redSoll = pos.soll;
                p.discount = pos.discount;
                p.quantity = pos.quantity;
                p.date = pos.date;
                rows.Position(head, p);
                if (voucher && pos.ist > 0)
                    rows.OpenItem(mandant, d.customer, kOpVoucher, true, std::floor(d.date), 0, pos.ist,
                                  d.branch, d.lnr, p.posnr, RefText(d.branch, d.number));
            }
            if (head.kind[0] == 'B' || head.kind[0] == 'R') WritePayments(rows, head, d);
            if (progress && e > 0 && e % 20000 == 0) progress(e, n);
        }
        const int lastLnr = data.documents[size_t(order[size_t(e - 1)])].lnr;
        rows.DayClosing(mandant, first.branch, day, first.lnr, lastLnr);
        k = e;
    }
    for (const auto& o : data.openItems) {
        const int lnr = o.document >= 0 ? data.documents[size_t(o.document)].lnr : o.lnr;
        rows.OpenItem(mandant, o.customer, o.table, o.open, o.date, o.first, o.second, o.rnr, lnr,
                      o.snr, o.refText);
    }
    if (progress) progress(n, n);
}

}  // namespace kis::import
