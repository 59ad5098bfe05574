// The bulk readers of a run: the document index of one client company, sorted for the walk.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/evaluation/sales_stream.h"
#include "support/suite_fixture.h"

namespace {

using Zeile = std::tuple<TIntPair, int, int, int, int, std::string>;

TEST(BelegIndex, OneClientCompanySortedByCustomerAndDocumentWithEveryNumberInPlace) {
    kis::test::SuiteFixture fx;
    auto index = [&](TIntPair mandant, TIntPair kunde, const char* art, int belegLnr,
                     int belegRnr, int rnr, int lnr) {
        fx.Row("LFNR", {{"MANDANT", mandant}, {"KUNDE", kunde}, {"BELEGART", art},
                        {"BELEGLNR", belegLnr}, {"BELEGRNR", belegRnr}, {"RNR", rnr},
                        {"LNR", lnr}});
    };
    const TIntPair m1{1, 0}, m2{2, 0};
    // File order mixes customers and documents; the numbers differ in every column so that
    // a swapped or shifted column shows.
    index(m1, {20, 0}, "RG", 3, 9001, 3, 501);
    index(m1, {10, 0}, "BO", 2, 7002, 2, 402);
    index(m2, {10, 0}, "BO", 2, 7003, 2, 400);  // other client company
    index(m1, {10, 0}, "BO", 1, 7001, 1, 401);
    index(m1, {10, 0}, "RG", 2, 7004, 2, 399);
    index(m1, {10, 5}, "BONUSBELEG", 4, 8001, 4, 1);  // kind longer than 7 characters
    index(m1, {-1, 0}, "BO", 5, 6001, 5, 7);          // anonymous key sorts first

    const auto e = LeseBelegIndex(m1);
    std::vector<Zeile> got;
    for (const auto& x : e) got.emplace_back(x.Kunde, x.RNr, x.LNr, x.BelegLNr, x.BelegRNr, x.BelegArt);
    const std::vector<Zeile> want{
        {{-1, 0}, 5, 7, 5, 6001, "BO"},      {{10, 0}, 1, 401, 1, 7001, "BO"},
        {{10, 0}, 2, 399, 2, 7004, "RG"},    {{10, 0}, 2, 402, 2, 7002, "BO"},
        {{10, 5}, 4, 1, 4, 8001, "BONUSBE"}, {{20, 0}, 3, 501, 3, 9001, "RG"},
    };
    EXPECT_EQ(got, want);
    EXPECT_TRUE(e[0].ArtIst("BO"));
    EXPECT_FALSE(e[0].ArtIst("B"));

    EXPECT_EQ(LeseBelegIndex(m2).size(), 1u);
    EXPECT_TRUE(LeseBelegIndex({3, 0}).empty());
}

}  // namespace
