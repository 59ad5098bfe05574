#include "platform/base/keys.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace {
// Splits on '/' or '-' (a leading '-' belongs to the number) and parses 32-bit integers.
bool ParseNumbers(const std::string& text, std::vector<int32_t>& out, size_t maxCount) {
    out.clear();
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    while (i < n) {
        int32_t v = 0;
        auto [p, ec] = std::from_chars(text.data() + i, text.data() + n, v);
        if (ec != std::errc()) return false;
        out.push_back(v);
        if (out.size() > maxCount) return false;
        i = size_t(p - text.data());
        while (i < n && text[i] == ' ') ++i;
        if (i == n) break;
        if (text[i] != '/' && text[i] != '-') return false;
        ++i;
        while (i < n && text[i] == ' ') ++i;
        if (i == n) return false;
    }
    return !out.empty();
}
}  // namespace

std::string TIntPair::ToString() const {
    return std::to_string(Lnr) + "/" + std::to_string(Rnr);
}

bool TIntPair::FromString(const std::string& text, TIntPair& out) {
    std::vector<int32_t> v;
    if (!ParseNumbers(text, v, 2)) return false;
    out = TIntPair(v[0], v.size() > 1 ? v[1] : 0);
    return true;
}

std::string TInt32Trio::ToString() const {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d-%d-%d", Lnr, Rnr, Snr);
    return buf;
}

bool TInt32Trio::FromString(const std::string& text, TInt32Trio& out) {
    std::vector<int32_t> v;
    if (!ParseNumbers(text, v, 3)) return false;
    v.resize(3, 0);
    out = TInt32Trio(v[0], v[1], v[2]);
    return true;
}
