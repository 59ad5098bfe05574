#include "platform/store/database.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/base/german_collation.h"
#include "platform/store/schema.h"
#include "platform/store/sql_dialect.h"
#include "platform/store/store_error.h"

namespace kis::store {

namespace {

Database* g_suite = nullptr;

// Files up to this size are checked completely when opened.
constexpr std::uintmax_t kFullCheckLimit = 256ull * 1024 * 1024;

int CollateGerman(void*, int la, const void* a, int lb, const void* b) {
    return text::GermanCompare(std::string_view(static_cast<const char*>(a), size_t(la)),
                               std::string_view(static_cast<const char*>(b), size_t(lb)));
}

void FoldFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    if (!p) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string folded =
        text::FoldCase(std::string_view(p, size_t(sqlite3_value_bytes(argv[0]))));
    sqlite3_result_text(ctx, folded.data(), int(folded.size()), SQLITE_TRANSIENT);
}

// A file begins with this header when it is an SQLite database at all.
bool HasSqliteHeader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char header[16] = {};
    in.read(header, 16);
    return in.gcount() == 16 && std::string(header, 15) == "SQLite format 3";
}

int PragmaInt(sqlite3* db, const std::string& pragma) {
    sqlite3_stmt* st = nullptr;
    int value = -1;
    if (sqlite3_prepare_v2(db, pragma.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        value = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return value;
}

}  // namespace

sqlite3* Database::OpenHandle(const std::string& path, int flags) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const std::string msg = db ? sqlite3_errmsg(db) : "unbekannter Fehler";
        sqlite3_close(db);
        throw StoreError("Die Datei \"" + path + "\" kann nicht geöffnet werden: " + msg);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 5000);
    return db;
}

Database::Database(sqlite3* db, std::string path, DbKind kind)
    : db_(db), path_(std::move(path)), kind_(kind) {
    RegisterFunctions();
}

std::string Database::EngineName() { return std::string("SQLite ") + sqlite3_libversion(); }

Database::~Database() {
    cache_.clear();
    if (db_) sqlite3_close(db_);
    if (g_suite == this) g_suite = nullptr;
}

void Database::RegisterFunctions() {
    sqlite3_create_collation(db_, sql::GermanCollationName(), SQLITE_UTF8, nullptr, CollateGerman);
    sqlite3_create_function(db_, sql::FoldFunctionName(), 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            FoldFunction, nullptr, nullptr);
}

std::unique_ptr<Database> Database::OpenSuite(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw StoreError("Die Datenbank \"" + path + "\" existiert nicht.");
    if (!HasSqliteHeader(path))
        throw StoreError("Die Datei \"" + path + "\" ist keine KIS-Datenbank.");
    std::unique_ptr<Database> db(
        new Database(OpenHandle(path, SQLITE_OPEN_READWRITE), path, DbKind::Suite));
    db->CheckSuiteFile();
    for (const auto& setting : sql::SuiteSessionSettings()) db->Exec(setting);
    db->Migrate();
    return db;
}

std::unique_ptr<Database> Database::CreateSuite(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        throw StoreError("Die Datei \"" + path + "\" existiert bereits.");
    std::unique_ptr<Database> db(new Database(
        OpenHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), path, DbKind::Suite));
    for (const auto& setting : sql::SuiteSessionSettings()) db->Exec(setting);
    db->CreateSchema();
    return db;
}

std::unique_ptr<Database> Database::OpenMemory() {
    std::unique_ptr<Database> db(new Database(
        OpenHandle(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY),
        ":memory:", DbKind::Suite));
    db->CreateSchema();
    return db;
}

std::unique_ptr<Database> Database::CreateWork(const std::string& path) {
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(path + suffix, ec);
    std::unique_ptr<Database> db(new Database(
        OpenHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), path, DbKind::Work));
    for (const auto& setting : sql::WorkSessionSettings()) db->Exec(setting);
    db->CreateSchema();
    return db;
}

std::unique_ptr<Database> Database::OpenWork(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return CreateWork(path);
    std::unique_ptr<Database> db(
        new Database(OpenHandle(path, SQLITE_OPEN_READWRITE), path, DbKind::Work));
    if (PragmaInt(db->db_, sql::ReadApplicationId()) != kWorkApplicationId)
        throw StoreError("Die Datei \"" + path + "\" ist keine KIS-Arbeitsdatei.");
    for (const auto& setting : sql::WorkSessionSettings()) db->Exec(setting);
    return db;
}

