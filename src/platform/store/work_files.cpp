#include "platform/store/work_files.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "platform/store/database.h"
#include "platform/store/store_error.h"

namespace kis::store {

namespace fs = std::filesystem;

namespace {

const char* const kPrefixes[] = {"KISUFILE.", "KIVKFILE.", "BONUTMP."};

std::string& WorkDirRef() {
    static std::string dir;
    return dir;
}

std::map<std::string, std::weak_ptr<Database>>& Registry() {
    static std::map<std::string, std::weak_ptr<Database>> r;
    return r;
}

bool ProcessRuns(long pid) {
    if (pid <= 0) return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

void SetWorkDir(const std::string& dir) { WorkDirRef() = dir; }

std::string WorkDir() {
    std::string& dir = WorkDirRef();
    if (dir.empty()) {
        std::error_code ec;
        dir = (fs::temp_directory_path(ec) / "kis").string();
    }
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir;
}

std::string GetDirWwsByName(const std::string& name) {
    if (name == "STATEMP") return WorkDir();
    if (HasSuiteDb() && SuiteDb().Path() != ":memory:")
        return fs::path(SuiteDb().Path()).parent_path().string();
    return WorkDir();
}

std::string FormattedProcessId() {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%08ld", long(::getpid()));
    return buf;
}

std::string WorkFileName(const std::string& prefix) { return prefix + FormattedProcessId(); }

std::shared_ptr<Database> WorkFileConnection(const std::string& relativeName, bool create) {
    if (relativeName.empty() || relativeName.find('/') != std::string::npos ||
        relativeName.find("..") != std::string::npos)
        throw StoreError("Ungültiger Name einer Arbeitsdatei: \"" + relativeName + "\".");
    const std::string path = (fs::path(WorkDir()) / relativeName).string();
    auto& reg = Registry();
    if (auto existing = reg[path].lock()) return existing;
    std::shared_ptr<Database> db(create ? Database::CreateWork(path) : Database::OpenWork(path));
    reg[path] = db;
    return db;
}

std::vector<std::string> RemoveStaleWorkFiles() {
    std::vector<std::string> removed;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(WorkDir(), ec)) {
        const std::string name = entry.path().filename().string();
        for (const char* prefix : kPrefixes) {
            const std::string p(prefix);
            if (name.rfind(p, 0) != 0) continue;
            std::string rest = name.substr(p.size());
            const auto dash = rest.find('-');  // "-wal", "-shm", "-journal" companions
            if (dash != std::string::npos) rest = rest.substr(0, dash);
            char* end = nullptr;
            const long pid = std::strtol(rest.c_str(), &end, 10);
            if (rest.empty() || *end != '\0' || ProcessRuns(pid)) continue;
            std::error_code rmEc;
            if (fs::remove(entry.path(), rmEc)) removed.push_back(name);
        }
    }
    return removed;
}

void RemoveOwnWorkFiles() {
    Registry().clear();
    std::error_code ec;
    for (const char* prefix : kPrefixes)
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            fs::remove(fs::path(WorkDir()) / (WorkFileName(prefix) + suffix), ec);
}

}  // namespace kis::store
