#include <gtest/gtest.h>
#include <unistd.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "platform/store/database.h"
#include "platform/store/record_files.h"
#include "platform/store/schema.h"
#include "platform/store/store_error.h"
#include "platform/store/work_files.h"

using namespace kis::store;
namespace fs = std::filesystem;

namespace {

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() / ("kis-test-" + std::to_string(::getpid()) + "-" +
                                             std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
    static inline int counter_ = 0;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(DatabaseTest, CreatesReopensAndRefusesForeignDamagedOrNewerFiles) {
    TempDir dir;
    const std::string path = dir.File("suite.kis");
    { auto db = Database::CreateSuite(path); EXPECT_EQ(db->SchemaVersion(), kSuiteSchemaVersion); }
    EXPECT_NO_THROW(Database::OpenSuite(path));
    EXPECT_THROW(Database::CreateSuite(path), StoreError);
    EXPECT_THROW(Database::OpenSuite(dir.File("missing.kis")), StoreError);

    // A text file is refused and left as it was.
    const std::string text = dir.File("notes.txt");
    std::ofstream(text) << "Einkaufsliste: Milch, Brot";
    EXPECT_THROW(Database::OpenSuite(text), StoreError);
    EXPECT_EQ(ReadAll(text), "Einkaufsliste: Milch, Brot");

    // An SQLite file of another program is refused and unchanged.
    const std::string foreign = dir.File("foreign.db");
    {
        sqlite3* h = nullptr;
        sqlite3_open(foreign.c_str(), &h);
        sqlite3_exec(h, "CREATE TABLE t(x); INSERT INTO t VALUES (1);", nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
    const std::string before = ReadAll(foreign);
    try {
        Database::OpenSuite(foreign);
        FAIL() << "foreign file accepted";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("keine KIS-Datenbank"), std::string::npos);
    }
    EXPECT_EQ(ReadAll(foreign), before);

    // A newer schema version is refused.
    const std::string newer = dir.File("newer.kis");
    { auto db = Database::CreateSuite(newer); db->Exec("PRAGMA user_version=99"); }
    try {
        Database::OpenSuite(newer);
        FAIL() << "newer file accepted";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("Schemaversion 99"), std::string::npos);
    }

    // A damaged file (header intact, pages overwritten) is refused.
    const std::string damaged = dir.File("damaged.kis");
    { auto db = Database::CreateSuite(damaged); db->Exec("PRAGMA journal_mode=DELETE"); }
    {
        std::fstream f(damaged, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(4096);
        const std::string junk(4096, '\x5a');
        f.write(junk.data(), std::streamsize(junk.size()));
    }
    EXPECT_THROW(Database::OpenSuite(damaged), StoreError);
}

TEST(WorkFilesTest, ManualCommitPerProcessFilesAndStaleRemoval) {
    TempDir dir;
    SetWorkDir(dir.Path().string());
    const std::string name = WorkFileName("KISUFILE.");
    EXPECT_EQ(name, "KISUFILE." + FormattedProcessId());

    {
        Tkisufile writer;
        writer.SetFileNameRel(name);
        writer.ManualCommit_Set(true);
        writer.OpenNew(-1);
        writer.ClearRecord();
        writer.Feld("KUNDE").SetWert(TIntPair(1, 0));
        writer.Insert();

        // A second connection does not see the uncommitted batch.
        auto other = Database::OpenWork(dir.File(name));
        auto& count = other->Cached("SELECT COUNT(*) FROM KISUFILE");
        count.Step();
        EXPECT_EQ(count.ColumnInt(0), 0);
        count.Reset();
        writer.Commit();
        count.Step();
        EXPECT_EQ(count.ColumnInt(0), 1);
        count.Reset();
    }

    // Files of a process that does not run are removed, ours stay.
    std::ofstream(dir.File("KIVKFILE.999999999")) << "";
    std::ofstream(dir.File("BONUTMP.999999999-wal")) << "";
    std::ofstream(dir.File("KISUFILE.notapid")) << "";
    const auto removed = RemoveStaleWorkFiles();
    EXPECT_EQ(removed.size(), 2u);
    EXPECT_TRUE(fs::exists(dir.File(name)));
    EXPECT_TRUE(fs::exists(dir.File("KISUFILE.notapid")));

    RemoveOwnWorkFiles();
    EXPECT_FALSE(fs::exists(dir.File(name)));
    EXPECT_THROW(WorkFileConnection("../escape", true), StoreError);
    SetWorkDir("");
}

}  // namespace
