#include "bench/ChildProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "bench/Clock.h"

extern char** environ;

namespace corvane::bench {

ChildRun RunChild(const std::vector<std::string>& argv, const std::string& outputFile)
{
    ChildRun run;
    std::vector<char*> args;
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    // The environment is made before the fork: the child only execs.
    const std::string countFile = outputFile + ".fsyncs";
    std::remove(countFile.c_str());
    std::vector<std::string> environment = {std::string("LD_PRELOAD=") + CORVANE_FSYNC_COUNTER_PATH,
                                            "CORVANE_FSYNC_COUNT=" + countFile};
    // A sanitized converter would refuse a library loaded before its runtime.
    const char* asan = std::getenv("ASAN_OPTIONS");
    environment.push_back(std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") +
                          "verify_asan_link_order=0");
    for (char** variable = environ; *variable; ++variable) {
        const std::string text = *variable;
        if (text.rfind("LD_PRELOAD=", 0) != 0 && text.rfind("ASAN_OPTIONS=", 0) != 0 &&
            text.rfind("CORVANE_FSYNC_COUNT=", 0) != 0)
            environment.push_back(text);
    }
    std::vector<char*> envp;
    for (auto& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    const int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0)
        return run;
    const double start = MonotonicSeconds();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out, STDOUT_FILENO);
        ::dup2(out, STDERR_FILENO);
        ::execve(args[0], args.data(), envp.data());
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
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    if (std::FILE* counted = std::fopen(countFile.c_str(), "r")) {
        if (std::fscanf(counted, "%ld", &run.fsyncs) != 1)
            run.fsyncs = -1;
        std::fclose(counted);
    }
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(outputFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    run.output = text.str();
    return run;
}

}  // namespace corvane::bench
