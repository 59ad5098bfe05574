#pragma once
// Bonuses in all four places for tests of the bonus processing, and a snapshot of those places
// to show that an operation changed exactly what it should.
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "support/suite_fixture.h"

namespace kis::test {

// A sales position (RNR, LNR, POSNR) of the current client company.
using PosRef = std::tuple<int, int, int>;

// Bonus record, service record, open item (table "BONUS", or "RSCHEIN" when `tabelle` says so;
// the shop owes the value: first amount 0, second the value) and the "BN" mark of the bonus on
// each listed position, which must exist.
void BonusInAllenOrten(SuiteFixture& fx, const BonusDaten& b, std::initializer_list<PosRef> positionen = {},
                       const std::string& tabelle = "BONUS");

// Every row of the bonus file, open items, service file and the sales positions' marks, as
// text per table, so two snapshots can be compared row by row.
struct BonusOrteAbbild {
    std::map<std::string, std::set<std::string>> zeilen;
    friend bool operator==(const BonusOrteAbbild&, const BonusOrteAbbild&) = default;
};
BonusOrteAbbild AbbildLesen(SuiteFixture& fx);
// Rows of `vorher` missing in `nachher` ("-" + table + row) and new ones ("+"), sorted.
std::set<std::string> Unterschiede(const BonusOrteAbbild& vorher, const BonusOrteAbbild& nachher);

}  // namespace kis::test
