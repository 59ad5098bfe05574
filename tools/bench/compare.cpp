#include "compare.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace kis::bench {

namespace {

std::string Euro(int64_t cents) {
    char buf[32];
    const int64_t a = cents < 0 ? -cents : cents;
    std::snprintf(buf, sizeof buf, "%s%lld,%02lld", cents < 0 ? "-" : "", static_cast<long long>(a / 100),
                  static_cast<long long>(a % 100));
    return buf;
}

std::string Side(const CustomerSum* s) {
    if (!s) return "fehlt";
    return Euro(s->cents) + " / Menge " + std::to_string(s->menge);
}

}  // namespace

Comparison CompareSums(const std::vector<CustomerSum>& evaluation,
                       const std::vector<CustomerSum>& anchor, size_t maxListed) {
    std::map<TIntPair, std::pair<const CustomerSum*, const CustomerSum*>> all;
    for (const auto& s : evaluation) all[s.kunde].first = &s;
    for (const auto& s : anchor) all[s.kunde].second = &s;
    Comparison c;
    c.customers = all.size();
    for (const auto& [kunde, pair] : all) {
        const auto [e, a] = pair;
        if (e && a && e->cents == a->cents && e->menge == a->menge) continue;
        ++c.differences;
        if (c.first.size() < maxListed)
            c.first.push_back("Kunde " + kunde.ToString() + ": Auswertung " + Side(e) + ", SQL " + Side(a));
    }
    return c;
}

}  // namespace kis::bench
