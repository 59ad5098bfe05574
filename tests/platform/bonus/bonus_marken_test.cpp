// Marking the positions a bonus settles: consecutive positions are marked with one statement,
// and a missing or settled one stops the booking with its name and leaves nothing marked.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/bonus/bonus_marken.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "support/suite_fixture.h"

namespace {

using kis::test::Pos;
using kis::test::SuiteFixture;

class BonusMarkenTest : public ::testing::Test {
protected:
    void SetUp() override {
        kunde = fx.Kunde(1, "Albrecht");
        Pos vier;
        vier.posnr = 4;
        Pos fuenf;
        fuenf.posnr = 5;
        fuenf.bonus1art = "BN";  // settled by an earlier bonus
        Pos a, b, c;
        a.posnr = 1, b.posnr = 2, c.posnr = 3;
        fx.Beleg(kunde, 1, 10, SuiteFixture::D(2026, 3, 2), {a, b, c, vier, fuenf});
    }
    // The marks of positions 1..5 of the document: "-" free, else the reference's number.
    std::string Marken() {
        auto& s = fx.Db().Cached("SELECT BONUS1ART, BONUS1_R FROM LST WHERE RNR = 1 AND LNR = 10 ORDER BY POSNR");
        std::string out;
        while (s.Step()) out += s.ColumnText(0).empty() ? "-" : std::to_string(s.ColumnInt(1));
        s.Reset();
        return out;
    }
    // Marks the range in a booking of its own; returns the message of a refusal.
    std::string Buchen(int von, int bis, int refNr) {
        try {
            kis::store::BookingScope b(44, kunde);
            BonusTabPositionenBuchen(kunde, 1, 10, von, bis, TInt32Trio(7, refNr, 0));
            b.Commit();
        } catch (const TBonusSchonVerrechnet& e) {
            return std::string("verrechnet: ") + e.what();
        } catch (const std::exception& e) {
            return std::string("fehler: ") + e.what();
        }
        return {};
    }
    SuiteFixture fx;
    TIntPair kunde;
};

TEST_F(BonusMarkenTest, ARangeIsMarkedWholeOrNotAtAll) {
    EXPECT_EQ(Marken(), "----0");
    EXPECT_EQ(Buchen(1, 3, 8), "");
    EXPECT_EQ(Marken(), "888-0");
    // Position 5 carries a mark: 4 and 5 stay as they were.
    EXPECT_EQ(Buchen(4, 5, 9), "verrechnet: Die Verkaufsposition 1/10/5 ist bereits für einen Bonus verrechnet.");
    EXPECT_EQ(Marken(), "888-0");
    // The first position in the way is named, here the settled one before the missing 6.
    EXPECT_EQ(Buchen(4, 6, 9), "verrechnet: Die Verkaufsposition 1/10/5 ist bereits für einen Bonus verrechnet.");
    EXPECT_EQ(Buchen(4, 4, 9), "");
    EXPECT_EQ(Marken(), "88890");
}

TEST_F(BonusMarkenTest, AGapOrAMissingPositionIsNamed) {
    fx.Db().Exec("DELETE FROM LST WHERE RNR = 1 AND LNR = 10 AND POSNR = 2");
    EXPECT_EQ(Buchen(1, 3, 8), "fehler: Die Verkaufsposition 1/10/2 ist nicht vorhanden.");
    EXPECT_EQ(Buchen(3, 4, 8), "");
    EXPECT_EQ(Buchen(1, 1, 9), "");
    EXPECT_EQ(Marken(), "9880");
}

}  // namespace
