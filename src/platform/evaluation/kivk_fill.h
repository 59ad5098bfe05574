#pragma once
// The fill runs over the sales detail file: one pass in the order of its main index, and the
// supplier or attribute columns of a record set by its row id. Only those columns change, so
// the pass is not disturbed by its own updates.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/keys.h"
#include "platform/store/statement.h"

namespace kis::store {
class Database;
}

class TKivkFuellLauf {
public:
    explicit TKivkFuellLauf(std::shared_ptr<kis::store::Database> kivk);
    ~TKivkFuellLauf();
    // The next record: its row id and article key; false at the end.
    bool Next(int64_t& rowid, TInt32Trio& artikel);
    void SetLieferant(int64_t rowid, const std::string& liefName, const std::string& liefArt);
    void SetMerkmale(int64_t rowid, const std::array<std::string, 6>& merkmale);

private:
    std::shared_ptr<kis::store::Database> db_;
    kis::store::Statement lesen_, lief_, merkmale_;
};
