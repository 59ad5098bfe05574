#include "platform/testers/saison_tester.h"

#include <algorithm>

#include "platform/base/german_collation.h"

namespace {
// Splits "FS2024" into "FS" and 2024; false when the text does not end in four digits.
bool SplitSaison(const std::string& text, std::string& code, int& jahr) {
    if (text.size() < 4) return false;
    const size_t p = text.size() - 4;
    int v = 0;
    for (size_t i = p; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
    }
    code = text.substr(0, p);
    jahr = v;
    return true;
}
}  // namespace

bool TSaisonTester::ParseItem(const std::string& text, Item& out) {
    const std::string t = kis::text::FoldCase(text);
    if (t.empty()) return false;
    const size_t dash = t.find('-');
    if (dash != std::string::npos) {
        std::string c1, c2;
        int j1 = 0, j2 = 0;
        if (!SplitSaison(kis::match::Trim(t.substr(0, dash)), c1, j1) ||
            !SplitSaison(kis::match::Trim(t.substr(dash + 1)), c2, j2) || c1 != c2)
            return false;
        out.kind = Item::Range;
        out.code = c1;
        out.jahrVon = std::min(j1, j2);
        out.jahrBis = std::max(j1, j2);
        return true;
    }
    std::string code;
    int jahr = 0;
    if (t.find_first_of("*?") == std::string::npos && !SplitSaison(t, code, jahr)) {
        out.kind = Item::Code;
        out.pattern = kis::match::Pattern(t);
        return true;
    }
    out.kind = Item::Pattern;
    out.pattern = kis::match::Pattern(t);
    return true;
}

void TSaisonTester::SelektSet(const std::string& selektion) {
    if (selektion == selektion_ && !selektion.empty()) return;  // set once per position
    selektion_ = selektion;
    include_.clear();
    exclude_.clear();
    for (const std::string& part : kis::match::SplitList(selektion, ",; \t")) {
        const bool neg = part[0] == '!';
        Item item;
        // An unreadable item (a range over two codes) is kept as a pattern that matches
        // nothing sensible rather than silently widening the selection.
        if (!ParseItem(neg ? part.substr(1) : part, item)) {
            item.kind = Item::Pattern;
            item.pattern = kis::match::Pattern(part);
        }
        (neg ? exclude_ : include_).push_back(std::move(item));
    }
}

bool TSaisonTester::Matches(const Item& item, const std::string& folded, const std::string& code,
                            int jahr) {
    switch (item.kind) {
        case Item::Range: return code == item.code && jahr >= item.jahrVon && jahr <= item.jahrBis;
        case Item::Code: return code == item.pattern.Folded();
        default: return kis::match::WildcardMatch(item.pattern.Folded(), folded);
    }
}

bool TSaisonTester::Test(const std::string& saisonText) const {
    if (Empty()) return true;
    const std::string folded = kis::text::FoldCase(kis::match::Trim(saisonText));
    std::string code;
    int jahr = -1;
    if (!SplitSaison(folded, code, jahr)) code = folded;
    for (const auto& e : exclude_)
        if (Matches(e, folded, code, jahr)) return false;
    if (include_.empty()) return true;
    for (const auto& i : include_)
        if (Matches(i, folded, code, jahr)) return true;
    return false;
}
