#include "platform/services/text.h"

#include <charconv>

#include "platform/match/text_match.h"

namespace kis::services {

namespace {
// Latin-1 letters U+00C0..U+00FE are encoded as 0xC3 0x80..0xBE in UTF-8.
constexpr unsigned char kLead = 0xC3;
}  // namespace

std::string UpperGerman(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = char(c - 32);
        } else if (c == kLead && i + 1 < out.size()) {
            const auto s = static_cast<unsigned char>(out[i + 1]);
            // à..þ (0xA0..0xBE) except ÷ (0xB7) map to À..Þ (0x80..0x9E).
            if (s >= 0xA0 && s <= 0xBE && s != 0xB7) out[i + 1] = char(s - 0x20);
            ++i;
        }
    }
    return out;
}

std::optional<int64_t> ParseInteger(std::string_view text) {
    const std::string t = match::Trim(text);
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}

}  // namespace kis::services
