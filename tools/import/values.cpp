#include "values.h"

#include <cctype>
#include <limits>

namespace kis::import {

namespace {

constexpr int64_t kPow10[] = {1,         10,         100,         1000,        10000,
                              100000,    1000000,    10000000,    100000000,   1000000000,
                              10000000000, 100000000000, 1000000000000};

bool Digits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::string Trim(std::string_view t) {
    size_t a = 0, b = t.size();
    while (a < b && (t[a] == ' ' || t[a] == '\t')) ++a;
    while (b > a && (t[b - 1] == ' ' || t[b - 1] == '\t')) --b;
    return std::string(t.substr(a, b - a));
}

std::string Lower(std::string_view t) {
    std::string s(t);
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool ParseDecimal(std::string_view text, char decimal, Decimal& out) {
    const std::string t = Trim(text);
    std::string_view s = t;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    size_t sep = std::string_view::npos;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') continue;
        const bool isSep = decimal ? c == decimal : (c == '.' || c == ',');
        if (!isSep || sep != std::string_view::npos) return false;
        sep = i;
    }
    const std::string_view whole = sep == std::string_view::npos ? s : s.substr(0, sep);
    const std::string_view frac = sep == std::string_view::npos ? std::string_view{} : s.substr(sep + 1);
    if (whole.empty() && frac.empty()) return false;
    // At most 18 digits in all, so the value fits 64 bits.
    if (frac.size() > 9 || whole.size() > 12 || whole.size() + frac.size() > 18) return false;
    int64_t v = 0;
    for (char c : whole) v = v * 10 + (c - '0');
    for (char c : frac) v = v * 10 + (c - '0');
    out.units = negative ? -v : v;
    out.scale = int(frac.size());
    return true;
}

int64_t RoundHalfEven(int64_t value, int scale) {
    if (scale <= 0) return value * kPow10[-scale];
    const int64_t p = kPow10[scale];
    int64_t q = value / p, r = value % p;
    if (r < 0) r = -r;
    const int64_t twice = 2 * r;
    if (twice > p || (twice == p && (q % 2 != 0))) q += value < 0 ? -1 : 1;
    return q;
}

bool ToCents(const Decimal& v, int64_t& cents) {
    cents = RoundHalfEven(v.units, v.scale - 2);
    return true;
}

bool LineCents(int64_t quantity, const Decimal& unitPrice, int64_t& cents) {
    __int128 product = __int128(quantity) * unitPrice.units;
    if (product > std::numeric_limits<int64_t>::max() / 100 ||
        product < std::numeric_limits<int64_t>::min() / 100)
        return false;
    cents = RoundHalfEven(int64_t(product), unitPrice.scale - 2);
    return true;
}

bool ParseWhole(std::string_view text, int64_t& out) {
    Decimal d;
    if (!ParseDecimal(text, 0, d)) return false;
    if (d.units % kPow10[d.scale] != 0) return false;
    out = d.units / kPow10[d.scale];
    return true;
}

bool ParseCustomerNumber(std::string_view text, TIntPair& out) {
    const std::string t = Trim(text);
    const size_t slash = t.find('/');
    int64_t left = 0, right = 0;
    if (slash != std::string::npos) {
        if (!Digits(std::string_view(t).substr(0, slash)) || !Digits(std::string_view(t).substr(slash + 1)))
            return false;
        if (!ParseWhole(t.substr(0, slash), left) || !ParseWhole(t.substr(slash + 1), right)) return false;
    } else if (!ParseWhole(t, left)) {
        return false;
    }
    if (left <= 0 || left > std::numeric_limits<int32_t>::max() || right < 0 ||
        right > std::numeric_limits<int32_t>::max())
        return false;
    out = TIntPair(int32_t(left), int32_t(right));
    return true;
}

bool ParseFlag(std::string_view text, bool fallback, bool& out) {
    const std::string t = Lower(Trim(text));
    if (t.empty()) { out = fallback; return true; }
    if (t == "j" || t == "ja" || t == "1" || t == "true" || t == "y" || t == "yes") { out = true; return true; }
    if (t == "n" || t == "nein" || t == "0" || t == "false" || t == "no") { out = false; return true; }
    return false;
}

namespace {

// Reads exactly `n` digits (n > 0) or, with n == 0, one or two digits.
bool Num(std::string_view s, size_t& i, size_t n, int& out) {
    const size_t start = i;
    const size_t max = n ? n : 2;
    out = 0;
    while (i < s.size() && i - start < max && s[i] >= '0' && s[i] <= '9') out = out * 10 + (s[i++] - '0');
    return n ? i - start == n : i > start;
}

bool Assemble(int y, int mo, int d, int h, int mi, int se, TDateTime& out) {
    if (!kis::date::IsValidDate(y, mo, d) || h > 23 || mi > 59 || se > 59) return false;
    out = kis::date::EncodeDateTime(y, mo, d, h, mi, se);
    return true;
}

}  // namespace

bool ParseDate(std::string_view text, TDateTime& out) {
    const std::string t = Trim(text);
    std::string_view s = t;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0;
    size_t i = 0;
    if (s.size() >= 10 && s[4] == '-') {
        if (!Num(s, i, 4, y) || s[i++] != '-' || !Num(s, i, 2, mo) || s[i++] != '-' || !Num(s, i, 2, d))
            return false;
    } else {
        if (!Num(s, i, 0, d) || i >= s.size() || s[i++] != '.' || !Num(s, i, 0, mo) || i >= s.size() ||
            s[i++] != '.' || !Num(s, i, 4, y))
            return false;
    }
    if (i < s.size()) {
        if (s[i] != ' ' && s[i] != 'T') return false;
        ++i;
        if (!Num(s, i, 0, h) || i >= s.size() || s[i++] != ':' || !Num(s, i, 2, mi)) return false;
        if (i < s.size() && (s[i++] != ':' || !Num(s, i, 2, se))) return false;
        if (i != s.size()) return false;
    }
    return Assemble(y, mo, d, h, mi, se, out);
}

bool ParseDateByFormat(std::string_view text, std::string_view f, TDateTime& out) {
    const std::string t = Trim(text);
    std::string_view s = t;
    int y = -1, mo = -1, d = -1, h = 0, mi = 0, se = 0;
    size_t i = 0, k = 0;
    while (k < f.size()) {
        const char c = f[k];
        size_t run = 1;
        while (k + run < f.size() && f[k + run] == c) ++run;
        int* target = nullptr;
        size_t digits = 0;
        switch (c) {
            case 'd': target = &d; digits = run >= 2 ? 2 : 0; break;
            case 'M': target = &mo; digits = run >= 2 ? 2 : 0; break;
            case 'y': target = &y; digits = run >= 4 ? 4 : 2; break;
            case 'H': case 'h': target = &h; digits = run >= 2 ? 2 : 0; break;
            case 'm': target = &mi; digits = run >= 2 ? 2 : 0; break;
            case 's': target = &se; digits = run >= 2 ? 2 : 0; break;
            default: break;
        }
        if (target) {
            if (!Num(s, i, digits, *target)) return false;
            if (c == 'y' && run < 4) *target += 2000;
            k += run;
            continue;
        }
        if (c == '\'') {
            const size_t end = f.find('\'', k + 1);
            const std::string_view lit = f.substr(k + 1, end == std::string_view::npos ? end : end - k - 1);
            if (s.substr(i, lit.size()) != lit) return false;
            i += lit.size();
            k = end == std::string_view::npos ? f.size() : end + 1;
            continue;
        }
        if (i >= s.size() || s[i] != c) return false;
        ++i;
        ++k;
    }
    if (i != s.size() || y < 0 || mo < 0 || d < 0) return false;
    return Assemble(y, mo, d, h, mi, se, out);
}

bool IsDateFormat(std::string_view f) {
    return f.find('d') != std::string_view::npos && f.find('M') != std::string_view::npos &&
           f.find('y') != std::string_view::npos;
}

}  // namespace kis::import
