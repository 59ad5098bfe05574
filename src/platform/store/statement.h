#pragma once
// A prepared SQLite statement with bound parameters; owned by the database's statement cache
// or by its creator. Never built from user text: values always go through Bind.
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace kis::store {

class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are 1-based as in SQLite.
    Statement& Bind(int index, int64_t value);
    Statement& Bind(int index, int value) { return Bind(index, int64_t(value)); }
    Statement& Bind(int index, double value);
    Statement& Bind(int index, std::string_view value);
    Statement& BindNull(int index);

    // One step; true while a row is available. Throws StoreError on failure.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();
    void Reset();

    int64_t ColumnInt(int col) const { return sqlite3_column_int64(stmt_, col); }
    double ColumnDouble(int col) const { return sqlite3_column_double(stmt_, col); }
    std::string ColumnText(int col) const;
    bool ColumnIsNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }
    int ColumnCount() const { return sqlite3_column_count(stmt_); }

    sqlite3_stmt* Handle() const { return stmt_; }
    bool Valid() const { return stmt_ != nullptr; }

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace kis::store
