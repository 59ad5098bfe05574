// An older suite file is brought up to the current schema when it is opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "platform/store/database.h"
#include "platform/store/schema.h"

namespace {

using kis::store::Database;

int64_t IndexVorhanden(Database& db, const char* name) {
    auto& s = db.Cached("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = ?");
    s.Bind(1, name);
    s.Step();
    const int64_t n = s.ColumnInt(0);
    s.Reset();
    return n;
}

TEST(SchemaMigration, VersionOneGetsTheBonusMarkIndexes) {
    const auto dir = std::filesystem::temp_directory_path() / ("kis_migration_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "alt.kis").string();
    {
        auto db = Database::CreateSuite(path);
        EXPECT_EQ(IndexVorhanden(*db, "LST_BONUS1"), 1);
        db->Exec("DROP INDEX LST_BONUS1");
        db->Exec("DROP INDEX LST_BONUS2");
        db->Exec("PRAGMA user_version=1");
    }
    {
        auto db = Database::OpenSuite(path);
        EXPECT_EQ(db->SchemaVersion(), kis::store::kSuiteSchemaVersion);
        EXPECT_EQ(IndexVorhanden(*db, "LST_BONUS1"), 1);
        EXPECT_EQ(IndexVorhanden(*db, "LST_BONUS2"), 1);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
