#pragma once
// Reads and checks the files of one import against the suite database, without writing:
// every row becomes a record of ImportData or an error with file, line and column. Kinds are
// read in dependency order (branches, suppliers, articles, customers, documents and sales,
// payments, open items), so each may refer to what the earlier ones bring.
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "column_map.h"
#include "import_data.h"
#include "suite_lookup.h"

namespace kis::import {

class RowReader;

class ImportRun {
public:
    // progress(file, bytes read, file size) while a large file is read.
    using Progress = std::function<void(const std::string&, int64_t, int64_t)>;

    ImportRun(const SuiteLookup& db, const TIntPair& mandant, std::optional<TIntPair> anonymous,
              Progress progress = {});

    void ReadBranches(const std::string& path);
    void ReadSuppliers(const std::string& path);
    void ReadArticles(const std::string& path);
    void ReadCustomers(const std::string& path);
    // Documents in our layout (`foreign` false: customers and articles must exist) or a flat
    // sales export (`foreign` true: missing customers and articles are created, article
    // values are external codes), optionally through a column mapping.
    void ReadDocuments(const std::string& path, bool foreign, const ColumnMapping* mapping);
    void ReadPayments(const std::string& path);
    void ReadOpenItems(const std::string& path);
    // Checks across files (payments against document sums) and numbers the documents of each
    // branch in date order after the branch's last running number.
    void Finish();

    ErrorList errors;
    ImportData data;

private:
    bool BranchOk(RowReader& r, const std::string& field, int& branch);
    bool CustomerKnown(const TIntPair& nr) const;
    bool ResolveArticle(RowReader& r, bool foreign, TInt32Trio& nr);
    void CreateCustomer(const TIntPair& nr, const std::string& name, int branch, TDateTime date);
    int DefaultBranch() const;
    bool LineAmounts(RowReader& r, int64_t quantity, bool cancellation, bool byAmount, char decimal,
                     PositionRecord& p);
    void AddPosition(RowReader& r, int file, const std::string& kind, int branch, int32_t number,
                     bool cancellation, const TIntPair& customer, const PositionRecord& p);
    bool Amount(RowReader& r, const std::string& field, char decimal, int64_t& cents, bool required);
    bool Date(RowReader& r, const std::string& field, const std::string& format, TDateTime& out,
              bool required);

    const SuiteLookup& db_;
    TIntPair mandant_;
    std::optional<TIntPair> anonymous_;
    Progress progress_;
    int fileNo_ = 0;
    std::unordered_map<int, TIntPair> branches_;  // database and this run
    std::unordered_set<int> suppliers_;
    std::unordered_set<TIntPair> customers_;      // customers of this run
    std::unordered_set<TInt32Trio> articles_;     // articles of this run
    std::unordered_map<std::string, TInt32Trio> codes_;  // external codes of this run
    int32_t nextArticle_ = 0;
    std::vector<int> documentFile_;                // file number of each document
    std::vector<int64_t> paymentLine_;             // first payment line of each document
    std::unordered_set<int32_t> cancellations_;    // documents read as cancellations
    std::string paymentsFile_;
    std::unordered_set<DocumentKey, DocumentKeyHash> reportedDuplicates_;
};

}  // namespace kis::import
