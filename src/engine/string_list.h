#pragma once
// An ordered list of text lines, most of them "name=value" pairs, as the selection boxes
// write them (payment means, open-item tables). Names are compared trimmed and ignoring
// ASCII case; the order of the lines is kept.
#include <string>
#include <vector>

class TStringList {
public:
    void Add(const std::string& line) { lines_.push_back(line); }
    void Clear() { lines_.clear(); }
    int Count() const { return int(lines_.size()); }
    const std::string& operator[](int i) const { return lines_[size_t(i)]; }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Name and value of line i (the whole line is the name when it has no '=').
    std::string Names(int i) const;
    std::string ValueFromIndex(int i) const;
    // Index of the first line with this name; -1 when none.
    int IndexOfName(const std::string& name) const;
    // Value of the first line with this name; empty when none.
    std::string Values(const std::string& name) const;
    // Replaces the value of the first line with this name, or appends "name=value".
    void SetValue(const std::string& name, const std::string& value);

    // Copies the lines one by one.
    void Assign(const TStringList& source) { lines_ = source.lines_; }

    // Name compare used by the list: trimmed, ASCII case ignored.
    static bool SameName(const std::string& a, const std::string& b);

private:
    std::vector<std::string> lines_;
};
