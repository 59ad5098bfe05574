#pragma once
// The manual grant for many customers, as the overview (Ctrl+F2) and the serial-letter
// selection in bonus use run it: a copy of the dialog's grant is booked for each customer in
// turn, each customer one booking, under the data module's progress dialog ("Buchung läuft
// ...") whose abort stops the run after the current customer. What was booked stays booked.
#include <QStringList>
#include <vector>

#include "platform/base/keys.h"

class TDM;
struct TQEL_ManuellerBonus;

struct TManuellAlleErgebnis {
    int gebucht = 0;
    bool abgebrochen = false;
    QStringList fehler;  // "name (key): reason" of each customer that could not be booked
    bool Ok() const { return !abgebrochen && fehler.isEmpty(); }
};

TManuellAlleErgebnis BonusManuellFuerAlle(TDM& dm, const TQEL_ManuellerBonus& grant,
                                          const std::vector<TIntPair>& kunden);

// Tells the user which customers were not booked (nothing when all were).
void BonusManuellFehlerMelden(const TManuellAlleErgebnis& ergebnis);
