#pragma once
// ABC classification of the customers of a run's customer sums file. The customers are taken
// largest selected turnover first (equal turnovers in file order); group A takes customers
// until its turnover (or its number of customers) reaches its share, then group B likewise,
// group C the rest. The letters are booked into the customers' attribute
// "ABC-Kennzeichen (Aktuell)" or "ABC-Kennzeichen (Vergleich)" in one booking, or not at all
// for abcOhne. The overview window and kis-eval both classify through this code.
#include <string>
#include <vector>

#include "engine/abc_typen.h"
#include "platform/base/keys.h"

// One classified customer.
struct TABCPosten {
    TIntPair Kunde;
    long double Umsatz = 0;
    char Klasse = 'C';
};

enum class TABCErgebnis {
    Fertig,        // classified (and booked unless abcOhne)
    Designfehler,  // the file or the choice does not fit: nothing classified, nothing booked
};

// The name of the attribute that receives the letters; empty for abcOhne.
std::string ABCMerkmalName(TABCTyp typ);

// Classifies customers already in order (largest turnover first): sets each one's class and
// the result fields of `info`. Shares outside 0..100 or adding up to more than 100, and a
// reference or type outside its enumeration, give Designfehler with every result field 0.
// Group limits by turnover are compared in whole cents, so a share that exactly reaches its
// limit ends the group.
TABCErgebnis ABCEinteilen(TABCInfoRecord& info, std::vector<TABCPosten>& kunden);

// Reads the customer sums file (relative name in the work directory) and classifies its
// customers. Designfehler when the file has no totals record (key 0/0, name "<ALLE>") or
// when the customers' turnovers do not add up to its turnover at cent precision; then nothing
// is booked. Unless info.ABCTyp is abcOhne the letters are booked in one booking (the
// attribute created when it does not exist); a failing booking is rolled back whole and its
// exception passed on, with every result field 0. `zuordnung`, when given, receives the
// customers in classification order with their classes.
TABCErgebnis ABCKennzeichnen(const std::string& kisuDatei, TABCInfoRecord& info,
                             std::vector<TABCPosten>* zuordnung = nullptr);
