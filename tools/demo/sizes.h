#pragma once
// The demo database sizes: how many customers, documents and master records each one has.
#include <optional>
#include <string>

namespace kis::demo {

struct DemoSize {
    std::string name;
    int customers;        // business partners in the customer list
    int documents;        // target of index documents of all kinds (about)
    int articles;
    int suppliers;
    int branches1;        // branches of client company 1
    int branches2;        // branches of client company 2
    int bonusPercent;     // share of eligible customers that get bonuses
    int batchDocuments;   // documents per booking while writing sales
};

// The profile of a size name ("tiny", "small", "medium", "large"); none for an unknown name.
std::optional<DemoSize> FindSize(const std::string& name);

}  // namespace kis::demo
