#pragma once
// Selected turnover and quantity per customer, computed by the database in one statement:
// the report a user would write instead of an evaluation with a cleared filter. Customers
// of the customer list (kind "B") with their receipts and invoices of the document index and
// their open customer transactions, summed over the sales positions that such an evaluation
// selects: value of kinds "A9", "SO", "RS", quantity of "A9" only. The benchmark measures the
// evaluation against it and checks both results against each other.
#include <cstdint>
#include <functional>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TUmsatzAggregatAuftrag {
    TIntPair KundenMandant;             // client company of the customer list
    bool AlleMandanten = false;         // customers of every client company ("MANDKUND")
    TIntPair IndexMandant;              // client company of the document index
    TIntPair VerkaufsMandant;           // client company of the sales positions
    bool MitOffenenVorgaengen = true;   // open customer transactions count as documents
    bool AuchAnonymeKunden = false;     // names beginning with "{" are cash-sale customers
};

struct TKundenUmsatz {
    TIntPair Kunde;
    double SelUmsatz = 0;    // sum of ISTVK as the database adds it
    int64_t SelMenge = 0;
    int64_t Positionen = 0;  // positions of the customer's documents, of every kind
};

// Calls row once per customer, ordered by customer key; a customer without documents comes
// with zero sums. Every row of the statement is read before it returns.
void UmsatzJeKunde(const TUmsatzAggregatAuftrag& auftrag,
                   const std::function<void(const TKundenUmsatz&)>& row);

// Date of the latest sales position of the client company; 0 when it has none. Lets a
// measurement put a sales period where the data is, whenever the data was made.
TDateTime LetztesVerkaufsdatum(const TIntPair& mandant);

// Number of sales positions of the client company with position numbers 0 to 9999: the
// sales list an evaluation of the company covers.
int64_t VerkaufspositionenAnzahl(const TIntPair& mandant);
