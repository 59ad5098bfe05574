#pragma once
// Tests a season text (short code followed by the four-digit year, "FS2024") against a
// season selection. Selection syntax, items separated by ',', ';' or blanks, case ignored:
//   FS2024      exactly this season
//   FS          this short code in every year
//   *2024, F?2025, HW*   wildcard patterns ('*' any run, '?' one character)
//   FS2023-FS2025       a range of one short code over several years (both inclusive)
//   !HW2024     excludes what the item matches (exclusions win over inclusions)
// A selection with only exclusions takes every other season. An empty selection takes all.
#include <string>
#include <vector>

#include "platform/match/text_match.h"

class TSaisonTester {
public:
    void SelektSet(const std::string& selektion);
    bool Test(const std::string& saisonText) const;
    bool Empty() const { return include_.empty() && exclude_.empty(); }

private:
    struct Item {
        enum Kind { Pattern, Code, Range } kind = Pattern;
        kis::match::Pattern pattern;  // Pattern: the whole text; Code: the short code
        std::string code;             // Range: folded short code
        int jahrVon = 0, jahrBis = 0;
    };
    static bool Matches(const Item& item, const std::string& folded, const std::string& code,
                        int jahr);
    static bool ParseItem(const std::string& text, Item& out);

    std::vector<Item> include_;
    std::vector<Item> exclude_;
    std::string selektion_;
};
