#pragma once
// The command line of kis-demo.
#include <cstdint>
#include <string>
#include <vector>

#include "sizes.h"

namespace kis::demo {

struct CliOptions {
    std::string db;
    DemoSize size;
    uint64_t seed = 1;
    bool force = false;
    bool quiet = false;
    int today = 0;  // 0 = the current date
};

// Parses the arguments (without the program name). On bad input returns false and a German
// message in `error`.
bool ParseCommandLine(const std::vector<std::string>& args, CliOptions& out, std::string& error);

// Checks the target file: a path given, its folder exists and is writable, no folder of that
// name, and an existing file only with --force. German message on failure.
bool CheckTarget(const CliOptions& options, std::string& error);

inline constexpr const char* kUsage =
    "Aufruf: kis-demo --db=DATEI [--size=tiny|small|medium|large] [--seed=N] [--force]\n"
    "                 [--today=JJJJ-MM-TT] [--quiet]\n";

}  // namespace kis::demo
