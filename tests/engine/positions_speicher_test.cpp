// The compact position store and its key map: every value that goes in comes out unchanged,
// per document, in position order, across block boundaries.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "engine/flat_key_map.h"
#include "engine/positions_speicher.h"

namespace {

TKompaktPosition Position(int32_t rnr, int32_t lnr, int32_t posNr, double ist, double soll = 0) {
    TKompaktPosition p;
    p.RNr = rnr;
    p.LNr = lnr;
    p.PosNr = posNr;
    p.Art = TPosArt::A9;
    p.Datum = 45000.0;
    p.Filiale = rnr;
    p.IstVk = ist;
    p.SollVk = soll;
    p.Menge = 1;
    return p;
}

void Store(TPositionsSpeicher& s, const TKompaktPosition& p) {
    const uint32_t slot = s.Slot(p.RNr, p.LNr);
    ASSERT_NE(slot, TFlatKeyMap::kNone);
    s.Gelesen(slot);
    s.Ablegen(slot, p);
}

void ExpectSame(const TKompaktPosition& a, const TKompaktPosition& b) {
    EXPECT_EQ(a.RNr, b.RNr);
    EXPECT_EQ(a.LNr, b.LNr);
    EXPECT_EQ(a.PosNr, b.PosNr);
    EXPECT_EQ(a.Art, b.Art);
    EXPECT_EQ(a.Selektiert, b.Selektiert);
    EXPECT_EQ(a.Datum, b.Datum);
    EXPECT_EQ(a.Filiale, b.Filiale);
    EXPECT_EQ(a.ArtikelNr, b.ArtikelNr);
    EXPECT_EQ(a.Groesse, b.Groesse);
    EXPECT_STREQ(a.VkKz, b.VkKz);
    EXPECT_EQ(a.IstVk, b.IstVk) << "position " << a.PosNr;
    EXPECT_EQ(a.SollVk, b.SollVk) << "position " << a.PosNr;
    EXPECT_EQ(a.Menge, b.Menge);
}

TEST(PositionsSpeicher, EveryFieldComesBackAndPositionsAreOrderedByNumber) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    TPositionsSpeicher s;
    s.BelegAnmelden(7, 1001);

    std::vector<TKompaktPosition> in;
    // File order is not position order: 3, 1, 10, 2.
    auto p = Position(7, 1001, 3, 19.99, 24.99);
    p.Art = TPosArt::SO;
    p.Selektiert = true;
    p.Filiale = 2;  // another branch than the document's
    p.ArtikelNr = TInt32Trio(kMax, kMin, -1);
    p.Groesse = kMin;
    p.Menge = -3;
    std::strcpy(p.VkKz, "ABCDEFG");  // the longest mark that fits
    in.push_back(p);
    p = Position(7, 1001, 1, 0.1 + 0.2, 1e16);  // amounts that are no whole cents
    p.Art = TPosArt::RS;
    p.Datum = 45000.75;                          // another date than the position before
    p.Filiale = kMax;
    in.push_back(p);
    p = Position(7, 1001, 10, -5.05, 0.005);
    p.Art = TPosArt::GS;
    p.Datum = 45000.75;                          // same date as the position before
    p.Groesse = kMax;
    std::strcpy(p.VkKz, "0");
    in.push_back(p);
    p = Position(7, 1001, 2, 1234567.89, -0.01);
    p.Art = TPosArt::Andere;
    p.Filiale = kMin;
    in.push_back(p);
    for (const auto& x : in) Store(s, x);

    std::vector<TKompaktPosition> out;
    s.Positionen(7, 1001, out);
    ASSERT_EQ(out.size(), 4u);
    const int order[] = {1, 3, 0, 2};  // indexes of `in` by position number 1, 2, 3, 10
    for (size_t k = 0; k < 4; ++k) ExpectSame(out[k], in[size_t(order[k])]);
    EXPECT_EQ(s.AnzahlGelesen(7, 1001), 4u);
}

TEST(PositionsSpeicher, EveryCentAmountComesBackExactly) {
    // All amounts from -1000,00 to 1000,00 in cent steps, and some large ones.
    TPositionsSpeicher s;
    s.BelegAnmelden(1, 1);
    std::vector<double> betraege;
    for (int c = -100000; c <= 100000; ++c) betraege.push_back(c / 100.0);
    for (double b : {99999999.99, -12345678.91, 0.29, 1.15, 2.675, 1e15, 1e15 + 0.5})
        betraege.push_back(b);
    int32_t nr = 0;
    for (double b : betraege) Store(s, Position(1, 1, ++nr, b, -b));

    std::vector<TKompaktPosition> out;
    s.Positionen(1, 1, out);
    ASSERT_EQ(out.size(), betraege.size());
    long double summe = 0, erwartet = 0;
    for (size_t k = 0; k < out.size(); ++k) {
        ASSERT_EQ(out[k].IstVk, betraege[k]) << "position " << out[k].PosNr;
        ASSERT_EQ(out[k].SollVk, -betraege[k]) << "position " << out[k].PosNr;
        summe += out[k].IstVk;
        erwartet += betraege[k];
    }
    EXPECT_EQ(summe, erwartet);
}

