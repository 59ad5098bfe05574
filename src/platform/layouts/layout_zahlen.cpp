#include "platform/layouts/layout_zahlen.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kis::layouts {

std::string ZahlText(double wert) {
    if (!std::isfinite(wert)) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", wert);
    std::string s = buf;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

std::optional<double> ZahlLesen(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty() || text.size() > 40) return std::nullopt;
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace kis::layouts
