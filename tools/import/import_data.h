#pragma once
// What one import run has read and checked, before anything is written: master records,
// documents with their positions and payments, open items, the error list and counts.
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

namespace kis::import {

struct ImportError {
    std::string file;
    int64_t line = 0;     // 0: the file as a whole
    std::string column;   // empty: the line as a whole
    std::string text;
};

// Collects errors; after kMaxReported it only counts them.
class ErrorList {
public:
    static constexpr size_t kMaxReported = 100;
    void Add(const std::string& file, int64_t line, const std::string& column, const std::string& text);
    bool Empty() const { return total_ == 0; }
    int64_t Total() const { return total_; }
    const std::vector<ImportError>& Reported() const { return errors_; }
    // "file, Zeile 12, Spalte \"date\": text"
    static std::string Format(const ImportError& e);

private:
    std::vector<ImportError> errors_;
    int64_t total_ = 0;
};

struct BranchRecord {
    int nr = 0;
    std::string name;
};

struct SupplierRecord {
    int nr = 0;
    std::string shortName, name;
};

struct ArticleRecord {
    TInt32Trio nr;
    std::string text, code, season, variant;
    std::array<std::string, 6> attributes;
    int supplier = 0, seasonYear = 0, group = 0;
    bool passive = false;
    int64_t priceCents = 0;
};

struct CustomerRecord {
    TIntPair nr;
    std::string salutation, name, name2, firstName, searchName, street, zip, city, country = "D",
        phone, email, sex, status = "A";
    TDateTime birthday = 0, created = 0;
    bool advertising = false, letters = false;
    int group = 0, branch = 0;
    bool listOnly = false;  // partner exists already: only the customer-list row is missing
};

struct PositionRecord {
    TInt32Trio article;
    int64_t ist = 0, soll = 0, discount = 0;  // cents
    TDateTime date = 0;
    int32_t quantity = 0;
    int16_t size = 0;
    char kind[3] = "A9";
};

struct PaymentRecord {
    const char* code;
    const char* account;
    int64_t cents;
    std::string voucher;
};

struct DocumentRecord {
    TIntPair customer;
    TDateTime date = 0;
    int64_t totalCents = 0;
    std::vector<PositionRecord> positions;
    std::vector<PaymentRecord> payments;
    int32_t branch = 0, number = 0, lnr = 0;
    int64_t line = 0;  // first line of the document in its file
    char kind[3] = "BO";
};

struct OpenItemRecord {
    TIntPair customer;
    std::string table, refText;
    bool open = true;
    TDateTime date = 0;
    int64_t first = 0, second = 0;
    int rnr = 0, lnr = 0, snr = 0;
    int32_t document = -1;  // index of a document of this run; its LNR is known only when written
};

// Key of a document: kind, branch and number.
struct DocumentKey {
    char kind[3];
    int32_t branch, number;
    bool operator==(const DocumentKey& o) const {
        return kind[0] == o.kind[0] && kind[1] == o.kind[1] && branch == o.branch && number == o.number;
    }
};
struct DocumentKeyHash {
    size_t operator()(const DocumentKey& k) const {
        return std::hash<uint64_t>{}((uint64_t(uint32_t(k.number)) << 32) ^
                                     (uint64_t(uint32_t(k.branch)) << 16) ^ uint64_t(k.kind[0] * 31 + k.kind[1]));
    }
};

struct ImportCounts {
    int64_t lines = 0;
    int64_t anonymousRows = 0;     // rows without a customer number
    int64_t anonymousImported = 0;  // of those, imported under the --anonymous customer
    int64_t createdCustomers = 0;
    int64_t createdArticles = 0;
    int64_t positions = 0;
};

struct ImportData {
    std::vector<BranchRecord> branches;
    std::vector<SupplierRecord> suppliers;
    std::vector<ArticleRecord> articles;
    std::vector<CustomerRecord> customers;
    std::vector<DocumentRecord> documents;
    std::unordered_map<DocumentKey, int32_t, DocumentKeyHash> documentIndex;
    std::vector<OpenItemRecord> openItems;
    ImportCounts counts;
};

}  // namespace kis::import
