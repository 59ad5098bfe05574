// kis-demo: creates a deterministic demo database. The database is built in a temporary file
// next to the target and renamed at the end, so a failed run leaves nothing half-written and
// --force replaces an old file only after success.
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "generator.h"
#include "platform/base/datetime.h"
#include "platform/store/database.h"
#include "platform/store/work_files.h"

namespace {

namespace fs = std::filesystem;

void RemoveDatabaseFiles(const std::string& path) {
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(path + suffix, ec);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kis::demo;
    CliOptions options;
    std::string error;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!ParseCommandLine(args, options, error) || !CheckTarget(options, error)) {
        std::cerr << "kis-demo: " << error << "\n" << kUsage;
        return 2;
    }
    const int today = options.today ? options.today : int(std::floor(kis::date::Now()));
    const std::string temp = options.db + ".tmp-" + std::to_string(::getpid());
    RemoveDatabaseFiles(temp);

    // The bonus generation's temporary file lives in a work folder of this run.
    const std::string work = options.db + ".work-" + std::to_string(::getpid());
    GenerateResult result;
    try {
        fs::create_directories(work);
        kis::store::SetWorkDir(work);
        auto db = kis::store::Database::CreateSuite(temp);
        // The file is thrown away if the run fails, so it may skip waiting for the disk, and
        // its key indexes are built once at the end instead of row by row.
        db->SetBulkLoad(256);
        db->DropIndexes();
        kis::store::SetSuiteDb(db.get());
        auto log = [&](const std::string& line) {
            if (!options.quiet) std::cout << "  " << line << std::endl;
        };
        result = Generate({options.size, options.seed, today}, log);
        kis::store::RemoveOwnWorkFiles();
        kis::store::SetSuiteDb(nullptr);
        db.reset();  // closes the file and folds the write-ahead log into it
        // A stale log of the old file must not be applied to the new one.
        for (const char* suffix : {"-wal", "-shm"}) fs::remove(options.db + suffix);
        fs::rename(temp, options.db);
        fs::remove_all(work);
    } catch (const std::exception& e) {
        kis::store::RemoveOwnWorkFiles();
        kis::store::SetSuiteDb(nullptr);
        RemoveDatabaseFiles(temp);
        std::error_code ec;
        fs::remove_all(work, ec);
        std::cerr << "kis-demo: Die Demodatenbank konnte nicht erstellt werden: " << e.what() << "\n";
        return 1;
    }
    if (!options.quiet)
        std::cout << "Demodatenbank \"" << options.db << "\" (" << options.size.name << ", Startwert "
                  << options.seed << ") erstellt: " << result.customers << " Kunden, "
                  << result.documents << " Belege, " << result.transactions << " offene Vorgänge, "
                  << result.positions << " Positionen, " << result.payments << " Zahlungen, "
                  << result.bonuses << " Boni." << std::endl;
    return 0;
}
