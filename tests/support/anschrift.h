#pragma once
// A customer with a full postal address, for the letter outputs.
#include <string>

#include "support/suite_fixture.h"

namespace kis::test {

struct Anschrift {
    std::string anrede, name, vorname, strasse, plz, ort, land = "D";
};

// Partner record with the address and customer-list row of the client company 1/0.
inline TIntPair KundeMitAnschrift(SuiteFixture& f, int nr, const Anschrift& a) {
    const TIntPair key(nr, 0);
    f.Row("GEP", {{"GEPNR", key},
                  {"MANDANT", TIntPair(1, 0)},
                  {"ANREDE", a.anrede},
                  {"NAME", a.name},
                  {"VORNAME", a.vorname},
                  {"SUCHNAME", a.name},
                  {"STRASSE", a.strasse},
                  {"PLZ", a.plz},
                  {"ORT", a.ort},
                  {"LAND", a.land},
                  {"STATUS", "A"}});
    f.KundeInListe(key, {1, 0});
    return key;
}

}  // namespace kis::test
