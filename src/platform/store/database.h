#pragma once
// One connection of the embedded engine: the suite database or one work file. Checks on open
// that the file is ours and not newer than this program, creates and migrates the schema, keeps
// a cache of prepared statements, and registers the German collation used by name indexes.
// The engine's handle never leaves the store; SQL only the engine understands is built by
// sql_dialect.h.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/store/statement.h"

struct sqlite3;

namespace kis::store {

enum class DbKind { Suite, Work };

class Database {
public:
    // Opens an existing suite database. Refuses (StoreError, German text) a missing file, a
    // file that is no KIS database, a damaged one, or one of a newer schema version; a refused
    // file is left untouched.
    static std::unique_ptr<Database> OpenSuite(const std::string& path);
    // Creates a new, empty suite database; refuses when the file exists.
    static std::unique_ptr<Database> CreateSuite(const std::string& path);
    // An in-memory suite database (tests).
    static std::unique_ptr<Database> OpenMemory();
    // Work file: created afresh (any old file of that name removed) or opened if present.
    static std::unique_ptr<Database> CreateWork(const std::string& path);
    static std::unique_ptr<Database> OpenWork(const std::string& path);

    // Name and version of the database engine ("SQLite 3.40.1"), for reports.
    static std::string EngineName();

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // A prepared statement for this SQL text, reset and with cleared bindings. Cached for
    // the lifetime of the connection; SQL text must never contain user data.
    Statement& Cached(const std::string& sql);
    void Exec(const std::string& sql);

    void Begin();
    void Commit();
    void Rollback();
    bool InTransaction() const;

    int SchemaVersion() const;
    // For filling a new file in bulk (demo data, imports): a page cache of the given size and
    // no waiting for the disk on commit. A crash may then damage the file, so this is only for
    // files that are thrown away when the fill fails.
    void SetBulkLoad(int cacheMegabytes);
    // Page cache of this connection (a writer that grows a file by millions of records keeps
    // its index pages in memory until the batch is committed).
    void SetCacheSize(int megabytes);
    // Bulk fills are faster when the key indexes are built once at the end: DropIndexes
    // removes them, CreateIndexes builds them again (and fails if a unique key is broken).
    void DropIndexes();
    void CreateIndexes();
    DbKind Kind() const { return kind_; }
    const std::string& Path() const { return path_; }
    int64_t LastInsertRowId() const;
    int Changes() const;

private:
    friend class Statement;
    Database(sqlite3* db, std::string path, DbKind kind);
    static sqlite3* OpenHandle(const std::string& path, int flags);
    void RegisterFunctions();
    // `vorher`: statements of a migration step, run first in the same transaction.
    void CreateSchema(const std::vector<std::string>& vorher = {});
    void CheckSuiteFile();
    void Migrate();

    sqlite3* db_ = nullptr;
    std::string path_;
    DbKind kind_;
    std::unordered_map<std::string, std::unique_ptr<Statement>> cache_;
};

// The open suite database of this process (set by program start, tools and tests).
Database& SuiteDb();
bool HasSuiteDb();
void SetSuiteDb(Database* db);

}  // namespace kis::store
