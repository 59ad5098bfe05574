#pragma once
// User-defined payment means (table ZAHLUNGSMITTEL), chosen by selector kind; kind 1 are the
// voucher payment means, whose accounts mark a payment record as a voucher redemption.
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kZMSelektorGutschein = 1;

struct TZahlungsmittelDef {
    int32_t Nr = 0;
    std::string Kuerzel;
    std::string Bezeichnung;
    int32_t SelektorArt = 0;
    std::string Konto;
};

class TZahlungsmittelManager {
public:
    // The payment means of a selector kind, ordered by number.
    static std::vector<TZahlungsmittelDef> BySelektorArt(int selektorArt);
    // Their accounts (trimmed, non-empty, each once).
    static std::vector<std::string> KontenBySelektorArt(int selektorArt);
};
