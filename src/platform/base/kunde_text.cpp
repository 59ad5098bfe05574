#include "platform/base/kunde_text.h"

#include <charconv>
#include <cstdint>

namespace kis::keys {

namespace {

// Reads a whole text as a 32-bit integer (blanks around allowed); 0 for anything else.
int32_t HalbeLesen(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty()) return 0;
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

}  // namespace

std::string KundeAlsText(const TIntPair& kunde) {
    return std::to_string(kunde.Lnr) + "/" + std::to_string(kunde.Rnr);
}

TIntPair KundeAusText(const std::string& text) {
    const auto slash = text.find('/');
    if (slash != std::string::npos) {
        const std::string_view all(text);
        return {HalbeLesen(all.substr(0, slash)), HalbeLesen(all.substr(slash + 1))};
    }
    if (text.size() > 11) return {};
    const std::string padded = std::string(11 - text.size(), '0') + text;
    return {HalbeLesen(std::string_view(padded).substr(0, 4)),
            HalbeLesen(std::string_view(padded).substr(4, 7))};
}

}  // namespace kis::keys
