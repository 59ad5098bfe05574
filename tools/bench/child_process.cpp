#include "child_process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace kis::bench {

namespace {
constexpr int kReportFd = 3;
}

ChildOutcome RunChild(const std::string& program, const std::vector<std::string>& args,
                      bool withReport) {
    int fds[2] = {-1, -1};
    if (withReport && ::pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    std::vector<std::string> argvText{program};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argvText) argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        // dup2 clears close-on-exec on the new descriptor; only it survives the exec.
        if (withReport && ::dup2(fds[1], kReportFd) < 0) ::_exit(127);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ChildOutcome out;
    if (withReport) {
        ::close(fds[1]);
        // Read to the end before waiting, so a long report never blocks the child.
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(fds[0], buf, sizeof buf);
            if (n > 0) out.report.append(buf, size_t(n));
            else if (n == 0 || errno != EINTR) break;
        }
        ::close(fds[0]);
    }
    int status = 0;
    rusage ru{};
    while (::wait4(pid, &status, 0, &ru) < 0 && errno == EINTR) {
    }
    out.exited = WIFEXITED(status);
    out.status = out.exited ? WEXITSTATUS(status) : -1;
    out.maxRssKb = ru.ru_maxrss;
    if (out.exited && out.status == 127 && out.report.empty() && withReport)
        throw std::runtime_error("\"" + program + "\" konnte nicht gestartet werden.");
    return out;
}

std::string SelfExecutable() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

std::string SelfFolder() {
    return std::filesystem::path(SelfExecutable()).parent_path().string();
}

std::FILE* ReportChannel() {
    static std::FILE* channel = ::fcntl(kReportFd, F_GETFD) >= 0 ? ::fdopen(kReportFd, "w") : nullptr;
    return channel;
}

}  // namespace kis::bench
