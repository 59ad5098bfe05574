#pragma once
// Runs a program as a child process and collects what it reports on file descriptor 3, its
// exit status and its peak resident memory (from the kernel's accounting of that child only).
#include <cstdio>
#include <string>
#include <vector>

namespace kis::bench {

struct ChildOutcome {
    bool exited = false;  // ended normally (not by a signal)
    int status = -1;      // exit status when exited
    long maxRssKb = 0;    // peak resident memory of the child
    std::string report;   // everything written to descriptor 3
};

// Starts program with args (argv[1..]); stdout and stderr stay those of this process.
// Throws std::runtime_error when the process cannot be started.
ChildOutcome RunChild(const std::string& program, const std::vector<std::string>& args,
                      bool withReport = true);

// The executable of this process, and the folder it lies in.
std::string SelfExecutable();
std::string SelfFolder();

// In a child: the stream to the parent (descriptor 3), opened on first use; null when the
// process was not started with a report channel.
std::FILE* ReportChannel();

}  // namespace kis::bench
