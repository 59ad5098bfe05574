#pragma once
// Runs the kis-demo binary (next to the test binary) and reads the databases it writes.
#include <functional>
#include <string>

#include "platform/store/record_file.h"

namespace kis::demo_test {

struct RunResult {
    int exitCode;
    std::string err;
    std::string out;
};

// Runs a tool built next to the test binary (kis-demo, kis-import, kis-eval) with the given
// arguments (already quoted where needed), in `dir` when given.
RunResult RunTool(const std::string& tool, const std::string& args, const std::string& dir = {});
// Runs kis-demo --quiet with the given arguments.
RunResult RunDemo(const std::string& args);

// A fresh, empty folder for one test; removed by the destructor.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    const std::string& Dir() const { return dir_; }
    int FileCount() const;

private:
    std::string dir_;
};

// Calls fn for every record of a suite table of the open suite database.
void ForEach(const std::string& table, const std::function<void(kis::store::TQEL_DBFile&)>& fn);

// A hash over every field of every data table (not the booking journal, which holds times
// and process ids).
uint64_t ContentHash();

}  // namespace kis::demo_test
