#include "proc_memory.h"

#include <sys/resource.h>

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

double CpuMs() {
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(ru.ru_utime) + ms(ru.ru_stime);
}

}  // namespace kis::bench
