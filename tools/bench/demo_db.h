#pragma once
// The demo databases the benchmark runs on: "demo-<size>-<seed>.kis" in the benchmark folder,
// made once by kis-demo and reused by every later run with the same size and seed.
#include <cstdint>
#include <string>

namespace kis::bench {

std::string DemoDbPath(const std::string& dir, const std::string& size, uint64_t seed);

// The path of a ready database, created with the kis-demo of this program's folder when it
// does not exist yet. Throws std::runtime_error (German text) when it cannot be made.
std::string EnsureDemoDb(const std::string& dir, const std::string& size, uint64_t seed);

}  // namespace kis::bench
