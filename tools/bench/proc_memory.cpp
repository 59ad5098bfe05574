#include "proc_memory.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace kis::bench {

namespace {
long StatusValueKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(in, line))
        if (line.compare(0, prefix.size(), prefix) == 0) return std::atol(line.c_str() + prefix.size());
    return 0;
}
}  // namespace

long PeakRssKb() { return StatusValueKb("VmHWM"); }
long CurrentRssKb() { return StatusValueKb("VmRSS"); }

}  // namespace kis::bench
