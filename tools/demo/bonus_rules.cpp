#include "bonus_rules.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "catalog.h"
#include "platform/bonus/umzr_params.h"

namespace kis::demo {

const std::vector<Rule>& DemoRules() {
    constexpr int64_t kOpen = 999999999;  // 9.999.999,99: the open last band
    static const std::vector<Rule> rules = {
        {"Standard 3 %", 'P', 0, 0, {{kOpen, 300}}},
        {"Staffel Umsatz", 'P', 1, 50, {{50000, 200}, {200000, 300}, {kOpen, 500}}},
        {"Pass Eintrag", 'P', 0, 0, {{kOpen, 200}}},
        {"Pass Prämie", 'A', 0, 0, {{5000, 500}, {kOpen, 1000}}},
        {"Rabatt 10 %", 'P', 3, 100, {{kOpen, 1000}}},
    };
    return rules;
}

std::string DecimalComma(int64_t cents) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%lld,%02lld", cents < 0 ? "-" : "",
                  static_cast<long long>(std::llabs(cents) / 100),
                  static_cast<long long>(std::llabs(cents) % 100));
    return buf;
}

std::vector<std::string> RuleContent(const Rule& rule) {
    std::vector<std::string> lines;
    for (const auto& r : rule.rows) lines.push_back(DecimalComma(r.upperCents) + "=" + DecimalComma(r.bonus));
    return lines;
}

namespace {

std::vector<std::string> PeriodContent() {
    TQEL_UMZR_Params p;
    p.Zeitraum = kPeriodDays;
    p.Einheit = kUMZRTage;
    p.UmsatzgrenzeCent = kPeriodThreshold;
    p.Regel = "Standard 3 %";
    p.Berechnung = 1;
    p.Storno = 1;
    p.ExtraBonus = {{kPeriodExtraFrom, kPeriodExtraBonus}};
    return p.AssignToStrL();
}

}  // namespace

const std::vector<Programme>& DemoProgrammes() {
    static const std::vector<Programme> programmes = [] {
        std::vector<std::string> pass(kPassLength - 1, "Pass Eintrag");
        pass.push_back("Pass Prämie");
        return std::vector<Programme>{
            {kPassType, kPassName, kPassLength, "1", "0", "1741", pass},
            {kTurnoverType, kTurnoverName, -1, "2", "1", "1740", {"Staffel Umsatz"}},
            {kTurnoverType, kLoyaltyName, -1, "0", "0", "1740", {"Standard 3 %"}},
            {kCouponType, kCouponName, -1, "2", "0", "RS10", {"Rabatt 10 %"}},
            // Period premium: the parameter record in its own text form.
            {kPeriodType, kPeriodName, 0, "0", "0", "1744", PeriodContent()},
        };
    }();
    return programmes;
}

}  // namespace kis::demo
