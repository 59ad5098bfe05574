#pragma once
// The calculation rules and bonus programmes of the demo as they are stored; the bonuses
// themselves are computed by the program's bonus tables.
#include <cstdint>
#include <string>
#include <vector>

namespace kis::demo {

struct RuleRow {
    int64_t upperCents;  // upper bound of the band; the last band is open upwards
    int64_t bonus;       // 'P': percent × 100; 'A': cents
};

struct Rule {
    const char* name;
    char valueKind;      // 'P' share of the value, 'A' absolute amount
    int rounding;        // 0 exakt, 1 runden, 2 aufrunden, 3 abrunden
    int64_t intervalCents;
    std::vector<RuleRow> rows;
};

const std::vector<Rule>& DemoRules();

// The text lines of a rule's content: "upper=bonus" with decimal comma.
std::vector<std::string> RuleContent(const Rule& rule);
// "1234,56"
std::string DecimalComma(int64_t cents);

// Programmes (kinds 2 to 5) as the demo stores them.
struct Programme {
    const char* type;
    const char* name;
    int length;           // entries of a pass; -1 otherwise
    const char* basis;
    const char* storno;
    const char* account;  // account short code, or the coupon type for coupons
    std::vector<std::string> content;
};
const std::vector<Programme>& DemoProgrammes();

// Names of the programmes the bonus plan uses.
inline constexpr const char* kPassName = "Prämienpass";
inline constexpr const char* kTurnoverName = "Umsatzprämie";
inline constexpr const char* kLoyaltyName = "Treueprämie";
inline constexpr const char* kCouponName = "Rabattschein";
inline constexpr const char* kPeriodName = "Quartalsprämie";
inline constexpr int kPassLength = 10;
inline constexpr int kPeriodDays = 91;          // one quarter
inline constexpr int64_t kPeriodThreshold = 20000;  // cents
inline constexpr int64_t kPeriodExtraFrom = 100000;
inline constexpr int64_t kPeriodExtraBonus = 1000;

}  // namespace kis::demo
