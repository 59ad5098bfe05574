// kis-demo as a command: refusals of bad input, --force, and deterministic content.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "demo_test_support.h"
#include "platform/store/database.h"

namespace fs = std::filesystem;
using kis::demo_test::RunDemo;
using kis::demo_test::TempFolder;

namespace {

const char* kToday = "--today=2024-06-15";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint64_t HashOf(const std::string& path) {
    auto db = kis::store::Database::OpenSuite(path);
    kis::store::SetSuiteDb(db.get());
    const uint64_t h = kis::demo_test::ContentHash();
    kis::store::SetSuiteDb(nullptr);
    return h;
}

}  // namespace

TEST(DemoCli, BadInputExitsWithTwoAndWritesNothing) {
    TempFolder folder;
    const std::string db = "--db='" + folder.Path("demo.kis") + "'";
    struct Case {
        std::string args;
        const char* messagePart;
    };
    const Case cases[] = {
        {db + " --size=huge", "Unbekannte Größe"},
        {db + " --colour=red", "Unbekannte"},
        {db + " --seed=-3", "Startwert"},
        {db + " --today=2024-02-30", "Datum"},
        {"--size=tiny", "Zieldatei fehlt"},
        {"--db= --size=tiny", "fehlt"},
        {"--db='" + folder.Path("missing/demo.kis") + "' --size=tiny", "existiert nicht"},
        {"--db='" + folder.Dir() + "' --size=tiny", "Ordner"},
    };
    for (const auto& c : cases) {
        const auto r = RunDemo(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args;
        EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << c.args << "\n" << r.err;
        EXPECT_EQ(folder.FileCount(), 0) << c.args;
    }
}

TEST(DemoCli, ExistingFileIsKeptWithoutForceAndReplacedWithIt) {
    TempFolder folder;
    const std::string path = folder.Path("demo.kis");
    std::ofstream(path) << "keep me";
    const std::string args = "--db='" + path + "' --size=tiny " + kToday;

    const auto refused = RunDemo(args);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadAll(path), "keep me");
    EXPECT_EQ(folder.FileCount(), 1);

    const auto forced = RunDemo(args + " --force");
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_NO_THROW(kis::store::Database::OpenSuite(path));
    EXPECT_EQ(folder.FileCount(), 1) << "no temporary or log file may stay behind";
}

TEST(DemoCli, UnwritableFolderIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write everywhere";
    TempFolder folder;
    fs::permissions(folder.Dir(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto r = RunDemo("--db='" + folder.Path("demo.kis") + "' --size=tiny");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("nicht geschrieben"), std::string::npos) << r.err;
    EXPECT_EQ(folder.FileCount(), 0);
}

TEST(DemoCli, SameSizeAndSeedGiveTheSameContent) {
    TempFolder folder;
    const std::string a = folder.Path("a.kis"), b = folder.Path("b.kis"), c = folder.Path("c.kis");
    ASSERT_EQ(RunDemo("--db='" + a + "' --size=tiny --seed=7 " + kToday).exitCode, 0);
    ASSERT_EQ(RunDemo("--db='" + b + "' --size=tiny --seed=7 " + kToday).exitCode, 0);
    ASSERT_EQ(RunDemo("--db='" + c + "' --size=tiny --seed=8 " + kToday).exitCode, 0);
    const uint64_t ha = HashOf(a);
    EXPECT_EQ(ha, HashOf(b));
    EXPECT_NE(ha, HashOf(c));
}
