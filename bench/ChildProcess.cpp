#include "bench/ChildProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "bench/Clock.h"

namespace corvane::bench {

ChildRun RunChild(const std::vector<std::string>& argv, const std::string& outputFile)
{
    ChildRun run;
    std::vector<char*> args;
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    const int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0)
        return run;
    const double start = MonotonicSeconds();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out, STDOUT_FILENO);
        ::dup2(out, STDERR_FILENO);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(out);
    if (pid < 0)
        return run;
    int status = 0;
    struct rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            return run;
    }
    run.wallSeconds = MonotonicSeconds() - start;
    run.peakRssBytes = static_cast<long long>(usage.ru_maxrss) * 1024;  // Linux counts KiB
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(outputFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    run.output = text.str();
    return run;
}

}  // namespace corvane::bench
