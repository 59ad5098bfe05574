#include "cli.h"

#include <unistd.h>

#include <charconv>
#include <filesystem>

#include "platform/base/datetime.h"

namespace kis::demo {

namespace {

bool ParseNumber(const std::string& text, uint64_t& out) {
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && p == end;
}

// "JJJJ-MM-TT" -> days since 1899-12-30; 0 when not a valid date.
int ParseDay(const std::string& text) {
    uint64_t y, m, d;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !ParseNumber(text.substr(0, 4), y) ||
        !ParseNumber(text.substr(5, 2), m) || !ParseNumber(text.substr(8, 2), d) ||
        !date::IsValidDate(int(y), int(m), int(d)))
        return 0;
    return int(date::DaysFromCivil(int(y), int(m), int(d)));
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CliOptions& out, std::string& error) {
    out.size = *FindSize("small");
    for (const auto& a : args) {
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : a.substr(eq + 1);
        const bool hasValue = eq != std::string::npos;
        if (name == "--force" && !hasValue) {
            out.force = true;
        } else if (name == "--quiet" && !hasValue) {
            out.quiet = true;
        } else if (name == "--db" && hasValue) {
            if (value.empty()) {
                error = "Bei --db fehlt der Dateiname.";
                return false;
            }
            out.db = value;
        } else if (name == "--size" && hasValue) {
            const auto s = FindSize(value);
            if (!s) {
                error = "Unbekannte Größe \"" + value + "\" (erlaubt: tiny, small, medium, large).";
                return false;
            }
            out.size = *s;
        } else if (name == "--seed" && hasValue) {
            if (!ParseNumber(value, out.seed)) {
                error = "Der Startwert \"" + value + "\" ist keine ganze Zahl ohne Vorzeichen.";
                return false;
            }
        } else if (name == "--today" && hasValue) {
            out.today = ParseDay(value);
            if (out.today == 0) {
                error = "Das Datum \"" + value + "\" ist kein gültiges Datum (JJJJ-MM-TT).";
                return false;
            }
        } else {
            error = "Unbekannte oder unvollständige Option \"" + a + "\".";
            return false;
        }
    }
    if (out.db.empty()) {
        error = "Die Zieldatei fehlt (--db=DATEI).";
        return false;
    }
    return true;
}

bool CheckTarget(const CliOptions& o, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(o.db);
    if (fs::is_directory(target, ec)) {
        error = "\"" + o.db + "\" ist ein Ordner, keine Datenbankdatei.";
        return false;
    }
    if (fs::exists(target, ec) && !o.force) {
        error = "Die Datei \"" + o.db + "\" existiert bereits; zum Ersetzen --force angeben.";
        return false;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) {
        error = "Der Ordner \"" + folder.string() + "\" existiert nicht.";
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        error = "In den Ordner \"" + folder.string() + "\" darf nicht geschrieben werden.";
        return false;
    }
    return true;
}

}  // namespace kis::demo
