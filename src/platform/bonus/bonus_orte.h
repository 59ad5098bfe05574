#pragma once
// The places of one bonus as the booking steps find them: the open item (table "BONUS"), the
// service record and the bonus record, all under the bonus's reference. A booking step reads
// them inside its booking and books only a bonus that is complete and still in the state the
// user saw, so that a bonus changed by another workstation since the search is never booked
// twice or half.
#include <stdexcept>
#include <string>

#include "platform/base/keys.h"
#include "platform/bonus/bonus_tabellen.h"

struct TBonusOrte {
    bool Op = false;           // open item of table "BONUS"
    std::string OpStatus;
    TIntPair Kunde;            // the open item's customer
    bool Dienst = false;       // service record
    std::string DienstStatus;
    std::string Verwendet;     // used-mark
    bool Bonus = false;        // bonus record
    std::string BonusStatus;
    long double Wert = 0;      // bonus value
};

// Reads the three places; a place that does not exist stays false.
TBonusOrte BonusOrteLesen(const TBonusIdent& ref);

// Why the bonus cannot be booked: a missing place, a used-mark, or (with nurOffen) a status
// other than "O" in any place. Empty when it can.
std::string BonusOrteMangel(const TBonusIdent& ref, const TBonusOrte& orte, bool nurOffen);

// A bonus that a booking step refused; nothing of it was changed.
class TBonusNichtBuchbar : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
