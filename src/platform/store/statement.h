#pragma once
// A prepared statement with bound parameters; owned by a connection's statement cache or by
// its creator. Never built from user text: values always go through Bind. The database
// library itself stays behind this type: no caller sees its handles.
#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kis::store {

class Database;

class Statement {
public:
    Statement() = default;
    // Prepares the SQL text on the connection; throws StoreError when the text is not valid.
    Statement(Database& db, const std::string& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are 1-based. Bind copies a text; BindRef binds it without a copy, so the
    // text must stay as it is until the statement has been stepped (bulk writers).
    Statement& Bind(int index, int64_t value);
    Statement& Bind(int index, int value) { return Bind(index, int64_t(value)); }
    Statement& Bind(int index, double value);
    Statement& Bind(int index, std::string_view value);
    Statement& Bind(int index, const char* value) { return Bind(index, std::string_view(value)); }
    Statement& Bind(int index, const std::string& value) { return Bind(index, std::string_view(value)); }
    Statement& BindRef(int index, std::string_view value);
    Statement& BindNull(int index);

    // One step; true while a row is available. Throws StoreError on failure.
    bool Step();
    // Runs a statement that returns no rows, then resets it and clears its parameters.
    void Run();
    // Runs a statement that returns no rows and resets it, keeping the parameters: for
    // writers that bind every parameter anew before each run.
    void Execute();
    void Reset();

    // Columns of the current row, 0-based. A text view is valid until the next Step or Reset.
    int64_t ColumnInt(int col) const;
    double ColumnDouble(int col) const;
    std::string ColumnText(int col) const;
    std::string_view ColumnTextView(int col) const;
    // Assigns the column's text to out, reusing out's buffer.
    void ColumnText(int col, std::string& out) const;
    bool ColumnIsNull(int col) const;
    int ColumnCount() const;

    bool Valid() const { return stmt_ != nullptr; }

private:
    [[noreturn]] void Fail(const std::string& what) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace kis::store
