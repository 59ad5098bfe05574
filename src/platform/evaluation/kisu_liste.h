#pragma once
// The customer list of a result file ("KISUFILE." + process id) as the windows that work on
// it need it: its customers in key order without the totals record, and a snapshot that lets
// a new selection run add its customers to the list instead of replacing it.
#include <string>
#include <vector>

#include "platform/evaluation/work_records.h"

namespace kis::evaluation {

// The customer records of the result file in key order; the totals record (key 0/0) is left
// out. A file that does not exist yet gives an empty list.
std::vector<TKisuSatz> KisuKunden(const std::string& relativeName);

// Keeps the records of a result file across a run that rebuilds it. After a successful run,
// Anhaengen puts back the kept customers the run did not find again (each customer once) and
// adds their sums to the totals record; after a failed or stopped run, Wiederherstellen puts
// the file back as it was, so a failed append never loses the list. Each write is one
// transaction of the work file.
class TKisuAnhang {
public:
    explicit TKisuAnhang(std::string relativeName) : name_(std::move(relativeName)) {}

    void Merken();
    // Returns how many customers the run added that were not listed before.
    int Anhaengen();
    void Wiederherstellen();

    const std::vector<TKisuSatz>& Gemerkt() const { return kunden_; }

private:
    std::string name_;
    std::vector<TKisuSatz> kunden_;
    std::vector<TKisuSatz> summen_;  // the totals record (none when the file had none)
};

}  // namespace kis::evaluation
