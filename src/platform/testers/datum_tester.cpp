#include "platform/testers/datum_tester.h"

#include "platform/testers/datum_text.h"

bool TDatumTester::Add(const std::string& name, const std::string& datumText) {
    Bound b;
    b.valid = kis::testers::DatumTextBereich(datumText, b.von, b.bis);
    bounds_[name] = b;
    return b.valid;
}

bool TDatumTester::Exists(const std::string& name) const { return bounds_.count(name) != 0; }

bool TDatumTester::Check(const std::string& name, TDateTime date, int& result) const {
    result = 0;
    const auto it = bounds_.find(name);
    if (it == bounds_.end() || !it->second.valid) return false;
    const TDateTime day = kis::date::DateOf(date);
    if (day < it->second.von)
        result = -1;
    else if (day > it->second.bis)
        result = 1;
    return result == 0;
}
