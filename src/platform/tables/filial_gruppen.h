#pragma once
// Branch numbers as a set, and the branch groups of a client company.
#include <cstdint>
#include <string>
#include <vector>

class TFilialen {
public:
    void Clear() { nrs_.clear(); }
    void Add(int32_t nr);  // keeps the numbers sorted and unique
    bool Exists(int32_t nr) const;
    const std::vector<int32_t>& Nummern() const { return nrs_; }
    int Count() const { return int(nrs_.size()); }

private:
    std::vector<int32_t> nrs_;
};

struct TFilialGruppe {
    int32_t Nr = 0;
    std::string Bezeichnung;
    TFilialen Filialen;
};

class TFilialGruppen {
public:
    void Clear() { gruppen_.clear(); }
    // Adds a branch to group nr (creating the group on first mention).
    void Add(int32_t gruppe, const std::string& bezeichnung, int32_t filiale);
    // The group with this number; nullptr when there is none.
    const TFilialGruppe* GetGruppeByNr(int32_t nr) const;
    const std::vector<TFilialGruppe>& Gruppen() const { return gruppen_; }

private:
    std::vector<TFilialGruppe> gruppen_;  // ordered by number
};
