#pragma once
// Text helpers of the platform services (trimming is kis::match::Trim, German sorting
// kis::text::GermanCompare). Texts are UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kis::services {

// Upper-cases ASCII letters and the Latin-1 letters (ä→Ä, é→É ...); "ß" stays "ß".
std::string UpperGerman(std::string_view text);

// A whole decimal integer, surrounding blanks ignored; nullopt for anything else.
std::optional<int64_t> ParseInteger(std::string_view text);

}  // namespace kis::services
