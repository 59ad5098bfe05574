#include "platform/store/statement.h"

#include <sqlite3.h>

#include "platform/store/database.h"
#include "platform/store/store_error.h"

namespace kis::store {

Statement::Statement(Database& db, const std::string& sql) : db_(db.db_) {
    if (sqlite3_prepare_v3(db_, sql.c_str(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_,
                           nullptr) != SQLITE_OK) {
        stmt_ = nullptr;
        Fail("Vorbereiten von \"" + sql + "\"");
    }
}

Statement::~Statement() {
    if (stmt_) sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        if (stmt_) sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = other.stmt_;
        other.stmt_ = nullptr;
    }
    return *this;
}

void Statement::Fail(const std::string& what) const {
    throw StoreError("Datenbankfehler (" + what + "): " + (db_ ? sqlite3_errmsg(db_) : "?"));
}

Statement& Statement::Bind(int index, int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) Fail("Parameter");
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    if (sqlite3_bind_double(stmt_, index, value) != SQLITE_OK) Fail("Parameter");
    return *this;
}

Statement& Statement::Bind(int index, std::string_view value) {
    if (sqlite3_bind_text(stmt_, index, value.data(), int(value.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        Fail("Parameter");
    return *this;
}

Statement& Statement::BindRef(int index, std::string_view value) {
    if (sqlite3_bind_text(stmt_, index, value.data(), int(value.size()), SQLITE_STATIC) !=
        SQLITE_OK)
        Fail("Parameter");
    return *this;
}

Statement& Statement::BindNull(int index) {
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) Fail("Parameter");
    return *this;
}

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const std::string sql = sqlite3_sql(stmt_) ? sqlite3_sql(stmt_) : "";
    // The error text belongs to the failed step; read it before the reset.
    const std::string msg = sqlite3_errmsg(db_);
    sqlite3_reset(stmt_);
    throw StoreError("Datenbankfehler (" + sql + "): " + msg);
}

void Statement::Run() {
    while (Step()) {
    }
    Reset();
}

void Statement::Execute() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW) {
        sqlite3_reset(stmt_);
        return;
    }
    const std::string sql = sqlite3_sql(stmt_) ? sqlite3_sql(stmt_) : "";
    const std::string msg = sqlite3_errmsg(db_);
    sqlite3_reset(stmt_);
    throw StoreError("Datenbankfehler (" + sql + "): " + msg);
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int64_t Statement::ColumnInt(int col) const { return sqlite3_column_int64(stmt_, col); }

double Statement::ColumnDouble(int col) const { return sqlite3_column_double(stmt_, col); }

std::string_view Statement::ColumnTextView(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
    return p ? std::string_view(p, size_t(sqlite3_column_bytes(stmt_, col))) : std::string_view();
}

std::string Statement::ColumnText(int col) const { return std::string(ColumnTextView(col)); }

void Statement::ColumnText(int col, std::string& out) const {
    const std::string_view v = ColumnTextView(col);
    out.assign(v.data(), v.size());
}

bool Statement::ColumnIsNull(int col) const {
    return sqlite3_column_type(stmt_, col) == SQLITE_NULL;
}

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

}  // namespace kis::store
