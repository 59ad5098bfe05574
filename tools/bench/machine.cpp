#include "machine.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/store/database.h"

namespace kis::bench {

namespace {

std::string FirstValue(const char* file, const std::string& key) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) != 0) continue;
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        const auto start = line.find_first_not_of(" \t", colon + 1);
        return start == std::string::npos ? "" : line.substr(start);
    }
    return "";
}

}  // namespace

std::string MachineDescription() {
    const long cores = ::sysconf(_SC_NPROCESSORS_ONLN);
    const std::string model = FirstValue("/proc/cpuinfo", "model name");
    const long memKb = std::atol(FirstValue("/proc/meminfo", "MemTotal").c_str());
    utsname u{};
    ::uname(&u);
    return (model.empty() ? std::string("unbekannter Prozessor") : model) + ", " +
           std::to_string(cores) + " Kerne, " + std::to_string((memKb + 512 * 1024) / (1024 * 1024)) +
           " GB RAM, " + u.sysname + " " + u.release + ", " + kis::store::Database::EngineName();
}

}  // namespace kis::bench
