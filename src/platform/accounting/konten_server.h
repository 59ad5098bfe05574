#pragma once
// Accounts of a client company (table KONTO): designations, special account kinds (137 the
// voucher account, 140-145 the bonus accounts) and the payment-means index of an account.
// The accounts of a client company are read once and then answered from memory, because the
// payment-means test asks once per ledger booking.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/base/keys.h"

inline constexpr int kKontoArtGutschein = 137;
inline constexpr int kKontoArtBonusErste = 140;
inline constexpr int kKontoArtBonusLetzte = 145;

class TKontenServer {
public:
    // Designation of an account; empty when unknown.
    std::string Bezeichnung(const TIntPair& mandant, const std::string& konto);
    // German default designation of a special account kind 140-145 ("Bonuskonto 1" ...);
    // empty for other kinds.
    static std::string DefaultBezeichnung(int kontoArt);
    // The account of a special kind for a client company (the lowest account number of that
    // kind); empty when there is none.
    std::string KontoBySonderArt(const TIntPair& mandant, int kontoArt);
    // Payment-means index (KONTO.ZMINDEX) of an account; 0 when none or unknown.
    int ZMIndex(const TIntPair& mandant, const std::string& konto);
    // True when the account is of kind 137 (voucher account).
    bool IstKontoArt137(const TIntPair& mandant, const std::string& konto);
    // Forgets what was read (after accounts were changed).
    void Clear();

private:
    struct Konto {
        std::string konto;
        std::string bezeichnung;
        int art = 0;
        int zmIndex = 0;
    };
    const Konto* Find(const TIntPair& mandant, const std::string& konto);
    void Load(const TIntPair& mandant);

    bool loaded_ = false;
    TIntPair mandant_;
    std::unordered_map<std::string, Konto> konten_;  // key: folded, trimmed account
};
