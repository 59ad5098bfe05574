#include "app/command_line.h"

#include <algorithm>
#include <cctype>

namespace kis::app {

namespace {

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

bool IsSwitch(const std::string& trimmed) {
    return !trimmed.empty() && (trimmed[0] == '-' || trimmed[0] == '/');
}

}  // namespace

bool CheckAutoBGModus(const Arguments& args) {
    for (const auto& a : args) {
        const std::string t = Upper(Trim(a));
        if (IsSwitch(t) && t.substr(1) == "ABG") return true;
    }
    return false;
}

std::vector<std::string> MandantSwitches(const Arguments& args) {
    std::vector<std::string> out;
    for (const auto& a : args) {
        const std::string trimmed = Trim(a);
        const std::string t = Upper(trimmed);
        if (IsSwitch(t) && t.size() >= 6 && t.compare(1, 5, "MAND=") == 0)
            out.push_back(trimmed.size() > 6 ? trimmed.substr(6) : std::string());
    }
    return out;
}

std::string GetAutoBGMaske(const Arguments& args, int which) {
    const char* key = which == 0 ? "PROG" : "KUND";
    std::string result;
    for (const auto& a : args) {
        const std::string trimmed = Trim(a);
        const std::string t = Upper(trimmed);
        if (!IsSwitch(t) || t.size() < 5 || t.compare(1, 4, key) != 0) continue;
        const auto eq = trimmed.find('=');
        if (eq == std::string::npos) continue;
        result = trimmed.substr(eq + 1);
    }
    return result;
}

std::string DatabaseArgument(const Arguments& args) {
    std::string result;
    for (const auto& a : args) {
        const std::string trimmed = Trim(a);
        if (trimmed.rfind("--db=", 0) == 0) result = trimmed.substr(5);
    }
    return result;
}

}  // namespace kis::app
