// Several bookings in one transaction: each is whole or gone, whatever its neighbours do.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "support/suite_fixture.h"

namespace {

using kis::store::BookingBatch;
using kis::store::BookingScope;
using kis::store::ORVBuchung;
using kis::test::Pos;
using kis::test::SuiteFixture;

constexpr int kTyp = 77;

class BookingBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        const TIntPair k = fx.Kunde(1, "Albrecht");
        fx.Beleg(k, 1, 10, SuiteFixture::D(2026, 3, 2), {Pos{}, Pos{}, Pos{}});
    }
    void Markieren(int posNr) {
        fx.Db().Exec("UPDATE LST SET BONUS1ART = 'BN' WHERE RNR = 1 AND LNR = 10 AND POSNR = " +
                     std::to_string(posNr));
    }
    std::string Marken() {
        auto& s = fx.Db().Cached("SELECT BONUS1ART FROM LST WHERE RNR = 1 AND LNR = 10 ORDER BY POSNR");
        std::string out;
        while (s.Step()) out += s.ColumnText(0).empty() ? "-" : s.ColumnText(0);
        s.Reset();
        return out;
    }
    int64_t Journal() {
        auto& s = fx.Db().Cached("SELECT COUNT(*) FROM BUCHUNG WHERE TYP = ?");
        s.Bind(1, kTyp);
        s.Step();
        const int64_t n = s.ColumnInt(0);
        s.Reset();
        return n;
    }
    SuiteFixture fx;
};

TEST_F(BookingBatchTest, AFailedBookingGoesAloneAndTheFinishedOnesCommitTogether) {
    {
        BookingBatch stapel;
        EXPECT_TRUE(ORVBuchung().InBatch());
        {
            BookingScope b(kTyp);
            Markieren(1);
            b.Commit();
        }
        // Left by an exception: this booking's mark and journal row go.
        try {
            BookingScope b(kTyp);
            Markieren(2);
            throw std::runtime_error("Abbruch");
        } catch (const std::runtime_error&) {
        }
        // An inner bracket fails: the outermost end rolls the whole booking back and throws.
        {
            BookingScope b(kTyp);
            Markieren(3);
            try {
                BookingScope innen(kTyp);
                throw std::runtime_error("innen");
            } catch (const std::runtime_error&) {
            }
            EXPECT_THROW(b.Commit(), std::exception);
        }
        EXPECT_EQ(Marken(), "BN--");
        EXPECT_EQ(Journal(), 1);
        // Committing goes on with a new transaction; a booking of it is rolled back alone too.
        stapel.Commit();
        EXPECT_TRUE(ORVBuchung().InBatch());
        {
            BookingScope b(kTyp);
            Markieren(3);
            b.Commit();
        }
        stapel.End();
    }
    EXPECT_FALSE(ORVBuchung().InBatch());
    EXPECT_FALSE(fx.Db().InTransaction());
    EXPECT_EQ(Marken(), "BN-BN");
    EXPECT_EQ(Journal(), 2);
    // After the batch, a booking is its own transaction again.
    {
        BookingScope b(kTyp);
        Markieren(2);
        b.Commit();
    }
    EXPECT_FALSE(fx.Db().InTransaction());
    EXPECT_EQ(Marken(), "BNBNBN");
}

TEST_F(BookingBatchTest, ABatchOnlyStartsOutsideEveryBooking) {
    BookingScope b(kTyp);
    EXPECT_THROW(BookingBatch stapel, std::exception);
    b.Commit();
    EXPECT_FALSE(ORVBuchung().InBatch());
}

}  // namespace