void Database::CheckSuiteFile() {
    const int appId = PragmaInt(db_, sql::ReadApplicationId());
    if (appId == -1)
        throw StoreError("Die Datei \"" + path_ + "\" ist beschädigt oder keine Datenbank.");
    if (appId != kSuiteApplicationId)
        throw StoreError("Die Datei \"" + path_ + "\" ist keine KIS-Datenbank.");
    const int version = PragmaInt(db_, sql::ReadSchemaVersion());
    if (version > kSuiteSchemaVersion)
        throw StoreError("Die Datenbank \"" + path_ + "\" hat die Schemaversion " +
                         std::to_string(version) + "; dieses Programm kennt nur bis Version " +
                         std::to_string(kSuiteSchemaVersion) + ". Bitte das Programm aktualisieren.");
    // A full check reads the whole file, which costs seconds on a head office's database at
    // every start. Large files get the schema and the master tables checked here; damage
    // elsewhere surfaces as an error when it is read, and bookings roll back then.
    std::error_code ec;
    const auto size = std::filesystem::file_size(path_, ec);
    const auto checks = ec || size <= kFullCheckLimit
                            ? sql::IntegrityChecks({})
                            : sql::IntegrityChecks({"MANDANT", "PARAMETER", "EINSTELLUNG", "KULI"});
    for (const auto& check : checks) {
        sqlite3_stmt* st = nullptr;
        const bool ok = sqlite3_prepare_v2(db_, check.c_str(), -1, &st, nullptr) == SQLITE_OK &&
                        sqlite3_step(st) == SQLITE_ROW &&
                        std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))) == "ok";
        sqlite3_finalize(st);
        if (!ok) throw StoreError("Die Datenbank \"" + path_ + "\" ist beschädigt.");
    }
}

void Database::CreateSchema(const std::vector<std::string>& vorher) {
    const auto& tables = kind_ == DbKind::Suite ? SuiteTables() : WorkTables();
    Begin();
    try {
        for (const auto& sql : vorher) Exec(sql);
        for (const auto& t : tables)
            for (const auto& sql : CreateStatements(t)) Exec(sql);
        const int appId = kind_ == DbKind::Suite ? kSuiteApplicationId : kWorkApplicationId;
        Exec(sql::SetApplicationId(appId));
        Exec(sql::SetSchemaVersion(kSuiteSchemaVersion));
        Commit();
    } catch (...) {
        Rollback();
        throw;
    }
}

void Database::Migrate() {
    const int version = SchemaVersion();
    if (version == kSuiteSchemaVersion) return;
    // Version 0 -> 1 is the creation itself; 1 -> 2 adds the indexes of the sales positions'
    // bonus marks; 2 -> 3 makes them partial (marked positions only), so the full ones of a
    // version-2 file go first. Creation is idempotent (tables and indexes "if not exists"), so
    // it brings every older file up in one transaction with the version bump.
    std::vector<std::string> schritte;
    if (version == 2) schritte = {"DROP INDEX IF EXISTS LST_BONUS1", "DROP INDEX IF EXISTS LST_BONUS2"};
    CreateSchema(schritte);
}

Statement& Database::Cached(const std::string& sql) {
    auto it = cache_.find(sql);
    if (it == cache_.end())
        it = cache_.emplace(sql, std::make_unique<Statement>(*this, sql)).first;
    else
        it->second->Reset();
    return *it->second;
}

void Database::Exec(const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        const std::string msg = err ? err : sqlite3_errmsg(db_);
        sqlite3_free(err);
        throw StoreError("Datenbankfehler (" + sql + "): " + msg);
    }
}

void Database::Begin() { Exec("BEGIN IMMEDIATE"); }
void Database::Commit() { Exec("COMMIT"); }
void Database::Rollback() {
    if (InTransaction()) Exec("ROLLBACK");
}
bool Database::InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }
int Database::SchemaVersion() const { return PragmaInt(db_, sql::ReadSchemaVersion()); }
void Database::SetBulkLoad(int cacheMegabytes) {
    for (const auto& setting : sql::BulkLoadSettings(cacheMegabytes)) Exec(setting);
}
void Database::SetCacheSize(int megabytes) { Exec(sql::CacheSize(megabytes)); }
void Database::DropIndexes() {
    for (const auto& t : kind_ == DbKind::Suite ? SuiteTables() : WorkTables())
        for (const auto& idx : t.indexes) Exec("DROP INDEX IF EXISTS " + t.name + "_" + idx.name);
}

void Database::CreateIndexes() {
    for (const auto& t : kind_ == DbKind::Suite ? SuiteTables() : WorkTables()) {
        const auto statements = CreateStatements(t);
        for (size_t k = 1; k < statements.size(); ++k) Exec(statements[k]);  // [0] is the table
    }
}

int64_t Database::LastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }
int Database::Changes() const { return sqlite3_changes(db_); }

Database& SuiteDb() {
    if (!g_suite) throw StoreError("Es ist keine Datenbank geöffnet.");
    return *g_suite;
}
bool HasSuiteDb() { return g_suite != nullptr; }
void SetSuiteDb(Database* db) { g_suite = db; }

}  // namespace kis::store
