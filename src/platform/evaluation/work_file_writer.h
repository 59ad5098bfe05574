#pragma once
// Fast writes into the two work files of an evaluation run through statements prepared once
// per run. The connections are those of the record files bound to the work files, so the
// writes take part in their manual-commit batches: Commit on the record file commits them.
#include <cstdint>
#include <memory>

#include "platform/evaluation/kivk_insert.h"
#include "platform/evaluation/work_records.h"
#include "platform/store/statement.h"

namespace kis::store {
class Database;
}

class TKIWorkFiles {
public:
    TKIWorkFiles(std::shared_ptr<kis::store::Database> kisu,
                 std::shared_ptr<kis::store::Database> kivk);
    ~TKIWorkFiles();
    TKIWorkFiles(const TKIWorkFiles&) = delete;
    TKIWorkFiles& operator=(const TKIWorkFiles&) = delete;

    // Appends a record; returns its row id.
    int64_t InsertKisu(const TKisuSatz& s);
    // Overwrites the four sums of the record with this row id.
    void UpdateKisuSummen(int64_t rowid, const TKisuSatz& s);

    int64_t InsertKivk(const TKivkSatz& s);
    // Appends n records with as few statements as possible (kMehrfach rows per statement).
    // Records with their own row ids may be written in another order than given.
    void InsertKivkMehrere(const TKivkSatz* s, size_t n);
    // Commits both files and opens their next batch.
    void Commit();
    // Overwrites ISTVK, SOLLVK and MENGE of the record with this row id.
    void UpdateKivkSummen(int64_t rowid, long double istVk, long double sollVk, int32_t menge);
    // Deletes the customer's records of one document whose kind lies in [artVon, artBis]
    // (texts compared as the file compares them).
    void DeleteBelegRecords(const TIntPair& kunde, int32_t rnr, int32_t lnr,
                            const char* artVon, const char* artBis);
    // Deletes the customer's records of one document except the document record ("NR").
    void DeleteBelegPositionen(const TIntPair& kunde, int32_t rnr, int32_t lnr);
    // Deletes the customer's records of one document, the document record included.
    void DeleteBeleg(const TIntPair& kunde, int32_t rnr, int32_t lnr);
    // Deletes every record of the customer.
    void DeleteKunde(const TIntPair& kunde);

    static constexpr int kMehrfach = 32;

private:
    std::shared_ptr<kis::store::Database> kisu_;
    std::shared_ptr<kis::store::Database> kivk_;
    kis::store::Statement insKisu_, updKisu_, updKivk_, delBelegArt_, delBelegPos_, delBeleg_,
        delKunde_;
    // One single-row and one multi-row insert per record form (see kivk_insert.h).
    kis::store::Statement insKivk_[kKivkFormen], insKivkMehrfach_[kKivkFormen];
};
