#include "platform/store/statement.h"

#include "platform/store/store_error.h"

namespace kis::store {

namespace {
[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
    throw StoreError("Datenbankfehler (" + what + "): " + (db ? sqlite3_errmsg(db) : "?"));
}
}  // namespace

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v3(db, sql.c_str(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_,
                           nullptr) != SQLITE_OK) {
        stmt_ = nullptr;
        Fail(db, "Vorbereiten von \"" + sql + "\"");
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

Statement& Statement::Bind(int index, int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) Fail(db_, "Parameter");
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    if (sqlite3_bind_double(stmt_, index, value) != SQLITE_OK) Fail(db_, "Parameter");
    return *this;
}

Statement& Statement::Bind(int index, std::string_view value) {
    if (sqlite3_bind_text(stmt_, index, value.data(), int(value.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        Fail(db_, "Parameter");
    return *this;
}

Statement& Statement::BindNull(int index) {
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) Fail(db_, "Parameter");
    return *this;
}

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const std::string sql = sqlite3_sql(stmt_) ? sqlite3_sql(stmt_) : "";
    sqlite3_reset(stmt_);
    Fail(db_, sql);
}

void Statement::Run() {
    while (Step()) {
    }
    Reset();
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::string Statement::ColumnText(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
    return p ? std::string(p, size_t(sqlite3_column_bytes(stmt_, col))) : std::string();
}

}  // namespace kis::store
