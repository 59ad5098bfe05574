#include "platform/match/text_match.h"

#include <cstdlib>

#include "platform/base/german_collation.h"

namespace kis::match {

std::string Trim(std::string_view text) {
    const char* ws = " \t\r\n";
    const size_t b = text.find_first_not_of(ws);
    if (b == std::string_view::npos) return {};
    const size_t e = text.find_last_not_of(ws);
    return std::string(text.substr(b, e - b + 1));
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

std::vector<std::string> SplitList(std::string_view text, std::string_view separators) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) end = text.size();
        std::string part = Trim(text.substr(start, end - start));
        if (!part.empty()) out.push_back(std::move(part));
        start = end + 1;
    }
    return out;
}

Pattern::Pattern(std::string_view pattern, bool prefix) : prefix_(prefix) {
    const std::string t = Trim(pattern);
    empty_ = t.empty();
    folded_ = kis::text::FoldCase(t);
    wild_ = folded_.find_first_of("*?") != std::string::npos;
}

bool Pattern::Matches(std::string_view text) const {
    if (empty_) return true;
    const std::string f = kis::text::FoldCase(Trim(text));
    if (wild_) return WildcardMatch(folded_, f);
    if (prefix_) return f.compare(0, folded_.size(), folded_) == 0;
    return f == folded_;
}

// Iterative matcher with one backtrack point per '*': linear in practice, no recursion.
// '?' matches one UTF-8 character.
bool WildcardMatch(std::string_view p, std::string_view t) {
    auto charLen = [](std::string_view s, size_t i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
        return i + n <= s.size() ? n : s.size() - i;
    };
    size_t pi = 0, ti = 0, starP = std::string_view::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == '*') {
            starP = ++pi;
            starT = ti;
        } else if (pi < p.size() && p[pi] == '?') {
            ++pi;
            ti += charLen(t, ti);
        } else if (pi < p.size() && p[pi] == t[ti]) {
            ++pi;
            ++ti;
        } else if (starP != std::string_view::npos) {
            pi = starP;
            starT += charLen(t, starT);
            ti = starT;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

std::string LikeFromPattern(std::string_view folded) {
    std::string out;
    out.reserve(folded.size() + 4);
    for (char c : folded) {
        switch (c) {
            case '%': case '_': case '\\': out += '\\'; out += c; break;
            case '*': out += '%'; break;
            case '?': out += '_'; break;
            default: out += c;
        }
    }
    return out;
}

bool ParseNumber(std::string_view text, long double& out) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    // "1.234,56" → "1234.56"; a lone '.' stays the decimal point.
    if (t.find(',') != std::string::npos) {
        std::string u;
        for (char c : t) {
            if (c == '.') continue;
            u += c == ',' ? '.' : c;
        }
        t = u;
    }
    char* end = nullptr;
    const long double v = std::strtold(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0') return false;
    out = v;
    return true;
}

}  // namespace kis::match
