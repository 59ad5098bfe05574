#pragma once
// Customer master data (table GEP with its attributes GPMERKMAL and numbers GPNUMMER): read one
// customer, search by name or number, check and save. Saving is one booking; a new customer
// gets the next free number and its customer-list row (kind "B") for the client company.
#include <optional>
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "platform/partners/gp_satz.h"

struct TKundenMerkmal {
    std::string Name;
    std::string Wert;
};

struct TKundenNummer {
    std::string Art;
    std::string Nummer;
};

// A customer's master data with its attributes and numbers; a new one starts active in "D".
struct TKundenStamm : TGpSatz {
    TKundenStamm() {
        Land = "D";
        Status = "A";
    }
    std::vector<TKundenMerkmal> Merkmale;
    std::vector<TKundenNummer> Nummern;
};

// One line of a search result.
struct TKundenTreffer {
    TIntPair GepNr;
    std::string Name;
    std::string Name2;
    std::string Vorname;
    std::string Plz;
    std::string Ort;
    std::string Strasse;
    std::string Status;
};

// A field check that failed: the field's role ("Name", "PLZ" ...) and a German message.
struct TKundenFehler {
    std::string Feld;
    std::string Meldung;
};

namespace kis::partners {

// Booking type of a change of customer master data.
inline constexpr int kBuchungKundenstamm = 20;

class TCustomerMaster {
public:
    // The customer with its attributes and numbers; nullopt when there is none.
    std::optional<TKundenStamm> Lesen(const TIntPair& gepNr);
    bool Existiert(const TIntPair& gepNr);

    // Customers of the client company (0/0: all) whose name, search name or first name match
    // the pattern ('*' and '?' wildcards; without wildcards: begins with), case and umlauts
    // ignored, in German name order; at most `limit` hits.
    std::vector<TKundenTreffer> SucheName(const TIntPair& mandant, const std::string& muster,
                                          int limit = 500);
    // Customers whose number (left part of the key) is at least `nummer`, by number.
    std::vector<TKundenTreffer> SucheNummer(const TIntPair& mandant, int32_t nummer, int limit = 500);
    // The first customer after `gepNr` in the order of a name search with that pattern.
    std::optional<TIntPair> Naechster(const TIntPair& mandant, const std::string& muster,
                                      const TIntPair& gepNr);

    // The checks a save makes; empty when the record may be saved.
    static std::vector<TKundenFehler> Pruefen(const TKundenStamm& k);
    // Saves in one booking: a record with number 0/0 is created (number, creation date, the
    // client company and its customer-list row set here), others are changed. Attributes
    // and numbers are replaced as given. Returns the customer's number. Throws
    // std::invalid_argument with the first check's message for a record that fails the
    // checks, and std::runtime_error for a changed customer that no longer exists.
    TIntPair Speichern(TKundenStamm& k);

    // The next free customer number of the database.
    TIntPair NaechsteNummer();
};

}  // namespace kis::partners
