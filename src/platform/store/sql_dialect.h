#pragma once
// Everything of our SQL that only the embedded database engine understands, in one place:
// the row identity, scans in file order, the German collation and case fold, text patterns,
// insert-or-replace, and the session settings. Domain services compose their statements from
// these pieces and plain SQL with bound parameters; a second engine answers the same calls
// with its own texts.
#include <string>
#include <vector>

namespace kis::store::sql {

// The column every table numbers its records by ("row id"); records keep it for life.
const std::string& RowId();
// A table read from front to back in file order, without using a key index.
std::string TableInFileOrder(const std::string& table);

// A text expression compared case-insensitively (umlauts folded the German way).
std::string Fold(const std::string& expr);
// A text expression sorted and compared the German way.
std::string GermanOrder(const std::string& expr);
// A float sum over the rows that is 0.0, not NULL, when no row has a value.
std::string TotalOf(const std::string& expr);

// Condition "expr matches the bound pattern" for patterns made by MatchPattern.
std::string Matches(const std::string& expr);
// A user pattern as the engine's pattern: with wildcards, '*' and '?' stand for any text and
// any one character; without, they are ordinary characters. Every other character is literal.
std::string MatchPattern(const std::string& text, bool wildcards);

// INSERT that replaces a record with the same unique key, or keeps the existing one.
std::string InsertOrReplace(const std::string& table, const std::string& columns,
                            const std::string& values);
std::string InsertOrIgnore(const std::string& table, const std::string& columns,
                           const std::string& values);

// Session settings and checks of a connection (see database.cpp).
std::vector<std::string> SuiteSessionSettings();
std::vector<std::string> WorkSessionSettings();
std::vector<std::string> BulkLoadSettings(int cacheMegabytes);
std::string CacheSize(int megabytes);
std::string SetApplicationId(int id);
std::string SetSchemaVersion(int version);
const char* ReadApplicationId();
const char* ReadSchemaVersion();
// Integrity checks: the whole file, or the given tables only.
std::vector<std::string> IntegrityChecks(const std::vector<std::string>& tables);
// Names of the German collation and the fold function the connection registers.
const char* GermanCollationName();
const char* FoldFunctionName();

}  // namespace kis::store::sql
