#pragma once
// German order of names (DIN 5007, variant 1): case and accents do not decide first,
// "ä" sorts as "a", "ß" as "ss"; only equal keys are then ordered by their exact text.
#include <string>
#include <string_view>

namespace kis::text {

// The primary sort key: lower case, umlauts and accents folded, "ß" → "ss".
std::string GermanSortKey(std::string_view utf8);

// <0, 0, >0 like strcmp, in German order.
int GermanCompare(std::string_view a, std::string_view b);

// Case folding that also covers the German letters (for case-insensitive filters).
std::string FoldCase(std::string_view utf8);

}  // namespace kis::text
