#pragma once
// The branches of one client company with their designations, and its branch groups; read
// once from the suite database by Laden.
#include <string>
#include <vector>

#include "platform/base/keys.h"
#include "platform/tables/filial_gruppen.h"

struct TFiliale {
    int32_t Nr = 0;
    std::string Bezeichnung;
};

class TFilialTabelle {
public:
    // Reads branches and groups of the client company (0/0: of all client companies).
    void Laden(const TIntPair& mandant);
    void Clear();

    const std::vector<TFiliale>& Filialen() const { return filialen_; }  // ordered by number
    bool Exists(int32_t nr) const { return nummern_.Exists(nr); }
    const TFilialen& Nummern() const { return nummern_; }
    // Designation of a branch; empty when unknown.
    std::string Bezeichnung(int32_t nr) const;
    const TFilialGruppen& Gruppen() const { return gruppen_; }

private:
    std::vector<TFiliale> filialen_;
    TFilialen nummern_;
    TFilialGruppen gruppen_;
};
