#include "platform/store/sql_dialect.h"

namespace kis::store::sql {

const std::string& RowId() {
    static const std::string rowid = "rowid";
    return rowid;
}

std::string TableInFileOrder(const std::string& table) { return table + " NOT INDEXED"; }

std::string Fold(const std::string& expr) {
    return std::string(FoldFunctionName()) + "(" + expr + ")";
}

std::string GermanOrder(const std::string& expr) {
    return expr + " COLLATE " + GermanCollationName();
}

std::string TotalOf(const std::string& expr) { return "TOTAL(" + expr + ")"; }

std::string Matches(const std::string& expr) { return expr + " GLOB ?"; }

std::string MatchPattern(const std::string& text, bool wildcards) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '[') out += "[[]";
        else if (!wildcards && (c == '*' || c == '?')) out += std::string("[") + c + "]";
        else out += c;
    }
    return out;
}

std::string InsertOrReplace(const std::string& table, const std::string& columns,
                            const std::string& values) {
    return "INSERT OR REPLACE INTO " + table + " (" + columns + ") VALUES (" + values + ")";
}

std::string InsertOrIgnore(const std::string& table, const std::string& columns,
                           const std::string& values) {
    return "INSERT OR IGNORE INTO " + table + " (" + columns + ") VALUES (" + values + ")";
}

std::vector<std::string> SuiteSessionSettings() {
    return {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON"};
}

// Work files are rebuilt by every run: speed over durability.
std::vector<std::string> WorkSessionSettings() {
    return {"PRAGMA journal_mode=OFF", "PRAGMA synchronous=OFF"};
}

std::vector<std::string> BulkLoadSettings(int cacheMegabytes) {
    return {CacheSize(cacheMegabytes), "PRAGMA synchronous=OFF"};
}

std::string CacheSize(int megabytes) {
    return "PRAGMA cache_size=" + std::to_string(-int64_t(megabytes) * 1024);
}

std::string SetApplicationId(int id) { return "PRAGMA application_id=" + std::to_string(id); }
std::string SetSchemaVersion(int version) {
    return "PRAGMA user_version=" + std::to_string(version);
}
const char* ReadApplicationId() { return "PRAGMA application_id"; }
const char* ReadSchemaVersion() { return "PRAGMA user_version"; }

std::vector<std::string> IntegrityChecks(const std::vector<std::string>& tables) {
    if (tables.empty()) return {"PRAGMA quick_check"};
    std::vector<std::string> out;
    out.push_back("PRAGMA quick_check(sqlite_schema)");
    for (const auto& t : tables) out.push_back("PRAGMA quick_check(" + t + ")");
    return out;
}

const char* GermanCollationName() { return "DE"; }
const char* FoldFunctionName() { return "KIS_FOLD"; }

}  // namespace kis::store::sql
