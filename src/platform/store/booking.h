#pragma once
// The booking service: Begin(type, key) ... End(0) is one transaction of the suite database
// with one journal row. Brackets nest; the outermost one commits. If anything fails inside,
// the whole bracket is rolled back (Abort, or a BookingScope left by an exception).
#include "platform/base/keys.h"

namespace kis::store {

class TORVBuchung {
public:
    void Begin(int bookingType, const TIntPair& key = {});
    // Closes the innermost bracket; the outermost one commits. Throws when an inner bracket
    // failed, after rolling everything back.
    void End(int code = 0);
    // Closes the innermost bracket as failed. The outermost Abort rolls the whole booking
    // back at once; an inner one only marks it failed, so that the outermost End rolls it back
    // and throws (the outer levels stay open until their callers close them).
    void Abort();

    int Depth() const { return depth_; }

    // A batch keeps several bookings in one transaction: each outermost Begin..End inside it
    // is a savepoint with its own journal row, rolled back alone when it fails, and the batch
    // commits all finished bookings at once. A run over many customers saves a commit per
    // customer; a crash loses the batch's bookings whole, never a part of one.
    void BatchBegin();
    // Commits the finished bookings of the batch; the batch goes on when `weiter` is set.
    void BatchCommit(bool weiter);
    bool InBatch() const { return batch_; }
    // Booking number of the running (or last) booking: workstation id / running number.
    TIntPair BuchungsNr() const { return number_; }
    void SetWorkstationId(int id) { workstation_ = id; }

private:
    // Rolls the outermost booking back: the transaction, or its savepoint inside a batch.
    void RollbackOutermost();

    int depth_ = 0;
    bool failed_ = false;
    bool batch_ = false;
    int workstation_ = 1;
    TIntPair number_;
};

TORVBuchung& ORVBuchung(bool create = true);

// RAII bracket: Begin in the constructor; Commit() ends it; leaving without Commit (an
// exception) aborts this level (see Abort), so the whole booking is rolled back. The
// destructor never throws: a failed rollback is reported to the store's error sink.
class BookingScope {
public:
    explicit BookingScope(int bookingType, const TIntPair& key = {});
    ~BookingScope();
    BookingScope(const BookingScope&) = delete;
    BookingScope& operator=(const BookingScope&) = delete;
    void Commit();

private:
    bool done_ = false;
};

// RAII batch (see TORVBuchung::BatchBegin): Commit() commits what is finished and goes on;
// the destructor commits the finished bookings too (every booking in the batch is whole), and
// rolls back when that fails. It never throws; failures go to the store's error sink.
class BookingBatch {
public:
    BookingBatch();
    ~BookingBatch();
    BookingBatch(const BookingBatch&) = delete;
    BookingBatch& operator=(const BookingBatch&) = delete;
    void Commit();
    // Commits and ends the batch; throws when the commit fails (the batch is rolled back).
    void End();

private:
    bool done_ = false;
};

}  // namespace kis::store
