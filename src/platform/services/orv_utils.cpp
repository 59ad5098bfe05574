#include "platform/services/orv_utils.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "platform/match/text_match.h"
#include "platform/services/text.h"

namespace {

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

int ToInt(std::string_view s) {
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

int CurrentYear() {
    int y, m, d;
    kis::date::DecodeDate(kis::date::Now(), y, m, d);
    return y;
}

// Year text of 2 or 4 digits (or empty: current year) to a full year; -1 when unreadable.
int FullYear(std::string_view y) {
    if (y.empty()) return CurrentYear();
    if (!AllDigits(y)) return -1;
    if (y.size() == 2) {
        const int yy = ToInt(y);
        return yy < 50 ? 2000 + yy : 1900 + yy;
    }
    if (y.size() == 4) return ToInt(y);
    return -1;
}

std::optional<TDateTime> ParseDate(std::string_view raw) {
    const std::string text = kis::match::Trim(raw);
    std::string_view t = text;
    std::string_view d, m, y;
    if (AllDigits(t) && (t.size() == 8 || t.size() == 6)) {
        d = t.substr(0, 2);
        m = t.substr(2, 2);
        y = t.substr(4);
    } else {
        const size_t p1 = t.find('.');
        if (p1 == std::string_view::npos) return std::nullopt;
        const size_t p2 = t.find('.', p1 + 1);
        d = t.substr(0, p1);
        if (p2 == std::string_view::npos) {
            m = t.substr(p1 + 1);
        } else {
            m = t.substr(p1 + 1, p2 - p1 - 1);
            y = t.substr(p2 + 1);
        }
        if (d.size() > 2 || m.size() > 2 || !AllDigits(d) || !AllDigits(m)) return std::nullopt;
    }
    const int year = FullYear(y);
    const int month = ToInt(m), day = ToInt(d);
    if (year < 0 || !kis::date::IsValidDate(year, month, day)) return std::nullopt;
    return kis::date::EncodeDate(year, month, day);
}

// Digits with optional thousands points grouping three digits; appends the digits to out.
bool ReadGroupedDigits(std::string_view s, std::string& out) {
    size_t start = 0, groups = 0;
    while (true) {
        const size_t dot = s.find('.', start);
        const std::string_view g = s.substr(start, dot == std::string_view::npos ? s.npos : dot - start);
        if (!AllDigits(g)) return false;
        if (dot != std::string_view::npos && groups == 0 && (g.size() > 3 || g[0] == '0')) return false;
        if (groups > 0 && g.size() != 3) return false;
        out += g;
        ++groups;
        if (dot == std::string_view::npos) return true;
        start = dot + 1;
    }
}

}  // namespace

TDateTime orv_Now() { return kis::date::Now(); }

TDateTime orv_Date() { return kis::date::DateOf(kis::date::Now()); }

TDateTime orv_EndOfNow() { return orv_Date() + (86400000.0 - 1.0) / 86400000.0; }

TDateTime orv_StrToDate(std::string_view text) {
    if (auto v = ParseDate(text)) return *v;
    throw std::invalid_argument("'" + std::string(text) + "' ist kein gültiges Datum.");
}

TDateTime orv_StrToDate_Def(std::string_view text, TDateTime def) {
    return ParseDate(text).value_or(def);
}

std::string orv_DateToStr(TDateTime value) {
    int y, m, d;
    kis::date::DecodeDate(value, y, m, d);
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d, m, y);
    return buf;
}

long double orv_StrToReal_Def(std::string_view raw, long double def) {
    const std::string text = kis::match::Trim(raw);
    std::string_view t = text;
    bool negative = false;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return def;

    std::string intPart, fracPart;
    const size_t comma = t.find(',');
    if (comma != std::string_view::npos) {
        const std::string_view ip = t.substr(0, comma), fp = t.substr(comma + 1);
        if (fp.find_first_not_of("0123456789") != std::string_view::npos) return def;
        if (!ip.empty() && !ReadGroupedDigits(ip, intPart)) return def;
        if (ip.empty() && fp.empty()) return def;
        fracPart = fp;
    } else {
        const size_t first = t.find('.');
        const size_t last = t.rfind('.');
        const bool thousands =
            first != std::string_view::npos &&
            (first != last || (t.size() - first - 1 == 3 && first >= 1 && first <= 3 && t[0] != '0'));
        if (first == std::string_view::npos || thousands) {
            if (!ReadGroupedDigits(t, intPart)) return def;
        } else {
            const std::string_view ip = t.substr(0, first), fp = t.substr(first + 1);
            if ((!ip.empty() && !AllDigits(ip)) || (!fp.empty() && !AllDigits(fp))) return def;
            if (ip.empty() && fp.empty()) return def;
            intPart = ip;
            fracPart = fp;
        }
    }
    const std::string plain = (intPart.empty() ? "0" : intPart) + "." + (fracPart.empty() ? "0" : fracPart);
    // from_chars does not depend on the C locale (a Qt program runs with the user's locale).
    long double v = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(v)) return def;
    return negative ? -v : v;
}

std::string orv_padleft_char(std::string_view text, size_t len, char ch) {
    if (text.size() >= len) return std::string(text);
    return std::string(len - text.size(), ch) + std::string(text);
}

std::string orv_padright_char(std::string_view text, size_t len, char ch) {
    std::string out(text);
    if (out.size() < len) out.append(len - out.size(), ch);
    return out;
}

std::string TrimUp(std::string_view text) {
    return kis::services::UpperGerman(kis::match::Trim(text));
}