TEST(PositionsSpeicher, DocumentsStaySeparateAcrossBlocksAndUnwantedOnesAreUnknown) {
    // Two documents whose positions alternate in the file, enough of them to fill several
    // storage blocks; a third document is never announced.
    TPositionsSpeicher s;
    s.BelegAnmelden(1, 10);
    s.BelegAnmelden(2, 10);
    s.BelegAnmelden(1, 10);  // announced twice: still one document
    constexpr int kJe = 150000;
    for (int k = 1; k <= kJe; ++k) {
        Store(s, Position(1, 10, k, k / 100.0));
        Store(s, Position(2, 10, k, -k / 100.0));
    }
    EXPECT_EQ(s.Slot(3, 10), TFlatKeyMap::kNone);
    EXPECT_EQ(s.Slot(10, 1), TFlatKeyMap::kNone) << "RNR and LNR are not interchangeable";
    EXPECT_EQ(s.AnzahlGelesen(3, 10), 0u);
    std::vector<TKompaktPosition> out;
    s.Positionen(3, 10, out);
    EXPECT_TRUE(out.empty());

    for (int32_t rnr : {1, 2}) {
        s.Positionen(rnr, 10, out);
        ASSERT_EQ(out.size(), size_t(kJe));
        EXPECT_EQ(s.AnzahlGelesen(rnr, 10), uint32_t(kJe));
        for (int k = 0; k < kJe; ++k) {
            ASSERT_EQ(out[size_t(k)].PosNr, k + 1);
            ASSERT_EQ(out[size_t(k)].IstVk, (rnr == 1 ? 1 : -1) * (k + 1) / 100.0);
        }
    }
    EXPECT_GT(s.Bytes(), size_t(4) << 20) << "the positions need more than one block";

    s.Clear();
    EXPECT_EQ(s.Slot(1, 10), TFlatKeyMap::kNone);
}

TEST(FlatKeyMap, FindsEveryKeyAfterGrowingAndOverwrites) {
    TFlatKeyMap m;
    EXPECT_EQ(m.Find(TFlatKeyMap::Key(0, 0)), TFlatKeyMap::kNone) << "empty map";
    // Keys that differ only in the high or only in the low half, negative halves, and 0.
    std::vector<uint64_t> keys;
    for (int32_t i = -500; i < 500; ++i) {
        keys.push_back(TFlatKeyMap::Key(i, 0));
        keys.push_back(TFlatKeyMap::Key(0, i + 1000));
        keys.push_back(TFlatKeyMap::Key(i, i));
    }
    for (int32_t i = 0; i < 100000; ++i) keys.push_back(TFlatKeyMap::Key(1000000, i * 4096));
    for (size_t k = 0; k < keys.size(); ++k) m.Set(keys[k], uint32_t(k));
    // Key(0,0) is in twice (i = 0 of the first and the third kind): the later value holds.
    EXPECT_EQ(m.Size(), keys.size() - 1);
    for (size_t k = 0; k < keys.size(); ++k) {
        if (keys[k] == TFlatKeyMap::Key(0, 0)) continue;
        ASSERT_EQ(m.Find(keys[k]), uint32_t(k)) << "key " << k;
    }
    EXPECT_EQ(m.Find(TFlatKeyMap::Key(0, 0)), uint32_t(3 * 500 + 2));
    EXPECT_EQ(m.Find(TFlatKeyMap::Key(1000000, 1)), TFlatKeyMap::kNone);
    EXPECT_NE(TFlatKeyMap::Key(-1, 0), TFlatKeyMap::Key(0, -1));

    m.Set(keys[5], 42);
    EXPECT_EQ(m.Find(keys[5]), 42u);
    EXPECT_EQ(m.Size(), keys.size() - 1);

    m.Reserve(1000000);
    EXPECT_EQ(m.Find(keys[5]), 42u) << "reserving keeps the entries";
    EXPECT_EQ(m.Find(keys.back()), uint32_t(keys.size() - 1));
    m.Clear();
    EXPECT_EQ(m.Size(), 0u);
    EXPECT_EQ(m.Find(keys[5]), TFlatKeyMap::kNone);
}

}  // namespace
