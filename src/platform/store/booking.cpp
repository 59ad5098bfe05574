#include "platform/store/booking.h"

#include <unistd.h>

#include "platform/base/datetime.h"
#include "platform/store/database.h"
#include "platform/store/store_error.h"

namespace kis::store {

namespace {
constexpr int kCacheMegabytes = 2;        // a connection's usual page cache (SQLite's default)
constexpr int kBatchCacheMegabytes = 64;  // during a booking batch
}  // namespace

void TORVBuchung::Begin(int bookingType, const TIntPair& key) {
    Database& db = SuiteDb();
    if (depth_ == 0) {
        if (batch_) {
            db.Exec("SAVEPOINT buchung");
        } else {
            if (db.InTransaction())
                throw StoreError("Eine Buchung kann nicht in einer offenen Transaktion beginnen.");
            db.Begin();
        }
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
            RollbackOutermost();
            throw;
        }
    }
    ++depth_;
}

void TORVBuchung::RollbackOutermost() {
    Database& db = SuiteDb();
    if (!batch_) {
        db.Rollback();
        return;
    }
    // Only this booking goes; a savepoint that cannot be rolled back leaves the batch's state
    // unknown, so the whole batch goes then.
    try {
        db.Exec("ROLLBACK TO buchung");
        db.Exec("RELEASE buchung");
    } catch (...) {
        batch_ = false;
        db.Rollback();
        throw;
    }
}

void TORVBuchung::BatchBegin() {
    Database& db = SuiteDb();
    if (batch_ || depth_ > 0 || db.InTransaction())
        throw StoreError("Ein Buchungsstapel kann nur außerhalb jeder Buchung beginnen.");
    // A batch dirties many thousand scattered pages; with the default cache of 2 MB they would
    // be written to the log and read back before the commit. The larger cache lasts as long as
    // the batch, so that evaluations and windows keep their small one.
    db.SetCacheSize(kBatchCacheMegabytes);
    db.Begin();
    batch_ = true;
}

void TORVBuchung::BatchCommit(bool weiter) {
    if (!batch_) throw StoreError("Kein Buchungsstapel offen.");
    if (depth_ > 0) throw StoreError("Ein Buchungsstapel kann nicht in einer Buchung enden.");
    Database& db = SuiteDb();
    try {
        db.Commit();
    } catch (...) {
        batch_ = false;
        db.Rollback();
        try {
            db.SetCacheSize(kCacheMegabytes);
        } catch (...) {
            // Only the cache stays large; the failed commit is what the caller hears of.
        }
        throw;
    }
    batch_ = false;
    if (weiter)
        BatchBegin();
    else
        db.SetCacheSize(kCacheMegabytes);
}

void TORVBuchung::End(int) {
    if (depth_ == 0) throw StoreError("Buchungsende ohne Buchungsbeginn.");
    if (--depth_ > 0) return;
    Database& db = SuiteDb();
    if (failed_) {
        failed_ = false;
        RollbackOutermost();
        throw StoreError("Die Buchung wurde wegen eines Fehlers vollständig zurückgenommen.");
    }
    if (batch_) {
        try {
            db.Exec("RELEASE buchung");  // committed with the batch
        } catch (...) {
            RollbackOutermost();
            throw;
        }
        return;
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
        if (HasSuiteDb()) RollbackOutermost();
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

BookingBatch::BookingBatch() { ORVBuchung().BatchBegin(); }

BookingBatch::~BookingBatch() {
    // A batch whose commit failed is rolled back and ended already.
    if (done_ || !ORVBuchung().InBatch()) return;
    try {
        ORVBuchung().BatchCommit(false);
    } catch (const std::exception& e) {
        ReportError("BookingBatch.Commit", e);
    } catch (...) {
        ReportError("BookingBatch.Commit", StoreError("Unbekannter Fehler beim Abschluss des Buchungsstapels."));
    }
}

void BookingBatch::Commit() { ORVBuchung().BatchCommit(true); }

void BookingBatch::End() {
    done_ = true;
    ORVBuchung().BatchCommit(false);
}

}  // namespace kis::store
