#pragma once
// Text matching shared by the domain filters: trimming, list splitting and wildcard patterns
// ('*' any run, '?' one character) compared after German case folding.
#include <string>
#include <string_view>
#include <vector>

namespace kis::match {

std::string Trim(std::string_view text);
bool IsBlank(std::string_view text);

// Splits on any of the separator characters; parts are trimmed, empty parts dropped.
std::vector<std::string> SplitList(std::string_view text, std::string_view separators);

// A pattern prepared once and matched many times. Without wildcards the pattern matches
// texts that begin with it when prefix is true, else only equal texts.
class Pattern {
public:
    Pattern() = default;
    explicit Pattern(std::string_view pattern, bool prefix = false);
    bool Empty() const { return empty_; }
    bool Matches(std::string_view text) const;
    // The folded pattern text (wildcards kept).
    const std::string& Folded() const { return folded_; }
    bool HasWildcards() const { return wild_; }

private:
    std::string folded_;
    bool wild_ = false;
    bool prefix_ = false;
    bool empty_ = true;
};

// Wildcard match of already folded texts.
bool WildcardMatch(std::string_view pattern, std::string_view text);

// A prefix or pattern as an SQL LIKE argument with '\' as escape character: the database's
// own wildcards '%' and '_' (and '\') in the user's text are escaped, '*' and '?' become
// '%' and '_'. Use with "LIKE ? ESCAPE '\'" on store::sql::Fold(column).
std::string LikeFromPattern(std::string_view foldedPattern);

// Reads a number the German way ("1.234,56" or "1234.56"); false when it is none.
bool ParseNumber(std::string_view text, long double& out);

}  // namespace kis::match
