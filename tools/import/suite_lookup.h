#pragma once
// What the suite database already holds that an import refers to or must not repeat:
// branches, suppliers, customers, articles (by number and by external code), documents and
// the highest running number of each branch. Read once through the record files.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/base/keys.h"

namespace kis::import {

class SuiteLookup {
public:
    // Reads the master data; `mandant` is the client company the import books for.
    void Load(const TIntPair& mandant);

    // Branch number -> client company it belongs to.
    const std::unordered_map<int, TIntPair>& Branches() const { return branches_; }
    bool HasSupplier(int nr) const { return suppliers_.count(nr) != 0; }
    bool HasPartner(const TIntPair& nr) const { return partners_.count(nr) != 0; }
    bool IsCustomerOfMandant(const TIntPair& nr) const { return customers_.count(nr) != 0; }
    bool HasArticle(const TInt32Trio& nr) const { return articles_.count(nr) != 0; }
    // The article that carries this external code; null trio when none.
    TInt32Trio ArticleByCode(const std::string& code) const;
    // Highest middle number of article numbers 0/n/0 (numbers the importer gives).
    int32_t LastImportedArticle() const { return lastImportedArticle_; }
    // Highest running number of a branch over documents and open transactions.
    int32_t LastLnr(int branch) const;
    // Whether a document with this kind, branch and number is in the database; its (RNR, LNR).
    bool FindDocument(const std::string& kind, int branch, int number, int& rnr, int& lnr) const;

private:
    static std::string DocKey(const std::string& kind, int branch, int number);

    std::unordered_map<std::string, TIntPair> documents_;  // -> (RNR, LNR)
    std::unordered_map<int, TIntPair> branches_;
    std::unordered_set<int> suppliers_;
    std::unordered_set<TIntPair> partners_, customers_;
    std::unordered_set<TInt32Trio> articles_;
    std::unordered_map<std::string, TInt32Trio> articleCodes_;
    std::unordered_map<int, int32_t> lastLnr_;
    int32_t lastImportedArticle_ = 0;
};

}  // namespace kis::import
