#pragma once
// Named date bounds given as date texts (see datum_text.h), checked against dates many times.
// The texts are converted when added, so Check does no parsing.
#include <string>
#include <unordered_map>

#include "platform/base/datetime.h"

class TDatumTester {
public:
    void Clear() { bounds_.clear(); }
    // Adds or replaces the bound `name`. An empty or unreadable text is kept as "no bound";
    // the result says whether the text was a date.
    bool Add(const std::string& name, const std::string& datumText);
    bool Exists(const std::string& name) const;

    // Compares the day of `date` with the named bound: result -1 before it, 0 within it (the
    // bound's day, or its month or year when the text named only those), 1 after it. True
    // when the date lies within. A name without a usable bound gives false and result 0.
    bool Check(const std::string& name, TDateTime date, int& result) const;

private:
    struct Bound {
        TDateTime von = 0;
        TDateTime bis = 0;
        bool valid = false;
    };
    std::unordered_map<std::string, Bound> bounds_;
};
