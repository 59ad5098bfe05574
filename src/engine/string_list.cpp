#include "engine/string_list.h"

#include <cctype>

namespace {

std::string Trimmed(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

}  // namespace

bool TStringList::SameName(const std::string& a, const std::string& b) {
    const std::string x = Trimmed(a), y = Trimmed(b);
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(x[i])) !=
            std::toupper(static_cast<unsigned char>(y[i])))
            return false;
    return true;
}

std::string TStringList::Names(int i) const {
    const std::string& l = lines_[size_t(i)];
    const size_t eq = l.find('=');
    return eq == std::string::npos ? l : l.substr(0, eq);
}

std::string TStringList::ValueFromIndex(int i) const {
    const std::string& l = lines_[size_t(i)];
    const size_t eq = l.find('=');
    return eq == std::string::npos ? std::string() : l.substr(eq + 1);
}

int TStringList::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (lines_[size_t(i)].find('=') != std::string::npos && SameName(Names(i), name)) return i;
    return -1;
}

std::string TStringList::Values(const std::string& name) const {
    const int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
    const int i = IndexOfName(name);
    if (i < 0)
        lines_.push_back(name + "=" + value);
    else
        lines_[size_t(i)] = Names(i) + "=" + value;
}
