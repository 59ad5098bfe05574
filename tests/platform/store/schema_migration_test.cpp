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

std::string IndexSql(Database& db, const char* name) {
    auto& s = db.Cached("SELECT sql FROM sqlite_master WHERE type = 'index' AND name = ?");
    s.Bind(1, name);
    const std::string sql = s.Step() ? s.ColumnText(0) : std::string();
    s.Reset();
    return sql;
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

// Version 2 indexed every position's marks; version 3 only marked ones. The marks and the
// positions stay, and a cancellation still finds its positions through the index.
TEST(SchemaMigration, VersionTwoMarkIndexesBecomePartial) {
    const auto dir = std::filesystem::temp_directory_path() / ("kis_migration2_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "alt.kis").string();
    {
        auto db = Database::CreateSuite(path);
        db->Exec("DROP INDEX LST_BONUS1");
        db->Exec("DROP INDEX LST_BONUS2");
        db->Exec("CREATE INDEX LST_BONUS1 ON LST (BONUS1_L, BONUS1_R, BONUS1_S)");
        db->Exec("CREATE INDEX LST_BONUS2 ON LST (BONUS2_L, BONUS2_R, BONUS2_S)");
        db->Exec("INSERT INTO LST (RNR, LNR, POSNR, BONUS1ART, BONUS1_L, BONUS1_R, BONUS1_S) "
                 "VALUES (1, 1, 1, 'BN', 7, 3, 0), (1, 1, 2, '', 0, 0, 0)");
        db->Exec("PRAGMA user_version=2");
    }
    {
        auto db = Database::OpenSuite(path);
        EXPECT_EQ(db->SchemaVersion(), kis::store::kSuiteSchemaVersion);
        EXPECT_NE(IndexSql(*db, "LST_BONUS1").find("WHERE BONUS1ART = 'BN'"), std::string::npos);
        EXPECT_NE(IndexSql(*db, "LST_BONUS2").find("WHERE BONUS2ART = 'BN'"), std::string::npos);
        auto& plan = db->Cached(
            "EXPLAIN QUERY PLAN SELECT POSNR FROM LST WHERE BONUS1ART = 'BN' AND BONUS1_L = 7 "
            "AND BONUS1_R = 3 AND BONUS1_S = 0");
        std::string text;
        while (plan.Step()) text += plan.ColumnText(3) + "\n";
        plan.Reset();
        EXPECT_NE(text.find("LST_BONUS1"), std::string::npos) << text;
        auto& s = db->Cached("SELECT COUNT(*) FROM LST INDEXED BY LST_BONUS1 WHERE BONUS1ART = 'BN' AND BONUS1_L = 7");
        ASSERT_TRUE(s.Step());
        EXPECT_EQ(s.ColumnInt(0), 1);
        s.Reset();
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
