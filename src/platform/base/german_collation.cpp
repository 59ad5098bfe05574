#include "platform/base/german_collation.h"

#include <algorithm>
#include <cstdint>

namespace kis::text {

namespace {

// Decodes one UTF-8 code point; invalid bytes pass through as themselves.
char32_t Next(std::string_view s, size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) { ++i; return c; }
    int len = (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (len == 1 || i + size_t(len) > s.size()) { ++i; return c; }
    char32_t cp = c & (0xFF >> (len + 1));
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + size_t(k)]) & 0x3F);
    i += size_t(len);
    return cp;
}

void Append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

char32_t Lower(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') return cp + 32;
    // Latin-1 capitals except the multiplication sign.
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;
    return cp;
}

// Base letter of a lower-case Latin-1 letter with an accent or umlaut.
const char* Base(char32_t cp) {
    switch (cp) {
        case 0xE0: case 0xE1: case 0xE2: case 0xE3: case 0xE4: case 0xE5: return "a";
        case 0xE6: return "ae";
        case 0xE7: return "c";
        case 0xE8: case 0xE9: case 0xEA: case 0xEB: return "e";
        case 0xEC: case 0xED: case 0xEE: case 0xEF: return "i";
        case 0xF1: return "n";
        case 0xF2: case 0xF3: case 0xF4: case 0xF5: case 0xF6: case 0xF8: return "o";
        case 0xF9: case 0xFA: case 0xFB: case 0xFC: return "u";
        case 0xFD: case 0xFF: return "y";
        case 0xDF: return "ss";
        default: return nullptr;
    }
}

}  // namespace

std::string GermanSortKey(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const char32_t cp = Lower(Next(s, i));
        if (const char* b = Base(cp)) out += b;
        else Append(out, cp);
    }
    return out;
}

std::string FoldCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) Append(out, Lower(Next(s, i)));
    return out;
}

namespace {
bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }
}  // namespace

int GermanCompare(std::string_view a, std::string_view b) {
    // Name indexes compare millions of times: plain ASCII names need no sort keys, their
    // primary order is the case-insensitive one and the exact text decides ties.
    if (IsAscii(a) && IsAscii(b)) {
        const size_t n = std::min(a.size(), b.size());
        for (size_t i = 0; i < n; ++i) {
            const char ca = LowerAscii(a[i]);
            const char cb = LowerAscii(b[i]);
            if (ca != cb) return ca < cb ? -1 : 1;
        }
        if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
        if (int c = a.compare(b)) return c < 0 ? -1 : 1;
        return 0;
    }
    const std::string ka = GermanSortKey(a);
    const std::string kb = GermanSortKey(b);
    if (int c = ka.compare(kb)) return c < 0 ? -1 : 1;
    const std::string fa = FoldCase(a);
    const std::string fb = FoldCase(b);
    if (int c = fa.compare(fb)) return c < 0 ? -1 : 1;
    if (int c = a.compare(b)) return c < 0 ? -1 : 1;
    return 0;
}

}  // namespace kis::text
