#pragma once
// Runs evaluations on small fixture databases and reads the two work files back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/merova_filter.h"
#include "engine/merova_query.h"
#include "support/suite_fixture.h"

namespace kis::test {

struct KisuZeile {
    TIntPair kunde;
    std::string art, name, vorname;
    double sel = 0;
    int selMenge = 0;
    double ges = 0;
    int gesMenge = 0;
};

struct KivkZeile {
    TIntPair kunde;
    std::string art;
    int rnr = 0, lnr = 0, posnr = 0;
    std::string belegArt;
    int belegLnr = 0, belegRnr = 0, atk1 = 0, atk2 = 0;
    TInt32Trio artikel;
    std::string groesse, vkkz, liefName, liefArt, merkmal1;
    double istVk = 0, sollVk = 0;
    int menge = 0;
    double gesWert = 0;
    int gesMenge = 0;
};

class EngineTest : public ::testing::Test {
protected:
    // Runs the engine with `filter` (Init, SetFilter, ExecuteKI); true when not stopped.
    bool Run();
    // The customer sums file ordered by customer key (the totals record 0/0 first).
    std::vector<KisuZeile> Kisu();
    // The detail file ordered by customer, document and position.
    std::vector<KivkZeile> Kivk();
    // The customer record of a key; fails the test when missing.
    KisuZeile KisuVon(const TIntPair& kunde);
    bool HatKisu(const TIntPair& kunde);
    std::vector<KivkZeile> KivkVon(const TIntPair& kunde, const std::string& art);

    SuiteFixture fx;
    TMerovaFilter filter;
    TMerovaQuery q;
};

}  // namespace kis::test
