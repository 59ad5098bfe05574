#pragma once
// A one-line description of the machine a measurement ran on: processor, cores, memory,
// kernel and SQLite version.
#include <string>

namespace kis::bench {

std::string MachineDescription();

}  // namespace kis::bench
