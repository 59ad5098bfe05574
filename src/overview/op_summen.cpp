#include "overview/op_summen.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "platform/services/number_format.h"

namespace kis::overview {

namespace {

int64_t ZahlOderNull(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && end == text.data() + text.size() ? v : 0;
}

}  // namespace

std::string OPSummenEintrag(int64_t cent1, int64_t cent2) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.11lld~%.11lld", static_cast<long long>(cent1),
                  static_cast<long long>(cent2));
    return buf;
}

void OPSummenLesen(const std::string& eintrag, int64_t& cent1, int64_t& cent2) {
    const std::string_view e(eintrag);
    const auto tilde = e.find('~');
    cent1 = ZahlOderNull(e.substr(0, tilde));
    cent2 = tilde == std::string_view::npos ? 0 : ZahlOderNull(e.substr(tilde + 1));
}

void OPSummeAddieren(std::map<std::string, std::string>& liste, const std::string& tabelle,
                     long double betrag1, long double betrag2) {
    int64_t a = 0, b = 0;
    const auto it = liste.find(tabelle);
    if (it != liste.end()) OPSummenLesen(it->second, a, b);
    // Whole cents: a long run adds no binary rounding error from customer to customer.
    a += kis::services::ToCents(betrag1);
    b += kis::services::ToCents(betrag2);
    liste[tabelle] = OPSummenEintrag(a, b);
}

}  // namespace kis::overview
