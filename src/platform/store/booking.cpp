#include "platform/store/booking.h"

#include <unistd.h>

#include "platform/base/datetime.h"
#include "platform/store/database.h"
#include "platform/store/store_error.h"

namespace kis::store {

void TORVBuchung::Begin(int bookingType, const TIntPair& key) {
    Database& db = SuiteDb();
    if (depth_ == 0) {
        if (db.InTransaction())
            throw StoreError("Eine Buchung kann nicht in einer offenen Transaktion beginnen.");
        db.Begin();
        failed_ = false;
        try {
            Statement& next = db.Cached(
                "SELECT COALESCE(MAX(NR_R), 0) + 1 FROM BUCHUNG WHERE NR_L = ?");
            next.Bind(1, int64_t(workstation_));
            next.Step();
            number_ = TIntPair(workstation_, int32_t(next.ColumnInt(0)));
            next.Reset();
            Statement& journal = db.Cached(
                "INSERT INTO BUCHUNG (NR_L, NR_R, TYP, SCHLUESSEL_L, SCHLUESSEL_R, ZEIT, PID) "
                "VALUES (?, ?, ?, ?, ?, ?, ?)");
            journal.Bind(1, int64_t(number_.Lnr)).Bind(2, int64_t(number_.Rnr));
            journal.Bind(3, int64_t(bookingType));
            journal.Bind(4, int64_t(key.Lnr)).Bind(5, int64_t(key.Rnr));
            journal.Bind(6, date::Now()).Bind(7, int64_t(::getpid()));
            journal.Run();
        } catch (...) {
            db.Rollback();
            throw;
        }
    }
    ++depth_;
}

void TORVBuchung::End(int) {
    if (depth_ == 0) throw StoreError("Buchungsende ohne Buchungsbeginn.");
    if (--depth_ > 0) return;
    Database& db = SuiteDb();
    if (failed_) {
        db.Rollback();
        failed_ = false;
        throw StoreError("Die Buchung wurde wegen eines Fehlers vollständig zurückgenommen.");
    }
    try {
        db.Commit();
    } catch (...) {
        db.Rollback();
        throw;
    }
}

void TORVBuchung::Abort() {
    if (depth_ == 0) return;
    failed_ = true;
    if (--depth_ == 0) {
        failed_ = false;
        if (HasSuiteDb()) SuiteDb().Rollback();
    }
}

TORVBuchung& ORVBuchung(bool) {
    static TORVBuchung booking;
    return booking;
}

BookingScope::BookingScope(int bookingType, const TIntPair& key) {
    ORVBuchung().Begin(bookingType, key);
}

BookingScope::~BookingScope() {
    if (done_) return;
    try {
        ORVBuchung().Abort();
    } catch (const std::exception& e) {
        ReportError("BookingScope.Abort", e);
    } catch (...) {
        ReportError("BookingScope.Abort", StoreError("Unbekannter Fehler beim Zurücknehmen der Buchung."));
    }
}

void BookingScope::Commit() {
    done_ = true;
    ORVBuchung().End(0);
}

}  // namespace kis::store
