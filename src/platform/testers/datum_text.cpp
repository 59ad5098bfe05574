#include "platform/testers/datum_text.h"

#include <string>

#include "platform/match/text_match.h"

namespace kis::testers {

namespace {
// A part of the text as a number; blanks around it are ignored; -1 when it is not a number.
int ReadPart(std::string_view part, size_t& digits) {
    const std::string t = kis::match::Trim(part);
    digits = t.size();
    if (t.empty()) return 0;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
        if (v > 100000) return -1;
    }
    return v;
}
}  // namespace

bool DatumTextBereich(std::string_view text, TDateTime& von, TDateTime& bis) {
    von = bis = 0;
    std::string t;
    for (char c : text)
        if (c != '.') t += c;
    if (kis::match::IsBlank(t) || t.size() > 8) return false;
    t.resize(8, ' ');
    size_t nd = 0, nm = 0, ny = 0;
    const int d = ReadPart(std::string_view(t).substr(0, 2), nd);
    const int m = ReadPart(std::string_view(t).substr(2, 2), nm);
    int y = ReadPart(std::string_view(t).substr(4, 4), ny);
    if (d < 0 || m < 0 || y < 0 || y == 0) return false;
    if (y < 100 && ny < 3) y += y >= 80 ? 1900 : 2000;
    if (d == 0 && m == 0) {
        von = kis::date::EncodeDate(y, 1, 1);
        bis = kis::date::EncodeDate(y, 12, 31);
    } else if (d == 0) {
        if (m > 12) return false;
        von = kis::date::EncodeDate(y, m, 1);
        bis = kis::date::EncodeDate(m == 12 ? y + 1 : y, m == 12 ? 1 : m + 1, 1) - 1;
    } else {
        if (!kis::date::IsValidDate(y, m, d)) return false;
        von = bis = kis::date::EncodeDate(y, m, d);
    }
    if (von == 0 || bis == 0) {
        von = bis = 0;
        return false;
    }
    return true;
}

}  // namespace kis::testers
