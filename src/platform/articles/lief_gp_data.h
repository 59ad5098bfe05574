#pragma once
// Supplier data: supplier number → short name and name. Shared instance
// (GlobLiefGPData_GetInstance / GlobLiefGPData_ReleaseInstance). With short-name upkeep on,
// all short names are held in memory (read once; a supplier not yet held is read on demand),
// and a supplier without a short name gets one made from its name.
#include <cstdint>
#include <string>
#include <unordered_map>

class TLiefGPData {
public:
    void SetKurznamenPflege(bool on);
    bool KurznamenPflege() const { return pflege_; }
    // Short name; empty when the supplier does not exist.
    std::string Kurzname(int32_t nr);
    std::string Name(int32_t nr);
    bool Exists(int32_t nr);
    // Forgets what was read.
    void Clear();

private:
    struct Lief {
        std::string kurz;
        std::string name;
        bool found = false;
    };
    const Lief& Get(int32_t nr);
    static std::string KurzAusName(const std::string& name);

    bool pflege_ = false;
    bool alleGeladen_ = false;
    const void* db_ = nullptr;
    std::unordered_map<int32_t, Lief> map_;
};

TLiefGPData* GlobLiefGPData_GetInstance();
void GlobLiefGPData_ReleaseInstance();
