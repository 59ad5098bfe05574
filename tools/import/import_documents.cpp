// Documents and flat sales exports: one row per position; rows with the same kind, branch and
// receipt number form one document.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "import_run.h"
#include "values.h"

namespace kis::import {

namespace {

bool IsOneOf(const std::string& v, std::initializer_list<const char*> allowed) {
    for (const char* a : allowed)
        if (v == a) return true;
    return false;
}

}  // namespace

bool ImportRun::CustomerKnown(const TIntPair& nr) const {
    return db_.IsCustomerOfMandant(nr) || customers_.count(nr) != 0;
}

void ImportRun::CreateCustomer(const TIntPair& nr, const std::string& name, int branch,
                               TDateTime date) {
    CustomerRecord c;
    c.nr = nr;
    // A partner of another client company only needs the customer-list row.
    c.listOnly = db_.HasPartner(nr);
    c.name = name;
    c.searchName = name;
    c.branch = branch;
    c.created = kis::date::DateOf(date);
    customers_.insert(nr);
    data.customers.push_back(std::move(c));
    if (!data.customers.back().listOnly) ++data.counts.createdCustomers;
}

bool ImportRun::BranchOk(RowReader& r, const std::string& field, int& branch) {
    const std::string t = r.Get(field);
    branch = 0;
    if (!t.empty()) {
        int64_t v = 0;
        if (!ParseWhole(t, v) || v <= 0 || v > 9999) {
            r.Error(field, "\"" + t + "\" ist keine Filialnummer.");
            return false;
        }
        branch = int(v);
    } else if (r.Mapping() && r.Mapping()->branchDefault) {
        branch = r.Mapping()->branchDefault;
    } else {
        branch = DefaultBranch();
        if (branch == 0) {
            r.Error(field, "Keine Filiale angegeben, und der Mandant hat keine Filiale.");
            return false;
        }
    }
    const auto it = branches_.find(branch);
    if (it == branches_.end() || it->second != mandant_) {
        r.Error(field, "Filiale " + std::to_string(branch) + " ist unbekannt oder gehört zu einem anderen Mandanten.");
        return false;
    }
    return true;
}

bool ImportRun::ResolveArticle(RowReader& r, bool foreign, TInt32Trio& nr) {
    const std::string t = r.Get("article");
    if (t.empty()) {
        r.Error("article", "Artikel fehlt.");
        return false;
    }
    if (!foreign && t.find_first_of("-/") != std::string::npos && TInt32Trio::FromString(t, nr) &&
        (db_.HasArticle(nr) || articles_.count(nr)))
        return true;
    nr = db_.ArticleByCode(t);
    if (nr.IsDefined()) return true;
    const auto it = codes_.find(t);
    if (it != codes_.end()) {
        nr = it->second;
        return true;
    }
    if (!foreign) {
        r.Error("article", "Artikel \"" + t + "\" ist unbekannt.");
        return false;
    }
    // A foreign article code: the article is created with a number of ours.
    ArticleRecord a;
    a.nr = TInt32Trio(0, ++nextArticle_, 0);
    a.code = t;
    a.text = r.Get("description").empty() ? "Artikel " + t : r.Get("description");
    articles_.insert(a.nr);
    codes_.emplace(t, a.nr);
    nr = a.nr;
    data.articles.push_back(std::move(a));
    ++data.counts.createdArticles;
    return true;
}

// The line amount (from the unit price or mapped directly), list price and discount.
bool ImportRun::LineAmounts(RowReader& r, int64_t quantity, bool cancellation, bool byAmount,
                            char decimal, PositionRecord& p) {
    bool ok = true;
    if (byAmount) {
        int64_t amount = 0;
        if (Amount(r, "amount", decimal, amount, true)) {
            if (cancellation) amount = -std::llabs(amount);
            if (amount != 0 && quantity != 0 && (amount < 0) != (quantity < 0)) {
                r.Error("amount", "Betrag und Menge haben verschiedene Vorzeichen.");
                ok = false;
            }
            p.ist = amount;
        } else {
            ok = false;
        }
    } else {
        Decimal price;
        const std::string pText = r.Get("price");
        if (pText.empty() || !ParseDecimal(pText, decimal, price)) {
            r.Error("price", "\"" + pText + "\" ist kein Preis.");
            ok = false;
        } else if (price.units < 0) {
            r.Error("price", "Der Preis ist negativ.");
            ok = false;
        } else if (!LineCents(quantity, price, p.ist)) {
            r.Error("price", "Betrag zu groß.");
            ok = false;
        }
    }
    p.soll = p.ist;
    if (r.Has("list-price") && !r.Get("list-price").empty()) {
        Decimal list;
        if (!ParseDecimal(r.Get("list-price"), decimal, list) || list.units < 0 ||
            !LineCents(quantity, list, p.soll)) {
            r.Error("list-price", "\"" + r.Get("list-price") + "\" ist kein Preis.");
            ok = false;
        }
    }
    p.discount = p.soll - p.ist;
    return ok;
}

// Adds a checked position to its document: rows with the same kind, branch and number of one
// file form one document; a document of the database or of another file is a duplicate.
void ImportRun::AddPosition(RowReader& r, int file, const std::string& kind, int branch,
                            int32_t number, bool cancellation, const TIntPair& customer,
                            const PositionRecord& p) {
    DocumentKey key{{kind[0], kind[1], 0}, branch, int32_t(number)};
    int rnr = 0, lnr = 0;
    if (db_.FindDocument(kind, branch, int(number), rnr, lnr)) {
        if (reportedDuplicates_.insert(key).second)
            r.Error("receipt", "Beleg " + kind + " " + std::to_string(branch) + "/" +
                                   std::to_string(number) + " ist bereits in der Datenbank (doppelter Beleg).");
        return;
    }
    auto [it, added] = data.documentIndex.emplace(key, int32_t(data.documents.size()));
    if (added) {
        DocumentRecord d;
        std::memcpy(d.kind, kind.c_str(), 3);
        d.branch = branch;
        d.number = int32_t(number);
        d.customer = customer;
        d.date = p.date;
        d.line = r.Line();
        data.documents.push_back(std::move(d));
        documentFile_.push_back(file);
        if (cancellation) cancellations_.insert(it->second);
    } else {
        DocumentRecord& d = data.documents[size_t(it->second)];
        if (documentFile_[size_t(it->second)] != file) {
            if (reportedDuplicates_.insert(key).second)
                r.Error("receipt", "Beleg " + kind + " " + std::to_string(branch) + "/" +
                                       std::to_string(number) + " kommt schon in einer anderen Datei vor (doppelter Beleg).");
            return;
        }
        if (cancellations_.count(it->second) != size_t(cancellation)) {
            r.Error("receipt", "Belegnummer " + std::to_string(number) +
                                   " ist zugleich Verkauf und Storno (Zeile " + std::to_string(d.line) + ").");
            return;
        }
        if (d.customer != customer) {
            r.Error("customer", "Beleg " + std::to_string(number) + " hat in Zeile " +
                                    std::to_string(d.line) + " den Kunden " + d.customer.ToString() + ".");
            return;
        }
        if (p.date < d.date) d.date = p.date;
    }
    DocumentRecord& d = data.documents[size_t(it->second)];
    d.totalCents += p.ist;
    d.positions.push_back(p);
    ++data.counts.positions;
    if (d.positions.size() > 9999) {
        r.Error("receipt", "Beleg " + std::to_string(number) + " hat mehr als 9999 Positionen.");
        d.positions.pop_back();
    }
}

void ImportRun::ReadDocuments(const std::string& path, bool foreign, const ColumnMapping* mapping) {
    const int file = ++fileNo_;
    RowReader r(path, errors, mapping);
    const bool hasAmount = mapping && mapping->columns.count("amount");
    if (!r.Open({"receipt", "date", "article", "quantity"})) return;
    if (!r.Has("price") && !r.Has("amount")) {
        errors.Add(path, 1, "price", "Eine der Spalten \"price\" oder \"amount\" ist nötig.");
        return;
    }
    const bool byAmount = hasAmount || (!mapping && !r.Has("price"));
    const std::string format = mapping ? mapping->dateFormat : std::string();
    const char decimal = mapping ? mapping->decimal : 0;
    const std::string prefix = mapping ? mapping->cancelPrefix : std::string();
    int64_t rows = 0;
    while (r.Next()) {
        ++data.counts.lines;
        if (progress_ && ++rows % 65536 == 0) progress_(path, r.Csv().BytesRead(), r.Csv().FileSize());
        // Customer first: rows of anonymous sales are only counted unless a customer is given.
        TIntPair customer;
        const std::string customerText = r.Get("customer");
        if (customerText.empty()) {
            ++data.counts.anonymousRows;
            if (!anonymous_) continue;
            ++data.counts.anonymousImported;
            customer = *anonymous_;
        } else if (!ParseCustomerNumber(customerText, customer)) {
            r.Error("customer", "\"" + customerText + "\" ist keine Kundennummer (ganze Zahl größer 0).");
            continue;
        }
        bool ok = true;
        std::string receipt = r.Get("receipt");
        bool cancellation = false;
        if (!prefix.empty() && receipt.compare(0, prefix.size(), prefix) == 0) {
            cancellation = true;
            receipt.erase(0, prefix.size());
        }
        int64_t number = 0;
        if (receipt.empty() || receipt.find_first_not_of("0123456789") != std::string::npos ||
            !ParseWhole(receipt, number) || number <= 0 || number > std::numeric_limits<int32_t>::max()) {
            r.Error("receipt", "\"" + r.Get("receipt") + "\" ist keine Belegnummer (ganze Zahl größer 0" +
                                   (prefix.empty() ? "" : ", davor höchstens \"" + prefix + "\"") + ").");
            ok = false;
        }
        std::string kind = r.Get("kind").empty() ? "BO" : r.Get("kind");
        if (!IsOneOf(kind, {"BO", "RG", "LS", "AN"})) {
            r.Error("kind", "Belegart \"" + kind + "\" ist unbekannt (BO, RG, LS, AN).");
            ok = false;
        }
        PositionRecord p;
        const std::string type = r.Get("type").empty() ? "A9" : r.Get("type");
        if (!IsOneOf(type, {"A9", "SO", "RS", "GS"})) {
            r.Error("type", "Positionsart \"" + type + "\" ist unbekannt (A9, SO, RS, GS).");
            ok = false;
        } else {
            std::memcpy(p.kind, type.c_str(), 3);
        }
        int branch = 0;
        ok = BranchOk(r, "branch", branch) && ok;
        ok = Date(r, "date", format, p.date, true) && ok;
        int64_t quantity = 0;
        const std::string qText = r.Get("quantity");
        if (!ParseWhole(qText, quantity) || quantity == 0 || std::llabs(quantity) > 999999) {
            r.Error("quantity", "\"" + qText + "\" ist keine Menge (ganze Zahl ungleich 0).");
            ok = false;
        }
        if (cancellation) quantity = -std::llabs(quantity);
        ok = LineAmounts(r, quantity, cancellation, byAmount, decimal, p) && ok;
        int64_t size = 0;
        if (!r.Get("size").empty() && (!ParseWhole(r.Get("size"), size) || size < 0 || size > 32767)) {
            r.Error("size", "\"" + r.Get("size") + "\" ist keine Größe.");
            ok = false;
        }
        p.size = int16_t(size);
        // A sold voucher carries its voucher number in the article key, set when it is written.
        if (type != "GS") ok = ResolveArticle(r, foreign, p.article) && ok;
        if (ok && !CustomerKnown(customer)) {
            if (foreign || (anonymous_ && customer == *anonymous_)) {
                CreateCustomer(customer,
                               customerText.empty() ? "{Barverkauf}" : "Kunde " + std::to_string(customer.Lnr),
                               branch, p.date);
            } else if (db_.HasPartner(customer)) {
                CreateCustomer(customer, "", branch, p.date);
            } else {
                r.Error("customer", "Kunde " + customer.ToString() + " ist unbekannt.");
                ok = false;
            }
        }
        if (!ok) continue;
        p.quantity = int32_t(quantity);

        AddPosition(r, file, kind, branch, int32_t(number), cancellation, customer, p);
    }
    if (progress_) progress_(path, r.Csv().FileSize(), r.Csv().FileSize());
}

}  // namespace kis::import
