#include "platform/bonus/bonus_abschluss.h"

#include "platform/store/booking.h"
#include "platform/store/database.h"

void BonusAbschliessen(const TBonusIdent& ref, const TIntPair& kunde) {
    auto& db = kis::store::SuiteDb();
    kis::store::BookingScope buchung(kBuchungBonusAbschluss, kunde);
    // Read inside the booking: what was checked cannot change before it is written.
    const std::string mangel = BonusOrteMangel(ref, BonusOrteLesen(ref), true);
    if (!mangel.empty()) throw TBonusNichtBuchbar(mangel);
    for (const char* sql :
         {"UPDATE OP SET STATUS = 'A' WHERE RNR = ? AND LNR = ? AND SNR = ? AND TABELLE = 'BONUS'",
          "UPDATE DIENST SET STATUS = 'A' WHERE RNR = ? AND LNR = ? AND SNR = ?",
          "UPDATE BONUS SET STATUS = 'A' WHERE RNR = ? AND LNR = ? AND SNR = ?"}) {
        kis::store::Statement& s = db.Cached(sql);
        s.Bind(1, ref.RNr).Bind(2, ref.LNr).Bind(3, int(ref.SNr));
        s.Run();
    }
    buchung.Commit();
}
