#pragma once
// Attribute booking of business partners: the attribute definitions (table MERKMALDEF; an
// attribute's number is its row number there) and the booking of one customer's attribute
// value (table GPMERKMAL), each booking one transaction.
#include <string>
#include <utility>
#include <vector>

#include "platform/base/keys.h"

struct TGBMerkmal {
    int32_t Nr = 0;
    std::string Name;
    std::string Beschreibung;
};

// Booking type of a customer attribute change.
inline constexpr int kBuchungMerkmal = 30;

class TQEL_GP_GBMERkmal_Buchmani {
public:
    // All attribute definitions, by name.
    std::vector<TGBMerkmal> Merkmale();
    // Number of the attribute of that name (case ignored); 0 when there is none.
    int32_t MerkmalNr(const std::string& name);
    // Creates the attribute when it does not exist; returns its number.
    int32_t NeuesMerkmalAnlegenIfN(const std::string& name, const std::string& beschreibung = "");
    // Books the value (trimmed) for the customer. Throws std::invalid_argument for an unknown
    // attribute number or a customer that does not exist.
    void BucheMerkmal(const TIntPair& kunde, int32_t merkmalNr, const std::string& wert);
    // Books one attribute for many customers (value trimmed) in one booking: all or none.
    // Throws as BucheMerkmal does; then nothing of it is written.
    void BucheMerkmale(int32_t merkmalNr, const std::vector<std::pair<TIntPair, std::string>>& werte);
    // The customer's value of the attribute; empty when none is booked.
    std::string Wert(const TIntPair& kunde, const std::string& name);
};
