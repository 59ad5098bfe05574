#include "demo_test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/store/schema.h"

namespace fs = std::filesystem;

namespace kis::demo_test {

namespace {

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

RunResult RunTool(const std::string& tool, const std::string& args, const std::string& dir) {
    static int counter = 0;
    const fs::path exe = fs::read_symlink("/proc/self/exe").parent_path() / tool;
    const std::string stem = tool + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    const fs::path errFile = fs::temp_directory_path() / (stem + ".err");
    const fs::path outFile = fs::temp_directory_path() / (stem + ".out");
    const std::string cd = dir.empty() ? "" : "cd '" + dir + "' && ";
    const std::string cmd = cd + "'" + exe.string() + "' " + args + " >'" + outFile.string() +
                            "' 2>'" + errFile.string() + "'";
    const int status = std::system(cmd.c_str());
    RunResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(errFile), ReadAll(outFile)};
    fs::remove(errFile);
    fs::remove(outFile);
    return r;
}

RunResult RunDemo(const std::string& args) { return RunTool("kis-demo", "--quiet " + args); }

TempFolder::TempFolder() {
    static int counter = 0;
    dir_ = (fs::temp_directory_path() /
            ("kis-demo-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter)))
               .string();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
}

int TempFolder::FileCount() const {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++n;
    return n;
}

void ForEach(const std::string& table, const std::function<void(kis::store::TQEL_DBFile&)>& fn) {
    kis::store::TQEL_DBFile file(table);
    file.OpenOut();
    for (bool ok = file.Get_ge(); ok; ok = file.Next()) fn(file);
}

uint64_t ContentHash() {
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    auto mix = [&](const std::string& s) {
        for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
        h = (h ^ 0xFF) * 1099511628211ull;
    };
    for (const auto& t : kis::store::SuiteTables()) {
        if (t.name == "BUCHUNG") continue;
        mix(t.name);
        ForEach(t.name, [&](kis::store::TQEL_DBFile& f) {
            for (const auto& def : t.fields) mix(f.Feld(def.name).AsString());
        });
    }
    return h;
}

}  // namespace kis::demo_test
